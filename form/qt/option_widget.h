#pragma once

// An option button as the classic platform had it: the whole rectangle is
// the target, arrow keys select the next option of the frame, a click on
// the selected option is still a Click, and writing Value raises Click.
// Qt's buttons repaint at once on press and again on release, before the
// click is delivered; here that paint waits for the event loop, so that a
// click costs no more than the output it writes.

#include "form/option_group.h"

#include <QRadioButton>

#include <functional>

namespace ribi::form::qt {

class OptionWidget final : public QRadioButton, public GroupedOptionButton<OptionWidget> {
public:
    OptionWidget(QWidget* frame, const QString& caption, std::function<void()> raiseClick);

    std::u16string Caption() const override;
    bool Value() const override { return isChecked(); }
    void SetValue(bool value) override;

protected:
    bool hitButton(const QPoint& position) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetTabStop(bool tabStop) override;

    std::function<void()> raiseClick_;
};

} // namespace ribi::form::qt
