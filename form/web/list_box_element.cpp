#include "form/web/list_box_element.h"

#include "form/form_plan.h"
#include "form/web/dom_element.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace ribi::form::web {

namespace {

constexpr int kLeftButton = 0;
constexpr int kLeftButtonHeld = 1; // bit of MouseEvent.buttons
constexpr char kPositionProperty[] = "ribiPosition";
// How often a drag held beyond the list's edge scrolls it a row.
constexpr int kScrollStepMilliseconds = 100;

} // namespace

ListBoxElement::ListBoxElement(Js element, bool drawn, ListBoxControl& list)
    : element_(std::move(element)), id_(element_.Text("id")), list_(list), mouseDown_(On<&ListBoxElement::MouseDown>()),
      mouseMove_(On<&ListBoxElement::MouseMove>()), mouseUp_(On<&ListBoxElement::MouseUp>()),
      keyDown_(On<&ListBoxElement::KeyDown>()), blur_(On<&ListBoxElement::Blurred>()),
      step_(On<&ListBoxElement::FollowPointer>())
{
    if (!drawn) {
        element_.SetAttribute("role", u"listbox");
        element_.SetClass("ribi-list");
        element_.Set("tabIndex", 0);
    }
    for (Index position = 0; position < list_.ListCount(); ++position) {
        PageElement row = ObtainElement(element_, "div", ElementId(id_, position));
        if (row.created) {
            row.element.SetAttribute("role", u"option");
            row.element.SetAttribute("aria-selected", u"false");
            row.element.Set("textContent", list_.List(position));
        }
        row.element.Set(kPositionProperty, position);
        rows_.push_back(std::move(row.element));
    }
    mouseDown_.ListenTo(element_, "mousedown");
    // A drag goes on and ends anywhere on the page. (Listening only while
    // the button is held would cost each click more than a move costs.)
    mouseMove_.ListenTo(Js::Document(), "mousemove");
    mouseUp_.ListenTo(Js::Document(), "mouseup");
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
    const Js shown = element_.Query("[aria-selected=\"true\"]");
    if (!shown.IsNull()) shown.SetAttribute("aria-selected", u"false");
    const bool chosen = row >= 0 && static_cast<std::size_t>(row) < rows_.size();
    // Unchanged, the class is left alone, and so is the list's style.
    element_.SetClass("ribi-chosen", chosen);
    if (!chosen) {
        element_.RemoveAttribute("aria-activedescendant");
        return;
    }
    rows_[static_cast<std::size_t>(row)].SetAttribute("aria-selected", u"true");
    element_.SetAttribute("aria-activedescendant", ElementId(id_, row));
}

Index ListBoxElement::RowOfEvent()
{
    const Js target = Js::Event().Get("target");
    const double position = target.IsNull() ? NAN : target.Number(kPositionProperty);
    return std::isnan(position) ? Index{-1} : static_cast<Index>(position);
}

void ListBoxElement::MouseDown()
{
    const Js event = Js::Event();
    if (event.Int("button") != kLeftButton) return; // a right or middle press selects nothing
    if (event.Int("detail") == 2)
        list_.SecondPress(RowOfEvent());
    else
        list_.Press(RowOfEvent());
    if (list_.Pressed()) pointerY_ = event.Number("clientY");
}

void ListBoxElement::MouseMove()
{
    if (!list_.Pressed()) return;
    const Js event = Js::Event();
    if ((event.Int("buttons") & kLeftButtonHeld) == 0) {
        list_.Cancelled(); // released where the page did not see it
        PressEnded();
        return;
    }
    pointerY_ = event.Number("clientY");
    FollowPointer();
}

void ListBoxElement::MouseUp()
{
    if (Js::Event().Int("button") != kLeftButton) return;
    list_.Release();
    PressEnded();
}

void ListBoxElement::Blurred()
{
    list_.Cancelled();
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
    const double top = ribi_dom_top(element_.Slot()) + element_.Int("clientTop");
    const int height = element_.Int("clientHeight");
    int scroll = element_.Int("scrollTop");
    const double y = pointerY_ - top;
    if (y >= 0 && y < height) {
        step_.CancelCall();
        list_.Move(static_cast<Index>((scroll + static_cast<int>(y)) / rowHeight));
        return;
    }
    if (step_.CallPending()) return; // the next row comes when the step is due
    const bool up = y < 0;
    element_.Set("scrollTop", std::max(0, scroll + (up ? -rowHeight : rowHeight)));
    scroll = element_.Int("scrollTop"); // as far as the list goes
    const int edge = up ? (scroll + rowHeight - 1) / rowHeight : (scroll + height) / rowHeight - 1;
    list_.Move(static_cast<Index>(std::clamp(edge, 0, list_.ListCount() - 1)));
    step_.CallSoon(kScrollStepMilliseconds);
}

// The row an arrow, page or end key moves to; from no selection, Down and
// Up both start at the first row. A letter moves to the next name that
// starts with it, round the list.
Index ListBoxElement::KeyTarget() const
{
    const Js event = Js::Event();
    const std::u16string key = event.Text("key");
    const int count = list_.ListCount();
    const int from = list_.ListIndex();
    const auto page = [this] { return std::max(1, element_.Int("clientHeight") / RowHeight() - 1); };
    std::optional<int> to;
    if (key == u"ArrowDown")
        to = from + 1;
    else if (key == u"ArrowUp")
        to = from < 0 ? 0 : from - 1;
    else if (key == u"PageDown")
        to = from < 0 ? 0 : from + page();
    else if (key == u"PageUp")
        to = from - page();
    else if (key == u"Home")
        to = 0;
    else if (key == u"End")
        to = count - 1;
    if (to) return static_cast<Index>(std::clamp(*to, 0, count - 1));

    const std::u16string letter = event.Text("key", true);
    if (letter.size() != 1 || event.Flag("ctrlKey")) return -1;
    for (int step = 1; step <= count; ++step) {
        const auto at = static_cast<Index>((from + step + count) % count);
        const std::u16string name = list_.List(at);
        if (!name.empty() && name[0] == letter[0]) return at;
    }
    return -1;
}

void ListBoxElement::KeyDown()
{
    const Js event = Js::Event();
    if (list_.ListCount() == 0 || event.Flag("altKey") || event.Flag("metaKey")) return;
    const Index target = KeyTarget();
    if (target < 0) return;
    event.Call("preventDefault");
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
    const int top = rows_[static_cast<std::size_t>(row)].Int("offsetTop");
    const int scroll = element_.Int("scrollTop");
    const int height = element_.Int("clientHeight");
    const int wholeRows = std::max(1, height / rowHeight);
    if (top < scroll)
        element_.Set("scrollTop", top);
    else if (top + rowHeight > scroll + height)
        element_.Set("scrollTop", top - (wholeRows - 1) * rowHeight);
}

int ListBoxElement::RowHeight() const
{
    return rows_.empty() ? 1 : std::max(1, rows_.front().Int("offsetHeight"));
}

} // namespace ribi::form::web
