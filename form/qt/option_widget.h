#pragma once

// The view of an option button: a QRadioButton whose whole rectangle is
// the target. Its clicks (mouse, Space) and arrow keys go to the form's
// option, which decides what is selected and when Click is raised.
// Qt's buttons repaint at once on press and again on release, before the
// click is delivered; here that paint waits for the event loop, so that a
// click costs no more than the output it writes.

#include "form/option_button_control.h"
#include "form/views.h"

#include <QRadioButton>

namespace ribi::form::qt {

class OptionWidget final : public QRadioButton, public OptionButtonView {
public:
    // Shows `option`, which must outlive the widget.
    OptionWidget(QWidget* frame, OptionButtonControl& option);
    ~OptionWidget() override;
    OptionWidget(const OptionWidget&) = delete;
    OptionWidget& operator=(const OptionWidget&) = delete;

    void ShowChecked(bool checked) override;
    void ShowTabStop(bool tabStop) override;
    void TakeFocus() override;

protected:
    bool hitButton(const QPoint& position) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    OptionButtonControl& option_;
};

} // namespace ribi::form::qt
