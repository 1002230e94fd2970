#pragma once

// How the main window looks at 96 dots per inch: each visible control's
// place in its parent's client pixels, the background colours and the
// font, written out by hand from the design rather than computed from the description.

#include "tests/window_driver.h"

#include <array>

namespace ribi::testing::look {

using testing::Rect;
using testing::Rgb;

inline constexpr Rect kClientArea{0, 0, 469, 345};
inline constexpr std::u16string_view kTitle = u"www.velorna.bg  Велорна";

struct Placed {
    ControlId control;
    Rect rect;
};

// The options' places are inside the frame.
inline constexpr std::array<Placed, 7> kPlaces{{
    {kOutput, {8, 184, 449, 153}},
    {{u"Label1", 0}, {72, 0, 305, 25}},
    {{u"Frame1", 0}, {16, 40, 233, 73}},
    {OptionId(0), {8, 20, 217, 20}},
    {OptionId(1), {8, 40, 217, 20}},
    {kNames, {288, 60, 161, 99}},
    {{u"Label1", 1}, {288, 40, 161, 20}},
}};

inline constexpr Rgb kWindowColour{192, 192, 255};
inline constexpr Rgb kLabelColour{255, 192, 128};
inline constexpr Rgb kFrameColour{128, 255, 128};
inline constexpr Rgb kOptionColour{255, 128, 0};
inline constexpr Rgb kNamesColour{128, 128, 128};

// Every control's.
inline constexpr std::u16string_view kFontFamily = u"Times New Roman";
inline constexpr int kFontPixels = 16; // 12 points at 96 dots per inch
inline constexpr int kFontWeight = 400;
inline constexpr int kFontCharset = 204; // Cyrillic (RUSSIAN_CHARSET)

// Points, in a control's own pixels (the window's for an empty name),
// where nothing but its background shows.
struct Sample {
    const char* what;
    ControlId control;
    Point at;
    Rgb colour;
};

inline constexpr std::array<Sample, 8> kBackgrounds{{
    {"window", kWindow, {3, 30}, kWindowColour},
    {"window", kWindow, {3, 170}, kWindowColour},
    {"banner", {u"Label1", 0}, {3, 20}, kLabelColour},
    {"names label", {u"Label1", 1}, {3, 17}, kLabelColour},
    {"frame", {u"Frame1", 0}, {6, 66}, kFrameColour},
    {"frame", {u"Frame1", 0}, {228, 30}, kFrameColour},
    {"option", OptionId(0), {214, 3}, kOptionColour},
    {"option", OptionId(1), {214, 3}, kOptionColour},
}};

} // namespace ribi::testing::look
