// The shared behaviour tests, driven through the real Qt window by mouse
// and keyboard.

#include "tests/qt_window.h"
#include "tests/window_driver.h"

namespace ribi::testing {
namespace {

class QtDriver final : public WindowDriver {
public:
    void ClickSpecies(form::Index position) override { window_.ClickItem(position); }
    void ClickType(form::Index index) override { window_.ClickOption(index); }
    void TypeIntoOutput(std::u16string_view text) override { window_.Type(text); }
    std::u16string OutputText() override { return window_.Shown(); }
    bool TypeSelected(form::Index index) override { return window_.Option(index)->isChecked(); }
    selection::ClickGuard Guard() override { return window_.handlers.Guard(); }

private:
    QtWindow window_;
};

INSTANTIATE_TEST_SUITE_P(Qt, SelectionBehaviour,
                         ::testing::Values(DriverFactory{"Qt",
                                                         [] { return std::unique_ptr<WindowDriver>(new QtDriver); }}),
                         DriverName);

} // namespace
} // namespace ribi::testing
