#include "form/web/output_box_element.h"

#include "form/line_breaks.h"

namespace ribi::form::web {

OutputBoxElement::OutputBoxElement(Js textarea, bool drawn, TextBoxControl& box, LiveAnnouncer& announcer)
    : textarea_(std::move(textarea)), box_(box), announcer_(announcer),
      input_(ListenerCall::To<&OutputBoxElement::Typed>(this))
{
    if (!drawn) {
        textarea_.Set("spellcheck", 0);
        textarea_.SetAttribute("autocomplete", u"off");
        // The first text is the page's own, in its markup too, for a page
        // that shows it before the program runs; it is not announced.
        textarea_.Set("defaultValue", WithLfBreaks(box_.Text()));
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
    textarea_.Set("value", text);
    textarea_.Call("setSelectionRange", 0, 0);
    textarea_.Set("scrollTop", 0);
    announcer_.Announce(text);
}

std::u16string OutputBoxElement::TypedText() const
{
    return textarea_.Text("value");
}

} // namespace ribi::form::web
