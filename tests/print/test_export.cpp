#include "document/Page.h"
#include "document/ZepFile.h"
#include "print/PageRenderer.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zep;

namespace {

struct ProcessResult {
    int code;
    QString err;
};

ProcessResult zephyra(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.insert("ZEPHYRA_HOME", test::buildHome());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ZEPHYRA_EXECUTABLE), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

QString sample() {
    return test::buildHome() + "/WORK/sale-sign.zep";
}

} // namespace

TEST(Export, RendersTheSampleSignHeadless) {
    QTemporaryDir tmp;
    ASSERT_EQ(zephyra({"--export", tmp.filePath("s.png"), sample()}).code, 0);
    const QImage png(tmp.filePath("s.png"));
    EXPECT_EQ(png.size(), QSize(794, 1123)); // A4 at 15 twips per pixel
    // The price text is red somewhere in the middle of the page.
    int red = 0;
    for (int y = 500; y < 650; ++y)
        for (int x = 150; x < 650; ++x) {
            const QColor c = png.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 80 && c.blue() < 80) ++red;
        }
    EXPECT_GT(red, 2000);

    ASSERT_EQ(zephyra({"--export", tmp.filePath("half.png"), sample(), "--dpi", "48"}).code, 0);
    EXPECT_EQ(QImage(tmp.filePath("half.png")).size(), QSize(397, 561));

    ASSERT_EQ(zephyra({"--export", tmp.filePath("s.pdf"), sample()}).code, 0);
    QFile pdf(tmp.filePath("s.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    // The page box is the paper, 1:1: 11907 x 16839.9 twips = 595.35 x 842 pt (Qt keeps whole
    // points).
    const QRegularExpressionMatch box =
        QRegularExpression(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])")
            .match(QString::fromLatin1(bytes));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), 595.35, 1.0);
    EXPECT_NEAR(box.captured(2).toDouble(), 842.0, 1.0);

    ASSERT_EQ(zephyra({"--export", tmp.filePath("s.svg"), sample()}).code, 0);
    QFile svg(tmp.filePath("s.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));

    // .zep: the document as the writer writes it.
    ASSERT_EQ(zephyra({"--export", tmp.filePath("s.zep"), sample()}).code, 0);
    QFile a(sample()), b(tmp.filePath("s.zep"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

TEST(Export, ErrorsAreClearAndNonZero) {
    QTemporaryDir tmp;
    struct Case {
        QStringList args;
        QString says;
    };
    const QString blocker = tmp.filePath("file");
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    for (const Case& c :
         {Case{{"--export", tmp.filePath("o.png"), tmp.filePath("none.zep")}, "none.zep"},
          Case{{"--export", tmp.filePath("o.bmp"), sample()}, "o.bmp"},
          Case{{"--export", blocker + "/o.png", sample()}, "o.png"},
          Case{{"--export", tmp.filePath("o.png")}, "--export"},
          Case{{"--export", tmp.filePath("o.png"), sample(), "--dpi", "0"}, "0"},
          Case{{"--bogus"}, "--bogus"}}) {
        const ProcessResult r = zephyra(c.args);
        EXPECT_NE(r.code, 0) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
    }
    const ProcessResult help = zephyra({"--help"});
    EXPECT_EQ(help.code, 0);
}

TEST(Export, MissingPictureWarnsAndDrawsTheRest) {
    QTemporaryDir tmp;
    Document d;
    d.gZoom = 100;
    ApplyPageSize(d, 50, 50);
    const int n = d.loadElement(ObjectKind::Picture);
    d.img그리기[n].picture = Picture::placeholder(tmp.filePath("gone.jpg"));
    d.img그리기[n].Visible = true;
    d.growTable(ObjectKind::Picture, n);
    d.gImageBase[n] = {tmp.filePath("gone.jpg"), 0, 0, 100, 100};
    d.appendToList(ObjectKind::Picture, n);
    const int s = d.loadElement(ObjectKind::Shape);
    auto& sh = d.shp그리기[s];
    sh.BackStyle = 1, sh.BackColor = RGBValue(0, 0, 255), sh.Left = 600, sh.Top = 600,
    sh.Width = 600, sh.Height = 600;
    sh.Visible = true;
    d.growTable(ObjectKind::Shape, s);
    d.gShapeBase[s] = {1, 600, 600, 600, 600};
    d.appendToList(ObjectKind::Shape, s);
    QString err;
    ASSERT_TRUE(WriteDocument(d, tmp.path(), tmp.filePath("m.zep"), &err)) << err.toStdString();
    const ProcessResult r = zephyra({"--export", tmp.filePath("m.png"), tmp.filePath("m.zep")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.err.contains("gone.jpg")) << r.err.toStdString();
    const QImage png(tmp.filePath("m.png"));
    EXPECT_EQ(png.pixelColor(60, 60), QColor(0, 0, 255));
}
