#include "colour/ScreenColour.h"

#include <QImage>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace zep;

TEST(ScreenColour, ReadsWhatTheScreenShowsUnderAPoint) {
    QWidget w;
    w.setAttribute(Qt::WA_StyledBackground);
    w.setStyleSheet("background: rgb(10, 200, 30);");
    w.resize(60, 60);
    w.move(100, 100);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(20);
    const ColourValue c = PickScreenColorAt(w.mapToGlobal(QPoint(30, 30)));
    EXPECT_EQ(SplitRGB(c), (RGBBytes{10, 200, 30}));
}
