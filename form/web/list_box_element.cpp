#include "form/web/list_box_element.h"

#include "form/control_error.h"
#include "form/form_plan.h"
#include "form/web/dom_element.h"
#include "form/web/web_text.h"

#include <algorithm>

namespace ribi::form::web {

using emscripten::val;

namespace {

constexpr int kLeftButton = 0;
constexpr int kLeftButtonHeld = 1; // bit of MouseEvent.buttons
constexpr char kPositionProperty[] = "ribiPosition";

} // namespace

ListBoxElement::ListBoxElement(val element, bool drawn, const std::vector<std::u16string_view>& items, bool shown,
                               std::function<void()> raiseClick)
    : element_(std::move(element)), clicks_(*this, std::move(raiseClick), [this](Index row) { Select(row, false); }),
      mouseDown_([this](const val& e) { MouseDown(e); }), mouseMove_([this](const val& e) { MouseMove(e); }),
      mouseUp_([this](const val& e) { MouseUp(e); }), keyDown_([this](const val& e) { KeyDown(e); }),
      blur_([this](const val&) { clicks_.Cancelled(); })
{
    items_.assign(items.begin(), items.end());
    if (!shown) {
        // Its items are read by position only, never seen nor read out.
        element_.set("hidden", true);
        return;
    }
    if (!drawn) {
        element_.call<void>("setAttribute", val("role"), val("listbox"));
        element_["classList"].call<void>("add", val("ribi-list"));
        element_.set("tabIndex", 0);
    }
    const std::u16string id = FromJs(element_["id"]);
    Index position = 0;
    for (const auto item : items) {
        PageElement row = ObtainElement(element_, "div", ElementId(id, position));
        if (row.created) {
            row.element.call<void>("setAttribute", val("role"), val("option"));
            row.element.call<void>("setAttribute", val("aria-selected"), val("false"));
            row.element.set("textContent", ToJs(item));
        }
        row.element.set(kPositionProperty, position);
        rows_.push_back(row.element);
        ++position;
    }
    mouseDown_.ListenTo(element_, "mousedown");
    mouseMove_.ListenTo(element_, "mousemove");
    // A drag may end anywhere on the page.
    mouseUp_.ListenTo(val::global("document"), "mouseup");
    keyDown_.ListenTo(element_, "keydown");
    blur_.ListenTo(element_, "blur");
}

Index ListBoxElement::ListCount() const
{
    return static_cast<Index>(items_.size());
}

Index ListBoxElement::ListIndex() const
{
    return selected_;
}

std::u16string ListBoxElement::List(Index position) const
{
    if (position < 0 || position >= ListCount())
        throw ControlError("List(" + std::to_string(position) + "): no such item");
    return items_[static_cast<std::size_t>(position)];
}

Index ListBoxElement::ItemAt(const val& event)
{
    const val position = event["target"][kPositionProperty];
    return position.isNumber() ? position.as<Index>() : Index{-1};
}

void ListBoxElement::MouseDown(const val& event)
{
    if (event["button"].as<int>() != kLeftButton) return; // a right or middle press selects nothing
    if (event["detail"].as<int>() == 2)
        clicks_.SecondPress(ItemAt(event));
    else
        clicks_.Press(ItemAt(event));
}

void ListBoxElement::MouseMove(const val& event)
{
    if ((event["buttons"].as<int>() & kLeftButtonHeld) == 0)
        clicks_.Cancelled(); // released where the page did not see it
    else
        clicks_.Move(ItemAt(event));
}

void ListBoxElement::MouseUp(const val& event)
{
    if (event["button"].as<int>() == kLeftButton) clicks_.Release();
}

// The item an arrow, page or end key moves to, or -1 for another key.
// From no selection, Down and Up both start at the first item.
Index ListBoxElement::KeyTarget(const val& event) const
{
    const std::string key = event["key"].as<std::string>();
    const Index last = static_cast<Index>(ListCount() - 1);
    const int rowHeight = rows_.empty() ? 1 : std::max(1, rows_.front()["offsetHeight"].as<int>());
    const int page = std::max(1, element_["clientHeight"].as<int>() / rowHeight - 1);
    const int from = selected_;
    int to = -1;
    if (key == "ArrowDown")
        to = from + 1;
    else if (key == "ArrowUp")
        to = from < 0 ? 0 : from - 1;
    else if (key == "PageDown")
        to = from < 0 ? 0 : from + page;
    else if (key == "PageUp")
        to = from - page;
    else if (key == "Home")
        to = 0;
    else if (key == "End")
        to = last;
    else
        return -1;
    return static_cast<Index>(std::clamp(to, 0, static_cast<int>(last)));
}

void ListBoxElement::KeyDown(const val& event)
{
    if (items_.empty() || event["altKey"].as<bool>() || event["metaKey"].as<bool>()) return;
    Index target = KeyTarget(event);
    if (target < 0) {
        // A letter moves to the next name that starts with it, round the list.
        const std::u16string key = FromJs(event["key"].call<val>("toLowerCase"));
        if (key.size() != 1 || event["ctrlKey"].as<bool>()) return;
        for (Index step = 1; step <= ListCount() && target < 0; ++step) {
            const auto at = static_cast<Index>((selected_ + step + ListCount()) % ListCount());
            if (!items_[static_cast<std::size_t>(at)].empty() && items_[static_cast<std::size_t>(at)][0] == key[0])
                target = at;
        }
        if (target < 0) return;
    }
    event.call<void>("preventDefault");
    if (target == selected_) return;
    Select(target, true);
    clicks_.KeySelected();
}

void ListBoxElement::Select(Index position, bool scroll)
{
    if (selected_ >= 0)
        rows_[static_cast<std::size_t>(selected_)].call<void>("setAttribute", val("aria-selected"), val("false"));
    selected_ = position;
    const val& row = rows_[static_cast<std::size_t>(position)];
    row.call<void>("setAttribute", val("aria-selected"), val("true"));
    element_.call<void>("setAttribute", val("aria-activedescendant"), row["id"]);
    if (scroll) ScrollToSelection();
}

// Within the list only (the page itself does not move), by whole rows: the
// first row shown is never cut.
void ListBoxElement::ScrollToSelection()
{
    const val& row = rows_[static_cast<std::size_t>(selected_)];
    const int top = row["offsetTop"].as<int>();
    const int rowHeight = std::max(1, row["offsetHeight"].as<int>());
    const int scroll = element_["scrollTop"].as<int>();
    const int height = element_["clientHeight"].as<int>();
    const int wholeRows = std::max(1, height / rowHeight);
    if (top < scroll)
        element_.set("scrollTop", top);
    else if (top + rowHeight > scroll + height)
        element_.set("scrollTop", top - (wholeRows - 1) * rowHeight);
}

} // namespace ribi::form::web
