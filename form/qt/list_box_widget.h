#pragma once

// The view of a list box: a QListWidget with single selection, never
// sorted. It feeds its mouse, keys and focus into the form's list, which
// decides the selection and the Clicks, and shows that selection; Qt's
// own view keeps the hit testing, the painting and the scrolling.

#include "form/list_box_control.h"
#include "form/views.h"

#include <QListWidget>

namespace ribi::form::qt {

class ListBoxWidget final : public QListWidget, public ListBoxView {
public:
    // Shows `list`, which must outlive the widget.
    ListBoxWidget(QWidget* parent, ListBoxControl& list);
    ~ListBoxWidget() override;
    ListBoxWidget(const ListBoxWidget&) = delete;
    ListBoxWidget& operator=(const ListBoxWidget&) = delete;

    ListBoxControl& Control() const { return list_; }
    void ShowSelection(Index row) override;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override;

private:
    void ViewSelectionChanged();
    Index RowAt(const QMouseEvent& event) const;

    ListBoxControl& list_;
};

} // namespace ribi::form::qt
