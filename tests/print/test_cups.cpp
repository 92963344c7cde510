#include "document/Page.h"
#include "print/Printing.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

using namespace zep;

namespace {

QString run(const QString& program, const QStringList& args, int* code = nullptr) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(20000);
    if (code) *code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError());
}

bool schedulerRunning() {
    return run("lpstat", {"-r"}).contains("scheduler is running");
}

} // namespace

// A real job through CUPS into a PDF queue: the page arrives 1:1 on the paper.
TEST(Cups, PrintsThroughARealQueue) {
    const QString lpadmin = QStandardPaths::findExecutable("lpadmin", {"/usr/sbin", "/usr/bin"});
    if (!QFile::exists("/usr/sbin/cupsd") || lpadmin.isEmpty() ||
        QStandardPaths::findExecutable("lpstat").isEmpty() ||
        !QFile::exists("/usr/lib/cups/backend/cups-pdf") ||
        QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "needs cupsd, lpadmin, the cups-pdf backend and pdftoppm";

    // Our own scheduler unless one runs already; ours is stopped by its PID.
    QProcess cupsd;
    if (!schedulerRunning()) {
        cupsd.start("/usr/sbin/cupsd", {"-f"});
        cupsd.closeWriteChannel();
        QElapsedTimer t;
        t.start();
        while (!schedulerRunning() && t.elapsed() < 5000)
            QTest::qWait(50);
    }
    auto stop = qScopeGuard([&] {
        if (cupsd.state() != QProcess::NotRunning) {
            cupsd.terminate();
            if (!cupsd.waitForFinished(5000)) cupsd.kill();
        }
    });
    if (!schedulerRunning()) GTEST_SKIP() << "the CUPS scheduler did not start";

    QString model;
    for (const QString& line : run("lpinfo", {"-m"}).split('\n'))
        if (line.contains("CUPS-PDF", Qt::CaseInsensitive)) {
            model = line.section(' ', 0, 0);
            break;
        }
    if (model.isEmpty()) GTEST_SKIP() << "no CUPS-PDF model";

    const QString queue = QStringLiteral("ZephyraTest%1").arg(QCoreApplication::applicationPid());
    int code = 0;
    const QString out = run(lpadmin, {"-p", queue, "-v", "cups-pdf:/", "-E", "-m", model}, &code);
    ASSERT_EQ(code, 0) << out.toStdString();
    auto remove = qScopeGuard([&] { run(lpadmin, {"-x", queue}); });
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().contains(queue));

    // The A4 landscape page with a block an inch from the corner.
    Document d;
    d.gZoom = 100;
    ApplyPageSize(d, 297, 210);
    d.gLandscape = true;
    const int n = d.loadElement(ObjectKind::Shape);
    auto& s = d.shp그리기[n];
    s.BackStyle = 1, s.BackColor = 0, s.Left = 1440, s.Top = 1440, s.Width = 1440, s.Height = 1440,
    s.Visible = true;
    d.growTable(ObjectKind::Shape, n);
    d.gShapeBase[n] = {1, 1440, 1440, 1440, 1440};
    d.appendToList(ObjectKind::Shape, n);

    // cups-pdf names the file after the job's title, in the user's PDF folder.
    const QString title = QStringLiteral("zephyra-cups-%1").arg(QCoreApplication::applicationPid());
    const QStringList folders = {QDir::homePath() + "/PDF", "/var/spool/cups-pdf/ANONYMOUS"};
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(queue);
    ASSERT_EQ(printer.outputFormat(), QPrinter::NativeFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(title);
    ASSERT_EQ(printPage(printer, d), PrintStatus::Printed);

    QString pdf;
    QElapsedTimer t;
    t.start();
    while (pdf.isEmpty() && t.elapsed() < 60000) {
        for (const QString& f : folders)
            for (const QFileInfo& fi : QDir(f).entryInfoList({title + "*.pdf"}, QDir::Files))
                if (fi.size() > 0) pdf = fi.filePath();
        if (pdf.isEmpty()) QTest::qWait(200);
    }
    ASSERT_FALSE(pdf.isEmpty()) << "no job arrived in " << folders.join(", ").toStdString();
    QTest::qWait(500); // let cups-pdf finish writing
    auto tidy = qScopeGuard([&] { QFile::remove(pdf); });

    const QString png = pdf + ".raster";
    run("pdftoppm", {"-r", "72", "-png", "-singlefile", pdf, png});
    const QImage img(png + ".png");
    QFile::remove(png + ".png");
    ASSERT_FALSE(img.isNull());
    // Upright A4 paper with the landscape page turned onto it, a quarter turn
    // to the left: the block an inch from the page's top-left corner lands an
    // inch from the paper's left and bottom edges, 72 points square.
    EXPECT_EQ(img.size(), QSize(595, 842));
    QRect dark;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 80) dark |= QRect(x, y, 1, 1);
    EXPECT_NEAR(dark.left(), 72, 2);
    EXPECT_NEAR(dark.right(), 143, 2);
    EXPECT_NEAR(dark.top(), 842 - 144, 2);
    EXPECT_NEAR(dark.bottom(), 842 - 73, 2);
}
