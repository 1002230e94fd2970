#include "tests/qt_window.h"

#include "form/qt/qt_text.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

namespace ribi::testing {
namespace {

// QTest's key clicks know only ASCII; a pupil types Cyrillic.
void TypeCharacter(QWidget* widget, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

} // namespace

// Types at the end of the output box.
void QtWindow::TypeIntoOutput(std::u16string_view text)
{
    auto* box = Output();
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    Type(text);
}

void QtWindow::Type(std::u16string_view text)
{
    QWidget* focused = Focused();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        if (text[i] == u'\r' || text[i] == u'\n') {
            QTest::keyClick(focused, Qt::Key_Return);
            continue;
        }
        // A surrogate pair is one key press.
        const bool pair = QChar::isHighSurrogate(text[i]) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1]);
        TypeCharacter(focused, form::qt::ToQString(text.substr(i, pair ? 2 : 1)));
        if (pair) ++i;
    }
}

void QtWindow::Paste(std::u16string_view text)
{
    QApplication::clipboard()->setText(form::qt::ToQString(text));
    Key(Qt::Key_V, Qt::ControlModifier);
}

} // namespace ribi::testing
