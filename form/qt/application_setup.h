#pragma once

// What the whole application needs before a form is built: the look the
// window was designed in, and Qt's own texts (context menus, dialogs) in
// Bulgarian whatever the system's language.

#include <QTranslator>

class QApplication;

namespace ribi::form::qt {

class ApplicationSetup {
public:
    explicit ApplicationSetup(QApplication& application);
    ~ApplicationSetup();
    ApplicationSetup(const ApplicationSetup&) = delete;
    ApplicationSetup& operator=(const ApplicationSetup&) = delete;

private:
    QTranslator qtTexts_;
};

} // namespace ribi::form::qt
