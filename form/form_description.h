#pragma once

// A window as data: what every binding builds, control by control. Sizes
// are in twips (1/1440 inch, 15 per pixel at 96 dots per inch), measured
// from the client area's top-left corner, or from the frame's for the
// controls inside a frame.

#include "form/controls.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace ribi::form {

inline constexpr int kTwipsPerInch = 1440;

// 0x00BBGGRR, as the classic platform writes colours: blue in the high byte.
struct Colour {
    std::uint32_t bgr;
    constexpr int Red() const { return static_cast<int>(bgr & 0xFFu); }
    constexpr int Green() const { return static_cast<int>((bgr >> 8) & 0xFFu); }
    constexpr int Blue() const { return static_cast<int>((bgr >> 16) & 0xFFu); }
};

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// Twips to pixels at `dpi` dots per inch, rounded to nearest.
constexpr int TwipsToPixels(int twips, int dpi = 96)
{
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

struct FontDescription {
    std::u16string_view family;
    int pointSize;
    int weight;  // 400 is normal
    int charset; // 204 is Cyrillic
};

enum class ControlKind { TextBox, Label, Frame, OptionButton, ListBox };

struct ControlDescription {
    ControlKind kind = ControlKind::Label;
    std::u16string_view name = {};      // control array name, "List1"
    Index index = 0;                    // element of the array
    std::u16string_view container = {}; // "" for the window, else the frame's name
    TwipsRect bounds = {};
    bool visible = true;
    bool hasBackground = false;
    Colour background{0};
    std::u16string_view text = {};               // caption, or a text box's initial text
    bool centred = false;                        // a label's text alignment
    std::vector<std::u16string_view> items = {}; // a list box's items, in order
    std::u16string_view accessibleName = {};     // what a screen reader announces
    std::u16string_view labelFor = {};           // a label: the control array whose element 0 it names
    bool tabStop = false;
};

struct FormDescription {
    std::u16string_view name;
    std::u16string_view title;
    int clientWidth;  // twips
    int clientHeight; // twips
    Colour background;
    // Text on the window and wherever a control's background is fixed: a
    // theme's own text colour may not read on it.
    Colour foreground{0};
    FontDescription font;
    // In the order the keyboard focus visits them; labels, frames and
    // hidden controls are passed over.
    std::vector<ControlDescription> controls;
};

} // namespace ribi::form
