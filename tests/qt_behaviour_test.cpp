// The shared behaviour tests, driven through the real Qt window by mouse
// and keyboard.

#include "form/qt/qt_text.h"
#include "tests/qt_window.h"
#include "tests/window_driver.h"

#include <QMouseEvent>

namespace ribi::testing {
namespace {

Qt::MouseButton ToQt(Button button)
{
    return button == Button::Left ? Qt::LeftButton : Qt::RightButton;
}

Qt::Key ToQt(Key key)
{
    switch (key) {
    case Key::Tab:
        return Qt::Key_Tab;
    case Key::ShiftTab:
        return Qt::Key_Backtab;
    case Key::Up:
        return Qt::Key_Up;
    case Key::Down:
        return Qt::Key_Down;
    case Key::Left:
        return Qt::Key_Left;
    case Key::Right:
        return Qt::Key_Right;
    case Key::Space:
        return Qt::Key_Space;
    case Key::End:
        return Qt::Key_End;
    }
    return Qt::Key_unknown;
}

class QtDriver final : public RealWindowDriver {
public:
    explicit QtDriver(const form::FormDescription& description) : window_(description) {}

    void TypeIntoOutput(std::u16string_view text) override { window_.Type(text); }
    std::u16string OutputText() override { return window_.Shown(); }
    selection::ClickGuard Guard() override { return window_.handlers.Guard(); }

    void Click(ControlId control, Point at, Button button) override
    {
        QTest::mouseClick(Target(control), ToQt(button), {}, {at.x, at.y});
    }
    void DoubleClick(ControlId control, Point at) override
    {
        QTest::mouseDClick(Target(control), Qt::LeftButton, {}, {at.x, at.y});
    }
    void Drag(ControlId control, Point from, Point to) override
    {
        QWidget* target = Target(control);
        QTest::mousePress(target, Qt::LeftButton, {}, {from.x, from.y});
        const QPoint end(to.x, to.y);
        QMouseEvent move(QEvent::MouseMove, end, target->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(target, &move);
        QTest::mouseRelease(target, Qt::LeftButton, {}, end);
    }
    void Press(Key key) override { window_.Key(ToQt(key)); }
    void Focus(ControlId control) override
    {
        window_.Control(control.name, control.index)->setFocus(Qt::TabFocusReason);
    }
    std::u16string Focused() override
    {
        const QWidget* focused = QApplication::focusWidget();
        return focused ? form::qt::FromQString(focused->objectName()) : std::u16string();
    }
    Point RowCentre(form::Index row) override
    {
        const QPoint centre = window_.ItemCentre(row);
        return {centre.x(), centre.y()};
    }
    Point Size(ControlId control) override { return {Target(control)->width(), Target(control)->height()}; }
    form::Index SelectedOption() override
    {
        for (form::Index index = 0; const auto* option = window_.Option(index); ++index)
            if (option->isChecked()) return index;
        return -1;
    }
    form::Index SelectedRow() override { return window_.form.List1(0).ListIndex(); }
    int ListClicks() override { return window_.clicks.listClicks; }
    int OptionClicks() override { return window_.clicks.optionClicks; }

private:
    // A list's rows are in its viewport.
    QWidget* Target(ControlId control)
    {
        QWidget* widget = window_.Control(control.name, control.index);
        if (auto* list = qobject_cast<QAbstractScrollArea*>(widget); list && control.name == u"List1")
            return list->viewport();
        return widget;
    }

    QtWindow window_;
};

INSTANTIATE_TEST_SUITE_P(Qt, SelectionBehaviour, ::testing::Values(DriverFactory{"Qt", &MainWindowDriver<QtDriver>}),
                         DriverName);
INSTANTIATE_TEST_SUITE_P(Qt, WindowBehaviour, ::testing::Values(RealDriverFactory{"Qt", &RealDriverFor<QtDriver>}),
                         RealDriverName);

} // namespace
} // namespace ribi::testing
