#pragma once
// What the printer setup dialog hands to the printing system: the printer,
// the paper (a Windows paper number or a custom size), the orientation and
// the copies. One instance lives for the run, as the system printer's
// settings do; the print code applies it to its QPrinter.
#include "print/PaperSizes.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>

class QPrinter;

namespace zep {

enum PrintOrientation : int { OrientationPortrait = 1, OrientationLandscape = 2 };

struct PrintSettings {
    // The printer chosen with "변경"; empty: the system's default printer.
    QString printerName;
    int paperCode = PaperA4; // 8 A3, 9 A4, 11 A5, 12 B4, 13 B5, 256 custom
    // Custom paper (code 256), upright, in twips (1440 per inch).
    int customWidthTwips = 0, customHeightTwips = 0;
    int orientation = OrientationPortrait;
    int copies = 1;

    // The paper as Qt sees it (upright); invalid for a custom size of 0.
    QPageSize pageSize() const;
    QPageLayout::Orientation pageOrientation() const {
        return orientation == OrientationLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    }
};

// The printer the settings name when it exists, else the system default
// (empty when there is no printer at all, e.g. without cupsd).
QString effectivePrinterName(const PrintSettings& s);

// Writes printer, paper, orientation and copies to the printer; false when
// the printer refuses the paper (its other settings are still written).
bool applyPrintSettings(QPrinter& printer, const PrintSettings& s);

} // namespace zep
