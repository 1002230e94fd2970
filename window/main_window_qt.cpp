#include "window/main_window_qt.h"

#include "form/qt/qt_application.h"
#include "form/qt/qt_form.h"
#include "selection/handlers.h"
#include "window/icon/ribi.xpm"
#include "window/main_form.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <iostream>

namespace ribi::window {

int RunMainWindow(QApplication& application)
{
    const form::qt::ApplicationSetup setup(application);
    const QIcon icon{QPixmap(ribi_xpm)};
    QApplication::setWindowIcon(icon);

    form::qt::QtForm form(MainFormDescription());
    selection::Handlers handlers(form, std::cerr);
    form.Connect(handlers);
    form.show();
    return QApplication::exec();
}

} // namespace ribi::window
