#pragma once

#include <string_view>

namespace ribi::selection {

// Where a handler says that it stopped: one line, without its line break.
// Each program shows it where its platform keeps such lines (standard error,
// the debugger's output), so the handlers need no stream library.
class Diagnostics {
public:
    virtual ~Diagnostics() = default;
    virtual void Line(std::string_view line) = 0;
};

} // namespace ribi::selection
