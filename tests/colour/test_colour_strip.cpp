#include "canvas/Editor.h"
#include "colour/widgets/ColourStrip.h"
#include "colour/widgets/ColourSwatch.h"
#include "support/TestSupport.h"
#include "view/Zoom.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace zep;

namespace {

constexpr ColourValue kWhite = 0xFFFFFF;

// The strip in a window of its own, with a selected opaque shape.
class Strip : public ::testing::Test {
protected:
    Editor ed;
    std::unique_ptr<QWidget> window;
    ColourStrip* strip = nullptr;
    int repaints = 0;
    int shape = 0;

    void SetUp() override {
        ed.doc.gZoom = 100;
        shape = ed.doc.loadElement(ObjectKind::Shape);
        ed.doc.growTable(ObjectKind::Shape, shape);
        ed.doc.gShapeBase[shape] = {1, 1500, 1500, 1500, 1500};
        ed.doc.appendToList(ObjectKind::Shape, shape);
        ApplyZoomToObjects(ed.doc);
        ed.gSelObject = {ObjectKind::Shape, shape};
        ed.gSelName = kShapeName;
        ed.gSelIndex = shape;

        window = std::make_unique<QWidget>();
        window->resize(720, 120);
        window->move(20, 20);
        strip = new ColourStrip(ed, window.get());
        strip->setGeometry(0, 0, 720, 46);
        strip->requestRepaint = [this] { ++repaints; };
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <class T> T* child(const char* name) {
        T* w = strip->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* box(int i) { return child<QLineEdit>(QStringLiteral("txtColor%1").arg(i).toUtf8()); }
    QScrollBar* bar(int i) {
        return child<QScrollBar>(QStringLiteral("hsbColor%1").arg(i).toUtf8());
    }
    ColourValue swatch(const char* name) { return child<ColourSwatch>(name)->colour(); }
    const ShapeElement& s() const { return ed.doc.shp그리기[shape]; }

    void retype(QLineEdit* b, const char* text) {
        b->setFocus();
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Backspace);
        QTest::keyClicks(b, QString::fromLatin1(text));
    }
};

void sendMouse(QWidget* w, QEvent::Type type, QPoint global, Qt::MouseButtons held) {
    const QPointF local = w->mapFromGlobal(global);
    QMouseEvent e(type, local, global, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  held, {});
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST_F(Strip, TypedNumbersAndBarsDriveTheActiveSwatchAndTheSelection) {
    retype(box(1), "300");
    EXPECT_EQ(box(1)->text(), "255");
    EXPECT_EQ(bar(1)->value(), 255);
    EXPECT_EQ(swatch("picForeColor"), RGBValue(0, 255, 0));
    EXPECT_EQ(s().BorderColor, RGBValue(0, 255, 0));
    EXPECT_GT(repaints, 0);

    retype(box(1), "-1");
    EXPECT_EQ(box(1)->text(), "0");
    retype(box(1), "ab"); // stays as typed
    EXPECT_EQ(box(1)->text(), "ab");
    EXPECT_EQ(bar(1)->value(), 0);

    // The background swatch: its frame, its colour in the boxes, its side.
    QTest::mouseClick(child<ColourSwatch>("picBackColor"), Qt::LeftButton);
    EXPECT_TRUE(child<QFrame>("lblBackColorSelectLine")->isVisible());
    EXPECT_FALSE(child<QFrame>("lblForeColorSelectLine")->isVisible());
    EXPECT_EQ(box(0)->text(), "255");
    bar(0)->setValue(10);
    EXPECT_EQ(box(0)->text(), "10");
    EXPECT_EQ(swatch("picBackColor"), RGBValue(10, 255, 255));
    EXPECT_EQ(s().BackColor, RGBValue(10, 255, 255));
    EXPECT_EQ(s().BorderColor, 0); // the border keeps the foreground
}

TEST_F(Strip, SwapResetAndANewDocument) {
    QTest::mouseClick(child<QToolButton>("img바꾸기"), Qt::LeftButton);
    EXPECT_EQ(swatch("picForeColor"), kWhite);
    EXPECT_EQ(swatch("picBackColor"), 0);
    EXPECT_EQ(box(2)->text(), "255");
    EXPECT_EQ(s().BorderColor, kWhite);
    EXPECT_EQ(s().BackColor, 0);

    QTest::mouseClick(child<ColourSwatch>("picBackColor"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>("img초기화"), Qt::LeftButton);
    EXPECT_EQ(swatch("picForeColor"), 0);
    EXPECT_EQ(swatch("picBackColor"), kWhite);
    EXPECT_EQ(box(0)->text(), "255");
    EXPECT_EQ(s().BackColor, kWhite);

    // New or Open while the background is active: everything shows the foreground.
    ed.ResetDocument();
    strip->refresh();
    EXPECT_TRUE(child<QFrame>("lblForeColorSelectLine")->isVisible());
    EXPECT_FALSE(child<QFrame>("lblBackColorSelectLine")->isVisible());
    EXPECT_EQ(box(0)->text(), "0");
    EXPECT_EQ(bar(0)->value(), 0);
}

TEST_F(Strip, DoubleClickOpensTheDialogOnThatSwatch) {
    QString title;
    ColourValue offered = -1;
    bool answer = true;
    strip->chooseColour = [&](QWidget*, const QString& t, ColourValue& c) {
        title = t;
        offered = c;
        c = RGBValue(1, 2, 3);
        return answer;
    };
    auto* back = child<ColourSwatch>("picBackColor");
    QTest::mouseClick(back, Qt::LeftButton);
    QTest::mouseDClick(back, Qt::LeftButton);
    EXPECT_EQ(title, "배경색 선택");
    EXPECT_EQ(offered, kWhite);
    EXPECT_EQ(back->colour(), RGBValue(1, 2, 3));
    EXPECT_EQ(s().BackColor, RGBValue(1, 2, 3));
    EXPECT_EQ(box(2)->text(), "3"); // the boxes follow the choice

    answer = false;
    auto* fore = child<ColourSwatch>("picForeColor");
    QTest::mouseClick(fore, Qt::LeftButton);
    QTest::mouseDClick(fore, Qt::LeftButton);
    EXPECT_EQ(title, "전경색 선택");
    EXPECT_EQ(fore->colour(), 0);
    EXPECT_EQ(s().BorderColor, 0);
}

TEST_F(Strip, PaletteSamplesWhileTheButtonIsHeldAnywhere) {
    QWidget target;
    target.setAttribute(Qt::WA_StyledBackground);
    target.setStyleSheet("background: rgb(10, 200, 30);");
    target.setGeometry(100, 300, 80, 80);
    target.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&target));
    QTest::qWait(20);

    auto* palette = strip->findChild<PalettePicture*>(QStringLiteral("img색상표"));
    ASSERT_NE(palette, nullptr);
    const QPoint onPalette(100, 12);
    const ColourValue shown = palette->colourAt(onPalette);
    EXPECT_NE(shown, 0);
    sendMouse(palette, QEvent::MouseButtonPress, palette->mapToGlobal(onPalette), Qt::LeftButton);
    EXPECT_EQ(swatch("picForeColor"), shown);
    EXPECT_EQ(s().BorderColor, shown);
    EXPECT_TRUE(ed.mvColorDrag);

    // Dragged off the palette onto another window.
    const QPoint outside = target.mapToGlobal(QPoint(40, 40));
    sendMouse(palette, QEvent::MouseMove, outside, Qt::LeftButton);
    EXPECT_EQ(SplitRGB(swatch("picForeColor")), (RGBBytes{10, 200, 30}));
    EXPECT_EQ(box(1)->text(), "200");
    EXPECT_EQ(SplitRGB(s().BorderColor), (RGBBytes{10, 200, 30}));

    sendMouse(palette, QEvent::MouseButtonRelease, outside, Qt::NoButton);
    EXPECT_FALSE(ed.mvColorDrag);
    sendMouse(palette, QEvent::MouseMove, palette->mapToGlobal(onPalette), Qt::NoButton);
    EXPECT_EQ(SplitRGB(swatch("picForeColor")), (RGBBytes{10, 200, 30}));
}

TEST_F(Strip, EyedropperButtonFollowsTheEditor) {
    auto* dropper = child<QToolButton>("cmd스포이드");
    QTest::mouseClick(dropper, Qt::LeftButton);
    EXPECT_TRUE(dropper->isChecked());
    EXPECT_TRUE(ed.mvEyedropper);
    EXPECT_EQ(ed.activeTool, ToolNone);

    // Choosing a tool turns it off; the strip shows that on its refresh.
    ed.toolButtonClicked(ToolLine);
    strip->refresh();
    EXPECT_FALSE(dropper->isChecked());
    EXPECT_EQ(ed.activeTool, ToolLine);

    QTest::mouseClick(dropper, Qt::LeftButton);
    QTest::mouseClick(dropper, Qt::LeftButton);
    EXPECT_FALSE(dropper->isChecked());
    EXPECT_EQ(ed.activeTool, ToolSelect);
    EXPECT_EQ(ed.mvMousePointer, PointerArrow);
}
