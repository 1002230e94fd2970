#pragma once

// An accessible object that can carry the program's latest output to a
// screen reader: the output travels as the object's description while the
// object has the focus, so that the reader speaks it without the focus
// leaving the control the pupil is using.

#include <QString>

namespace ribi::form::qt {

class Announceable {
public:
    virtual ~Announceable() = default;
    void SetAnnouncement(QString text) { announcement_ = std::move(text); }
    const QString& Announcement() const { return announcement_; }

private:
    QString announcement_;
};

} // namespace ribi::form::qt
