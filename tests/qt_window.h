#pragma once

// The real Qt window with its handlers, as the program builds it, driven
// by mouse and keyboard as a pupil drives it.

#include "form/line_breaks.h"
#include "form/qt/list_box_widget.h"
#include "form/qt/option_widget.h"
#include "form/qt/output_box_widget.h"
#include "form/qt/qt_form.h"
#include "form/qt/qt_text.h"
#include "tests/handled_window.h"
#include "window/main_form.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>

#include <utility>

namespace ribi::testing {

class QtWindow final : public HandledWindow {
public:
    // `description` must outlive the window.
    explicit QtWindow(const form::FormDescription& description = window::MainFormDescription());
    ~QtWindow() override;
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    // The window itself for an empty name.
    template <typename T = QWidget> T* Control(std::u16string_view name, form::Index index = 0)
    {
        if (name.empty()) return dynamic_cast<T*>(static_cast<QWidget*>(&form));
        return form.findChild<T*>(form::qt::QtForm::ObjectName(name, index));
    }
    form::qt::ListBoxWidget* Names() { return Control<form::qt::ListBoxWidget>(u"List1", 0); }
    form::qt::OptionWidget* Option(form::Index index) { return Control<form::qt::OptionWidget>(u"Option1", index); }
    form::qt::OutputBoxWidget* Output() { return Control<form::qt::OutputBoxWidget>(u"Text1", 0); }

    void Click(ControlId control, Point at, Button button = Button::Left) override;
    void DoubleClick(ControlId control, Point at) override;
    void Drag(ControlId control, Point from, Point to) override;
    void Press(Key key, Modifier held = Modifier::None) override;
    void Focus(ControlId control) override { Widget(control)->setFocus(Qt::TabFocusReason); }
    std::u16string Focused() override;
    Rect RowRect(form::Index row) override;
    Point Size(ControlId control) override { return {Surface(control)->width(), Surface(control)->height()}; }
    Rect Bounds(ControlId control) override;
    ControlId ParentOf(ControlId control) override
    {
        const QWidget* parent = Widget(control)->parentWidget();
        // No parent is no control, not even one the window made no widget for.
        return FirstControl([&](ControlId c) { return parent && Widget(c) == parent; });
    }
    bool IsShown(ControlId control) override { return Widget(control)->isVisible(); }
    bool IsTabStop(ControlId control) override { return (Widget(control)->focusPolicy() & Qt::TabFocus) != 0; }
    std::vector<std::u16string> Items(ControlId list) override;
    Rgb Pixel(ControlId control, Point at) override;
    Font FontOf(ControlId control) override;
    std::u16string Title() override { return form::qt::FromQString(form.windowTitle()); }
    bool IsResizable() override { return form.minimumSize() != form.maximumSize(); }
    TextSelection OutputSelection() override;
    int OutputLines() override { return static_cast<int>(OutputRows().size()); }
    std::vector<std::u16string> OutputRows() override;
    bool NarrowOutput(int width) override;
    std::u16string ClipboardText() override { return form::qt::FromQString(QApplication::clipboard()->text()); }
    // The plain text editor scrolls by lines.
    int FirstVisibleOutputLine() override { return Output()->verticalScrollBar()->value(); }
    bool OutputOverflows() override { return Output()->verticalScrollBar()->maximum() > 0; }
    bool IsOpen() override { return form.isVisible(); }
    int OutputShows() override { return outputShows_; }
    int OutputNotifications() override;

    form::qt::QtForm form;

private:
    std::optional<std::u16string> ShownOutput() override { return form::WithCrLfBreaks(Output()->TypedText()); }
    bool ShownChecked(form::Index option) override { return Option(option)->isChecked(); }
    form::Index ShownRow() override
    {
        return static_cast<form::Index>(Names()->selectedItems().isEmpty() ? -1 : Names()->currentRow());
    }
    void TypeCharacters(std::u16string_view text) override;
    void PutOnClipboard(std::u16string_view text) override
    {
        QApplication::clipboard()->setText(form::qt::ToQString(text));
    }

    QWidget* Widget(ControlId control) { return Control(control.name, control.index); }
    // The widget whose pixels a control's points are in: a list's rows are in its viewport.
    QWidget* Surface(ControlId control);
    // The widget a press at `at` reaches, and the point in its own pixels;
    // a point in the window reaches the deepest widget there.
    std::pair<QWidget*, QPoint> Target(ControlId control, Point at);
    int outputShows_ = 0;
    bool listening_ = false; // to assistive technology's events
};

} // namespace ribi::testing
