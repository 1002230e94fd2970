#include "form/qt/option_widget.h"

#include "form/qt/qt_text.h"

#include <QKeyEvent>

namespace ribi::form::qt {

OptionWidget::OptionWidget(QWidget* frame, OptionButtonControl& option)
    : QRadioButton(ToQString(option.Caption()), frame), option_(option)
{
    setAccessibleName(text());
    connect(this, &QAbstractButton::clicked, this, [this] { option_.Clicked(); });
    option_.Attach(this);
}

OptionWidget::~OptionWidget()
{
    option_.Attach(nullptr);
}

void OptionWidget::ShowChecked(bool checked)
{
    if (checked == isChecked()) return;
    if (checked) {
        setChecked(true); // unchecks the others of the frame, which the form does too
        return;
    }
    // An exclusive button cannot be cleared directly; the form clears one
    // when another is checked, or when no option of the frame is to be.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

// Only the group's tab stop takes Tab; arrow keys move among the others.
void OptionWidget::ShowTabStop(bool tabStop)
{
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

// A focus moved by a key: the style draws the focus frame.
void OptionWidget::TakeFocus()
{
    setFocus(Qt::TabFocusReason);
}

bool OptionWidget::hitButton(const QPoint& position) const
{
    return rect().contains(position);
}

void OptionWidget::keyPressEvent(QKeyEvent* event)
{
    const bool forward = event->key() == Qt::Key_Down || event->key() == Qt::Key_Right;
    const bool back = event->key() == Qt::Key_Up || event->key() == Qt::Key_Left;
    if ((forward || back) && event->modifiers() == Qt::NoModifier && option_.Arrow(forward)) return;
    QRadioButton::keyPressEvent(event);
}

namespace {

// Turns the widget's immediate repaints into one ordinary update.
class RepaintLater {
public:
    explicit RepaintLater(QWidget& widget) : widget_(widget) { widget_.setUpdatesEnabled(false); }
    ~RepaintLater() { widget_.setUpdatesEnabled(true); } // schedules the paint
    RepaintLater(const RepaintLater&) = delete;
    RepaintLater& operator=(const RepaintLater&) = delete;

private:
    QWidget& widget_;
};

} // namespace

void OptionWidget::mousePressEvent(QMouseEvent* event)
{
    const RepaintLater later(*this);
    QRadioButton::mousePressEvent(event);
}

void OptionWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const RepaintLater later(*this);
    QRadioButton::mouseReleaseEvent(event);
}

} // namespace ribi::form::qt
