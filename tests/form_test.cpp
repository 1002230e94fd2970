// The form layer: the plan a description gives, and the runtime's controls
// with the rules every window's controls follow, fed events as a binding
// feeds them, with recording views in place of a toolkit's widgets. What
// every window shows of these rules the shared suites check on the windows.

#include "form/control_error.h"
#include "form/form.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace ribi::testing {
namespace {

using form::ControlKind;
using form::Index;

form::ControlDescription Control(ControlKind kind, std::u16string_view name, Index index,
                                 std::u16string_view container = u"")
{
    return {.kind = kind, .name = name, .index = index, .container = container, .tabStop = true};
}

// Every control a tab stop, each array declared out of Index order: a
// hidden list, a list of five rows, a frame of three options, a label, a
// frame of one option and a text box.
form::FormDescription Small()
{
    form::FormDescription form{};
    auto& c = form.controls;
    c.push_back(Control(ControlKind::ListBox, u"List1", 1)); // 0
    c.back().visible = false;
    c.push_back(Control(ControlKind::ListBox, u"List1", 0)); // 1
    c.back().items = {u"а", u"б", u"в", u"г", u"д"};
    c.push_back(Control(ControlKind::Frame, u"Frame1", 0));                    // 2
    c.push_back(Control(ControlKind::OptionButton, u"Option1", 1, u"Frame1")); // 3
    c.push_back(Control(ControlKind::OptionButton, u"Option1", 0, u"Frame1")); // 4
    c.push_back(Control(ControlKind::OptionButton, u"Option1", 2, u"Frame1")); // 5
    c.push_back(Control(ControlKind::Label, u"Label1", 0));                    // 6
    c.push_back(Control(ControlKind::Frame, u"Frame2", 0));                    // 7
    c.push_back(Control(ControlKind::OptionButton, u"Option1", 3, u"Frame2")); // 8
    c.push_back(Control(ControlKind::TextBox, u"Text1", 0));                   // 9
    c.back().text = u"задача\r\n";
    return form;
}

struct Clicks final : form::ClickSink {
    void ListClick(Index) override { ++list; }
    void OptionClick(Index index) override { options.push_back(index); }
    int list = 0;
    std::vector<Index> options;
};

struct ListView final : form::ListBoxView {
    void ShowSelection(Index row) override { shown = row; }
    Index shown = -1;
};

struct OptionView final : form::OptionButtonView {
    void ShowChecked(bool checked) override { this->checked = checked; }
    void ShowTabStop(bool tabStop) override { this->tabStop = tabStop; }
    void TakeFocus() override {}
    bool checked = false;
    bool tabStop = false;
};

struct TextView final : form::TextBoxView {
    void ShowText(std::u16string_view text) override { shown.emplace_back(text); }
    std::u16string TypedText() const override { return typed; }
    std::vector<std::u16string> shown;
    std::u16string typed;
};

struct SmallForm {
    SmallForm()
    {
        form.Connect(&clicks);
        list.Attach(&listView);
        for (Index i = 0; i < 4; ++i) form.Option1(i).Attach(&optionViews[static_cast<std::size_t>(i)]);
    }
    const form::FormDescription description = Small();
    form::Form form{description};
    Clicks clicks;
    form::ListBoxControl& list = form.List1(0);
    ListView listView;
    std::array<OptionView, 4> optionViews;
};

TEST(FormPlan, RefusesAnElementDescribedTwiceOrANegativeIndex)
{
    form::FormDescription twice{};
    twice.controls = {Control(ControlKind::ListBox, u"List1", 1), Control(ControlKind::ListBox, u"List1", 1)};
    EXPECT_THROW(form::FormPlan{twice}, std::invalid_argument);
    form::FormDescription negative{};
    negative.controls = {Control(ControlKind::ListBox, u"List1", -1)};
    EXPECT_THROW(form::FormPlan{negative}, std::invalid_argument);
}

TEST(Form, ElementsByDeclaredNameAndIndexAndTabOrderOverVisibleTabStops)
{
    SmallForm f;
    EXPECT_EQ(f.list.List(4), u"д"); // List1(0), declared after List1(1)
    EXPECT_THROW(f.form.List1(2), form::ControlError);
    EXPECT_THROW(f.form.Option1(4), form::ControlError);
    EXPECT_THROW(f.list.List(5), form::ControlError);
    EXPECT_THROW(f.list.List(-1), form::ControlError);
    // In described order, without the hidden list, the frames or the label.
    EXPECT_EQ(f.form.Plan().TabOrder(), (std::vector<form::Position>{1, 3, 4, 5, 8, 9}));
}

TEST(ListBoxControl, ADragFollowsThePointerAndIsOneClickAtTheRelease)
{
    SmallForm f;
    f.list.Press(0);
    for (Index row = 1; row <= 4; ++row) f.list.Move(row);
    f.list.Move(-1);    // off the items: the selection stays
    f.list.Selected(3); // the toolkit's own list, scrolling during the drag
    EXPECT_EQ(f.listView.shown, 3);
    EXPECT_EQ(f.clicks.list, 0);
    f.list.Release();
    f.list.Move(2); // the button is up
    f.list.Release();
    EXPECT_EQ(f.list.ListIndex(), 3);
    EXPECT_EQ(f.clicks.list, 1);
    for (const Index nowhere : {Index{-1}, Index{5}}) { // on no item, past the last
        f.list.Press(nowhere);
        f.list.Release();
    }
    EXPECT_EQ(f.clicks.list, 1);
}

// A release on the row shown is a Click again; the second press of a
// double click there, a lost release and a key are Clicks only for a new row.
TEST(ListBoxControl, ASecondPressALostReleaseOrAKeyIsAClickOnlyForANewRow)
{
    SmallForm f;
    f.list.Choose(1);
    f.list.SecondPress(1);
    f.list.Move(3); // no drag either
    f.list.Release();
    EXPECT_EQ(f.list.ListIndex(), 1);
    EXPECT_EQ(f.clicks.list, 1);
    f.list.SecondPress(2);
    f.list.Release();
    EXPECT_EQ(f.listView.shown, 2);
    EXPECT_EQ(f.clicks.list, 2);

    f.list.Press(0);
    f.list.Cancelled();
    EXPECT_EQ(f.clicks.list, 3);
    f.list.Press(3);
    f.list.Move(0); // back to the row shown
    f.list.Cancelled();
    f.list.Cancelled(); // no press any more
    f.list.Selected(0); // an arrow at the end of the list, selecting what is shown
    EXPECT_EQ(f.clicks.list, 3);
    f.list.Selected(2);
    EXPECT_EQ(f.clicks.list, 4);
    f.list.Selected(-1); // nothing a list can select
    EXPECT_EQ(f.list.ListIndex(), 2);
    f.list.Choose(2); // assistive technology: a click, on the row shown too
    EXPECT_EQ(f.clicks.list, 5);
}

// Tab enters a frame's options at the selected one, else at the first. The
// arrows' round of a frame's options in Index order is the windows' to check.
TEST(OptionButtonControl, AWriteRaisesClickOnlyWhenItSelectsAPupilsClickAlways)
{
    SmallForm f;
    const auto tabStops = [&] {
        std::vector<bool> stops;
        for (const auto& view : f.optionViews) stops.push_back(view.tabStop);
        return stops;
    };
    EXPECT_EQ(tabStops(), (std::vector<bool>{true, false, false, true}));
    EXPECT_FALSE(f.form.Option1(3).Arrow(true)); // alone in its frame: the arrow is not the option's
    auto& first = f.form.Option1(0);
    first.SetValue(true);
    first.SetValue(true); // selected already
    first.Clicked();      // the pupil's click on the selected option
    EXPECT_EQ(f.clicks.options, (std::vector<Index>{0, 0}));

    f.form.Option1(3).Clicked(); // the other frame: Option1(0) stays selected
    EXPECT_TRUE(first.Value());
    f.form.Option1(2).Clicked();
    EXPECT_FALSE(first.Value());
    EXPECT_FALSE(f.optionViews[0].checked);
    EXPECT_TRUE(f.optionViews[2].checked);
    EXPECT_EQ(tabStops(), (std::vector<bool>{false, false, true, true}));

    f.form.Option1(2).SetValue(false); // silent, and nothing in the frame is selected
    EXPECT_FALSE(f.optionViews[2].checked);
    EXPECT_EQ(tabStops(), (std::vector<bool>{true, false, false, true}));
    EXPECT_EQ(f.clicks.options, (std::vector<Index>{0, 0, 3, 2}));
}

TEST(TextBoxControl, KeepsCrLfAndReadsWhatThePupilTypedThroughItsViewWhenAsked)
{
    SmallForm f;
    auto& box = f.form.Text1(0);
    TextView view;
    box.Attach(&view, form::LineBreaks::Lf);
    EXPECT_EQ(view.shown, (std::vector<std::u16string>{u"задача\n"}));
    view.typed = u"задача\nбележка";
    EXPECT_EQ(box.Text(), u"задача\r\n"); // not typed as far as the box knows
    box.Typed();
    EXPECT_EQ(box.Text(), u"задача\r\nбележка");
    box.SetText(u"а\r\n"); // outside a click: shown at once
    EXPECT_EQ(view.shown.back(), u"а\n");

    TextView drawn; // a page drawn with the text, typed into before the program ran
    drawn.typed = u"а\nб";
    box.Attach(&drawn, form::LineBreaks::Lf, true);
    EXPECT_TRUE(drawn.shown.empty());
    EXPECT_EQ(box.Text(), u"а\r\nб");
}

// What the handlers write inside a click, nested clicks too, reaches the
// view once, at the end of the outermost; nothing written, nothing shown.
TEST(TextBoxControl, ShownAtTheEndOfTheOutermostClick)
{
    SmallForm f;
    TextView view;
    f.form.Text1(0).Attach(&view, form::LineBreaks::CrLf);
    struct Writer final : form::ClickSink {
        explicit Writer(form::Form& f) : form(f) {}
        void ListClick(Index) override
        {
            form.Text1(0).SetText(u"1");
            form.Option1(1).SetValue(true); // its Click, nested, writes too
            form.Text1(0).SetText(u"3");
        }
        void OptionClick(Index) override { form.Text1(0).SetText(u"2"); }
        form::Form& form;
    } writer(f.form);
    f.form.Connect(&writer);
    f.list.Choose(0);
    EXPECT_EQ(view.shown, (std::vector<std::u16string>{u"задача\r\n", u"3"}));
    f.form.Connect(nullptr);
    f.list.Choose(1); // a click that writes nothing shows nothing
    EXPECT_EQ(view.shown.size(), 2U);
}

} // namespace
} // namespace ribi::testing
