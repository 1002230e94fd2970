#pragma once

// A list box as the classic platform had it, as an ARIA listbox: single
// selection, never sorted, and a Click for each left press on an item (even
// the selected one), for each change of the selection by the keyboard or a
// drag, but not for the second press of a double click on the same item.

#include "form/controls.h"
#include "form/list_click_rule.h"
#include "form/web/dom_listener.h"

#include <emscripten/val.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ribi::form::web {

class ListBoxElement final : public ListBox {
public:
    // Fills `element` with `items`. A hidden list takes no input.
    ListBoxElement(emscripten::val element, const std::vector<std::u16string_view>& items, bool shown,
                   std::function<void()> raiseClick);

    Index ListCount() const override;
    Index ListIndex() const override;
    std::u16string List(Index position) const override;

private:
    void MouseDown(const emscripten::val& event);
    void MouseMove(const emscripten::val& event);
    void MouseUp(const emscripten::val& event);
    void KeyDown(const emscripten::val& event);

    // The item under the pointer of `event`, -1 for none.
    static Index ItemAt(const emscripten::val& event);
    Index KeyTarget(const emscripten::val& event) const;
    // A row chosen by the mouse is in view already; one chosen by a key is
    // scrolled into view.
    void Select(Index position, bool scroll);
    void ScrollToSelection();
    void RaiseClick();

    emscripten::val element_;
    std::vector<std::u16string> items_;
    std::vector<emscripten::val> rows_;
    std::function<void()> raiseClick_;
    Index selected_ = -1;
    ListClickRule clicks_;
    bool dragging_ = false;
    DomListener mouseDown_;
    DomListener mouseMove_;
    DomListener mouseUp_;
    DomListener keyDown_;
};

} // namespace ribi::form::web
