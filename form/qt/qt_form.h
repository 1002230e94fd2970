#pragma once

// The window on Qt Widgets: built from the form's plan, each list, option
// and text box the view of the form's control. The form keeps the
// controls' state and rules and delivers their Clicks.

#include "form/form.h"

#include <QWidget>

#include <vector>

namespace ribi::form::qt {

class QtForm final : public QWidget {
public:
    // Shows `form`, which must outlive the window.
    explicit QtForm(Form& form);

    // Each control's object name is its array name and Index: "Option1_0".
    static QString ObjectName(std::u16string_view name, Index index);

private:
    void Build(Position position);

    Form& form_;
    std::vector<QWidget*> widgets_; // by the control's position in the plan
};

} // namespace ribi::form::qt
