#pragma once

// What assistive technology sees of an option button. Its actions click
// the option as the mouse does, so that the handlers run; the frame is its
// ancestor rather than also its label, so that the caption is said once.

#include "form/qt/announceable.h"

#include <QAccessibleWidget>

namespace ribi::form::qt {

class OptionWidget;

class AccessibleOption final : public QAccessibleWidget, public Announceable {
public:
    explicit AccessibleOption(OptionWidget* option);

    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;
};

} // namespace ribi::form::qt
