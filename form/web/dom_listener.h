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
    // the current one. The listener must live until then.
    void CallSoon() const;

    void HandleEvent(const emscripten::val& event) { handle_(event); }

private:
    struct Subscription {
        emscripten::val target;
        std::string type;
    };

    std::function<void(const emscripten::val&)> handle_;
    emscripten::val function_; // what the targets call
    std::vector<Subscription> subscriptions_;
};

} // namespace ribi::form::web
