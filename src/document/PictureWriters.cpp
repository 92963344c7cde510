#include "document/PictureWriters.h"

#include <QHash>

namespace zep {

namespace {

void put16(QByteArray& out, quint32 v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray& out, quint32 v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// GIF's variable-width LZW, codes packed from the low bit.
QByteArray lzw(const QImage& img, int minBits) {
    QByteArray out;
    quint32 acc = 0;
    int bits = 0;
    int width = minBits + 1;
    auto putCode = [&](int code) {
        acc |= quint32(code) << bits;
        bits += width;
        while (bits >= 8) {
            out.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    };
    const int clear = 1 << minBits, eoi = clear + 1;
    int next = eoi + 1;
    QHash<quint32, int> table;
    putCode(clear);
    int prefix = -1;
    for (int y = 0; y < img.height(); ++y) {
        const uchar* row = img.constScanLine(y);
        for (int x = 0; x < img.width(); ++x) {
            const int k = row[x];
            if (prefix < 0) {
                prefix = k;
                continue;
            }
            const quint32 key = quint32(prefix) << 8 | quint32(k);
            const auto found = table.constFind(key);
            if (found != table.constEnd()) {
                prefix = *found;
                continue;
            }
            putCode(prefix);
            // Stop one short of 4096 so no decoder is pushed past 12 bits.
            if (next < 4095) {
                table.insert(key, next++);
                if (next > (1 << width) && width < 12) ++width;
            } else {
                putCode(clear);
                table.clear();
                width = minBits + 1;
                next = eoi + 1;
            }
            prefix = k;
        }
    }
    if (prefix >= 0) putCode(prefix);
    putCode(eoi);
    if (bits > 0) out.append(char(acc & 0xFF));
    return out;
}

} // namespace

QByteArray encodeGif(const QImage& image) {
    QImage img = image.format() == QImage::Format_Indexed8
                     ? image
                     : image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QList<QRgb> colours = img.colorTable();
    int transparent = -1;
    for (int i = 0; i < colours.size(); ++i) {
        if (qAlpha(colours[i]) == 0) {
            transparent = i;
            break;
        }
    }
    int sizeBits = 1;
    while ((1 << sizeBits) < colours.size())
        ++sizeBits;
    colours.resize(1 << sizeBits, qRgb(0, 0, 0));

    QByteArray out("GIF89a");
    put16(out, img.width());
    put16(out, img.height());
    out.append(char(0x80 | (7 << 4) | (sizeBits - 1)));
    out.append('\0'); // background index
    out.append('\0'); // aspect
    for (QRgb c : colours) {
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    if (transparent >= 0) {
        out.append("\x21\xF9\x04\x01", 4);
        put16(out, 0);
        out.append(char(transparent));
        out.append('\0');
    }
    out.append(char(0x2C));
    put32(out, 0); // left, top
    put16(out, img.width());
    put16(out, img.height());
    out.append('\0');
    const int minBits = qMax(2, sizeBits);
    out.append(char(minBits));
    const QByteArray data = lzw(img, minBits);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype n = qMin<qsizetype>(255, data.size() - at);
        out.append(char(n));
        out.append(data.constData() + at, n);
    }
    out.append('\0');
    out.append(char(0x3B));
    return out;
}

QByteArray encodeIcon(const QList<IconImage>& images, bool cursor) {
    QByteArray out;
    put16(out, 0);
    put16(out, cursor ? 2 : 1);
    put16(out, quint32(images.size()));
    QByteArray bodies;
    const quint32 first = 6 + 16 * quint32(images.size());
    for (const IconImage& icon : images) {
        const QImage img = icon.image.convertToFormat(QImage::Format_ARGB32);
        const int w = img.width(), h = img.height();
        const int maskStride = ((w + 31) / 32) * 4;
        QByteArray body;
        put32(body, 40);
        put32(body, quint32(w));
        put32(body, quint32(2 * h)); // colour rows then mask rows
        put16(body, 1);
        put16(body, 32);
        put32(body, 0);
        put32(body, quint32(h * (w * 4 + maskStride)));
        for (int i = 0; i < 4; ++i)
            put32(body, 0);
        for (int y = h - 1; y >= 0; --y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < w; ++x)
                put32(body, row[x]); // B, G, R, A in memory order
        }
        for (int y = h - 1; y >= 0; --y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            QByteArray mask(maskStride, '\0');
            for (int x = 0; x < w; ++x) {
                if (qAlpha(row[x]) == 0) mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
            }
            body += mask;
        }
        out.append(char(w >= 256 ? 0 : w));
        out.append(char(h >= 256 ? 0 : h));
        out.append('\0'); // colour count
        out.append('\0');
        put16(out, cursor ? quint32(icon.hotspot.x()) : 1);
        put16(out, cursor ? quint32(icon.hotspot.y()) : 32);
        put32(out, quint32(body.size()));
        put32(out, first + quint32(bodies.size()));
        bodies += body;
    }
    return out + bodies;
}

void WmfWriter::record(quint16 function, const QVector<int>& words, const QByteArray& tail) {
    const quint32 size = 3 + quint32(words.size()) + quint32(tail.size() + 1) / 2;
    put32(records_, size);
    put16(records_, function);
    for (int w : words)
        put16(records_, quint32(w) & 0xFFFF);
    records_ += tail;
    if (tail.size() % 2) records_.append('\0');
    maxRecord_ = qMax(maxRecord_, size);
}

void WmfWriter::raw(const QByteArray& bytes) {
    records_ += bytes;
}

QVector<int> WmfWriter::colour(QRgb rgb) {
    return {qRed(rgb) | qGreen(rgb) << 8, qBlue(rgb)};
}

QVector<int> WmfWriter::bytes(const QByteArray& data, int size) {
    QByteArray b = data;
    b.resize(qMax<qsizetype>(size, b.size() + (b.size() % 2)), '\0');
    if (b.size() % 2) b.append('\0');
    QVector<int> words;
    for (qsizetype i = 0; i < b.size(); i += 2)
        words << (uchar(b[i]) | uchar(b[i + 1]) << 8);
    return words;
}

QByteArray WmfWriter::finish(int objects, const QRect& bbox, int unitsPerInch, bool eof) const {
    QByteArray out;
    if (bbox.isValid()) {
        QByteArray head;
        put32(head, 0x9AC6CDD7);
        put16(head, 0);
        put16(head, quint32(bbox.x()));
        put16(head, quint32(bbox.y()));
        put16(head, quint32(bbox.x() + bbox.width()));
        put16(head, quint32(bbox.y() + bbox.height()));
        put16(head, quint32(unitsPerInch));
        put32(head, 0);
        quint16 sum = 0;
        for (int i = 0; i < 20; i += 2)
            sum ^= quint16(uchar(head[i]) | uchar(head[i + 1]) << 8);
        put16(head, sum);
        out += head;
    }
    const QByteArray body = eof ? records_ + QByteArray("\x03\0\0\0\0\0", 6) : records_;
    put16(out, 1);      // type, as nearly all files have it
    put16(out, 9);      // header words
    put16(out, 0x0300); // version
    put32(out, quint32(9 + body.size() / 2));
    put16(out, quint32(objects));
    put32(out, maxRecord_);
    put16(out, 0);
    return out + body;
}

} // namespace zep
