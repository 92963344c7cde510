#include "canvas/WindowDriver.h"

#include <gtest/gtest.h>

using namespace zep;
using zep::test::WindowDriver;

namespace {
// Presses on a grip's top-left pixel and moves to (dx, dy) from there.
void pullGrip(WindowDriver& w, Grip g, double dx, double dy, bool releaseToo = true) {
    const GripMark m = w.ed().marks.grip(g);
    ASSERT_TRUE(m.Visible);
    w.press(m.Left, m.Top);
    w.drag(m.Left + dx, m.Top + dy);
    if (releaseToo) w.release(m.Left + dx, m.Top + dy);
}
} // namespace

TEST(Resize, RightGripWidensThePicture) {
    WindowDriver w(100);
    w.addPicture(1000, 1000, 2000, 1000);
    w.click(1500, 1500);
    pullGrip(w, Grip::WE1, 300, 0, false);
    EXPECT_FALSE(w.doc().img그리기[1].Visible);
    EXPECT_FLOAT_EQ(w.ed().marks.lin테두리[1].X1, 3300);
    EXPECT_FLOAT_EQ(w.doc().img그리기[1].Width, 2000); // not before the release
    w.release(3255, 1455);
    const PictureElement& p = w.doc().img그리기[1];
    EXPECT_TRUE(p.Visible);
    EXPECT_EQ(QRectF(p.Left, p.Top, p.Width, p.Height), QRectF(1000, 1000, 2300, 1000));
    EXPECT_FLOAT_EQ(w.doc().gImageBase[1].Width, 2300);
    EXPECT_TRUE(w.doc().mv내용수정);
    EXPECT_FLOAT_EQ(w.ed().marks.grip(Grip::WE1).Left + 45, 3300);
}

// Each grip moves its own edges; an edge may not reach within a pixel of the
// opposite one, and a corner moves both of its edges or neither.
TEST(Resize, GripsMoveTheirEdgesWithinLimits) {
    const struct {
        const char* what;
        Grip g;
        double dx, dy;
        QRectF want; // outline left, top, right, bottom as a rectangle
    } cases[] = {
        {"right", Grip::WE1, 300, 0, QRectF(QPointF(1500, 1500), QPointF(3300, 2400))},
        {"right onto the left edge + 15: refused", Grip::WE1, -1485, 0,
         QRectF(QPointF(1500, 1500), QPointF(3000, 2400))},
        {"right to the left edge + 30", Grip::WE1, -1470, 0,
         QRectF(QPointF(1500, 1500), QPointF(1530, 2400))},
        {"left", Grip::WE0, -300, 0, QRectF(QPointF(1200, 1500), QPointF(3000, 2400))},
        {"top", Grip::NS0, 0, 150, QRectF(QPointF(1500, 1650), QPointF(3000, 2400))},
        {"bottom past the top: refused", Grip::NS1, 0, -1200,
         QRectF(QPointF(1500, 1500), QPointF(3000, 2400))},
        {"bottom-right corner", Grip::NWSE1, 150, 300,
         QRectF(QPointF(1500, 1500), QPointF(3150, 2700))},
        {"top-right corner, top refused", Grip::NESW1, 150, 900,
         QRectF(QPointF(1500, 1500), QPointF(3000, 2400))},
        {"bottom-left corner", Grip::NESW0, 300, -150,
         QRectF(QPointF(1800, 1500), QPointF(3000, 2250))},
        {"top-left corner, left refused", Grip::NWSE0, 1500, 150,
         QRectF(QPointF(1500, 1500), QPointF(3000, 2400))},
    };
    for (const auto& c : cases) {
        WindowDriver w(100);
        w.addPicture(1500, 1500, 1500, 900);
        w.click(1800, 1800);
        pullGrip(w, c.g, c.dx, c.dy, false);
        const auto& o = w.ed().marks.lin테두리;
        EXPECT_EQ(QRectF(QPointF(o[3].X1, o[0].Y1), QPointF(o[1].X1, o[2].Y1)), c.want) << c.what;
        EXPECT_EQ(QRectF(QPointF(o[0].X1, o[3].Y1), QPointF(o[2].X2, o[1].Y2)), c.want) << c.what;
        w.release(0, 0);
        const PictureElement& p = w.doc().img그리기[1];
        EXPECT_EQ(QRectF(p.Left, p.Top, p.Width, p.Height), c.want) << c.what;
        EXPECT_EQ(QRectF(w.doc().gImageBase[1].Left, w.doc().gImageBase[1].Top,
                         w.doc().gImageBase[1].Width, w.doc().gImageBase[1].Height),
                  c.want)
            << c.what;
    }
}

// A shape's outline lies a pixel inside its box; the grip moves the box edge.
TEST(Resize, ShapeBottomGripAtHalfZoom) {
    WindowDriver w(50);
    w.addShape(3000, 3000, 3000, 1800);
    w.click(2250, 2250);
    ASSERT_EQ(w.ed().gSelName, kShapeName);
    pullGrip(w, Grip::NS1, 0, 600);
    const ShapeElement& s = w.doc().shp그리기[1];
    EXPECT_FLOAT_EQ(s.Height, 900 + 615);
    EXPECT_FLOAT_EQ(s.Width, 1500);
    EXPECT_FLOAT_EQ(w.doc().gShapeBase[1].Height, 1800 + 1230);
    EXPECT_TRUE(s.Visible);
}

TEST(Resize, LineEndsMoveAlone) {
    const struct {
        const char* what;
        Grip g;
        double dx, dy;
        QLineF want;
    } cases[] = {
        {"second end", Grip::NWSE1, 300, -150, QLineF(1500, 1500, 3300, 1350)},
        {"first end", Grip::NWSE0, -300, 450, QLineF(1200, 1950, 3000, 1500)},
        {"onto the other end", Grip::NWSE1, -1500, 0, QLineF(1500, 1500, 1500, 1500)},
    };
    for (const auto& c : cases) {
        WindowDriver w(100);
        w.addLine(1500, 1500, 3000, 1500);
        w.click(2250, 1500);
        pullGrip(w, c.g, c.dx, c.dy);
        const LineElement& l = w.doc().lin그리기[1];
        EXPECT_EQ(QLineF(l.X1, l.Y1, l.X2, l.Y2), c.want) << c.what;
        const LineBase& b = w.doc().gLineBase[1];
        EXPECT_EQ(QLineF(b.X1, b.Y1, b.X2, b.Y2), c.want) << c.what;
        EXPECT_TRUE(l.Visible) << c.what;
        EXPECT_EQ(w.ed().gSelName, kLineName) << c.what;
    }
}

TEST(Resize, PressAndReleaseOnAGripKeepsTheSize) {
    for (ObjectKind kind : {ObjectKind::Picture, ObjectKind::Shape, ObjectKind::Line}) {
        WindowDriver w(100);
        if (kind == ObjectKind::Picture)
            w.addPicture(1500, 1500, 1500, 900);
        else if (kind == ObjectKind::Shape)
            w.addShape(1500, 1500, 1500, 900);
        else
            w.addLine(1500, 1500, 3000, 2400);
        w.click(1500, 1500);
        const QRectF before = w.doc().bounds({kind, 1});
        w.doc().mv내용수정 = false;
        const GripMark m = w.ed().marks.grip(Grip::NWSE1);
        w.click(m.Left, m.Top);
        EXPECT_EQ(w.doc().bounds({kind, 1}), before) << kindName(kind).toStdString();
        EXPECT_TRUE(w.doc().mv내용수정) << kindName(kind).toStdString();
        EXPECT_TRUE(w.ed().marks.grip(Grip::NWSE1).Visible) << kindName(kind).toStdString();
    }
}
