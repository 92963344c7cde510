#include "document/Picture.h"

#include "document/WmfPlayer.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>

namespace zep {

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr qint64 kMaxFileBytes = 256ll * 1024 * 1024;

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString cannotRead(const QString& why) {
    const QString head = text("그림 파일을 읽을 수 없습니다");
    return why.isEmpty() ? head : head + QStringLiteral(": ") + why;
}

// Reads the largest image: an .ico may hold several sizes, the others one.
QImage readRaster(QImageReader& reader) {
    QImage best;
    const int count = reader.format() == "ico" ? qMax(1, reader.imageCount()) : 1;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i)) break;
        const QImage img = reader.read();
        if (!img.isNull() &&
            qint64(img.width()) * img.height() > qint64(best.width()) * best.height())
            best = img;
    }
    if (best.isNull()) return best;
    return best.convertToFormat(best.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                       : QImage::Format_RGB32);
}

void drawPlaceholder(QPainter& p, const QRectF& target, const QString& name) {
    const QRectF r = target.normalized();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor(150, 150, 150));
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());

    QFont font;
    font.setPixelSize(qMax(1, qRound(qMin(r.height() / 6, r.width() / 8))));
    const QFontMetricsF fm(font);
    const QString shown = fm.elidedText(name, Qt::ElideMiddle, r.width() * 0.9);
    if (!shown.isEmpty()) {
        QRectF box(0, 0, fm.horizontalAdvance(shown) + fm.height() / 2, fm.height());
        box.moveCenter(r.center());
        p.fillRect(box, Qt::white);
        p.setFont(font);
        p.setPen(QColor(90, 90, 90));
        p.drawText(box, Qt::AlignCenter, shown);
    }
    p.restore();
}

} // namespace

Picture Picture::load(const QString& path, QString* error) {
    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return Picture();
    };
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) return fail(text("파일이 없습니다"));
    if (!info.isFile()) return fail(text("파일이 아닙니다"));
    if (info.size() > kMaxFileBytes) return fail(text("파일이 너무 큽니다"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(text("파일을 열 수 없습니다: ") + file.errorString());
    QByteArray data = file.readAll();
    if (data.isEmpty()) return fail(text("빈 파일입니다"));

    Picture pic;
    pic.path_ = path;
    if (WmfPlayer::looksLikeWmf(data)) {
        auto wmf = std::make_shared<WmfPlayer>();
        QString why;
        if (!wmf->load(data, &why)) return fail(cannotRead(why));
        pic.kind_ = Kind::Vector;
        pic.twips_ = wmf->naturalSizeTwips();
        pic.vector_ = std::move(wmf);
        return pic;
    }

    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    static const QList<QByteArray> formats = {"jpeg", "gif", "bmp", "ico", "png"};
    if (!formats.contains(reader.format())) return fail(cannotRead(text("알 수 없는 형식입니다")));
    pic.image_ = readRaster(reader);
    if (pic.image_.isNull()) return fail(cannotRead(reader.errorString()));
    pic.kind_ = Kind::Raster;
    pic.twips_ = QSizeF(pic.image_.width(), pic.image_.height()) * kTwipsPerPixel;
    return pic;
}

Picture Picture::placeholder(const QString& path) {
    Picture pic;
    pic.kind_ = Kind::Placeholder;
    pic.path_ = path;
    pic.twips_ = QSizeF(1440, 1440);
    return pic;
}

QSizeF Picture::naturalSizeTwips() const {
    return twips_;
}

void Picture::draw(QPainter& p, const QRectF& target) const {
    switch (kind_) {
    case Kind::None:
        break;
    case Kind::Raster:
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(target.normalized(), image_);
        p.restore();
        break;
    case Kind::Vector:
        // Metafiles may paint outside their frame; the picture is its rectangle.
        p.save();
        p.setClipRect(target.normalized(), Qt::IntersectClip);
        vector_->play(p, target);
        p.restore();
        break;
    case Kind::Placeholder:
        drawPlaceholder(p, target, QFileInfo(path_).fileName());
        break;
    }
}

} // namespace zep
