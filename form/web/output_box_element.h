#pragma once

// The view of the output box: a <textarea>, which holds LF line breaks
// alone. Each text it is shown is written once, shown from its first line
// with the caret before it, and announced; what the pupil types there is
// the form's box's text, read when the handlers ask for it.

#include "form/text_box_control.h"
#include "form/views.h"
#include "form/web/dom_listener.h"
#include "form/web/live_announcer.h"

#include <string>
#include <string_view>

namespace ribi::form::web {

class OutputBoxElement final : public TextBoxView {
public:
    // Shows `box` in `textarea`, which a page `drawn` with the window holds
    // it in already, perhaps typed into since; a new one is given its
    // text. `box` and `announcer` must outlive the view.
    OutputBoxElement(Js textarea, bool drawn, TextBoxControl& box, LiveAnnouncer& announcer);
    ~OutputBoxElement() override;
    OutputBoxElement(const OutputBoxElement&) = delete;
    OutputBoxElement& operator=(const OutputBoxElement&) = delete;

    void ShowText(std::u16string_view text) override;
    std::u16string TypedText() const override;

private:
    void Typed() { box_.Typed(); }

    Js textarea_;
    TextBoxControl& box_;
    LiveAnnouncer& announcer_;
    DomListener input_;
};

} // namespace ribi::form::web
