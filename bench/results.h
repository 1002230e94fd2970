#pragma once

// The figures the benchmarks collect, by name, and the summary table
// printed after Google Benchmark's own report.

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace ribi::bench {

class Results {
public:
    void Add(const std::string& name, double value) { samples_[name].push_back(value); }
    // NaN when nothing was collected under `name`.
    double Median(const std::string& name) const;

private:
    std::map<std::string, std::vector<double>> samples_;
};

void PrintSummary(const Results& results, std::ostream& out);

} // namespace ribi::bench
