#include "shell/widgets/StatusStrip.h"

#include "canvas/Editor.h"

#include <QPainter>

namespace zep {

StatusStrip::StatusStrip(Editor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setObjectName(QStringLiteral("picProgress"));
    setFixedSize(sizeHint());
}

void StatusStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const ProgressStrip& pr = editor_.module.progress;
    p.fillRect(rect(), palette().color(QPalette::Window));
    QFont f = font();
    f.setPixelSize(12);
    p.setFont(f);
    if (pr.barShown()) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(rect().adjusted(2, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, pr.text());
        // The bar inverts the caption where they overlap, so it stays readable.
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        const int w = static_cast<int>(width() * std::clamp(pr.percent(), 0, 100) / 100.0);
        p.fillRect(QRect(0, 0, w, height()), pr.colour().rgb() ^ 0x00FFFFFF);
        return;
    }
    // Position and size of the pointer or the selection, twips at 100 %.
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRect(0, 0, 16, height()), Qt::AlignCenter, QStringLiteral("⌖"));
    p.drawText(QRect(width() / 2, 0, 16, height()), Qt::AlignCenter, QStringLiteral("⇲"));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(18, 0, width() / 2 - 18, height()), Qt::AlignVCenter | Qt::AlignLeft,
               editor_.lbl좌표[0]);
    p.drawText(QRect(width() / 2 + 18, 0, width() / 2 - 18, height()),
               Qt::AlignVCenter | Qt::AlignLeft, editor_.lbl좌표[1]);
}

} // namespace zep
