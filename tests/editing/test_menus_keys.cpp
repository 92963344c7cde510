#include "canvas/WindowDriver.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace zep;
using zep::test::WindowDriver;

// Back to front: text, picture, shape, line, each in a place of its own.
TEST(ContextMenu, ObjectMenusFollowKindAndStackingPlace) {
    WindowDriver w(100);
    w.addText(1500, 1500);
    w.addPicture(1500, 4500, 900, 900);
    w.addShape(4500, 1500, 900, 900);
    w.addLine(4500, 4500, 6000, 4500);
    const struct {
        const char* what;
        double x, y;
        ContextMenu menu;
        bool sizeEdit, up, down;
    } cases[] = {
        {"text, back-most", 1600, 1600, ContextMenu::Object, false, true, false},
        {"picture", 1800, 4800, ContextMenu::Picture, false, true, true},
        {"shape", 4800, 1800, ContextMenu::Object, true, true, true},
        {"line, front-most", 5250, 4500, ContextMenu::Object, true, false, true},
    };
    for (const auto& c : cases) {
        w.lastMenuReset();
        w.click(c.x, c.y, Qt::RightButton);
        ASSERT_TRUE(w.menuShown()) << c.what;
        const ContextMenuState& st = w.win->lastMenuState;
        ASSERT_EQ(w.win->lastMenu, c.menu) << c.what;
        if (c.menu == ContextMenu::Object) {
            EXPECT_EQ(st.sizeEditVisible, c.sizeEdit) << c.what;
            EXPECT_EQ(w.win->action("mnuObjectSizeEdit")->isVisible(), c.sizeEdit) << c.what;
            EXPECT_EQ(w.win->action("mnuOUp")->isEnabled(), c.up) << c.what;
            EXPECT_EQ(w.win->action("mnuOPageUp")->isEnabled(), c.up) << c.what;
            EXPECT_EQ(w.win->action("mnuODown")->isEnabled(), c.down) << c.what;
            EXPECT_EQ(w.win->action("mnuOPageDown")->isEnabled(), c.down) << c.what;
        } else {
            EXPECT_EQ(w.win->action("mnuIUp")->isEnabled(), c.up) << c.what;
            EXPECT_EQ(w.win->action("mnuIDown")->isEnabled(), c.down) << c.what;
        }
        EXPECT_EQ(st.upEnabled, c.up) << c.what;
        EXPECT_EQ(st.downEnabled, c.down) << c.what;
        EXPECT_FALSE(w.ed().mvDragging) << c.what;
    }
}

TEST(ContextMenu, EmptySpotOffersTheBackgroundAndPasteWhenThereIsOne) {
    WindowDriver w(100);
    const QString file = w.pictureFile(20, 20);
    const struct {
        bool background, paste;
        const char* caption;
    } cases[] = {{false, false, "배경넣기"},
                 {true, false, "배경바꾸기"},
                 {false, true, "배경넣기"},
                 {true, true, "배경바꾸기"}};
    for (const auto& c : cases) {
        w.doc().mvBackPicturePath = c.background ? file : QString();
        w.doc().img배경 = c.background ? Picture::load(file) : Picture();
        w.ed().pasteEnabled = c.paste;
        w.lastMenuReset();
        w.click(6000, 6000, Qt::RightButton);
        ASSERT_TRUE(w.menuShown());
        ASSERT_EQ(w.win->lastMenu, ContextMenu::Background);
        EXPECT_EQ(w.win->action("mnuLayerChange")->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(w.win->action("mnuLayerDelete")->isVisible(), c.background);
        EXPECT_EQ(w.win->action("mnuLPost")->isVisible(), c.paste);
        EXPECT_EQ(w.win->lastMenuState.pasteVisible, c.paste);
    }
}

namespace {
const struct KeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    double dx, dy; // on the page
} kKeys[] = {
    {Qt::Key_Left, Qt::NoModifier, -56.7, 0},    {Qt::Key_Right, Qt::NoModifier, 56.7, 0},
    {Qt::Key_Up, Qt::NoModifier, 0, -56.7},      {Qt::Key_Down, Qt::NoModifier, 0, 56.7},
    {Qt::Key_Right, Qt::ShiftModifier, 5.67, 0}, {Qt::Key_Up, Qt::ShiftModifier, 0, -5.67},
    {Qt::Key_Right, Qt::ControlModifier, 0, 0},  {Qt::Key_Down, Qt::AltModifier, 0, 0},
};
} // namespace

// One key press moves the selection once, sent to the page (which has the
// focus after a click) or to the window; records change by the step / zoom.
TEST(Keys, ArrowsNudgeTheSelection) {
    for (int zoom : {100, 200}) {
        for (bool toWindow : {false, true}) {
            for (const KeyCase& k : kKeys) {
                WindowDriver w(zoom);
                const double z = zoom / 100.0;
                w.addPicture(1500, 1500, 900, 900);
                w.click(1800 * z, 1800 * z);
                w.doc().mv내용수정 = false;
                QScrollBar* h = w.win->pageView()->horizontalScrollBar();
                QScrollBar* v = w.win->pageView()->verticalScrollBar();
                h->setValue(h->maximum() / 2);
                v->setValue(v->maximum() / 2);
                const QPoint scroll(h->value(), v->value());
                QWidget* target = toWindow ? static_cast<QWidget*>(w.win.get()) : w.page();
                QTest::keyClick(target, k.key, k.mods);
                const std::string what = std::to_string(zoom) + (toWindow ? " window " : " page ") +
                                         std::to_string(k.key) + " " +
                                         std::to_string(k.mods.toInt());
                const PictureElement& p = w.doc().img그리기[1];
                EXPECT_NEAR(p.Left, 1500 * z + k.dx, 0.001) << what;
                EXPECT_NEAR(p.Top, 1500 * z + k.dy, 0.001) << what;
                EXPECT_NEAR(w.doc().gImageBase[1].Left, 1500 + k.dx / z, 0.001) << what;
                EXPECT_NEAR(w.doc().gImageBase[1].Top, 1500 + k.dy / z, 0.001) << what;
                EXPECT_NEAR(w.ed().marks.grip(Grip::NWSE0).Left + 45, p.Left, 0.001) << what;
                EXPECT_FALSE(w.doc().mv내용수정) << what;
                if (k.dx != 0 || k.dy != 0) {
                    EXPECT_EQ(QPoint(h->value(), v->value()), scroll)
                        << what << ": the view stays where it is";
                }
            }
        }
    }
}

TEST(Keys, EveryKindMovesAndOtherToolsIgnoreArrows) {
    WindowDriver w(100);
    w.addLine(1500, 1500, 3000, 1500);
    w.addShape(4500, 1500, 900, 900);
    w.addText(1500, 4500);
    w.click(2250, 1500);
    QTest::keyClick(w.page(), Qt::Key_Down);
    EXPECT_NEAR(w.doc().lin그리기[1].Y1, 1556.7, 0.001);
    EXPECT_NEAR(w.doc().lin그리기[1].Y2, 1556.7, 0.001);
    EXPECT_NEAR(w.doc().gLineBase[1].Y2, 1556.7, 0.001);
    w.click(4800, 1800);
    QTest::keyClick(w.page(), Qt::Key_Left);
    EXPECT_NEAR(w.doc().shp그리기[1].Left, 4443.3, 0.001);
    w.click(1600, 4600);
    ASSERT_EQ(w.ed().gSelName, kTextName);
    QTest::keyClick(w.page(), Qt::Key_Up);
    EXPECT_NEAR(w.doc().gTextBase[1].Top, 4443.3, 0.001);

    w.clickTool(ToolLine);
    QTest::keyClick(w.page(), Qt::Key_Up);
    EXPECT_NEAR(w.doc().txt그리기[1].Top, 4443.3, 0.001);
}

// In the zoom box the arrow moves the selection once and the caret as well.
TEST(Keys, ZoomBoxKeepsItsCaret) {
    WindowDriver w(100);
    w.addPicture(1500, 1500, 900, 900);
    w.click(1800, 1800);
    QLineEdit* box = w.win->zoomBox()->lineEdit();
    box->setFocus();
    box->setCursorPosition(2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(box->cursorPosition(), 1);
    EXPECT_NEAR(w.doc().img그리기[1].Left, 1443.3, 0.001);
    EXPECT_EQ(w.doc().gZoom, 100);
}

TEST(DoubleClick, OnATextOpensTheDialogOnIt) {
    WindowDriver w(100);
    w.addText(1500, 1500, "ONE");
    const int t = w.addText(4500, 1500, "TWO");
    std::vector<std::pair<int, bool>> calls;
    w.win->textDialogOverride = [&](Editor& ed, int index, bool isNew) {
        calls.emplace_back(index, isNew);
        ed.doc.txt그리기[index].Tag = QStringLiteral("48");
    };
    w.doubleClick(4600, 1600);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], std::make_pair(t, false));
    EXPECT_EQ(w.ed().gSelName, kTextName);
    EXPECT_EQ(w.ed().gSelIndex, t);
    EXPECT_FLOAT_EQ(w.doc().gTextBase[t].FontSize, 48);
    EXPECT_EQ(w.doc().count(ObjectKind::Text), 2);

    w.doubleClick(3000, 6000); // empty page
    EXPECT_EQ(calls.size(), 1u);
}
