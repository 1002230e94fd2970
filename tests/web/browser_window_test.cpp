// The shared suites on the browser window, in each engine: one Node
// server an engine, started when its first window is made and ended with
// the test program.

#include "tests/number_breaks.h"
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

// A phone's screen, which only the page fits, lays the output box out anew:
// its rows keep their numbers whole there too. (The box's lines are counted
// on a copy of it, which a phone's layout does not give the box's width.)
class OnAPhone : public ::testing::TestWithParam<const char*> {};

TEST_P(OnAPhone, NoRowEndsInsideANumberOrBeforeItsUnit)
{
    for (const int phone : {0, 1}) {
        BrowserWindow window(ServerFor(GetParam()), window::MainFormDescription(), phone);
        ExpectNoRowBreaksANumber(window, window.Bounds(kOutput).width, false);
    }
}

INSTANTIATE_TEST_SUITE_P(Chromium, OnAPhone, ::testing::Values(kChromium));
INSTANTIATE_TEST_SUITE_P(Firefox, OnAPhone, ::testing::Values(kFirefox));
INSTANTIATE_TEST_SUITE_P(WebKit, OnAPhone, ::testing::Values(kWebKit));

} // namespace
} // namespace ribi::testing
