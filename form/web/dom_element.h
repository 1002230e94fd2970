#pragma once

// Building page elements: creating or finding them, and placing them in CSS
// pixels.

#include "form/form_description.h"
#include "form/web/dom.h"

#include <string>
#include <string_view>

namespace ribi::form::web {

// The element with `id`: the one the page holds already (the window drawn
// into the page when it was built), or else a new element `tag` with that
// id appended to `parent`. Only a new one needs filling.
struct PageElement {
    Js element;
    bool created;
};
PageElement ObtainElement(const Js& parent, const char* tag, std::u16string_view id);

// A new element `tag` appended to `parent`.
inline Js AppendElement(const Js& parent, const char* tag)
{
    return Js(ribi_dom_create(parent.Slot(), tag));
}

// A length in CSS pixels: "12px".
std::u16string CssPixels(int pixels);

// Absolute place and size: twips / 15 CSS pixels at scale 1.
void Place(const Js& element, const TwipsRect& bounds);

std::u16string CssColour(Colour colour);

} // namespace ribi::form::web
