#include "form/web/dom_element.h"

#include <string>

namespace ribi::form::web {
namespace {

// A number's digits, as ElementId writes an index's: std::to_string is
// linked already, for those.
std::u16string Decimal(int number)
{
    const std::string digits = std::to_string(number);
    return {digits.begin(), digits.end()};
}

} // namespace

PageElement ObtainElement(const Js& parent, const char* tag, std::u16string_view id)
{
    Js element(ribi_dom_by_id(id.data(), static_cast<int>(id.size())));
    if (!element.IsNull()) return {std::move(element), false};
    element = AppendElement(parent, tag);
    element.Set("id", id);
    return {std::move(element), true};
}

std::u16string CssPixels(int pixels)
{
    return Decimal(pixels) + u"px";
}

void Place(const Js& element, const TwipsRect& bounds)
{
    const Js style = element.Get("style");
    style.Set("left", CssPixels(TwipsToPixels(bounds.left)));
    style.Set("top", CssPixels(TwipsToPixels(bounds.top)));
    style.Set("width", CssPixels(TwipsToPixels(bounds.width)));
    style.Set("height", CssPixels(TwipsToPixels(bounds.height)));
}

std::u16string CssColour(Colour colour)
{
    return u"rgb(" + Decimal(colour.Red()) + u"," + Decimal(colour.Green()) + u"," + Decimal(colour.Blue()) + u")";
}

} // namespace ribi::form::web
