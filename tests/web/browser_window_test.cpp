// The shared suites on the browser window, in each engine: one Node
// server an engine, started when its first window is made and ended with
// the test program.

#include "tests/web/browser_window.h"

#include <map>
#include <memory>
#include <string>

namespace ribi::testing {
namespace {

DriverServer& ServerFor(const std::string& engine)
{
    static std::map<std::string, std::unique_ptr<DriverServer>> servers;
    auto& server = servers[engine];
    if (!server) server = std::make_unique<DriverServer>(engine);
    return *server;
}

template <const char* Engine> class InEngine final : public BrowserWindow {
public:
    explicit InEngine(const form::FormDescription& description) : BrowserWindow(ServerFor(Engine), description) {}
};

constexpr char kChromium[] = "chromium";
constexpr char kFirefox[] = "firefox";
constexpr char kWebKit[] = "webkit";
using ChromiumWindow = InEngine<kChromium>;
using FirefoxWindow = InEngine<kFirefox>;
using WebKitWindow = InEngine<kWebKit>;

RIBI_RUN_SHARED_WINDOW_SUITES(Chromium, ChromiumWindow);
RIBI_RUN_SHARED_WINDOW_SUITES(Firefox, FirefoxWindow);
RIBI_RUN_SHARED_WINDOW_SUITES(WebKit, WebKitWindow);

} // namespace
} // namespace ribi::testing
