#include "form/qt/output_box_widget.h"

#include "form/qt/qt_text.h"

namespace ribi::form::qt {

OutputBoxWidget::OutputBoxWidget(QWidget* parent, TextBoxControl& box) : QPlainTextEdit(parent), box_(box)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!showing_) box_.Typed();
    });
    box_.Attach(this, LineBreaks::Lf);
}

OutputBoxWidget::~OutputBoxWidget()
{
    box_.Attach(nullptr, LineBreaks::Lf);
}

// setPlainText puts the caret at the start and scrolls to the top.
void OutputBoxWidget::ShowText(std::u16string_view text)
{
    showing_ = true;
    setPlainText(ToQString(text));
    showing_ = false;
}

std::u16string OutputBoxWidget::TypedText() const
{
    return FromQString(toPlainText());
}

} // namespace ribi::form::qt
