#pragma once

// What a binding's widget shows of a control of the form. The form layer
// keeps each control's state and tells the view whenever it changes; the
// view feeds its toolkit's events back to the control. A view that a
// toolkit's own widget stands behind may change what it shows by itself
// (a list box moving its selection on a key); it then tells the control
// at once, so that the two never disagree.

#include "form/controls.h"

#include <string>
#include <string_view>

namespace ribi::form {

class ListBoxView {
public:
    virtual ~ListBoxView() = default;
    // `row` is the selected row from now on; -1 for none.
    virtual void ShowSelection(Index row) = 0;
};

class OptionButtonView {
public:
    virtual ~OptionButtonView() = default;
    virtual void ShowChecked(bool checked) = 0;
    // Whether Tab enters the option's group here.
    virtual void ShowTabStop(bool tabStop) = 0;
    // An arrow key moved to this option: the keyboard focus goes with it.
    virtual void TakeFocus() = 0;
};

// How an editor holds line breaks: as written (CR LF), or as LF alone.
enum class LineBreaks { CrLf, Lf };

class TextBoxView {
public:
    virtual ~TextBoxView() = default;
    // A new text to show from its first line, in the view's line breaks;
    // once per click, however often the handlers write the box within it.
    virtual void ShowText(std::u16string_view text) = 0;
    // What the pupil has made of the text since, in the view's line breaks.
    virtual std::u16string TypedText() const = 0;
};

} // namespace ribi::form
