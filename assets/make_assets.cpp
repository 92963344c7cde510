// Writes the program folder's sample files: pictures, pointer icons, a font.
// Everything is drawn here; a file is only rewritten when its bytes differ, so
// reruns leave the folder (and its timestamps) alone.
#include "document/PictureWriters.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include "document/Page.h"
#include "document/TextLayout.h"
#include "document/ZepFile.h"
#include "print/SheetPicture.h"
#include "shell/Fonts.h"
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSaveFile>
#include <QtMath>
#include <cstdio>

namespace {

using zep::WmfWriter;

bool writeIfChanged(const QString& path, const QByteArray& bytes) {
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.size() == bytes.size() && old.readAll() == bytes)
        return true;
    old.close();
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray encoded(const QImage& img, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, format, quality);
    return bytes;
}

QImage canvas(int w, int h, QColor fill = Qt::transparent) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

QPolygonF star(QPointF c, qreal outer, qreal inner, int points = 5) {
    QPolygonF poly;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / points;
        const qreal r = i % 2 ? inner : outer;
        poly << c + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return poly;
}

QImage sky() {
    QImage img = canvas(480, 320);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, img.height());
    g.setColorAt(0, QColor(20, 70, 170));
    g.setColorAt(1, QColor(160, 210, 250));
    p.fillRect(img.rect(), g);
    p.setPen(Qt::NoPen);
    // Each cloud is a few overlapping puffs with a soft edge.
    const struct {
        qreal x, y, s;
    } clouds[] = {{90, 90, 1.0}, {300, 60, 0.8}, {380, 190, 1.2}, {150, 230, 0.7}};
    for (const auto& c : clouds) {
        for (const QPointF d :
             {QPointF(-40, 8), QPointF(0, -12), QPointF(38, 4), QPointF(10, 14)}) {
            const QPointF at = QPointF(c.x, c.y) + d * c.s;
            QRadialGradient puff(at, 36 * c.s);
            puff.setColorAt(0, QColor(255, 255, 255, 235));
            puff.setColorAt(0.7, QColor(255, 255, 255, 200));
            puff.setColorAt(1, QColor(255, 255, 255, 0));
            p.setBrush(puff);
            p.drawEllipse(at, 36 * c.s, 36 * c.s);
        }
    }
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage sale() {
    QImage img = canvas(240, 96, QColor(200, 20, 30));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 220, 0), 6));
    p.drawRect(QRectF(3, 3, 234, 90));
    QFont f(QStringLiteral("NanumGothic"));
    f.setPixelSize(48);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(img.rect(), Qt::AlignCenter, QStringLiteral("SALE"));
    p.setBrush(QColor(255, 220, 0));
    p.setPen(Qt::NoPen);
    p.drawPolygon(star(QPointF(28, 48), 16, 7));
    p.drawPolygon(star(QPointF(212, 48), 16, 7));
    p.end();
    return img;
}

QImage arrow() {
    QImage img = canvas(128, 64, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 80, 30), 2));
    p.setBrush(QColor(30, 150, 60));
    p.drawPolygon(QPolygonF({QPointF(8, 22), QPointF(80, 22), QPointF(80, 6), QPointF(120, 32),
                             QPointF(80, 58), QPointF(80, 42), QPointF(8, 42)}));
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

QImage starIcon(int size) {
    QImage img = canvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 90, 0), qMax(1.0, size / 24.0)));
    p.setBrush(QColor(255, 200, 0));
    p.drawPolygon(star(QPointF(size / 2.0, size * 0.53), size * 0.48, size * 0.2));
    p.end();
    return img;
}

// The usual arrow pointer, tip at the top left.
QImage pointer() {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(1, 1), QPointF(1, 22), QPointF(6.5, 17), QPointF(10, 25),
                             QPointF(13, 24), QPointF(9.5, 16), QPointF(16, 16)}));
    p.end();
    return img;
}

// A pen lying from top right to the nib at the bottom left (the hotspot).
QImage pen() {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(2, 29);
    p.rotate(-45);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(40, 90, 200));
    p.drawRect(QRectF(9, -3.5, 25, 7));
    p.setBrush(QColor(240, 220, 170));
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(9, -3.5), QPointF(9, 3.5)}));
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(3, -1.2), QPointF(3, 1.2)}));
    p.end();
    return img;
}

// An eyedropper: bulb at the top right, tip at the bottom left (the hotspot).
QImage eyedrop() {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(2, 29);
    p.rotate(-45);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(230, 240, 250));
    p.drawPolygon(
        QPolygonF({QPointF(0, 0), QPointF(4, -2), QPointF(20, -2), QPointF(20, 2), QPointF(4, 2)}));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(20, -4, 4, 8));
    p.setBrush(QColor(200, 40, 40));
    p.drawRoundedRect(QRectF(24, -5, 12, 10), 4, 4);
    p.end();
    return img;
}

// A placeable metafile, 2 x 1 inch in twips: a yellow panel with a red disc
// saying 할인 and a green arrow. Strings are CP949, as written on Windows.
QByteArray frameWmf() {
    const QByteArray hal_in("\xC7\xD2\xC0\xCE", 4); // 할인
    const QByteArray gulim("\xB1\xBC\xB8\xB2", 4);  // 굴림
    WmfWriter w;
    w.record(0x0103, {8});          // SETMAPMODE anisotropic
    w.record(0x020B, {0, 0});       // SETWINDOWORG
    w.record(0x020C, {1440, 2880}); // SETWINDOWEXT
    w.record(0x0102, {1});          // SETBKMODE transparent
    w.record(0x02FA, QVector<int>{0, 30, 0} + WmfWriter::colour(qRgb(20, 30, 110)));
    w.record(0x02FC, QVector<int>{0} + WmfWriter::colour(qRgb(255, 220, 60)) + QVector<int>{0});
    w.record(0x012D, {0});
    w.record(0x012D, {1});
    w.record(0x041B, {1380, 2820, 60, 60}); // RECTANGLE
    w.record(0x02FC, QVector<int>{0} + WmfWriter::colour(qRgb(210, 30, 40)) + QVector<int>{0});
    w.record(0x012D, {2});
    w.record(0x0418, {1260, 1260, 180, 180}); // ELLIPSE
    w.record(0x02FC, QVector<int>{0} + WmfWriter::colour(qRgb(30, 150, 60)) + QVector<int>{0});
    w.record(0x012D, {3});
    w.record(0x0324, {7, 1500, 560, 2100, 560, 2100, 300, 2640, 720, 2100, 1140, 2100, 880, 1500,
                      880}); // POLYGON
    w.record(0x02FB, QVector<int>{-420, 0, 0, 0, 700, 0, 129 << 8, 0, 0} +
                         WmfWriter::bytes(gulim, 32)); // CREATEFONTINDIRECT
    w.record(0x012D, {4});
    w.record(0x0209, WmfWriter::colour(qRgb(255, 255, 255))); // SETTEXTCOLOR
    w.record(0x012E, {6 | 24});                               // TA_CENTER | TA_BASELINE
    w.record(0x0521, QVector<int>{4} + WmfWriter::bytes(hal_in) + QVector<int>{870, 720});
    for (int i = 0; i < 5; ++i)
        w.record(0x01F0, {i}); // DELETEOBJECT
    return w.finish(5, QRect(0, 0, 2880, 1440), 1440);
}

} // namespace

// The sample sign the README's start command opens.
QByteArray sampleSign(const QString& home) {
    using namespace zep;
    Document d;
    d.gZoom = 100;
    ApplyPageSize(d, 210, 297);
    // Whole-twip margins (13 mm), as the reader keeps them.
    d.gMarginLeft = d.gMarginTop = d.gMarginRight = d.gMarginBottom = 737;
    auto shape = [&](int code, float l, float t, float w, float h, int border, ColourValue line,
                     int back, ColourValue fill) {
        const int n = d.loadElement(ObjectKind::Shape);
        ShapeElement& s = d.shp그리기[n];
        s.Shape = code;
        s.BorderStyle = 1;
        s.BorderColor = line;
        s.BorderWidth = border;
        s.BackStyle = back;
        s.BackColor = fill;
        s.Left = l, s.Top = t, s.Width = w, s.Height = h, s.Visible = true;
        d.growTable(ObjectKind::Shape, n);
        d.gShapeBase[n] = {static_cast<std::int16_t>(border), l, t, w, h};
        d.appendToList(ObjectKind::Shape, n);
    };
    auto text = [&](const QString& caption, const QString& font, float size, bool bold,
                    ColourValue colour, float l, float t, bool vertical = false) {
        const int n = d.loadElement(ObjectKind::Text);
        TextElement& e = d.txt그리기[n];
        e.Caption = caption;
        e.FontName = font;
        e.FontSize = size;
        e.Tag = QString::number(size);
        e.FontBold = bold;
        e.ForeColor = colour;
        e.Left = l, e.Top = t, e.Visible = true;
        if (vertical)
            MakeVerticalText(e);
        else
            autoSizeText(e);
        d.growTable(ObjectKind::Text, n);
        d.gTextBase[n] = {size, l, t};
        d.appendToList(ObjectKind::Text, n);
    };
    auto picture = [&](const QString& file, float l, float t, float w, float h) {
        const int n = d.loadElement(ObjectKind::Picture);
        PictureElement& p = d.img그리기[n];
        p.picture = Picture::load(file);
        p.Stretch = true;
        p.Left = l, p.Top = t, p.Width = w, p.Height = h, p.Visible = true;
        d.growTable(ObjectKind::Picture, n);
        d.gImageBase[n] = {file, l, t, w, h};
        d.appendToList(ObjectKind::Picture, n);
    };
    const QString pics = home + QStringLiteral("/이미지/");
    shape(ShapeRoundedRectangle, 1134, 1134, 9639, 14572, 4, RGBValue(200, 20, 20), 0, 0xFFFFFF);
    shape(ShapeRectangle, 1134, 4200, 9639, 2600, 1, RGBValue(250, 210, 60), 1,
          RGBValue(255, 236, 140));
    picture(pics + "sky.jpg", 1700, 1600, 8505, 2300);
    text(QStringLiteral("오늘의 특가"), QStringLiteral("굴림"), 48, true, RGBValue(30, 30, 120),
         3000, 4600);
    text(QStringLiteral("9,900원"), QStringLiteral("굴림"), 96, true, RGBValue(210, 20, 20), 2600,
         7600);
    text(QStringLiteral("신선식품"), QStringLiteral("평붓"), 40, false, RGBValue(20, 110, 40), 1600,
         6900, true);
    picture(pics + "sale.gif", 7600, 11600, 2400, 2400);
    text(QStringLiteral("1인 2개 한정 · 재고 소진 시 마감"), QStringLiteral("굴림체"), 18, false, 0,
         1900, 14700);
    {
        const int n = d.loadElement(ObjectKind::Line);
        LineElement& l = d.lin그리기[n];
        l.BorderStyle = 1;
        l.BorderColor = RGBValue(200, 20, 20);
        l.BorderWidth = 2;
        l.X1 = 1700, l.Y1 = 10900, l.X2 = 10200, l.Y2 = 10900, l.Visible = true;
        d.growTable(ObjectKind::Line, n);
        d.gLineBase[n] = {2, 1700, 10900, 10200, 10900};
        d.appendToList(ObjectKind::Line, n);
    }
    shape(ShapeCircle, 1800, 11500, 2600, 2600, 2, RGBValue(200, 20, 20), 1,
          RGBValue(255, 255, 255));
    text(QStringLiteral("할인"), QStringLiteral("굴림"), 36, true, RGBValue(200, 20, 20), 2420,
         12380);
    return serializeDocument(d, home);
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) return 2;
    const QDir home(QString::fromLocal8Bit(argv[1]));
    for (const char* sub : {"커서", "이미지", "WORK"})
        home.mkpath(QString::fromUtf8(sub));
    const QString pictures = home.filePath(QString::fromUtf8("이미지")) + '/';
    const QString cursors = home.filePath(QString::fromUtf8("커서")) + '/';

    bool ok = true;
    ok &= writeIfChanged(pictures + "sky.jpg", encoded(sky(), "JPG", 90));
    ok &= writeIfChanged(pictures + "sale.gif", zep::encodeGif(sale()));
    ok &= writeIfChanged(pictures + "arrow.bmp", encoded(arrow(), "BMP"));
    ok &= writeIfChanged(
        pictures + "star.ico",
        zep::encodeIcon({{starIcon(16), {}}, {starIcon(32), {}}, {starIcon(48), {}}}, false));
    ok &= writeIfChanged(pictures + "frame.wmf", frameWmf());
    ok &= writeIfChanged(pictures + "pointer.cur", zep::encodeIcon({{pointer(), {1, 1}}}, true));
    ok &= writeIfChanged(cursors + "pen.cur", zep::encodeIcon({{pen(), {2, 29}}}, true));
    ok &= writeIfChanged(cursors + "eyedrop.cur", zep::encodeIcon({{eyedrop(), {2, 29}}}, true));
    // The printer setup's orientation pictures.
    for (const bool landscape : {false, true})
        ok &= writeIfChanged(cursors + (landscape ? "landscap.ico" : "portrait.ico"),
                             zep::encodeIcon({{zep::sheetPicture(landscape, 16), {}},
                                              {zep::sheetPicture(landscape, 32), {}}},
                                             false));

    // A hand-writing face for the editor to register; optional.
    QFile font(QStringLiteral("/usr/share/fonts/truetype/nanum/NanumPen.ttf"));
    if (font.open(QIODevice::ReadOnly))
        ok &= writeIfChanged(cursors + "NanumPen.ttf", font.readAll());
    zep::installFontSubstitutions();
    ok &= writeIfChanged(home.filePath(QStringLiteral("WORK/sale-sign.zep")),
                         sampleSign(home.absolutePath()));
    return ok ? 0 : 1;
}
