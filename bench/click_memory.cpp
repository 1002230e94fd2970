#include "bench/click_memory.h"

#include "bench/process.h"
#include "catalogue/catalogue.h"
#include "form/qt/application_setup.h"
#include "tests/qt_window.h"

#include <QApplication>

#include <iostream>
#include <sstream>

namespace ribi::bench {
namespace {

// Every species in turn, then both types, with the events a click leaves
// (painting among them) handled as the event loop would.
void Click(testing::QtWindow& window, int n)
{
    constexpr int kSpecies = static_cast<int>(catalogue::kSpeciesCount);
    constexpr int kCycle = kSpecies + static_cast<int>(catalogue::kTypeCount);
    const int step = n % kCycle;
    if (step < kSpecies)
        window.ClickSpecies(static_cast<form::Index>(step));
    else
        window.ClickOption(static_cast<form::Index>(step - kSpecies));
    QCoreApplication::processEvents();
}

} // namespace

int RunClickMemoryChild(char* program)
{
    int qtArgc = 1;
    char* qtArgv[] = {program, nullptr};
    QApplication application(qtArgc, qtArgv);
    const form::qt::ApplicationSetup setup(application);
    testing::QtWindow window;

    int n = 0;
    for (; n < kWarmUpClicks; ++n) Click(window, n);
    const std::int64_t afterWarmUp = ResidentKiB();
    for (; n < kWarmUpClicks + kMeasuredClicks; ++n) Click(window, n);
    std::cout << afterWarmUp << ' ' << ResidentKiB() << std::endl;
    return window.diagnostics.text.empty() ? 0 : 1;
}

std::optional<ClickMemory> MeasureClickMemory()
{
    const ChildRun run = RunSelf({kClickMemoryArgument}, "offscreen");
    std::istringstream report(run.output);
    double afterWarmUp = 0, afterAll = 0;
    if (!run.succeeded || !(report >> afterWarmUp >> afterAll)) return std::nullopt;
    return ClickMemory{afterWarmUp, afterAll};
}

} // namespace ribi::bench
