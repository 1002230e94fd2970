// The shared suites on the real Qt window, and what only Qt has: the font
// found on Linux, the Bulgarian context menu.

#include "tests/qt_window.h"

#include <QApplication>
#include <QFontInfo>
#include <QMenu>

#include <gtest/gtest.h>

namespace ribi::testing {
namespace {

RIBI_RUN_SHARED_WINDOW_SUITES(Qt, QtWindow);

// Fontconfig finds the window's font, or its metric twin.
TEST(QtWindowLook, TheWindowFontIsFoundOnLinux)
{
    QtWindow w;
    const QString family = QFontInfo(w.Names()->font()).family();
    EXPECT_TRUE(family == "Liberation Serif" || family == "Times New Roman") << family.toStdString();
}

// The texts of the context menu a right click opens, without their
// shortcuts; the editor pops it up without waiting for it.
TEST(QtWindowLanguage, OutputBoxContextMenuIsBulgarian)
{
    QtWindow w;
    QWidget* box = w.Output()->viewport();
    const QPoint at(20, 20);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
    QApplication::sendEvent(box, &event);
    QStringList texts;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* menu = qobject_cast<QMenu*>(top);
        if (!menu || !menu->isVisible()) continue;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator()) texts << action->text().section(u'\t', 0, 0);
        menu->close();
    }
    const QStringList bulgarian{"&Отмяна",    "По&втаряне", "&Изрязване",        "&Копиране",
                                "&Поставяне", "Изтриване",  "Избиране на всичко"};
    EXPECT_EQ(texts, bulgarian) << texts.join(u'|').toStdString();
}

} // namespace
} // namespace ribi::testing
