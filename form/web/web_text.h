#pragma once

// JavaScript strings and the program's text are both UTF-16: conversions
// are copies, through Embind's std::u16string.

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace ribi::form::web {

inline emscripten::val ToJs(std::u16string_view text)
{
    return emscripten::val(std::u16string(text));
}

inline std::u16string FromJs(const emscripten::val& text)
{
    return text.as<std::u16string>();
}

} // namespace ribi::form::web
