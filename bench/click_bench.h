#pragma once

// The two clicks of the real window, from the simulated mouse event to the
// output box holding the new text laid out, each beside its floor: one
// setPlainText of the same text into a bare editor of the same size and font.

#include "bench/results.h"

#include <memory>

namespace ribi::bench {

class ClickScene;

// Owns the window and the floor editor the click benchmarks use; must
// outlive the benchmark run. Needs a QApplication.
class ClickBenchmarks {
public:
    explicit ClickBenchmarks(Results& results);
    ~ClickBenchmarks();
    ClickBenchmarks(const ClickBenchmarks&) = delete;
    ClickBenchmarks& operator=(const ClickBenchmarks&) = delete;

    void Register();

private:
    Results& results_;
    std::unique_ptr<ClickScene> scene_;
};

} // namespace ribi::bench
