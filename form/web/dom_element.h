#pragma once

// Building page elements: creating them and placing them in CSS pixels.

#include "form/form_description.h"

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace ribi::form::web {

// A new element `tag` appended to `parent`.
emscripten::val AppendElement(const emscripten::val& parent, const char* tag);

// A length in CSS pixels: "12px".
std::string CssPixels(int pixels);

// Absolute place and size: twips / 15 CSS pixels at scale 1.
void Place(const emscripten::val& element, const TwipsRect& bounds);

std::string CssColour(Colour colour);

} // namespace ribi::form::web
