// The shared behaviour tests, driven through the real Win32 window by mouse
// and key messages.

#include "tests/win32/win32_window.h"
#include "tests/window_driver.h"

namespace ribi::testing {
namespace {

class Win32Driver final : public WindowDriver {
public:
    void ClickSpecies(form::Index position) override { window_.ClickItem(position); }
    void ClickType(form::Index index) override { window_.ClickOption(index); }
    void TypeIntoOutput(std::u16string_view text) override { window_.Type(text); }
    std::u16string OutputText() override { return window_.Shown(); }
    bool TypeSelected(form::Index index) override { return window_.Checked(index); }
    selection::ClickGuard Guard() override { return window_.handlers.Guard(); }

private:
    Win32Window window_;
};

INSTANTIATE_TEST_SUITE_P(Win32, SelectionBehaviour,
                         ::testing::Values(DriverFactory{
                             "Win32", [] { return std::unique_ptr<WindowDriver>(new Win32Driver); }}),
                         DriverName);

} // namespace
} // namespace ribi::testing
