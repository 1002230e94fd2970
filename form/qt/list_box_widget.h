#pragma once

// A list box as the classic platform had it: single selection, never
// sorted, its mouse and keys following the list's rule (ListClickRule).
// Qt's own view keeps the hit testing, the painting and the scrolling.

#include "form/controls.h"
#include "form/list_click_rule.h"

#include <QListWidget>

#include <functional>

namespace ribi::form::qt {

class ListBoxWidget final : public QListWidget, public ListBox {
public:
    ListBoxWidget(QWidget* parent, std::function<void()> raiseClick);

    Index ListCount() const override;
    Index ListIndex() const override;
    std::u16string List(Index position) const override;

    // Selects `row` and raises Click, as a left click on it does; for
    // assistive technology, which acts without a mouse.
    void ChooseRow(int row);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override;

private:
    Index RowAt(const QMouseEvent& event) const;

    ListClickRule clicks_;
};

} // namespace ribi::form::qt
