#pragma once

// Owners for the GDI and USER handles the window creates: each is freed
// with the call that belongs to it when its owner goes.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace ribi::form::win32 {

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
struct DestroyIconHandle {
    void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};

using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, DeleteGdiObject>;
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, DeleteGdiObject>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, DestroyIconHandle>;

} // namespace ribi::form::win32
