#include "form/win32/accessible_name.h"

// The GUIDs of oleacc.h are defined here, once.
#include <initguid.h>

#include <ole2.h>
#include <oleacc.h>

#include <atomic>
#include <string>
#include <utility>

namespace ribi::form::win32 {
namespace {

// COM for the calling thread while it lives, if no one had set it up.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment()
    {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

IAccPropServices* PropertyServices()
{
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&services))))
        return nullptr;
    return services;
}

// The system's accessible object of the control, with another name for
// the control itself; everything else is the system's.
// Its destructor is private, as a COM object's is: Release ends it.
class NamedAccessible final : public IAccessible { // NOLINT(cppcoreguidelines-virtual-class-destructor)
public:
    NamedAccessible(IAccessible* standard, std::wstring name) : standard_(standard), name_(std::move(name)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (!object) return E_POINTER;
        if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override
    {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* wrong) override
    {
        return standard_->Invoke(member, id, locale, flags, parameters, result, exception, wrong);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return standard_->get_accName(child, name);
        if (!name) return E_POINTER;
        *name = SysAllocString(name_.c_str());
        return *name ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override
    {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override
    {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override
    {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return standard_->put_accValue(child, value);
    }

private:
    ~NamedAccessible() { standard_->Release(); }

    IAccessible* standard_;
    std::wstring name_;
    std::atomic<ULONG> references_{1};
};

} // namespace

AccessibleName::AccessibleName(HWND control, std::u16string_view name)
    : control_(control), name_(name.begin(), name.end())
{
    const ComApartment com;
    if (IAccPropServices* services = PropertyServices()) {
        annotated_ = SUCCEEDED(services->SetHwndPropStr(control_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                        PROPID_ACC_NAME, name_.c_str()));
        services->Release();
    }
}

AccessibleName::~AccessibleName()
{
    if (!annotated_) return;
    const ComApartment com;
    if (IAccPropServices* services = PropertyServices()) {
        MSAAPROPID name = PROPID_ACC_NAME;
        services->ClearHwndProps(control_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
        services->Release();
    }
}

bool AccessibleName::Answer(WPARAM wParam, LPARAM lParam, LRESULT& result) const
{
    if (annotated_ || static_cast<long>(lParam) != static_cast<long>(OBJID_CLIENT)) return false;
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(control_, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&standard))))
        return false;
    auto* named = new NamedAccessible(standard, name_);
    result = LresultFromObject(IID_IAccessible, wParam, named);
    named->Release(); // LresultFromObject holds its own reference
    return true;
}

void RaiseValueChange(HWND control)
{
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace ribi::form::win32
