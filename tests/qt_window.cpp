#include "tests/qt_window.h"

#include "form/qt/qt_text.h"

#include <QAccessible>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextLayout>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <array>

namespace ribi::testing {
namespace {

using form::qt::FromQString;

// In Key's order.
constexpr std::array<Qt::Key, kKeyCount> kQtKeys{
    Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Up,       Qt::Key_Down,  Qt::Key_Left,   Qt::Key_Right,     Qt::Key_Home,
    Qt::Key_End,    Qt::Key_PageUp,  Qt::Key_PageDown, Qt::Key_Space, Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete,
    Qt::Key_Escape, Qt::Key_A,       Qt::Key_C,        Qt::Key_V,     Qt::Key_X,      Qt::Key_Z,
};
constexpr std::array<Qt::KeyboardModifier, 3> kQtModifiers{Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};

} // namespace

QtWindow::QtWindow(const form::FormDescription& description) : HandledWindow(description), form(runtime)
{
    QObject::connect(Output(), &QPlainTextEdit::textChanged, [this] { ++outputShows_; });
    form.show();
    form.activateWindow();
    (void)QTest::qWaitForWindowActive(&form);
}

QtWindow::~QtWindow()
{
    if (!listening_) return;
    QAccessible::installUpdateHandler(nullptr);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
}

// Qt's own events that the box holds a new text, which a screen reader
// hears (a show is also a removal and a caret move); heard from the first
// time they are asked for. Qt sends them only while the platform's
// accessibility is on, as a screen reader turns it on.
int QtWindow::OutputNotifications()
{
    // Static, for the handler is a plain function.
    static const QObject* box = nullptr;
    static int heard = 0;
    if (!listening_) {
        listening_ = true;
        box = Output();
        heard = 0;
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            const auto type = event->type();
            if (event->object() == box && (type == QAccessible::TextUpdated || type == QAccessible::TextInserted))
                ++heard;
        });
    }
    return heard;
}

void QtWindow::Click(ControlId control, Point at, Button button)
{
    const auto [target, local] = Target(control, at);
    QTest::mouseClick(target, button == Button::Left ? Qt::LeftButton : Qt::RightButton, {}, local);
}

void QtWindow::DoubleClick(ControlId control, Point at)
{
    const auto [target, local] = Target(control, at);
    // As the system sends it: Qt's own double click event is the second press.
    QTest::mouseClick(target, Qt::LeftButton, {}, local);
    QTest::mouseDClick(target, Qt::LeftButton, {}, local);
    QTest::mouseRelease(target, Qt::LeftButton, {}, local);
}

void QtWindow::Drag(ControlId control, Point from, Point to)
{
    const auto [target, start] = Target(control, from);
    const QPoint end = start + QPoint(to.x - from.x, to.y - from.y);
    QTest::mousePress(target, Qt::LeftButton, {}, start);
    QMouseEvent move(QEvent::MouseMove, end, target->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    QTest::mouseRelease(target, Qt::LeftButton, {}, end);
}

// To the window itself while none of its controls has the focus.
void QtWindow::Press(Key key, Modifier held)
{
    QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
    QTest::keyClick(focused, kQtKeys[static_cast<std::size_t>(key)], kQtModifiers[static_cast<std::size_t>(held)]);
}

std::u16string QtWindow::Focused()
{
    const QWidget* focused = QApplication::focusWidget();
    return focused ? FromQString(focused->objectName()) : std::u16string();
}

Rect QtWindow::RowRect(form::Index row)
{
    Names()->scrollToItem(Names()->item(row));
    const QRect r = Names()->visualItemRect(Names()->item(row));
    return {r.x(), r.y(), r.width(), r.height()};
}

Rect QtWindow::Bounds(ControlId control)
{
    const QWidget* widget = Widget(control);
    const QPoint origin = widget->mapTo(&form, QPoint(0, 0));
    return {origin.x(), origin.y(), widget->width(), widget->height()};
}

std::vector<std::u16string> QtWindow::Items(ControlId list)
{
    const auto* widget = Control<QListWidget>(list.name, list.index);
    std::vector<std::u16string> items;
    items.reserve(static_cast<std::size_t>(widget->count()));
    for (int row = 0; row < widget->count(); ++row) items.push_back(FromQString(widget->item(row)->text()));
    return items;
}

// On a grab of the window, which may be scaled.
Rgb QtWindow::Pixel(ControlId control, Point at)
{
    const QImage shot = form.grab().toImage();
    const QPoint point = Surface(control)->mapTo(&form, QPoint(at.x, at.y));
    const qreal scale = shot.devicePixelRatio();
    const QColor colour =
        shot.pixelColor(QPoint(qRound(point.x() * scale + scale / 2), qRound(point.y() * scale + scale / 2)));
    return {colour.red(), colour.green(), colour.blue()};
}

Font QtWindow::FontOf(ControlId control)
{
    const QFont font = Widget(control)->font();
    return {FromQString(font.family()), QFontInfo(font).pixelSize(), font.weight(), std::nullopt,
            !font.italic() && !font.underline() && !font.strikeOut()};
}

TextSelection QtWindow::OutputSelection()
{
    const QTextCursor cursor = Output()->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd()};
}

// The plain text layout breaks a block into lines when its rectangle is first asked for.
std::vector<std::u16string> QtWindow::OutputRows()
{
    QTextDocument* document = Output()->document();
    std::vector<std::u16string> rows;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        (void)document->documentLayout()->blockBoundingRect(block);
        const QString text = block.text();
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
            const QTextLine line = block.layout()->lineAt(i);
            rows.push_back(FromQString(text.mid(line.textStart(), line.textLength())));
        }
    }
    return rows;
}

bool QtWindow::NarrowOutput(int width)
{
    Output()->resize(width, Output()->height());
    return true;
}

// QTest's key clicks know only ASCII; a pupil types Cyrillic. A surrogate
// pair is one key press.
void QtWindow::TypeCharacters(std::u16string_view text)
{
    QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool pair = QChar::isHighSurrogate(text[i]) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1]);
        const QString key = form::qt::ToQString(text.substr(i, pair ? 2 : 1));
        for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, key);
            QApplication::sendEvent(focused, &event);
        }
        if (pair) ++i;
    }
}

QWidget* QtWindow::Surface(ControlId control)
{
    QWidget* widget = Widget(control);
    if (auto* list = qobject_cast<QAbstractScrollArea*>(widget); list && control.name == u"List1")
        return list->viewport();
    return widget;
}

std::pair<QWidget*, QPoint> QtWindow::Target(ControlId control, Point at)
{
    const QPoint point(at.x, at.y);
    if (!control.name.empty()) return {Surface(control), point};
    QWidget* widget = form.childAt(point);
    if (!widget) widget = &form;
    return {widget, widget->mapFrom(&form, point)};
}

} // namespace ribi::testing
