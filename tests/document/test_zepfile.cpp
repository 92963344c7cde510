#include "document/Cp949.h"
#include "document/Page.h"
#include "document/ZepFile.h"
#include "shell/Numbers.h"
#include "shell/Units.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zep;

namespace {

const QString kApp = QStringLiteral("/opt/zep");
const QString kCrLf = QStringLiteral("\r\n");

const QStringList kPage = {"BEGIN picLayer",        "      Picture=",
                           "      MarginTop=500",   "      MarginBottom=500",
                           "      MarginLeft=500",  "      MarginRight=500",
                           "      Width=11907",     "      Height=16839.9",
                           "      Landscape=False", "END"};

QByteArray cp949(const QString& s) {
    QByteArray b;
    EXPECT_TRUE(encodeCp949(s, &b)) << s.toStdString();
    return b;
}

QByteArray fileOf(const QStringList& lines) {
    return cp949(lines.join(kCrLf) + kCrLf);
}

Document parsed(const QByteArray& bytes, ReadReport* report = nullptr) {
    Document d;
    EXPECT_TRUE(parseDocument(d, kApp, bytes, report));
    return d;
}

Document parsed(const QStringList& lines, ReadReport* report = nullptr) {
    return parsed(fileOf(kPage + lines), report);
}

QStringList writtenLines(const Document& d) {
    const QByteArray bytes = serializeDocument(d, kApp);
    return decodeCp949(bytes).split(kCrLf);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

// Objects are placed the way the editor leaves them: on-page values at the
// document's zoom, side tables at 100 %.
int addText(Document& d, const QString& caption, const QString& font, double onPageSize, float left,
            float top) {
    const int n = d.loadElement(ObjectKind::Text);
    TextElement& t = d.txt그리기[n];
    t.Caption = caption;
    t.FontName = font;
    t.FontSize = onPageSize;
    t.Left = left;
    t.Top = top;
    t.Visible = true;
    d.growTable(ObjectKind::Text, n);
    d.gTextBase[n] = TextBase{float(onPageSize / d.z()), float(left / d.z()), float(top / d.z())};
    d.appendToList(ObjectKind::Text, n);
    return n;
}

int addPicture(Document& d, const QString& path, float l, float t, float w, float h) {
    const int n = d.loadElement(ObjectKind::Picture);
    PictureElement& p = d.img그리기[n];
    p.picture = Picture::placeholder(path);
    p.Left = l, p.Top = t, p.Width = w, p.Height = h;
    d.growTable(ObjectKind::Picture, n);
    const double z = d.z();
    d.gImageBase[n] = ImageBase{path, float(l / z), float(t / z), float(w / z), float(h / z)};
    d.appendToList(ObjectKind::Picture, n);
    return n;
}

int addShape(Document& d, float l, float t, float w, float h, std::int16_t borderWidth) {
    const int n = d.loadElement(ObjectKind::Shape);
    ShapeElement& s = d.shp그리기[n];
    s.Left = l, s.Top = t, s.Width = w, s.Height = h;
    d.growTable(ObjectKind::Shape, n);
    const double z = d.z();
    d.gShapeBase[n] =
        ShapeBase{borderWidth, float(l / z), float(t / z), float(w / z), float(h / z)};
    d.appendToList(ObjectKind::Shape, n);
    return n;
}

int addLine(Document& d, float x1, float y1, float x2, float y2, std::int16_t borderWidth) {
    const int n = d.loadElement(ObjectKind::Line);
    LineElement& l = d.lin그리기[n];
    l.X1 = x1, l.Y1 = y1, l.X2 = x2, l.Y2 = y2;
    d.growTable(ObjectKind::Line, n);
    const double z = d.z();
    d.gLineBase[n] =
        LineBase{borderWidth, float(x1 / z), float(y1 / z), float(x2 / z), float(y2 / z)};
    d.appendToList(ObjectKind::Line, n);
    return n;
}

// The document tests/data/zep/golden.zep was written by hand from, at 75 %.
Document goldenDocument() {
    Document d;
    d.gZoom = 75;
    ApplyPageSize(d, 210, 297);
    d.gMarginTop = d.gMarginBottom = d.gMarginLeft = d.gMarginRight = 737.1f;
    d.mvBackPicturePath = kApp + "/이미지/sky.jpg";
    d.img배경 = Picture::placeholder(d.mvBackPicturePath);

    int n = addText(d, "SALE", "굴림체", 54, 1125, 1500);
    d.txt그리기[n].FontBold = true;
    d.txt그리기[n].ForeColor = 255;

    addPicture(d, "/srv/그림/로고.bmp", 750, 750, 1000, 500);

    n = addShape(d, -187.5f, 0, 3000, 0.375f, 3);
    ShapeElement& s = d.shp그리기[n];
    s.BorderStyle = 2, s.BorderColor = 0xFF0000, s.BackStyle = 1, s.BackColor = 0x00FF00;
    s.Shape = ShapeRoundedRectangle;

    n = addLine(d, 0, 75, 7500, 75, 2);
    d.lin그리기[n].BorderStyle = 1;

    n = addText(d, "봄\r\n세일", "궁서", 7.5, 0, 0);
    d.txt그리기[n].FontItalic = d.txt그리기[n].FontUnderline = true;

    n = addText(d, "세\r\n로", "굴림체", 27, 9000, 600);
    d.txt그리기[n].AutoSize = false;
    d.txt그리기[n].ForeColor = 0x808080;
    return d;
}

} // namespace

TEST(ZepNumbers, FormatsAtTheirLimitsAndReadsBack) {
    struct Case {
        double value;
        const char* single;
        const char* dbl;
    };
    const float fmax = std::numeric_limits<float>::max();
    const Case cases[] = {
        {0.5, "0.5", "0.5"},
        {737.1f, "737.1", "737.099975585938"},
        {11907, "11907", "11907"},
        {16839.9f, "16839.9", "16839.900390625"},
        {-0.25, "-0.25", "-0.25"},
        {4000.0 / 3, "1333.333", "1333.33333333333"},
        {1e20, "1E+20", "1E+20"},
        {1e-7, "1E-07", "1E-07"},
        {1e7, "1E+07", "10000000"},
        {1e15, "1E+15", "1E+15"},
        {0.0001, "0.0001", "0.0001"},
        {-0.0, "0", "0"},
        {fmax, "3.402823E+38", "3.40282346638529E+38"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dbl);
        EXPECT_EQ(formatSingle(float(c.value)), QLatin1String(c.single));
        EXPECT_EQ(formatDouble(c.value), QLatin1String(c.dbl));
        EXPECT_FLOAT_EQ(float(leadingNumber(formatSingle(float(c.value)))), float(c.value));
        EXPECT_NEAR(leadingNumber(formatDouble(c.value)), c.value, std::fabs(c.value) * 1e-14);
    }
    // The double form of the largest float is above it, yet still reads as it.
    const Document d = parsed({"BEGIN shp그리기(1)", "      Left=3.40282346638529E+38",
                               "      Top=-3.40282346638529E+38", "END"});
    EXPECT_EQ(d.shp그리기[1].Left, fmax);
    EXPECT_EQ(d.shp그리기[1].Top, -fmax);
}

TEST(ZepFile, WritesTheGoldenFileByteForByte) {
    const QByteArray golden = readFile(test::dataPath("zep/golden.zep"));
    ASSERT_FALSE(golden.isEmpty());
    EXPECT_EQ(serializeDocument(goldenDocument(), kApp), golden);
}

TEST(ZepFile, ReadsTheGoldenFile) {
    ReadReport report;
    const Document d = parsed(readFile(test::dataPath("zep/golden.zep")), &report);
    EXPECT_EQ(d.gZoom, 100);
    EXPECT_EQ(d.gMarginTop, 737); // margins are whole twips once read
    EXPECT_EQ(d.gPageWidth, 11907.0f);
    EXPECT_EQ(d.gPageHeight, 16839.9f);
    EXPECT_FALSE(d.gLandscape);
    EXPECT_EQ(d.mvBackPicturePath, kApp + "/이미지/sky.jpg");
    EXPECT_TRUE(d.img배경.isPlaceholder());
    EXPECT_EQ(report.missingPictures,
              QStringList({kApp + "/이미지/sky.jpg", QStringLiteral("/srv/그림/로고.bmp")}));

    const std::vector<ObjectRef> list = {{},
                                         {kTextName, 1},
                                         {kPictureName, 1},
                                         {kShapeName, 1},
                                         {kLineName, 1},
                                         {kTextName, 2},
                                         {kTextName, 3}};
    EXPECT_EQ(d.mvObjects, list);

    const TextElement& sale = d.txt그리기[1];
    EXPECT_EQ(sale.Caption, "SALE");
    EXPECT_EQ(sale.FontName, "굴림체");
    EXPECT_EQ(sale.FontSize, 72);
    EXPECT_EQ(sale.Tag, "72");
    EXPECT_TRUE(sale.FontBold);
    EXPECT_EQ(sale.ForeColor, 255);
    EXPECT_EQ(sale.Left, 1500);
    EXPECT_GT(sale.Width, 0); // auto-sized
    EXPECT_TRUE(sale.Visible);
    EXPECT_EQ(d.gTextBase[1].FontSize, 72);

    const PictureElement& logo = d.img그리기[1];
    EXPECT_TRUE(logo.picture.isPlaceholder());
    EXPECT_TRUE(logo.Stretch);
    EXPECT_FLOAT_EQ(logo.Width, 1333.3334f);
    EXPECT_EQ(d.gImageBase[1].PicturePath, "/srv/그림/로고.bmp");

    const ShapeElement& s = d.shp그리기[1];
    EXPECT_EQ(s.BorderColor, 0xFF0000);
    EXPECT_EQ(s.BackColor, 0x00FF00);
    EXPECT_EQ(s.BorderWidth, 3);
    EXPECT_EQ(s.Shape, ShapeRoundedRectangle);
    EXPECT_EQ(s.Left, -250);
    EXPECT_EQ(s.Height, 0.5f);
    EXPECT_EQ(d.gShapeBase[1].BorderWidth, 3);

    EXPECT_EQ(d.lin그리기[1].X2, 10000);
    EXPECT_EQ(d.gLineBase[1].BorderWidth, 2);

    EXPECT_EQ(d.txt그리기[2].Caption, "봄\r\n세일");
    EXPECT_TRUE(d.txt그리기[2].FontItalic && d.txt그리기[2].FontUnderline);
    const TextElement& vertical = d.txt그리기[3];
    EXPECT_FALSE(vertical.AutoSize);
    EXPECT_TRUE(vertical.WordWrap);
    EXPECT_EQ(vertical.Caption, "세\r\n로");
    EXPECT_EQ(vertical.ForeColor, 0x808080);
}

TEST(ZepFile, ReadingAndWritingAgainGivesTheSameBytes) {
    // Margins are read as whole twips, geometry as floats; after that nothing changes.
    QByteArray expected = readFile(test::dataPath("zep/golden.zep"));
    expected.replace("=737.1\r\n", "=737\r\n");
    expected.replace("=1333.33333333333\r\n", "=1333.33337402344\r\n"); // now a float
    expected.replace("=666.666666666667\r\n", "=666.666687011719\r\n");
    const QByteArray once =
        serializeDocument(parsed(readFile(test::dataPath("zep/golden.zep"))), kApp);
    EXPECT_EQ(once, expected);
    EXPECT_EQ(serializeDocument(parsed(once), kApp), once);
}

TEST(ZepFile, GeometryIsStoredAtFullSize) {
    Document d;
    d.gZoom = 75;
    addShape(d, 1125, 300, 750, 75, 1);
    const QStringList lines = writtenLines(d);
    EXPECT_TRUE(lines.contains("      Left=1500"));
    EXPECT_TRUE(lines.contains("      Width=1000"));

    const Document back = parsed(serializeDocument(d, kApp));
    EXPECT_EQ(back.gZoom, 100);
    EXPECT_EQ(back.shp그리기[1].Left, 1500);
    EXPECT_EQ(back.gShapeBase[1].Left, 1500);
    EXPECT_EQ(back.shp그리기[1].Height, 100);
}

TEST(ZepFile, WholeNumberFieldsRoundHalvesToEvenAndIgnoreWhatDoesNotFit) {
    struct Case {
        const char* text;
        int margin;
    };
    // A value the 16-bit variable cannot hold leaves the one read before: 0.
    const Case cases[] = {{"850.5", 850},     {"851.5", 852}, {"-0.5", 0},  {"32767", 32767},
                          {"-32768", -32768}, {"32767.5", 0}, {"1e300", 0}, {"nan", 0},
                          {"12abc", 12},      {"abc", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        QStringList page = kPage;
        page[2] = QStringLiteral("      MarginTop=") + c.text;
        Document d;
        parseDocument(d, kApp, fileOf(page));
        EXPECT_EQ(d.gMarginTop, c.margin);
    }

    Document d;
    d.gMarginTop = 850.5f;
    EXPECT_TRUE(writtenLines(d).contains("      MarginTop=850.5"));

    const Document t = parsed({"BEGIN txt그리기(1)", "      Text=a", "      FontName=굴림체",
                               "      FontSize=10.6", "      AutoSize=True", "END"});
    EXPECT_EQ(t.txt그리기[1].FontSize, 11);
    EXPECT_EQ(t.txt그리기[1].Tag, "11");
}

TEST(ZepFile, NumbersNoVariableHoldsKeepThePreviousValue) {
    ReadReport report;
    Document d;
    ASSERT_TRUE(ReadDocument(d, kApp, test::dataPath("zep/out-of-range.zep"), nullptr, &report));
    ASSERT_EQ(d.count(ObjectKind::Shape), 2);
    const ShapeElement& s = d.shp그리기[2];
    EXPECT_EQ(s.BorderColor, 255);
    EXPECT_EQ(s.BorderWidth, 2);
    EXPECT_EQ(s.Left, 100);
    EXPECT_EQ(s.Top, 200);
    EXPECT_EQ(s.Width, 300); // 1e39 is beyond a float
    EXPECT_EQ(s.Height, 0);  // "nan" has no number: 0
    EXPECT_EQ(s.Shape, 3);
    const TextElement& t = d.txt그리기[1];
    EXPECT_EQ(t.ForeColor, 255);
    EXPECT_EQ(t.FontSize, 0);
    EXPECT_EQ(t.Left, 0);
    EXPECT_EQ(t.Top, 0);
}

TEST(ZepFile, MultiLineCaptionsContinueOnTheFollowingLines) {
    Document d;
    d.gZoom = 100;
    addText(d, "A\r\nB", "굴림체", 12, 0, 0);
    const QStringList lines = writtenLines(d);
    const qsizetype at = lines.indexOf("      Text=A");
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines[at + 1], "B");
    EXPECT_EQ(parsed(serializeDocument(d, kApp)).txt그리기[1].Caption, "A\r\nB");

    // A lone LF or CR would break the CR LF rule of the file: it is written as CR LF.
    Document lone;
    lone.gZoom = 100;
    addText(lone, "A\nB\rC", "굴림체", 12, 0, 0);
    EXPECT_EQ(parsed(serializeDocument(lone, kApp)).txt그리기[1].Caption, "A\r\nB\r\nC");

    // The first line is trimmed; the others stay as they are, empty ones too.
    const Document t = parsed({"BEGIN txt그리기(1)", "      Text=  A  ", "  B  ", "", "\tC",
                               "      FontName=굴림체", "      AutoSize=True", "END"});
    EXPECT_EQ(t.txt그리기[1].Caption, "A\r\n  B  \r\n\r\n\tC");
}

TEST(ZepFile, CaptionLinesThatLookLikeFileSyntax) {
    // The format has no escapes: some caption lines are read as file syntax.
    struct Case {
        const char* line;
        int texts;
        const char* caption;
    };
    const Case cases[] = {
        {"END", 1, "A"},            // ends the block early
        {"  END", 1, "A"},          // so does END within the first five characters
        {"BEGIN", 0, nullptr},      // opens a nameless block: the text is lost
        {"      x=y", 1, "A\r\nB"}, // read as a key and ignored
        {"   ENDE", 1, "A\r\n   ENDE\r\nB"},
        {"ENDING", 1, "A\r\nENDING\r\nB"},
        {"      no key", 1, "A\r\n      no key\r\nB"},
        {"x=y", 1, "A\r\nx=y\r\nB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Document d;
        d.gZoom = 100;
        addText(d, QStringLiteral("A\r\n") + c.line + QStringLiteral("\r\nB"), "굴림체", 12, 0, 0);
        const Document back = parsed(serializeDocument(d, kApp));
        ASSERT_EQ(back.count(ObjectKind::Text), c.texts);
        if (c.caption) {
            EXPECT_EQ(back.txt그리기[1].Caption, QString::fromUtf8(c.caption));
        }
    }
}

TEST(ZepFile, ReadingVariablesCarryOverFromBlockToBlock) {
    // BorderColor is missing from the shape: it takes the text's ForeColor,
    // the one colour variable both keys share. Keys are read in any case.
    const Document d = parsed({"BEGIN txt그리기(5)", "      Text=a", "      FontName=굴림체",
                               "      ForeColor=255", "      AutoSize=True", "      leFT=40", "END",
                               "BEGIN shp그리기(9)", "      BackColor=7", "END",
                               "BEGIN shp그리기(9)", "      WIDTH=30", "END"});
    ASSERT_EQ(d.count(ObjectKind::Shape), 2);
    EXPECT_EQ(d.txt그리기[1].Left, 40);
    EXPECT_EQ(d.shp그리기[1].BorderColor, 255);
    EXPECT_EQ(d.shp그리기[1].Left, 40);
    EXPECT_EQ(d.shp그리기[2].BackColor, 7);
    EXPECT_EQ(d.shp그리기[2].Width, 30);
    // Indices come from the order in the file, not from the headings.
    const std::vector<ObjectRef> list = {{}, {kTextName, 1}, {kShapeName, 1}, {kShapeName, 2}};
    EXPECT_EQ(d.mvObjects, list);
}

TEST(ZepFile, FlagsAreTrueOnlyWhenSpelledTrue) {
    for (const char* value : {"true", "TRUE", " True", "1", "True "}) {
        SCOPED_TRACE(value);
        QStringList page = kPage;
        page[8] = QStringLiteral("      Landscape=") + value;
        Document d;
        parseDocument(d, kApp, fileOf(page));
        EXPECT_FALSE(d.gLandscape);
    }
}

TEST(ZepFile, APageOnlyFile) {
    QStringList page = kPage;
    page[6] = "      Width=16839.9";
    page[7] = "      Height=11907";
    page[8] = "      Landscape=True";
    Document d;
    d.gZoom = 75;
    addShape(d, 0, 0, 1, 1, 1);
    ASSERT_TRUE(parseDocument(d, kApp, fileOf(page)));
    EXPECT_EQ(d.mvObjectCount(), 0);
    EXPECT_EQ(d.count(ObjectKind::Shape), 0);
    EXPECT_EQ(d.gPageWidth, 16839.9f);
    EXPECT_EQ(d.gPageHeight, 11907.0f);
    EXPECT_TRUE(d.gLandscape);
    EXPECT_EQ(d.gMarginLeft, 500);
    EXPECT_TRUE(d.mvBackPicturePath.isEmpty());
    EXPECT_TRUE(d.img배경.isNull());
}

TEST(ZepFile, PicturePathsBelowTheProgramFolderAreStoredInWindowsForm) {
    struct Case {
        const char* path;
        const char* stored;
    };
    const Case cases[] = {
        {"/opt/zep/이미지/sky.jpg", "\\이미지\\sky.jpg"},
        {"/opt/zep/a.bmp", "\\a.bmp"},
        {"/opt/zep2/a.bmp", "/opt/zep2/a.bmp"},               // not inside the folder
        {"/opt/ZEP/a.bmp", "/opt/ZEP/a.bmp"},                 // case counts
        {"/opt/zep/odd\\name.bmp", "/opt/zep/odd\\name.bmp"}, // would read back elsewhere
        {"/srv/sky.jpg", "/srv/sky.jpg"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(relativePicturePath(QString::fromUtf8(c.path), kApp),
                  QString::fromUtf8(c.stored));
        EXPECT_EQ(resolvePicturePath(QString::fromUtf8(c.stored), kApp), QString::fromUtf8(c.path));
    }
    EXPECT_EQ(relativePicturePath("/opt/zep/a.bmp", "/opt/zep/"), "\\a.bmp");
    // Paths from the Windows program that are not relative stay as they are.
    EXPECT_EQ(resolvePicturePath("C:\\zep\\a.bmp", kApp), "C:\\zep\\a.bmp");
}

TEST(ZepFile, MissingPicturesAreKeptAndReportedOnce) {
    QTemporaryDir app;
    ASSERT_TRUE(app.isValid());
    ASSERT_TRUE(QDir(app.path()).mkpath("이미지"));
    QImage img(4, 2, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(app.path() + "/이미지/real.png"));

    const QByteArray bytes = cp949(QStringList({"BEGIN picLayer",
                                                "      Picture=\\이미지\\gone.jpg",
                                                "      Width=11907",
                                                "      Height=16839.9",
                                                "      Landscape=False",
                                                "END",
                                                "BEGIN img그리기(1)",
                                                "      Picture=\\이미지\\real.png",
                                                "      Left=10",
                                                "      Top=20",
                                                "      Width=30",
                                                "      Height=40",
                                                "END",
                                                "BEGIN img그리기(2)",
                                                "      Picture=\\이미지\\gone.jpg",
                                                "      Left=50",
                                                "      Top=60",
                                                "      Width=70",
                                                "      Height=80",
                                                "END",
                                                ""})
                                       .join(kCrLf));
    ReadReport report;
    Document d;
    ASSERT_TRUE(parseDocument(d, app.path(), bytes, &report));
    const QString gone = app.path() + "/이미지/gone.jpg";
    EXPECT_EQ(report.missingPictures, QStringList{gone});
    EXPECT_TRUE(d.img배경.isPlaceholder());
    EXPECT_EQ(d.mvBackPicturePath, gone);
    ASSERT_EQ(d.count(ObjectKind::Picture), 2);
    EXPECT_FALSE(d.img그리기[1].picture.isNull());
    EXPECT_FALSE(d.img그리기[1].picture.isPlaceholder());
    EXPECT_TRUE(d.img그리기[2].picture.isPlaceholder());
    EXPECT_EQ(d.img그리기[2].picture.path(), gone);
    EXPECT_EQ(d.img그리기[2].Width, 70);

    // Saved back, the missing file keeps its path and geometry.
    const QStringList lines = decodeCp949(serializeDocument(d, app.path())).split(kCrLf);
    const QStringList block = lines.mid(lines.indexOf("BEGIN img그리기(2)"), 7);
    EXPECT_EQ(block, QStringList({"BEGIN img그리기(2)", "      Picture=\\이미지\\gone.jpg",
                                  "      Left=50", "      Top=60", "      Width=70",
                                  "      Height=80", "END"}));
    EXPECT_EQ(lines[1], "      Picture=\\이미지\\gone.jpg");
}

TEST(ZepFile, CharactersCp949LacksMakeAUtf8File) {
    Document d;
    d.gZoom = 100;
    addText(d, "가게 😀 ę", "굴림체", 12, 0, 0);
    const QByteArray bytes = serializeDocument(d, kApp);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(bytes.contains(QStringLiteral("Text=가게 😀 ę\r\n").toUtf8()));
    EXPECT_TRUE(bytes.contains(QStringLiteral("BEGIN txt그리기(1)\r\n").toUtf8()));
    const Document back = parsed(bytes);
    ASSERT_EQ(back.count(ObjectKind::Text), 1);
    EXPECT_EQ(back.txt그리기[1].Caption, "가게 😀 ę");
    EXPECT_EQ(serializeDocument(back, kApp), bytes);
}

TEST(ZepFile, BadBytesAreReplacedNotFatal) {
    ReadReport report;
    Document d;
    ASSERT_TRUE(ReadDocument(d, kApp, test::dataPath("zep/invalid-cp949.zep"), nullptr, &report));
    ASSERT_EQ(d.count(ObjectKind::Text), 1);
    EXPECT_EQ(d.txt그리기[1].Caption, "A\uFFFDB\uFFFD C\uFFFD");
    EXPECT_EQ(report.warnings.size(), 1);

    // Invalid UTF-8 after a byte-order mark likewise.
    report = {};
    const Document u = parsed(QByteArray("\xEF\xBB\xBF") + fileOf(kPage) +
                                  "BEGIN shp\xea\xb7\xb8\xeb\xa6\xac\xea\xb8\xb0(1)\r\n"
                                  "      Left=5\xc3\r\nEND\r\n",
                              &report);
    EXPECT_EQ(u.count(ObjectKind::Shape), 1);
    EXPECT_EQ(u.shp그리기[1].Left, 5);
    EXPECT_EQ(report.warnings.size(), 1);
}

TEST(ZepFile, SavingReplacesTheFileAndClearsTheDirtyFlag) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/a.zep";
    writeFile(path, "old");
    Document d = goldenDocument();
    d.mv내용수정 = true;
    d.mvFileName = "elsewhere.zep";
    std::vector<double> currents;
    const ProgressFn progress = [&](const QString& caption, double total, double current) {
        EXPECT_EQ(caption, "ZEP파일 저장...");
        EXPECT_EQ(total, 7);
        currents.push_back(current);
    };
    QString error;
    ASSERT_TRUE(WriteDocument(d, kApp, path, &error, progress)) << error.toStdString();
    EXPECT_EQ(readFile(path), readFile(test::dataPath("zep/golden.zep")));
    EXPECT_FALSE(d.mv내용수정);
    EXPECT_EQ(d.mvFileName, "elsewhere.zep");
    EXPECT_EQ(currents, std::vector<double>({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.zep"});
}

TEST(ZepFile, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    QTemporaryDir dir;
    Document d = goldenDocument();
    d.mv내용수정 = true;
    d.mvFileName = "a.zep";

    // A folder where the file should go, and a file where its folder should be.
    ASSERT_TRUE(QDir(dir.path()).mkdir("a.zep"));
    writeFile(dir.path() + "/plain", "x");
    for (const QString& path : {dir.path() + "/a.zep", dir.path() + "/plain/a.zep"}) {
        SCOPED_TRACE(path.toStdString());
        QString error;
        EXPECT_FALSE(WriteDocument(d, kApp, path, &error));
        EXPECT_TRUE(error.startsWith("'a.zep' 파일을 저장할 수 없습니다: ")) << error.toStdString();
        EXPECT_TRUE(d.mv내용수정);
        EXPECT_EQ(d.mvFileName, "a.zep");
    }
    EXPECT_TRUE(QFileInfo(dir.path() + "/a.zep").isDir());
    EXPECT_EQ(readFile(dir.path() + "/plain"), "x");

    // The disk filling up half way (a file size limit here, which binds root too).
    const QString old = dir.path() + "/old.zep";
    writeFile(old, "old contents");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool ok = WriteDocument(d, kApp, old, &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(error.startsWith("'old.zep' 파일을 저장할 수 없습니다: ")) << error.toStdString();
    EXPECT_EQ(readFile(old), "old contents");
    EXPECT_TRUE(d.mv내용수정);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"old.zep", "plain"}));
}

TEST(ZepFile, FilesThatCannotBeReadEndEmpty) {
    QTemporaryDir dir;
    const QString big = dir.path() + "/big.zep";
    {
        QFile f(big);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(kMaxZepFileSize + 1)); // sparse: costs no disk
    }
    const QString fifo = dir.path() + "/pipe.zep";
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0); // would block if opened
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.zep"));

    struct Case {
        QString path, name;
    };
    const Case cases[] = {{dir.path() + "/none.zep", "'none.zep'"},
                          {dir.path() + "/folder.zep", "'folder.zep'"},
                          {fifo, "'pipe.zep'"},
                          {big, "'big.zep'"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        Document d = goldenDocument();
        QString error;
        EXPECT_FALSE(ReadDocument(d, kApp, c.path, &error));
        EXPECT_TRUE(error.startsWith(c.name + " 파일을 열 수 없습니다: ")) << error.toStdString();
        EXPECT_EQ(d.mvObjectCount(), 0);
        EXPECT_EQ(d.count(ObjectKind::Text), 0);
        EXPECT_TRUE(d.mvBackPicturePath.isEmpty());
        EXPECT_EQ(d.gZoom, 100);
    }
    QString error;
    Document d;
    ReadDocument(d, kApp, big, &error);
    EXPECT_TRUE(error.contains("너무 큽니다"));
}

TEST(ZepFile, MalformedFilesEndEmptyOrPartial) {
    struct Case {
        const char* file;
        int shapes, texts;
    };
    // BEGIN without END: the next BEGIN takes over; a text block running to the
    // end of the file makes no object.
    const Case cases[] = {{"binary.zep", 0, 0}, {"unterminated.zep", 1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Document d;
        QString error;
        EXPECT_TRUE(ReadDocument(d, kApp, test::dataPath(QStringLiteral("zep/") + c.file), &error));
        EXPECT_EQ(d.count(ObjectKind::Shape), c.shapes);
        EXPECT_EQ(d.count(ObjectKind::Text), c.texts);
        EXPECT_EQ(d.mvObjectCount(), c.shapes + c.texts);
        if (c.shapes) {
            EXPECT_EQ(d.shp그리기[1].Left, 20);
        }
    }
}

TEST(ZepFile, HugeLinesAreReadInReasonableTime) {
    const QByteArray tenMegs(10 * 1024 * 1024, 'x');
    const QByteArray digits(10 * 1024 * 1024, '9');
    const QByteArray bytes = fileOf(kPage) + tenMegs + "\r\n      Left=" + digits + "\r\n" +
                             cp949("BEGIN txt그리기(1)\r\n      Text=") + tenMegs +
                             "\r\n      FontName=" + tenMegs.left(1000) +
                             "\r\n      AutoSize=False\r\nEND\r\n";
    ReadReport report;
    const Document d = parsed(bytes, &report);
    ASSERT_EQ(d.count(ObjectKind::Text), 1);
    const TextElement& t = d.txt그리기[1];
    EXPECT_EQ(t.Left, 0); // the digits make a number no float holds
    EXPECT_GT(t.Height, 0);
    EXPECT_EQ(t.Caption.size(), 3 * 32767 - 2); // cut, then one character a line
    EXPECT_EQ(report.warnings.size(), 1);
}

TEST(ZepFile, StopsMakingObjectsAtTheLimit) {
    QByteArray bytes = fileOf(kPage);
    const QByteArray block = cp949("BEGIN shp그리기(1)\r\n      Left=1\r\nEND\r\n");
    for (int i = 0; i < kMaxObjects + 2; ++i)
        bytes += block;
    ReadReport report;
    double last = 0, total = 0;
    Document d;
    parseDocument(d, kApp, bytes, &report, [&](const QString&, double t, double current) {
        total = t;
        last = current;
    });
    EXPECT_EQ(d.count(ObjectKind::Shape), kMaxObjects);
    EXPECT_EQ(d.mvObjectCount(), kMaxObjects);
    EXPECT_EQ(d.mvObjects.back().Index, kMaxObjects);
    ASSERT_EQ(report.warnings.size(), 1);
    EXPECT_TRUE(report.warnings[0].contains("2개")) << report.warnings[0].toStdString();
    EXPECT_GT(total, 0);
    EXPECT_EQ(last, total);
}
