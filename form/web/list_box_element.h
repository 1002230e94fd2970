#pragma once

// The view of a list box: an ARIA listbox of rows, single selection, never
// sorted. It feeds the pupil's mouse and keys into the form's list, which
// decides the selection and the Clicks, and shows that selection. The DOM
// has no list box of its own, so the keys' rows and the scrolling, also
// while a drag holds the pointer beyond the list's edge, are decided here.

#include "form/list_box_control.h"
#include "form/views.h"
#include "form/web/dom_listener.h"

#include <emscripten/val.h>

#include <vector>

namespace ribi::form::web {

class ListBoxElement final : public ListBoxView {
public:
    // Fills `element` with the rows of `list`, or takes them over where
    // the page holds them `drawn` already. `list` must outlive the view.
    ListBoxElement(emscripten::val element, bool drawn, ListBoxControl& list);
    ~ListBoxElement() override;
    ListBoxElement(const ListBoxElement&) = delete;
    ListBoxElement& operator=(const ListBoxElement&) = delete;

    void ShowSelection(Index row) override;

private:
    void MouseDown(const emscripten::val& event);
    void MouseMove(const emscripten::val& event);
    void MouseUp(const emscripten::val& event);
    void KeyDown(const emscripten::val& event);
    void PressEnded();

    // The row whose element `event` is on, -1 for none.
    static Index RowOf(const emscripten::val& event);
    // The selection follows the held pointer: to the row at its height,
    // or, beyond the top or bottom of the rows, to the row at that edge,
    // the list scrolled a row towards it, and again while it stays there.
    void FollowPointer();
    // The row a key moves to, or -1 for a key the list does not take.
    Index KeyTarget(const emscripten::val& event) const;
    // The list scrolled by whole rows so that `row` is shown.
    void ScrollIntoView(Index row);
    int RowHeight() const;

    emscripten::val element_;
    ListBoxControl& list_;
    std::vector<emscripten::val> rows_;
    double pointerY_ = 0; // of the press's pointer, in the viewport
    DomListener mouseDown_;
    DomListener mouseMove_;
    DomListener mouseUp_;
    DomListener keyDown_;
    DomListener blur_;
    DomListener step_; // held beyond the rows, the list scrolls on
};

} // namespace ribi::form::web
