#include "bench/results.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace ribi::bench {
namespace {

struct Row {
    const char* what;
    std::string program; // sample names
    std::string floor;
    std::optional<double> goal; // the ratio it should not exceed
    const char* unit;
};

std::string Format(const char* format, double value)
{
    if (std::isnan(value)) return "-";
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void Line(std::ostream& out, const std::string& what, const std::string& program, const std::string& floor,
          const std::string& ratio, const std::string& goal, const std::string& verdict)
{
    char text[200];
    std::snprintf(text, sizeof text, "%-50s %10s %10s %7s %7s  %s\n", what.c_str(), program.c_str(), floor.c_str(),
                  ratio.c_str(), goal.c_str(), verdict.c_str());
    out << text;
}

} // namespace

double Results::Median(const std::string& name) const
{
    const auto found = samples_.find(name);
    if (found == samples_.end() || found->second.empty()) return std::numeric_limits<double>::quiet_NaN();
    std::vector<double> values = found->second;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1) return *middle;
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

void PrintSummary(const Results& results, std::ostream& out)
{
    const std::vector<Row> rows{
        {"species click to text laid out (ms)", "species/program", "species/floor", 1.5, "%.3f"},
        {"  of which painting inside the click (ms)", "species/program_painting", "species/floor_painting", {}, "%.3f"},
        {"  click less that painting (ms)", "species/program_less_painting", "species/floor", {}, "%.3f"},
        {"type click (longest listing) to laid out (ms)", "type/program", "type/floor", 1.5, "%.3f"},
        {"  of which painting inside the click (ms)", "type/program_painting", "type/floor_painting", {}, "%.3f"},
        {"  click less that painting (ms)", "type/program_less_painting", "type/floor", {}, "%.3f"},
        {"start-up, offscreen: created to first paint (ms)", "startup/offscreen/program/total",
         "startup/offscreen/bare/total", 1.2, "%.1f"},
        {"  of which main to first paint (ms)",
         "startup/offscreen/program/main",
         "startup/offscreen/bare/main",
         {},
         "%.1f"},
        {"  of which QApplication to first paint (ms)",
         "startup/offscreen/program/window",
         "startup/offscreen/bare/window",
         {},
         "%.1f"},
        {"start-up, Xvfb: created to first paint (ms)", "startup/xcb/program/total", "startup/xcb/bare/total", 1.2,
         "%.1f"},
        {"  of which main to first paint (ms)", "startup/xcb/program/main", "startup/xcb/bare/main", {}, "%.1f"},
        {"  of which QApplication to first paint (ms)",
         "startup/xcb/program/window",
         "startup/xcb/bare/window",
         {},
         "%.1f"},
        {"resident after start-up, offscreen (MiB)", "startup/offscreen/program/rss", "startup/offscreen/bare/rss",
         1.15, "%.1f"},
        {"resident after start-up, Xvfb (MiB)", "startup/xcb/program/rss", "startup/xcb/bare/rss", 1.15, "%.1f"},
    };

    out << "\nribi benchmarks: medians; the ratio is program / floor\n";
    Line(out, "", "program", "floor", "ratio", "goal", "");
    for (const auto& row : rows) {
        const double program = results.Median(row.program);
        const double floor = results.Median(row.floor);
        const double ratio = floor > 0 ? program / floor : std::numeric_limits<double>::quiet_NaN();
        std::string verdict;
        if (row.goal && !std::isnan(ratio)) verdict = ratio <= *row.goal ? "met" : "MISSED";
        Line(out, row.what, Format(row.unit, program), Format(row.unit, floor), Format("%.2f", ratio),
             row.goal ? Format("%.2f", *row.goal) : "", verdict);
    }
    const double growth = results.Median("memory/growth");
    Line(out, "resident growth, clicks 1001..101000 (KiB)", Format("%.0f", growth), "", "", "1024",
         std::isnan(growth) ? "" : (growth <= 1024 ? "met" : "MISSED"));
}

} // namespace ribi::bench
