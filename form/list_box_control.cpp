#include "form/list_box_control.h"

#include "form/control_error.h"
#include "form/conversions.h"
#include "form/form.h"

#include <algorithm>

namespace ribi::form {

ListBoxControl::ListBoxControl(Form& form, Index index, const std::vector<std::u16string_view>& items)
    : form_(form), index_(index), items_(items.begin(), items.end())
{
}

Index ListBoxControl::ListCount() const
{
    return static_cast<Index>(items_.size());
}

std::u16string ListBoxControl::List(Index position) const
{
    if (position < 0 || position >= ListCount()) throw ControlError("List(" + Decimal(position) + "): no such item");
    return items_[static_cast<std::size_t>(position)];
}

// A press the old view began cannot end in the new one.
void ListBoxControl::Attach(ListBoxView* view)
{
    pressed_ = false;
    view_ = view;
    if (view_ && selected_ >= 0) view_->ShowSelection(selected_);
}

void ListBoxControl::Press(Index row)
{
    pressed_ = row >= 0 && row < ListCount();
    if (pressed_) Select(row);
}

void ListBoxControl::SecondPress(Index row)
{
    if (row != shown_) Press(row);
}

void ListBoxControl::Move(Index row)
{
    if (pressed_ && row >= 0 && row < ListCount()) Select(row);
}

void ListBoxControl::Release()
{
    if (!pressed_) return;
    pressed_ = false;
    if (selected_ >= 0) RaiseClick();
}

void ListBoxControl::Cancelled()
{
    if (!pressed_) return;
    pressed_ = false;
    Selected(selected_);
}

void ListBoxControl::Selected(Index row)
{
    if (row < 0 || row >= ListCount()) return;
    Select(row);
    if (!pressed_ && row != shown_) RaiseClick();
}

void ListBoxControl::Choose(Index row)
{
    Press(row);
    Release();
}

Index ListBoxControl::KeyTarget(Key key, Index pageRows) const
{
    const int from = selected_;
    const int page = std::max<int>(1, pageRows);
    int to = 0;
    switch (key) {
    case Key::Down:
        to = from + 1;
        break;
    case Key::Up:
        to = from < 0 ? 0 : from - 1;
        break;
    case Key::PageDown:
        to = from < 0 ? 0 : from + page;
        break;
    case Key::PageUp:
        to = from - page;
        break;
    case Key::Home:
        to = 0;
        break;
    case Key::End:
        to = ListCount() - 1;
        break;
    }
    return static_cast<Index>(std::clamp(to, 0, std::max(0, ListCount() - 1)));
}

Index ListBoxControl::RowStartingWith(char16_t letter) const
{
    const int count = ListCount();
    for (int step = 1; step <= count; ++step) {
        const auto at = static_cast<std::size_t>((selected_ + step + count) % count);
        if (!items_[at].empty() && items_[at][0] == letter) return static_cast<Index>(at);
    }
    return -1;
}

void ListBoxControl::Select(Index row)
{
    if (row == selected_) return;
    selected_ = row;
    if (view_) view_->ShowSelection(row);
}

void ListBoxControl::RaiseClick()
{
    shown_ = selected_;
    form_.RaiseListClick(index_);
}

} // namespace ribi::form
