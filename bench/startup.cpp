#include "bench/startup.h"

#include "bench/bare_window.h"
#include "bench/process.h"
#include "window/run_qt_main_window.h"

#include <QApplication>
#include <QTimer>

#include <iostream>
#include <sstream>

namespace ribi::bench {
namespace {

struct Timestamps {
    std::int64_t entered = 0;
    std::int64_t applicationReady = 0;
};

// Notes the first paint event of a top-level window; once that frame is
// done (the next turn of the event loop), reports and ends the loop.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(Timestamps timestamps) : timestamps_(timestamps) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (painted_ == 0 && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            painted_ = NowNs();
            QTimer::singleShot(0, this, &FirstPaint::Report);
        }
        return false;
    }

private:
    void Report()
    {
        std::cout << timestamps_.entered << ' ' << timestamps_.applicationReady << ' ' << painted_ << ' '
                  << ResidentKiB() << std::endl;
        QCoreApplication::exit(0);
    }

    Timestamps timestamps_;
    std::int64_t painted_ = 0;
};

double Ms(std::int64_t from, std::int64_t to)
{
    return static_cast<double>(to - from) / 1e6;
}

} // namespace

std::string_view ChildArgument(StartupWindow window)
{
    return window == StartupWindow::Program ? "--startup-program" : "--startup-bare";
}

int RunStartupChild(StartupWindow window, char* program)
{
    Timestamps timestamps{.entered = NowNs()};
    // As the program's entry point: Qt sees no command line.
    int qtArgc = 1;
    char* qtArgv[] = {program, nullptr};
    QApplication application(qtArgc, qtArgv);
    timestamps.applicationReady = NowNs();

    FirstPaint probe(timestamps);
    application.installEventFilter(&probe);
    if (window == StartupWindow::Program) return window::RunQtMainWindow(application);

    UseWindowsStyle(application);
    BareWindow bare;
    bare.show();
    return QApplication::exec();
}

std::optional<StartupRun> MeasureStartup(StartupWindow window, std::string_view platform)
{
    const ChildRun run = RunSelf({std::string(ChildArgument(window))}, platform);
    std::istringstream report(run.output);
    std::int64_t entered = 0, ready = 0, painted = 0, residentKiB = 0;
    if (!run.succeeded || !(report >> entered >> ready >> painted >> residentKiB)) return std::nullopt;
    return StartupRun{.mainToAppMs = Ms(entered, ready),
                      .appToPaintMs = Ms(ready, painted),
                      .totalMs = Ms(run.spawnedNs, painted),
                      .residentMiB = static_cast<double>(residentKiB) / 1024.0};
}

} // namespace ribi::bench
