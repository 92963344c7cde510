#include "document/Picture.h"
#include "document/PictureWriters.h"
#include "document/WmfPlayer.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using zep::Picture;
using zep::WmfWriter;

namespace {

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

QImage solid(int w, int h, QColor c) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}

QVector<int> solidBrush(QRgb c) {
    return QVector<int>{0} + WmfWriter::colour(c) + QVector<int>{0};
}

enum Fn : quint16 {
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetBkMode = 0x0102,
    SetTextColor = 0x0209,
    CreatePen = 0x02FA,
    CreateBrush = 0x02FC,
    CreateFont = 0x02FB,
    Select = 0x012D,
    Delete = 0x01F0,
    Rectangle = 0x041B,
    Ellipse = 0x0418,
    Polygon = 0x0324,
    TextOut = 0x0521,
    ExtTextOut = 0x0A32,
    StretchDib = 0x0F43,
};

// Logical 0..1000 both ways: a red box top left, a blue disc top right, a
// green triangle bottom left, "할인" bottom right. The brushes reuse freed
// slots, so a player that appends instead of taking the lowest free slot
// paints the disc red. With yUp the window's y axis points up (no placeable
// header then), which flips the page but not the text.
WmfWriter shapes(bool yUp = false) {
    WmfWriter w;
    if (yUp) {
        w.record(SetWindowOrg, {1000, 0});
        w.record(SetWindowExt, {-1000, 1000});
    }
    w.record(SetBkMode, {1});
    w.record(CreatePen, {5, 0, 0, 0, 0}); // slot 0, no outline
    w.record(Select, {0});
    w.record(CreateBrush, solidBrush(qRgb(255, 0, 0))); // slot 1
    w.record(Select, {1});
    w.record(Rectangle, {350, 450, 50, 50});
    w.record(CreateBrush, solidBrush(qRgb(255, 255, 0))); // slot 2, never used
    w.record(Delete, {1});
    w.record(CreateBrush, solidBrush(qRgb(0, 0, 255))); // slot 1 again
    w.record(Select, {1});
    w.record(Ellipse, {350, 950, 50, 550});
    w.record(CreateBrush, solidBrush(qRgb(0, 160, 0))); // slot 3
    w.record(Select, {3});
    w.record(Polygon, {3, 50, 950, 450, 950, 250, 650});
    // Drawn outside the frame: must not show.
    w.record(Rectangle, {-100, -100, -500, -500});
    w.record(Delete, {2});
    w.record(CreateFont, QVector<int>{-200, 0, 0, 0, 400, 0, 129 << 8, 0, 0} +
                             WmfWriter::bytes("NanumGothic", 32)); // slot 2
    w.record(Select, {2});
    w.record(SetTextColor, WmfWriter::colour(qRgb(0, 0, 0)));
    w.record(TextOut,
             QVector<int>{4} + WmfWriter::bytes("\xC7\xD2\xC0\xCE") + QVector<int>{650, 550});
    return w;
}

QByteArray placeableShapes() {
    return shapes().finish(4, QRect(0, 0, 1000, 1000), 1000);
}

QImage render(const Picture& pic, QSize canvas, const QRectF& target) {
    QImage img(canvas, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    pic.draw(p, target);
    p.end();
    return img;
}

bool near(QColor a, QColor b, int tolerance = 40) {
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

// Bounding box of the dark pixels.
QRect inkBox(const QImage& img, const QRect& area, int threshold = 100) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (QColor(img.pixel(x, y)).value() < threshold) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(Picture, RasterFormatsLoadWithNaturalSizeInTwips) {
    QTemporaryDir dir;
    auto saved = [](const QImage& img, const char* format) {
        QByteArray bytes;
        QBuffer b(&bytes);
        b.open(QIODevice::WriteOnly);
        img.save(&b, format);
        return bytes;
    };
    const struct {
        const char* name;
        QByteArray bytes;
        QSize pixels;
    } cases[] = {
        {"a.jpg", saved(solid(40, 30, Qt::blue), "JPG"), {40, 30}},
        {"a.bmp", saved(solid(33, 17, Qt::green), "BMP"), {33, 17}},
        {"a.gif", zep::encodeGif(solid(21, 13, Qt::red)), {21, 13}},
        {"a.ico", saved(solid(24, 16, Qt::red), "ICO"), {24, 16}},
        // Several sizes: the largest wins, wherever it stands in the file.
        {"multi.ico",
         zep::encodeIcon({{solid(16, 16, Qt::red), {}},
                          {solid(48, 40, Qt::red), {}},
                          {solid(32, 32, Qt::red), {}}},
                         false),
         {48, 40}},
        {"a.cur", zep::encodeIcon({{solid(32, 24, Qt::black), {3, 5}}}, true), {32, 24}},
        // Content decides, not the name.
        {"really-a-bmp.jpg", saved(solid(9, 7, Qt::green), "BMP"), {9, 7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        const Picture pic = Picture::load(write(dir, c.name, c.bytes), &error);
        ASSERT_FALSE(pic.isNull()) << error.toStdString();
        EXPECT_TRUE(error.isEmpty());
        EXPECT_EQ(pic.image().size(), c.pixels);
        EXPECT_EQ(pic.naturalSizeTwips(), QSizeF(c.pixels) * 15);
        EXPECT_TRUE(pic.path().endsWith(c.name));
    }
}

TEST(Picture, RasterIsStretchedToTarget) {
    QImage img = solid(20, 10, Qt::red);
    QPainter(&img).fillRect(10, 0, 10, 10, Qt::blue);
    QTemporaryDir dir;
    QByteArray bmp;
    QBuffer b(&bmp);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "BMP");
    const Picture pic = Picture::load(write(dir, "two.bmp", bmp));
    const QImage out = render(pic, {300, 100}, QRectF(50, 25, 200, 50));
    EXPECT_TRUE(near(out.pixel(60, 30), Qt::red));
    EXPECT_TRUE(near(out.pixel(240, 70), Qt::blue));
    EXPECT_EQ(QColor(out.pixel(40, 50)), QColor(Qt::white));
    EXPECT_EQ(QColor(out.pixel(150, 80)), QColor(Qt::white));
}

TEST(Picture, GifEncoderRoundTripsManyColoursAndLongRuns) {
    // Noise fills the LZW table past 4096 codes, forcing resets.
    QImage img(90, 70, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int i = 0; i < 200; ++i)
        colours << qRgb(i, 255 - i, (i * 7) % 256);
    img.setColorTable(colours);
    QRandomGenerator rng(7);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, y < 10 ? 3 : uint(rng.bounded(200)));
    const QImage back = QImage::fromData(zep::encodeGif(img), "GIF");
    ASSERT_EQ(back.size(), img.size());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_EQ(QColor(back.pixel(x, y)), QColor(img.pixel(x, y))) << x << "," << y;
}

TEST(Picture, MetafileNaturalSize) {
    QTemporaryDir dir;
    // 1000 units per inch over 1000 x 1000: one inch.
    const Picture placeable = Picture::load(write(dir, "p.wmf", placeableShapes()));
    ASSERT_FALSE(placeable.isNull());
    EXPECT_EQ(placeable.naturalSizeTwips(), QSizeF(1440, 1440));
    EXPECT_TRUE(placeable.image().isNull());

    const QByteArray wide = shapes().finish(4, QRect(-100, 0, 3000, 1500), 1500);
    EXPECT_EQ(Picture::load(write(dir, "w.wmf", wide)).naturalSizeTwips(), QSizeF(2880, 1440));

    // Without the placeable header the window extent counts, in twips.
    WmfWriter w;
    w.record(SetWindowOrg, {0, 0});
    w.record(SetWindowExt, {720, 2160});
    EXPECT_EQ(Picture::load(write(dir, "n.wmf", w.finish(0))).naturalSizeTwips(),
              QSizeF(2160, 720));
}

TEST(Picture, MetafileShapesLandWhereTheFrameMapsThem) {
    QTemporaryDir dir;
    const Picture placeable = Picture::load(write(dir, "p.wmf", placeableShapes()));
    const Picture yUp = Picture::load(write(dir, "u.wmf", shapes(true).finish(4)));
    ASSERT_FALSE(placeable.isNull());
    ASSERT_FALSE(yUp.isNull());
    EXPECT_EQ(yUp.naturalSizeTwips(), QSizeF(1000, 1000));

    const struct {
        const char* what;
        QPointF logical;
        QColor colour;
    } probes[] = {
        {"box", {250, 200}, Qt::red},
        {"disc centre", {750, 200}, Qt::blue},
        {"beside the disc", {560, 60}, Qt::white},
        {"triangle", {250, 900}, QColor(0, 160, 0)},
        {"beside the apex", {60, 660}, Qt::white},
    };
    const struct {
        const char* what;
        const Picture* pic;
        bool flip;
        QRectF target;
    } views[] = {
        {"square target", &placeable, false, QRectF(20, 20, 200, 200)},
        {"stretched", &placeable, false, QRectF(0, 10, 400, 100)},
        {"y up", &yUp, true, QRectF(20, 20, 200, 200)},
    };
    for (const auto& v : views) {
        SCOPED_TRACE(v.what);
        const QImage out = render(*v.pic, {420, 240}, v.target);
        auto at = [&](QPointF l) {
            const qreal y = v.flip ? 1000 - l.y() : l.y();
            return QPoint(int(v.target.x() + l.x() / 1000 * v.target.width()),
                          int(v.target.y() + y / 1000 * v.target.height()));
        };
        for (const auto& probe : probes) {
            SCOPED_TRACE(probe.what);
            const QColor got = out.pixel(at(probe.logical));
            EXPECT_TRUE(near(got, probe.colour)) << got.name().toStdString();
        }
        // The box drawn left of and above the frame is clipped away.
        EXPECT_EQ(QColor(out.pixel(2, 2)), QColor(Qt::white));
    }
}

TEST(Picture, MetafileTextSitsAtItsReferencePointUpright) {
    QTemporaryDir dir;
    zep::test::pinFonts();
    const Picture placeable = Picture::load(write(dir, "p.wmf", placeableShapes()));
    const Picture yUp = Picture::load(write(dir, "u.wmf", shapes(true).finish(4)));
    const QRectF target(20, 20, 200, 200);
    const QImage a = render(placeable, {240, 240}, target);
    const QImage b = render(yUp, {240, 240}, target);

    // 200 units high (40 px), top-left at (550, 650): pixel (130, 150).
    const QRect ink = inkBox(a, a.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 128);
    EXPECT_GE(ink.top(), 148);
    EXPECT_GT(ink.height(), 25); // the font height was applied
    EXPECT_LT(ink.height(), 45);
    EXPECT_GT(ink.width(), ink.height()); // two syllables side by side

    // Flipped window: the reference point moves to y 350 (pixel 90), the
    // glyphs stay the same way up.
    EXPECT_EQ(inkBox(b, b.rect()), ink.translated(0, -60));
    EXPECT_EQ(a.copy(ink), b.copy(ink.translated(0, -60)));
}

// Spacing arrays hold one entry per byte; a double-byte character advances
// by the sum of its two.
TEST(Picture, MetafileTextFollowsItsSpacingArray) {
    zep::test::pinFonts();
    WmfWriter w;
    w.record(SetBkMode, {1});
    w.record(CreateFont, QVector<int>{-200, 0, 0, 0, 400, 0, 129 << 8, 0, 0} +
                             WmfWriter::bytes("NanumGothic", 32));
    w.record(Select, {0});
    w.record(ExtTextOut, QVector<int>{100, 50, 4, 0} + WmfWriter::bytes("\xC7\xD2\xC0\xCE") +
                             QVector<int>{300, 300, 100, 0});
    QTemporaryDir dir;
    const Picture pic =
        Picture::load(write(dir, "dx.wmf", w.finish(1, QRect(0, 0, 1000, 1000), 1000)));
    ASSERT_FALSE(pic.isNull());
    const QImage out = render(pic, {200, 200}, QRectF(0, 0, 200, 200));
    // 할 from x 50 (pixel 10), 인 from x 650 (pixel 130).
    EXPECT_FALSE(inkBox(out, QRect(8, 0, 50, 200)).isEmpty());
    EXPECT_TRUE(inkBox(out, QRect(60, 0, 66, 200)).isEmpty());
    EXPECT_GE(inkBox(out, QRect(60, 0, 140, 200)).left(), 128);
}

// A 2 x 2 bitmap stretched over the whole frame: rows are stored bottom up,
// so a reader that forgets it swaps top and bottom.
TEST(Picture, MetafileBitmapsStretchOverTheirRectangle) {
    const QRgb tl = qRgb(255, 0, 0), tr = qRgb(0, 0, 255), bl = qRgb(0, 160, 0),
               br = qRgb(250, 250, 0);
    auto dib = [&](int bpp) {
        QByteArray d;
        auto put = [&d](quint32 v, int n) {
            for (int i = 0; i < n; ++i)
                d.append(char(v >> (8 * i)));
        };
        put(40, 4), put(2, 4), put(2, 4), put(1, 2), put(bpp, 2);
        put(0, 4), put(0, 4), put(0, 4), put(0, 4), put(bpp == 8 ? 4 : 0, 4), put(0, 4);
        if (bpp == 8) {
            for (QRgb c : {bl, br, tl, tr})
                put(qBlue(c) | qGreen(c) << 8 | qRed(c) << 16, 4);
            put(0x0100, 2), put(0, 2); // bottom row: 0 1, padded
            put(0x0302, 2), put(0, 2); // top row: 2 3
        } else {
            for (QRgb row : {bl, br, tl, tr})
                put(qBlue(row) | qGreen(row) << 8 | qRed(row) << 16, 3);
            // each row is 6 bytes, padded to 8: fix up after the fact
            QByteArray fixed =
                d.left(40) + d.mid(40, 6) + QByteArray(2, 0) + d.mid(46, 6) + QByteArray(2, 0);
            d = fixed;
        }
        return d;
    };
    QTemporaryDir dir;
    for (int bpp : {24, 8}) {
        SCOPED_TRACE(bpp);
        WmfWriter w;
        w.record(StretchDib, {0x0020, 0x00CC, 0, 2, 2, 0, 0, 100, 100, 0, 0}, dib(bpp));
        QString error;
        const Picture pic =
            Picture::load(write(dir, "dib.wmf", w.finish(0, QRect(0, 0, 100, 100), 100)), &error);
        ASSERT_FALSE(pic.isNull()) << error.toStdString();
        const QImage out = render(pic, {100, 100}, QRectF(0, 0, 100, 100));
        EXPECT_TRUE(near(out.pixel(10, 10), tl));
        EXPECT_TRUE(near(out.pixel(90, 10), tr));
        EXPECT_TRUE(near(out.pixel(10, 90), bl));
        EXPECT_TRUE(near(out.pixel(90, 90), br));
    }
}

TEST(Picture, BrokenFilesGiveAnErrorNotACrash) {
    const QByteArray good = placeableShapes();
    auto withRecords = [](const QByteArray& raw, int objects) {
        WmfWriter w;
        w.raw(raw);
        return w.finish(objects, QRect(0, 0, 100, 100), 100);
    };
    WmfWriter badIndex;
    badIndex.record(CreateBrush, solidBrush(qRgb(1, 2, 3)));
    badIndex.record(Select, {5});
    WmfWriter tableFull;
    tableFull.record(CreateBrush, solidBrush(qRgb(1, 2, 3)));
    tableFull.record(CreateBrush, solidBrush(qRgb(1, 2, 3)));
    WmfWriter noSize;
    noSize.record(Rectangle, {1, 1, 0, 0});

    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty.jpg", {}},
        {"text.jpg", "This is a shopping list, not a picture.\n"},
        {"garbage.bmp", QByteArray("BM\x10\0\0\0garbage", 13)},
        {"truncated.wmf", good.left(good.size() - 40)},
        {"header-only.wmf", good.left(22)},
        {"huge-record.wmf", withRecords(QByteArray("\xFF\xFF\xFF\x7F\x1B\x04", 6), 0)},
        {"short-record.wmf", withRecords(QByteArray("\x02\0\0\0\x1B\x04", 6), 0)},
        {"bad-index.wmf", badIndex.finish(1, QRect(0, 0, 10, 10))},
        {"table-full.wmf", tableFull.finish(1, QRect(0, 0, 10, 10))},
        {"no-size.wmf", noSize.finish(0)},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        const Picture pic = Picture::load(write(dir, c.name, c.bytes), &error);
        EXPECT_TRUE(pic.isNull());
        EXPECT_FALSE(error.isEmpty());
    }
    QString error;
    EXPECT_TRUE(Picture::load(dir.filePath("absent.jpg"), &error).isNull());
    EXPECT_EQ(error, QString::fromUtf8("파일이 없습니다"));
}

// Every cut of a good file is refused, and random damage either loads or is
// refused; what loads must draw.
TEST(Picture, DamagedMetafilesNeverCrash) {
    const QByteArray good = placeableShapes();
    zep::WmfPlayer player;
    for (int cut = 0; cut < good.size(); ++cut)
        ASSERT_FALSE(player.load(good.left(cut))) << "cut at " << cut;

    QImage canvas(64, 64, QImage::Format_RGB32);
    QPainter p(&canvas);
    QRandomGenerator rng(2024);
    for (int round = 0; round < 400; ++round) {
        QByteArray bad = good;
        for (int k = 0; k < 4; ++k)
            bad[rng.bounded(int(bad.size()))] = char(rng.bounded(256));
        if (player.load(bad)) player.play(p, QRectF(0, 0, 64, 64));
    }
}

TEST(Picture, PlaceholderKeepsThePathAndShowsTheName) {
    const QString path = QString::fromUtf8("/없는/곳/간판.wmf");
    const Picture pic = Picture::placeholder(path);
    EXPECT_FALSE(pic.isNull());
    EXPECT_TRUE(pic.isPlaceholder());
    EXPECT_EQ(pic.path(), path);
    EXPECT_EQ(pic.naturalSizeTwips(), QSizeF(1440, 1440));

    const QImage out = render(pic, {120, 120}, QRectF(10, 10, 100, 100));
    auto grey = [&](int x, int y) {
        return !inkBox(out, QRect(x - 1, y - 1, 3, 3), 250).isEmpty();
    };
    EXPECT_TRUE(grey(10, 50));                                  // frame
    EXPECT_TRUE(grey(25, 25));                                  // one diagonal
    EXPECT_TRUE(grey(94, 25));                                  // the other
    EXPECT_FALSE(grey(5, 5));                                   // nothing outside
    EXPECT_FALSE(inkBox(out, QRect(15, 45, 90, 30)).isEmpty()); // the name
}

TEST(Picture, Cp949TextDecodesStrictly) {
    const struct {
        QByteArray bytes;
        const char* utf8;
    } cases[] = {
        {"\xC7\xD2\xC0\xCE", "할인"},
        {"Sale 50%", "Sale 50%"},
        {"\x8C\x63\x97\xCD\xA2\xE6", "똠쀍€"}, // beyond EUC-KR
        {"\xFF"
         "A",
         "\xEF\xBF\xBD"
         "A"},
        {"\x81\x20", "\xEF\xBF\xBD "}, // lead byte with a bad trail byte
        {QByteArray("ab\0cd", 5), "ab"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zep::decodeCp949(c.bytes), QString::fromUtf8(c.utf8)) << c.utf8;
}

// The build lays out sample pictures and pointers; all must load.
TEST(Picture, SampleAssetsLoad) {
    const QString home = zep::test::buildHome() + '/';
    const struct {
        const char* file;
        QSizeF twips;
    } cases[] = {
        {"이미지/sky.jpg", {480 * 15, 320 * 15}},
        {"이미지/sale.gif", {240 * 15, 96 * 15}},
        {"이미지/arrow.bmp", {128 * 15, 64 * 15}},
        {"이미지/star.ico", {48 * 15, 48 * 15}},
        {"이미지/frame.wmf", {2880, 1440}},
        {"이미지/pointer.cur", {480, 480}},
        {"커서/pen.cur", {480, 480}},
        {"커서/eyedrop.cur", {480, 480}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        QString error;
        const Picture pic = Picture::load(home + QString::fromUtf8(c.file), &error);
        ASSERT_FALSE(pic.isNull()) << error.toStdString();
        EXPECT_EQ(pic.naturalSizeTwips(), c.twips);
    }
    if (QFile::exists("/usr/share/fonts/truetype/nanum/NanumPen.ttf")) {
        EXPECT_TRUE(QFile::exists(home + QString::fromUtf8("커서/NanumPen.ttf")));
    }
}
