#pragma once

// Shows the window whole on any screen: on one smaller than the window (a
// phone) it is scaled down evenly to fit, keeping its layout; otherwise it
// is shown at scale 1. Nothing scrolls sideways.

#include "form/web/dom_listener.h"

#include <emscripten/val.h>

namespace ribi::form::web {

class PageFit {
public:
    // `frame` holds the window, whose size at scale 1 is width by height pixels.
    PageFit(emscripten::val frame, int width, int height);
    PageFit(const PageFit&) = delete;
    PageFit& operator=(const PageFit&) = delete;

    void Fit();

private:
    emscripten::val frame_;
    int width_;
    int height_;
    DomListener resized_;
};

} // namespace ribi::form::web
