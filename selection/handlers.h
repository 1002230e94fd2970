#pragma once

// What the main window does when a species or a type is clicked. Knows the
// controls only through the form layer's operations.

#include "form/controls.h"
#include "form/conversions.h"
#include "selection/click_guard.h"
#include "selection/diagnostics.h"

#include <exception>
#include <optional>

namespace ribi::selection {

class Handlers final : public form::ClickSink {
public:
    // `diagnostics` receives one line when a handler stops at a failing
    // control operation.
    Handlers(form::Controls& controls, Diagnostics& diagnostics);

    // Click of the List1 array: shows the species selected in the names list.
    void ShowSpecies(form::Index index);
    // Click of the Option1 array: lists the species of the type clicked.
    void SelectType(form::Index index);

    ClickGuard Guard() const { return clickGuard_; }
    std::optional<form::Number> CurrentType() const { return currentType_; }

    void ListClick(form::Index index) override { ShowSpecies(index); }
    void OptionClick(form::Index index) override { SelectType(index); }

private:
    void ShowSpeciesSteps();
    void ListTypeMembers();
    void Append(std::u16string_view line);
    void Stopped(const char* handler, const std::exception& error);

    form::Controls& controls_;
    Diagnostics& diagnostics_;
    ClickGuard clickGuard_ = ClickGuard::Idle;
    std::optional<form::Index> currentSpecies_; // the window's own record of the species shown
    std::optional<form::Number> currentType_;
};

} // namespace ribi::selection
