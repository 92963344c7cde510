#include "canvas/Editor.h"
#include "document/Page.h"
#include "document/ZepFile.h"
#include "print/Export.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace zep;

// 10,000 objects: opening, zooming, painting and hit-testing stay linear.
TEST(LargePage, TenThousandObjectsStayUsable) {
    test::pinFonts();
    Document d;
    d.gZoom = 100;
    ApplyPageSize(d, 420, 297);
    for (int i = 0; i < 10000; ++i) {
        const float x = static_cast<float>((i * 37) % 20000),
                    y = static_cast<float>((i * 53) % 14000);
        switch (i % 3) {
        case 0: {
            const int n = d.loadElement(ObjectKind::Shape);
            d.growTable(ObjectKind::Shape, n);
            d.gShapeBase[n] = {1, x, y, 300, 200};
            d.appendToList(ObjectKind::Shape, n);
            break;
        }
        case 1: {
            const int n = d.loadElement(ObjectKind::Line);
            d.growTable(ObjectKind::Line, n);
            d.gLineBase[n] = {1, x, y, x + 400, y + 100};
            d.appendToList(ObjectKind::Line, n);
            break;
        }
        default: {
            const int n = d.loadElement(ObjectKind::Text);
            d.txt그리기[n].Caption = QStringLiteral("가격 %1").arg(i);
            d.txt그리기[n].FontName = "굴림";
            d.growTable(ObjectKind::Text, n);
            d.gTextBase[n] = {12, x, y};
            d.appendToList(ObjectKind::Text, n);
        }
        }
    }
    const QByteArray bytes = serializeDocument(d, "/nowhere");

    QElapsedTimer t;
    t.start();
    Editor ed;
    ASSERT_TRUE(parseDocument(ed.doc, "/nowhere", bytes));
    ASSERT_EQ(ed.doc.mvObjectCount(), 10000);
    ed.ApplyZoom(75);
    ed.ApplyZoom(200);
    QImage img(800, 600, QImage::Format_RGB32);
    {
        QPainter p(&img);
        paintPageAt(p, ed.doc, 20);
    }
    for (int i = 0; i < 200; ++i) {
        ed.Deselect();
        ed.mf객체찾기(static_cast<float>(i * 150), static_cast<float>(i * 100));
    }
    EXPECT_LT(t.elapsed(), 10000) << "ms";
}
