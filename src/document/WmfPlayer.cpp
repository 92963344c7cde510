#include "document/WmfPlayer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <iconv.h>
#include <optional>
#include <vector>

namespace zep {

namespace {

enum Function : quint16 {
    Eof = 0x0000,
    SaveDc = 0x001E,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetRop2 = 0x0104,
    SetPolyFillMode = 0x0106,
    RestoreDc = 0x0127,
    SelectClipRegion = 0x012C,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    DibCreatePatternBrush = 0x0142,
    DeleteObject = 0x01F0,
    CreatePatternBrush = 0x01F9,
    CreatePalette = 0x00F7,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    OffsetWindowOrg = 0x020F,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    OffsetClipRgn = 0x0220,
    SelectPalette = 0x0234,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Polyline = 0x0325,
    ScaleWindowExt = 0x0410,
    ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    TextOut = 0x0521,
    PolyPolygon = 0x0538,
    RoundRect = 0x061C,
    PatBlt = 0x061D,
    CreateRegion = 0x06FF,
    Arc = 0x0817,
    Pie = 0x081A,
    Chord = 0x0830,
    DibBitBlt = 0x0940,
    ExtTextOut = 0x0A32,
    DibStretchBlt = 0x0B41,
    StretchDib = 0x0F43,
};

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableSize = 22;
constexpr int kHeaderSize = 18;
constexpr int kMaxSavedDcs = 256;
constexpr int kMaxBitmapSide = 16384;

// Little-endian reads that return 0 past the end, so a short record can never
// read outside its own bytes.
struct Bytes {
    const uchar* d = nullptr;
    int n = 0;

    quint8 u8(int o) const { return o >= 0 && o < n ? d[o] : 0; }
    quint16 u16(int o) const { return o >= 0 && o + 2 <= n ? quint16(d[o] | d[o + 1] << 8) : 0; }
    qint16 s16(int o) const { return qint16(u16(o)); }
    quint32 u32(int o) const {
        return o >= 0 && o + 4 <= n ? quint32(u16(o)) | quint32(u16(o + 2)) << 16 : 0;
    }
    qint32 s32(int o) const { return qint32(u32(o)); }
    QColor color(int o) const { return QColor(u8(o), u8(o + 1), u8(o + 2)); }
    QPointF yx(int o) const { return QPointF(s16(o + 2), s16(o)); }
    // Stored as bottom, right, top, left.
    QRectF rect(int o) const {
        return QRectF(QPointF(s16(o + 6), s16(o + 4)), QPointF(s16(o + 2), s16(o))).normalized();
    }
    QByteArray bytes(int o, int len) const {
        if (o < 0 || o >= n || len <= 0) return {};
        return QByteArray(reinterpret_cast<const char*>(d + o), qMin(len, n - o));
    }
    Bytes from(int o) const { return o >= 0 && o <= n ? Bytes{d + o, n - o} : Bytes{}; }
};

class Cp949 {
public:
    Cp949() : cd_(iconv_open("UTF-8", "CP949")) {}
    ~Cp949() {
        if (ok()) iconv_close(cd_);
    }
    Cp949(const Cp949&) = delete;
    Cp949& operator=(const Cp949&) = delete;

    // Splits into characters (lead bytes 0x81..0xFE take a trail byte); a
    // byte that does not decode becomes U+FFFD on its own. Stops at NUL.
    template <typename Fn> void forEachChar(const QByteArray& in, Fn&& fn) {
        int i = 0;
        while (i < in.size() && in[i] != '\0') {
            const uchar b = uchar(in[i]);
            int len = (b >= 0x81 && b <= 0xFE && i + 1 < in.size()) ? 2 : 1;
            QString s = decode(in.constData() + i, len);
            if (s.isNull() && len == 2) {
                len = 1;
                s = decode(in.constData() + i, 1);
            }
            fn(s.isNull() ? QString(QChar::ReplacementCharacter) : s, i, len);
            i += len;
        }
    }

private:
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    QString decode(const char* p, int len) {
        if (!ok()) return len == 1 && uchar(*p) < 0x80 ? QString(QLatin1Char(*p)) : QString();
        char out[16];
        char* in = const_cast<char*>(p);
        size_t inLeft = size_t(len), outLeft = sizeof out;
        char* o = out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd_, &in, &inLeft, &o, &outLeft) == size_t(-1) || inLeft != 0) return {};
        return QString::fromUtf8(out, int(o - out));
    }
    iconv_t cd_;
};

// A device-independent bitmap as stored in a record. Qt's BMP reader does the
// decoding once a file header is put in front; we only check the sizes.
QImage decodeDib(Bytes b) {
    const quint32 headerSize = b.u32(0);
    qint64 width, height;
    int bpp, entry;
    quint32 compression = 0, used = 0;
    if (headerSize == 12) {
        width = b.u16(4);
        height = b.u16(6);
        bpp = b.u16(10);
        entry = 3;
    } else if (headerSize >= 40 && headerSize <= quint32(b.n)) {
        width = b.s32(4);
        height = b.s32(8);
        bpp = b.u16(14);
        compression = b.u32(16);
        used = b.u32(32);
        entry = 4;
    } else {
        return {};
    }
    const qint64 rows = qAbs(height);
    if (width <= 0 || rows == 0 || width > kMaxBitmapSide || rows > kMaxBitmapSide) return {};
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return {};
    if (compression > 3) return {};
    qint64 colors = bpp <= 8 ? (used && used < (1u << bpp) ? used : (1u << bpp)) : qMin(used, 256u);
    qint64 offset = headerSize + colors * entry + (compression == 3 && headerSize == 40 ? 12 : 0);
    if (offset > b.n) return {};
    if (compression == 0 && offset + ((width * bpp + 31) / 32) * 4 * rows > b.n) return {};

    QByteArray file("BM");
    auto put32 = [&file](quint32 v) {
        for (int i = 0; i < 4; ++i)
            file.append(char(v >> (8 * i)));
    };
    put32(quint32(14 + b.n));
    put32(0);
    put32(quint32(14 + offset));
    file.append(reinterpret_cast<const char*>(b.d), b.n);
    return QImage::fromData(file, "BMP");
}

bool createsObject(quint16 fn) {
    switch (fn) {
    case CreatePenIndirect:
    case CreateBrushIndirect:
    case CreateFontIndirect:
    case DibCreatePatternBrush:
    case CreatePatternBrush:
    case CreatePalette:
    case CreateRegion:
        return true;
    default:
        return false;
    }
}

// Twips per logical unit for the fixed mapping modes.
double twipsPerUnit(int mapMode) {
    switch (mapMode) {
    case 2:
        return 1440.0 / 254.0; // MM_LOMETRIC, 0.1 mm
    case 3:
        return 1440.0 / 2540.0; // MM_HIMETRIC, 0.01 mm
    case 4:
        return 14.4; // MM_LOENGLISH, 0.01 in
    case 5:
        return 1.44; // MM_HIENGLISH, 0.001 in
    default:
        return 1.0; // MM_TWIPS, and unknown scales taken as twips
    }
}

QString failure(const char* why) {
    return QString::fromUtf8(why);
}

} // namespace

QString decodeCp949(const QByteArray& bytes) {
    Cp949 codec;
    QString out;
    codec.forEachChar(bytes, [&out](const QString& c, int, int) { out += c; });
    return out;
}

bool WmfPlayer::looksLikeWmf(const QByteArray& data) {
    const Bytes b{reinterpret_cast<const uchar*>(data.constData()), int(data.size())};
    if (b.u32(0) == kPlaceableKey) return true;
    return (b.u16(0) == 1 || b.u16(0) == 2) && b.u16(2) == 9 &&
           (b.u16(4) == 0x0100 || b.u16(4) == 0x0300);
}

bool WmfPlayer::load(const QByteArray& data, QString* error) {
    *this = WmfPlayer();
    auto fail = [this, error](const char* why) {
        *this = WmfPlayer();
        if (error) *error = failure(why);
        return false;
    };
    const Bytes file{reinterpret_cast<const uchar*>(data.constData()), int(data.size())};
    int pos = 0;
    QRectF bbox;
    double inch = 0;
    if (file.u32(0) == kPlaceableKey) {
        placeable_ = true;
        bbox = QRectF(QPointF(file.s16(6), file.s16(8)), QPointF(file.s16(10), file.s16(12)))
                   .normalized();
        inch = file.u16(14);
        pos = kPlaceableSize;
    }
    if (file.n < pos + kHeaderSize) return fail("메타파일이 잘렸습니다");
    const Bytes header = file.from(pos);
    if (header.u16(2) != 9) return fail("메타파일 머리말이 잘못되었습니다");
    objectCount_ = header.u16(10);
    pos += kHeaderSize;

    // Walk the records; each must lie inside the file. A zero size ends the
    // list like EOF (old writers pad with zeros).
    bool ended = false;
    while (pos + 6 <= file.n) {
        const Bytes r = file.from(pos);
        const quint32 words = r.u32(0);
        const quint16 fn = r.u16(4);
        if (words == 0 || fn == Eof) {
            ended = true;
            break;
        }
        if (words < 3) return fail("메타파일 레코드가 잘못되었습니다");
        if (qint64(words) * 2 > r.n) return fail("메타파일이 잘렸거나 손상되었습니다");
        records_.append({fn, pos + 6, int(words) * 2 - 6});
        pos += int(words) * 2;
    }
    // Without EOF the file may still be whole; the header's size (in words)
    // tells. It is not trusted beyond that since some writers get it wrong.
    const qint64 declared = qint64(header.u32(6)) * 2 + (placeable_ ? kPlaceableSize : 0);
    if (!ended && (pos != file.n || declared > file.n)) return fail("메타파일이 잘렸습니다");
    data_ = data;

    // Check object use the way playback will do it, and decode text and
    // bitmaps once.
    std::vector<bool> used(size_t(objectCount_), false);
    Cp949 codec;
    int mapMode = 0;
    std::optional<QPointF> winOrg, winExt;
    for (int i = 0; i < records_.size(); ++i) {
        const Record& rec = records_[i];
        const Bytes r{reinterpret_cast<const uchar*>(data_.constData()) + rec.offset, rec.size};
        if (createsObject(rec.function)) {
            auto slot = std::find(used.begin(), used.end(), false);
            if (slot == used.end()) return fail("메타파일의 개체 표가 넘칩니다");
            *slot = true;
        }
        switch (rec.function) {
        case SelectObject:
        case SelectPalette:
        case DeleteObject:
            if (r.u16(0) >= objectCount_) return fail("메타파일의 개체 번호가 잘못되었습니다");
            if (rec.function == DeleteObject) used[r.u16(0)] = false;
            break;
        case SetMapMode:
            if (!winExt) mapMode = r.u16(0);
            break;
        case SetWindowOrg:
            if (!winOrg) winOrg = r.yx(0);
            break;
        case SetWindowExt:
            if (!winExt && r.s16(0) != 0 && r.s16(2) != 0) winExt = r.yx(0);
            break;
        case TextOut:
        case ExtTextOut: {
            int len, at, dxAt;
            if (rec.function == TextOut) {
                len = qMax<int>(0, r.s16(0));
                at = 2;
                dxAt = -1;
            } else {
                len = qMax<int>(0, r.s16(4));
                at = 8 + ((r.u16(6) & 0x0006) ? 8 : 0);
                dxAt = at + len + (len & 1);
            }
            const bool hasDx = dxAt > 0 && (r.n - dxAt) / 2 >= len;
            TextRun run;
            codec.forEachChar(r.bytes(at, len), [&](const QString& c, int from, int n) {
                run.chars << c;
                int dx = 0;
                for (int k = 0; hasDx && k < n; ++k)
                    dx += r.s16(dxAt + 2 * (from + k));
                run.dx << dx;
            });
            if (!hasDx) run.dx.clear();
            texts_.insert(i, run);
            break;
        }
        case CreateFontIndirect: {
            QString face;
            codec.forEachChar(r.bytes(18, 32), [&face](const QString& c, int, int) { face += c; });
            faces_.insert(i, face);
            break;
        }
        case StretchDib:
            if (r.u16(4) == 0) images_.insert(i, decodeDib(r.from(22)));
            break;
        case DibStretchBlt:
            if (r.n > 22) images_.insert(i, decodeDib(r.from(20)));
            break;
        case DibBitBlt:
            if (r.n > 18) images_.insert(i, decodeDib(r.from(16)));
            break;
        case DibCreatePatternBrush:
            if (r.u16(0) != 3 && r.u16(2) == 0) images_.insert(i, decodeDib(r.from(4)));
            break;
        default:
            break;
        }
    }

    // The frame: the placeable box when it has an area; otherwise the window
    // the file sets up. Without a known mapping its units are taken as twips,
    // which is what most writers of non-placeable files use.
    if (placeable_ && bbox.width() > 0 && bbox.height() > 0) {
        frame_ = bbox;
        const double perInch = inch > 0 ? inch : 1440.0;
        twips_ = QSizeF(bbox.width() / perInch * 1440.0, bbox.height() / perInch * 1440.0);
    } else if (winExt) {
        frame_ = QRectF(winOrg.value_or(QPointF()), QSizeF(winExt->x(), winExt->y()));
        const double f = twipsPerUnit(mapMode);
        twips_ = QSizeF(qAbs(winExt->x()) * f, qAbs(winExt->y()) * f);
    } else {
        return fail("메타파일의 크기를 알 수 없습니다");
    }
    loaded_ = true;
    return true;
}

// One run of the records onto a painter. The target rect is the viewport:
// the file's viewport records are ignored since they speak of a device we do
// not have, and the mapping mode is treated as anisotropic (window to target).
class WmfPlayback {
public:
    WmfPlayback(const WmfPlayer& wmf, QPainter& p, const QRectF& target)
        : w_(wmf), p_(p), target_(target), base_(p.worldTransform()),
          objects_(size_t(wmf.objectCount_)) {
        dc_.winOrg = wmf.frame_.topLeft();
        dc_.winExt = wmf.frame_.size();
    }

    void run() {
        p_.save();
        p_.save();
        setHints();
        for (int i = 0; i < w_.records_.size(); ++i)
            record(i);
        p_.restore();
        p_.restore();
    }

private:
    struct PenSpec {
        quint16 style = 0;
        qreal width = 0;
        QColor color = Qt::black;
    };
    struct FontSpec {
        QFont font;
        int height = -12;
        int width = 0;
        int escapement = 0;
    };
    struct Object {
        enum Kind { None, Pen, Brush, Font, Other } kind = None;
        PenSpec pen;
        QBrush brush;
        FontSpec font;
    };
    struct Dc {
        QPointF winOrg;
        QSizeF winExt;
        PenSpec pen;
        QBrush brush = QBrush(Qt::white);
        FontSpec font;
        QColor text = Qt::black;
        QColor bk = Qt::white;
        bool opaque = true;
        Qt::FillRule fill = Qt::OddEvenFill;
        quint16 align = 0;
        QPointF pos;
        std::optional<QPainterPath> clip; // in target coordinates
    };

    QTransform toTarget() const {
        QTransform t;
        t.translate(target_.x(), target_.y());
        t.scale(target_.width() / dc_.winExt.width(), target_.height() / dc_.winExt.height());
        t.translate(-dc_.winOrg.x(), -dc_.winOrg.y());
        return t;
    }

    QPen pen(const QTransform& t) const {
        const PenSpec& s = dc_.pen;
        const int style = s.style & 0x0F;
        if (style == 5) return Qt::NoPen;
        QPen pen(s.color);
        static const Qt::PenStyle dashes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                              Qt::DashDotLine, Qt::DashDotDotLine};
        if (style >= 1 && style <= 4) {
            // Styled pens are always one device pixel wide in GDI.
            pen.setStyle(dashes[style]);
            pen.setWidth(0);
            return pen;
        }
        // Never thinner than a device pixel, like GDI.
        const qreal scale = qSqrt(qAbs(t.determinant()));
        pen.setWidthF(s.width * scale < 1.0 ? 0.0 : s.width);
        const int cap = s.style & 0x0F00, join = s.style & 0xF000;
        pen.setCapStyle(cap == 0x0100 ? Qt::SquareCap : cap == 0x0200 ? Qt::FlatCap : Qt::RoundCap);
        pen.setJoinStyle(join == 0x1000   ? Qt::BevelJoin
                         : join == 0x2000 ? Qt::MiterJoin
                                          : Qt::RoundJoin);
        return pen;
    }

    void prepare(bool filled) {
        const QTransform t = toTarget() * base_;
        p_.setWorldTransform(t);
        p_.setPen(pen(t));
        p_.setBrush(filled ? dc_.brush : QBrush(Qt::NoBrush));
        p_.setBackgroundMode(dc_.opaque ? Qt::OpaqueMode : Qt::TransparentMode);
        p_.setBackground(dc_.bk);
        p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }

    void setHints() {
        p_.setRenderHint(QPainter::Antialiasing);
        p_.setRenderHint(QPainter::TextAntialiasing);
        p_.setRenderHint(QPainter::SmoothPixmapTransform);
    }

    // Painter state below the first save() is the caller's; the clip is
    // rebuilt on top of it whenever ours changes.
    void applyClip() {
        p_.restore();
        p_.save();
        setHints();
        if (dc_.clip) {
            p_.setWorldTransform(base_);
            p_.setClipPath(*dc_.clip, Qt::IntersectClip);
        }
    }

    void clipRect(const QRectF& logical, bool exclude) {
        QPainterPath r;
        r.addRect(logical);
        r = toTarget().map(r);
        if (exclude) {
            QPainterPath all;
            all.addRect(dc_.clip ? dc_.clip->boundingRect().united(r.boundingRect())
                                 : QRectF(-1e7, -1e7, 2e7, 2e7));
            dc_.clip = (dc_.clip ? *dc_.clip : all).subtracted(r);
        } else {
            dc_.clip = dc_.clip ? dc_.clip->intersected(r) : r;
        }
        applyClip();
    }

    Object makeFont(int index, Bytes r) const {
        Object o;
        o.kind = Object::Font;
        QFont& f = o.font.font;
        const QString face = w_.faces_.value(index);
        if (!face.isEmpty()) f.setFamily(face);
        const int weight = r.s16(8);
        f.setWeight(QFont::Weight(weight > 0 ? qBound(1, int(weight), 1000) : 400));
        f.setItalic(r.u8(10));
        f.setUnderline(r.u8(11));
        f.setStrikeOut(r.u8(12));
        f.setHintingPreference(QFont::PreferNoHinting);
        if (r.s16(0) != 0) o.font.height = r.s16(0);
        o.font.width = qAbs(r.s16(2));
        o.font.escapement = r.s16(4);
        return o;
    }

    // The font at a size of em pixels in a coordinate system scaled so that
    // glyph outlines keep their precision for small logical heights.
    QFont sizedFont(qreal* unit) const {
        const FontSpec& s = dc_.font;
        const int h = qAbs(s.height);
        const int k = qMax(1, 256 / qMax(1, h));
        *unit = 1.0 / k;
        QFont f = s.font;
        f.setPixelSize(h * k);
        if (s.height > 0) {
            // A positive height is the cell (ascent + descent), not the em.
            const QFontMetricsF fm(f);
            const qreal cell = fm.ascent() + fm.descent();
            if (cell > 0) f.setPixelSize(qMax(1, qRound(h * k * (h * k) / cell)));
        }
        if (s.width > 0) {
            const qreal avg = QFontMetricsF(f).averageCharWidth();
            if (avg > 0) f.setStretch(qBound(1, qRound(100.0 * s.width * k / avg), 4000));
        }
        return f;
    }

    void text(int index, QPointF at, quint16 options, const QRectF& box) {
        const WmfPlayer::TextRun run = w_.texts_.value(index);
        const QTransform t = toTarget();
        const bool updateCp = dc_.align & 1;
        if (updateCp) at = dc_.pos;
        if (options & 0x0002) { // ETO_OPAQUE
            prepare(false);
            p_.fillRect(box, dc_.bk);
        }
        if (run.chars.isEmpty()) return;

        qreal unit;
        const QFont font = sizedFont(&unit);
        const QFontMetricsF fm(font);
        QVector<qreal> advance;
        qreal width = 0;
        for (int i = 0; i < run.chars.size(); ++i) {
            const qreal a =
                run.dx.isEmpty() ? fm.horizontalAdvance(run.chars[i]) : run.dx[i] / unit;
            advance << a;
            width += a;
        }
        const int h = dc_.align & 0x0006, v = dc_.align & 0x0018;
        const qreal x0 = h == 0x0006 ? -width / 2 : h == 0x0002 ? -width : 0;
        const qreal baseline = v == 0x0018 ? 0 : v == 0x0008 ? -fm.descent() : fm.ascent();

        // Text is never mirrored by a flipped window: draw it upright at the
        // mapped reference point, scaled by the mapping's magnitude.
        QTransform tt;
        const QPointF d = t.map(at);
        tt.translate(d.x(), d.y());
        tt.rotate(-dc_.font.escapement / 10.0);
        tt.scale(qAbs(t.m11()) * unit, qAbs(t.m22()) * unit);

        p_.save();
        if (options & 0x0004) { // ETO_CLIPPED
            p_.setWorldTransform(t * base_);
            p_.setClipRect(box, Qt::IntersectClip);
        }
        p_.setWorldTransform(tt * base_);
        p_.setBackgroundMode(Qt::TransparentMode);
        p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        if (dc_.opaque) {
            p_.fillRect(QRectF(x0, baseline - fm.ascent(), width, fm.ascent() + fm.descent()),
                        dc_.bk);
        }
        p_.setFont(font);
        p_.setPen(dc_.text);
        qreal x = x0;
        for (int i = 0; i < run.chars.size(); ++i) {
            p_.drawText(QPointF(x, baseline), run.chars[i]);
            x += advance[i];
        }
        p_.restore();
        if (updateCp) dc_.pos.rx() += width * unit * (t.m11() < 0 ? -1 : 1);
    }

    void fillByRop(quint32 rop, const QRectF& r) {
        prepare(true);
        switch (rop) {
        case 0x00F00021:
            p_.fillRect(r, dc_.brush);
            break; // PATCOPY
        case 0x00000042:
            p_.fillRect(r, Qt::black);
            break; // BLACKNESS
        case 0x00FF0062:
            p_.fillRect(r, Qt::white);
            break; // WHITENESS
        default:
            break;
        }
    }

    void bitmap(int index, quint32 rop, QRectF dest, QRect src, bool srcFromBottom) {
        QImage img = w_.images_.value(index);
        if (img.isNull()) return;
        if (srcFromBottom) src.moveTop(img.height() - src.top() - src.height());
        if (src.width() <= 0 || src.height() <= 0) src = img.rect();
        const bool flipX = dest.width() < 0, flipY = dest.height() < 0;
        if (flipX || flipY) img = img.mirrored(flipX, flipY);
        prepare(false);
        // The usual mask tricks: AND darkens, OR lightens, XOR inverts.
        switch (rop) {
        case 0x008800C6:
            p_.setCompositionMode(QPainter::CompositionMode_Multiply);
            break;
        case 0x00EE0086:
            p_.setCompositionMode(QPainter::CompositionMode_Screen);
            break;
        case 0x00660046:
            p_.setCompositionMode(QPainter::CompositionMode_Difference);
            break;
        default:
            break;
        }
        p_.drawImage(dest.normalized(), img, src);
    }

    void record(int index) {
        const WmfPlayer::Record& rec = w_.records_[index];
        const Bytes r{reinterpret_cast<const uchar*>(w_.data_.constData()) + rec.offset, rec.size};
        switch (rec.function) {
        case SaveDc:
            if (saved_.size() < kMaxSavedDcs) saved_.push_back(dc_);
            break;
        case RestoreDc: {
            const int n = r.s16(0);
            const int level = n < 0 ? int(saved_.size()) + n : n - 1;
            if (level < 0 || level >= int(saved_.size())) break;
            dc_ = saved_[size_t(level)];
            saved_.resize(size_t(level));
            applyClip();
            break;
        }
        case SetBkMode:
            dc_.opaque = r.u16(0) != 1;
            break;
        case SetPolyFillMode:
            dc_.fill = r.u16(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        case SetBkColor:
            dc_.bk = r.color(0);
            break;
        case SetTextColor:
            dc_.text = r.color(0);
            break;
        case SetTextAlign:
            dc_.align = r.u16(0);
            break;
        case SetWindowOrg:
            dc_.winOrg = r.yx(0);
            break;
        case SetWindowExt:
            if (r.s16(0) != 0 && r.s16(2) != 0) dc_.winExt = QSizeF(r.s16(2), r.s16(0));
            break;
        case OffsetWindowOrg:
            dc_.winOrg += r.yx(0);
            break;
        case ScaleWindowExt: {
            const int yd = r.s16(0), yn = r.s16(2), xd = r.s16(4), xn = r.s16(6);
            if (!(yd && yn && xd && xn)) break;
            const QSizeF ext(dc_.winExt.width() * xn / xd, dc_.winExt.height() * yn / yd);
            // Repeated scaling must not run the mapping into overflow.
            if (qAbs(ext.width()) < 1e-3 || qAbs(ext.height()) < 1e-3 || qAbs(ext.width()) > 1e9 ||
                qAbs(ext.height()) > 1e9)
                break;
            dc_.winExt = ext;
            break;
        }
        case IntersectClipRect:
            clipRect(r.rect(0), false);
            break;
        case ExcludeClipRect:
            clipRect(r.rect(0), true);
            break;
        case OffsetClipRgn:
            if (dc_.clip) {
                const QTransform t = toTarget();
                dc_.clip->translate(r.s16(2) * t.m11(), r.s16(0) * t.m22());
                applyClip();
            }
            break;
        case SelectClipRegion:
            // Regions are not played; selecting one resets to no clip.
            dc_.clip.reset();
            applyClip();
            break;

        case CreatePenIndirect:
        case CreateBrushIndirect:
        case CreateFontIndirect:
        case DibCreatePatternBrush:
        case CreatePatternBrush:
        case CreatePalette:
        case CreateRegion: {
            Object o;
            if (rec.function == CreatePenIndirect) {
                o.kind = Object::Pen;
                o.pen = {r.u16(0), qreal(qAbs(r.s16(2))), r.color(6)};
            } else if (rec.function == CreateBrushIndirect) {
                o.kind = Object::Brush;
                static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                         Qt::FDiagPattern, Qt::BDiagPattern,
                                                         Qt::CrossPattern, Qt::DiagCrossPattern};
                const int style = r.u16(0), hatch = r.u16(6);
                if (style == 1)
                    o.brush = Qt::NoBrush;
                else if (style == 2)
                    o.brush = QBrush(r.color(2), hatches[qMin(hatch, 5)]);
                else
                    o.brush = QBrush(r.color(2));
            } else if (rec.function == CreateFontIndirect) {
                o = makeFont(index, r);
            } else if (rec.function == DibCreatePatternBrush) {
                o.kind = Object::Brush;
                const QImage img = w_.images_.value(index);
                o.brush = img.isNull() ? QBrush(Qt::gray) : QBrush(img);
            } else if (rec.function == CreatePatternBrush) {
                o.kind = Object::Brush;
                o.brush = QBrush(Qt::gray);
            } else {
                o.kind = Object::Other;
            }
            // load() made sure a free slot exists.
            for (Object& slot : objects_) {
                if (slot.kind == Object::None) {
                    slot = o;
                    break;
                }
            }
            break;
        }
        case SelectObject: {
            const Object& o = objects_[r.u16(0)];
            if (o.kind == Object::Pen)
                dc_.pen = o.pen;
            else if (o.kind == Object::Brush)
                dc_.brush = o.brush;
            else if (o.kind == Object::Font)
                dc_.font = o.font;
            break;
        }
        case DeleteObject:
            objects_[r.u16(0)] = Object();
            break;

        case MoveTo:
            dc_.pos = r.yx(0);
            break;
        case LineTo: {
            const QPointF to = r.yx(0);
            prepare(false);
            p_.drawLine(dc_.pos, to);
            dc_.pos = to;
            break;
        }
        case Rectangle:
            prepare(true);
            p_.drawRect(r.rect(0));
            break;
        case RoundRect: {
            const QRectF box = r.rect(4);
            prepare(true);
            p_.drawRoundedRect(box, qMin(qAbs(r.s16(2)) / 2.0, box.width() / 2),
                               qMin(qAbs(r.s16(0)) / 2.0, box.height() / 2));
            break;
        }
        case Ellipse:
            prepare(true);
            p_.drawEllipse(r.rect(0));
            break;
        case Arc:
        case Pie:
        case Chord: {
            const QRectF box = r.rect(8);
            if (box.width() <= 0 || box.height() <= 0) break;
            const QPointF c = box.center();
            auto angle = [&](QPointF q) {
                return qRadiansToDegrees(std::atan2(-(q.y() - c.y()) / (box.height() / 2),
                                                    (q.x() - c.x()) / (box.width() / 2)));
            };
            const qreal start = angle(r.yx(4));
            qreal sweep = angle(r.yx(0)) - start;
            while (sweep <= 0)
                sweep += 360;
            QPainterPath path;
            if (rec.function == Pie)
                path.moveTo(c);
            else
                path.arcMoveTo(box, start);
            path.arcTo(box, start, sweep);
            if (rec.function != Arc) path.closeSubpath();
            prepare(rec.function != Arc);
            p_.drawPath(path);
            break;
        }
        case Polygon:
        case Polyline: {
            const int count = qBound(0, int(r.s16(0)), (r.n - 2) / 4);
            QPolygonF poly;
            poly.reserve(count);
            for (int i = 0; i < count; ++i)
                poly << QPointF(r.s16(2 + 4 * i), r.s16(4 + 4 * i));
            prepare(rec.function == Polygon);
            if (rec.function == Polygon)
                p_.drawPolygon(poly, dc_.fill);
            else
                p_.drawPolyline(poly);
            break;
        }
        case PolyPolygon: {
            const int polys = qBound(0, int(r.u16(0)), (r.n - 2) / 2);
            int at = 2 + 2 * polys;
            QPainterPath path;
            path.setFillRule(dc_.fill);
            for (int i = 0; i < polys; ++i) {
                const int count = qMin(int(r.u16(2 + 2 * i)), (r.n - at) / 4);
                QPolygonF poly;
                for (int k = 0; k < count; ++k, at += 4)
                    poly << QPointF(r.s16(at), r.s16(at + 2));
                if (count > 0) {
                    path.addPolygon(poly);
                    path.closeSubpath();
                }
            }
            prepare(true);
            p_.drawPath(path);
            break;
        }
        case TextOut: {
            const int len = qMax<int>(0, r.s16(0));
            const int at = 2 + len + (len & 1);
            text(index, r.yx(at), 0, {});
            break;
        }
        case ExtTextOut: {
            const quint16 options = r.u16(6);
            // This one is a plain Rect: left, top, right, bottom.
            const QRectF box(QPointF(r.s16(8), r.s16(10)), QPointF(r.s16(12), r.s16(14)));
            text(index, r.yx(0), options, box.normalized());
            break;
        }
        case PatBlt:
            fillByRop(r.u32(0), QRectF(r.s16(10), r.s16(8), r.s16(6), r.s16(4)).normalized());
            break;
        case StretchDib:
            bitmap(index, r.u32(0), QRectF(r.s16(20), r.s16(18), r.s16(16), r.s16(14)),
                   QRect(r.s16(12), r.s16(10), r.s16(8), r.s16(6)), decodeIsBottomUp(r.from(22)));
            break;
        case DibStretchBlt:
            if (r.n <= 22) {
                fillByRop(r.u32(0),
                          QRectF(r.s16(20), r.s16(18), r.s16(16), r.s16(14)).normalized());
            } else {
                bitmap(index, r.u32(0), QRectF(r.s16(18), r.s16(16), r.s16(14), r.s16(12)),
                       QRect(r.s16(10), r.s16(8), r.s16(6), r.s16(4)), false);
            }
            break;
        case DibBitBlt:
            if (r.n <= 18) {
                fillByRop(r.u32(0),
                          QRectF(r.s16(16), r.s16(14), r.s16(12), r.s16(10)).normalized());
            } else {
                const QRectF dest(r.s16(14), r.s16(12), r.s16(10), r.s16(8));
                bitmap(index, r.u32(0), dest, QRect(r.s16(6), r.s16(4), r.s16(10), r.s16(8)),
                       false);
            }
            break;
        default:
            // SETROP2, SETMAPMODE, viewport, palette, region and escape records
            // have no effect here.
            break;
        }
    }

    static bool decodeIsBottomUp(Bytes dib) { return dib.u32(0) == 12 || dib.s32(8) > 0; }

    const WmfPlayer& w_;
    QPainter& p_;
    QRectF target_;
    QTransform base_;
    std::vector<Object> objects_;
    std::vector<Dc> saved_;
    Dc dc_;
};

void WmfPlayer::play(QPainter& p, const QRectF& target) const {
    if (!loaded_ || frame_.width() == 0 || frame_.height() == 0) return;
    WmfPlayback(*this, p, target).run();
}

} // namespace zep
