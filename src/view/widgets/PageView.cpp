#include "view/widgets/PageView.h"

#include "canvas/Editor.h"
#include "colour/ColourStripLogic.h"
#include "colour/widgets/ColourStrip.h"
#include "print/PageRenderer.h"
#include "shell/Units.h"
#include "view/Rulers.h"

#include <QMouseEvent>
#include <QPainter>

namespace zep {

namespace {
constexpr double kTpp = kTwipsPerPixel;
int px(double twips) {
    return static_cast<int>(std::ceil(twips / kTpp));
}
} // namespace

int mouseButtonCode(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return ButtonLeft;
    case Qt::RightButton:
        return ButtonRight;
    case Qt::MiddleButton:
        return ButtonMiddle;
    default:
        return 0;
    }
}

int shiftStateCode(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier) s |= ShiftShift;
    if (m & Qt::ControlModifier) s |= ShiftCtrl;
    if (m & Qt::AltModifier) s |= ShiftAlt;
    return s;
}

// ---------------------------------------------------------------- surface

PageSurface::PageSurface(Editor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setObjectName(QStringLiteral("picLayer"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPointF PageSurface::toTwips(QPointF p) {
    return p * kTpp;
}

void PageSurface::relayout() {
    const double z = editor_.doc.gZoom > 0 ? editor_.doc.z() : 1.0;
    resize(std::max(1, px(z * editor_.doc.gPageWidth)),
           std::max(1, px(z * editor_.doc.gPageHeight)));
    update();
}

void PageSurface::paintEvent(QPaintEvent* ev) {
    QPainter p(this);
    p.fillRect(ev->rect(), Qt::white);
    if (!editor_.pageVisible) return;
    const Document& doc = editor_.doc;
    const double z = doc.gZoom > 0 ? doc.z() : 1.0;
    p.save();
    p.scale(z / kTpp, z / kTpp);
    RenderOptions o;
    o.screen = true;
    const QRectF exposed = ev->rect();
    o.clip = QRectF(exposed.x() * kTpp / z, exposed.y() * kTpp / z, exposed.width() * kTpp / z,
                    exposed.height() * kTpp / z);
    renderPage(p, doc, o);
    if (const ElementRef e = editor_.beingDrawn(); !e.isNone()) renderObject(p, doc, e, o);
    p.restore();

    // Selection marks above everything, in on-page twips.
    p.save();
    p.scale(1 / kTpp, 1 / kTpp);
    QPen dotted(Qt::black);
    dotted.setStyle(Qt::DotLine);
    dotted.setCosmetic(true);
    p.setPen(dotted);
    for (const OutlineLine& l : editor_.marks.lin테두리)
        if (l.Visible) p.drawLine(QPointF(l.X1, l.Y1), QPointF(l.X2, l.Y2));
    for (const GripMark& g : editor_.marks.grips)
        if (g.Visible) p.fillRect(QRectF(g.Left, g.Top, kGripSize, kGripSize), QColor(0, 0, 0x80));
    p.restore();
}

void PageSurface::updateCursor(QPointF t) {
    const PressTarget target = editor_.targetAt(t);
    if (target.kind == PressTarget::GripTarget) {
        switch (target.grip) {
        case Grip::NWSE0:
        case Grip::NWSE1:
            setCursor(Qt::SizeFDiagCursor);
            return;
        case Grip::NESW0:
        case Grip::NESW1:
            setCursor(Qt::SizeBDiagCursor);
            return;
        case Grip::WE0:
        case Grip::WE1:
            setCursor(Qt::SizeHorCursor);
            return;
        case Grip::NS0:
        case Grip::NS1:
            setCursor(Qt::SizeVerCursor);
            return;
        }
    }
    switch (editor_.mvMousePointer) {
    case PointerCross:
        setCursor(Qt::CrossCursor);
        break;
    case PointerText:
        setCursor(Qt::IBeamCursor);
        break;
    case PointerCustom:
        setCursor(eyedropperCursor(editor_.module.gAppPath));
        break;
    default:
        setCursor(Qt::ArrowCursor);
        break;
    }
}

void PageSurface::mousePressEvent(QMouseEvent* e) {
    setFocus(Qt::MouseFocusReason);
    editor_.pointerPress(toTwips(e->position()), mouseButtonCode(e->button()),
                         shiftStateCode(e->modifiers()));
    if (editor_.mvEyedropper && editor_.mvColorDrag)
        sampleColourAt(editor_, e->globalPosition().toPoint());
}

void PageSurface::mouseMoveEvent(QMouseEvent* e) {
    const QPointF t = toTwips(e->position());
    if (!editor_.captured()) updateCursor(t);
    editor_.pointerMove(t, shiftStateCode(e->modifiers()));
    if (editor_.mvColorDrag) sampleColourAt(editor_, e->globalPosition().toPoint());
}

void PageSurface::mouseReleaseEvent(QMouseEvent* e) {
    const QPointF t = toTwips(e->position());
    editor_.pointerRelease(t, mouseButtonCode(e->button()));
    updateCursor(t);
}

void PageSurface::mouseDoubleClickEvent(QMouseEvent* e) {
    // Qt sends the double click in place of the second press; the first press
    // has already selected the object under the pointer.
    if (e->button() == Qt::LeftButton) editor_.pointerDoubleClick(toTwips(e->position()));
}

// ---------------------------------------------------------------- rulers

RulerWidget::RulerWidget(Editor& editor, bool horizontal, QWidget* parent)
    : QWidget(parent), editor_(editor), horizontal_(horizontal) {
    setObjectName(horizontal ? QStringLiteral("pic눈금자0") : QStringLiteral("pic눈금자1"));
    setAutoFillBackground(true);
}

void RulerWidget::relayout() {
    const int zoom = editor_.doc.gZoom > 0 ? editor_.doc.gZoom : 100;
    const RulerLayout r = horizontal_ ? horizontalRuler(zoom, editor_.doc.gPageWidth)
                                      : verticalRuler(zoom, editor_.doc.gPageHeight);
    resize(px(r.width), px(r.height));
    update();
}

void RulerWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int zoom = editor_.doc.gZoom > 0 ? editor_.doc.gZoom : 100;
    const RulerLayout r = horizontal_ ? horizontalRuler(zoom, editor_.doc.gPageWidth)
                                      : verticalRuler(zoom, editor_.doc.gPageHeight);
    p.scale(1 / kTpp, 1 / kTpp);
    paintRuler(p, r, horizontal_, palette().color(QPalette::WindowText));
}

// ---------------------------------------------------------------- view

PageView::PageView(Editor& editor, QWidget* parent) : QScrollArea(parent), editor_(editor) {
    setObjectName(QStringLiteral("vsvLayer"));
    content_ = new QWidget;
    content_->setObjectName(QStringLiteral("vsvLayerContent"));
    rulers_[0] = new RulerWidget(editor, true, content_);
    rulers_[1] = new RulerWidget(editor, false, content_);
    surface_ = new PageSurface(editor, content_);
    rulers_[0]->move(px(270), 0);
    rulers_[1]->move(0, px(270));
    surface_->move(px(270), px(270));
    setWidget(content_);
    setWidgetResizable(false);
    content_->installEventFilter(this);
    viewport()->installEventFilter(this);
}

void PageView::relayout() {
    rulers_[0]->relayout();
    rulers_[1]->relayout();
    surface_->relayout();
    const double z = editor_.doc.gZoom > 0 ? editor_.doc.z() : 1.0;
    // The scrollable area: the surface plus the ruler thickness on each axis.
    content_->resize(px(270) + px(z * editor_.doc.gPageWidth + kRulerThickness),
                     px(270) + px(z * editor_.doc.gPageHeight + kRulerThickness));
}

bool PageView::eventFilter(QObject* o, QEvent* e) {
    // A press on the view's own background gives the page the keyboard focus.
    if ((o == content_ || o == viewport()) && e->type() == QEvent::MouseButtonPress)
        surface_->setFocus(Qt::MouseFocusReason);
    return QScrollArea::eventFilter(o, e);
}

} // namespace zep
