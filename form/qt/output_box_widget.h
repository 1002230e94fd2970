#pragma once

// The view of the output box: a QPlainTextEdit, which knows only LF line
// breaks. Each new text is shown from its top; what the pupil types there
// is the box's text from then on. Its no-break spaces, which hold a number
// to its unit, are kept wherever the text leaves the box: read back, and
// copied or dragged out.

#include "form/text_box_control.h"
#include "form/views.h"

#include <QPlainTextEdit>

namespace ribi::form::qt {

class OutputBoxWidget final : public QPlainTextEdit, public TextBoxView {
public:
    // Shows `box`, which must outlive the widget.
    OutputBoxWidget(QWidget* parent, TextBoxControl& box);
    ~OutputBoxWidget() override;
    OutputBoxWidget(const OutputBoxWidget&) = delete;
    OutputBoxWidget& operator=(const OutputBoxWidget&) = delete;

    void ShowText(std::u16string_view text) override;
    std::u16string TypedText() const override;

protected:
    QMimeData* createMimeDataFromSelection() const override;

private:
    TextBoxControl& box_;
    bool showing_ = false; // inside ShowText: the change is not the pupil's
};

} // namespace ribi::form::qt
