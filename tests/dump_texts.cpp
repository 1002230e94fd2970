// Prints every description and the task statement as UTF-8, one text after
// another, for the spelling check.

#include "catalogue/catalogue.h"
#include "tests/utf8.h"

#include <cstdio>
#include <string>

int main()
{
    using namespace ribi::catalogue;
    // A text holding a surrogate ends the program with an exception; the
    // catalogue's tests say which.
    std::string out;
    for (const Species& s : AllSpecies()) out += ribi::testing::Utf8(s.description).value() + '\n';
    out += ribi::testing::Utf8(TaskStatement()).value();
    return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && std::fflush(stdout) == 0 ? 0 : 1;
}
