#include "form/web/live_announcer.h"

#include "form/web/dom_element.h"

#include <string>

namespace ribi::form::web {

using emscripten::val;

namespace {

val Region(const val& parent, char16_t number)
{
    const PageElement region = ObtainElement(parent, "div", std::u16string(u"ribi-announcement-") + number);
    if (region.created) {
        region.element.call<void>("setAttribute", val("role"), val("status"));
        region.element.call<void>("setAttribute", val("aria-live"), val("polite"));
        region.element.call<void>("setAttribute", val("aria-atomic"), val("true"));
        region.element["classList"].call<void>("add", val("ribi-announcement"));
    }
    return region.element;
}

} // namespace

LiveAnnouncer::LiveAnnouncer(const val& parent)
    : regions_{Region(parent, u'0'), Region(parent, u'1')}, write_([this](const val&) { Write(); })
{
}

void LiveAnnouncer::Announce(const val& text)
{
    const bool scheduled = !pending_.isUndefined();
    pending_ = text;
    if (!scheduled) write_.CallSoon();
}

void LiveAnnouncer::Write()
{
    if (pending_.isUndefined()) return;
    regions_[next_].set("textContent", pending_);
    next_ = (next_ + 1) % regions_.size();
    regions_[next_].set("textContent", val(""));
    pending_ = val::undefined();
}

} // namespace ribi::form::web
