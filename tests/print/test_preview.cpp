#include "canvas/Editor.h"
#include "document/Page.h"
#include "print/widgets/Preview.h"
#include "print/widgets/PreviewWindow.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPageSize>
#include <QPointer>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zep;

namespace {

int addBlock(Document& d, float l, float t, float w, float h) {
    const int n = d.loadElement(ObjectKind::Shape);
    auto& s = d.shp그리기[n];
    s.BackStyle = 1, s.BackColor = 0, s.BorderColor = 0;
    s.Left = l * d.z(), s.Top = t * d.z(), s.Width = w * d.z(), s.Height = h * d.z();
    s.Visible = true;
    d.growTable(ObjectKind::Shape, n);
    d.gShapeBase[n] = {1, l, t, w, h};
    d.appendToList(ObjectKind::Shape, n);
    return n;
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<QWidget*> previews() {
    QList<QWidget*> r;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frm미리보기") r << w;
    return r;
}

class Preview : public ::testing::Test {
protected:
    Editor editor;
    QList<PromptRequest> prompts;
    PrintHooks saved = printHooks();
    QPointer<PreviewWindow> win;

    void SetUp() override {
        editor.doc.gZoom = 75;
        ApplyPageSize(editor.doc, 210, 297);
        editor.module.prompter = [this](const PromptRequest& r) {
            prompts << r;
            return int(AnswerOK);
        };
        printHooks().printerNames = [] { return QStringList{"Test"}; };
    }
    void TearDown() override {
        printHooks() = saved;
        for (QWidget* w : previews())
            delete w;
        flushDeletes();
    }

    PreviewWindow* open() {
        win = ShowPreview(nullptr, editor);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(win));
        return win;
    }
    PreviewSurface* surface() { return win->surface(); }
    QSizeF drawn() { return surface()->drawnSize(); }
    QSize room() { return surface()->viewport()->size() - QSize(2, 2) * PreviewSurface::kGap; }
    QString box() { return win->percentBox()->currentText(); }
    // The colour of a page point (twips) on the surface as shown.
    QColor shownAt(double x, double y) {
        const QRectF r = surface()->pageRect();
        const QImage img = surface()->viewport()->grab().toImage();
        return img.pixelColor(qRound(r.x() + x / editor.doc.gPageWidth * r.width()),
                              qRound(r.y() + y / editor.doc.gPageHeight * r.height()));
    }
};

} // namespace

TEST_F(Preview, OpensMaximisedOnTheWholePageAndShowsASnapshot) {
    addBlock(editor.doc, 1440, 1440, 2880, 2880);
    open();
    EXPECT_TRUE(win->isVisible());
    EXPECT_TRUE(win->isMaximized());
    EXPECT_EQ(win->windowTitle(), "미리보기");
    EXPECT_FALSE(QGuiApplication::overrideCursor());

    EXPECT_EQ(win->zoomModeBox()->currentText(), "3.WholePage");
    EXPECT_FALSE(win->percentBox()->isEnabled());
    EXPECT_EQ(box(), previewZoomText(surface()->zoom()));
    EXPECT_EQ(win->mvLastZoom, surface()->zoom());
    // The whole page fits and fills one side.
    EXPECT_LE(drawn().width(), room().width());
    EXPECT_LE(drawn().height(), room().height());
    EXPECT_NEAR(drawn().height(), room().height(), room().height() * 0.002 + 1);

    EXPECT_EQ(shownAt(2880, 2880), QColor(Qt::black));
    EXPECT_EQ(shownAt(720, 2880), QColor(Qt::white));
    EXPECT_EQ(shownAt(8000, 12000), QColor(Qt::white));
    // Later edits stay out of the open preview.
    editor.doc.shp그리기[1].BackColor = 0x0000FF;
    surface()->viewport()->repaint();
    EXPECT_EQ(shownAt(2880, 2880), QColor(Qt::black));
}

TEST_F(Preview, EachZoomModeDrawsThePageAtItsOwnSize) {
    open();
    QComboBox* mode = win->zoomModeBox();
    const QSizeF at100(11907 / 15.0, 16839.9 / 15.0);

    mode->setCurrentIndex(2); // 4.PageWidth: beside the vertical bar
    EXPECT_NEAR(drawn().width(), room().width() - surface()->verticalScrollBar()->width(), 2);
    EXPECT_GT(drawn().height(), room().height());
    EXPECT_EQ(box(), previewZoomText(surface()->zoom()));

    mode->setCurrentIndex(3); // 5.Stretch: both ways, whatever the proportions
    EXPECT_NEAR(drawn().width(), room().width(), 2);
    EXPECT_NEAR(drawn().height(), room().height(), 2);

    mode->setCurrentIndex(1); // 3.WholePage
    const QSizeF whole = drawn();
    EXPECT_NEAR(whole.width() / whole.height(), at100.width() / at100.height(), 0.01);

    mode->setCurrentIndex(0); // 0.Percentage keeps the fit's scale until told
    EXPECT_TRUE(win->percentBox()->isEnabled());
    EXPECT_NEAR(drawn().width(), whole.width(), 0.01);
    win->percentBox()->setEditText("100");
    EXPECT_NEAR(drawn().width(), at100.width(), 0.01);
    EXPECT_NEAR(drawn().height(), at100.height(), 0.01);

    // A fit follows the window's size.
    mode->setCurrentIndex(1);
    const double before = surface()->zoom();
    win->showNormal();
    win->resize(400, 300);
    QTest::qWait(50);
    EXPECT_LT(surface()->zoom(), before);
    EXPECT_EQ(box(), previewZoomText(surface()->zoom()));
}

TEST_F(Preview, PercentBoxAndZoomButtons) {
    open();
    QComboBox* pct = win->percentBox();
    QLineEdit* edit = pct->lineEdit();
    const double whole = surface()->zoom();

    // Zoom in from the whole page: percentage mode, the fraction dropped, + 10.
    QTest::mouseClick(win->zoomButton(0), Qt::LeftButton);
    EXPECT_EQ(win->zoomModeBox()->currentIndex(), 0);
    EXPECT_TRUE(pct->isEnabled());
    EXPECT_EQ(surface()->zoom(), std::trunc(whole) + 10);
    EXPECT_EQ(box(), previewZoomText(std::trunc(whole) + 10));

    // Typing: 5 waits (the page stays, the box takes the zoom back when left),
    // 300 applies.
    const double z = surface()->zoom();
    edit->selectAll();
    QTest::keyClicks(edit, "5");
    EXPECT_EQ(surface()->zoom(), z);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(box(), previewZoomText(z));
    edit->selectAll();
    QTest::keyClicks(edit, "300");
    EXPECT_EQ(surface()->zoom(), 300);
    EXPECT_EQ(win->mvLastZoom, 300);

    // Zoom out: 25 gives 15; 20 gives 10, and the page follows the box.
    pct->setEditText("25");
    QTest::mouseClick(win->zoomButton(1), Qt::LeftButton);
    EXPECT_EQ(box(), "15");
    EXPECT_EQ(surface()->zoom(), 15);
    pct->setEditText("20");
    QTest::mouseClick(win->zoomButton(1), Qt::LeftButton);
    EXPECT_EQ(box(), "10");
    EXPECT_EQ(surface()->zoom(), 10);

    // Past the surface's largest zoom the box shows the zoom it got.
    pct->setEditText("995");
    QTest::mouseClick(win->zoomButton(0), Qt::LeftButton);
    EXPECT_EQ(surface()->zoom(), kMaxPreviewZoom);
    EXPECT_EQ(box(), previewZoomText(kMaxPreviewZoom));

    // Choosing from the list, by the keyboard.
    pct->setCurrentIndex(pct->findText("100"));
    ASSERT_EQ(surface()->zoom(), 100);
    QTest::keyClick(pct, Qt::Key_Down);
    EXPECT_EQ(box(), "150");
    EXPECT_EQ(surface()->zoom(), 150);
}

TEST_F(Preview, AnEmptyDocumentPreviewsAtOnceAsTheBarePage) {
    open();
    EXPECT_EQ(editor.module.progress.percent(), 100);
    EXPECT_FALSE(editor.module.progress.barShown());
    EXPECT_EQ(editor.module.progress.barsDrawn(), 1);
    EXPECT_EQ(shownAt(5000, 5000), QColor(Qt::white));
}

TEST_F(Preview, ASecondPreviewReplacesTheFirst) {
    QPointer<PreviewWindow> first = open();
    addBlock(editor.doc, 1440, 1440, 2880, 2880);
    open();
    flushDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(previews().size(), 1);
    EXPECT_EQ(shownAt(2880, 2880), QColor(Qt::black));
}

TEST_F(Preview, ButtonsPrintTheDrawnPageOrCloseTheWindow) {
    QTemporaryDir tmp;
    addBlock(editor.doc, 1440, 1440, 2880, 2880);
    open();
    editor.doc.gLandscape = true; // after the drawing: not what prints

    int setups = 0;
    bool confirm = false;
    printHooks().printerSetup = [&](QWidget* parent, Editor&, QPrinter& p) {
        ++setups;
        EXPECT_EQ(parent, win.data());
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(tmp.filePath("drawn.pdf"));
        p.setPageSize(QPageSize(QPageSize::A4));
        return confirm;
    };
    int systemDialogs = 0;
    printHooks().systemPrinterDialog = [&](QWidget*, QPrinter&) {
        ++systemDialogs;
        return false;
    };

    QTest::mouseClick(win->button(0), Qt::LeftButton); // 프린터설정, cancelled
    EXPECT_EQ(systemDialogs, 1);
    EXPECT_TRUE(win->zoomModeBox()->hasFocus());

    QTest::mouseClick(win->button(1), Qt::LeftButton); // 인쇄, setup cancelled
    EXPECT_EQ(setups, 1);
    EXPECT_FALSE(QFile::exists(tmp.filePath("drawn.pdf")));
    EXPECT_TRUE(win->isVisible());

    confirm = true;
    QTest::mouseClick(win->button(1), Qt::LeftButton);
    EXPECT_EQ(setups, 2);
    ASSERT_TRUE(QFile::exists(tmp.filePath("drawn.pdf")));
    QPrinter& printer = programPrinter();
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_TRUE(prompts.isEmpty());
    EXPECT_TRUE(win->isVisible());
    printer.setOutputFileName(QString());

    QTest::mouseClick(win->button(2), Qt::LeftButton); // 종료
    flushDeletes();
    EXPECT_TRUE(win.isNull());
}

TEST_F(Preview, TenThousandObjectsPreviewQuickly) {
    test::pinFonts();
    for (int i = 0; i < 10000; ++i) {
        const float x = static_cast<float>((i * 37) % 10000),
                    y = static_cast<float>((i * 53) % 15000);
        addBlock(editor.doc, x, y, 300, 200);
    }
    QElapsedTimer t;
    t.start();
    open();
    surface()->viewport()->repaint(); // whole page: every object on screen
    win->zoomModeBox()->setCurrentIndex(0);
    win->percentBox()->setEditText("200");
    surface()->viewport()->repaint(); // a corner: the rest is skipped
    EXPECT_LT(t.elapsed(), 5000) << "ms";
    EXPECT_EQ(shownAt(150, 100), QColor(Qt::black)); // the first block, top left
    EXPECT_EQ(editor.module.progress.percent(), 100);
}
