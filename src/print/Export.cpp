#include "print/Export.h"

#include "document/ZepFile.h"
#include "print/PageRenderer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace zep {

void paintPageAt(QPainter& p, const Document& doc, double dpi) {
    const double s = dpi / 1440.0;
    p.save();
    p.scale(s, s);
    p.fillRect(QRectF(0, 0, doc.gPageWidth, doc.gPageHeight), Qt::white);
    renderPage(p, doc, RenderOptions{});
    p.restore();
}

namespace {

bool writeAtomically(const QString& out, const QByteArray& bytes, QString* error) {
    QSaveFile f(out);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        *error = QStringLiteral("'%1' 파일을 쓸 수 없습니다: %2").arg(out, f.errorString());
        return false;
    }
    return true;
}

} // namespace

ExportResult exportLoaded(const Document& doc, const QString& out, int dpi,
                          const QString& appPath) {
    ExportResult r;
    const QString ext = QFileInfo(out).suffix().toLower();
    if (doc.gPageWidth <= 0 || doc.gPageHeight <= 0) {
        r.error = QStringLiteral("용지 크기가 없는 문서입니다.");
        return r;
    }
    const double wIn = doc.gPageWidth / 1440.0, hIn = doc.gPageHeight / 1440.0;
    if (ext == "pdf") {
        QBuffer buf;
        buf.open(QIODevice::WriteOnly);
        {
            QPdfWriter pdf(&buf);
            pdf.setResolution(1200);
            pdf.setPageSize(
                QPageSize(QSizeF(wIn, hIn), QPageSize::Inch, QString(), QPageSize::ExactMatch));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            pdf.setTitle(QFileInfo(out).completeBaseName());
            pdf.setCreator(QStringLiteral("Zephyra"));
            QPainter p;
            if (!p.begin(&pdf)) {
                r.error = QStringLiteral("PDF를 만들 수 없습니다.");
                return r;
            }
            paintPageAt(p, doc, 1200);
            p.end();
        }
        r.ok = writeAtomically(out, buf.data(), &r.error);
    } else if (ext == "png") {
        if (dpi < 1 || dpi > 2400) {
            r.error = QStringLiteral("해상도는 1에서 2400 dpi 사이여야 합니다.");
            return r;
        }
        const QSize px(std::max(1, qRound(wIn * dpi)), std::max(1, qRound(hIn * dpi)));
        if (static_cast<qint64>(px.width()) * px.height() > 400'000'000LL) {
            r.error = QStringLiteral("그림이 너무 큽니다. 해상도를 낮추십시오.");
            return r;
        }
        QImage img(px, QImage::Format_RGB32);
        img.fill(Qt::white);
        img.setDotsPerMeterX(qRound(dpi / 0.0254));
        img.setDotsPerMeterY(qRound(dpi / 0.0254));
        {
            QPainter p(&img);
            paintPageAt(p, doc, dpi);
        }
        QBuffer buf;
        buf.open(QIODevice::WriteOnly);
        if (!img.save(&buf, "PNG")) {
            r.error = QStringLiteral("PNG를 만들 수 없습니다.");
            return r;
        }
        r.ok = writeAtomically(out, buf.data(), &r.error);
    } else if (ext == "svg") {
        QBuffer buf;
        buf.open(QIODevice::WriteOnly);
        {
            QSvgGenerator svg;
            svg.setOutputDevice(&buf);
            svg.setResolution(96);
            svg.setSize(QSize(qRound(wIn * 96), qRound(hIn * 96)));
            svg.setViewBox(QRectF(0, 0, wIn * 96, hIn * 96));
            svg.setTitle(QFileInfo(out).completeBaseName());
            QPainter p(&svg);
            paintPageAt(p, doc, 96);
        }
        r.ok = writeAtomically(out, buf.data(), &r.error);
    } else if (ext == "zep") {
        Document copy = doc;
        r.ok = WriteDocument(copy, appPath, out, &r.error);
    } else {
        r.error =
            QStringLiteral("알 수 없는 출력 형식입니다: '%1' (.pdf, .png, .svg, .zep 중 하나)")
                .arg(out);
    }
    return r;
}

ExportResult exportDocument(const QString& in, const QString& out, int dpi,
                            const QString& appPath) {
    ExportResult r;
    const QString ext = QFileInfo(out).suffix().toLower();
    if (ext != "pdf" && ext != "png" && ext != "svg" && ext != "zep") {
        r.error =
            QStringLiteral("알 수 없는 출력 형식입니다: '%1' (.pdf, .png, .svg, .zep 중 하나)")
                .arg(out);
        return r;
    }
    if (!QFileInfo(in).isFile()) {
        r.error = QStringLiteral("'%1' 파일이 없습니다.").arg(in);
        return r;
    }
    Document doc;
    ReadReport report;
    QString error;
    if (!ReadDocument(doc, appPath, in, &error, &report)) {
        r.error = error;
        return r;
    }
    for (const QString& m : report.missingPictures)
        r.warnings << QStringLiteral("그림 파일이 없습니다: %1").arg(m);
    r.warnings << report.warnings;
    ExportResult w = exportLoaded(doc, out, dpi, appPath);
    w.warnings = r.warnings + w.warnings;
    return w;
}

} // namespace zep
