#pragma once
// Writers for picture files that Qt cannot write: GIF, icons and cursors with
// several sizes or hotspots, and metafiles. Used for the program folder's
// samples and for test fixtures.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QVector>

namespace zep {

// One frame, at most 256 colours (more are reduced by Qt's palette
// conversion). Fully transparent pixels become the transparent index.
QByteArray encodeGif(const QImage& image);

struct IconImage {
    QImage image;   // at most 256 x 256
    QPoint hotspot; // used by cursors only
};
// An .ico, or a .cur when cursor is true, with 32-bit images and masks.
QByteArray encodeIcon(const QList<IconImage>& images, bool cursor);

// Builds a metafile record by record.
class WmfWriter {
public:
    // Parameters as 16-bit words in file order (negative values allowed).
    void record(quint16 function, const QVector<int>& words, const QByteArray& tail = {});
    // Bytes appended as they are, for records the helpers cannot express.
    void raw(const QByteArray& bytes);
    // A colour as the two words of a COLORREF.
    static QVector<int> colour(QRgb rgb);
    // Bytes (a string, a face name) as words, zero-padded to size bytes
    // (at least the byte count, rounded up to even).
    static QVector<int> bytes(const QByteArray& data, int size = 0);

    // The whole file: placeable when bbox is valid (its edges are x, y,
    // x + width, y + height), with an EOF record unless told otherwise.
    QByteArray finish(int objects, const QRect& bbox = {}, int unitsPerInch = 1440,
                      bool eof = true) const;

private:
    QByteArray records_;
    quint32 maxRecord_ = 3;
};

} // namespace zep
