#include "form/text_box_control.h"

#include "form/form.h"
#include "form/line_breaks.h"

namespace ribi::form {

TextBoxControl::TextBoxControl(const Form& form, std::u16string_view text) : form_(form), text_(text) {}

// What the pupil typed is read from the view only when it is asked for:
// a pasted page is not copied at every key.
std::u16string TextBoxControl::Text() const
{
    if (typed_ && view_) {
        const std::u16string typed = view_->TypedText();
        text_ = breaks_ == LineBreaks::Lf ? WithCrLfBreaks(typed) : typed;
    }
    typed_ = false;
    return text_;
}

void TextBoxControl::SetText(std::u16string text)
{
    text_ = std::move(text);
    typed_ = false;
    stale_ = true;
    if (!form_.InClick()) Show();
}

void TextBoxControl::Attach(TextBoxView* view, LineBreaks breaks, bool holdsText)
{
    (void)Text(); // what the pupil typed into the view before stays the box's
    view_ = view;
    breaks_ = breaks;
    stale_ = !holdsText;
    typed_ = holdsText;
    Show();
}

void TextBoxControl::ClickEnded()
{
    Show();
}

void TextBoxControl::Show()
{
    if (!stale_ || !view_) return;
    stale_ = false;
    if (breaks_ == LineBreaks::Lf)
        view_->ShowText(WithLfBreaks(text_));
    else
        view_->ShowText(text_);
}

} // namespace ribi::form
