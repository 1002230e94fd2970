#pragma once

// The program's UTF-16 text and the wide Win32 API's: the same 16-bit code
// units under two type names, so crossing over is a copy, never a
// code page conversion.

#include <windows.h>

#include <string>
#include <string_view>

namespace ribi::form::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the wide API is UTF-16 on Windows");

inline std::wstring ToWide(std::u16string_view text)
{
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

inline std::u16string FromWide(std::wstring_view text)
{
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// The whole window text, CR LF and all.
inline std::u16string WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return FromWide(text);
}

inline void SetWindowTextTo(HWND window, std::u16string_view text)
{
    SetWindowTextW(window, ToWide(text).c_str());
}

} // namespace ribi::form::win32
