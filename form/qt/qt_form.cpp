#include "form/qt/qt_form.h"

#include "form/qt/accessible_form.h"
#include "form/qt/list_box_widget.h"
#include "form/qt/option_widget.h"
#include "form/qt/output_box_widget.h"
#include "form/qt/qt_text.h"

#include <QGroupBox>
#include <QLabel>

namespace ribi::form::qt {
namespace {

QColor ToQColor(Colour colour)
{
    return QColor(colour.Red(), colour.Green(), colour.Blue());
}

// Each widget paints its background with its own role: buttons with
// Button, list views with Base, the rest with Window. Its text comes with
// it: a dark desktop theme would otherwise draw light text on it.
void Fill(QWidget* widget, Colour background, Colour text)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), ToQColor(background));
    palette.setColor(widget->foregroundRole(), ToQColor(text));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A list view draws its items with its own palette, not its viewport's.
// The selected row is the classic desktop's white on navy (17:1); the
// style's own blue under white text reads at only 3.2:1.
void FillList(QListWidget* list, Colour background, Colour text)
{
    Fill(list->viewport(), background, text);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Text, ToQColor(text));
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    list->setPalette(palette);
}

QRect Pixels(const TwipsRect& twips)
{
    return {TwipsToPixels(twips.left), TwipsToPixels(twips.top), TwipsToPixels(twips.width),
            TwipsToPixels(twips.height)};
}

QFont ToQFont(const FontDescription& font)
{
    QFont qfont(ToQString(font.family), font.pointSize, QFont::Weight(font.weight));
    qfont.setStyleHint(QFont::Serif);
    qfont.setItalic(false);
    qfont.setUnderline(false);
    qfont.setStrikeOut(false);
    return qfont;
}

} // namespace

QtForm::QtForm(Form& form) : form_(form), widgets_(form.Plan().Count())
{
    const FormPlan& plan = form_.Plan();
    const FormDescription& description = plan.Description();
    setObjectName(ToQString(description.name));
    setWindowTitle(ToQString(description.title));
    setFont(ToQFont(description.font));
    Fill(this, description.background, description.foreground);
    setFixedSize(TwipsToPixels(description.clientWidth), TwipsToPixels(description.clientHeight));

    for (Position position = 0; position < plan.Count(); ++position) Build(position);

    const auto& tabOrder = plan.TabOrder();
    for (std::size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(widgets_[tabOrder[i - 1]], widgets_[tabOrder[i]]);
    if (!tabOrder.empty()) widgets_[tabOrder.front()]->setFocus(Qt::OtherFocusReason);
    MakeAccessible(*this, description);
}

void QtForm::Build(Position position)
{
    const ControlDescription& control = form_.Plan().At(position);
    const Colour text = form_.Plan().Description().foreground;
    QWidget* parent = this;
    if (!control.container.empty()) parent = findChild<QWidget*>(ObjectName(control.container, 0));

    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(ToQString(control.text), parent);
        label->setAlignment((control.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setWordWrap(true);
        widget = label;
        break;
    }
    case ControlKind::Frame:
        widget = new QGroupBox(ToQString(control.text), parent);
        break;
    case ControlKind::OptionButton:
        widget = new OptionWidget(parent, *form_.OptionAt(position));
        break;
    case ControlKind::ListBox: {
        auto* list = new ListBoxWidget(parent, *form_.ListAt(position));
        if (control.hasBackground) FillList(list, control.background, text);
        widget = list;
        break;
    }
    case ControlKind::TextBox:
        widget = new OutputBoxWidget(parent, *form_.TextAt(position));
        break;
    }

    widget->setObjectName(ObjectName(control.name, control.index));
    widget->setGeometry(Pixels(control.bounds));
    if (!control.accessibleName.empty()) widget->setAccessibleName(ToQString(control.accessibleName));
    if (control.hasBackground && control.kind != ControlKind::ListBox) Fill(widget, control.background, text);
    if (!control.visible) {
        widget->setFocusPolicy(Qt::NoFocus);
        widget->hide();
    }
    widgets_[position] = widget;
}

QString QtForm::ObjectName(std::u16string_view name, Index index)
{
    return ToQString(ElementId(name, index));
}

} // namespace ribi::form::qt
