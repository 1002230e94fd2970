#pragma once

// The browser window, ribi.html in one engine, driven by real mouse and
// key events through tests/web/driver_server.js: the page as a pupil
// uses it, for the shared window suites.

#include "tests/window_driver.h"

#include <nlohmann/json.hpp>

#include <sys/types.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace ribi::testing {

// The Node process that owns one engine, answering one call at a time.
class DriverServer {
public:
    explicit DriverServer(const std::string& engine);
    ~DriverServer();
    DriverServer(const DriverServer&) = delete;
    DriverServer& operator=(const DriverServer&) = delete;

    struct Answer {
        nlohmann::json value;
        int errors; // the errors and warnings the page has logged
    };
    Answer Call(int page, const std::string& call, nlohmann::json args = nlohmann::json::array());
    // Why the engine cannot do `what` (a name of its adapter's `lacks`), or empty.
    std::string Lacks(const std::string& what) const;

private:
    pid_t child_ = -1;
    std::FILE* requests_ = nullptr;
    std::FILE* answers_ = nullptr;
    nlohmann::json lacks_;
};

class BrowserWindow : public WindowDriver {
public:
    // The page holds the program's own window alone: `description` must be
    // it. At a desktop's size, or of the driver's phone `phone`.
    BrowserWindow(DriverServer& server, const form::FormDescription& description, int phone = -1);
    ~BrowserWindow() override;
    BrowserWindow(const BrowserWindow&) = delete;
    BrowserWindow& operator=(const BrowserWindow&) = delete;

    std::u16string OutputText() override { return Now().output; }
    bool TypeSelected(form::Index index) override;
    // The page's handlers have returned before the engine answers an input;
    // one that failed has logged it, and the window counts as gone.
    selection::ClickGuard Guard() override { return selection::ClickGuard::Idle; }
    void Click(ControlId control, Point at, Button button = Button::Left) override;
    void DoubleClick(ControlId control, Point at) override;
    void Drag(ControlId control, Point from, Point to) override;
    void Press(Key key, Modifier held = Modifier::None) override;
    void Focus(ControlId control) override;
    std::u16string Focused() override { return Now().focused; }
    Rect RowRect(form::Index row) override;
    Point Size(ControlId control) override;
    Rect Bounds(ControlId control) override;
    ControlId ParentOf(ControlId control) override;
    bool IsShown(ControlId control) override { return Read("shown", control).get<bool>(); }
    bool IsTabStop(ControlId control) override { return Read("tabStop", control).get<bool>(); }
    std::vector<std::u16string> Items(ControlId list) override { return Texts(Read("items", list)); }
    Rgb Pixel(ControlId control, Point at) override;
    Font FontOf(ControlId control) override;
    std::u16string Title() override;
    bool IsResizable() override { return Ask("ribi.resizable()").get<bool>(); }
    TextSelection OutputSelection() override;
    int OutputLines() override { return Ask("ribi.lines()").get<int>(); }
    std::vector<std::u16string> OutputRows() override { return Texts(Ask("ribi.rows()")); }
    bool NarrowOutput(int width) override;
    std::u16string ClipboardText() override;
    int FirstVisibleOutputLine() override { return Ask("ribi.firstLine()").get<int>(); }
    bool OutputOverflows() override { return Ask("ribi.overflows()").get<bool>(); }
    form::Index SelectedRow() override { return Now().row; }
    bool IsOpen() override { return Now().shown && errors_ == 0; }
    int ListClicks() override { return Now().listClicks; }
    int OptionClicks() override { return Now().optionClicks; }
    int OutputShows() override { return Now().shows; }
    int OutputNotifications() override;
    std::string Lacks(Lack what) override;

private:
    // What a pupil sees, read once after each action.
    struct State {
        std::u16string output; // with the program's CR LF breaks
        form::Index row = -1;
        std::vector<bool> types;
        std::u16string focused;
        int announced = 0;
        bool shown = false;
        // From the box's writes since the page was loaded.
        int shows = 0;
        int listClicks = 0;
        int optionClicks = 0;
        int checked = -1; // the option marked at the last write
    };

    // Texts the page gives as arrays of UTF-16 code units.
    static std::vector<std::u16string> Texts(const nlohmann::json& texts);
    void TypeCharacters(std::u16string_view text) override;
    void PutOnClipboard(std::u16string_view text) override { clipboard_ = text; }

    nlohmann::json Ask(const std::string& expression);
    // The page helper's `helper` of the control.
    nlohmann::json Read(const std::string& helper, ControlId control);
    // An input, which answers with what the pupil sees after it.
    void Act(const std::string& call, nlohmann::json args);
    const nlohmann::json& Layout(const std::string& helper, ControlId control);
    nlohmann::json ViewportPoint(ControlId control, Point at);
    void PointerAt(const std::string& call, ControlId control, Point at, nlohmann::json more = nlohmann::json::array());
    void Take(const nlohmann::json& now);
    const State& Now();

    DriverServer& server_;
    int page_;
    int errors_ = 0;
    State state_;
    bool fresh_ = false;
    std::u16string clipboard_;
    std::map<std::string, nlohmann::json> layout_; // by helper and control
};

} // namespace ribi::testing
