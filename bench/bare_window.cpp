#include "bench/bare_window.h"

#include "window/main_form.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyleFactory>

namespace ribi::bench {
namespace {

QString Q(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

QRect Pixels(const window::TwipsRect& twips)
{
    using window::TwipsToPixels;
    return {TwipsToPixels(twips.left), TwipsToPixels(twips.top), TwipsToPixels(twips.width),
            TwipsToPixels(twips.height)};
}

void Fill(QWidget* widget, window::Colour colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), QColor(colour.Red(), colour.Green(), colour.Blue()));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget* Make(const window::ControlDescription& control, QWidget* parent)
{
    switch (control.kind) {
    case window::ControlKind::Label: {
        auto* label = new QLabel(Q(control.text), parent);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case window::ControlKind::Frame:
        return new QGroupBox(Q(control.text), parent);
    case window::ControlKind::OptionButton:
        return new QRadioButton(Q(control.text), parent);
    case window::ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        for (auto item : control.items) list->addItem(Q(item));
        return list;
    }
    case window::ControlKind::TextBox: {
        auto* box = new QPlainTextEdit(parent);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setPlainText(Q(control.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        return box;
    }
    }
    return nullptr;
}

} // namespace

// The window's data is read from its description, so the two windows
// cannot drift apart; building that description costs microseconds.
BareWindow::BareWindow()
{
    const auto& description = window::MainFormDescription();
    setWindowTitle(Q(description.title));
    setFont(QFont(Q(description.font.family), description.font.pointSize));
    Fill(this, description.background);
    setFixedSize(window::TwipsToPixels(description.clientWidth), window::TwipsToPixels(description.clientHeight));

    QWidget* frame = nullptr;
    for (const auto& control : description.controls) {
        QWidget* widget = Make(control, control.container.empty() ? this : frame);
        if (control.kind == window::ControlKind::Frame) frame = widget;
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
