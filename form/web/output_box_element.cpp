#include "form/web/output_box_element.h"

#include "form/line_breaks.h"
#include "form/web/web_text.h"

namespace ribi::form::web {

using emscripten::val;

OutputBoxElement::OutputBoxElement(val textarea, bool drawn, TextBoxControl& box, LiveAnnouncer& announcer)
    : textarea_(std::move(textarea)), box_(box), announcer_(announcer), input_([this](const val&) { box_.Typed(); })
{
    if (!drawn) {
        textarea_.set("spellcheck", false);
        textarea_.call<void>("setAttribute", val("autocomplete"), val("off"));
        // The first text is the page's own, in its markup too, for a page
        // that shows it before the program runs; it is not announced.
        textarea_.set("defaultValue", ToJs(WithLfBreaks(box_.Text())));
    }
    input_.ListenTo(textarea_, "input");
    box_.Attach(this, LineBreaks::Lf, true);
}

OutputBoxElement::~OutputBoxElement()
{
    box_.Attach(nullptr, LineBreaks::Lf);
}

// Each output is shown from its first line, the caret before it.
void OutputBoxElement::ShowText(std::u16string_view text)
{
    const val shown = ToJs(text);
    textarea_.set("value", shown);
    textarea_.call<void>("setSelectionRange", 0, 0);
    textarea_.set("scrollTop", 0);
    announcer_.Announce(shown);
}

std::u16string OutputBoxElement::TypedText() const
{
    return FromJs(textarea_["value"]);
}

} // namespace ribi::form::web
