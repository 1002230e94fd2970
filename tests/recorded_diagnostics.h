#pragma once

#include "selection/diagnostics.h"

#include <string>

namespace ribi::testing {

// Keeps the handlers' lines, each with its line break, for a test to read.
class RecordedDiagnostics final : public selection::Diagnostics {
public:
    void Line(std::string_view line) override
    {
        text += line;
        text += '\n';
    }
    std::string text;
};

} // namespace ribi::testing
