#pragma once

// A list box of the form: its items, its selection, and what a pupil's
// mouse and keys do with them, in every binding. A left press on a row
// selects it; while the button is held the selection follows the pointer
// and nothing is raised; the release raises one Click for the row then
// selected, the one already shown too. A press that ends without its
// release raises a Click only for a new row, and so does a key. The second
// press of a double click on the row shown is not a press at all. Right
// and middle presses are not fed in: they do nothing.

#include "form/controls.h"
#include "form/views.h"

#include <string>
#include <string_view>
#include <vector>

namespace ribi::form {

class Form;

class ListBoxControl final : public ListBox {
public:
    // Element `index` of its array in `form`.
    ListBoxControl(Form& form, Index index, const std::vector<std::u16string_view>& items);
    ListBoxControl(const ListBoxControl&) = delete;
    ListBoxControl& operator=(const ListBoxControl&) = delete;

    Index ListCount() const override;
    Index ListIndex() const override { return selected_; }
    std::u16string List(Index position) const override;

    // The view that shows the list from now on; nullptr for none.
    void Attach(ListBoxView* view);

    // A left press on `row` (-1: on no item), or the second press of a
    // double click there.
    void Press(Index row);
    void SecondPress(Index row);
    // The pointer over `row` (-1: over no item), the left button held.
    void Move(Index row);
    void Release();
    // The press ended without its release: the capture was lost, the
    // pointer cancelled.
    void Cancelled();
    // A key, or the toolkit's own list by itself, put the selection on `row`.
    void Selected(Index row);
    // Selects `row` and raises Click, as a click on it does; for assistive
    // technology, which acts without a mouse.
    void Choose(Index row);

    // Between a press and its release.
    bool Pressed() const { return pressed_; }

    // The keys that move the selection, for a binding whose toolkit has no
    // list box of its own.
    enum class Key { Down, Up, PageDown, PageUp, Home, End };
    // The row `key` moves the selection to, `pageRows` rows being shown;
    // from no selection, Down and Up both start at the first row.
    Index KeyTarget(Key key, Index pageRows) const;
    // The next row round the list whose name starts with `letter`; -1 for none.
    Index RowStartingWith(char16_t letter) const;

private:
    void Select(Index row);
    void RaiseClick();

    Form& form_;
    Index index_;
    std::vector<std::u16string> items_;
    ListBoxView* view_ = nullptr;
    Index selected_ = -1;
    Index shown_ = -1; // the row the last Click showed
    bool pressed_ = false;
};

} // namespace ribi::form
