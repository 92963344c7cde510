#include "document/TextLayout.h"

#include "shell/Fonts.h"
#include "shell/Units.h"

#include <QFontMetricsF>
#include <QImage>

namespace zep {

namespace {
// Metrics are taken at 96 dpi whatever the screen, so sizes in twips are the
// same on every machine and in every output.
const QPaintDevice* metricsDevice() {
    static QImage img = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        i.setDotsPerMeterX(3780); // 96 dpi
        i.setDotsPerMeterY(3780);
        return i;
    }();
    return &img;
}

QString trimBlanks(const QString& s) {
    int b = 0, e = s.size();
    while (b < e && s[b] == ' ')
        ++b;
    while (e > b && s[e - 1] == ' ')
        --e;
    return s.mid(b, e - b);
}
} // namespace

QFont elementFont(const TextElement& t) {
    return documentFont(t.FontName, t.FontSize, t.FontBold, t.FontItalic, t.FontUnderline);
}

QStringList captionLines(const QString& caption) {
    QStringList out;
    QString cur;
    for (int i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == '\r') {
            out << cur;
            cur.clear();
            if (i + 1 < caption.size() && caption[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    out << cur;
    return out;
}

QSizeF measureCaption(const QString& caption, const QFont& font) {
    const QFontMetricsF fm(font, const_cast<QPaintDevice*>(metricsDevice()));
    const QStringList lines = captionLines(caption);
    double w = 0;
    for (const QString& l : lines)
        w = std::max(w, fm.horizontalAdvance(l));
    const double h = fm.height() * lines.size();
    return QSizeF(std::ceil(w) * kTwipsPerPixel, std::ceil(h) * kTwipsPerPixel);
}

void autoSizeText(TextElement& t) {
    if (!t.AutoSize) return;
    const QSizeF s = measureCaption(t.Caption, elementFont(t));
    t.Width = static_cast<float>(s.width());
    t.Height = static_cast<float>(s.height());
}

void MakeVerticalText(TextElement& t) {
    const QString s = trimBlanks(t.Caption);
    const QFont font = elementFont(t);
    QStringList chars;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' || s[i] == '\n') continue;
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            chars << s.mid(i, 2);
            ++i;
        } else {
            chars << QString(s[i]);
        }
    }
    double w = 0, h = 0;
    for (const QString& c : chars) {
        const QSizeF cs = measureCaption(c, font);
        h += cs.height();
        w = std::max(w, cs.width());
    }
    t.WordWrap = true;
    t.AutoSize = false;
    t.Width = static_cast<float>(w);
    t.Height = static_cast<float>(h);
    t.Caption = chars.join(QStringLiteral("\r\n"));
}

QString joinVerticalCaption(const QString& caption) {
    // Everything before each CR stays; the CR up to and including the next LF goes.
    QString out;
    int i = 0;
    while (i < caption.size()) {
        const int cr = caption.indexOf('\r', i);
        if (cr < 0) {
            out += caption.mid(i);
            break;
        }
        out += caption.mid(i, cr - i);
        const int lf = caption.indexOf('\n', cr);
        if (lf < 0) break;
        i = lf + 1;
    }
    return out;
}

} // namespace zep
