#include "form/web/dom_element.h"

#include "form/web/web_text.h"

namespace ribi::form::web {

using emscripten::val;

val AppendElement(const val& parent, const char* tag)
{
    val element = val::global("document").call<val>("createElement", val(tag));
    parent.call<void>("appendChild", element);
    return element;
}

PageElement ObtainElement(const val& parent, const char* tag, std::u16string_view id)
{
    val element = val::global("document").call<val>("getElementById", ToJs(id));
    if (!element.isNull()) return {element, false};
    element = AppendElement(parent, tag);
    element.set("id", ToJs(id));
    return {element, true};
}

std::string CssPixels(int pixels)
{
    return std::to_string(pixels) + "px";
}

void Place(const val& element, const TwipsRect& bounds)
{
    val style = element["style"];
    style.set("left", CssPixels(TwipsToPixels(bounds.left)));
    style.set("top", CssPixels(TwipsToPixels(bounds.top)));
    style.set("width", CssPixels(TwipsToPixels(bounds.width)));
    style.set("height", CssPixels(TwipsToPixels(bounds.height)));
}

std::string CssColour(Colour colour)
{
    return "rgb(" + std::to_string(colour.Red()) + "," + std::to_string(colour.Green()) + "," +
           std::to_string(colour.Blue()) + ")";
}

} // namespace ribi::form::web
