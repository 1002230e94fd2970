// The Qt window tests run headless on Qt's offscreen platform.

#include "form/qt/application_setup.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    const ribi::form::qt::ApplicationSetup setup(application);
    return RUN_ALL_TESTS();
}
