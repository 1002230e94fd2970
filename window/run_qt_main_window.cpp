#include "window/run_qt_main_window.h"

#include "form/qt/application_setup.h"
#include "form/qt/qt_form.h"
#include "selection/handlers.h"
#include "window/icon/ribi.xpm"
#include "window/main_form.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>
#include <string_view>

namespace ribi::window {
namespace {

// A handler's line, on standard error where the terminal that started the
// program shows it.
class StandardError final : public selection::Diagnostics {
public:
    void Line(std::string_view line) override
    {
        std::fwrite(line.data(), 1, line.size(), stderr);
        std::fputc('\n', stderr);
    }
};

} // namespace

int RunQtMainWindow(QApplication& application)
{
    const form::qt::ApplicationSetup setup(application);
    const QIcon icon{QPixmap(ribi_xpm)};
    QApplication::setWindowIcon(icon);

    form::Form form(MainFormDescription());
    form::qt::QtForm window(form);
    StandardError diagnostics;
    selection::Handlers handlers(form, diagnostics);
    form.Connect(&handlers);
    window.show();
    return QApplication::exec();
}

} // namespace ribi::window
