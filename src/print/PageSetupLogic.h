#pragma once
// The rules of the page setup dialog frm용지설정 without widgets: what its
// controls show when it opens, the list, orientation and leave rules, and OK.
// The dialog keeps a PageSetupState and shows it.
#include <QString>
#include <QStringList>
#include <array>

namespace zep {

class Document;
class Editor;

struct PageSetupState {
    QStringList entries;           // cbo종류: the six entries of PaperSizeTable
    int entry = -1;                // the selected entry, -1 none
    std::array<QString, 2> size;   // txtSize 0 (width) and 1 (height), e.g. "210mm"
    bool sizeEnabled = false;      // the two size boxes (custom entry only)
    int orientation = 0;           // opt방향: 0 portrait (세로), 1 landscape (가로)
    std::array<QString, 4> margin; // txt여백 0..3: top, bottom, left, right

    QString entryText() const;
    bool custom() const { return entryText().startsWith(QStringLiteral("CS")); }
};

// A number as the program writes it: at most 15 significant digits, no
// exponent for ordinary values, no trailing zeros (13, 7.5, 123.45).
QString plainNumber(double v);
// v rounded to decimals places (ties to even), without trailing zeros, + "mm".
QString mmText(double v, int decimals);

// First activation: the list, the recognised paper, the orientation, and the
// size and margin boxes from the document's page.
PageSetupState openPageSetup(const Document& doc);

// The list rule: selects entry (an index of entries; out of range selects
// nothing) and fills or enables the size boxes.
void chooseEntry(PageSetupState& s, int entry);
// The orientation rule, run when option (0 or 1) becomes selected; choosing
// the option already selected changes nothing.
void chooseOrientation(PageSetupState& s, int option);
// Leaving a size or margin box: its numeric value followed by "mm".
QString leaveBoxText(const QString& text);

// Step 5.1: a custom size with a side over 32767 twips cannot be edited.
bool pageSizeRefused(const PageSetupState& s);

// OK. A refused size shows "편집할 수 없는 용지Size입니다." (OK and Cancel) and
// returns false with nothing changed. Otherwise stores the margins, applies
// the size, the orientation and the zoom (when gZoom > 0), and returns true.
bool confirmPageSetup(const PageSetupState& s, Editor& editor);

inline const QString kPageSetupTitle = QStringLiteral("용지설정");
inline const QString kCannotEditSize = QStringLiteral("편집할 수 없는 용지Size입니다.");
inline constexpr double kMaxPaperTwips = 32767;

} // namespace zep
