#pragma once

// A DOM event listener that runs C++, for as long as it lives. No
// JavaScript is generated for it: the page calls one exported function,
// bound to the listener's address.

#include <emscripten/val.h>

#include <functional>
#include <string>
#include <vector>

namespace ribi::form::web {

class DomListener {
public:
    explicit DomListener(std::function<void(const emscripten::val&)> handle);
    ~DomListener();
    DomListener(const DomListener&) = delete;
    DomListener& operator=(const DomListener&) = delete;

    // `target` calls this listener for each `type` event until it is destroyed.
    void ListenTo(const emscripten::val& target, const char* type);
    // The browser calls it once, with no event, in a task of its own after
    // the current one, `milliseconds` later at the earliest; not once it
    // is destroyed. A call pending already is replaced.
    void CallSoon(int milliseconds = 0);
    void CancelCall();
    bool CallPending() const { return !pendingCall_.isUndefined(); }

    void HandleEvent(const emscripten::val& event)
    {
        if (event.isUndefined()) pendingCall_ = emscripten::val::undefined(); // the call is due
        handle_(event);
    }

private:
    struct Subscription {
        emscripten::val target;
        std::string type;
    };

    std::function<void(const emscripten::val&)> handle_;
    emscripten::val function_; // what the targets call
    std::vector<Subscription> subscriptions_;
    emscripten::val pendingCall_ = emscripten::val::undefined(); // the timer's id
};

} // namespace ribi::form::web
