#pragma once

// Start-up, measured in fresh processes: from the moment the process is
// created to the first paint of its window, and the resident set then.

#include <cstdint>
#include <optional>
#include <string_view>

namespace ribi::bench {

enum class StartupWindow { Program, Bare };

// The child's side: builds the window the way the program does, reports
// on standard output once the first paint is done, and exits.
int RunStartupChild(StartupWindow window, char* program);

struct StartupRun {
    double mainToAppMs = 0;  // the QApplication and its platform plugin
    double appToPaintMs = 0; // the window built, shown and first painted
    double totalMs = 0;      // process created to first paint
    double residentMiB = 0;  // just after the first frame
};

// The parent's side: one fresh process on Qt platform `platform`.
std::optional<StartupRun> MeasureStartup(StartupWindow window, std::string_view platform);

std::string_view ChildArgument(StartupWindow window);

} // namespace ribi::bench
