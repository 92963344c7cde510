#include "print/PaperSizes.h"

#include "shell/Units.h"

#include <QPageSize>
#include <cmath>

namespace zep {

const std::vector<PaperSize>& PaperSizeTable::named() {
    static const std::vector<PaperSize> table = {
        {QStringLiteral("A0"), 840, 1188, false, 0},
        {QStringLiteral("A1"), 594, 840, false, 0},
        {QStringLiteral("A2"), 420, 594, false, 0},
        {QStringLiteral("A3"), 297, 420, true, PaperA3},
        {QStringLiteral("A4"), 210, 297, true, PaperA4},
        {QStringLiteral("A5"), 148, 210, true, PaperA5},
        {QStringLiteral("B4"), 257, 364, true, PaperB4},
        {QStringLiteral("B5"), 182, 257, true, PaperB5},
    };
    return table;
}

const PaperSize* PaperSizeTable::find(const QString& code) {
    for (const PaperSize& s : named())
        if (s.code == code) return &s;
    return nullptr;
}

QString PaperSizeTable::listText(const PaperSize& s) {
    return s.code + QStringLiteral(" (") + QString::number(s.shortMm) + QStringLiteral("X") +
           QString::number(s.longMm) + QStringLiteral("mm)");
}

QStringList PaperSizeTable::listEntries() {
    QStringList entries;
    for (const PaperSize& s : named())
        if (s.listed) entries << listText(s);
    entries << kCustomPaperEntry;
    return entries;
}

QString PaperSizeTable::recognise(double w, double h, bool landscape) {
    const double L = landscape ? w : h;
    const double S = landscape ? h : w;
    for (const PaperSize& s : named()) {
        if (std::abs(s.longMm - L) <= kPaperTolerance) {
            return std::abs(s.shortMm - S) <= kPaperTolerance ? s.code : kCustomPaperCode;
        }
    }
    return kCustomPaperCode;
}

QString PaperSizeTable::recogniseTwips(double wt, double ht, bool landscape) {
    return recognise(wt / kTwipsPerMm, ht / kTwipsPerMm, landscape);
}

int PaperSizeTable::paperCodeOfEntry(const QString& text) {
    if (text == kCustomPaperEntry) return PaperUser;
    for (const PaperSize& s : named())
        if (s.listed && listText(s) == text) return s.paperCode;
    return 0;
}

QPageSize PaperSizeTable::pageSizeOfCode(int code) {
    switch (code) {
    case PaperA3:
        return QPageSize(QPageSize::A3);
    case PaperA4:
        return QPageSize(QPageSize::A4);
    case PaperA5:
        return QPageSize(QPageSize::A5);
    case PaperB4:
        return QPageSize(QPageSize::JisB4);
    case PaperB5:
        return QPageSize(QPageSize::JisB5);
    default:
        return QPageSize();
    }
}

} // namespace zep
