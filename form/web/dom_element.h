#pragma once

// Building page elements: creating or finding them, and placing them in CSS
// pixels.

#include "form/form_description.h"

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace ribi::form::web {

// A new element `tag` appended to `parent`.
emscripten::val AppendElement(const emscripten::val& parent, const char* tag);

// The element with `id`: the one the page holds already (the window drawn
// into the page when it was built), or else a new element `tag` with that
// id appended to `parent`. Only a new one needs filling.
struct PageElement {
    emscripten::val element;
    bool created;
};
PageElement ObtainElement(const emscripten::val& parent, const char* tag, std::u16string_view id);

// A length in CSS pixels: "12px".
std::string CssPixels(int pixels);

// Absolute place and size: twips / 15 CSS pixels at scale 1.
void Place(const emscripten::val& element, const TwipsRect& bounds);

std::string CssColour(Colour colour);

} // namespace ribi::form::web
