#include "shell/widgets/HelpWindow.h"
#include "support/WindowFixture.h"
#include "view/widgets/PageView.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zep;
using zep::test::WindowFixture;

TEST(MainWindow, MenuItemsWithCaptionsShortcutsAndHiddenItems) {
    WindowFixture f;
    struct Item {
        const char* name;
        const char* caption;
        QKeySequence key;
        bool visible;
    };
    const Item items[] = {
        {"mnu새파일", "새파일(&N)", {}, true},
        {"mnu파일열기", "열기(&O)...", QKeySequence("Ctrl+O"), true},
        {"mnu저장", "저장(&S)", QKeySequence("Ctrl+S"), true},
        {"mnu다른이름저장", "다른이름으로 저장(&A)...          ", {}, true},
        {"mnu용지설정", "용지설정(&G)...", {}, true},
        {"mnu인쇄", "인쇄(&P)", {}, true},
        {"mnu미리보기", "미리보기(&V)", {}, true},
        {"mnu종료", "종료(&X)", {}, true},
        {"mnu실행취소", "실행취소(&U)          ", QKeySequence("Ctrl+Z"), false},
        {"mnu재실행", "재실행(&R)", QKeySequence("Ctrl+Y"), false},
        {"mnu잘라내기", "잘라내기", QKeySequence("Ctrl+X"), true},
        {"mnu복사", "복사하기", QKeySequence("Ctrl+C"), true},
        {"mnu붙이기", "붙여넣기", QKeySequence("Ctrl+V"), true},
        {"mnu지우기", "지우기", QKeySequence(Qt::Key_Delete), true},
        {"mnu틀지우기", "틀 지우기", QKeySequence("Shift+Del"), true},
        {"mnu사용법", "사용법...", QKeySequence(Qt::Key_F1), true},
        {"mnuAbout", "Zephyra 정보(&A)...", {}, true},
    };
    for (const Item& i : items) {
        QAction* a = f.w->action(QString::fromUtf8(i.name));
        ASSERT_NE(a, nullptr) << i.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(i.caption)) << i.name;
        EXPECT_EQ(a->shortcut(), i.key) << i.name;
        EXPECT_EQ(a->isVisible(), i.visible) << i.name;
    }
    EXPECT_FALSE(f.w->action("mnu붙이기")->isEnabled());
    for (const char* m : {"mnuSize", "mnuObjectEdit", "mnuImage편집", "mnuLayer"})
        EXPECT_FALSE(f.w->menu(QString::fromUtf8(m))->menuAction()->isVisible()) << m;
    EXPECT_EQ(f.w->menu("mnu파일")->title(), "파일(&F)");
    EXPECT_EQ(f.w->menu("mnu편집")->title(), "편집(&E)");
    EXPECT_EQ(f.w->menu("mnu도움말")->title(), "도움말(&H)");
}

TEST(MainWindow, CommandBarButtonsAndPalette) {
    WindowFixture f;
    const QStringList tips = {"새파일",   "열기",     "저장",     "",       "실행취소",  "재실행",
                              "복사하기", "잘라내기", "붙여넣기", "지우기", "틀 지우기", "",
                              "용지설정", "미리보기", "인쇄하기", "",       "도움말",    "종료"};
    for (int b = 1; b <= 18; ++b) {
        QAction* a = f.w->commandButton(b);
        ASSERT_NE(a, nullptr) << b;
        if (!tips[b - 1].isEmpty()) {
            EXPECT_EQ(a->toolTip(), tips[b - 1]) << b;
        }
    }
    EXPECT_FALSE(f.w->commandButton(9)->isEnabled());
    const QStringList tools = {"이동도구", "앞으로가져오기", "뒤로보내기", "",
                               "틀",       "도안",           "문자입력",   "",
                               "선그리기", "사각그리기",     "원그리기",   "타원그리기"};
    for (int b = 1; b <= 12; ++b) {
        if (tools[b - 1].isEmpty()) continue;
        ASSERT_NE(f.w->toolButton(b), nullptr) << b;
        EXPECT_EQ(f.w->toolButton(b)->toolTip(), tools[b - 1]);
        EXPECT_EQ(f.w->toolButton(b)->isCheckable(), b != 2 && b != 3) << b;
    }
    EXPECT_TRUE(f.w->toolButton(1)->isChecked());
}

TEST(MainWindow, ZoomBoxTypedValuesListAndButtons) {
    WindowFixture f;
    QComboBox* box = f.w->zoomBox();
    auto type = [&](const QString& t) {
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), t);
    };
    type("33.9");
    EXPECT_EQ(f.ed().doc.gZoom, 33);
    type("5");
    EXPECT_EQ(f.ed().doc.gZoom, 33);
    type("250");
    EXPECT_EQ(f.ed().doc.gZoom, 25); // typing "25" on the way applied 25 first
    box->setCurrentIndex(-1);
    box->lineEdit()->setText("20");
    EXPECT_EQ(f.ed().doc.gZoom, 20);
    QTest::mouseClick(f.w->zoomButton(1), Qt::LeftButton);
    EXPECT_EQ(f.ed().doc.gZoom, 10);
    EXPECT_EQ(box->currentText(), "10");
    QTest::mouseClick(f.w->zoomButton(1), Qt::LeftButton);
    EXPECT_EQ(f.ed().doc.gZoom, 10);
    QTest::mouseClick(f.w->zoomButton(0), Qt::LeftButton);
    EXPECT_EQ(f.ed().doc.gZoom, 20);
    EXPECT_TRUE(box->hasFocus() || box->lineEdit()->hasFocus());
    box->setCurrentIndex(4); // "150" from the list
    emit box->activated(4);
    EXPECT_EQ(f.ed().doc.gZoom, 150);
    // The page surface follows the zoom.
    EXPECT_EQ(f.w->pageView()->surface()->width(), static_cast<int>(std::ceil(1.5 * 11907 / 15)));
    EXPECT_FALSE(f.ed().doc.mv내용수정);
}

TEST(MainWindow, PressOnTheViewBackgroundFocusesThePage) {
    WindowFixture f;
    f.w->zoomBox()->setFocus();
    QWidget* vp = f.w->pageView()->viewport();
    QTest::mouseClick(vp, Qt::LeftButton, {}, QPoint(vp->width() - 5, vp->height() - 5));
    EXPECT_TRUE(f.w->pageView()->surface()->hasFocus());
}

TEST(MainWindow, F1OpensTheHelpAndAMissingFileIsIgnored) {
    WindowFixture f;
    QTest::keyClick(f.w.get(), Qt::Key_F1);
    EXPECT_EQ(HelpWindow::current(), nullptr);
    QFile help(f.path("zephelp.html"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<html><head><title>도움말</title></head><body>x</body></html>");
    help.close();
    f.w->activateWindow();
    QTest::keyClick(f.w->pageView()->surface(), Qt::Key_F1);
    ASSERT_NE(HelpWindow::current(), nullptr);
    HelpWindow::current()->close();
}

TEST(MainWindow, PasteBecomesAvailableWithTheFirstCopyAndGoesWithNew) {
    WindowFixture f;
    Document& d = f.ed().doc;
    const int n = d.loadElement(ObjectKind::Shape);
    d.growTable(ObjectKind::Shape, n);
    d.gShapeBase[n] = {1, 1000, 1000, 1000, 1000};
    d.appendToList(ObjectKind::Shape, n);
    f.ed().ApplyZoom(75);
    f.ed().mf객체찾기(900, 900);
    ASSERT_EQ(f.ed().gSelName, kShapeName);
    f.w->action("mnu복사")->trigger();
    EXPECT_TRUE(f.w->action("mnu붙이기")->isEnabled());
    EXPECT_TRUE(f.w->commandButton(9)->isEnabled());
    f.w->commandButton(9)->trigger();
    EXPECT_EQ(d.count(ObjectKind::Shape), 2);
    f.w->action("mnuOPageDown")->trigger(); // the pasted shape to the back
    EXPECT_EQ(d.mvObjects[1], (ObjectRef{kShapeName, 2}));
    f.answers = {AnswerNo};
    f.w->files.NewDocument();
    EXPECT_FALSE(f.w->action("mnu붙이기")->isEnabled());
    EXPECT_FALSE(f.w->commandButton(9)->isEnabled());
}
