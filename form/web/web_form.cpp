#include "form/web/web_form.h"

#include <string>

namespace ribi::form::web {

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

void FillWindow(const Js& form, const FormDescription& description)
{
    const Js document = Js::Document();
    document.Set("title", TitleKeepingBlanks(description.title));
    document.Get("documentElement").Set("lang", u"bg"); // for the screen reader's voice
    form.SetClass("ribi-form");
    form.SetAttribute("aria-busy", u"true");
    const Js style = form.Get("style");
    style.Set("width", CssPixels(TwipsToPixels(description.clientWidth)));
    style.Set("height", CssPixels(TwipsToPixels(description.clientHeight)));
    style.Set("backgroundColor", CssColour(description.background));
    style.Set("fontFamily", CssFont(description.font));
    style.Set("fontSize", CssPixels(description.font.pointSize * kCssPixelsPerInch / kPointsPerInch));
    style.Set("fontWeight", description.font.weight);
}

} // namespace

WebForm::WebForm(Form& form, const Js& page)
    : form_(form), landmark_(ObtainElement(page, "main", kLandmarkId).element),
      window_(ObtainElement(landmark_, "div", form.Plan().Description().name)), announcer_(landmark_),
      elements_(form.Plan().Count())
{
    const FormPlan& plan = form_.Plan();
    if (window_.created) FillWindow(window_.element, plan.Description());
    for (Position position = 0; position < plan.Count(); ++position) Build(position);
    if (plan.TabOrder().empty()) return;
    // The page's order is the order of the description, which is the tab
    // order. A window drawn into the page has the focus there already,
    // unless the pupil has moved it.
    const Js& first = elements_[plan.TabOrder().front()];
    if (window_.created) first.SetAttribute("autofocus", u"");
    const Js focused = Js::Document().Get("activeElement");
    if (window_.created || focused.IsNull() || focused == Js::Document().Get("body"))
        ribi_dom_focus(first.Slot(), true);
}

WebForm::~WebForm() = default;

// The page holds the input that came while the window was busy, and
// passes it on once the attribute is gone.
void WebForm::AcceptInput()
{
    window_.element.RemoveAttribute("aria-busy");
}

void WebForm::Build(Position position)
{
    const FormPlan& plan = form_.Plan();
    const ControlDescription& control = plan.At(position);
    const Js* parent = &window_.element;
    if (!control.container.empty())
        if (const auto frame = plan.Element(control.container, 0)) parent = &elements_[*frame];

    PageElement page = ObtainElement(*parent, TagOf(plan, position), ElementId(control.name, control.index));
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
            lists_.push_back(std::make_unique<ListBoxElement>(page.element.Copy(), drawn, *form_.ListAt(position)));
        break;
    case ControlKind::TextBox:
        texts_.push_back(
            std::make_unique<OutputBoxElement>(page.element.Copy(), drawn, *form_.TextAt(position), announcer_));
        break;
    }
    if (page.created) Fill(page, control);
    elements_[position] = std::move(page.element);
}

// What a new element shows; a drawn one shows it already.
void WebForm::Fill(const PageElement& page, const ControlDescription& control)
{
    const Js& element = page.element;
    switch (control.kind) {
    case ControlKind::Label:
        element.SetClass("ribi-label");
        element.Get("style").Set("textAlign", control.centred ? u"center" : u"left");
        element.Set("textContent", control.text);
        break;
    case ControlKind::Frame:
        element.SetClass("ribi-frame");
        AppendElement(element, "legend").Set("textContent", control.text);
        break;
    case ControlKind::TextBox:
        element.SetClass("ribi-text");
        break;
    case ControlKind::OptionButton:
    case ControlKind::ListBox:
        break;
    }
    if (!control.visible) {
        element.Set("hidden", 1); // neither seen, nor focused, nor read out
        return;
    }
    Place(element, control.bounds);
    if (control.hasBackground) element.Get("style").Set("backgroundColor", CssColour(control.background));
    // Labels, frames and options are named by their own text.
    const bool namedByItsText = control.kind == ControlKind::OptionButton || control.kind == ControlKind::Frame ||
                                control.kind == ControlKind::Label;
    if (!control.accessibleName.empty() && !namedByItsText) element.SetAttribute("aria-label", control.accessibleName);
}

} // namespace ribi::form::web
