#pragma once

// Builds a window from its plan on Qt Widgets and offers its controls
// through the form layer's operations. Clicks go to one sink.

#include "form/planned_controls.h"
#include "form/qt/list_box_widget.h"
#include "form/qt/option_widget.h"
#include "form/qt/output_box_widget.h"

#include <QWidget>

#include <vector>

namespace ribi::form::qt {

class QtForm final : public QWidget, public PlannedControls<ListBoxWidget*, OptionWidget*, OutputBoxWidget*> {
public:
    // `description` must outlive the form.
    explicit QtForm(const FormDescription& description);

    // Each control's object name is its array name and Index: "Option1_0".
    static QString ObjectName(std::u16string_view name, Index index);

private:
    void Build(Position position);

    std::vector<QWidget*> widgets_; // by the control's position in the plan
};

} // namespace ribi::form::qt
