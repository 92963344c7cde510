#include "print/Printing.h"

#include "print/Export.h"
#include "shell/Numbers.h"
#include "shell/ZepModule.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace zep {

DrawnPage DrawPage(const Document& doc, ZepModule& module) {
    const int n = doc.mvObjectCount();
    module.ShowProgress(kPreviewCaption, n + 1, 1);
    auto page = std::make_shared<const Document>(doc);
    if (n > 0) module.ShowProgress(kPreviewCaption, n + 1, n + 1);
    return page;
}

namespace {
QPrinter* gPrinter = nullptr;
}

QPrinter& programPrinter() {
    if (!gPrinter) {
        gPrinter = new QPrinter(QPrinter::HighResolution);
        // Freed with the application: a printer outliving it would reach a
        // print system that is already gone.
        qAddPostRoutine([] {
            delete gPrinter;
            gPrinter = nullptr;
        });
    }
    return *gPrinter;
}

PrintStatus printPage(QPrinter& printer, const Document& page) {
    printer.setPageOrientation(page.gLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setFullPage(true);
    QPainter p;
    if (!p.begin(&printer)) return PrintStatus::NotStarted;
    paintPageAt(p, page, printer.resolution());
    return p.end() ? PrintStatus::Printed : PrintStatus::NotFinished;
}

bool canPrint(const QPrinter& printer, const QStringList& printerNames) {
    return !printerNames.isEmpty() || !printer.outputFileName().isEmpty();
}

QString printMessage(PrintStatus status, const QPrinter& printer) {
    const QString where =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    switch (status) {
    case PrintStatus::Printed:
        return {};
    case PrintStatus::NotStarted:
        return QStringLiteral("인쇄를 시작할 수 없습니다. 프린터 '%1'을(를) 확인하십시오.")
            .arg(where);
    case PrintStatus::NotFinished:
        return QStringLiteral("인쇄를 마치지 못했습니다. 프린터 '%1'을(를) 확인하십시오.")
            .arg(where);
    }
    return {};
}

bool PrintDrawnPage(ZepModule& module, QPrinter& printer, const Document& page) {
    PrintStatus s;
    {
        BusyPointer busy;
        s = printPage(printer, page);
    }
    if (s == PrintStatus::Printed) return true;
    module.ask(kPrintTitle, printMessage(s, printer), IconExclamation, ButtonsOK, DefaultFirst);
    return false;
}

QStringList previewZoomModeItems() {
    return {QStringLiteral("0.Percentage"), QStringLiteral("3.WholePage"),
            QStringLiteral("4.PageWidth"), QStringLiteral("5.Stretch")};
}

QStringList previewPercentItems() {
    return {QStringLiteral("25"),  QStringLiteral("50"),  QStringLiteral("75"),
            QStringLiteral("100"), QStringLiteral("150"), QStringLiteral("200")};
}

QString previewZoomText(double zoom) {
    return QString::number(zoom, 'g', 10);
}

std::optional<double> zoomForTypedPercent(const QString& text, double lastZoom) {
    const double v = leadingNumber(text);
    if (v > 10 && v != lastZoom) return v;
    return std::nullopt;
}

std::optional<double> zoomForChosenPercent(const QString& text, double lastZoom) {
    const double v = leadingNumber(text);
    // Zero or less is nothing a page can be shown at.
    if (v > 0 && v != lastZoom) return v;
    return std::nullopt;
}

QString percentAfterZoomButton(int button, const QString& boxText) {
    const double v = leadingNumber(boxText);
    if (button == 0) return wholeText(fix(v) + 10);
    return v - 10 > 10 ? wholeText(fix(v) - 10) : QStringLiteral("10");
}

FitZoom fitPreviewZoom(int mode, QSizeF pageTwips, QSizeF available, double dpi) {
    if (pageTwips.width() <= 0 || pageTwips.height() <= 0 || dpi <= 0) return {};
    // Pixels of the page at 100 %.
    const double w = pageTwips.width() * dpi / 1440.0, h = pageTwips.height() * dpi / 1440.0;
    auto floor10 = [](double z) {
        return std::clamp(std::floor(z * 10 + 1e-9) / 10, kMinPreviewZoom, kMaxPreviewZoom);
    };
    const double zx = floor10(100 * std::max(available.width(), 1.0) / w);
    const double zy = floor10(100 * std::max(available.height(), 1.0) / h);
    switch (mode) {
    case ZoomWholePage:
        return {std::min(zx, zy), std::min(zx, zy)};
    case ZoomPageWidth:
        return {zx, zx};
    case ZoomStretch:
        return {zx, zy};
    default:
        return {};
    }
}

} // namespace zep
