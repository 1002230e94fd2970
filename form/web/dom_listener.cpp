#include "form/web/dom_listener.h"

#include <emscripten/emscripten.h>

extern "C" EMSCRIPTEN_KEEPALIVE void ribi_dom_dispatch(std::uintptr_t listener, bool fromEvent)
{
    reinterpret_cast<ribi::form::web::DomListener*>(listener)->HandleEvent(fromEvent);
}

namespace ribi::form::web {

DomListener::DomListener(ListenerCall handle)
    : handle_(handle), function_(ribi_dom_listener(reinterpret_cast<std::uintptr_t>(this)))
{
}

DomListener::~DomListener()
{
    for (const auto& [target, type] : subscriptions_) ribi_dom_listen(target.Slot(), type, function_.Slot(), false);
    CancelCall();
}

void DomListener::ListenTo(const Js& target, const char* type)
{
    ribi_dom_listen(target.Slot(), type, function_.Slot(), true);
    subscriptions_.emplace_back(target.Copy(), type);
}

void DomListener::CallSoon(int milliseconds)
{
    CancelCall();
    pendingCall_ = ribi_dom_call_soon(function_.Slot(), milliseconds);
}

void DomListener::CancelCall()
{
    if (pendingCall_ == 0) return;
    Js::Window().Call("clearTimeout", pendingCall_);
    pendingCall_ = 0;
}

} // namespace ribi::form::web
