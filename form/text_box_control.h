#pragma once

// A text box of the form: its text exactly as written, CR LF and all, or
// as the pupil has typed it since. Within a click the handlers may write
// it many times (a type's listing is a write per line); the view is shown
// the text once, when the outermost click is done. A write outside any
// click is shown at once.

#include "form/controls.h"
#include "form/views.h"

#include <string>
#include <string_view>

namespace ribi::form {

class Form;

class TextBoxControl final : public TextBox {
public:
    TextBoxControl(const Form& form, std::u16string_view text);
    TextBoxControl(const TextBoxControl&) = delete;
    TextBoxControl& operator=(const TextBoxControl&) = delete;

    std::u16string Text() const override;
    void SetText(std::u16string text) override;

    // The view that shows the box from now on, holding line breaks as
    // `breaks`; nullptr for none. Unless it `holdsText` already (a page
    // drawn with it, perhaps typed into since), it is shown the text now.
    void Attach(TextBoxView* view, LineBreaks breaks, bool holdsText = false);

    // The pupil changed the text in the view.
    void Typed() { typed_ = true; }

    // The outermost click is done: a text written within it is shown.
    void ClickEnded();

private:
    void Show();

    const Form& form_;
    mutable std::u16string text_;
    mutable bool typed_ = false; // the view holds newer text than text_
    bool stale_ = false;         // the view is behind the last write
    TextBoxView* view_ = nullptr;
    LineBreaks breaks_ = LineBreaks::CrLf;
};

} // namespace ribi::form
