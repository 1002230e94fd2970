#include "form/web/dom_listener.h"

#include <emscripten/bind.h>

#include <cstdint>

namespace ribi::form::web {

using emscripten::val;

namespace {

constexpr char kDispatch[] = "ribiDomEvent";

void Dispatch(std::uintptr_t listener, const val& event)
{
    reinterpret_cast<DomListener*>(listener)->HandleEvent(event);
}

EMSCRIPTEN_BINDINGS(ribi_dom_listener)
{
    emscripten::function(kDispatch, &Dispatch);
}

} // namespace

DomListener::DomListener(std::function<void(const val&)> handle)
    : handle_(std::move(handle)), function_(val::module_property(kDispatch).call<val>(
                                      "bind", val::null(), val(reinterpret_cast<std::uintptr_t>(this))))
{
}

DomListener::~DomListener()
{
    for (const auto& subscription : subscriptions_)
        subscription.target.call<void>("removeEventListener", val(subscription.type), function_);
    CancelCall();
}

void DomListener::ListenTo(const val& target, const char* type)
{
    target.call<void>("addEventListener", val(type), function_);
    subscriptions_.push_back({target, type});
}

void DomListener::CallSoon(int milliseconds)
{
    CancelCall();
    // The function takes an event, so it is given one: undefined.
    pendingCall_ = val::global("window").call<val>("setTimeout", function_, milliseconds, val::undefined());
}

void DomListener::CancelCall()
{
    if (pendingCall_.isUndefined()) return;
    val::global("window").call<void>("clearTimeout", pendingCall_);
    pendingCall_ = val::undefined();
}

} // namespace ribi::form::web
