#include "canvas/Editor.h"
#include "document/Page.h"
#include "print/Printing.h"
#include "print/widgets/Preview.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zep;

namespace {

void addBlock(Document& d, float l, float t, float w, float h) {
    const int n = d.loadElement(ObjectKind::Shape);
    auto& s = d.shp그리기[n];
    s.BackStyle = 1, s.BackColor = 0, s.BorderColor = 0;
    s.Left = l * d.z(), s.Top = t * d.z(), s.Width = w * d.z(), s.Height = h * d.z();
    s.Visible = true;
    d.growTable(ObjectKind::Shape, n);
    d.gShapeBase[n] = {1, l, t, w, h};
    d.appendToList(ObjectKind::Shape, n);
}

// An A4 page with a block an inch from the top-left corner and one touching
// the bottom-right corner, so a shifted, scaled or turned print shows.
Document a4(bool landscape, int zoom = 100) {
    Document d;
    d.gZoom = zoom;
    if (landscape)
        ApplyPageSize(d, 297, 210);
    else
        ApplyPageSize(d, 210, 297);
    d.gLandscape = landscape;
    addBlock(d, 1440, 1440, 720, 720);
    addBlock(d, d.gPageWidth - 720, d.gPageHeight - 720, 720, 720);
    return d;
}

// The printer as the printer setup leaves it: upright A4 into a PDF file.
void pointAtPdf(QPrinter& printer, const QString& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

QSizeF mediaBox(const QString& pdf) {
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const auto m = QRegularExpression(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])")
                       .match(QString::fromLatin1(f.readAll()));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// The first page at 72 dpi: one pixel per point, 20 twips.
QImage rasterise(const QString& pdf) {
    const QString out = pdf + ".raster";
    QProcess p;
    p.start("pdftoppm", {"-r", "72", "-png", "-singlefile", pdf, out});
    p.waitForFinished(30000);
    return QImage(out + ".png");
}

bool dark(const QImage& img, int x, int y) {
    return qGray(img.pixel(x, y)) < 80;
}

} // namespace

TEST(Printing, PrintsThePageOneToOneFromThePapersCornerInItsOrientation) {
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) GTEST_SKIP() << "no pdftoppm";
    QTemporaryDir tmp;
    for (bool landscape : {false, true}) {
        // Drawn at 50 %: the print is still the page at 100 %.
        const Document d = a4(landscape, 50);
        const QString file = tmp.filePath(landscape ? "land.pdf" : "port.pdf");
        QPrinter printer(QPrinter::HighResolution);
        pointAtPdf(printer, file);
        ASSERT_EQ(printPage(printer, d), PrintStatus::Printed);

        const QSizeF box = mediaBox(file);
        const QSizeF paper = landscape ? QSizeF(842, 595) : QSizeF(595, 842);
        EXPECT_NEAR(box.width(), paper.width(), 1) << landscape;
        EXPECT_NEAR(box.height(), paper.height(), 1) << landscape;

        const QImage img = rasterise(file);
        ASSERT_EQ(img.size(), paper.toSize()) << landscape;
        // The first block covers 72..108 points from the corner.
        EXPECT_TRUE(dark(img, 74, 74)) << landscape;
        EXPECT_TRUE(dark(img, 106, 106)) << landscape;
        EXPECT_FALSE(dark(img, 68, 90)) << landscape;
        EXPECT_FALSE(dark(img, 112, 90)) << landscape;
        EXPECT_FALSE(dark(img, 90, 68)) << landscape;
        // The second ends on the paper's far corner.
        const int w = img.width(), h = img.height();
        EXPECT_TRUE(dark(img, w - 2, h - 2)) << landscape;
        EXPECT_TRUE(dark(img, w - 34, h - 34)) << landscape;
        EXPECT_FALSE(dark(img, w - 40, h - 20)) << landscape;
    }
}

TEST(Printing, ZoomBoxRules) {
    struct Typed {
        const char* text;
        double last;
        std::optional<double> zoom;
    };
    // Typing applies above 10 only; the same zoom again does nothing.
    for (const Typed& c : std::initializer_list<Typed>{{"5", 100, {}},
                                                       {"10", 100, {}},
                                                       {"10.5", 100, 10.5},
                                                       {"300", 100, 300},
                                                       {"100", 100, {}},
                                                       {"", 100, {}},
                                                       {"150%", 100, 150}})
        EXPECT_EQ(zoomForTypedPercent(c.text, c.last), c.zoom) << c.text;
    EXPECT_EQ(zoomForChosenPercent("100", 100), std::nullopt);
    EXPECT_EQ(zoomForChosenPercent("50", 100), 50);

    struct Button {
        int button;
        const char* box;
        const char* text;
    };
    for (const Button& c : std::initializer_list<Button>{{0, "43.7", "53"},
                                                         {0, "100", "110"},
                                                         {1, "25", "15"},
                                                         {1, "20.9", "10"},
                                                         {1, "20", "10"},
                                                         {1, "12", "10"}})
        EXPECT_EQ(percentAfterZoomButton(c.button, c.box), c.text) << c.button << c.box;

    EXPECT_EQ(previewZoomText(43.7), "43.7");
    EXPECT_EQ(previewZoomText(100), "100");
}

TEST(Printing, FittingModesFloorTheirZoomSoThePageFits) {
    // A4 at 96 dpi is 793.8 x 1122.7 pixels.
    const QSizeF a4(11907, 16839.9), avail(400, 400);
    const FitZoom whole = fitPreviewZoom(ZoomWholePage, a4, avail, 96);
    EXPECT_DOUBLE_EQ(whole.x, 35.6);
    EXPECT_DOUBLE_EQ(whole.y, 35.6);
    EXPECT_DOUBLE_EQ(fitPreviewZoom(ZoomPageWidth, a4, avail, 96).x, 50.3);
    const FitZoom stretch = fitPreviewZoom(ZoomStretch, a4, avail, 96);
    EXPECT_DOUBLE_EQ(stretch.x, 50.3);
    EXPECT_DOUBLE_EQ(stretch.y, 35.6);
    // No paper: nothing to fit, the zoom stays sane.
    EXPECT_DOUBLE_EQ(fitPreviewZoom(ZoomWholePage, QSizeF(0, 0), avail, 96).x, 100);
}

namespace {

class PrintCommand : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    Editor editor;
    QList<PromptRequest> prompts;
    int setups = 0;
    PrintHooks saved = printHooks();

    void SetUp() override {
        editor.doc = a4(true);
        editor.module.prompter = [this](const PromptRequest& r) {
            prompts << r;
            return int(AnswerOK);
        };
        printHooks().printerNames = [] { return QStringList{"Test"}; };
        printHooks().printerSetup = [this](QWidget*, Editor&, QPrinter& p) {
            ++setups;
            pointAtPdf(p, tmp.filePath("job.pdf"));
            return true;
        };
        QPrinter& p = programPrinter();
        p.setOutputFileName(QString());
        p.setOutputFormat(QPrinter::NativeFormat);
    }
    void TearDown() override { printHooks() = saved; }
};

} // namespace

TEST_F(PrintCommand, PrintsAfterTheSetupAndClearsTheCancelFlag) {
    editor.module.gPrintCancelled = true;
    EXPECT_TRUE(PrintDocument(nullptr, editor));
    EXPECT_EQ(setups, 1);
    EXPECT_FALSE(editor.module.gPrintCancelled);
    EXPECT_TRUE(prompts.isEmpty());
    EXPECT_NEAR(mediaBox(tmp.filePath("job.pdf")).width(), 842, 1);
    EXPECT_EQ(editor.module.progress.percent(), 100);
    EXPECT_FALSE(QGuiApplication::overrideCursor());
}

TEST_F(PrintCommand, CancelledSetupPrintsAndDrawsNothing) {
    printHooks().printerSetup = [this](QWidget*, Editor& e, QPrinter&) {
        ++setups;
        EXPECT_TRUE(e.module.gPrintCancelled); // set while the dialog is open
        return false;
    };
    EXPECT_FALSE(PrintDocument(nullptr, editor));
    EXPECT_EQ(setups, 1);
    EXPECT_TRUE(editor.module.gPrintCancelled);
    EXPECT_EQ(editor.module.progress.barsDrawn(), 0);
    EXPECT_TRUE(prompts.isEmpty());
    EXPECT_FALSE(QGuiApplication::overrideCursor());
}

TEST_F(PrintCommand, NoPrinterOrAJobThatCannotStartIsTold) {
    printHooks().printerNames = [] { return QStringList(); };
    EXPECT_FALSE(PrintDocument(nullptr, editor));
    EXPECT_EQ(setups, 0);
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, kNoPrinterMessage);
    EXPECT_EQ(prompts[0].icon, IconExclamation);

    // A printer pointed at a file counts as one, but this file cannot be made.
    printHooks().printerSetup = [this](QWidget*, Editor&, QPrinter& p) {
        ++setups;
        pointAtPdf(p, tmp.filePath("no/such/folder/job.pdf"));
        return true;
    };
    programPrinter().setOutputFileName(tmp.filePath("no/such/folder/job.pdf"));
    EXPECT_FALSE(PrintDocument(nullptr, editor));
    EXPECT_EQ(setups, 1);
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_TRUE(prompts[1].text.startsWith("인쇄를 시작할 수 없습니다."))
        << prompts[1].text.toStdString();
    EXPECT_TRUE(prompts[1].text.contains("no/such/folder")) << prompts[1].text.toStdString();
    EXPECT_FALSE(QGuiApplication::overrideCursor());
}
