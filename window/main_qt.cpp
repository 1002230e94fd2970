// The Linux program: the main window on Qt Widgets.

#include "window/run_qt_main_window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

constexpr std::string_view kNoDisplay =
    "ribi: there is no display to open the window on; on a machine without a screen, run it as: xvfb-run -a ribi\n";

bool WantsAScreen()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const std::string_view name = platform ? platform : "";
    return name.empty() || name.starts_with("xcb") || name.starts_with("wayland");
}

bool HasADisplay()
{
    const auto set = [](const char* variable) {
        const char* value = std::getenv(variable);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

// Until the window is up, Qt's own complaints (a display that cannot be
// reached) become one line instead of a backtrace.
void StartupMessages(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplay.data(), stderr);
        std::_Exit(1);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (WantsAScreen() && !HasADisplay()) {
        std::fputs(kNoDisplay.data(), stderr);
        return 1;
    }
    const QtMessageHandler defaultMessages = qInstallMessageHandler(StartupMessages);
    // The program takes no command line: Qt is not shown one either.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    // The menu entry's name (packaging/linux): Wayland's app id, and how
    // docks tie the running window to the entry's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("bg.velorna.ribi"));
    qInstallMessageHandler(defaultMessages);
    return ribi::window::RunQtMainWindow(application);
}
