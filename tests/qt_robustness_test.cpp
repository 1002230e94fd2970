// Thousands of random user actions on the real window, with fixed seeds.
// After every action the window must be in a state a pupil could explain:
// no handler left running, the output box holding one of the program's
// outputs or what the pupil typed, and a shown species' type marked.

#include "catalogue/catalogue.h"
#include "form/qt/qt_text.h"
#include "tests/expected_output.h"
#include "tests/qt_window.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeySequence>

#include <gtest/gtest.h>

#include <iostream>

#include <optional>
#include <random>
#include <set>
#include <sstream>

namespace ribi::testing {
namespace {

enum class Action { Click, DoubleClick, RightClick, Drag, Key, Type, Paste };

struct Event {
    Action action;
    QPoint at = {}; // in the window's client area
    QPoint to = {}; // where a drag ends
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = {};
    std::u16string text = {};
};

std::string Describe(const Event& e)
{
    std::ostringstream out;
    const auto point = [&](QPoint p) { out << '(' << p.x() << ',' << p.y() << ')'; };
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
        out << "key " << QKeySequence(e.modifiers | e.key).toString().toStdString();
        break;
    case Action::Type:
        out << "type " << form::qt::ToQString(e.text).toStdString();
        break;
    case Action::Paste:
        out << "paste " << e.text.size() << " characters";
        break;
    }
    return out.str();
}

class EventMaker {
public:
    explicit EventMaker(unsigned seed) : random_(seed) {}

    Event Next(const QtWindow& w)
    {
        const int roll = Uniform(0, 99);
        if (roll < 30) return {Action::Click, Point(w), {}};
        if (roll < 36) return {Action::DoubleClick, Point(w), {}};
        if (roll < 41) return {Action::RightClick, Point(w), {}};
        if (roll < 46) return {Action::Drag, Point(w), Point(w)};
        if (roll < 78) return Key();
        if (roll < 99 || Uniform(0, 4) > 0) return {Action::Type, {}, {}, Qt::Key_unknown, {}, Text()};
        return {Action::Paste, {}, {}, Qt::Key_unknown, {}, PastedMebibyte()};
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // Half inside a control, half anywhere, the window's edges included.
    QPoint Point(const QtWindow& w)
    {
        if (Uniform(0, 1) == 0) return {Uniform(-2, 470), Uniform(-2, 346)};
        std::vector<const QWidget*> shown;
        for (const auto& c : window::MainFormDescription().controls)
            if (c.visible) shown.push_back(const_cast<QtWindow&>(w).Control(c.name, c.index));
        const QWidget* widget = shown[static_cast<std::size_t>(Uniform(0, static_cast<int>(shown.size()) - 1))];
        const QRect r(widget->mapTo(&w.form, QPoint(0, 0)), widget->size());
        return {Uniform(r.left(), r.right()), Uniform(r.top(), r.bottom())};
    }

    Event Key()
    {
        static constexpr Qt::Key keys[] = {Qt::Key_Up,        Qt::Key_Down,    Qt::Key_Left,   Qt::Key_Right,
                                           Qt::Key_Home,      Qt::Key_End,     Qt::Key_PageUp, Qt::Key_PageDown,
                                           Qt::Key_Tab,       Qt::Key_Backtab, Qt::Key_Space,  Qt::Key_Return,
                                           Qt::Key_Backspace, Qt::Key_Delete,  Qt::Key_Escape, Qt::Key_A,
                                           Qt::Key_X,         Qt::Key_Z,       Qt::Key_V};
        Event e{Action::Key, {}, {}, keys[Uniform(0, std::size(keys) - 1)]};
        const int modifiers = Uniform(0, 9);
        if (modifiers == 0) e.modifiers = Qt::ControlModifier;
        if (modifiers == 1) e.modifiers = Qt::ShiftModifier;
        if (e.key >= Qt::Key_A && e.key <= Qt::Key_Z) e.modifiers = Qt::ControlModifier;
        return e;
    }

    // 1 MiB of UTF-16, in lines, as a pupil might paste a page.
    static std::u16string PastedMebibyte()
    {
        const std::u16string line = u"Щуката живее в тихи сладки води 🐟\r\n";
        std::u16string text;
        while (text.size() + line.size() <= (1u << 19)) text += line;
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
        for (int n = Uniform(1, 4); n > 0; --n) text += pieces[Uniform(0, std::size(pieces) - 1)];
        return text;
    }

    std::mt19937 random_;
};

void Send(QtWindow& w, const Event& e)
{
    const auto target = [&](QPoint at, QPoint& local) {
        QWidget* widget = w.form.childAt(at);
        if (!widget) widget = &w.form;
        local = widget->mapFrom(&w.form, at);
        return widget;
    };
    QPoint local;
    switch (e.action) {
    case Action::Click:
        QTest::mouseClick(target(e.at, local), Qt::LeftButton, {}, local);
        break;
    case Action::RightClick:
        QTest::mouseClick(target(e.at, local), Qt::RightButton, {}, local);
        break;
    case Action::DoubleClick:
        QTest::mouseDClick(target(e.at, local), Qt::LeftButton, {}, local);
        break;
    case Action::Drag: {
        QWidget* from = target(e.at, local);
        QTest::mousePress(from, Qt::LeftButton, {}, local);
        const QPoint end = from->mapFrom(&w.form, e.to);
        QMouseEvent move(QEvent::MouseMove, end, from->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(from, &move);
        QTest::mouseRelease(from, Qt::LeftButton, {}, end);
        break;
    }
    case Action::Key: {
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &w.form;
        QTest::keyClick(focus, e.key, e.modifiers);
        break;
    }
    case Action::Type: {
        const QString text = form::qt::ToQString(e.text);
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &w.form;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c == u'\r' || c == u'\n') {
                QTest::keyClick(focus, Qt::Key_Return);
                continue;
            }
            // A surrogate pair is one key press.
            const qsizetype n = (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text.mid(i, n));
            QApplication::sendEvent(focus, &press);
            i += n - 1;
        }
        break;
    }
    case Action::Paste: {
        QApplication::clipboard()->setText(form::qt::ToQString(e.text));
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &w.form;
        QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
        break;
    }
    }
}

// Everything the handlers can write.
std::set<std::u16string> ProgramOutputs()
{
    QtWindow w;
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

// What a pupil sees after every action; empty while all is well.
class Checker {
public:
    explicit Checker(const std::set<std::u16string>& outputs) : outputs_(outputs) {}

    std::optional<std::string> After(QtWindow& w, const Event& e, bool outputHadFocus, int clicksBefore)
    {
        if (w.handlers.Guard() != selection::ClickGuard::Idle) return "a handler was left running";
        const std::u16string text = w.Shown();
        const bool clicked = w.clicks.listClicks + w.clicks.optionClicks != clicksBefore;
        if (clicked && !outputs_.contains(text)) return "a click left text that is not one of the program's outputs";
        if (!clicked && text != last_) {
            const bool typing = e.action == Action::Type || e.action == Action::Key || e.action == Action::Paste;
            if (!typing || !outputHadFocus) return "the output changed without a click or typing into it";
        }
        last_ = text;
        const auto& rows = catalogue::AllSpecies();
        for (const auto& row : rows) {
            if (!text.starts_with(expected::SpeciesFirstLine(row.name))) continue;
            if (!outputs_.contains(text)) break;
            const auto type = static_cast<form::Index>(row.typeCode == u"1");
            if (!w.Option(type)->isChecked() || w.Option(static_cast<form::Index>(1 - type))->isChecked())
                return "the species shown does not have its type marked";
        }
        return std::nullopt;
    }

    void Start(const std::u16string& text) { last_ = text; }

private:
    const std::set<std::u16string>& outputs_;
    std::u16string last_;
};

// Runs `events` on a fresh window; the index and reason of the first failure.
std::optional<std::pair<std::size_t, std::string>> Run(const std::vector<Event>& events,
                                                       const std::set<std::u16string>& outputs)
{
    QtWindow w;
    Checker checker(outputs);
    checker.Start(w.Shown());
    for (std::size_t i = 0; i < events.size(); ++i) {
        const bool outputHadFocus = QApplication::focusWidget() == w.Output();
        const int clicks = w.clicks.listClicks + w.clicks.optionClicks;
        Send(w, events[i]);
        if (auto failure = checker.After(w, events[i], outputHadFocus, clicks)) return std::pair{i, *failure};
    }
    return std::nullopt;
}

// Drops every action the failure does not need.
std::vector<Event> Shortest(std::vector<Event> events, const std::set<std::u16string>& outputs)
{
    for (std::size_t i = events.size(); i-- > 0;) {
        auto without = events;
        without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
        if (Run(without, outputs)) events = std::move(without);
    }
    return events;
}

TEST(Robustness, RandomUserActionsNeverBreakTheWindow)
{
    const auto outputs = ProgramOutputs();
    ASSERT_EQ(outputs.size(), 20u);
    constexpr unsigned kSeeds[] = {1, 2, 3, 20261208};
    constexpr int kEventsPerSeed = 1500;
    // A cap well inside CTest's timeout: a busy machine sends fewer actions
    // rather than failing; one whole seed's worth is the least that counts.
    constexpr qint64 kBudgetMs = 60'000;
    int sent = 0;
    QElapsedTimer clock;
    clock.start();
    std::pair<qint64, std::string> slowest;
    for (unsigned seed : kSeeds) {
        EventMaker maker(seed);
        std::vector<Event> events;
        QtWindow w;
        Checker checker(outputs);
        checker.Start(w.Shown());
        for (int i = 0; i < kEventsPerSeed && clock.elapsed() < kBudgetMs; ++i, ++sent) {
            events.push_back(maker.Next(w));
            const bool outputHadFocus = QApplication::focusWidget() == w.Output();
            const int clicks = w.clicks.listClicks + w.clicks.optionClicks;
            QElapsedTimer took;
            took.start();
            Send(w, events.back());
            slowest = std::max(slowest, std::pair{took.elapsed(), Describe(events.back())});
            if (auto failure = checker.After(w, events.back(), outputHadFocus, clicks)) {
                std::ostringstream report;
                report << "seed " << seed << ", action " << i << ": " << *failure << "\nshortest sequence:\n";
                for (const auto& e : Shortest(events, outputs)) report << "  " << Describe(e) << '\n';
                FAIL() << report.str();
            }
        }
    }
    EXPECT_GE(sent, kEventsPerSeed) << "the time budget ran out before one seed's actions were sent";
    std::cout << "slowest action: " << slowest.second << ", " << slowest.first << " ms; all took " << clock.elapsed()
              << " ms\n";
}

} // namespace
} // namespace ribi::testing
