// The shared behaviour tests, driven through the real Qt window by mouse
// and keyboard.

#include "form/qt/qt_text.h"
#include "tests/qt_window.h"
#include "tests/window_driver.h"

#include <QMouseEvent>

#include <utility>

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
    case Key::Home:
        return Qt::Key_Home;
    case Key::End:
        return Qt::Key_End;
    case Key::PageUp:
        return Qt::Key_PageUp;
    case Key::PageDown:
        return Qt::Key_PageDown;
    case Key::Space:
        return Qt::Key_Space;
    case Key::Enter:
        return Qt::Key_Return;
    case Key::Backspace:
        return Qt::Key_Backspace;
    case Key::Delete:
        return Qt::Key_Delete;
    case Key::Escape:
        return Qt::Key_Escape;
    case Key::A:
        return Qt::Key_A;
    case Key::C:
        return Qt::Key_C;
    case Key::V:
        return Qt::Key_V;
    case Key::X:
        return Qt::Key_X;
    case Key::Z:
        return Qt::Key_Z;
    }
    return Qt::Key_unknown;
}

Qt::KeyboardModifiers ToQt(Modifier held)
{
    switch (held) {
    case Modifier::None:
        return {};
    case Modifier::Shift:
        return Qt::ShiftModifier;
    case Modifier::Control:
        return Qt::ControlModifier;
    }
    return {};
}

class QtDriver final : public RealWindowDriver {
public:
    explicit QtDriver(const form::FormDescription& description) : window_(description) {}

    void TypeIntoOutput(std::u16string_view text) override { window_.TypeIntoOutput(text); }
    std::u16string OutputText() override { return window_.Shown(); }
    selection::ClickGuard Guard() override { return window_.handlers.Guard(); }

    void Click(ControlId control, Point at, Button button) override
    {
        const auto [target, local] = Target(control, at);
        QTest::mouseClick(target, ToQt(button), {}, local);
    }
    void DoubleClick(ControlId control, Point at) override
    {
        const auto [target, local] = Target(control, at);
        QTest::mouseDClick(target, Qt::LeftButton, {}, local);
    }
    void Drag(ControlId control, Point from, Point to) override
    {
        const auto [target, start] = Target(control, from);
        const QPoint end = start + QPoint(to.x - from.x, to.y - from.y);
        QTest::mousePress(target, Qt::LeftButton, {}, start);
        QMouseEvent move(QEvent::MouseMove, end, target->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(target, &move);
        QTest::mouseRelease(target, Qt::LeftButton, {}, end);
    }
    void Press(Key key, Modifier held) override { window_.Key(ToQt(key), ToQt(held)); }
    void Type(std::u16string_view text) override { window_.Type(text); }
    void Paste(std::u16string_view text) override { window_.Paste(text); }
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
    Point Size(ControlId control) override
    {
        const QWidget* surface = Surface(control);
        return {surface->width(), surface->height()};
    }
    Rect Bounds(ControlId control) override
    {
        const QWidget* widget = Widget(control);
        const QPoint origin = widget->mapTo(&window_.form, QPoint(0, 0));
        return {origin.x(), origin.y(), widget->width(), widget->height()};
    }
    form::Index SelectedOption() override
    {
        for (form::Index index = 0; const auto* option = window_.Option(index); ++index)
            if (option->isChecked()) return index;
        return -1;
    }
    form::Index SelectedRow() override { return window_.form.List1(0).ListIndex(); }
    bool TypeSelected(form::Index index) override { return window_.Option(index)->isChecked(); }
    bool IsOpen() override { return window_.form.isVisible(); }
    int ListClicks() override { return window_.clicks.listClicks; }
    int OptionClicks() override { return window_.clicks.optionClicks; }

private:
    QWidget* Widget(ControlId control) { return window_.Control(control.name, control.index); }
    // The widget whose pixels a control's points are in: a list's rows are in its viewport.
    QWidget* Surface(ControlId control)
    {
        QWidget* widget = Widget(control);
        if (auto* list = qobject_cast<QAbstractScrollArea*>(widget); list && control.name == u"List1")
            return list->viewport();
        return widget;
    }
    // The widget a press at `at` reaches, and the point in its own pixels;
    // a point in the window reaches the deepest widget there.
    std::pair<QWidget*, QPoint> Target(ControlId control, Point at)
    {
        const QPoint point(at.x, at.y);
        if (!control.name.empty()) return {Surface(control), point};
        QWidget* widget = window_.form.childAt(point);
        if (!widget) widget = &window_.form;
        return {widget, widget->mapFrom(&window_.form, point)};
    }

    QtWindow window_;
};

INSTANTIATE_TEST_SUITE_P(Qt, SelectionBehaviour, ::testing::Values(DriverFactory{"Qt", &MainWindowDriver<QtDriver>}),
                         DriverName);
INSTANTIATE_TEST_SUITE_P(Qt, WindowBehaviour, ::testing::Values(RealDriverFactory{"Qt", &RealDriverFor<QtDriver>}),
                         RealDriverName);
INSTANTIATE_TEST_SUITE_P(Qt, RandomUserActions, ::testing::Values(RealDriverFactory{"Qt", &RealDriverFor<QtDriver>}),
                         RealDriverName);

} // namespace
} // namespace ribi::testing
