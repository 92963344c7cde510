#pragma once
// A loaded picture: raster images through Qt's readers, .wmf through our own
// player. Value type, cheap to copy (implicitly shared data).
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>

class QPainter;

namespace zep {

class WmfPlayer;

class Picture {
public:
    Picture() = default;

    // Loads any of .jpg .gif .bmp .ico .cur .wmf (detected by content, the
    // extension only as a hint). On failure returns a null picture and sets
    // *error to a short reason in Korean.
    static Picture load(const QString& path, QString* error = nullptr);

    // A stand-in for a file that is missing: keeps the path, draws a frame
    // with the file name so the object survives a save unchanged.
    static Picture placeholder(const QString& path);

    bool isNull() const { return kind_ == Kind::None; }
    bool isPlaceholder() const { return kind_ == Kind::Placeholder; }
    QString path() const { return path_; }

    // The natural size in twips (15 twips per pixel for raster images; the
    // frame of a placeable metafile for .wmf). A placeholder has 1440 x 1440.
    QSizeF naturalSizeTwips() const;

    // Paints the picture stretched into target (in the painter's current
    // coordinates).
    void draw(QPainter& p, const QRectF& target) const;

    // For tests and raster consumers.
    const QImage& image() const { return image_; }

private:
    enum class Kind { None, Raster, Vector, Placeholder };
    Kind kind_ = Kind::None;
    QString path_;
    QImage image_;
    std::shared_ptr<const WmfPlayer> vector_; // replayed at each draw, so it scales cleanly
    QSizeF twips_;
};

} // namespace zep
