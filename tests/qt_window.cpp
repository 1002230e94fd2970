#include "tests/qt_window.h"

#include "form/qt/qt_text.h"

#include <QApplication>
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

// Types at the end of the output box, Enter for each line break.
void QtWindow::Type(std::u16string_view text)
{
    auto* box = Output();
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        if (text[i] == u'\r' || text[i] == u'\n')
            QTest::keyClick(box, Qt::Key_Return);
        else
            TypeCharacter(box, form::qt::ToQString(text.substr(i, 1)));
    }
}

} // namespace ribi::testing
