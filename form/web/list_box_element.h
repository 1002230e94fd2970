#pragma once

// A list box as the classic platform had it, as an ARIA listbox: single
// selection, never sorted, its mouse and keys following the list's rule
// (ListClickRule).

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
    // Fills `element` with `items`, or takes them over where the page
    // holds them `drawn` already. A hidden list takes no input.
    ListBoxElement(emscripten::val element, bool drawn, const std::vector<std::u16string_view>& items, bool shown,
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

    emscripten::val element_;
    std::vector<std::u16string> items_;
    std::vector<emscripten::val> rows_;
    Index selected_ = -1;
    ListClickRule clicks_;
    DomListener mouseDown_;
    DomListener mouseMove_;
    DomListener mouseUp_;
    DomListener keyDown_;
    DomListener blur_;
};

} // namespace ribi::form::web
