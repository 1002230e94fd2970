#include "form/qt/accessible_list.h"

#include "form/qt/list_box_widget.h"

namespace ribi::form::qt {

AccessibleList::AccessibleList(ListBoxWidget* list) : QAccessibleWidget(list, QAccessible::List) {}

AccessibleList::~AccessibleList()
{
    for (const QAccessible::Id id : items_)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

ListBoxWidget* AccessibleList::List() const
{
    return static_cast<ListBoxWidget*>(widget());
}

int AccessibleList::childCount() const
{
    return List()->count();
}

QAccessibleInterface* AccessibleList::child(int index) const
{
    if (index < 0 || index >= childCount()) return nullptr;
    if (items_.size() < static_cast<std::size_t>(childCount())) items_.resize(static_cast<std::size_t>(childCount()));
    QAccessible::Id& id = items_[static_cast<std::size_t>(index)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new AccessibleListItem(List(), index));
    return QAccessible::accessibleInterface(id);
}

int AccessibleList::indexOfChild(const QAccessibleInterface* child) const
{
    for (std::size_t row = 0; row < items_.size(); ++row)
        if (items_[row] != 0 && QAccessible::accessibleInterface(items_[row]) == child) return static_cast<int>(row);
    return -1;
}

QAccessibleInterface* AccessibleList::childAt(int x, int y) const
{
    const QPoint point = List()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = List()->indexAt(point);
    return index.isValid() ? child(index.row()) : nullptr;
}

// The item a pupil is on; the list itself while none is current.
QAccessibleInterface* AccessibleList::focusChild() const
{
    if (!List()->hasFocus()) return nullptr;
    const int row = List()->currentRow();
    return row >= 0 ? child(row) : nullptr;
}

AccessibleListItem::AccessibleListItem(ListBoxWidget* list, int row) : list_(list), row_(row) {}

bool AccessibleListItem::isValid() const
{
    return list_ && row_ < list_->count();
}

QWindow* AccessibleListItem::window() const
{
    return list_ ? list_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleListItem::parent() const
{
    return list_ ? QAccessible::queryAccessibleInterface(list_.data()) : nullptr;
}

QString AccessibleListItem::text(QAccessible::Text kind) const
{
    if (!isValid()) return {};
    if (kind == QAccessible::Name) return list_->item(row_)->text();
    if (kind == QAccessible::Description) return Announcement();
    return {};
}

QRect AccessibleListItem::rect() const
{
    if (!isValid()) return {};
    const QRect inViewport = list_->visualItemRect(list_->item(row_));
    return {list_->viewport()->mapToGlobal(inViewport.topLeft()), inViewport.size()};
}

// Focused only while the list has the keyboard focus, not whenever the
// item is current.
QAccessible::State AccessibleListItem::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.focusable = true;
    state.selected = list_->item(row_)->isSelected();
    state.focused = list_->hasFocus() && list_->currentRow() == row_;
    state.active = state.focused;
    if (!list_->isVisible()) state.invisible = true;
    if (!list_->viewport()->rect().intersects(list_->visualItemRect(list_->item(row_)))) state.offscreen = true;
    return state;
}

void* AccessibleListItem::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList AccessibleListItem::actionNames() const
{
    return {pressAction(), toggleAction()};
}

// Press and toggle both choose the item, as a click on it does; the single
// selection of the list has no way to clear it.
void AccessibleListItem::doAction(const QString& actionName)
{
    if (!isValid() || !list_->isEnabled()) return;
    if (actionName == pressAction() || actionName == toggleAction()) list_->Control().Choose(static_cast<Index>(row_));
}

} // namespace ribi::form::qt
