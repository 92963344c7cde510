// Paper size table, the page setup rules and the page setup dialog frm용지설정.
#include "canvas/Editor.h"
#include "document/Page.h"
#include "print/PageSetupLogic.h"
#include "print/PaperSizes.h"
#include "print/widgets/PageSetupDialog.h"
#include "support/WindowFixture.h"
#include "view/widgets/PageView.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

using namespace zep;

namespace {

// An editor with a new document's page: A4 portrait, 13 mm margins, 100 %.
struct PageSetupTest : ::testing::Test {
    Editor editor;
    QList<PromptRequest> prompts;

    void SetUp() override {
        Document& d = editor.doc;
        d.gMarginTop = d.gMarginBottom = d.gMarginLeft = d.gMarginRight = 737.1f;
        d.gZoom = 100;
        ApplyPageSize(d, 210, 297);
        editor.module.prompter = [this](const PromptRequest& r) {
            prompts << r;
            return int(AnswerOK);
        };
    }

    void page(double w, double h, bool landscape) {
        ApplyPageSize(editor.doc, w, h);
        editor.doc.gLandscape = landscape;
    }

    // A snapshot of everything page setup may write.
    std::array<float, 6> geometry() const {
        const Document& d = editor.doc;
        return {d.gPageWidth,    d.gPageHeight, d.gMarginTop,
                d.gMarginBottom, d.gMarginLeft, d.gMarginRight};
    }
};

template <typename T> T* child(QWidget* w, const QString& name) {
    T* c = w->findChild<T*>(name);
    if (!c) ADD_FAILURE() << "no control " << name.toStdString();
    return c;
}

float twips(double mm) {
    return static_cast<float>(static_cast<float>(mm) * 56.7);
}

} // namespace

// ---------------------------------------------------------------- the table

TEST(PaperSizeTable, NamedSizesCodesAndListTexts) {
    const auto& t = PaperSizeTable::named();
    ASSERT_EQ(t.size(), 8u);
    const char* codes[] = {"A0", "A1", "A2", "A3", "A4", "A5", "B4", "B5"};
    const int shortMm[] = {840, 594, 420, 297, 210, 148, 257, 182};
    const int longMm[] = {1188, 840, 594, 420, 297, 210, 364, 257};
    const int windows[] = {0, 0, 0, 8, 9, 11, 12, 13};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(t[i].code, codes[i]);
        EXPECT_EQ(t[i].shortMm, shortMm[i]) << codes[i];
        EXPECT_EQ(t[i].longMm, longMm[i]) << codes[i];
        EXPECT_EQ(t[i].listed, i >= 3) << codes[i];
        EXPECT_EQ(t[i].paperCode, windows[i]) << codes[i];
    }
    EXPECT_EQ(PaperSizeTable::listEntries(),
              QStringList({"A3 (297X420mm)", "A4 (210X297mm)", "A5 (148X210mm)", "B4 (257X364mm)",
                           "B5 (182X257mm)", "CS (사용자정의)"}));
    EXPECT_EQ(PaperSizeTable::paperCodeOfEntry("B4 (257X364mm)"), 12);
    EXPECT_EQ(PaperSizeTable::paperCodeOfEntry("CS (사용자정의)"), 256);
    EXPECT_EQ(PaperSizeTable::paperCodeOfEntry("용지종류"), 0);
    // B4 and B5 are the JIS sizes, as Windows numbers 12 and 13 are.
    EXPECT_EQ(PaperSizeTable::pageSizeOfCode(12).size(QPageSize::Millimeter), QSizeF(257, 364));
    EXPECT_EQ(PaperSizeTable::pageSizeOfCode(13).size(QPageSize::Millimeter), QSizeF(182, 257));
    EXPECT_FALSE(PaperSizeTable::pageSizeOfCode(256).isValid());
}

TEST(PaperSizeTable, RecognisesByTheLongSideFirstWithin049Millimetres) {
    EXPECT_EQ(PaperSizeTable::recognise(210, 297, false), "A4");
    EXPECT_EQ(PaperSizeTable::recognise(297, 210, true), "A4");
    EXPECT_EQ(PaperSizeTable::recognise(210.4, 297.4, false), "A4");
    EXPECT_EQ(PaperSizeTable::recognise(210.5, 297, false), "CS");
    EXPECT_EQ(PaperSizeTable::recognise(594, 840, false), "A1");
    EXPECT_EQ(PaperSizeTable::recognise(182, 257, false), "B5");
    // Portrait flag on a lying sheet: its height 210 is A5's long side, 297 is not A5's short.
    EXPECT_EQ(PaperSizeTable::recognise(297, 210, false), "CS");
    EXPECT_EQ(PaperSizeTable::recognise(100, 100, false), "CS");
    EXPECT_EQ(PaperSizeTable::recogniseTwips(twips(148), twips(210), false), "A5");
}

// ---------------------------------------------------------------- opening

TEST_F(PageSetupTest, ANewDocumentOpensAsA4PortraitWith13mmMargins) {
    PageSetupDialog dlg(editor);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "용지설정");
    auto* list = child<QComboBox>(&dlg, "cbo종류");
    EXPECT_EQ(list->count(), 6);
    EXPECT_EQ(list->currentText(), "A4 (210X297mm)");
    EXPECT_EQ(child<QLineEdit>(&dlg, "txtSize0")->text(), "210mm");
    EXPECT_EQ(child<QLineEdit>(&dlg, "txtSize1")->text(), "297mm");
    EXPECT_FALSE(child<QLineEdit>(&dlg, "txtSize0")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>(&dlg, "txtSize1")->isEnabled());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(child<QLineEdit>(&dlg, QStringLiteral("txt여백%1").arg(i))->text(), "13mm");
    EXPECT_TRUE(child<QRadioButton>(&dlg, "opt방향0")->isChecked());
    EXPECT_EQ(child<QLabel>(&dlg, "img방향0")->frameShape(), QFrame::Box);
    EXPECT_EQ(child<QLabel>(&dlg, "img방향1")->frameShape(), QFrame::NoFrame);
    EXPECT_TRUE(child<QLabel>(&dlg, "img방향2")->isVisible());
    EXPECT_FALSE(child<QLabel>(&dlg, "img방향3")->isVisible());
    EXPECT_EQ(child<QPushButton>(&dlg, "cmdButton0")->text(), "확인");
    EXPECT_EQ(child<QPushButton>(&dlg, "cmdButton1")->text(), "취소");
}

TEST_F(PageSetupTest, RecognisesLandscapeCustomAndUnlistedPages) {
    page(297, 210, true);
    PageSetupState s = openPageSetup(editor.doc);
    EXPECT_EQ(s.entryText(), "A4 (210X297mm)");
    EXPECT_EQ(s.orientation, 1);
    EXPECT_EQ(s.size, (std::array<QString, 2>{"297mm", "210mm"}));

    page(210.4, 297.4, false);
    EXPECT_EQ(openPageSetup(editor.doc).entryText(), "A4 (210X297mm)");

    page(210.5, 297, false);
    s = openPageSetup(editor.doc);
    EXPECT_EQ(s.entryText(), "CS (사용자정의)");
    EXPECT_TRUE(s.sizeEnabled);
    EXPECT_EQ(s.size, (std::array<QString, 2>{"210.5mm", "297mm"}));

    page(594, 840, false); // A1: recognised, but it has no entry
    s = openPageSetup(editor.doc);
    EXPECT_EQ(s.entryText(), "CS (사용자정의)");
    EXPECT_EQ(s.size, (std::array<QString, 2>{"594mm", "840mm"}));

    page(123.45, 100, false);
    EXPECT_EQ(openPageSetup(editor.doc).size[0], "123.45mm");

    // A margin typed as 7.5 is stored as 425.25 twips and shown as 7.5mm.
    editor.doc.gMarginLeft = 425.25f;
    EXPECT_EQ(openPageSetup(editor.doc).margin[2], "7.5mm");
}

TEST(PageSetupRules, ListOrientationAndLeaveRules) {
    PageSetupState s;
    s.entries = PaperSizeTable::listEntries();
    chooseEntry(s, 4); // B5 in portrait
    EXPECT_EQ(s.size, (std::array<QString, 2>{"182mm", "257mm"}));
    EXPECT_FALSE(s.sizeEnabled);
    chooseEntry(s, 1);
    chooseOrientation(s, 1); // A4 turned: the boxes swap
    EXPECT_EQ(s.size, (std::array<QString, 2>{"297mm", "210mm"}));
    chooseOrientation(s, 1); // already selected: nothing
    EXPECT_EQ(s.size[0], "297mm");
    chooseEntry(s, 0); // A3 while landscape
    EXPECT_EQ(s.size, (std::array<QString, 2>{"420mm", "297mm"}));
    chooseEntry(s, 5); // custom: enabled, texts stay
    EXPECT_TRUE(s.sizeEnabled);
    EXPECT_EQ(s.size[0], "420mm");
    EXPECT_EQ(leaveBoxText("13"), "13mm");
    EXPECT_EQ(leaveBoxText("13mm"), "13mm");
    EXPECT_EQ(leaveBoxText("abc"), "0mm");
    EXPECT_EQ(leaveBoxText("7.50"), "7.5mm");
    EXPECT_EQ(mmText(737.1 / 56.7, 1), "13mm");
    EXPECT_EQ(mmText(0.125, 2), "0.12mm"); // ties to even
}

// ---------------------------------------------------------------- OK and Cancel

TEST_F(PageSetupTest, EveryNamedPaperInBothOrientationsWithItsMargins) {
    const struct {
        int entry;
        double shortMm, longMm;
    } papers[] = {{0, 297, 420}, {1, 210, 297}, {2, 148, 210}, {3, 257, 364}, {4, 182, 257}};
    for (const auto& p : papers) {
        for (int landscape = 0; landscape < 2; ++landscape) {
            PageSetupDialog dlg(editor);
            dlg.show();
            // Through the controls, as the user picks them.
            auto* list = child<QComboBox>(&dlg, "cbo종류");
            list->setCurrentIndex(p.entry);
            emit list->activated(p.entry);
            QTest::mouseClick(child<QRadioButton>(&dlg, QStringLiteral("opt방향%1").arg(landscape)),
                              Qt::LeftButton);
            dlg.typeMargin(0, "10");
            dlg.typeMargin(1, "12.5");
            dlg.typeMargin(2, "7.5");
            dlg.typeMargin(3, "20mm");
            QTest::mouseClick(child<QPushButton>(&dlg, "cmdButton0"), Qt::LeftButton);
            EXPECT_FALSE(dlg.isVisible());
            EXPECT_EQ(dlg.result(), QDialog::Accepted);

            const Document& d = editor.doc;
            const double w = landscape ? p.longMm : p.shortMm;
            const double h = landscape ? p.shortMm : p.longMm;
            EXPECT_FLOAT_EQ(d.gPageWidth, twips(w)) << p.entry << " " << landscape;
            EXPECT_FLOAT_EQ(d.gPageHeight, twips(h)) << p.entry << " " << landscape;
            EXPECT_EQ(d.gLandscape, landscape == 1);
            EXPECT_FLOAT_EQ(d.gMarginTop, 567.0f);
            EXPECT_FLOAT_EQ(d.gMarginBottom, 708.75f);
            EXPECT_FLOAT_EQ(d.gMarginLeft, 425.25f);
            EXPECT_FLOAT_EQ(d.gMarginRight, 1134.0f);
        }
    }
    EXPECT_TRUE(prompts.isEmpty());
    EXPECT_FALSE(editor.doc.mv내용수정); // page setup does not mark the document
}

TEST_F(PageSetupTest, ACustomSideOver32767TwipsIsRefused) {
    const auto before = geometry();
    PageSetupDialog dlg(editor);
    dlg.show();
    dlg.chooseEntry(5);
    EXPECT_TRUE(child<QLineEdit>(&dlg, "txtSize0")->isEnabled());
    dlg.typeSize(0, "600");
    EXPECT_EQ(child<QLineEdit>(&dlg, "txtSize0")->text(), "600mm");
    for (int answer : {int(AnswerOK), int(AnswerCancel)}) {
        editor.module.prompter = [&](const PromptRequest& r) {
            prompts << r;
            return answer;
        };
        QTest::mouseClick(child<QPushButton>(&dlg, "cmdButton0"), Qt::LeftButton);
        EXPECT_TRUE(dlg.isVisible()); // whichever is pressed
        EXPECT_TRUE(dlg.refused());
        EXPECT_EQ(geometry(), before);
    }
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[0].title, "용지설정");
    EXPECT_EQ(prompts[0].text, "편집할 수 없는 용지Size입니다.");
    EXPECT_EQ(prompts[0].icon, IconNone);
    EXPECT_EQ(prompts[0].buttons, ButtonsOKCancel);
    EXPECT_EQ(prompts[0].defaultButton, DefaultFirst);

    // 577 mm (32715.9 twips) is accepted, as typed.
    dlg.typeSize(0, "577");
    dlg.typeSize(1, "123.4");
    dlg.confirm();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(prompts.size(), 2);
    EXPECT_FLOAT_EQ(editor.doc.gPageWidth, twips(577));
    EXPECT_FLOAT_EQ(editor.doc.gPageHeight, twips(123.4));
    EXPECT_FALSE(editor.doc.gLandscape);
}

TEST_F(PageSetupTest, CancelAfterChangingEverythingLeavesThePage) {
    page(148, 210, true);
    editor.doc.gMarginLeft = 425.25f;
    const auto before = geometry();
    PageSetupDialog dlg(editor);
    dlg.show();
    dlg.chooseEntry(0);
    dlg.chooseOrientation(0);
    for (int i = 0; i < 4; ++i)
        dlg.typeMargin(i, "30");
    QTest::mouseClick(child<QPushButton>(&dlg, "cmdButton1"), Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(geometry(), before);
    EXPECT_TRUE(editor.doc.gLandscape);
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(PageSetupTest, ClickingASheetPictureSelectsItsOrientation) {
    PageSetupDialog dlg(editor);
    dlg.show();
    QTest::mouseClick(child<QLabel>(&dlg, "img방향1"), Qt::LeftButton);
    EXPECT_TRUE(child<QRadioButton>(&dlg, "opt방향1")->isChecked());
    EXPECT_EQ(child<QLabel>(&dlg, "img방향1")->frameShape(), QFrame::Box);
    EXPECT_EQ(child<QLabel>(&dlg, "img방향0")->frameShape(), QFrame::NoFrame);
    EXPECT_TRUE(child<QLabel>(&dlg, "img방향3")->isVisible());
    EXPECT_FALSE(child<QLabel>(&dlg, "img방향2")->isVisible());
    EXPECT_EQ(child<QLineEdit>(&dlg, "txtSize0")->text(), "297mm");
    EXPECT_EQ(child<QLineEdit>(&dlg, "txtSize1")->text(), "210mm");
}

// ---------------------------------------------------------------- in the window

TEST(PageSetupWindow, NewRunsItAndTheMenuReappliesTheZoom) {
    zep::test::WindowFixture f;
    EXPECT_EQ(f.pageSetupRuns, 1); // New opened it (and the fixture cancelled it)
    ASSERT_EQ(f.ed().doc.gZoom, 75);
    f.pageSetupDrivers.push_back([](PageSetupDialog& d) {
        EXPECT_EQ(d.state().entryText(), "A4 (210X297mm)");
        d.chooseEntry(0);       // A3
        d.chooseOrientation(1); // landscape
        d.confirm();
    });
    f.w->action("mnu용지설정")->trigger();
    EXPECT_EQ(f.pageSetupRuns, 2);
    const Document& d = f.ed().doc;
    EXPECT_FLOAT_EQ(d.gPageWidth, twips(420));
    EXPECT_FLOAT_EQ(d.gPageHeight, twips(297));
    EXPECT_TRUE(d.gLandscape);
    EXPECT_EQ(d.gZoom, 75);
    // The page surface follows the new paper at the zoom.
    QWidget* surface = f.w->pageView()->surface();
    EXPECT_EQ(surface->width(), static_cast<int>(std::ceil(0.75 * d.gPageWidth / 15)));
    EXPECT_EQ(surface->height(), static_cast<int>(std::ceil(0.75 * d.gPageHeight / 15)));

    // The command bar's button opens it too; cancelling it changes nothing.
    f.w->RunToolbarButton(13);
    EXPECT_EQ(f.pageSetupRuns, 3);
    EXPECT_FLOAT_EQ(d.gPageWidth, twips(420));
    EXPECT_TRUE(d.gLandscape);

    // New resets the page to A4 first; the dialog shows the normal pointer
    // over New's busy one.
    f.pageSetupDrivers.push_back([](PageSetupDialog& d) {
        EXPECT_EQ(d.state().entryText(), "A4 (210X297mm)");
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        d.chooseEntry(3); // B4
        d.confirm();
    });
    EXPECT_TRUE(f.w->files.NewDocument());
    EXPECT_EQ(f.pageSetupRuns, 4);
    EXPECT_FLOAT_EQ(d.gPageWidth, twips(257));
    EXPECT_FLOAT_EQ(d.gMarginTop, 737.1f);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(PageSetupWindow, ZoomedObjectsAreRelaidForTheNewPage) {
    zep::test::WindowFixture f;
    Editor& ed = f.ed();
    Document& d = ed.doc;
    const int n = d.loadElement(ObjectKind::Shape);
    d.shp그리기[n].Visible = true;
    d.growTable(ObjectKind::Shape, n);
    d.gShapeBase[n] = {1, 1000, 2000, 3000, 1500};
    d.appendToList(ObjectKind::Shape, n);
    f.pageSetupDrivers.push_back([](PageSetupDialog& d) {
        d.chooseEntry(2); // A5
        d.confirm();
    });
    f.w->RunToolbarButton(13);
    // ApplyZoom(75) rebuilt the element from its record.
    EXPECT_FLOAT_EQ(d.shp그리기[n].Left, 750);
    EXPECT_FLOAT_EQ(d.shp그리기[n].Width, 2250);
    EXPECT_EQ(f.w->pageView()->surface()->width(),
              static_cast<int>(std::ceil(0.75 * twips(148) / 15)));
}
