#include "bench/click_bench.h"

#include "bench/layout.h"
#include "bench/process.h"
#include "catalogue/catalogue.h"
#include "form/qt/qt_text.h"
#include "tests/qt_window.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>

namespace ribi::bench {
namespace {

QString Shown(const std::u16string& text)
{
    return form::qt::ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

form::Index SpeciesWithLongestDescription()
{
    const auto& rows = catalogue::AllSpecies();
    const auto longest = std::max_element(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.description.size() < b.description.size();
    });
    return static_cast<form::Index>(longest - rows.begin());
}

form::Index FirstSpeciesNotOfType(std::u16string_view typeCode)
{
    const auto& rows = catalogue::AllSpecies();
    const auto other =
        std::find_if(rows.begin(), rows.end(), [&](const auto& row) { return row.typeCode != typeCode; });
    return static_cast<form::Index>(other - rows.begin());
}

form::Index TypeCaptioned(std::u16string_view caption)
{
    const auto& captions = catalogue::TypeCaptions();
    return static_cast<form::Index>(std::find(captions.begin(), captions.end(), caption) - captions.begin());
}

// A step of a benchmark: something untimed that leaves other text in the
// box (so that the timed part replaces a whole document, as a real click
// does), then the timed part.
struct Step {
    std::function<void()> before;
    std::function<void()> timed;
};

// Time spent painting inside the timed part. Qt's buttons repaint
// synchronously on press and release, before the click reaches the
// program; this tells that share apart. Delivers each paint event itself
// (the event filter calls the widget's event()) to see where it ends.
class PaintClock final : public QObject {
public:
    PaintClock() { QCoreApplication::instance()->installEventFilter(this); }
    ~PaintClock() override { QCoreApplication::instance()->removeEventFilter(this); }
    PaintClock(const PaintClock&) = delete;
    PaintClock& operator=(const PaintClock&) = delete;

    void Start()
    {
        running_ = true;
        spentNs_ = 0;
    }
    double StopMs()
    {
        running_ = false;
        return static_cast<double>(spentNs_) / 1e6;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!running_ || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        const std::int64_t start = NowNs();
        watched->event(event);
        spentNs_ += NowNs() - start;
        return true;
    }

private:
    bool running_ = false;
    std::int64_t spentNs_ = 0;
};

struct Timing {
    double totalMs = 0;
    double paintingMs = 0;
};

Timing Time(const Step& step, PaintClock& painting)
{
    step.before();
    QCoreApplication::processEvents(); // the painting the untimed part asked for
    painting.Start();
    const std::int64_t start = NowNs();
    step.timed();
    const std::int64_t end = NowNs();
    return {static_cast<double>(end - start) / 1e6, painting.StopMs()};
}

// The program's step and the floor's alternate within each iteration, so
// that whatever else the machine is doing slows both alike.
void TimePairs(benchmark::State& state, Results& results, const std::string& name, const Step& program,
               const Step& floor)
{
    PaintClock painting;
    for (auto _ : state) {
        const Timing programTime = Time(program, painting);
        const Timing floorTime = Time(floor, painting);
        state.SetIterationTime(programTime.totalMs / 1e3);
        results.Add(name + "/program", programTime.totalMs);
        results.Add(name + "/program_painting", programTime.paintingMs);
        results.Add(name + "/program_less_painting", programTime.totalMs - programTime.paintingMs);
        results.Add(name + "/floor", floorTime.totalMs);
        results.Add(name + "/floor_painting", floorTime.paintingMs);
    }
    QCoreApplication::processEvents();
    const double floorMs = results.Median(name + "/floor");
    state.counters["floor_ms"] = floorMs;
    state.counters["ratio"] = results.Median(name + "/program") / floorMs;
    state.counters["painting_ms"] = results.Median(name + "/program_painting");
}

} // namespace

class ClickScene {
public:
    ClickScene()
        : species(SpeciesWithLongestDescription()),
          otherSpecies(FirstSpeciesNotOfType(catalogue::AllSpecies()[static_cast<std::size_t>(species)].typeCode)),
          type(TypeCaptioned(u"Пасажни")), otherType(static_cast<form::Index>(1 - type))
    {
        floor.setFont(box()->font());
        floor.setVerticalScrollBarPolicy(box()->verticalScrollBarPolicy());
        floor.setHorizontalScrollBarPolicy(box()->horizontalScrollBarPolicy());
        floor.resize(box()->size());
        floor.show();

        window.ClickSpecies(otherSpecies);
        otherSpeciesText = Shown(window.OutputText());
        window.ClickSpecies(species);
        speciesText = Shown(window.OutputText());
        window.ClickOption(otherType);
        otherTypeText = Shown(window.OutputText());
        window.ClickOption(type);
        typeText = Shown(window.OutputText());
        QCoreApplication::processEvents();
    }

    form::qt::OutputBoxWidget* box() { return window.Output(); }

    // Both editors hold `expected`, every block laid out, the same size:
    // the two did the same work.
    bool Agrees(const QString& expected)
    {
        return box()->toPlainText() == expected && floor.toPlainText() == expected && EveryBlockLaidOut(*box()) &&
               EveryBlockLaidOut(floor) && box()->document()->size() == floor.document()->size();
    }

    testing::QtWindow window;
    QPlainTextEdit floor;
    const form::Index species;
    const form::Index otherSpecies;
    const form::Index type;
    const form::Index otherType;
    QString speciesText, otherSpeciesText, typeText, otherTypeText;
};

ClickBenchmarks::ClickBenchmarks(Results& results) : results_(results), scene_(std::make_unique<ClickScene>()) {}

ClickBenchmarks::~ClickBenchmarks() = default;

void ClickBenchmarks::Register()
{
    ClickScene& scene = *scene_;
    Results& results = results_;

    benchmark::RegisterBenchmark("species_click", [&](benchmark::State& state) {
        QPoint target;
        const Step program{[&] {
                               scene.window.ClickSpecies(scene.otherSpecies);
                               // May scroll: not timed.
                               const testing::Point centre = scene.window.RowCentre(scene.species);
                               target = QPoint(centre.x, centre.y);
                           },
                           [&] {
                               QTest::mouseClick(scene.window.Names()->viewport(), Qt::LeftButton, {}, target);
                               LayOutEveryBlock(*scene.box());
                           }};
        const Step floor{[&] { scene.floor.setPlainText(scene.otherSpeciesText); },
                         [&] {
                             scene.floor.setPlainText(scene.speciesText);
                             LayOutEveryBlock(scene.floor);
                         }};
        TimePairs(state, results, "species", program, floor);
        if (!scene.Agrees(scene.speciesText)) state.SkipWithError("the box and the floor differ");
    })->UseManualTime();

    benchmark::RegisterBenchmark("type_click", [&](benchmark::State& state) {
        const Step program{[&] { scene.window.ClickOption(scene.otherType); },
                           [&] {
                               scene.window.ClickOption(scene.type);
                               LayOutEveryBlock(*scene.box());
                           }};
        const Step floor{[&] { scene.floor.setPlainText(scene.otherTypeText); },
                         [&] {
                             scene.floor.setPlainText(scene.typeText);
                             LayOutEveryBlock(scene.floor);
                         }};
        TimePairs(state, results, "type", program, floor);
        if (!scene.Agrees(scene.typeText)) state.SkipWithError("the box and the floor differ");
    })->UseManualTime();
}

} // namespace ribi::bench
