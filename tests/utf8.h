#pragma once

// UTF-8 of the catalogue's texts, for messages and for the spelling check.
// They hold BMP characters only, so each code unit is a whole character;
// a surrogate means that no longer holds, and gives no result.

#include <optional>
#include <string>
#include <string_view>

namespace ribi::testing {

inline std::optional<std::string> Utf8(std::u16string_view text)
{
    std::string out;
    for (const char16_t c : text) {
        if (c >= 0xD800 && c <= 0xDFFF) return std::nullopt;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace ribi::testing
