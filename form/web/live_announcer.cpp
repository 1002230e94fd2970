#include "form/web/live_announcer.h"

#include "form/web/dom_element.h"
#include "form/web/web_text.h"

namespace ribi::form::web {

using emscripten::val;

namespace {

val Region(const val& parent)
{
    val region = AppendElement(parent, "div");
    region.call<void>("setAttribute", val("role"), val("status"));
    region.call<void>("setAttribute", val("aria-live"), val("polite"));
    region.call<void>("setAttribute", val("aria-atomic"), val("true"));
    region["classList"].call<void>("add", val("ribi-announcement"));
    return region;
}

} // namespace

LiveAnnouncer::LiveAnnouncer(const val& parent)
    : regions_{Region(parent), Region(parent)}, write_([this](const val&) { Write(); })
{
}

void LiveAnnouncer::Announce(const std::u16string& text)
{
    const bool scheduled = pending_.has_value();
    pending_ = text;
    if (!scheduled) write_.CallSoon();
}

void LiveAnnouncer::Write()
{
    if (!pending_) return;
    regions_[next_].set("textContent", ToJs(*pending_));
    next_ = (next_ + 1) % regions_.size();
    regions_[next_].set("textContent", val(""));
    pending_.reset();
}

} // namespace ribi::form::web
