#pragma once

// The output box. Its Text is kept as written, CR LF and all, because the
// editor widget keeps only LF. While a click is being handled the widget is
// refreshed once at the end, not at every intermediate write.

#include "form/controls.h"
#include "form/refresh_once.h"

#include <QPlainTextEdit>

namespace ribi::form::qt {

class OutputBoxWidget final : public QPlainTextEdit, public TextBox {
public:
    explicit OutputBoxWidget(QWidget* parent);

    std::u16string Text() const override;
    void SetText(std::u16string text) override;

    // Held by the form while a click is being handled.
    RefreshOnce& Refreshing() { return refreshing_; }

private:
    void Refresh();

    mutable std::u16string text_;
    mutable bool typedSinceWrite_ = false; // the widget holds newer text than text_
    bool writingWidget_ = false;           // inside Refresh: the widget's change is not typing
    RefreshOnce refreshing_{[this] { Refresh(); }};
};

} // namespace ribi::form::qt
