#include "form/qt/qt_form.h"

#include "form/control_array.h"
#include "form/qt/list_box_widget.h"
#include "form/qt/option_widget.h"
#include "form/qt/output_box_widget.h"
#include "form/qt/qt_text.h"

#include <QGroupBox>
#include <QLabel>

#include <optional>

namespace ribi::form::qt {
namespace {

QColor ToQColor(window::Colour colour)
{
    return QColor(colour.Red(), colour.Green(), colour.Blue());
}

// Each widget paints its background with its own role: buttons with
// Button, list views with Base, the rest with Window.
void Fill(QWidget* widget, window::Colour colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), ToQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QRect Pixels(const window::TwipsRect& twips)
{
    using window::TwipsToPixels;
    return {TwipsToPixels(twips.left), TwipsToPixels(twips.top), TwipsToPixels(twips.width),
            TwipsToPixels(twips.height)};
}

QFont ToQFont(const window::FontDescription& font)
{
    QFont qfont(ToQString(font.family), font.pointSize, QFont::Weight(font.weight));
    qfont.setStyleHint(QFont::Serif);
    qfont.setItalic(false);
    qfont.setUnderline(false);
    qfont.setStrikeOut(false);
    return qfont;
}

} // namespace

QtForm::QtForm(const window::FormDescription& description)
{
    setObjectName(ToQString(description.name));
    setWindowTitle(ToQString(description.title));
    setFont(ToQFont(description.font));
    Fill(this, description.background);
    setFixedSize(window::TwipsToPixels(description.clientWidth), window::TwipsToPixels(description.clientHeight));

    for (const auto& control : description.controls) Build(control);
    OptionWidget::Group(options_);

    for (std::size_t i = 1; i < tabStops_.size(); ++i) setTabOrder(tabStops_[i - 1], tabStops_[i]);
    if (!tabStops_.empty()) tabStops_.front()->setFocus(Qt::OtherFocusReason);
}

void QtForm::Build(const window::ControlDescription& control)
{
    QWidget* parent = this;
    if (!control.container.empty()) parent = findChild<QWidget*>(ObjectName(control.container, 0));

    QWidget* widget = nullptr;
    switch (control.kind) {
    case window::ControlKind::Label: {
        auto* label = new QLabel(ToQString(control.text), parent);
        label->setAlignment((control.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setWordWrap(true);
        widget = label;
        break;
    }
    case window::ControlKind::Frame:
        widget = new QGroupBox(ToQString(control.text), parent);
        break;
    case window::ControlKind::OptionButton: {
        const Index index = control.index;
        auto* option = new OptionWidget(parent, ToQString(control.text), [this, index] {
            Deliver([index](ClickSink& sink) { sink.OptionClick(index); });
        });
        options_.push_back(option);
        widget = option;
        break;
    }
    case window::ControlKind::ListBox: {
        const Index index = control.index;
        auto* list =
            new ListBoxWidget(parent, [this, index] { Deliver([index](ClickSink& sink) { sink.ListClick(index); }); });
        for (auto item : control.items) list->addItem(ToQString(item));
        if (control.hasBackground) Fill(list->viewport(), control.background);
        lists_.push_back(list);
        widget = list;
        break;
    }
    case window::ControlKind::TextBox: {
        auto* box = new OutputBoxWidget(parent);
        box->SetText(std::u16string(control.text));
        texts_.push_back(box);
        widget = box;
        break;
    }
    }

    widget->setObjectName(ObjectName(control.name, control.index));
    widget->setGeometry(Pixels(control.bounds));
    if (!control.accessibleName.empty()) widget->setAccessibleName(ToQString(control.accessibleName));
    if (control.hasBackground && control.kind != window::ControlKind::ListBox) Fill(widget, control.background);
    if (!control.visible) {
        widget->setFocusPolicy(Qt::NoFocus);
        widget->hide();
    } else if (control.tabStop) {
        tabStops_.push_back(widget);
    }
}

ListBox& QtForm::List1(Index index)
{
    return ElementAt(lists_, index, "List1");
}
OptionButton& QtForm::Option1(Index index)
{
    return ElementAt(options_, index, "Option1");
}
TextBox& QtForm::Text1(Index index)
{
    return ElementAt(texts_, index, "Text1");
}

QString QtForm::ObjectName(std::u16string_view name, Index index)
{
    return ToQString(name) + QLatin1Char('_') + QString::number(index);
}

// The output box reaches the screen once, when the outermost click is done.
template <typename Call> void QtForm::Deliver(Call call)
{
    if (!sink_) return;
    std::optional<OutputBoxWidget::DeferredRefresh> refreshOnce;
    if (!texts_.empty()) refreshOnce.emplace(*texts_.front());
    call(*sink_);
}

} // namespace ribi::form::qt
