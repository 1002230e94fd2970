#include "form/qt/output_box_widget.h"

#include "form/line_breaks.h"
#include "form/qt/qt_text.h"

namespace ribi::form::qt {

OutputBoxWidget::OutputBoxWidget(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!writingWidget_) typedSinceWrite_ = true;
    });
}

std::u16string OutputBoxWidget::Text() const
{
    if (typedSinceWrite_) {
        text_ = WithCrLfBreaks(FromQString(toPlainText()));
        typedSinceWrite_ = false;
    }
    return text_;
}

void OutputBoxWidget::SetText(std::u16string text)
{
    text_ = std::move(text);
    typedSinceWrite_ = false;
    refreshing_.Written();
}

// Each new output is shown from its top.
void OutputBoxWidget::Refresh()
{
    writingWidget_ = true;
    setPlainText(ToQString(WithLfBreaks(text_)));
    writingWidget_ = false;
}

} // namespace ribi::form::qt
