#include "colour/widgets/ColourSwatch.h"

#include <QMouseEvent>

namespace zep {

ColourSwatch::ColourSwatch(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setColour(0);
}

void ColourSwatch::setColour(ColourValue c) {
    colour_ = c & 0xFFFFFF;
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(colour_));
    setPalette(p);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
    QFrame::mouseReleaseEvent(e);
}

} // namespace zep
