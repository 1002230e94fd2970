#include "form/web/page_fit.h"

#include "form/web/dom_element.h"

#include <algorithm>
#include <string>

namespace ribi::form::web {

using emscripten::val;

PageFit::PageFit(val frame, int width, int height)
    : frame_(std::move(frame)), width_(width), height_(height), resized_([this](const val&) { Fit(); })
{
    // The page's style scales the window and sizes the frame from these.
    val style = frame_["style"];
    style.call<void>("setProperty", val("--ribi-width"), val(CssPixels(width_)));
    style.call<void>("setProperty", val("--ribi-height"), val(CssPixels(height_)));
    resized_.ListenTo(val::global("window"), "resize");
    Fit();
}

void PageFit::Fit()
{
    // The page never scrolls (the window fits both ways), so the viewport's
    // size is the screen's, read without laying the page out.
    const double screenWidth = val::global("window")["innerWidth"].as<double>();
    const double screenHeight = val::global("window")["innerHeight"].as<double>();
    const double scale = std::min({1.0, screenWidth / width_, screenHeight / height_});
    val style = frame_["style"];
    style.call<void>("setProperty", val("--ribi-scale"), val(scale));
    // Centred on whole pixels, so that edges stay sharp.
    const int left = std::max(0, static_cast<int>((screenWidth - width_ * scale) / 2));
    style.call<void>("setProperty", val("--ribi-left"), val(CssPixels(left)));
}

} // namespace ribi::form::web
