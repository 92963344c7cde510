#include "canvas/WindowDriver.h"
#include "document/TextLayout.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zep;
using zep::test::WindowDriver;

TEST(Tools, PaletteStateAndPointers) {
    WindowDriver w(100);
    w.win->pictureChooserOverride = [](const QString&) { return QString(); };
    EXPECT_EQ(w.checkedTool(), ToolSelect);

    w.clickTool(ToolSelect); // already down: stays down
    EXPECT_EQ(w.checkedTool(), ToolSelect);
    EXPECT_EQ(w.ed().mvMousePointer, PointerArrow);
    EXPECT_EQ(w.page()->cursor().shape(), Qt::ArrowCursor);

    const struct {
        int tool, pointer;
        Qt::CursorShape cursor;
    } cases[] = {{ToolText, PointerText, Qt::IBeamCursor},
                 {ToolLine, PointerCross, Qt::CrossCursor},
                 {ToolRectangle, PointerCross, Qt::CrossCursor},
                 {ToolCircle, PointerCross, Qt::CrossCursor},
                 {ToolOval, PointerCross, Qt::CrossCursor}};
    for (const auto& c : cases) {
        w.clickTool(c.tool);
        EXPECT_EQ(w.checkedTool(), c.tool) << c.tool;
        EXPECT_EQ(w.ed().mvMousePointer, c.pointer) << c.tool;
        EXPECT_EQ(w.page()->cursor().shape(), c.cursor) << c.tool;
        w.clickTool(c.tool); // a second click lets it up again
        EXPECT_EQ(w.checkedTool(), ToolSelect) << c.tool;
        EXPECT_EQ(w.ed().mvMousePointer, PointerArrow) << c.tool;
    }

    // The picture tools show the cross while their chooser is open.
    for (int tool : {ToolBackground, ToolPicture}) {
        int pointer = 0, down = 0;
        w.win->pictureChooserOverride = [&](const QString&) {
            pointer = w.ed().mvMousePointer;
            down = w.checkedTool();
            return QString();
        };
        w.clickTool(tool);
        EXPECT_EQ(pointer, PointerCross) << tool;
        EXPECT_EQ(down, tool) << tool;
        EXPECT_EQ(w.checkedTool(), ToolSelect) << tool;
    }
}

TEST(LineTool, DrawnDottedThenSolidAndSelected) {
    WindowDriver w(75);
    w.clickTool(ToolLine);
    w.press(1500, 1500);
    w.drag(3000, 2250);
    const Document& d = w.doc();
    ASSERT_EQ(d.count(ObjectKind::Line), 1);
    EXPECT_EQ(d.mvObjectCount(), 0);
    EXPECT_EQ(d.lin그리기[1].BorderStyle, 3);
    EXPECT_EQ(QPointF(d.lin그리기[1].X2, d.lin그리기[1].Y2), QPointF(3000, 2250));
    // The line being drawn is on the screen.
    int inked = 0;
    for (int i = 1; i < 10; ++i)
        inked += w.pixelIsInk(1500 + 150 * i, 1500 + 75 * i);
    EXPECT_GE(inked, 3);

    w.release(3000, 2250);
    EXPECT_EQ(d.lin그리기[1].BorderStyle, 1);
    EXPECT_EQ(d.lin그리기[1].BorderWidth, 1);
    EXPECT_EQ(d.mvObjectCount(), 1);
    EXPECT_EQ(d.mvObjects[1], (ObjectRef{kLineName, 1}));
    EXPECT_FLOAT_EQ(d.gLineBase[1].X1, 2000);
    EXPECT_FLOAT_EQ(d.gLineBase[1].Y2, 3000);
    EXPECT_EQ(d.gLineBase[1].BorderWidth, 1);
    EXPECT_TRUE(d.mv내용수정);
    EXPECT_EQ(w.ed().gSelName, kLineName);
    EXPECT_TRUE(w.ed().marks.grip(Grip::NWSE1).Visible);
    EXPECT_EQ(w.checkedTool(), ToolSelect);
}

TEST(LineTool, ShiftSnapsToTheLongerAxis) {
    const struct {
        const char* what;
        double dx, dy;
        Qt::KeyboardModifiers mods;
        double wantDx, wantDy;
    } cases[] = {
        {"steep", 300, 450, Qt::ShiftModifier, 0, 450},
        {"flat", 450, -300, Qt::ShiftModifier, 450, 0},
        {"tie goes vertical", -300, 300, Qt::ShiftModifier, 0, 300},
        {"shift and ctrl follow freely", 450, 300, Qt::ShiftModifier | Qt::ControlModifier, 450,
         300},
        {"no key", 450, 300, Qt::NoModifier, 450, 300},
    };
    for (const auto& c : cases) {
        WindowDriver w(100);
        w.clickTool(ToolLine);
        w.dragFromTo(3000, 3000, 3000 + c.dx, 3000 + c.dy, c.mods);
        const LineElement& l = w.doc().lin그리기[1];
        EXPECT_EQ(QPointF(l.X1, l.Y1), QPointF(3000, 3000)) << c.what;
        EXPECT_EQ(QPointF(l.X2, l.Y2), QPointF(3000 + c.wantDx, 3000 + c.wantDy)) << c.what;
        EXPECT_FLOAT_EQ(w.doc().gLineBase[1].Y2, 3000 + c.wantDy) << c.what;
    }
}

TEST(ShapeTools, DraggedFromAnyCornerWithTheColoursOfTheStrip) {
    const struct {
        int tool, code, zoom;
        double x0, y0, x1, y1;
    } cases[] = {
        {ToolRectangle, ShapeRectangle, 100, 3000, 3000, 1500, 2250}, // up-left
        {ToolCircle, ShapeCircle, 100, 1500, 3000, 3000, 2250},       // up-right
        {ToolOval, ShapeOval, 100, 3000, 2250, 1500, 3000},           // down-left
        {ToolRectangle, ShapeRectangle, 50, 1500, 2250, 3000, 3000},  // down-right
    };
    for (const auto& c : cases) {
        WindowDriver w(c.zoom);
        w.ed().foreColour = 0x0000FF;
        w.ed().backColour = 0x00FF00;
        w.clickTool(c.tool);
        w.dragFromTo(c.x0, c.y0, c.x1, c.y1);
        const Document& d = w.doc();
        ASSERT_EQ(d.count(ObjectKind::Shape), 1) << c.tool;
        const ShapeElement& s = d.shp그리기[1];
        EXPECT_EQ(s.Shape, c.code) << c.tool;
        EXPECT_EQ(QRectF(s.Left, s.Top, s.Width, s.Height), QRectF(1500, 2250, 1500, 750))
            << c.tool;
        EXPECT_EQ(s.BackStyle, 1);
        EXPECT_EQ(s.BackColor, 0x00FF00u);
        EXPECT_EQ(s.BorderColor, 0x0000FFu);
        EXPECT_EQ(s.BorderStyle, 1);
        EXPECT_EQ(d.mvObjectCount(), 1);
        const double r = 100.0 / c.zoom;
        EXPECT_EQ(QRectF(d.gShapeBase[1].Left, d.gShapeBase[1].Top, d.gShapeBase[1].Width,
                         d.gShapeBase[1].Height),
                  QRectF(1500 * r, 2250 * r, 1500 * r, 750 * r))
            << c.tool;
        EXPECT_EQ(w.ed().gSelName, kShapeName);
        EXPECT_EQ(w.checkedTool(), ToolSelect);
    }
}

// The shape being dragged out is on the screen.
TEST(ShapeTools, ShownWhileDragged) {
    WindowDriver w(100);
    w.ed().foreColour = 0;
    w.clickTool(ToolRectangle);
    w.press(1500, 1500);
    w.drag(3000, 3000);
    int inked = 0;
    for (int i = 1; i < 10; ++i)
        inked += w.pixelIsInk(1500 + 150 * i, 1500);
    EXPECT_GE(inked, 3);
    w.release(3000, 3000);
}

namespace {
// What the text dialog does on OK: a caption and the size that fits it.
void typeSale(Editor& ed, int index, bool) {
    ed.doc.txt그리기[index].Caption = QStringLiteral("SALE");
    autoSizeText(ed.doc.txt그리기[index]);
}
} // namespace

TEST(TextTool, ReleaseMakesATextThroughTheDialog) {
    const struct {
        QStringList fonts;
        const char* want;
    } cases[] = {{{"굴림", "평붓", "굴림체"}, "평붓"}, {{"굴림", "굴림체"}, "굴림체"}};
    for (const auto& c : cases) {
        WindowDriver w(50);
        w.ed().module.gFontNames = c.fonts;
        int calls = 0;
        bool wasNew = false;
        w.win->textDialogOverride = [&](Editor& ed, int index, bool isNew) {
            ++calls;
            wasNew = isNew;
            typeSale(ed, index, isNew);
        };
        w.clickTool(ToolText);
        w.press(1500, 3000);
        w.release(1800, 3300);
        EXPECT_EQ(calls, 1);
        EXPECT_TRUE(wasNew);
        const Document& d = w.doc();
        ASSERT_EQ(d.count(ObjectKind::Text), 1);
        const TextElement& t = d.txt그리기[1];
        EXPECT_EQ(t.FontName, QString::fromUtf8(c.want));
        EXPECT_DOUBLE_EQ(t.FontSize, 36);
        EXPECT_EQ(t.Tag, "72");
        EXPECT_EQ(QPointF(t.Left, t.Top), QPointF(1800, 3300));
        EXPECT_FLOAT_EQ(d.gTextBase[1].Left, 3600);
        EXPECT_FLOAT_EQ(d.gTextBase[1].FontSize, 72);
        EXPECT_EQ(d.mvObjects.back(), (ObjectRef{kTextName, 1}));
        EXPECT_EQ(w.ed().gSelName, kTextName);
        EXPECT_EQ(w.checkedTool(), ToolSelect);
    }
}

TEST(TextTool, CancelLeavesNothing) {
    WindowDriver w(100);
    w.addShape(1500, 1500, 900, 900);
    w.click(1800, 1800); // something selected before
    w.doc().mv내용수정 = false;
    w.win->textDialogOverride = [](Editor& ed, int, bool) { ed.doc.unloadLast(ObjectKind::Text); };
    w.clickTool(ToolText);
    w.click(3000, 3000);
    EXPECT_EQ(w.doc().count(ObjectKind::Text), 0);
    EXPECT_EQ(w.doc().mvObjectCount(), 1);
    EXPECT_EQ(w.ed().gSelName, QString());
    for (const OutlineLine& l : w.ed().marks.lin테두리)
        EXPECT_FALSE(l.Visible);
    EXPECT_FALSE(w.doc().mv내용수정);
    EXPECT_EQ(w.checkedTool(), ToolSelect);
}

TEST(TextTool, PressOnAPictureStillMakesATextAtTheRelease) {
    WindowDriver w(100);
    w.addPicture(1500, 1500, 1500, 1500);
    w.win->textDialogOverride = typeSale;
    w.clickTool(ToolText);
    w.press(2250, 2250);
    w.drag(3600, 3600);
    w.release(4500, 3900);
    ASSERT_EQ(w.doc().count(ObjectKind::Text), 1);
    EXPECT_EQ(QPointF(w.doc().txt그리기[1].Left, w.doc().txt그리기[1].Top), QPointF(4500, 3900));
    EXPECT_EQ(w.ed().gSelName, kTextName);
    EXPECT_FLOAT_EQ(w.doc().img그리기[1].Left, 1500);
    EXPECT_TRUE(w.doc().img그리기[1].Visible);
}

TEST(PictureTool, PlacedInsideTheMarginsAndSizedToThePage) {
    // Margins 737.1 on every side; paper 210 x 297 mm (56.7 twips a millimetre).
    const double mm = 56.7, margins = 2 * 737.1;
    const struct {
        const char* what;
        int zoom;
        bool landscape;
        int w, h;            // pixels
        double wantW, wantH; // at the zoom
    } cases[] = {
        {"natural size", 100, false, 60, 40, 900, 600},
        {"natural size at the zoom", 50, false, 60, 40, 450, 300},
        {"too wide, portrait: a quarter of the width", 100, false, 800, 400,
         (210 * mm - margins) / 4, (210 * mm - margins) / 8},
        {"too tall, portrait, at 50 %", 50, false, 300, 1200, (105 * mm - margins / 2) / 4,
         (105 * mm - margins / 2)},
        {"too wide, landscape: a quarter of the height", 100, true, 1200, 300, (210 * mm - margins),
         (210 * mm - margins) / 4},
    };
    for (const auto& c : cases) {
        WindowDriver w(c.zoom);
        if (c.landscape) {
            w.doc().gPageWidth = static_cast<float>(297 * mm);
            w.doc().gPageHeight = static_cast<float>(210 * mm);
        }
        const QString file = w.pictureFile(c.w, c.h);
        w.win->pictureChooserOverride = [&](const QString&) { return file; };
        w.clickTool(ToolPicture);
        const Document& d = w.doc();
        ASSERT_EQ(d.count(ObjectKind::Picture), 1) << c.what;
        const double z = c.zoom / 100.0;
        const PictureElement& p = d.img그리기[1];
        EXPECT_NEAR(p.Left, 737.1 * z + 100, 0.01) << c.what;
        EXPECT_NEAR(p.Top, 737.1 * z + 100, 0.01) << c.what;
        EXPECT_NEAR(p.Width, c.wantW, 0.01) << c.what;
        EXPECT_NEAR(p.Height, c.wantH, 0.01) << c.what;
        EXPECT_NEAR(d.gImageBase[1].Width, c.wantW / z, 0.01) << c.what;
        EXPECT_NEAR(d.gImageBase[1].Top, 737.1 + 100 / z, 0.01) << c.what;
        EXPECT_EQ(d.gImageBase[1].PicturePath, file);
        EXPECT_EQ(d.mvObjects.back(), (ObjectRef{kPictureName, 1}));
        EXPECT_EQ(w.ed().gSelName, kPictureName);
        EXPECT_TRUE(d.mv내용수정);
        EXPECT_EQ(w.checkedTool(), ToolSelect);
    }
}

TEST(PictureTool, CancelAndUnreadableFilesLeaveTheDocumentAlone) {
    WindowDriver w(100);
    QFile bad(w.dir.filePath("broken.bmp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("BM this is not a picture");
    bad.close();
    for (const QString& file : {QString(), bad.fileName()}) {
        w.win->pictureChooserOverride = [&](const QString&) { return file; };
        w.clickTool(ToolPicture);
        EXPECT_EQ(w.doc().count(ObjectKind::Picture), 0) << file.toStdString();
        EXPECT_EQ(w.doc().mvObjectCount(), 0);
        EXPECT_FALSE(w.doc().mv내용수정);
        EXPECT_EQ(w.ed().gSelName, QString());
    }
    EXPECT_EQ(w.prompts.size(), 1); // the unreadable file is reported
}
