#include "form/qt/accessible_option.h"

#include "form/qt/option_widget.h"

#include <QGroupBox>

namespace ribi::form::qt {

AccessibleOption::AccessibleOption(OptionWidget* option) : QAccessibleWidget(option, QAccessible::RadioButton) {}

QAccessible::State AccessibleOption::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    const auto* option = static_cast<const OptionWidget*>(widget());
    state.checkable = true;
    state.checked = option->isChecked();
    return state;
}

QString AccessibleOption::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Description && !Announcement().isEmpty()) return Announcement();
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
        return static_cast<const OptionWidget*>(widget())->text();
    return QAccessibleWidget::text(kind);
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
AccessibleOption::relations(QAccessible::Relation match) const
{
    auto related = QAccessibleWidget::relations(match);
    related.removeIf([](const auto& relation) {
        return relation.second == QAccessible::Label && qobject_cast<QGroupBox*>(relation.first->object());
    });
    return related;
}

// Both the press and the toggle of an option are a click on it, as the
// mouse's: an option of a group cannot be turned off.
QStringList AccessibleOption::actionNames() const
{
    return {pressAction(), toggleAction(), setFocusAction()};
}

void AccessibleOption::doAction(const QString& actionName)
{
    auto* option = static_cast<OptionWidget*>(widget());
    if (!option->isEnabled()) return;
    if (actionName == pressAction() || actionName == toggleAction())
        option->click();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList AccessibleOption::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction() || actionName == toggleAction()) return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

} // namespace ribi::form::qt
