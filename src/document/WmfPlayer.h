#pragma once
// Plays Windows Metafiles (.wmf, with or without the placeable header) onto a
// QPainter. Parsing and checks happen once in load(); play() then only walks
// the records that load() accepted.
#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>

class QPainter;

namespace zep {

class WmfPlayer {
public:
    // True when data starts like a metafile (placeable key or a plausible
    // standard header). Cheap; used to pick the loader.
    static bool looksLikeWmf(const QByteArray& data);

    // Parses and checks the whole file. On failure returns false and sets
    // *error to a short reason in Korean; the player is then empty.
    bool load(const QByteArray& data, QString* error = nullptr);

    bool isNull() const { return !loaded_; }
    bool isPlaceable() const { return placeable_; }

    // The rectangle in logical units that fills the target when played: the
    // placeable bounding box, else the window origin and extent.
    QRectF frame() const { return frame_; }
    QSizeF naturalSizeTwips() const { return twips_; }

    // Paints the records so that frame() lands exactly on target (stretched,
    // not aspect-kept), in the painter's current coordinates. The painter's
    // state is left as it was.
    void play(QPainter& p, const QRectF& target) const;

private:
    struct Record {
        quint16 function;
        int offset; // of the parameters in data_
        int size;   // bytes of parameters
    };
    // A text record's string cut into characters, each with the advance the
    // file gave it (0 when the record has no spacing array).
    struct TextRun {
        QStringList chars;
        QVector<int> dx;
    };
    friend class WmfPlayback;

    QByteArray data_;
    QVector<Record> records_;
    int objectCount_ = 0;
    bool loaded_ = false;
    bool placeable_ = false;
    QRectF frame_;
    QSizeF twips_;
    // Decoded once at load, keyed by record index.
    QHash<int, TextRun> texts_;
    QHash<int, QImage> images_;
    QHash<int, QString> faces_;
};

// Code page 949 text as found in metafiles (glibc iconv, strict): a byte
// sequence that is not valid CP949 becomes U+FFFD per bad byte.
QString decodeCp949(const QByteArray& bytes);

} // namespace zep
