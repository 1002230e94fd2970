// Random user actions on the real Win32 window, with fixed seeds, posted
// through the program's message loop. After every action the window must
// be in a state a pupil could explain: no handler left running, the output
// box holding one of the program's outputs or what the pupil typed, and a
// shown species' type marked.

#include "catalogue/catalogue.h"
#include "tests/expected_output.h"
#include "tests/win32/win32_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <iostream>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <vector>

namespace ribi::testing {
namespace {

using Clock = std::chrono::steady_clock;

enum class Action { Click, DoubleClick, RightClick, Drag, Key, Type, Paste };

struct Event {
    Action action;
    POINT at = {}; // in the window's client area
    POINT to = {}; // where a drag ends
    WORD key = 0;
    bool shift = false;
    bool control = false;
    std::u16string text = {};
};

struct NamedKey {
    WORD key;
    const char* name;
};

constexpr NamedKey kKeys[] = {
    {VK_UP, "Up"},
    {VK_DOWN, "Down"},
    {VK_LEFT, "Left"},
    {VK_RIGHT, "Right"},
    {VK_HOME, "Home"},
    {VK_END, "End"},
    {VK_PRIOR, "PageUp"},
    {VK_NEXT, "PageDown"},
    {VK_TAB, "Tab"},
    {VK_SPACE, "Space"},
    {VK_RETURN, "Enter"},
    {VK_BACK, "Backspace"},
    {VK_DELETE, "Delete"},
    {VK_ESCAPE, "Escape"},
    {'A', "A"},
    {'C', "C"},
    {'V', "V"},
    {'X', "X"},
    {'Z', "Z"},
};

std::string Describe(const Event& e)
{
    std::ostringstream out;
    const auto point = [&](POINT p) { out << '(' << p.x << ',' << p.y << ')'; };
    switch (e.action) {
    case Action::Click:
        out << "click ";
        point(e.at);
        break;
    case Action::DoubleClick:
        out << "double click ";
        point(e.at);
        break;
    case Action::RightClick:
        out << "right click ";
        point(e.at);
        break;
    case Action::Drag:
        out << "drag ";
        point(e.at);
        out << " to ";
        point(e.to);
        break;
    case Action::Key:
        out << "key " << (e.control ? "Ctrl+" : "") << (e.shift ? "Shift+" : "");
        for (const auto& named : kKeys)
            if (named.key == e.key) out << named.name;
        break;
    case Action::Type:
        out << "type";
        for (const char16_t c : e.text) out << " U+" << std::hex << std::uppercase << static_cast<unsigned>(c);
        break;
    case Action::Paste:
        out << "paste " << e.text.size() << " code units";
        break;
    }
    return out.str();
}

// Where a control lies in the window's client area.
RECT InWindow(const Win32Window& w, HWND control)
{
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, w.form.Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class EventMaker {
public:
    explicit EventMaker(unsigned seed) : random_(seed) {}

    Event Next(const Win32Window& w)
    {
        if (pasteClicked_) {
            pasteClicked_ = false;
            pasted_ = true;
            return {.action = Action::Paste, .text = PastedText()};
        }
        if (pasted_) {
            pasted_ = false;
            return {Action::Click, SpeciesPoint(w)};
        }
        const int roll = Uniform(0, 99);
        if (roll < 30) return {Action::Click, Point(w)};
        if (roll < 36) return {Action::DoubleClick, Point(w)};
        if (roll < 41) return {Action::RightClick, Point(w)};
        if (roll < 46) return {Action::Drag, Point(w), Point(w)};
        if (roll < 78) return Key();
        if (roll < 98) return {.action = Action::Type, .text = Text()};
        // A page pasted into the output box, then a species clicked.
        pasteClicked_ = true;
        return {Action::Click, OutputPoint(w)};
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    LONG Between(LONG low, LONG high) { return Uniform(static_cast<int>(low), static_cast<int>(high)); }

    // Half inside a control, half anywhere, the window's edges included.
    POINT Point(const Win32Window& w)
    {
        if (Uniform(0, 1) == 0) return {Uniform(-2, 470), Uniform(-2, 346)};
        std::vector<HWND> shown;
        for (const auto& c : window::MainFormDescription().controls)
            if (c.visible) shown.push_back(w.Control(c.name, c.index));
        const RECT r = InWindow(w, shown[static_cast<std::size_t>(Uniform(0, static_cast<int>(shown.size()) - 1))]);
        return {Between(r.left, r.right - 1), Between(r.top, r.bottom - 1)};
    }

    POINT OutputPoint(const Win32Window& w)
    {
        const RECT r = InWindow(w, w.Output());
        return {Between(r.left + 2, r.right - 20), Between(r.top + 2, r.bottom - 3)}; // clear of the scroll bar
    }

    // Somewhere on one of the names the list shows now.
    POINT SpeciesPoint(const Win32Window& w)
    {
        const HWND names = w.Names();
        RECT client{};
        GetClientRect(names, &client);
        const auto top = static_cast<int>(SendMessageW(names, LB_GETTOPINDEX, 0, 0));
        const auto height = static_cast<int>(SendMessageW(names, LB_GETITEMHEIGHT, 0, 0));
        const int row = top + Uniform(0, client.bottom / height - 1);
        RECT item{};
        SendMessageW(names, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        POINT at{Between(item.left, item.right - 1), Between(item.top, item.bottom - 1)};
        MapWindowPoints(names, w.form.Handle(), &at, 1);
        return at;
    }

    Event Key()
    {
        const NamedKey& named = kKeys[Uniform(0, static_cast<int>(std::size(kKeys)) - 1)];
        Event e{.action = Action::Key, .key = named.key};
        const int modifiers = Uniform(0, 9);
        e.control = modifiers == 0 || (named.key >= 'A' && named.key <= 'Z');
        e.shift = modifiers == 1 || (named.key == VK_TAB && modifiers < 5); // Shift+Tab as often as Tab
        return e;
    }

    // 256 KiB of UTF-16 in lines, as a pupil might paste a page or two.
    static std::u16string PastedText()
    {
        const std::u16string line = u"Щуката живее в тихи сладки води 🐟\r\n";
        std::u16string text;
        while ((text.size() + line.size()) * sizeof(char16_t) <= std::size_t{256} * 1024) text += line;
        return text;
    }

    std::u16string Text()
    {
        static const std::u16string pieces[] = {u"к",
                                                u"с",
                                                u"риба",
                                                u"Щука ",
                                                u"\r",
                                                u"\n",
                                                u"\r\n",
                                                u"\t",
                                                u"🐟",
                                                std::u16string(1, char16_t(0xD83D)),
                                                std::u16string(1, char16_t(0xDC1F)),
                                                u"1",
                                                u" ",
                                                std::u16string(expected::kSpeciesHeading)};
        std::u16string text;
        for (int n = Uniform(1, 4); n > 0; --n) text += pieces[Uniform(0, static_cast<int>(std::size(pieces)) - 1)];
        return text;
    }

    std::mt19937 random_;
    bool pasteClicked_ = false;
    bool pasted_ = false;
};

// The window a real press at `at` reaches, as the system finds it: the
// deepest control there, less those that let the mouse through (labels,
// the frame's border).
HWND Target(const Win32Window& w, POINT at)
{
    std::vector<HWND> chain{w.form.Handle()};
    POINT local = at;
    for (;;) {
        const HWND child = ChildWindowFromPointEx(chain.back(), local, CWP_SKIPINVISIBLE);
        if (!child || child == chain.back()) break;
        MapWindowPoints(chain.back(), child, &local, 1);
        chain.push_back(child);
    }
    POINT screen = at;
    ClientToScreen(w.form.Handle(), &screen);
    while (chain.size() > 1 &&
           SendMessageW(chain.back(), WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) == HTTRANSPARENT)
        chain.pop_back();
    return chain.back();
}

POINT In(const Win32Window& w, HWND target, POINT at)
{
    MapWindowPoints(w.form.Handle(), target, &at, 1);
    return at;
}

void Send(Win32Window& w, const Event& e)
{
    const HWND target = Target(w, e.at);
    const POINT at = In(w, target, e.at);
    switch (e.action) {
    case Action::Click:
        w.Click(target, at);
        break;
    case Action::RightClick:
        w.Click(target, at, Button::Right);
        break;
    case Action::DoubleClick:
        w.DoubleClick(target, at);
        break;
    case Action::Drag: {
        const POINT to = In(w, target, e.to);
        PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        PostMessageW(target, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        PostMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
        w.Pump();
        break;
    }
    case Action::Key:
        w.Key(e.key, e.shift, e.control);
        break;
    case Action::Type:
        // As the keyboard layout delivers them: one WM_CHAR per code unit.
        for (const char16_t c : e.text) PostMessageW(GetFocus(), WM_CHAR, c, 1);
        w.Pump();
        break;
    case Action::Paste:
        w.Paste(e.text);
        break;
    }
}

// A right click in the output box opens the edit's own menu, whose loop
// waits for the user: once it is idle, they close it with Escape.
class MenuCloser {
public:
    MenuCloser() : hook_(SetWindowsHookExW(WH_CALLWNDPROC, &Closing, nullptr, GetCurrentThreadId())) {}
    ~MenuCloser()
    {
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    MenuCloser(const MenuCloser&) = delete;
    MenuCloser& operator=(const MenuCloser&) = delete;

    bool Hooked() const { return hook_ != nullptr; }

private:
    static LRESULT CALLBACK Closing(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent->message == WM_ENTERIDLE && sent->wParam == MSGF_MENU) {
            PostMessageW(sent->hwnd, WM_KEYDOWN, VK_ESCAPE, 1);
            PostMessageW(sent->hwnd, WM_KEYUP, VK_ESCAPE, 1 | (LPARAM{3} << 30));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_;
};

// Everything the handlers can write.
std::set<std::u16string> ProgramOutputs()
{
    Win32Window w;
    std::set<std::u16string> outputs;
    for (int p = 0; p < 18; ++p) {
        w.ClickItem(p);
        outputs.insert(w.Shown());
    }
    for (const form::Index t : {form::Index{0}, form::Index{1}}) {
        w.ClickOption(t);
        outputs.insert(w.Shown());
    }
    return outputs;
}

bool Typing(Action action)
{
    return action == Action::Type || action == Action::Key || action == Action::Paste;
}

// What a pupil sees after every action; nothing while all is well.
class Checker {
public:
    Checker(const std::set<std::u16string>& outputs, Win32Window& w) : outputs_(outputs), w_(w), last_(w.Shown()) {}

    void Before()
    {
        outputHadFocus_ = GetFocus() == w_.Output();
        clicks_ = Clicks();
    }

    std::optional<std::string> After(const Event& e)
    {
        if (!IsWindow(w_.form.Handle())) return "the window is gone";
        if (w_.handlers.Guard() != selection::ClickGuard::Idle) return "a handler was left running";
        const std::u16string text = w_.Shown();
        const bool clicked = Clicks() != clicks_;
        if (clicked && !outputs_.contains(text)) return "a click left text that is not one of the program's outputs";
        if (!clicked && text != last_ && !(Typing(e.action) && outputHadFocus_))
            return "the output changed without a click or typing into it";
        last_ = text;
        if (!outputs_.contains(text)) return std::nullopt;
        for (const auto& row : catalogue::AllSpecies()) {
            if (!text.starts_with(expected::SpeciesFirstLine(row.name))) continue;
            const auto type = static_cast<form::Index>(row.typeCode == u"1");
            if (!w_.Checked(type) || w_.Checked(static_cast<form::Index>(1 - type)))
                return "the species shown does not have its type marked";
        }
        return std::nullopt;
    }

private:
    int Clicks() const { return w_.clicks.listClicks + w_.clicks.optionClicks; }

    const std::set<std::u16string>& outputs_;
    Win32Window& w_;
    std::u16string last_;
    bool outputHadFocus_ = false;
    int clicks_ = 0;
};

// Whether `events` on a fresh window fail.
bool Fails(const std::vector<Event>& events, const std::set<std::u16string>& outputs)
{
    Win32Window w;
    Checker checker(outputs, w);
    for (const auto& e : events) {
        checker.Before();
        Send(w, e);
        if (checker.After(e)) return true;
    }
    return false;
}

// Drops every action the failure does not need: long runs first, then one
// at a time, each try on a fresh window.
std::vector<Event> Shortest(std::vector<Event> events, const std::set<std::u16string>& outputs)
{
    for (std::size_t run = std::max<std::size_t>(events.size() / 2, 1);; run /= 2) {
        // Removing [end - run, end) leaves what comes before it in place.
        for (std::size_t end = events.size(); end >= run; end -= run) {
            auto without = events;
            without.erase(without.begin() + static_cast<std::ptrdiff_t>(end - run),
                          without.begin() + static_cast<std::ptrdiff_t>(end));
            if (Fails(without, outputs)) events = std::move(without);
        }
        if (run == 1) return events;
    }
}

TEST(Win32Robustness, RandomUserActionsNeverBreakTheWindow)
{
    const MenuCloser menus;
    ASSERT_TRUE(menus.Hooked());
    const auto outputs = ProgramOutputs();
    ASSERT_EQ(outputs.size(), 20u);
    constexpr unsigned kSeeds[] = {1, 2, 3, 20261208};
    constexpr int kEventsPerSeed = 150;
    // A cap well inside CTest's timeout: a busy machine sends fewer actions
    // rather than failing; one whole seed's worth is the least that counts.
    constexpr auto kBudget = std::chrono::seconds(60);
    const auto start = Clock::now();
    int sent = 0;
    for (const unsigned seed : kSeeds) {
        EventMaker maker(seed);
        std::vector<Event> events;
        Win32Window w;
        Checker checker(outputs, w);
        for (int i = 0; i < kEventsPerSeed && Clock::now() - start < kBudget; ++i, ++sent) {
            events.push_back(maker.Next(w));
            checker.Before();
            Send(w, events.back());
            if (auto failure = checker.After(events.back())) {
                std::ostringstream report;
                report << "seed " << seed << ", action " << i << ": " << *failure << "\nshortest sequence:\n";
                for (const auto& e : Shortest(events, outputs)) report << "  " << Describe(e) << '\n';
                FAIL() << report.str();
            }
        }
    }
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    EXPECT_GE(sent, kEventsPerSeed) << "the time budget ran out before one seed's actions were sent";
    std::cout << sent << " actions in " << took.count() << " ms\n";
}

} // namespace
} // namespace ribi::testing
