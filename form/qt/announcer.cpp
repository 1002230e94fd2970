#include "form/qt/announcer.h"

#include "form/qt/announceable.h"

#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>

namespace ribi::form::qt {

Announcer::Announcer(QPlainTextEdit& output) : QObject(&output), output_(output)
{
    connect(&output_, &QPlainTextEdit::textChanged, this, &Announcer::Schedule);
    connect(qApp, &QApplication::focusChanged, this, &Announcer::TakeBack);
}

// Several writes within one click are one announcement of the last text.
void Announcer::Schedule()
{
    if (scheduled_ || !QAccessible::isActive()) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, &Announcer::Announce);
}

void Announcer::Announce()
{
    scheduled_ = false;
    QWidget* focus = QApplication::focusWidget();
    // Text typed into the box is read by the reader as it is typed.
    if (!focus || focus == &output_ || focus->window() != output_.window()) return;
    QAccessibleInterface* target = QAccessible::queryAccessibleInterface(focus);
    if (target && target->focusChild()) target = target->focusChild();
    if (!dynamic_cast<Announceable*>(target)) return;
    TakeBack();
    Tell(target, output_.toPlainText());
    announcedBy_ = QAccessible::uniqueId(target);
}

void Announcer::Tell(QAccessibleInterface* target, const QString& text)
{
    dynamic_cast<Announceable*>(target)->SetAnnouncement(text);
    QAccessibleEvent changed(target, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

// Also clears what a reader may keep of the description, so that the same
// output said again later is still a change.
void Announcer::TakeBack()
{
    if (announcedBy_ == 0) return;
    QAccessibleInterface* previous = QAccessible::accessibleInterface(announcedBy_);
    announcedBy_ = 0;
    if (previous && previous->isValid() && dynamic_cast<Announceable*>(previous)) Tell(previous, QString());
}

} // namespace ribi::form::qt
