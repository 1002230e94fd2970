// The Qt window as a pupil meets it: layout, look, first view, and the
// rules for when a click reaches the handlers.

#include "catalogue/catalogue.h"
#include "form/qt/qt_text.h"
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
using window::TwipsToPixels;

QRect PixelRect(const window::TwipsRect& r)
{
    return {TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width), TwipsToPixels(r.height)};
}

TEST(QtWindowLayout, FixedClientAreaAndEveryControlAtItsPlace)
{
    QtWindow w;
    EXPECT_EQ(w.form.size(), QSize(469, 345));
    EXPECT_EQ(w.form.minimumSize(), w.form.maximumSize());
    EXPECT_EQ(w.form.windowTitle(), QString::fromUtf8("www.velorna.bg  Велорна"));

    const std::map<QString, QRect> expected{
        {"Text1_0", {8, 184, 449, 153}},  {"Label1_0", {72, 0, 305, 25}},  {"Frame1_0", {16, 40, 233, 73}},
        {"Option1_0", {8, 20, 217, 20}},  {"Option1_1", {8, 40, 217, 20}}, {"List1_0", {288, 60, 161, 99}},
        {"Label1_1", {288, 40, 161, 20}},
    };
    for (const auto& [name, rect] : expected) {
        const auto* control = w.form.findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        EXPECT_EQ(control->geometry(), rect) << name.toStdString();
        EXPECT_TRUE(control->isVisible()) << name.toStdString();
    }
    for (const auto& control : window::MainFormDescription().controls)
        if (control.visible) {
            EXPECT_EQ(w.Control(control.name, control.index)->geometry(), PixelRect(control.bounds));
        }

    EXPECT_EQ(w.Option(0)->parentWidget(), w.Control(u"Frame1"));
    // The label's bottom edge meets the names list's top edge.
    EXPECT_EQ(w.Control(u"Label1", 1)->geometry().bottom() + 1, w.Names()->geometry().top());
}

TEST(QtWindowLayout, HiddenListsHoldTheCatalogueAndCannotBeReached)
{
    QtWindow w;
    const auto& rows = catalogue::species();
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
    EXPECT_EQ(shot.size(), QSize(469, 345) * shot.devicePixelRatio()); // scaled evenly, if at all
    const auto inside = [&](const QWidget* widget, QPoint offset) { return widget->mapTo(&w.form, offset); };

    EXPECT_EQ(Pixel(shot, {3, 30}), QColor(192, 192, 255)) << "window";
    EXPECT_EQ(Pixel(shot, {3, 170}), QColor(192, 192, 255)) << "window";
    EXPECT_EQ(Pixel(shot, inside(w.Control(u"Label1", 0), {3, 20})), QColor(255, 192, 128)) << "banner";
    EXPECT_EQ(Pixel(shot, inside(w.Control(u"Label1", 1), {3, 17})), QColor(255, 192, 128)) << "names label";
    EXPECT_EQ(Pixel(shot, inside(w.Control(u"Frame1"), {6, 66})), QColor(128, 255, 128)) << "frame";
    EXPECT_EQ(Pixel(shot, inside(w.Control(u"Frame1"), {228, 30})), QColor(128, 255, 128)) << "frame";
    for (const form::Index i : {form::Index{0}, form::Index{1}})
        EXPECT_EQ(Pixel(shot, inside(w.Option(i), {214, 3})), QColor(255, 128, 0)) << "option " << i;
    auto* viewport = w.Names()->viewport();
    EXPECT_EQ(Pixel(shot, inside(viewport, {viewport->width() - 4, 4})), QColor(128, 128, 128)) << "names list";
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

TEST(QtWindowFirstView, TaskStatementFromTheTopNothingSelectedFocusInTheOutput)
{
    QtWindow w;
    EXPECT_EQ(w.Shown(), catalogue::taskStatement());
    EXPECT_EQ(w.Output()->toPlainText().count('\n'), 10); // shown as ten lines
    EXPECT_EQ(w.Output()->textCursor().position(), 0);
    EXPECT_EQ(w.Output()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(w.form.List1(0).ListIndex(), -1);
    EXPECT_FALSE(w.Names()->currentIndex().isValid());
    EXPECT_FALSE(w.Option(0)->isChecked() || w.Option(1)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), w.Output());
    EXPECT_EQ(w.clicks.listClicks + w.clicks.optionClicks, 0);
}

TEST(QtWindowKeyboard, TabCyclesOutputOptionGroupAndList)
{
    QtWindow w;
    const std::u16string before = w.Shown();
    w.Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.Option(0));
    w.Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.Names());
    w.Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.Output());
    EXPECT_EQ(w.Shown(), before); // no tab was typed, no click delivered
    w.Key(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), w.Names());
    w.Key(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), w.Option(0));
    EXPECT_EQ(w.clicks.listClicks + w.clicks.optionClicks, 0); // focus alone shows nothing

    // Once a type is selected, the group's tab stop is that option.
    w.ClickOption(1);
    w.Output()->setFocus();
    w.Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.Option(1));
}

TEST(QtWindowKeyboard, ArrowsInTheListShowTheNextSpecies)
{
    QtWindow w;
    w.Names()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.clicks.listClicks, 0);
    w.Key(Qt::Key_Down); // from no selection to the first species
    EXPECT_EQ(w.form.List1(0).ListIndex(), 0);
    EXPECT_TRUE(w.Shown().starts_with(u"Посочена е вид риба: есетра\r\n"));
    w.Key(Qt::Key_Down);
    EXPECT_TRUE(w.Shown().starts_with(u"Посочена е вид риба: калкан\r\n"));
    w.Key(Qt::Key_Up);
    EXPECT_TRUE(w.Shown().starts_with(u"Посочена е вид риба: есетра\r\n"));
    EXPECT_EQ(w.clicks.listClicks, 3);
    w.Key(Qt::Key_Up); // already at the top: no change, no click
    EXPECT_EQ(w.clicks.listClicks, 3);
    w.Key(Qt::Key_End);
    EXPECT_TRUE(w.Shown().starts_with(u"Посочена е вид риба: щука\r\n"));
    EXPECT_TRUE(w.Option(0)->isChecked());
}

TEST(QtWindowKeyboard, ArrowsAndSpaceInTheOptionGroupListATypе)
{
    QtWindow w;
    w.Option(0)->setFocus(Qt::TabFocusReason);
    w.Key(Qt::Key_Space);
    EXPECT_TRUE(w.Option(0)->isChecked());
    EXPECT_TRUE(w.Shown().starts_with(u"Посочен тип риба: Непасажни\r\n"));
    w.Key(Qt::Key_Down);
    EXPECT_TRUE(w.Option(1)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), w.Option(1));
    EXPECT_TRUE(w.Shown().starts_with(u"Посочен тип риба: Пасажни\r\n"));
    w.Key(Qt::Key_Down); // round to the first option
    EXPECT_TRUE(w.Option(0)->isChecked());
    w.Key(Qt::Key_Left);
    EXPECT_TRUE(w.Option(1)->isChecked());
    EXPECT_EQ(w.clicks.optionClicks, 4);
    EXPECT_EQ(w.clicks.listClicks, 0);
}

TEST(QtWindowMouse, ListClickRules)
{
    QtWindow w;
    w.ClickItem(2);
    EXPECT_EQ(w.clicks.listClicks, 1);
    EXPECT_EQ(w.form.List1(0).ListIndex(), 2);

    w.Type(u"x");
    w.ClickItem(2); // the selected item again still shows it
    EXPECT_EQ(w.clicks.listClicks, 2);
    EXPECT_FALSE(w.Shown().ends_with(u"x"));

    w.ClickItem(5, Qt::RightButton); // selects nothing, shows nothing
    EXPECT_EQ(w.clicks.listClicks, 2);
    EXPECT_EQ(w.form.List1(0).ListIndex(), 2);

    QTest::mouseDClick(w.Names()->viewport(), Qt::LeftButton, {}, w.ItemCentre(6));
    EXPECT_EQ(w.clicks.listClicks, 3); // one click for a double click
    EXPECT_EQ(w.form.List1(0).ListIndex(), 6);
    EXPECT_TRUE(w.Shown().starts_with(u"Посочена е вид риба: сардина\r\n"));
}

TEST(QtWindowMouse, DragEndsShowingTheSpeciesItEndsOn)
{
    QtWindow w;
    auto* viewport = w.Names()->viewport();
    const QPoint from = w.ItemCentre(0);
    const QPoint to = w.ItemCentre(3);
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    EXPECT_EQ(w.form.List1(0).ListIndex(), 3);
    EXPECT_TRUE(w.Shown().starts_with(u"Посочена е вид риба: костур\r\n"));
    EXPECT_TRUE(w.Option(1)->isChecked());
}

TEST(QtWindowMouse, OptionClickRules)
{
    QtWindow w;
    w.ClickItem(9); // сом selects "Непасажни" through a write, nested
    EXPECT_EQ(w.clicks.optionClicks, 1);
    EXPECT_TRUE(w.Option(0)->isChecked());
    EXPECT_TRUE(w.Shown().starts_with(u"Посочена е вид риба: сом\r\n"));

    w.ClickOption(0); // the selected option lists its type
    EXPECT_EQ(w.clicks.optionClicks, 2);
    EXPECT_TRUE(w.Shown().starts_with(u"Посочен тип риба: Непасажни\r\n"));

    w.ClickOption(1, Qt::RightButton);
    EXPECT_FALSE(w.Option(1)->isChecked());
    EXPECT_EQ(w.clicks.optionClicks, 2);

    // Anywhere in the option's rectangle counts, its circle too.
    QTest::mouseClick(w.Option(1), Qt::LeftButton, {}, QPoint(6, w.Option(1)->height() / 2));
    EXPECT_TRUE(w.Option(1)->isChecked());
    EXPECT_FALSE(w.Option(0)->isChecked());
    EXPECT_EQ(w.handlers.Guard(), selection::ClickGuard::Idle);
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

    w.Type(u"\nбележка");
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
