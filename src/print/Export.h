#pragma once
// Renders a .zep document to PDF, PNG or SVG (or writes it again as .zep)
// without a display, through the same page renderer as the screen.
#include "document/Document.h"

#include <QString>
#include <QStringList>

namespace zep {

struct ExportResult {
    bool ok = false;
    QString error;        // why it failed, for stderr
    QStringList warnings; // e.g. missing pictures; the rest is still drawn
};

// The output format is chosen by the extension of out: .pdf .png .svg .zep.
ExportResult exportDocument(const QString& in, const QString& out, int dpi, const QString& appPath);

// The same for a document already in memory (its on-page values at doc.gZoom).
ExportResult exportLoaded(const Document& doc, const QString& out, int dpi, const QString& appPath);

// Paints the page 1:1 onto a painter whose device has the given resolution,
// white paper first.
void paintPageAt(class QPainter& p, const Document& doc, double dotsPerInch);

} // namespace zep
