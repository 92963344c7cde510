#pragma once
#include "shell/BusyPointer.h"
// Printing a drawn page 1:1 on the program's printer, and the rules of the
// preview's zoom box. No widgets: the windows are in print/widgets.
#include "document/Document.h"

#include <QCursor>
#include <QGuiApplication>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QPrinter;

namespace zep {

struct ZepModule;

// A page as drawn for preview and print: a copy of the document taken when
// it was drawn, so later edits do not reach an open preview or a print job.
using DrawnPage = std::shared_ptr<const Document>;

inline const QString kPreviewCaption = QStringLiteral("미리보기/인쇄......");

// Takes the snapshot, running the progress strip from 1 of n + 1 to the end.
DrawnPage DrawPage(const Document& doc, ZepModule& module);

// The printer every print goes to, made once on the system's default queue;
// the printer dialogs change it and it keeps their choices for the run.
QPrinter& programPrinter();

enum class PrintStatus { Printed, NotStarted, NotFinished };

// Prints the page on the printer as it is set up: in the page's orientation,
// full page, page (0, 0) on the paper's corner, at the printer's resolution.
PrintStatus printPage(QPrinter& printer, const Document& page);

// Whether there is anywhere to print: a printer queue, or a file the printer
// was pointed at.
bool canPrint(const QPrinter& printer, const QStringList& printerNames);

// What the user is told; empty for Printed.
QString printMessage(PrintStatus status, const QPrinter& printer);
inline const QString kPrintTitle = QStringLiteral("인쇄");
inline const QString kNoPrinterMessage =
    QStringLiteral("설치된 프린터가 없습니다. 프린터를 설치한 뒤 다시 인쇄하십시오.");

// Prints the drawn page with the busy pointer, telling the user when the job
// could not start or finish. Returns whether it printed.
bool PrintDrawnPage(ZepModule& module, QPrinter& printer, const Document& page);

// The preview surface's zoom modes, as the mode list's leading digits.
enum PreviewZoomMode : int {
    ZoomPercentage = 0,
    ZoomWholePage = 3,
    ZoomPageWidth = 4,
    ZoomStretch = 5
};

inline constexpr double kMinPreviewZoom = 1;
inline constexpr double kMaxPreviewZoom = 1000;

QStringList previewZoomModeItems(); // "0.Percentage" ...
QStringList previewPercentItems();  // "25" ... "200"

// Zoom as the percent box shows it: plain decimal, no trailing zeros.
QString previewZoomText(double zoom);

// The percent box's rules against the last zoom applied to the surface.
// A typed text applies above 10 only, so partial typing ("1" of "150") waits.
std::optional<double> zoomForTypedPercent(const QString& text, double lastZoom);
std::optional<double> zoomForChosenPercent(const QString& text, double lastZoom);
// The box's text after zoom in (0) or out (1): whole part ± 10, never below 10.
QString percentAfterZoomButton(int button, const QString& boxText);

// The zoom (percent, floored to 0.1 so the page still fits) at which a fitting
// mode shows the page in the available pixels; x and y differ only in stretch.
struct FitZoom {
    double x = 100, y = 100;
};
FitZoom fitPreviewZoom(int mode, QSizeF pageTwips, QSizeF availablePixels, double dpi);

} // namespace zep
