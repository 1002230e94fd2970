// Prints every description and the task statement as UTF-8, one text after
// another, for the spelling check.

#include "catalogue/catalogue.h"
#include "tests/utf8.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

bool AppendUtf8(std::u16string_view text, std::string& out)
{
    const auto utf8 = ribi::testing::Utf8(text);
    if (utf8) out += *utf8;
    return utf8.has_value();
}

} // namespace

int main()
{
    using namespace ribi::catalogue;
    std::string out;
    bool ok = true;
    for (const Species& s : AllSpecies()) {
        ok = AppendUtf8(s.description, out) && ok;
        out += '\n';
    }
    ok = AppendUtf8(TaskStatement(), out) && ok;
    if (!ok) {
        std::fputs("dump_texts: a text holds a surrogate code unit\n", stderr);
        return 1;
    }
    return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && std::fflush(stdout) == 0 ? 0 : 1;
}
