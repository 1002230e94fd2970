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

// What a <textarea> holds and shows: its value knows only LF as a line
// break, and the browser turns CR LF and a lone CR into LF.
inline std::u16string WithLfBreaks(std::u16string_view text)
{
    std::u16string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            shown += u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else {
            shown += text[i];
        }
    }
    return shown;
}

// What the user typed, with the line breaks the handlers write.
inline std::u16string WithCrLfBreaks(std::u16string_view shown)
{
    std::u16string text;
    text.reserve(shown.size());
    for (const char16_t c : shown) {
        if (c == u'\n')
            text += u"\r\n";
        else
            text += c;
    }
    return text;
}

} // namespace ribi::form::web
