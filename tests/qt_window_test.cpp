// What only the Qt window has to show: its layout and look in Qt's terms,
// the output box's scrolling and line breaks, its Bulgarian context menu.
// The rules it shares with every window are in window_behaviour.cpp.

#include "catalogue/catalogue.h"
#include "form/qt/qt_text.h"
#include "tests/expected_look.h"
#include "tests/qt_window.h"

#include <QAccessible>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace ribi::testing {
namespace {

using form::qt::ToQString;

TEST(QtWindowLayout, FixedClientAreaAndEveryControlAtItsPlace)
{
    QtWindow w;
    EXPECT_EQ(w.form.size(), QSize(look::kClientArea.width, look::kClientArea.height));
    EXPECT_EQ(w.form.minimumSize(), w.form.maximumSize());
    EXPECT_EQ(w.form.windowTitle(), ToQString(look::kTitle));

    for (const auto& [control, rect] : look::kPlaces) {
        const auto* widget = w.Control(control.name, control.index);
        const std::string name = form::qt::ToQString(ControlName(control)).toStdString();
        ASSERT_NE(widget, nullptr) << name;
        const QRect geometry = widget->geometry();
        EXPECT_EQ((look::Rect{geometry.x(), geometry.y(), geometry.width(), geometry.height()}), rect) << name;
        EXPECT_TRUE(widget->isVisible()) << name;
    }
    EXPECT_EQ(w.Option(0)->parentWidget(), w.Control(u"Frame1"));
    // The label's bottom edge meets the names list's top edge.
    EXPECT_EQ(w.Control(u"Label1", 1)->geometry().bottom() + 1, w.Names()->geometry().top());
}

TEST(QtWindowLayout, HiddenListsHoldTheCatalogueAndCannotBeReached)
{
    QtWindow w;
    const auto& rows = catalogue::AllSpecies();
    for (const form::Index list : {form::Index{1}, form::Index{2}}) {
        auto* hidden = w.Control<QListWidget>(u"List1", list);
        EXPECT_FALSE(hidden->isVisible());
        EXPECT_EQ(hidden->focusPolicy(), Qt::NoFocus);
        ASSERT_EQ(hidden->count(), 18);
    }
    ASSERT_EQ(w.Names()->count(), 18);
    for (int p = 0; p < 18; ++p) {
        const auto at = static_cast<std::size_t>(p);
        EXPECT_EQ(w.Names()->item(p)->text(), ToQString(rows[at].name));
        EXPECT_EQ(w.Control<QListWidget>(u"List1", 1)->item(p)->text(), ToQString(rows[at].typeCode));
        EXPECT_EQ(w.Control<QListWidget>(u"List1", 2)->item(p)->text(), ToQString(rows[at].description));
    }
    EXPECT_FALSE(w.Names()->isSortingEnabled());
}

// A point in the window's own pixels, on a grab that may be scaled.
QColor Pixel(const QImage& image, QPoint at)
{
    const qreal scale = image.devicePixelRatio();
    return image.pixelColor(QPoint(qRound(at.x() * scale + scale / 2), qRound(at.y() * scale + scale / 2)));
}

TEST(QtWindowLook, BackgroundsAreTheirColoursToTheUnit)
{
    QtWindow w;
    const QImage shot = w.form.grab().toImage();
    EXPECT_EQ(shot.size(), w.form.size() * shot.devicePixelRatio()); // scaled evenly, if at all
    const auto inside = [&](const QWidget* widget, QPoint offset) { return widget->mapTo(&w.form, offset); };
    const auto qcolor = [](look::Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); };

    for (const auto& [what, control, at, colour] : look::kBackgrounds) {
        const QWidget* widget = w.Control(control.name, control.index);
        EXPECT_EQ(Pixel(shot, inside(widget, {at.x, at.y})), qcolor(colour)) << what;
    }
    auto* viewport = w.Names()->viewport();
    EXPECT_EQ(Pixel(shot, inside(viewport, {viewport->width() - 4, 4})), qcolor(look::kNamesColour)) << "names list";
}

TEST(QtWindowLook, EveryControlUsesTheWindowFont)
{
    QtWindow w;
    for (auto* widget : w.form.findChildren<QWidget*>()) {
        const QFont font = widget->font();
        EXPECT_EQ(font.family(), "Times New Roman") << widget->objectName().toStdString();
        EXPECT_EQ(font.pointSize(), 12);
        EXPECT_EQ(font.weight(), QFont::Normal);
        EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
    }
    const QFontInfo resolved(w.Names()->font());
    EXPECT_TRUE(resolved.family() == "Liberation Serif" || resolved.family() == "Times New Roman")
        << resolved.family().toStdString();
    EXPECT_EQ(resolved.pixelSize(), 16); // 12 points at 96 dots per inch
}

TEST(QtWindowLook, ScreenReaderNamesEveryControl)
{
    QtWindow w;
    const auto name = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(w.Names()), QString::fromUtf8("Име на риба"));
    EXPECT_EQ(name(w.Control(u"Frame1")), QString::fromUtf8("Тип риби"));
    EXPECT_EQ(name(w.Option(0)), QString::fromUtf8("Непасажни"));
    EXPECT_EQ(name(w.Option(1)), QString::fromUtf8("Пасажни"));
    EXPECT_FALSE(name(w.Output()).isEmpty());
}

TEST(QtWindowFirstView, TaskStatementFromTheTopWithNoCurrentRow)
{
    QtWindow w;
    EXPECT_EQ(w.Output()->toPlainText().count('\n'), 10); // shown as ten lines
    EXPECT_EQ(w.Output()->textCursor().position(), 0);
    EXPECT_EQ(w.Output()->verticalScrollBar()->value(), 0);
    EXPECT_FALSE(w.Names()->currentIndex().isValid());
}

TEST(QtWindowOutput, KeepsCrLfAndShowsEachOutputFromItsTop)
{
    QtWindow w;
    w.ClickOption(1);
    EXPECT_EQ(w.Shown().size(), w.Output()->toPlainText().size() + 12); // twelve CR LF shown as LF
    auto* scroll = w.Output()->verticalScrollBar();
    EXPECT_GT(scroll->maximum(), 0); // twelve lines do not fit
    w.Output()->moveCursor(QTextCursor::End);
    scroll->setValue(scroll->maximum());
    w.ClickOption(0);
    EXPECT_GT(scroll->maximum(), 0);
    EXPECT_EQ(scroll->value(), 0);
    EXPECT_EQ(w.Output()->textCursor().position(), 0);

    w.TypeIntoOutput(u"\nбележка");
    EXPECT_TRUE(w.Shown().ends_with(u"\r\nбележка")); // typed Enter reads back as CR LF
    EXPECT_EQ(w.Output()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

// The texts of the context menu a right click opens on `widget`; the
// editor pops it up without waiting for it.
QStringList ContextMenuTexts(QWidget* widget)
{
    const QPoint at(20, 20);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    QStringList texts;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* menu = qobject_cast<QMenu*>(top);
        if (!menu || !menu->isVisible()) continue;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator()) texts << action->text();
        menu->close();
    }
    return texts;
}

TEST(QtWindowLanguage, OutputBoxContextMenuIsBulgarian)
{
    QtWindow w;
    QStringList texts = ContextMenuTexts(w.Output()->viewport());
    for (QString& text : texts) text = text.section(u'\t', 0, 0); // without the shortcut
    const QStringList bulgarian{"&Отмяна",    "По&втаряне", "&Изрязване",        "&Копиране",
                                "&Поставяне", "Изтриване",  "Избиране на всичко"};
    EXPECT_EQ(texts, bulgarian) << texts.join(u'|').toStdString();
}

} // namespace
} // namespace ribi::testing
