#include "bench/bare_window.h"

#include "form/form_plan.h"
#include "window/main_form.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyleFactory>

#include <vector>

namespace ribi::bench {
namespace {

QString Q(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

QRect Pixels(const form::TwipsRect& twips)
{
    using form::TwipsToPixels;
    return {TwipsToPixels(twips.left), TwipsToPixels(twips.top), TwipsToPixels(twips.width),
            TwipsToPixels(twips.height)};
}

void Fill(QWidget* widget, form::Colour colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), QColor(colour.Red(), colour.Green(), colour.Blue()));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget* Make(const form::ControlDescription& control, QWidget* parent)
{
    switch (control.kind) {
    case form::ControlKind::Label: {
        auto* label = new QLabel(Q(control.text), parent);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case form::ControlKind::Frame:
        return new QGroupBox(Q(control.text), parent);
    case form::ControlKind::OptionButton:
        return new QRadioButton(Q(control.text), parent);
    case form::ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        for (auto item : control.items) list->addItem(Q(item));
        return list;
    }
    case form::ControlKind::TextBox: {
        auto* box = new QPlainTextEdit(parent);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setPlainText(Q(control.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        return box;
    }
    }
    return nullptr;
}

} // namespace

// The window's data is read from its plan, so the two windows cannot
// drift apart; building that plan costs microseconds.
BareWindow::BareWindow()
{
    const form::FormPlan plan(window::MainFormDescription());
    const auto& description = plan.Description();
    setWindowTitle(Q(description.title));
    setFont(QFont(Q(description.font.family), description.font.pointSize));
    Fill(this, description.background);
    setFixedSize(form::TwipsToPixels(description.clientWidth), form::TwipsToPixels(description.clientHeight));

    std::vector<QWidget*> made;
    for (form::Position position = 0; position < plan.Count(); ++position) {
        const auto& control = plan.At(position);
        const auto frame = plan.Element(control.container, 0);
        QWidget* widget = Make(control, frame && *frame < made.size() ? made[*frame] : this);
        made.push_back(widget);
        widget->setGeometry(Pixels(control.bounds));
        if (control.hasBackground) {
            auto* list = qobject_cast<QListWidget*>(widget);
            Fill(list ? list->viewport() : widget, control.background);
        }
        widget->setVisible(control.visible);
    }
}

void UseWindowsStyle(QApplication& application)
{
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) application.setStyle(style);
}

} // namespace ribi::bench
