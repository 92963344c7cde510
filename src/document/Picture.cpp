// Temporary minimal loader; replaced by the full one with the metafile player.
#include "document/Picture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace zep {

Picture Picture::load(const QString& path, QString* error) {
    Picture p;
    QImageReader r(path);
    QImage img = r.read();
    if (img.isNull()) {
        if (error) *error = r.errorString();
        return p;
    }
    p.kind_ = Kind::Raster;
    p.path_ = path;
    p.image_ = img;
    p.twips_ = QSizeF(img.width() * 15.0, img.height() * 15.0);
    return p;
}

Picture Picture::placeholder(const QString& path) {
    Picture p;
    p.kind_ = Kind::Placeholder;
    p.path_ = path;
    p.twips_ = QSizeF(1440, 1440);
    return p;
}

QSizeF Picture::naturalSizeTwips() const { return twips_; }

void Picture::draw(QPainter& p, const QRectF& target) const {
    if (kind_ == Kind::Raster) p.drawImage(target, image_);
    else if (kind_ == Kind::Placeholder) p.drawRect(target);
}

} // namespace zep
