#pragma once

// The output box, a <textarea>. Its Text is kept as written, CR LF and all,
// because a textarea's value keeps only LF. While a click is being handled
// the textarea is written once at the end, not at every intermediate write,
// and each new output is then shown from its top and announced.

#include "form/controls.h"

#include <emscripten/val.h>

#include <functional>
#include <string>

namespace ribi::form::web {

class OutputBoxElement final : public TextBox {
public:
    // `shown` hears each output as it reaches the screen, with LF breaks.
    OutputBoxElement(emscripten::val textarea, std::u16string initialText,
                     std::function<void(const std::u16string&)> shown);

    std::u16string Text() const override;
    void SetText(std::u16string text) override;

    // While one of these lives, writes wait for its end to reach the screen.
    class DeferredRefresh {
    public:
        explicit DeferredRefresh(OutputBoxElement& box) : box_(box) { ++box_.deferDepth_; }
        ~DeferredRefresh()
        {
            if (--box_.deferDepth_ == 0 && box_.stale_) box_.Refresh();
        }
        DeferredRefresh(const DeferredRefresh&) = delete;
        DeferredRefresh& operator=(const DeferredRefresh&) = delete;

    private:
        OutputBoxElement& box_;
    };

private:
    void Show();
    void Refresh();

    emscripten::val textarea_;
    mutable std::u16string text_;
    mutable std::u16string shownLf_; // what the textarea was last given
    std::function<void(const std::u16string&)> shown_;
    bool stale_ = false; // text_ holds newer text than the textarea
    int deferDepth_ = 0;
};

} // namespace ribi::form::web
