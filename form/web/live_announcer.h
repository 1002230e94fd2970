#pragma once

// Announces each new output to screen readers without moving the focus.
// A screen reader may stay silent when a live region is given the text it
// already holds, so two polite regions take turns: the same output twice
// is announced twice. The regions are written in a task after the click's,
// so that the box shows the output first; of outputs within one task the
// last is announced.

#include "form/web/dom_listener.h"

#include <array>
#include <string>
#include <string_view>

namespace ribi::form::web {

class LiveAnnouncer {
public:
    // The regions go into `parent`, unless the page holds them already.
    explicit LiveAnnouncer(const Js& parent);
    LiveAnnouncer(const LiveAnnouncer&) = delete;
    LiveAnnouncer& operator=(const LiveAnnouncer&) = delete;

    void Announce(std::u16string_view text);

private:
    void Write();

    std::array<Js, 2> regions_;
    std::size_t next_ = 0;
    std::u16string pending_;
    bool due_ = false; // pending_ is to be written
    DomListener write_;
};

} // namespace ribi::form::web
