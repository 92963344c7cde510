#include "canvas/WindowDriver.h"

#include <gtest/gtest.h>

using namespace zep;
using zep::test::WindowDriver;

namespace {
// One object of a kind whose top-left (or first end) is at (1500, 1500) on the page.
int place(WindowDriver& w, ObjectKind kind) {
    const float z = static_cast<float>(w.doc().z());
    switch (kind) {
    case ObjectKind::Picture:
        return w.addPicture(1500 / z, 1500 / z, 1500 / z, 750 / z);
    case ObjectKind::Shape:
        return w.addShape(1500 / z, 1500 / z, 1500 / z, 750 / z);
    case ObjectKind::Line:
        return w.addLine(1500 / z, 1500 / z, 3000 / z, 2250 / z);
    case ObjectKind::Text:
        return w.addText(1500 / z, 1500 / z);
    case ObjectKind::None:
        break;
    }
    return 0;
}
QPointF onPage(const Document& d, ObjectKind kind) {
    switch (kind) {
    case ObjectKind::Picture:
        return {d.img그리기[1].Left, d.img그리기[1].Top};
    case ObjectKind::Shape:
        return {d.shp그리기[1].Left, d.shp그리기[1].Top};
    case ObjectKind::Line:
        return {d.lin그리기[1].X1, d.lin그리기[1].Y1};
    case ObjectKind::Text:
        return {d.txt그리기[1].Left, d.txt그리기[1].Top};
    case ObjectKind::None:
        break;
    }
    return {};
}
QPointF record(const Document& d, ObjectKind kind) {
    switch (kind) {
    case ObjectKind::Picture:
        return {d.gImageBase[1].Left, d.gImageBase[1].Top};
    case ObjectKind::Shape:
        return {d.gShapeBase[1].Left, d.gShapeBase[1].Top};
    case ObjectKind::Line:
        return {d.gLineBase[1].X1, d.gLineBase[1].Y1};
    case ObjectKind::Text:
        return {d.gTextBase[1].Left, d.gTextBase[1].Top};
    case ObjectKind::None:
        break;
    }
    return {};
}
bool shown(const Document& d, ObjectKind kind) {
    switch (kind) {
    case ObjectKind::Picture:
        return d.img그리기[1].Visible;
    case ObjectKind::Shape:
        return d.shp그리기[1].Visible;
    case ObjectKind::Line:
        return d.lin그리기[1].Visible;
    case ObjectKind::Text:
        return d.txt그리기[1].Visible;
    case ObjectKind::None:
        break;
    }
    return false;
}
} // namespace

// Press, drag by (300, -150), release: the outline goes along, the object
// lands there and its record follows at 100 %.
TEST(Moving, EveryKindByDragAtTwoZooms) {
    for (int zoom : {100, 50}) {
        for (ObjectKind kind :
             {ObjectKind::Picture, ObjectKind::Shape, ObjectKind::Line, ObjectKind::Text}) {
            const std::string what = kindName(kind).toStdString() + " at " + std::to_string(zoom);
            WindowDriver w(zoom);
            place(w, kind);
            const double z = zoom / 100.0;
            const QPointF grab(1650, 1575); // inside every one of them, on the line too
            w.press(grab.x(), grab.y());
            w.drag(grab.x() + 150, grab.y() - 75);
            w.drag(grab.x() + 300, grab.y() - 150);
            EXPECT_FALSE(shown(w.doc(), kind)) << what;
            const OutlineLine& top = w.ed().marks.lin테두리[0];
            EXPECT_TRUE(top.Visible) << what;
            EXPECT_EQ(QPointF(top.X1, top.Y1), QPointF(1800, 1350)) << what;
            EXPECT_EQ(onPage(w.doc(), kind), QPointF(1500, 1500))
                << what << ": not before the release";

            w.release(grab.x() + 300, grab.y() - 150);
            EXPECT_TRUE(shown(w.doc(), kind)) << what;
            EXPECT_EQ(onPage(w.doc(), kind), QPointF(1800, 1350)) << what;
            const QPointF r = record(w.doc(), kind);
            EXPECT_NEAR(r.x(), 1800 / z, 0.01) << what;
            EXPECT_NEAR(r.y(), 1350 / z, 0.01) << what;
            EXPECT_TRUE(w.doc().mv내용수정) << what;
            const GripMark& g = w.ed().marks.grip(Grip::NWSE0);
            if (kind == ObjectKind::Text) {
                EXPECT_FALSE(g.Visible) << what;
            } else {
                EXPECT_TRUE(g.Visible) << what;
                EXPECT_EQ(QPointF(g.Left + 45, g.Top + 45), QPointF(1800, 1350)) << what;
            }
        }
    }
}

TEST(Moving, LineKeepsItsShape) {
    WindowDriver w(100);
    w.addLine(1500, 1500, 3000, 2250);
    w.dragFromTo(2250, 1875, 2550, 1725);
    const LineElement& l = w.doc().lin그리기[1];
    EXPECT_EQ(QLineF(l.X1, l.Y1, l.X2, l.Y2), QLineF(1800, 1350, 3300, 2100));
    EXPECT_EQ(QLineF(w.doc().gLineBase[1].X1, w.doc().gLineBase[1].Y1, w.doc().gLineBase[1].X2,
                     w.doc().gLineBase[1].Y2),
              QLineF(1800, 1350, 3300, 2100));
    EXPECT_EQ(
        QPointF(w.ed().marks.grip(Grip::NWSE1).Left + 45, w.ed().marks.grip(Grip::NWSE1).Top + 45),
        QPointF(3300, 2100));
}

TEST(Moving, ClickWithoutMovingKeepsGeometryButMarksTheDocument) {
    for (ObjectKind kind :
         {ObjectKind::Picture, ObjectKind::Shape, ObjectKind::Line, ObjectKind::Text}) {
        WindowDriver w(100);
        place(w, kind);
        w.doc().mv내용수정 = false;
        w.click(1650, 1575);
        EXPECT_EQ(w.ed().gSelName, kindName(kind));
        EXPECT_EQ(onPage(w.doc(), kind), QPointF(1500, 1500)) << kindName(kind).toStdString();
        EXPECT_EQ(record(w.doc(), kind), QPointF(1500, 1500)) << kindName(kind).toStdString();
        EXPECT_TRUE(shown(w.doc(), kind));
        EXPECT_TRUE(w.doc().mv내용수정) << kindName(kind).toStdString();
    }
}

TEST(Moving, PictureDraggedPastTheLeftEdge) {
    WindowDriver w(100);
    w.addPicture(300, 1500, 1500, 750);
    w.dragFromTo(600, 1800, -300, 1800);
    EXPECT_FLOAT_EQ(w.doc().img그리기[1].Left, -600);
    EXPECT_FLOAT_EQ(w.doc().gImageBase[1].Left, -600);
    EXPECT_EQ(w.ed().gSelName, kPictureName);
}

// The object the press took keeps the drag when the pointer passes over others.
TEST(Moving, DragOverAnotherObjectMovesOnlyTheGrabbedOne) {
    WindowDriver w(100);
    w.addPicture(1500, 1500, 900, 900);
    w.addPicture(4500, 1500, 900, 900);
    w.dragFromTo(1800, 1800, 4800, 1800);
    EXPECT_FLOAT_EQ(w.doc().img그리기[1].Left, 4500);
    EXPECT_FLOAT_EQ(w.doc().img그리기[2].Left, 4500);
    EXPECT_EQ(w.ed().gSelObject, (ElementRef{ObjectKind::Picture, 1}));
}
