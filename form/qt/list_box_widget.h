#pragma once

// A list box as the classic platform had it: single selection, never
// sorted, and a Click for each left click on an item (even the selected
// one) and for each change of the selection by the keyboard or a drag.

#include "form/controls.h"

#include <QListWidget>

#include <functional>

namespace ribi::form::qt {

class ListBoxWidget final : public QListWidget, public ListBox {
public:
    ListBoxWidget(QWidget* parent, std::function<void()> raiseClick);

    Index ListCount() const override;
    Index ListIndex() const override;
    std::u16string List(Index position) const override;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override;

private:
    // Runs `handle`, then raises Click if the selection changed meanwhile.
    template <typename Handle> void ClickOnChange(Handle handle);
    void RaiseClick();

    std::function<void()> raiseClick_;
    Index lastShown_ = -1;
};

} // namespace ribi::form::qt
