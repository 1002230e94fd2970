#include "form/qt/list_box_widget.h"

#include "form/control_error.h"
#include "form/qt/qt_text.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTimer>

#include <string>

namespace ribi::form::qt {

ListBoxWidget::ListBoxWidget(QWidget* parent, std::function<void()> raiseClick)
    : QListWidget(parent), clicks_(*this, std::move(raiseClick),
                                   [this](Index row) { setCurrentRow(row, QItemSelectionModel::ClearAndSelect); })
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

Index ListBoxWidget::ListCount() const
{
    return static_cast<Index>(count());
}

Index ListBoxWidget::ListIndex() const
{
    const auto selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? Index{-1} : static_cast<Index>(selected.front().row());
}

std::u16string ListBoxWidget::List(Index position) const
{
    const QListWidgetItem* row = position >= 0 ? item(position) : nullptr;
    if (!row) throw ControlError("List(" + std::to_string(position) + "): no such item");
    return FromQString(row->text());
}

void ListBoxWidget::ChooseRow(int row)
{
    if (row >= 0 && row < count()) clicks_.Choose(static_cast<Index>(row));
}

// Qt makes the first row current when the list gets the focus, and tells
// assistive technology that row has the focus; the first arrow key would
// then skip it. With no selection there is no current row.
void ListBoxWidget::focusInEvent(QFocusEvent* event)
{
    if (!currentIndex().isValid() && ListIndex() < 0) {
        // Past QAbstractItemView on purpose: it is what makes the first row current.
        QAbstractScrollArea::focusInEvent(event); // NOLINT(bugprone-parent-virtual-call)
        viewport()->update();
        return;
    }
    QListWidget::focusInEvent(event);
    // Qt tells assistive technology that the list has the focus once this
    // returns; the item the pupil is on is told after that, so that a
    // screen reader says which fish is chosen.
    if (QAccessible::isActive())
        QTimer::singleShot(0, this, [this] {
            if (!hasFocus() || currentRow() < 0) return;
            QAccessibleEvent focused(this, QAccessible::Focus);
            focused.setChild(currentRow());
            QAccessible::updateAccessibility(&focused);
        });
}

// Another window or a popup took the mouse in the middle of a press. (A
// widget going away loses the focus too, for another reason.)
void ListBoxWidget::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) clicks_.Cancelled();
}

// Qt's view goes on seeing the presses for its own tracking and scrolling
// during a drag; the rule has the last word on the selection.
void ListBoxWidget::mousePressEvent(QMouseEvent* event)
{
    event->accept(); // a right or middle press, or one on no item, selects nothing
    const Index row = RowAt(*event);
    if (event->button() != Qt::LeftButton || row < 0) return;
    QListWidget::mousePressEvent(event);
    clicks_.Press(row);
}

void ListBoxWidget::mouseMoveEvent(QMouseEvent* event)
{
    QListWidget::mouseMoveEvent(event);
    if (event->buttons() & Qt::LeftButton) clicks_.Move(RowAt(*event));
}

void ListBoxWidget::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    QListWidget::mouseReleaseEvent(event);
    clicks_.Release();
}

void ListBoxWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    clicks_.SecondPress(RowAt(*event));
    if (clicks_.Pressed()) QListWidget::mousePressEvent(event);
}

void ListBoxWidget::keyPressEvent(QKeyEvent* event)
{
    QListWidget::keyPressEvent(event);
    clicks_.KeySelected();
}

// Single selection as on the classic platform: Ctrl or Shift with a click
// or an arrow key still selects, and nothing deselects.
QItemSelectionModel::SelectionFlags ListBoxWidget::selectionCommand(const QModelIndex& index, const QEvent*) const
{
    return index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate;
}

Index ListBoxWidget::RowAt(const QMouseEvent& event) const
{
    const QModelIndex index = indexAt(event.position().toPoint());
    return index.isValid() ? static_cast<Index>(index.row()) : Index{-1};
}

} // namespace ribi::form::qt
