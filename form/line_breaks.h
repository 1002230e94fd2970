#pragma once

// The handlers write CR LF line breaks; the editors of Qt and the browser
// know only LF. The output box keeps its text as written and gives the
// editor the LF form; what a pupil types comes back with CR LF.

#include <string>
#include <string_view>

namespace ribi::form {

// What the editor shows: CR LF and a lone CR become LF.
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

// What the pupil typed, with the line breaks the handlers write.
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

} // namespace ribi::form
