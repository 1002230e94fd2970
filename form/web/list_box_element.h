#pragma once

// The view of a list box: an ARIA listbox of rows, single selection, never
// sorted. It feeds the pupil's mouse and keys into the form's list, which
// decides the selection and the Clicks, and shows that selection. The DOM
// has no list box of its own, so the keys' rows and the scrolling, also
// while a drag holds the pointer beyond the list's edge, are decided here.

#include "form/list_box_control.h"
#include "form/views.h"
#include "form/web/dom_listener.h"

#include <string>
#include <vector>

namespace ribi::form::web {

class ListBoxElement final : public ListBoxView {
public:
    // Fills `element` with the rows of `list`, or takes them over where
    // the page holds them `drawn` already. `list` must outlive the view.
    ListBoxElement(Js element, bool drawn, ListBoxControl& list);
    ~ListBoxElement() override;
    ListBoxElement(const ListBoxElement&) = delete;
    ListBoxElement& operator=(const ListBoxElement&) = delete;

    void ShowSelection(Index row) override;

private:
    void MouseDown();
    void MouseMove();
    void MouseUp();
    void KeyDown();
    void Blurred();
    void PressEnded();
    template <auto Member> ListenerCall On() { return ListenerCall::To<Member>(this); }

    // The row whose element the event is on, -1 for none.
    static Index RowOfEvent();
    // The selection follows the held pointer: to the row at its height,
    // or, beyond the top or bottom of the rows, to the row at that edge,
    // the list scrolled a row towards it, and again while it stays there.
    void FollowPointer();
    // The row the event's key moves to, or -1 for a key the list does not take.
    Index KeyTarget() const;
    // The list scrolled by whole rows so that `row` is shown.
    void ScrollIntoView(Index row);
    int RowHeight() const;

    Js element_;
    std::u16string id_; // the rows' ids are made of it
    ListBoxControl& list_;
    std::vector<Js> rows_;
    double pointerY_ = 0; // of the press's pointer, in the viewport
    DomListener mouseDown_;
    DomListener mouseMove_;
    DomListener mouseUp_;
    DomListener keyDown_;
    DomListener blur_;
    DomListener step_; // held beyond the rows, the list scrolls on
};

} // namespace ribi::form::web
