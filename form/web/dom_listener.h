#pragma once

// A DOM event listener that runs C++, for as long as it lives. No
// JavaScript is generated for it: the page calls one exported function with
// the listener's address, and the event is Js::Event() while it runs.

#include "form/web/dom.h"

#include <utility>
#include <vector>

namespace ribi::form::web {

// What a listener calls: a member function of its owner, To<&Owner::F>(this).
struct ListenerCall {
    void* owner;
    void (*call)(void* owner);
    template <auto Member, typename Owner> static ListenerCall To(Owner* owner)
    {
        return {owner, [](void* self) { (static_cast<Owner*>(self)->*Member)(); }};
    }
};

class DomListener {
public:
    explicit DomListener(ListenerCall handle);
    ~DomListener();
    DomListener(const DomListener&) = delete;
    DomListener& operator=(const DomListener&) = delete;

    // `target` calls this listener for each `type` event until it is destroyed.
    void ListenTo(const Js& target, const char* type);
    // The browser calls it once, with no event, in a task of its own after
    // the current one, `milliseconds` later at the earliest; not once it
    // is destroyed. A call pending already is replaced.
    void CallSoon(int milliseconds = 0);
    void CancelCall();
    bool CallPending() const { return pendingCall_ != 0; }

    void HandleEvent(bool fromEvent)
    {
        if (!fromEvent) pendingCall_ = 0; // the call is due
        handle_.call(handle_.owner);
    }

private:
    ListenerCall handle_;
    Js function_; // what the targets call
    std::vector<std::pair<Js, const char*>> subscriptions_;
    int pendingCall_ = 0; // the timer's id
};

} // namespace ribi::form::web
