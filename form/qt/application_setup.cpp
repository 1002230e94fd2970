#include "form/qt/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>

namespace ribi::form::qt {

ApplicationSetup::ApplicationSetup(QApplication& application)
{
    // Qt's "Windows" style leaves the colours of frames and options as set;
    // Fusion would tint the inside of a frame.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) application.setStyle(style);

    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    QLocale::setDefault(bulgarian);
    // Without Qt's translations installed, its texts stay English.
    if (qtTexts_.load(bulgarian, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts_);
}

ApplicationSetup::~ApplicationSetup()
{
    QApplication::removeTranslator(&qtTexts_);
}

} // namespace ribi::form::qt
