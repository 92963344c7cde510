#include "print/PrinterSetupLogic.h"

#include "document/Document.h"
#include "print/PageSetupLogic.h"
#include "shell/Numbers.h"
#include "shell/Units.h"
#include "shell/ZepModule.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace zep {

// ---------------------------------------------------------------- settings

QPageSize PrintSettings::pageSize() const {
    if (paperCode != PaperUser) return PaperSizeTable::pageSizeOfCode(paperCode);
    if (customWidthTwips <= 0 || customHeightTwips <= 0) return QPageSize();
    // Twips are 1/20 point.
    return QPageSize(QSizeF(customWidthTwips / 20.0, customHeightTwips / 20.0), QPageSize::Point,
                     QString(), QPageSize::ExactMatch);
}

QString effectivePrinterName(const PrintSettings& s) {
    if (!s.printerName.isEmpty() && QPrinterInfo::availablePrinterNames().contains(s.printerName))
        return s.printerName;
    return QPrinterInfo::defaultPrinterName();
}

bool applyPrintSettings(QPrinter& printer, const PrintSettings& s) {
    const QString name = effectivePrinterName(s);
    if (!name.isEmpty() && printer.printerName() != name) printer.setPrinterName(name);
    printer.setCopyCount(s.copies > 0 ? s.copies : 1);
    printer.setPageOrientation(s.pageOrientation());
    const QPageSize size = s.pageSize();
    return size.isValid() && printer.setPageSize(size);
}

// ---------------------------------------------------------------- dialog rules

PrinterSetupState openPrinterSetup(const Document& doc, const QString& appPath,
                                   const PrintSettings& printer) {
    PrinterSetupState s;
    s.programPath = appPath;
    if (!s.programPath.endsWith('/')) s.programPath += '/';
    if (doc.gLandscape) {
        s.orientationCaption = QStringLiteral("가로");
        s.orientationPicture = s.programPath + QStringLiteral("커서/landscap.ico");
        s.orientation = OrientationLandscape;
    } else {
        s.orientationCaption = QStringLiteral("세로");
        s.orientationPicture = s.programPath + QStringLiteral("커서/portrait.ico");
        s.orientation = OrientationPortrait;
    }
    s.entries = PaperSizeTable::listEntries();
    const QString code =
        PaperSizeTable::recogniseTwips(doc.gPageWidth, doc.gPageHeight, doc.gLandscape);
    int found = -1;
    for (int i = 0; i < s.entries.size(); ++i)
        if (s.entries[i].left(2) == code) {
            found = i;
            break;
        }
    choosePaper(s, found >= 0 ? found : static_cast<int>(s.entries.size()) - 1);
    s.copies = printer.copies > 0 ? QString::number(printer.copies) : QStringLiteral("1");
    return s;
}

namespace {
double numberAfter(const QString& text, QChar marker) {
    const int at = text.indexOf(marker);
    return at < 0 ? 0.0 : leadingNumber(text.mid(at + 1));
}
} // namespace

void choosePaper(PrinterSetupState& s, int entry) {
    if (entry < 0 || entry >= s.entries.size()) return;
    s.entry = entry;
    s.paperText = s.entries[entry];
    if (s.paperText.startsWith(QStringLiteral("CS"))) {
        s.sizeEnabled = true;
        return;
    }
    s.sizeEnabled = false;
    s.size[0] = plainNumber(numberAfter(s.paperText, '('));
    s.size[1] = plainNumber(numberAfter(s.paperText, 'X'));
}

bool numberBoxAccepts(QChar c, bool sizeBox) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return true;
    if (u == '.' || u == 8 || u == 9) return true;
    return sizeBox && u == 'n';
}

std::optional<QString> numberBoxChanged(const QString& text) {
    if (leadingNumber(text) > 0) return std::nullopt;
    return QStringLiteral("1");
}

std::optional<QString> stepNumberBox(const QString& text, int delta, int maxLength) {
    const double v = leadingNumber(text);
    if (delta < 0) {
        if (v - 1 > 0) return plainNumber(v - 1);
        return std::nullopt;
    }
    const QString up = plainNumber(v + 1);
    if (up.size() <= maxLength) return up;
    return std::nullopt;
}

bool printSizeRefused(const PrinterSetupState& s) {
    return s.paperText.startsWith(QStringLiteral("CS")) &&
           (leadingNumber(s.size[0]) * kTwipsPerMm > kMaxPaperTwips ||
            leadingNumber(s.size[1]) * kTwipsPerMm > kMaxPaperTwips);
}

PrinterSetupResult confirmPrinterSetup(PrinterSetupState& s, ZepModule& module,
                                       PrintSettings& settings,
                                       const std::function<bool(const PrintSettings&)>& accepts) {
    if (printSizeRefused(s)) {
        module.ask(kPageSetupTitle, kCannotPrintSize, IconNone, ButtonsOKCancel, DefaultFirst);
        return PrinterSetupResult::Refused;
    }
    const int code = PaperSizeTable::paperCodeOfEntry(s.paperText);
    if (code == 0) return PrinterSetupResult::Failed;
    PrintSettings next = settings;
    next.paperCode = code;
    if (code == PaperUser) {
        next.customWidthTwips =
            static_cast<int>(roundHalfEven(leadingNumber(s.size[0]) * kTwipsPerMm));
        next.customHeightTwips =
            static_cast<int>(roundHalfEven(leadingNumber(s.size[1]) * kTwipsPerMm));
    }
    if (!next.pageSize().isValid()) return PrinterSetupResult::Failed;
    if (accepts && !accepts(next)) return PrinterSetupResult::Failed;
    // The box holds at most four characters; a pasted text is kept in range.
    next.copies = static_cast<int>(std::clamp(roundHalfEven(leadingNumber(s.copies)), 1.0, 9999.0));
    next.orientation = s.orientation;
    s.paperCode = code;
    settings = next;
    module.gPrintCancelled = false;
    return PrinterSetupResult::Accepted;
}

} // namespace zep
