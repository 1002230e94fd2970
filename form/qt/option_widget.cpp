#include "form/qt/option_widget.h"

#include "form/qt/qt_text.h"

#include <QKeyEvent>

namespace ribi::form::qt {

OptionWidget::OptionWidget(QWidget* frame, const QString& caption, std::function<void()> raiseClick)
    : QRadioButton(caption, frame), raiseClick_(std::move(raiseClick))
{
    setAccessibleName(caption);
    // A user's click, by mouse or Space, whether or not it was selected.
    connect(this, &QAbstractButton::clicked, this, [this] { raiseClick_(); });
    connect(this, &QAbstractButton::toggled, this, [this] { UpdateTabStops(); });
}

std::u16string OptionWidget::Caption() const
{
    return FromQString(text());
}

void OptionWidget::SetValue(bool value)
{
    if (!WriteRaisesClick(Value(), value)) {
        if (value) return; // selected already
        // An exclusive option cannot be cleared directly; nothing else is selected then.
        setAutoExclusive(false);
        setChecked(false);
        setAutoExclusive(true);
        UpdateTabStops();
        return;
    }
    setChecked(true); // deselects the other options of the frame
    raiseClick_();
}

bool OptionWidget::hitButton(const QPoint& position) const
{
    return rect().contains(position);
}

void OptionWidget::keyPressEvent(QKeyEvent* event)
{
    const bool forward = event->key() == Qt::Key_Down || event->key() == Qt::Key_Right;
    const bool back = event->key() == Qt::Key_Up || event->key() == Qt::Key_Left;
    OptionWidget* next =
        (forward || back) && event->modifiers() == Qt::NoModifier ? OwnGroup().Step(this, forward) : nullptr;
    if (!next) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    next->click();
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

// Only the group's tab stop takes Tab; arrow keys move among the others.
void OptionWidget::SetTabStop(bool tabStop)
{
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace ribi::form::qt
