#include "form/qt/list_box_widget.h"

#include "form/control_error.h"
#include "form/qt/qt_text.h"

#include <QFocusEvent>
#include <QMouseEvent>

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

// Qt makes the first row current when the list gets the focus; the first
// arrow key would then skip it. With no selection there is no current row.
void ListBoxWidget::focusInEvent(QFocusEvent* event)
{
    const bool hadCurrent = currentIndex().isValid();
    QListWidget::focusInEvent(event);
    if (!hadCurrent && ListIndex() < 0) selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
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
    if (ListIndex() >= 0 && ListIndex() != lastShown_) RaiseClick();
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
    const Index before = ListIndex();
    handle();
    if (ListIndex() != before) RaiseClick();
}

void ListBoxWidget::RaiseClick()
{
    lastShown_ = ListIndex();
    raiseClick_();
}

} // namespace ribi::form::qt
