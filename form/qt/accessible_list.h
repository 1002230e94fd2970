#pragma once

// What assistive technology sees of the names list: a list whose items
// report their own selection and focus, take the focus when the list does,
// and whose actions choose the item as a click does, so that the handlers
// run and the output never disagrees with the marks.

#include "form/qt/announceable.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace ribi::form::qt {

class ListBoxWidget;

class AccessibleList final : public QAccessibleWidget {
public:
    explicit AccessibleList(ListBoxWidget* list);
    ~AccessibleList() override;
    AccessibleList(const AccessibleList&) = delete;
    AccessibleList& operator=(const AccessibleList&) = delete;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    ListBoxWidget* List() const;

    mutable std::vector<QAccessible::Id> items_; // by row, 0 until asked for
};

class AccessibleListItem final : public QAccessibleInterface, public QAccessibleActionInterface, public Announceable {
public:
    AccessibleListItem(ListBoxWidget* list, int row);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<ListBoxWidget> list_;
    int row_;
};

} // namespace ribi::form::qt
