#include "form/web/live_announcer.h"

#include "form/web/dom_element.h"

#include <string>

namespace ribi::form::web {

namespace {

Js Region(const Js& parent, char16_t number)
{
    PageElement region = ObtainElement(parent, "div", std::u16string(u"ribi-announcement-") + number);
    if (region.created) {
        region.element.SetAttribute("role", u"status");
        region.element.SetAttribute("aria-live", u"polite");
        region.element.SetAttribute("aria-atomic", u"true");
        region.element.SetClass("ribi-announcement");
    }
    return std::move(region.element);
}

} // namespace

LiveAnnouncer::LiveAnnouncer(const Js& parent)
    : regions_{Region(parent, u'0'), Region(parent, u'1')}, write_(ListenerCall::To<&LiveAnnouncer::Write>(this))
{
}

void LiveAnnouncer::Announce(std::u16string_view text)
{
    pending_.assign(text);
    if (!due_) write_.CallSoon();
    due_ = true;
}

void LiveAnnouncer::Write()
{
    if (!due_) return;
    regions_[next_].Set("textContent", pending_);
    next_ = (next_ + 1) % regions_.size();
    regions_[next_].Set("textContent", u"");
    due_ = false;
}

} // namespace ribi::form::web
