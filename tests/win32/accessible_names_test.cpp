// The Win32 window as Microsoft Active Accessibility clients (screen
// readers) read it: every control's name and role. That the output box
// tells them of each new output is a shared rule (window_behaviour.cpp).

#include "tests/win32/win32_window.h"

#include <ole2.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>

namespace ribi::testing {
namespace {

class ComApartment {
public:
    ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComApartment() { CoUninitialize(); }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
};

struct Accessible {
    std::u16string name;
    long role = 0;
};

Accessible Read(HWND control)
{
    Accessible read;
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object))))
        return read;
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (object->get_accName(self, &name) == S_OK && name) {
        read.name.assign(reinterpret_cast<const char16_t*>(name), SysStringLen(name));
        SysFreeString(name);
    }
    VARIANT role;
    VariantInit(&role);
    if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) read.role = role.lVal;
    object->Release();
    return read;
}

// In ControlKind's order: text box, label, frame, option button, list box.
constexpr long kRoles[] = {ROLE_SYSTEM_TEXT, ROLE_SYSTEM_STATICTEXT, ROLE_SYSTEM_GROUPING, ROLE_SYSTEM_RADIOBUTTON,
                           ROLE_SYSTEM_LIST};

// Wine's standard accessible objects know the role of an edit only; the
// others are "client" there, where Windows gives each its own.
bool UnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

TEST(Win32Accessibility, EveryVisibleControlHasItsNameAndRole)
{
    const ComApartment com;
    Win32Window w;
    int read = 0;
    for (const auto& control : window::MainFormDescription().controls) {
        if (!control.visible) continue;
        const Accessible accessible = Read(w.Control(control.name, control.index));
        const std::string which = Narrow({control.name, control.index});
        EXPECT_TRUE(accessible.name == control.accessibleName) << which;
        if (UnderWine() && control.kind != form::ControlKind::TextBox)
            EXPECT_EQ(accessible.role, ROLE_SYSTEM_CLIENT) << which;
        else
            EXPECT_EQ(accessible.role, kRoles[static_cast<std::size_t>(control.kind)]) << which;
        ++read;
    }
    EXPECT_EQ(read, 7);
    // Clients that name a list box from the label before it in z-order find it there too.
    EXPECT_EQ(GetWindow(w.Names(), GW_HWNDPREV), w.Control(u"Label1", 1));
}

} // namespace
} // namespace ribi::testing
