#pragma once

// Builds a window from its description on Qt Widgets and offers its
// controls through the form layer's operations. Clicks go to one sink.

#include "form/controls.h"
#include "window/form_description.h"

#include <QWidget>

#include <vector>

namespace ribi::form::qt {

class ListBoxWidget;
class OptionWidget;
class OutputBoxWidget;

class QtForm final : public QWidget, public Controls {
public:
    explicit QtForm(const window::FormDescription& description);

    void Connect(ClickSink& sink) { sink_ = &sink; }

    ListBox& List1(Index index) override;
    OptionButton& Option1(Index index) override;
    TextBox& Text1(Index index) override;

    // Each control's object name is its array name and Index: "Option1_0".
    static QString ObjectName(std::u16string_view name, Index index);

private:
    void Build(const window::ControlDescription& control);
    template <typename Call> void Deliver(Call call);

    std::vector<ListBoxWidget*> lists_;
    std::vector<OptionWidget*> options_;
    std::vector<OutputBoxWidget*> texts_;
    std::vector<QWidget*> tabStops_;
    ClickSink* sink_ = nullptr;
};

} // namespace ribi::form::qt
