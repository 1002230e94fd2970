// Every text of the window reads on its background under a dark desktop
// theme: at least 4.5:1 (WCAG 2), measured from the rendered pixels. Runs
// under a dark application palette, or under the platform's own theme when
// that is already dark (Qt's GTK theme with GTK_THEME=Adwaita:dark).

#include "form/qt/application_setup.h"
#include "tests/expected_look.h"
#include "tests/expected_output.h"
#include "tests/qt_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace ribi::testing {
namespace {

constexpr double kReadable = 4.5;

double Luminance(QColor colour)
{
    const auto linear = [](double channel) {
        channel /= 255.0;
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

double Contrast(QColor a, QColor b)
{
    const auto [darker, lighter] = std::minmax({Luminance(a), Luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

// The commonest colour of an area is its background; its text is the
// pixel farthest from it (antialiased edges lie between the two).
struct Reading {
    QColor background;
    QColor text;
    double contrast = 0;
};

Reading Read(const QImage& shot, QRect area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++counts[shot.pixel(x, y) | 0xFF000000u];
    Reading reading;
    if (counts.empty()) return reading;
    reading.background = QColor::fromRgb(
        std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first);
    reading.text = reading.background;
    for (const auto& [rgb, count] : counts)
        if (Contrast(QColor::fromRgb(rgb), reading.background) > reading.contrast) {
            reading.text = QColor::fromRgb(rgb);
            reading.contrast = Contrast(reading.text, reading.background);
        }
    return reading;
}

std::ostream& operator<<(std::ostream& out, const Reading& reading)
{
    return out << reading.text.name().toStdString() << " on " << reading.background.name().toStdString() << ": "
               << reading.contrast << ":1";
}

class DarkTheme : public ::testing::Test {
protected:
    // A dark application palette, unless the platform's theme is dark already.
    static void SetUpTestSuite()
    {
        // Qt derives the rest from a dark button colour: white text on black.
        if (Luminance(QApplication::palette().color(QPalette::Window)) > 0.2)
            QApplication::setPalette(QPalette(QColor(53, 53, 53)));
    }

    QRect InForm(const QWidget* widget, QRect rect) const
    {
        return {widget->mapTo(&window_.form, rect.topLeft()), rect.size()};
    }
    QImage Shot()
    {
        QApplication::processEvents();
        QImage shot = window_.form.grab().toImage();
        if (const QString path = qEnvironmentVariable("RIBI_CONTRAST_SHOT"); !path.isEmpty()) shot.save(path);
        return shot;
    }
    QRect CaptionOf(QGroupBox* frame) const
    {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        return InForm(frame,
                      frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame));
    }
    QRect CaptionOf(form::qt::OptionWidget* button) const
    {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return InForm(button, button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button));
    }
    QRect Row(int row)
    {
        return InForm(window_.Names()->viewport(), window_.Names()->visualItemRect(window_.Names()->item(row)));
    }

    QtWindow window_;
};

TEST_F(DarkTheme, TheDesktopIsDarkIndeed)
{
    EXPECT_LT(Luminance(QApplication::palette().color(QPalette::Base)), 0.1);
    EXPECT_GT(Luminance(QApplication::palette().color(QPalette::Text)), 0.5);
}

TEST_F(DarkTheme, CaptionsAndLabelsReadOnTheirFixedColours)
{
    const QImage shot = Shot();
    const std::pair<const char*, QRect> texts[] = {
        {"banner", InForm(window_.Control(u"Label1", 0), window_.Control(u"Label1", 0)->rect())},
        {"names label", InForm(window_.Control(u"Label1", 1), window_.Control(u"Label1", 1)->rect())},
        {"frame caption", CaptionOf(window_.Control<QGroupBox>(u"Frame1"))},
        {"option 0", CaptionOf(window_.Option(0))},
        {"option 1", CaptionOf(window_.Option(1))},
    };
    for (const auto& [what, area] : texts) {
        const Reading reading = Read(shot, area);
        EXPECT_GE(reading.contrast, kReadable) << what << ": " << reading;
        EXPECT_LT(Luminance(reading.text), 0.05)
            << what << ": the text keeps the dark colour fixed with its background";
    }
}

TEST_F(DarkTheme, ListItemsAndTheSelectedRowRead)
{
    const form::Index catfish = expected::Row(u"сом");
    window_.ClickSpecies(catfish);
    int shown = 0; // an item in sight other than the selected one
    while (shown == catfish ||
           !window_.Names()->viewport()->rect().contains(window_.Names()->visualItemRect(window_.Names()->item(shown))))
        ++shown;
    const Reading plain = Read(Shot(), Row(shown));
    EXPECT_EQ(plain.background, QColor(look::kNamesColour.red, look::kNamesColour.green, look::kNamesColour.blue));
    EXPECT_GE(plain.contrast, kReadable) << "item: " << plain;

    const Reading selected = Read(Shot(), Row(catfish));
    EXPECT_GE(selected.contrast, kReadable) << "selected row, list focused: " << selected;

    window_.Output()->setFocus();
    const Reading unfocused = Read(Shot(), Row(catfish));
    EXPECT_GE(unfocused.contrast, kReadable) << "selected row, focus elsewhere: " << unfocused;
}

// The output box keeps no colour of its own: it is the theme's, dark with
// light text, and reads as the theme does.
TEST_F(DarkTheme, TheOutputBoxFollowsTheTheme)
{
    window_.ClickSpecies(expected::Row(u"сом"));
    auto* viewport = window_.Output()->viewport();
    const Reading output = Read(Shot(), InForm(viewport, viewport->rect()));
    // The theme's colour, give or take the rounding of its 16-bit channels.
    EXPECT_LT(Contrast(output.background, QApplication::palette(window_.Output()).color(QPalette::Base)), 1.02)
        << output;
    EXPECT_GE(output.contrast, kReadable) << "output box: " << output;
}

} // namespace
} // namespace ribi::testing
