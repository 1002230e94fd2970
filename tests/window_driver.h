#pragma once

// What a pupil can do to the main window and what they see, so that the
// same behaviour tests run against every binding.

#include "form/controls.h"
#include "selection/click_guard.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace ribi::testing {

class WindowDriver {
public:
    virtual ~WindowDriver() = default;
    virtual void ClickSpecies(form::Index position) = 0;
    virtual void ClickType(form::Index index) = 0;
    // Types at the end of the output box's text.
    virtual void TypeIntoOutput(std::u16string_view text) = 0;
    virtual std::u16string OutputText() = 0;
    virtual bool TypeSelected(form::Index index) = 0;
    virtual selection::ClickGuard Guard() = 0;
};

struct DriverFactory {
    const char* name;
    std::unique_ptr<WindowDriver> (*make)();
};

class SelectionBehaviour : public ::testing::TestWithParam<DriverFactory> {
protected:
    void SetUp() override { window = GetParam().make(); }
    std::unique_ptr<WindowDriver> window;
};

inline void PrintTo(const DriverFactory& factory, std::ostream* out)
{
    *out << factory.name;
}

inline std::string DriverName(const ::testing::TestParamInfo<DriverFactory>& info)
{
    return info.param.name;
}

} // namespace ribi::testing
