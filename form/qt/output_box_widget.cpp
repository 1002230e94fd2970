#include "form/qt/output_box_widget.h"

#include "form/qt/qt_text.h"

#include <QMimeData>
#include <QTextDocumentFragment>

namespace ribi::form::qt {
namespace {

// A document's raw text with LF line breaks. toPlainText() would give the
// same, but with every no-break space turned into a plain one.
QString WithLfBreaks(QString raw)
{
    for (QChar& c : raw) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = u'\n';
    }
    return raw;
}

} // namespace

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
    return FromQString(WithLfBreaks(document()->toRawText()));
}

// Only the text: the box holds no formatting worth copying.
QMimeData* OutputBoxWidget::createMimeDataFromSelection() const
{
    auto* data = new QMimeData;
    data->setText(WithLfBreaks(textCursor().selection().toRawText()));
    return data;
}

} // namespace ribi::form::qt
