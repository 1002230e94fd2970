#include "form/web/web_form.h"

#include "form/web/dom_element.h"
#include "form/web/web_text.h"

#include <string>

namespace ribi::form::web {

using emscripten::val;

namespace {

constexpr int kPointsPerInch = 72;
constexpr int kCssPixelsPerInch = 96;

// The description's face first, then faces with the same metrics as Times
// New Roman that free systems carry; nothing is fetched.
std::u16string CssFont(const FontDescription& font)
{
    return u"\"" + std::u16string(font.family) + u"\", \"Liberation Serif\", \"Tinos\", serif";
}

// document.title collapses runs of blanks; no-break spaces stay as they are.
std::u16string TitleKeepingBlanks(std::u16string_view title)
{
    std::u16string kept(title);
    for (auto& c : kept)
        if (c == u' ') c = u'\u00A0';
    return kept;
}

} // namespace

WebForm::WebForm(const FormDescription& description, const val& page)
    : PlannedControls(description), form_(val::global("document").call<val>("createElement", val("div"))),
      announcer_(page), elements_(plan_.Count(), val::undefined())
{
    val document = val::global("document");
    document.set("title", ToJs(TitleKeepingBlanks(description.title)));
    document["documentElement"].set("lang", val("bg")); // for the screen reader's voice

    val frame = AppendElement(page, "div");
    frame.set("id", val("ribi-page"));
    frame.call<void>("appendChild", form_);
    form_.set("id", ToJs(description.name));
    form_["classList"].call<void>("add", val("ribi-form"));
    const int width = TwipsToPixels(description.clientWidth);
    const int height = TwipsToPixels(description.clientHeight);
    val style = form_["style"];
    style.set("width", CssPixels(width));
    style.set("height", CssPixels(height));
    style.set("backgroundColor", CssColour(description.background));
    style.set("fontFamily", ToJs(CssFont(description.font)));
    style.set("fontSize", CssPixels(description.font.pointSize * kCssPixelsPerInch / kPointsPerInch));
    style.set("fontWeight", description.font.weight);

    for (Position position = 0; position < plan_.Count(); ++position) Build(position);
    for (const auto& group : OptionGroups()) OptionElement::Group(group);
    fit_.emplace(frame, width, height);
    // The page's order is the order of the description, which is the tab order.
    if (!plan_.TabOrder().empty()) {
        val noScrolling = val::object();
        noScrolling.set("preventScroll", true);
        elements_[plan_.TabOrder().front()].call<void>("focus", noScrolling);
    }
}

WebForm::~WebForm() = default;

void WebForm::Build(Position position)
{
    const ControlDescription& control = plan_.At(position);
    val parent = form_;
    if (!control.container.empty())
        if (const auto frame = plan_.Element(control.container, 0)) parent = elements_[*frame];

    val element = val::undefined();
    switch (control.kind) {
    case ControlKind::Label:
        element = AppendElement(parent, "div");
        element["classList"].call<void>("add", val("ribi-label"));
        element["style"].set("textAlign", val(control.centred ? "center" : "left"));
        element.set("textContent", ToJs(control.text));
        break;
    case ControlKind::Frame:
        element = AppendElement(parent, "fieldset");
        element["classList"].call<void>("add", val("ribi-frame"));
        AppendElement(element, "legend").set("textContent", ToJs(control.text));
        break;
    case ControlKind::OptionButton: {
        const Index index = control.index;
        element = AppendElement(parent, "label");
        options_[position] = std::make_unique<OptionElement>(element, control.name, control.text, [this, index] {
            Deliver([index](ClickSink& sink) { sink.OptionClick(index); });
        });
        break;
    }
    case ControlKind::ListBox: {
        const Index index = control.index;
        element = AppendElement(parent, "div");
        element.set("id", ToJs(ElementId(control.name, control.index))); // its items' ids follow it
        lists_[position] = std::make_unique<ListBoxElement>(element, control.items, control.visible, [this, index] {
            Deliver([index](ClickSink& sink) { sink.ListClick(index); });
        });
        break;
    }
    case ControlKind::TextBox:
        element = AppendElement(parent, "textarea");
        element["classList"].call<void>("add", val("ribi-text"));
        texts_[position] = std::make_unique<OutputBoxElement>(
            element, std::u16string(control.text), [this](const std::u16string& shown) { announcer_.Announce(shown); });
        break;
    }

    element.set("id", ToJs(ElementId(control.name, control.index)));
    elements_[position] = element;
    if (!control.visible) {
        element.set("hidden", true); // neither seen, nor focused, nor read out
        return;
    }
    Place(element, control.bounds);
    if (control.hasBackground) element["style"].set("backgroundColor", CssColour(control.background));
    // Labels, frames and options are named by their own text.
    const bool namedByItsText = control.kind == ControlKind::OptionButton || control.kind == ControlKind::Frame ||
                                control.kind == ControlKind::Label;
    if (!control.accessibleName.empty() && !namedByItsText)
        element.call<void>("setAttribute", val("aria-label"), ToJs(control.accessibleName));
}

// The output box reaches the screen once, when the outermost click is done.
template <typename Call> void WebForm::Deliver(Call call)
{
    if (!sink_) return;
    std::optional<RefreshOnce::Hold> refreshOnce;
    if (const auto output = plan_.Element(u"Text1", 0); output && texts_[*output])
        refreshOnce.emplace(texts_[*output]->Refreshing());
    call(*sink_);
}

} // namespace ribi::form::web
