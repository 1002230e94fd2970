#include "form/web/web_form.h"

#include "form/line_breaks.h"

#include <string>

namespace ribi::form::web {

namespace {

constexpr int kPointsPerInch = 72;
constexpr int kCssPixelsPerInch = 96;
constexpr int kNoColour = -1;

int Rgb(Colour colour)
{
    return colour.Red() << 16 | colour.Green() << 8 | colour.Blue();
}

// The window's banner, its first label that names no control, is the
// page's one level-one heading.
bool IsBanner(const FormPlan& plan, Position position)
{
    for (Position at = 0; at < plan.Count(); ++at)
        if (plan.At(at).kind == ControlKind::Label && plan.At(at).labelFor.empty()) return at == position;
    return false;
}

} // namespace

WebForm::WebForm(Form& form) : form_(form)
{
    const FormPlan& plan = form_.Plan();
    const FormDescription& window = plan.Description();
    ribi_page_window(std::u16string(window.name).c_str(), std::u16string(window.title).c_str(),
                     TwipsToPixels(window.clientWidth), TwipsToPixels(window.clientHeight), Rgb(window.background),
                     std::u16string(window.font.family).c_str(),
                     window.font.pointSize * kCssPixelsPerInch / kPointsPerInch, window.font.weight);
    for (Position position = 0; position < plan.Count(); ++position) Build(position);
    // The page's order is the order of the description, which is the tab order.
    if (!plan.TabOrder().empty()) ribi_page_focus_first(static_cast<int>(plan.TabOrder().front()));
}

WebForm::~WebForm()
{
    ribi_page_close();
}

void WebForm::AcceptInput()
{
    ribi_page_ready();
}

void WebForm::Build(Position position)
{
    const FormPlan& plan = form_.Plan();
    const ControlDescription& control = plan.At(position);
    const int at = static_cast<int>(position);
    int parent = -1;
    if (!control.container.empty())
        if (const auto frame = plan.Element(control.container, 0)) parent = static_cast<int>(*frame);
    const std::u16string id = ElementId(control.name, control.index);
    const std::u16string text(control.text);
    switch (control.kind) {
    case ControlKind::Label:
        ribi_page_label(at, parent, id.c_str(), text.c_str(), IsBanner(plan, position), control.centred);
        break;
    case ControlKind::Frame:
        ribi_page_frame(at, parent, id.c_str(), text.c_str());
        break;
    case ControlKind::OptionButton: {
        OptionButtonControl& option = *form_.OptionAt(position);
        ribi_page_option(at, parent, id.c_str(), std::u16string(control.name).c_str(), option.Caption().c_str(),
                         &option);
        options_.push_back(std::make_unique<OptionElement>(at, option));
        break;
    }
    case ControlKind::ListBox: {
        ListBoxControl& list = *form_.ListAt(position);
        ribi_page_list(at, parent, id.c_str(), control.visible ? &list : nullptr);
        if (!control.visible) break;
        for (Index row = 0; row < list.ListCount(); ++row)
            ribi_page_row(at, ElementId(id, row).c_str(), list.List(row).c_str());
        lists_.push_back(std::make_unique<ListBoxElement>(at, list));
        break;
    }
    case ControlKind::TextBox: {
        TextBoxControl& box = *form_.TextAt(position);
        ribi_page_box(at, parent, id.c_str(), WithLfBreaks(box.Text()).c_str(), &box);
        texts_.push_back(std::make_unique<OutputBoxElement>(at, box));
        break;
    }
    }
    // Labels, frames and options are named by their own text.
    const bool namedByItsText = control.kind == ControlKind::OptionButton || control.kind == ControlKind::Frame ||
                                control.kind == ControlKind::Label;
    const std::u16string name(namedByItsText ? std::u16string_view() : control.accessibleName);
    const TwipsRect& bounds = control.bounds;
    ribi_page_place(at, control.visible, TwipsToPixels(bounds.left), TwipsToPixels(bounds.top),
                    TwipsToPixels(bounds.width), TwipsToPixels(bounds.height),
                    control.hasBackground ? Rgb(control.background) : kNoColour, name.c_str());
}

} // namespace ribi::form::web
