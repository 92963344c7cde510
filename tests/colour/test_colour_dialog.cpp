#include "canvas/Editor.h"
#include "colour/widgets/ColourDialog.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace zep;

namespace {

template <class T> T* child(QWidget* w, const QString& name) {
    T* c = w->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}
QLineEdit* box(QWidget* d, int i) {
    return child<QLineEdit>(d, QStringLiteral("txtColor%1").arg(i));
}
QScrollBar* bar(QWidget* d, int i) {
    return child<QScrollBar>(d, QStringLiteral("vsbColor%1").arg(i));
}
QString boxes(QWidget* d) {
    return box(d, 0)->text() + ',' + box(d, 1)->text() + ',' + box(d, 2)->text();
}
// QTest takes the point (0, 0) for the centre.
void pressAt(QWidget* w, QPoint at) {
    QMouseEvent e(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                  {});
    QApplication::sendEvent(w, &e);
}
ColourValue previewShown(QWidget* d) {
    return fromQColor(
        child<QWidget>(d, QStringLiteral("picPreview"))->palette().color(QPalette::Window));
}

// Runs the modal dialog; `act` drives it once it is up.
bool runModal(const QString& title, ColourValue& c, std::function<void(QWidget*)> act) {
    Editor ed;
    QTimer::singleShot(0, [act] {
        QWidget* d = QApplication::activeModalWidget();
        ASSERT_NE(d, nullptr);
        act(d);
    });
    return runColourDialog(nullptr, ed, title, c);
}

} // namespace

TEST(ColourDialog, OpensOnTheSwatchColourAndOkKeepsIt) {
    ColourValue c = 0xFFFFFF;
    const bool ok = runModal(QStringLiteral("배경색 선택"), c, [](QWidget* d) {
        EXPECT_EQ(d->objectName(), "frm색상선택");
        EXPECT_EQ(d->windowTitle(), "색상선택");
        EXPECT_EQ(child<QLabel>(d, QStringLiteral("Label1_0"))->text(), "배경색 선택");
        EXPECT_EQ(previewShown(d), 0xFFFFFF);
        EXPECT_EQ(boxes(d), ",,");
        EXPECT_EQ(bar(d, 0)->value(), 0);
        QTest::mouseClick(child<QPushButton>(d, QStringLiteral("cmdButton0")), Qt::LeftButton);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(c, 0xFFFFFF);

    // A choice comes back on OK.
    EXPECT_TRUE(runModal(QStringLiteral("선색 선택"), c, [](QWidget* d) {
        bar(d, 0)->setValue(10);
        EXPECT_EQ(previewShown(d), RGBValue(10, 0, 0)); // whatever the swatch was
        QTest::mouseClick(child<QPushButton>(d, QStringLiteral("cmdButton0")), Qt::LeftButton);
    }));
    EXPECT_EQ(c, RGBValue(10, 0, 0));
}

TEST(ColourDialog, CancelAndEscapeLeaveTheColour) {
    for (bool escape : {false, true}) {
        ColourValue c = RGBValue(7, 8, 9);
        const bool ok = runModal(QStringLiteral("글자색 선택"), c, [escape](QWidget* d) {
            bar(d, 1)->setValue(99);
            QTest::mouseClick(child<QWidget>(d, QStringLiteral("picColor0")), Qt::LeftButton, {},
                              QPoint(10, 10));
            if (escape)
                QTest::keyClick(d, Qt::Key_Escape);
            else
                QTest::mouseClick(child<QPushButton>(d, QStringLiteral("cmdButton1")),
                                  Qt::LeftButton);
        });
        EXPECT_FALSE(ok) << escape;
        EXPECT_EQ(c, RGBValue(7, 8, 9)) << escape;
    }
}

TEST(ColourDialog, PressOnTheFieldsSetsTheBoxesAndPreview) {
    const struct {
        const char* field;
        QPoint at;
        int r, g, b;
    } cases[] = {
        {"picColor0", {0, 0}, 0, 255, 255},   // cyan corner
        {"picColor0", {254, 0}, 0, 1, 255},   // towards blue
        {"picColor0", {0, 254}, 254, 255, 1}, // towards yellow
        {"picColor0", {254, 254}, 254, 1, 1}, // towards red
        {"picColor1", {0, 5}, 255, 255, 255}, // white end of the ramp
        {"picColor1", {254, 5}, 1, 1, 1},
    };
    ColourDialog d;
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    for (const auto& c : cases) {
        pressAt(child<QWidget>(&d, QString::fromLatin1(c.field)), c.at);
        EXPECT_EQ(boxes(&d), QStringLiteral("%1,%2,%3").arg(c.r).arg(c.g).arg(c.b))
            << c.field << " " << c.at.x() << "," << c.at.y();
        EXPECT_EQ(bar(&d, 1)->value(), c.g) << c.field;
        EXPECT_EQ(d.colour(), RGBValue(c.r, c.g, c.b)) << c.field;
        EXPECT_EQ(previewShown(&d), d.colour());
    }
}

TEST(ColourDialog, TypedNumbersAreCorrectedAndMoveTheBars) {
    ColourDialog d;
    d.setColour(RGBValue(1, 2, 3));
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    QTest::keyClicks(box(&d, 2), QStringLiteral("256"));
    EXPECT_EQ(box(&d, 2)->text(), "255");
    EXPECT_EQ(bar(&d, 2)->value(), 255);
    EXPECT_EQ(d.colour(), RGBValue(0, 0, 255));
    box(&d, 0)->selectAll();
    QTest::keyClicks(box(&d, 0), QStringLiteral("-3"));
    EXPECT_EQ(box(&d, 0)->text(), "0");
    EXPECT_EQ(bar(&d, 0)->value(), 0);
}
