// The Windows program: the main window on the Win32 API.

#include "form/form.h"
#include "form/win32/gdi_handles.h"
#include "form/win32/message_loop.h"
#include "form/win32/win32_form.h"
#include "selection/handlers.h"
#include "window/main_form.h"
#include "window/resource.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace {

constexpr int kIconResource = RIBI_ICON_RESOURCE;

ribi::form::win32::UniqueIcon LoadProgramIcon(HINSTANCE instance, int widthMetric, int heightMetric)
{
    return ribi::form::win32::UniqueIcon(
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                      GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR)));
}

// A GUI program has no standard error: a handler's line goes to the
// debugger's output, where a debugger or DebugView shows it.
class DebuggerOutput final : public ribi::selection::Diagnostics {
public:
    void Line(std::string_view line) override
    {
        const int length = static_cast<int>(line.size());
        const int wideLength = MultiByteToWideChar(CP_UTF8, 0, line.data(), length, nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, line.data(), length, wide.data(), wideLength);
        wide += L"\r\n";
        OutputDebugStringW(wide.c_str());
    }
};

} // namespace

// The command line is not read: the program has none.
int WINAPI wWinMain(HINSTANCE hInstance, [[maybe_unused]] HINSTANCE hPrevInstance, [[maybe_unused]] LPWSTR lpCmdLine,
                    int nShowCmd)
{
    const auto largeIcon = LoadProgramIcon(hInstance, SM_CXICON, SM_CYICON);
    const auto smallIcon = LoadProgramIcon(hInstance, SM_CXSMICON, SM_CYSMICON);

    ribi::form::Form form(ribi::window::MainFormDescription());
    ribi::form::win32::Win32Form window(form, largeIcon.get(), smallIcon.get());
    DebuggerOutput diagnostics;
    ribi::selection::Handlers handlers(form, diagnostics);
    form.Connect(&handlers);
    window.Show(nShowCmd);
    return ribi::form::win32::RunMessageLoop(window.Handle());
}
