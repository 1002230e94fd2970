#include "form/web/list_box_element.h"

#include "form/form_plan.h"
#include "form/web/dom_element.h"
#include "form/web/web_text.h"

#include <algorithm>
#include <optional>
#include <string>

namespace ribi::form::web {

using emscripten::val;

namespace {

constexpr int kLeftButton = 0;
constexpr int kLeftButtonHeld = 1; // bit of MouseEvent.buttons
constexpr char kPositionProperty[] = "ribiPosition";
// How often a drag held beyond the list's edge scrolls it a row.
constexpr int kScrollStepMilliseconds = 100;

} // namespace

ListBoxElement::ListBoxElement(val element, bool drawn, ListBoxControl& list)
    : element_(std::move(element)), list_(list), mouseDown_([this](const val& e) { MouseDown(e); }),
      mouseMove_([this](const val& e) { MouseMove(e); }), mouseUp_([this](const val& e) { MouseUp(e); }),
      keyDown_([this](const val& e) { KeyDown(e); }), blur_([this](const val&) {
          list_.Cancelled();
          PressEnded();
      }),
      step_([this](const val&) { FollowPointer(); })
{
    if (!drawn) {
        element_.call<void>("setAttribute", val("role"), val("listbox"));
        element_["classList"].call<void>("add", val("ribi-list"));
        element_.set("tabIndex", 0);
    }
    const std::u16string id = FromJs(element_["id"]);
    for (Index position = 0; position < list_.ListCount(); ++position) {
        PageElement row = ObtainElement(element_, "div", ElementId(id, position));
        if (row.created) {
            row.element.call<void>("setAttribute", val("role"), val("option"));
            row.element.call<void>("setAttribute", val("aria-selected"), val("false"));
            row.element.set("textContent", ToJs(list_.List(position)));
        }
        row.element.set(kPositionProperty, position);
        rows_.push_back(row.element);
    }
    mouseDown_.ListenTo(element_, "mousedown");
    // A drag goes on and ends anywhere on the page. (Listening only while
    // the button is held would cost each click more than a move costs.)
    const val document = val::global("document");
    mouseMove_.ListenTo(document, "mousemove");
    mouseUp_.ListenTo(document, "mouseup");
    keyDown_.ListenTo(element_, "keydown");
    blur_.ListenTo(element_, "blur");
    list_.Attach(this);
}

ListBoxElement::~ListBoxElement()
{
    list_.Attach(nullptr);
}

void ListBoxElement::ShowSelection(Index row)
{
    const val shown = element_.call<val>("querySelector", val("[aria-selected=\"true\"]"));
    if (!shown.isNull()) shown.call<void>("setAttribute", val("aria-selected"), val("false"));
    const bool chosen = row >= 0 && static_cast<std::size_t>(row) < rows_.size();
    // Unchanged, the class is left alone, and so is the list's style.
    element_["classList"].call<void>("toggle", val("ribi-chosen"), chosen);
    if (!chosen) {
        element_.call<void>("removeAttribute", val("aria-activedescendant"));
        return;
    }
    const val& selected = rows_[static_cast<std::size_t>(row)];
    selected.call<void>("setAttribute", val("aria-selected"), val("true"));
    element_.call<void>("setAttribute", val("aria-activedescendant"), selected["id"]);
}

Index ListBoxElement::RowOf(const val& event)
{
    const val position = event["target"][kPositionProperty];
    return position.isNumber() ? position.as<Index>() : Index{-1};
}

void ListBoxElement::MouseDown(const val& event)
{
    if (event["button"].as<int>() != kLeftButton) return; // a right or middle press selects nothing
    if (event["detail"].as<int>() == 2)
        list_.SecondPress(RowOf(event));
    else
        list_.Press(RowOf(event));
    if (list_.Pressed()) pointerY_ = event["clientY"].as<double>();
}

void ListBoxElement::MouseMove(const val& event)
{
    if (!list_.Pressed()) return;
    if ((event["buttons"].as<int>() & kLeftButtonHeld) == 0) {
        list_.Cancelled(); // released where the page did not see it
        PressEnded();
        return;
    }
    pointerY_ = event["clientY"].as<double>();
    FollowPointer();
}

void ListBoxElement::MouseUp(const val& event)
{
    if (event["button"].as<int>() != kLeftButton) return;
    list_.Release();
    PressEnded();
}

void ListBoxElement::PressEnded()
{
    step_.CancelCall();
}

void ListBoxElement::FollowPointer()
{
    if (!list_.Pressed() || rows_.empty()) return;
    const int rowHeight = RowHeight();
    const double top =
        element_.call<val>("getBoundingClientRect")["top"].as<double>() + element_["clientTop"].as<int>();
    const int height = element_["clientHeight"].as<int>();
    int scroll = element_["scrollTop"].as<int>();
    const double y = pointerY_ - top;
    if (y >= 0 && y < height) {
        step_.CancelCall();
        list_.Move(static_cast<Index>((scroll + static_cast<int>(y)) / rowHeight));
        return;
    }
    if (step_.CallPending()) return; // the next row comes when the step is due
    const bool up = y < 0;
    element_.set("scrollTop", std::max(0, scroll + (up ? -rowHeight : rowHeight)));
    scroll = element_["scrollTop"].as<int>(); // as far as the list goes
    const int edge = up ? (scroll + rowHeight - 1) / rowHeight : (scroll + height) / rowHeight - 1;
    list_.Move(static_cast<Index>(std::clamp(edge, 0, list_.ListCount() - 1)));
    step_.CallSoon(kScrollStepMilliseconds);
}

// The row an arrow, page or end key moves to; from no selection, Down and
// Up both start at the first row. A letter moves to the next name that
// starts with it, round the list.
Index ListBoxElement::KeyTarget(const val& event) const
{
    const std::string key = event["key"].as<std::string>();
    const int count = list_.ListCount();
    const int from = list_.ListIndex();
    const auto page = [this] { return std::max(1, element_["clientHeight"].as<int>() / RowHeight() - 1); };
    std::optional<int> to;
    if (key == "ArrowDown")
        to = from + 1;
    else if (key == "ArrowUp")
        to = from < 0 ? 0 : from - 1;
    else if (key == "PageDown")
        to = from < 0 ? 0 : from + page();
    else if (key == "PageUp")
        to = from - page();
    else if (key == "Home")
        to = 0;
    else if (key == "End")
        to = count - 1;
    if (to) return static_cast<Index>(std::clamp(*to, 0, count - 1));

    const std::u16string letter = FromJs(event["key"].call<val>("toLowerCase"));
    if (letter.size() != 1 || event["ctrlKey"].as<bool>()) return -1;
    for (int step = 1; step <= count; ++step) {
        const auto at = static_cast<Index>((from + step + count) % count);
        const std::u16string name = list_.List(at);
        if (!name.empty() && name[0] == letter[0]) return at;
    }
    return -1;
}

void ListBoxElement::KeyDown(const val& event)
{
    if (list_.ListCount() == 0 || event["altKey"].as<bool>() || event["metaKey"].as<bool>()) return;
    const Index target = KeyTarget(event);
    if (target < 0) return;
    event.call<void>("preventDefault");
    if (target == list_.ListIndex()) return;
    // Scrolled before the Click, whose output would have to be laid out first.
    ScrollIntoView(target);
    list_.Selected(target);
}

// Within the list only (the page itself does not move), by whole rows: the
// first row shown is never cut.
void ListBoxElement::ScrollIntoView(Index row)
{
    const int rowHeight = RowHeight();
    const int top = rows_[static_cast<std::size_t>(row)]["offsetTop"].as<int>();
    const int scroll = element_["scrollTop"].as<int>();
    const int height = element_["clientHeight"].as<int>();
    const int wholeRows = std::max(1, height / rowHeight);
    if (top < scroll)
        element_.set("scrollTop", top);
    else if (top + rowHeight > scroll + height)
        element_.set("scrollTop", top - (wholeRows - 1) * rowHeight);
}

int ListBoxElement::RowHeight() const
{
    return rows_.empty() ? 1 : std::max(1, rows_.front()["offsetHeight"].as<int>());
}

} // namespace ribi::form::web
