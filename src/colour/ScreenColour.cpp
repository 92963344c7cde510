#include "colour/ScreenColour.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace zep {

ColourValue PickScreenColorAt(QPoint pos, QImage* scratch) {
    QScreen* screen = QGuiApplication::screenAt(pos);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return 0;
    const QPoint local = pos - screen->geometry().topLeft();
    const QImage px = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
    if (!px.isNull() && px.width() >= 1 && px.height() >= 1) return fromQColor(px.pixelColor(0, 0));
    if (scratch && !scratch->isNull()) {
        const QPixmap block =
            screen->grabWindow(0, local.x(), local.y(), scratch->width(), scratch->height());
        QPainter p(scratch);
        p.drawPixmap(0, 0, block);
        p.end();
        return fromQColor(scratch->pixelColor(0, 0));
    }
    return 0;
}

ColourValue PickScreenColor(QImage* scratch) {
    return PickScreenColorAt(QCursor::pos(), scratch);
}

} // namespace zep
