#pragma once
// The preview and print commands of the main window (미리보기, 인쇄).
#include <QStringList>
#include <functional>

class QPrinter;
class QWidget;

namespace zep {

class Editor;
class PreviewWindow;

// What printing asks of the outside world; tests and the program's own
// printer setup dialog replace these.
struct PrintHooks {
    // The printer setup before every print, from the main window and from the
    // preview's 인쇄. Sets the printer up; false when the user cancels.
    // Default: the system print dialog.
    std::function<bool(QWidget* parent, Editor& editor, QPrinter& printer)> printerSetup;
    // The preview's 프린터설정 button. Default: the system print dialog.
    std::function<bool(QWidget* parent, QPrinter& printer)> systemPrinterDialog;
    // The printer queues there are. Default: QPrinterInfo.
    std::function<QStringList()> printerNames;
};
PrintHooks& printHooks();

// Draws the document afresh and shows it in a new preview window, closing an
// open one. The window belongs to parent.
PreviewWindow* ShowPreview(QWidget* parent, Editor& editor);

// The printer setup, then the document printed 1:1. Cancelling prints and
// draws nothing; no printer, or a job that cannot start or finish, is told.
// Returns whether it printed.
bool PrintDocument(QWidget* parent, Editor& editor);

// Before every print, from the command and the preview's 인쇄: tells the user
// when there is no printer, else runs the printer setup with gPrintCancelled
// set. Returns whether to print.
bool confirmPrinter(QWidget* parent, Editor& editor);

} // namespace zep
