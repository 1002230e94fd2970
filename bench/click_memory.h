#pragma once

// Whether clicking keeps memory: the resident set of the real window after
// a warm-up of clicks and again after many more, in a fresh process.

#include <optional>

namespace ribi::bench {

inline constexpr int kWarmUpClicks = 1'000;
inline constexpr int kMeasuredClicks = 100'000;

// The child's side: simulated mouse clicks on the window, reported on
// standard output.
int RunClickMemoryChild(char* program);

struct ClickMemory {
    double afterWarmUpKiB = 0;
    double afterAllKiB = 0;
};

// The parent's side, on the offscreen platform.
std::optional<ClickMemory> MeasureClickMemory();

inline constexpr const char* kClickMemoryArgument = "--click-memory";

} // namespace ribi::bench
