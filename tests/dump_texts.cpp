// Prints every description and the task statement as UTF-8, one text after
// another, for the spelling check.

#include "catalogue/catalogue.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

// The catalogue holds BMP characters only, so each code unit is a whole
// character; a surrogate means that no longer holds and the dump would lie.
bool AppendUtf8(std::u16string_view text, std::string& out)
{
    for (char16_t c : text) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            return false;
        }
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
    return true;
}

} // namespace

int main()
{
    using namespace ribi::catalogue;
    std::string out;
    bool ok = true;
    for (const Species& s : species()) {
        ok = AppendUtf8(s.description, out) && ok;
        out += '\n';
    }
    ok = AppendUtf8(taskStatement(), out) && ok;
    if (!ok) {
        std::fputs("dump_texts: a text holds a surrogate code unit\n", stderr);
        return 1;
    }
    return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && std::fflush(stdout) == 0 ? 0 : 1;
}
