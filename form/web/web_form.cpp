#include "form/web/web_form.h"

#include "form/web/web_text.h"

#include <string>

namespace ribi::form::web {

using emscripten::val;

namespace {

constexpr int kPointsPerInch = 72;
constexpr int kCssPixelsPerInch = 96;
constexpr char16_t kLandmarkId[] = u"ribi-page";

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

// The window's banner, its first label that names no control, is the
// page's one level-one heading.
bool IsBanner(const FormPlan& plan, Position position)
{
    for (Position at = 0; at < plan.Count(); ++at)
        if (plan.At(at).kind == ControlKind::Label && plan.At(at).labelFor.empty()) return at == position;
    return false;
}

const char* TagOf(const FormPlan& plan, Position position)
{
    switch (plan.At(position).kind) {
    case ControlKind::Label:
        return IsBanner(plan, position) ? "h1" : "div";
    case ControlKind::Frame:
        return "fieldset";
    case ControlKind::OptionButton:
        return "label";
    case ControlKind::TextBox:
        return "textarea";
    case ControlKind::ListBox:
        break;
    }
    return "div";
}

void FillWindow(const val& form, const FormDescription& description)
{
    val document = val::global("document");
    document.set("title", ToJs(TitleKeepingBlanks(description.title)));
    document["documentElement"].set("lang", val("bg")); // for the screen reader's voice
    form["classList"].call<void>("add", val("ribi-form"));
    form.call<void>("setAttribute", val("aria-busy"), val("true"));
    val style = form["style"];
    style.set("width", CssPixels(TwipsToPixels(description.clientWidth)));
    style.set("height", CssPixels(TwipsToPixels(description.clientHeight)));
    style.set("backgroundColor", CssColour(description.background));
    style.set("fontFamily", ToJs(CssFont(description.font)));
    style.set("fontSize", CssPixels(description.font.pointSize * kCssPixelsPerInch / kPointsPerInch));
    style.set("fontWeight", description.font.weight);
}

} // namespace

WebForm::WebForm(Form& form, const val& page)
    : form_(form), landmark_(ObtainElement(page, "main", kLandmarkId).element),
      window_(ObtainElement(landmark_, "div", form.Plan().Description().name)), announcer_(landmark_),
      elements_(form.Plan().Count(), val::undefined())
{
    const FormPlan& plan = form_.Plan();
    if (window_.created) FillWindow(window_.element, plan.Description());
    for (Position position = 0; position < plan.Count(); ++position) Build(position);
    if (plan.TabOrder().empty()) return;
    // The page's order is the order of the description, which is the tab
    // order. A window drawn into the page has the focus there already,
    // unless the pupil has moved it.
    const val& first = elements_[plan.TabOrder().front()];
    if (window_.created) first.call<void>("setAttribute", val("autofocus"), val(""));
    const val focused = val::global("document")["activeElement"];
    if (window_.created || focused.isNull() || focused == val::global("document")["body"]) {
        val noScrolling = val::object();
        noScrolling.set("preventScroll", true);
        first.call<void>("focus", noScrolling);
    }
}

WebForm::~WebForm() = default;

// The page holds the input that came while the window was busy, and
// passes it on once the attribute is gone.
void WebForm::AcceptInput()
{
    window_.element.call<void>("removeAttribute", val("aria-busy"));
}

void WebForm::Build(Position position)
{
    const FormPlan& plan = form_.Plan();
    const ControlDescription& control = plan.At(position);
    val parent = window_.element;
    if (!control.container.empty())
        if (const auto frame = plan.Element(control.container, 0)) parent = elements_[*frame];

    const PageElement page = ObtainElement(parent, TagOf(plan, position), ElementId(control.name, control.index));
    const bool drawn = !page.created;
    switch (control.kind) {
    case ControlKind::Label:
    case ControlKind::Frame:
        break;
    case ControlKind::OptionButton:
        options_.push_back(
            std::make_unique<OptionElement>(page.element, drawn, control.name, *form_.OptionAt(position)));
        break;
    case ControlKind::ListBox:
        // A hidden list's items are read by position only, never seen nor read out.
        if (control.visible)
            lists_.push_back(std::make_unique<ListBoxElement>(page.element, drawn, *form_.ListAt(position)));
        break;
    case ControlKind::TextBox:
        texts_.push_back(std::make_unique<OutputBoxElement>(page.element, drawn, *form_.TextAt(position), announcer_));
        break;
    }
    if (page.created) Fill(page, control);
    elements_[position] = page.element;
}

// What a new element shows; a drawn one shows it already.
void WebForm::Fill(const PageElement& page, const ControlDescription& control)
{
    val element = page.element;
    switch (control.kind) {
    case ControlKind::Label:
        element["classList"].call<void>("add", val("ribi-label"));
        element["style"].set("textAlign", val(control.centred ? "center" : "left"));
        element.set("textContent", ToJs(control.text));
        break;
    case ControlKind::Frame:
        element["classList"].call<void>("add", val("ribi-frame"));
        AppendElement(element, "legend").set("textContent", ToJs(control.text));
        break;
    case ControlKind::TextBox:
        element["classList"].call<void>("add", val("ribi-text"));
        break;
    case ControlKind::OptionButton:
    case ControlKind::ListBox:
        break;
    }
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

} // namespace ribi::form::web
