#include "form/qt/output_box_widget.h"

#include "form/qt/qt_text.h"

namespace ribi::form::qt {
namespace {

// What the editor shows: it knows only LF as a line break.
QString ToDisplay(const std::u16string& text)
{
    QString shown = ToQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar(u'\r'), QChar(u'\n'));
    return shown;
}

// What the user typed, with the line breaks the handlers write.
std::u16string FromDisplay(const QString& shown)
{
    std::u16string text;
    text.reserve(static_cast<std::size_t>(shown.size()));
    for (QChar c : shown) {
        if (c == u'\n')
            text += u"\r\n";
        else
            text += c.unicode();
    }
    return text;
}

} // namespace

OutputBoxWidget::OutputBoxWidget(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!refreshing_) typedSinceWrite_ = true;
    });
}

std::u16string OutputBoxWidget::Text() const
{
    if (typedSinceWrite_) {
        text_ = FromDisplay(toPlainText());
        typedSinceWrite_ = false;
    }
    return text_;
}

void OutputBoxWidget::SetText(std::u16string text)
{
    text_ = std::move(text);
    typedSinceWrite_ = false;
    stale_ = true;
    if (deferDepth_ == 0) Refresh();
}

// Each new output is shown from its top.
void OutputBoxWidget::Refresh()
{
    refreshing_ = true;
    setPlainText(ToDisplay(text_));
    refreshing_ = false;
    stale_ = false;
}

} // namespace ribi::form::qt
