#pragma once

// The real Qt window with its handlers, as the program builds it, and the
// input a user gives it.

#include "form/qt/list_box_widget.h"
#include "form/qt/option_widget.h"
#include "form/qt/output_box_widget.h"
#include "form/qt/qt_form.h"
#include "selection/handlers.h"
#include "tests/counting_sink.h"
#include "tests/recorded_diagnostics.h"
#include "tests/window_driver.h"
#include "window/main_form.h"

#include <QTest>

namespace ribi::testing {

class QtWindow {
public:
    // `description` must outlive the window.
    explicit QtWindow(const form::FormDescription& description = window::MainFormDescription())
        : form(description), handlers(form, diagnostics), clicks(handlers)
    {
        form.Connect(clicks);
        form.show();
        form.activateWindow();
        (void)QTest::qWaitForWindowActive(&form);
    }

    // The window itself for an empty name.
    template <typename T = QWidget> T* Control(std::u16string_view name, form::Index index = 0)
    {
        if (name.empty()) return dynamic_cast<T*>(static_cast<QWidget*>(&form));
        return form.findChild<T*>(form::qt::QtForm::ObjectName(name, index));
    }
    form::qt::ListBoxWidget* Names() { return Control<form::qt::ListBoxWidget>(u"List1", 0); }
    form::qt::OptionWidget* Option(form::Index index) { return Control<form::qt::OptionWidget>(u"Option1", index); }
    form::qt::OutputBoxWidget* Output() { return Control<form::qt::OutputBoxWidget>(u"Text1", 0); }

    QPoint ItemCentre(int row)
    {
        Names()->scrollToItem(Names()->item(row));
        return Names()->visualItemRect(Names()->item(row)).center();
    }
    void ClickItem(int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(Names()->viewport(), button, {}, ItemCentre(row));
    }
    // Far right in the option's rectangle, away from its circle and caption.
    void ClickOption(form::Index index, Qt::MouseButton button = Qt::LeftButton)
    {
        const Point at = OptionClickPoint({Option(index)->width(), Option(index)->height()});
        QTest::mouseClick(Option(index), button, {}, QPoint(at.x, at.y));
    }
    // The widget keys go to: the window itself while none of its controls has the focus.
    QWidget* Focused() { return QApplication::focusWidget() ? QApplication::focusWidget() : &form; }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(Focused(), key, modifiers); }
    // Types at the end of the output box, Enter for each line break.
    void TypeIntoOutput(std::u16string_view text);
    // As a keyboard types: Enter for each line break ("\r\n", "\r" or "\n").
    void Type(std::u16string_view text);
    // Puts `text` on the clipboard and presses Ctrl+V.
    void Paste(std::u16string_view text);
    std::u16string Shown() { return form.Text1(0).Text(); }

    RecordedDiagnostics diagnostics;
    form::qt::QtForm form;
    selection::Handlers handlers;
    CountingSink clicks;
};

} // namespace ribi::testing
