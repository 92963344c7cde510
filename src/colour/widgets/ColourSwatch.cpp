#include "colour/widgets/ColourSwatch.h"

#include <QMouseEvent>
#include <utility>

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

void ColourSwatch::mousePressEvent(QMouseEvent* e) {
    afterDoubleClick_ = false; // a modal window may have taken that release
    QFrame::mousePressEvent(e);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* e) {
    // The release that ends a double click is not another click.
    const bool second = std::exchange(afterDoubleClick_, false);
    if (!second && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(e);
}

void ColourSwatch::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QFrame::mouseDoubleClickEvent(e);
    afterDoubleClick_ = true;
    emit doubleClicked();
}

} // namespace zep
