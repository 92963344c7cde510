#pragma once
// PaperSizeTable: the named paper sizes in whole millimetres, their entries in
// the page setup and printer setup lists, their Windows paper numbers, and the
// recognition of a page's paper. Used by page setup, printer setup and print.
#include <QString>
#include <QStringList>
#include <vector>

class QPageSize;

namespace zep {

// Windows paper numbers (DMPAPER_*), as the printer setup passes them on.
enum PaperCode : int {
    PaperA3 = 8,
    PaperA4 = 9,
    PaperA5 = 11,
    PaperB4 = 12, // JIS B4, 257 x 364 mm
    PaperB5 = 13, // JIS B5, 182 x 257 mm
    PaperUser = 256
};

struct PaperSize {
    QString code;    // "A0" .. "B5"
    int shortMm = 0; // the two sides regardless of orientation
    int longMm = 0;
    bool listed = false; // has an entry in the lists (A0, A1, A2 are only recognised)
    int paperCode = 0;   // Windows paper number, 0 for the unlisted sizes
};

class PaperSizeTable {
public:
    // A0, A1, A2, A3, A4, A5, B4, B5, in that order (the recognition order).
    static const std::vector<PaperSize>& named();
    // The named size with that code, nullptr for none (also for "CS").
    static const PaperSize* find(const QString& code);

    // "A4 (210X297mm)": code, " (", short side, "X", long side, "mm)".
    static QString listText(const PaperSize& size);
    // The six list entries: A3, A4, A5, B4, B5 and "CS (사용자정의)".
    static QStringList listEntries();

    // The code of a page of widthMm x heightMm: L is the width when landscape,
    // else the height, S the other side. The first named size whose long side
    // lies within 0.49 mm (inclusive) of L decides: its code when its short
    // side is also within 0.49 mm of S, else "CS". No long side near L: "CS".
    static QString recognise(double widthMm, double heightMm, bool landscape);
    // The same from the page in twips (56.7 per millimetre).
    static QString recogniseTwips(double widthTwips, double heightTwips, bool landscape);

    // Windows paper number of a list entry (8, 9, 11, 12, 13, or 256 for the
    // custom entry); 0 for a text that is none of the entries.
    static int paperCodeOfEntry(const QString& entryText);
    // The Qt page size of a Windows paper number (upright); invalid for others.
    static QPageSize pageSizeOfCode(int paperCode);
};

inline const QString kCustomPaperCode = QStringLiteral("CS");
inline const QString kCustomPaperEntry = QStringLiteral("CS (사용자정의)");
inline constexpr double kPaperTolerance = 0.49; // mm

} // namespace zep
