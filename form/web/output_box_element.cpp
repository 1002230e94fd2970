#include "form/web/output_box_element.h"

#include "form/line_breaks.h"
#include "form/web/web_text.h"

namespace ribi::form::web {

using emscripten::val;

OutputBoxElement::OutputBoxElement(val textarea, bool drawn, std::u16string initialText,
                                   std::function<void(const std::u16string&)> shown)
    : textarea_(std::move(textarea)), text_(std::move(initialText)), shown_(std::move(shown))
{
    if (drawn) {
        // It shows the first text from its markup, or what the pupil has
        // typed since: Text reads that.
        shownLf_ = WithLfBreaks(text_);
        return;
    }
    textarea_.set("spellcheck", false);
    textarea_.call<void>("setAttribute", val("autocomplete"), val("off"));
    Show();
    // In the markup too, for a page that shows it before the program runs.
    textarea_.set("defaultValue", ToJs(shownLf_));
}

// Whatever the user typed since the last write is what the box holds now.
std::u16string OutputBoxElement::Text() const
{
    if (!refreshing_.Stale()) {
        std::u16string value = FromJs(textarea_["value"]);
        if (value != shownLf_) {
            text_ = WithCrLfBreaks(value);
            shownLf_ = std::move(value);
        }
    }
    return text_;
}

void OutputBoxElement::SetText(std::u16string text)
{
    text_ = std::move(text);
    refreshing_.Written();
}

// Each output is shown from its first line, the caret before it.
void OutputBoxElement::Show()
{
    shownLf_ = WithLfBreaks(text_);
    textarea_.set("value", ToJs(shownLf_));
    textarea_.call<void>("setSelectionRange", 0, 0);
    textarea_.set("scrollTop", 0);
}

void OutputBoxElement::Refresh()
{
    Show();
    if (shown_) shown_(shownLf_);
}

} // namespace ribi::form::web
