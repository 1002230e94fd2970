#include "form/web/dom_element.h"

namespace ribi::form::web {

using emscripten::val;

val AppendElement(const val& parent, const char* tag)
{
    val element = val::global("document").call<val>("createElement", val(tag));
    parent.call<void>("appendChild", element);
    return element;
}

namespace {

std::string Pixels(int twips)
{
    return std::to_string(TwipsToPixels(twips)) + "px";
}

} // namespace

void Place(const val& element, const TwipsRect& bounds)
{
    val style = element["style"];
    style.set("left", Pixels(bounds.left));
    style.set("top", Pixels(bounds.top));
    style.set("width", Pixels(bounds.width));
    style.set("height", Pixels(bounds.height));
}

std::string CssColour(Colour colour)
{
    return "rgb(" + std::to_string(colour.Red()) + "," + std::to_string(colour.Green()) + "," +
           std::to_string(colour.Blue()) + ")";
}

std::u16string ElementId(std::u16string_view name, Index index)
{
    std::u16string id(name);
    id += u'_';
    for (const char c : std::to_string(index)) id += static_cast<char16_t>(c);
    return id;
}

} // namespace ribi::form::web
