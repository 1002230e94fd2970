#pragma once

// The output box, a <textarea>. Its Text is kept as written, CR LF and all,
// because a textarea's value keeps only LF. While a click is being handled
// the textarea is written once at the end, not at every intermediate write,
// and each new output is then shown from its top and announced.

#include "form/controls.h"
#include "form/refresh_once.h"

#include <emscripten/val.h>

#include <functional>
#include <string>

namespace ribi::form::web {

class OutputBoxElement final : public TextBox {
public:
    // `shown` hears each output as it reaches the screen, with LF breaks.
    // A textarea `drawn` into the page already holds `initialText`.
    OutputBoxElement(emscripten::val textarea, bool drawn, std::u16string initialText,
                     std::function<void(const std::u16string&)> shown);

    std::u16string Text() const override;
    void SetText(std::u16string text) override;

    // Held by the form while a click is being handled.
    RefreshOnce& Refreshing() { return refreshing_; }

private:
    void Show();
    void Refresh();

    emscripten::val textarea_;
    mutable std::u16string text_;
    mutable std::u16string shownLf_; // what the textarea was last given
    std::function<void(const std::u16string&)> shown_;
    RefreshOnce refreshing_{[this] { Refresh(); }};
};

} // namespace ribi::form::web
