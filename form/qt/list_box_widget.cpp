#include "form/qt/list_box_widget.h"

#include "form/qt/qt_text.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTimer>

namespace ribi::form::qt {

ListBoxWidget::ListBoxWidget(QWidget* parent, ListBoxControl& list) : QListWidget(parent), list_(list)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (Index row = 0; row < list_.ListCount(); ++row) addItem(ToQString(list_.List(row)));
    // Keys, and Qt's own tracking of a press and its scrolling during a
    // drag, move the view's selection: the list hears of each at once. Qt
    // moves the current row and the selection one after the other, in
    // either order; the row is taken once it is both.
    connect(this, &QListWidget::currentRowChanged, this, &ListBoxWidget::ViewSelectionChanged);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &ListBoxWidget::ViewSelectionChanged);
    list_.Attach(this);
}

ListBoxWidget::~ListBoxWidget()
{
    list_.Attach(nullptr);
}

void ListBoxWidget::ShowSelection(Index row)
{
    if (row == currentRow() && (row < 0 || selectionModel()->isRowSelected(row, {}))) return;
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

// Qt makes the first row current when the list gets the focus, and tells
// assistive technology that row has the focus; the first arrow key would
// then skip it. With no selection there is no current row.
void ListBoxWidget::focusInEvent(QFocusEvent* event)
{
    if (!currentIndex().isValid() && list_.ListIndex() < 0) {
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
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) list_.Cancelled();
}

// The row is found before Qt's own handling, which may scroll a partly
// shown row into view and so put another row under the pointer; Qt's view
// goes on seeing the presses for its own tracking and scrolling.
void ListBoxWidget::mousePressEvent(QMouseEvent* event)
{
    event->accept(); // a right or middle press, or one on no item, selects nothing
    const Index row = RowAt(*event);
    if (event->button() != Qt::LeftButton || row < 0) return;
    list_.Press(row);
    QListWidget::mousePressEvent(event);
}

void ListBoxWidget::mouseMoveEvent(QMouseEvent* event)
{
    QListWidget::mouseMoveEvent(event);
    if (event->buttons() & Qt::LeftButton) list_.Move(RowAt(*event));
}

void ListBoxWidget::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    QListWidget::mouseReleaseEvent(event);
    list_.Release();
}

void ListBoxWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    list_.SecondPress(RowAt(*event));
    if (list_.Pressed()) QListWidget::mousePressEvent(event);
}

// Single selection as on the desktop's list boxes: Ctrl or Shift with a
// click or an arrow key still selects, and nothing deselects.
QItemSelectionModel::SelectionFlags ListBoxWidget::selectionCommand(const QModelIndex& index, const QEvent*) const
{
    return index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate;
}

void ListBoxWidget::ViewSelectionChanged()
{
    const int row = currentRow();
    if (row >= 0 && selectionModel()->isRowSelected(row, {})) list_.Selected(static_cast<Index>(row));
}

Index ListBoxWidget::RowAt(const QMouseEvent& event) const
{
    const QModelIndex index = indexAt(event.position().toPoint());
    return index.isValid() ? static_cast<Index>(index.row()) : Index{-1};
}

} // namespace ribi::form::qt
