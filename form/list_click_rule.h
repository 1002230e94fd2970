#pragma once

// What a list does with a pupil's mouse and keys, in every binding, as the
// classic platform's list box did: a left press on an item selects it;
// while the button is held the selection follows the pointer and nothing
// is raised; the release raises one Click for the row then selected, the
// one already shown too. A press that ends without its release raises a
// Click only for a new row, and so does a key. The second press of a
// double click on the item shown is not a press at all. A binding feeds
// its toolkit's events in, whatever its toolkit's own list would raise,
// and raises Click only through this; right and middle presses it does
// not feed in: they do nothing.

#include "form/controls.h"

#include <functional>
#include <utility>

namespace ribi::form {

class ListClickRule {
public:
    // `raiseClick` raises the list's Click; `select` puts the selection on
    // a row. `list` reads the selection, also one the toolkit made itself
    // (a key, scrolling during a drag); it must outlive the rule.
    ListClickRule(const ListBox& list, std::function<void()> raiseClick, std::function<void(Index)> select)
        : list_(list), raiseClick_(std::move(raiseClick)), select_(std::move(select))
    {
    }

    // A left press on `row` (-1: on no item), or the second press of a
    // double click there.
    void Press(Index row)
    {
        pressed_ = row >= 0;
        if (pressed_) Select(row);
    }
    void SecondPress(Index row)
    {
        if (row != shown_) Press(row);
    }
    // The pointer over `row` (-1: over no item), the left button held.
    void Move(Index row)
    {
        if (pressed_ && row >= 0) Select(row);
    }
    void Release()
    {
        if (!pressed_) return;
        pressed_ = false;
        if (list_.ListIndex() >= 0) RaiseClick();
    }
    // The press ended without its release: the capture was lost, the
    // pointer cancelled.
    void Cancelled()
    {
        if (!pressed_) return;
        pressed_ = false;
        KeySelected();
    }
    // A key (or the toolkit by itself) changed the selection.
    void KeySelected()
    {
        if (!pressed_ && list_.ListIndex() >= 0 && list_.ListIndex() != shown_) RaiseClick();
    }
    // Selects `row` and raises Click, as a click on it does; for assistive
    // technology, which acts without a mouse.
    void Choose(Index row)
    {
        Press(row);
        Release();
    }

    // Between a press and its release.
    bool Pressed() const { return pressed_; }

private:
    void Select(Index row)
    {
        if (row != list_.ListIndex()) select_(row);
    }
    void RaiseClick()
    {
        shown_ = list_.ListIndex();
        raiseClick_();
    }

    const ListBox& list_;
    std::function<void()> raiseClick_;
    std::function<void(Index)> select_;
    Index shown_ = -1; // the row the last Click showed
    bool pressed_ = false;
};

} // namespace ribi::form
