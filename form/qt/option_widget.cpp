#include "form/qt/option_widget.h"

#include "form/qt/qt_text.h"

#include <QKeyEvent>

#include <algorithm>

namespace ribi::form::qt {

OptionWidget::OptionWidget(QWidget* frame, const QString& caption, std::function<void()> raiseClick)
    : QRadioButton(caption, frame), raiseClick_(std::move(raiseClick))
{
    setAccessibleName(caption);
    // A user's click, by mouse or Space, whether or not it was selected.
    connect(this, &QAbstractButton::clicked, this, [this] { raiseClick_(); });
    connect(this, &QAbstractButton::toggled, this, [this] { UpdateTabStops(); });
}

void OptionWidget::Group(const std::vector<OptionWidget*>& options)
{
    for (auto* option : options) option->group_ = options;
    if (!options.empty()) options.front()->UpdateTabStops();
}

std::u16string OptionWidget::Caption() const
{
    return FromQString(text());
}

void OptionWidget::SetValue(bool value)
{
    if (!value) {
        // An exclusive option cannot be cleared directly; nothing else is selected then.
        setAutoExclusive(false);
        setChecked(false);
        setAutoExclusive(true);
        UpdateTabStops();
        return;
    }
    if (isChecked()) return;
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
    if ((!forward && !back) || group_.size() < 2 || event->modifiers() != Qt::NoModifier) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    const auto here = std::find(group_.begin(), group_.end(), this) - group_.begin();
    const auto count = static_cast<std::ptrdiff_t>(group_.size());
    OptionWidget* next = group_[static_cast<std::size_t>((here + (forward ? 1 : count - 1)) % count)];
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

void OptionWidget::UpdateTabStops()
{
    if (group_.empty()) return;
    const auto checked = std::find_if(group_.begin(), group_.end(), [](auto* o) { return o->isChecked(); });
    const OptionWidget* stop = checked != group_.end() ? *checked : group_.front();
    for (auto* option : group_) option->setFocusPolicy(option == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace ribi::form::qt
