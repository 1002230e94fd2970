#pragma once

// Speaks each new output of the window through the control that has the
// keyboard focus. Screen readers pass over changes of objects that lack the
// focus, such as the output box while the pupil is in the list, and
// moving the focus to the box would take the pupil out of the list. So the
// new output becomes the description of the focused list item or option,
// which readers present as soon as it changes. It is taken back when the
// focus moves on, so that coming back to a control says only the control.

#include <QAccessible>
#include <QObject>

class QPlainTextEdit;

namespace ribi::form::qt {

class Announcer final : public QObject {
public:
    // Lives as long as `output`, which it listens to.
    explicit Announcer(QPlainTextEdit& output);

private:
    void Schedule();
    void Announce();
    static void Tell(QAccessibleInterface* target, const QString& text);
    void TakeBack();

    QPlainTextEdit& output_;
    bool scheduled_ = false;
    QAccessible::Id announcedBy_ = 0; // the object whose description it is, 0 for none
};

} // namespace ribi::form::qt
