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
    : QListWidget(parent), raiseClick_(std::move(raiseClick))
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
    if (row < 0 || row >= count()) return;
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    RaiseClick(); // even on the item already selected
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

void ListBoxWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept(); // a right or middle click selects nothing
        return;
    }
    const bool onItem = indexAt(event->position().toPoint()).isValid();
    QListWidget::mousePressEvent(event);
    if (onItem) RaiseClick(); // even on the item already selected
}

void ListBoxWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        QListWidget::mouseMoveEvent(event);
        return;
    }
    ClickOnChange([&] { QListWidget::mouseMoveEvent(event); });
}

void ListBoxWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    // A drag may end on a row that auto-scrolling selected after the last move.
    QListWidget::mouseReleaseEvent(event);
    if (clicks_.IsNew(ListIndex())) RaiseClick();
}

// The second press of a double click is not a second Click, unless it
// landed on another item.
void ListBoxWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && index.row() != ListIndex()) {
        mousePressEvent(event);
        return;
    }
    event->accept();
}

void ListBoxWidget::keyPressEvent(QKeyEvent* event)
{
    ClickOnChange([&] { QListWidget::keyPressEvent(event); });
}

// Single selection as on the classic platform: Ctrl or Shift with a click
// or an arrow key still selects, and nothing deselects.
QItemSelectionModel::SelectionFlags ListBoxWidget::selectionCommand(const QModelIndex& index, const QEvent*) const
{
    return index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate;
}

template <typename Handle> void ListBoxWidget::ClickOnChange(Handle handle)
{
    handle();
    if (clicks_.IsNew(ListIndex())) RaiseClick();
}

void ListBoxWidget::RaiseClick()
{
    clicks_.Raised(ListIndex());
    raiseClick_();
}

} // namespace ribi::form::qt
