#include "print/PageSetupLogic.h"

#include "canvas/Editor.h"
#include "document/Page.h"
#include "print/PaperSizes.h"
#include "shell/Numbers.h"
#include "shell/Units.h"

#include <algorithm>
#include <cmath>

namespace zep {

QString PageSetupState::entryText() const {
    return entry >= 0 && entry < entries.size() ? entries[entry] : QString();
}

QString plainNumber(double v) {
    if (!std::isfinite(v) || v == 0) return QStringLiteral("0");
    const double a = std::abs(v);
    const int before = a >= 1 ? static_cast<int>(std::floor(std::log10(a))) + 1 : 0;
    QString t = QString::number(v, 'f', std::clamp(15 - before, 0, 15));
    if (t.contains('.')) {
        while (t.endsWith('0'))
            t.chop(1);
        if (t.endsWith('.')) t.chop(1);
    }
    if (t == QStringLiteral("-0")) t = QStringLiteral("0");
    return t;
}

QString mmText(double v, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return plainNumber(roundHalfEven(v * scale) / scale) + QStringLiteral("mm");
}

namespace {

// The number after the first occurrence of marker in text.
double numberAfter(const QString& text, QChar marker) {
    const int at = text.indexOf(marker);
    return at < 0 ? 0.0 : leadingNumber(text.mid(at + 1));
}

} // namespace

PageSetupState openPageSetup(const Document& doc) {
    PageSetupState s;
    s.entries = PaperSizeTable::listEntries();
    const double w = doc.gPageWidth / kTwipsPerMm;
    const double h = doc.gPageHeight / kTwipsPerMm;
    const QString code = PaperSizeTable::recognise(w, h, doc.gLandscape);
    chooseOrientation(s, doc.gLandscape ? 1 : 0);
    int found = -1;
    for (int i = 0; i < s.entries.size(); ++i)
        if (s.entries[i].left(2) == code) {
            found = i;
            break;
        }
    if (found >= 0) chooseEntry(s, found);
    if (found < 0 || code == kCustomPaperCode) {
        chooseEntry(s, static_cast<int>(s.entries.indexOf(kCustomPaperEntry)));
        s.size[0] = mmText(w, 2);
        s.size[1] = mmText(h, 2);
    }
    s.margin[0] = mmText(doc.gMarginTop / kTwipsPerMm, 1);
    s.margin[1] = mmText(doc.gMarginBottom / kTwipsPerMm, 1);
    s.margin[2] = mmText(doc.gMarginLeft / kTwipsPerMm, 1);
    s.margin[3] = mmText(doc.gMarginRight / kTwipsPerMm, 1);
    return s;
}

void chooseEntry(PageSetupState& s, int entry) {
    if (entry < 0 || entry >= s.entries.size()) {
        s.entry = -1;
        return;
    }
    s.entry = entry;
    const QString text = s.entries[entry];
    if (text.startsWith(QStringLiteral("CS"))) {
        s.sizeEnabled = true;
        return;
    }
    s.sizeEnabled = false;
    const QString a = plainNumber(numberAfter(text, '(')) + QStringLiteral("mm");
    const QString b = plainNumber(numberAfter(text, 'X')) + QStringLiteral("mm");
    if (s.orientation == 1) {
        s.size[0] = b;
        s.size[1] = a;
    } else {
        s.size[0] = a;
        s.size[1] = b;
    }
}

void chooseOrientation(PageSetupState& s, int option) {
    if (option != 0 && option != 1) return;
    if (option == s.orientation) return;
    s.orientation = option;
    const QString oldWidth = s.size[0];
    s.size[0] = s.size[1];
    s.size[1] = plainNumber(leadingNumber(oldWidth)) + QStringLiteral("mm");
}

QString leaveBoxText(const QString& text) {
    return plainNumber(leadingNumber(text)) + QStringLiteral("mm");
}

bool pageSizeRefused(const PageSetupState& s) {
    return s.custom() && (leadingNumber(s.size[0]) * kTwipsPerMm > kMaxPaperTwips ||
                          leadingNumber(s.size[1]) * kTwipsPerMm > kMaxPaperTwips);
}

bool confirmPageSetup(const PageSetupState& s, Editor& editor) {
    if (pageSizeRefused(s)) {
        editor.module.ask(kPageSetupTitle, kCannotEditSize, IconNone, ButtonsOKCancel,
                          DefaultFirst);
        return false;
    }
    Document& d = editor.doc;
    d.gMarginTop = static_cast<float>(leadingNumber(s.margin[0]) * kTwipsPerMm);
    d.gMarginBottom = static_cast<float>(leadingNumber(s.margin[1]) * kTwipsPerMm);
    d.gMarginLeft = static_cast<float>(leadingNumber(s.margin[2]) * kTwipsPerMm);
    d.gMarginRight = static_cast<float>(leadingNumber(s.margin[3]) * kTwipsPerMm);
    // Single precision, as the page-size routine takes them.
    ApplyPageSize(d, static_cast<float>(leadingNumber(s.size[0])),
                  static_cast<float>(leadingNumber(s.size[1])));
    if (s.orientation == 1) d.gLandscape = true;
    if (d.gZoom > 0) editor.ApplyZoom(d.gZoom);
    return true;
}

} // namespace zep
