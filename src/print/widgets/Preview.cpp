#include "print/widgets/Preview.h"

#include "canvas/Editor.h"
#include "print/Printing.h"
#include "print/widgets/PreviewWindow.h"

#include <QApplication>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace zep {

namespace {

bool runPrintDialog(QWidget* parent, QPrinter& printer, const QString& title) {
    QPrintDialog dlg(&printer, parent);
    dlg.setWindowTitle(title);
    dlg.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dlg.exec() == QDialog::Accepted;
}

PrintHooks defaultHooks() {
    PrintHooks h;
    h.printerSetup = [](QWidget* parent, Editor& editor, QPrinter& printer) {
        // Offer the page's own paper, upright; its orientation decides at print.
        const Document& d = editor.doc;
        if (d.gPageWidth > 0 && d.gPageHeight > 0) {
            const QSizeF upright(std::min(d.gPageWidth, d.gPageHeight) / 20.0,
                                 std::max(d.gPageWidth, d.gPageHeight) / 20.0);
            printer.setPageSize(
                QPageSize(upright, QPageSize::Point, QString(), QPageSize::FuzzyMatch));
            printer.setPageOrientation(d.gLandscape ? QPageLayout::Landscape
                                                    : QPageLayout::Portrait);
        }
        return runPrintDialog(parent, printer, kPrintTitle);
    };
    h.systemPrinterDialog = [](QWidget* parent, QPrinter& printer) {
        return runPrintDialog(parent, printer, QStringLiteral("프린터설정"));
    };
    h.printerNames = [] { return QPrinterInfo::availablePrinterNames(); };
    return h;
}

} // namespace

PrintHooks& printHooks() {
    static PrintHooks hooks = defaultHooks();
    return hooks;
}

PreviewWindow* ShowPreview(QWidget* parent, Editor& editor) {
    BusyPointer busy;
    const QString name = QStringLiteral("frm미리보기");
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName().trimmed() != name) continue;
        w->setObjectName(QString()); // gone for the next search already
        w->hide();
        w->deleteLater();
    }
    auto* window = new PreviewWindow(editor, DrawPage(editor.doc, editor.module), parent);
    window->showMaximized();
    return window;
}

bool confirmPrinter(QWidget* parent, Editor& editor) {
    QPrinter& printer = programPrinter();
    const QStringList names =
        printHooks().printerNames ? printHooks().printerNames() : QStringList();
    if (!canPrint(printer, names)) {
        editor.module.ask(kPrintTitle, kNoPrinterMessage, IconExclamation, ButtonsOK, DefaultFirst);
        return false;
    }
    editor.module.gPrintCancelled = true;
    const bool ok = printHooks().printerSetup && printHooks().printerSetup(parent, editor, printer);
    editor.module.gPrintCancelled = !ok;
    return ok;
}

bool PrintDocument(QWidget* parent, Editor& editor) {
    if (!confirmPrinter(parent, editor)) return false;
    DrawnPage page;
    {
        BusyPointer busy;
        page = DrawPage(editor.doc, editor.module);
    }
    return PrintDrawnPage(editor.module, programPrinter(), *page);
}

} // namespace zep
