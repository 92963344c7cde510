#pragma once
// The rules of the printer setup dialog frmPrinterSelect without widgets:
// what it shows when it opens, the paper rule, the number boxes and OK.
#include "print/PrintSettings.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace zep {

class Document;
struct ZepModule;

struct PrinterSetupState {
    QString programPath;                   // mvProgramPath, with a trailing "/"
    int orientation = OrientationPortrait; // mvOrientation: 1 portrait, 2 landscape
    QString orientationCaption;            // lbl인쇄방향: "세로" or "가로"
    QString orientationPicture;  // img인쇄방향: 커서/portrait.ico or 커서/landscap.ico
    QStringList entries;         // cbo용지
    QString paperText;           // cbo용지's text (it also accepts typing)
    int entry = -1;              // the selected entry, -1 none
    std::array<QString, 2> size; // txt용지Size 0 (가로) and 1 (세로), plain millimetres
    bool sizeEnabled = false;    // both boxes, their "mm" panels and their arrows
    QString copies;              // txt매수
    int paperCode = 0;           // mvPaperCode, set at OK
};

inline constexpr int kCopiesMaxLength = 4;
inline constexpr int kPaperSizeMaxLength = 7;
inline const QString kCannotPrintSize = QStringLiteral("인쇄할 수 없는 용지Size입니다.");

// First activation: orientation from the page, the paper list with the page's
// paper selected (the custom entry for A0..A2 and custom pages), the copies of
// the system printer (or 1).
PrinterSetupState openPrinterSetup(const Document& doc, const QString& appPath,
                                   const PrintSettings& printer);

// The paper rule: entry selected (out of range: nothing happens). Named
// entries fill the boxes with their upright size and disable them.
void choosePaper(PrinterSetupState& s, int entry);

// Whether a typed character reaches a number box: digits, ".", backspace and
// tab; a size box also takes "n".
bool numberBoxAccepts(QChar c, bool sizeBox);
// The change rule: a text whose value is not above 0 becomes "1".
std::optional<QString> numberBoxChanged(const QString& text);
// The arrows: the text after one step up (delta > 0) or down, or nothing when
// the step is not taken (down to 0, or up past the box's character limit).
std::optional<QString> stepNumberBox(const QString& text, int delta, int maxLength);

// Step 7.1: a custom size with a side over 32767 twips cannot be printed.
bool printSizeRefused(const PrinterSetupState& s);

enum class PrinterSetupResult {
    Refused, // the message was shown; the dialog stays open
    Failed,  // an entry that is none of the six, or a paper the printer refuses
    Accepted // settings written, gPrintCancelled cleared
};

// OK. printerAccepts tells whether the printer takes the paper (null: yes).
PrinterSetupResult
confirmPrinterSetup(PrinterSetupState& s, ZepModule& module, PrintSettings& settings,
                    const std::function<bool(const PrintSettings&)>& printerAccepts = {});

} // namespace zep
