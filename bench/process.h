#pragma once

// What the benchmarks read from the operating system: a clock that means
// the same in every process, the resident set, and runs of this same
// executable in a child mode.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ribi::bench {

// CLOCK_MONOTONIC in nanoseconds: a parent and its child read one clock.
std::int64_t NowNs();

// VmRSS of this process.
std::int64_t ResidentKiB();

struct ChildRun {
    std::int64_t spawnedNs = 0; // just before the child was created
    std::string output;         // its standard output
    bool succeeded = false;     // exited with status 0
};

// Runs this executable again with `arguments`, on Qt platform `platform`,
// the rest of the environment inherited.
ChildRun RunSelf(const std::vector<std::string>& arguments, std::string_view platform);

} // namespace ribi::bench
