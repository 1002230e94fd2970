// `make bench`: Google Benchmark's report, then a table of the program's
// figures beside their floors. The same executable, started with one of
// the child arguments, is the fresh process a start-up or memory figure
// is taken in.

#include "bench/click_bench.h"
#include "bench/click_memory.h"
#include "bench/results.h"
#include "bench/startup.h"
#include "form/qt/application_setup.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace {

using ribi::bench::Results;
using ribi::bench::StartupWindow;

constexpr int kStartupRuns = 15;

// Qt warns in every process when XDG_RUNTIME_DIR is unset (as under a
// container's root); a private one for this run and its children.
class RuntimeDirectory {
public:
    RuntimeDirectory()
    {
        if (const char* set = std::getenv("XDG_RUNTIME_DIR"); set && *set) return;
        std::string pattern = (std::filesystem::temp_directory_path() / "ribi-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) return;
        path_ = pattern;
        setenv("XDG_RUNTIME_DIR", path_.c_str(), 1);
    }
    ~RuntimeDirectory()
    {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    RuntimeDirectory(const RuntimeDirectory&) = delete;
    RuntimeDirectory& operator=(const RuntimeDirectory&) = delete;

private:
    std::filesystem::path path_;
};

bool HasADisplay()
{
    const char* display = std::getenv("DISPLAY");
    return display && *display;
}

void Add(Results& results, const std::string& name, const ribi::bench::StartupRun& run)
{
    results.Add(name + "/total", run.totalMs);
    results.Add(name + "/main", run.mainToAppMs + run.appToPaintMs);
    results.Add(name + "/window", run.appToPaintMs);
    results.Add(name + "/rss", run.residentMiB);
}

// Each iteration starts the bare window and the program, in turn first, so
// that neither always finds the other's pages freshly cached.
void Startup(benchmark::State& state, Results& results, const std::string& platform)
{
    if (platform == "xcb" && !HasADisplay()) {
        state.SkipWithError("no DISPLAY: run under xvfb-run");
        return;
    }
    const std::string key = "startup/" + platform;
    bool bareFirst = true;
    for (auto _ : state) {
        std::optional<ribi::bench::StartupRun> bare, program;
        if (bareFirst) bare = ribi::bench::MeasureStartup(StartupWindow::Bare, platform);
        program = ribi::bench::MeasureStartup(StartupWindow::Program, platform);
        if (!bareFirst) bare = ribi::bench::MeasureStartup(StartupWindow::Bare, platform);
        bareFirst = !bareFirst;
        if (!bare || !program) {
            state.SkipWithError("a child process failed");
            return;
        }
        state.SetIterationTime(program->totalMs / 1e3);
        Add(results, key + "/program", *program);
        Add(results, key + "/bare", *bare);
    }
    const double bareMs = results.Median(key + "/bare/total");
    const double residentMiB = results.Median(key + "/program/rss");
    state.counters["bare_ms"] = bareMs;
    state.counters["ratio"] = results.Median(key + "/program/total") / bareMs;
    state.counters["rss_MiB"] = residentMiB;
    state.counters["rss_ratio"] = residentMiB / results.Median(key + "/bare/rss");
}

void RegisterStartup(Results& results, const std::string& platform)
{
    benchmark::RegisterBenchmark(("startup_" + platform).c_str(),
                                 [&results, platform](benchmark::State& state) { Startup(state, results, platform); })
        ->UseManualTime()
        ->Iterations(kStartupRuns)
        ->Unit(benchmark::kMillisecond);
}

void RegisterClickMemory(Results& results)
{
    benchmark::RegisterBenchmark("click_memory",
                                 [&results](benchmark::State& state) {
                                     for (auto _ : state) {
                                         const auto memory = ribi::bench::MeasureClickMemory();
                                         if (!memory) {
                                             state.SkipWithError("the child process failed");
                                             return;
                                         }
                                         results.Add("memory/growth", memory->afterAllKiB - memory->afterWarmUpKiB);
                                         state.counters["rss_after_warm_up_KiB"] = memory->afterWarmUpKiB;
                                         state.counters["growth_KiB"] = memory->afterAllKiB - memory->afterWarmUpKiB;
                                     }
                                 })
        ->Iterations(1)
        ->Unit(benchmark::kSecond);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string_view mode = argc > 1 ? argv[1] : "";
    for (const auto window : {StartupWindow::Program, StartupWindow::Bare})
        if (mode == ribi::bench::ChildArgument(window)) return ribi::bench::RunStartupChild(window, argv[0]);
    if (mode == ribi::bench::kClickMemoryArgument) return ribi::bench::RunClickMemoryChild(argv[0]);

    benchmark::Initialize(&argc, argv);
    const RuntimeDirectory runtimeDirectory;
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    // The clicks are timed here, offscreen; the children get their platform
    // from the parent explicitly.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    const ribi::form::qt::ApplicationSetup setup(application);

    Results results;
    ribi::bench::ClickBenchmarks clicks(results);
    clicks.Register();
    for (const std::string platform : {"offscreen", "xcb"}) RegisterStartup(results, platform);
    RegisterClickMemory(results);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ribi::bench::PrintSummary(results, std::cout);
    return 0;
}
