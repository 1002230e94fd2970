#pragma once

// The control operations the click handlers use. The form runtime
// (form/form.h) implements them with the semantics the handlers rely on;
// the handlers never see a toolkit.

#include <cstdint>
#include <string>

namespace ribi::form {

using Index = std::int16_t; // element of a control array, list position

class ListBox {
public:
    virtual ~ListBox() = default;
    virtual Index ListCount() const = 0;
    // -1 while nothing is selected.
    virtual Index ListIndex() const = 0;
    // Throws ControlError for a position outside 0..ListCount()-1.
    virtual std::u16string List(Index position) const = 0;
};

class OptionButton {
public:
    virtual ~OptionButton() = default;
    virtual std::u16string Caption() const = 0;
    virtual bool Value() const = 0;
    // Writing true selects this option and deselects the others of its
    // frame. When the write makes it selected, the option's Click is raised
    // synchronously, before the write returns; writing true to an option
    // already selected raises nothing.
    virtual void SetValue(bool value) = 0;
};

class TextBox {
public:
    virtual ~TextBox() = default;
    // Exactly the text last written or typed, CR LF included.
    virtual std::u16string Text() const = 0;
    // Replaces the whole text.
    virtual void SetText(std::u16string text) = 0;
};

// The control arrays of the main window, by element Index. An element that
// does not exist is a ControlError.
class Controls {
public:
    virtual ~Controls() = default;
    virtual ListBox& List1(Index index) = 0;
    virtual OptionButton& Option1(Index index) = 0;
    virtual TextBox& Text1(Index index) = 0;
};

// Where a binding delivers the clicks: one handler per control array.
class ClickSink {
public:
    virtual ~ClickSink() = default;
    virtual void ListClick(Index index) = 0;
    virtual void OptionClick(Index index) = 0;
};

} // namespace ribi::form
