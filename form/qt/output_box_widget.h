#pragma once

// The output box. Its Text is kept as written, CR LF and all, because the
// editor widget keeps only LF. While a click is being handled the widget is
// refreshed once at the end, not at every intermediate write.

#include "form/controls.h"

#include <QPlainTextEdit>

namespace ribi::form::qt {

class OutputBoxWidget final : public QPlainTextEdit, public TextBox {
public:
    explicit OutputBoxWidget(QWidget* parent);

    std::u16string Text() const override;
    void SetText(std::u16string text) override;

    // While one of these lives, writes wait for its end to reach the screen.
    class DeferredRefresh {
    public:
        explicit DeferredRefresh(OutputBoxWidget& box) : box_(box) { ++box_.deferDepth_; }
        ~DeferredRefresh()
        {
            if (--box_.deferDepth_ == 0 && box_.stale_) box_.Refresh();
        }
        DeferredRefresh(const DeferredRefresh&) = delete;
        DeferredRefresh& operator=(const DeferredRefresh&) = delete;

    private:
        OutputBoxWidget& box_;
    };

private:
    void Refresh();

    mutable std::u16string text_;
    mutable bool typedSinceWrite_ = false; // the widget holds newer text than text_
    bool stale_ = false;                   // text_ holds newer text than the widget
    bool refreshing_ = false;
    int deferDepth_ = 0;
};

} // namespace ribi::form::qt
