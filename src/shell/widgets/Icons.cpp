#include "shell/widgets/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zep {

namespace {
QIcon make(const std::function<void(QPainter&)>& draw) {
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return QIcon(pm);
}

void page(QPainter& p, const QColor& fill = Qt::white) {
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(fill);
    QPainterPath path;
    path.moveTo(5, 3);
    path.lineTo(15, 3);
    path.lineTo(19, 7);
    path.lineTo(19, 21);
    path.lineTo(5, 21);
    path.closeSubpath();
    p.drawPath(path);
}

void letter(QPainter& p, const QString& s, const QColor& c, int size = 11,
            QRect r = QRect(0, 0, 24, 24)) {
    QFont f(QStringLiteral("NanumGothic"));
    f.setPixelSize(size);
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, s);
}
} // namespace

QIcon commandIcon(int button) {
    switch (button) {
    case 1:
        return make([](QPainter& p) { page(p); });
    case 2:
        return make([](QPainter& p) {
            p.setPen(QPen(QColor(120, 90, 20), 1.2));
            p.setBrush(QColor(240, 200, 80));
            p.drawRect(3, 8, 18, 12);
            p.drawRect(3, 5, 8, 3);
        });
    case 3:
        return make([](QPainter& p) {
            p.setPen(QPen(QColor(20, 40, 110), 1.2));
            p.setBrush(QColor(70, 110, 200));
            p.drawRect(4, 4, 16, 16);
            p.setBrush(Qt::white);
            p.drawRect(7, 4, 10, 6);
        });
    case 5:
        return make([](QPainter& p) { letter(p, QStringLiteral("↶"), QColor(60, 60, 60), 18); });
    case 6:
        return make([](QPainter& p) { letter(p, QStringLiteral("↷"), QColor(60, 60, 60), 18); });
    case 7:
        return make([](QPainter& p) {
            p.translate(-3, -2);
            page(p);
            p.translate(6, 4);
            page(p);
        });
    case 8:
        return make([](QPainter& p) {
            p.setPen(QPen(QColor(60, 60, 60), 1.6));
            p.drawLine(7, 3, 15, 15);
            p.drawLine(17, 3, 9, 15);
            p.drawEllipse(QPointF(7.5, 18), 3, 3);
            p.drawEllipse(QPointF(16.5, 18), 3, 3);
        });
    case 9:
        return make([](QPainter& p) {
            p.setPen(QPen(QColor(90, 60, 20), 1.2));
            p.setBrush(QColor(200, 160, 100));
            p.drawRect(4, 5, 16, 16);
            page(p);
        });
    case 10:
        return make([](QPainter& p) {
            p.setPen(QPen(QColor(200, 30, 30), 2.5));
            p.drawLine(6, 6, 18, 18);
            p.drawLine(18, 6, 6, 18);
        });
    case 11:
        return make([](QPainter& p) {
            p.setPen(QPen(QColor(60, 60, 60), 1.2, Qt::DashLine));
            p.drawRect(4, 4, 16, 16);
            p.setPen(QPen(QColor(200, 30, 30), 2));
            p.drawLine(8, 8, 16, 16);
            p.drawLine(16, 8, 8, 16);
        });
    case 13:
        return make([](QPainter& p) {
            page(p);
            p.setPen(QPen(QColor(40, 120, 40), 1.2));
            p.drawRect(8, 8, 8, 10);
        });
    case 14:
        return make([](QPainter& p) {
            page(p);
            p.setPen(QPen(QColor(30, 30, 30), 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(12, 12), 4, 4);
            p.drawLine(15, 15, 20, 20);
        });
    case 15:
        return make([](QPainter& p) {
            p.setPen(QPen(QColor(60, 60, 60), 1.2));
            p.setBrush(QColor(210, 210, 210));
            p.drawRect(3, 10, 18, 8);
            p.setBrush(Qt::white);
            p.drawRect(7, 3, 10, 7);
            p.drawRect(7, 15, 10, 6);
        });
    case 17:
        return make([](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 100, 200));
            p.drawEllipse(3, 3, 18, 18);
            letter(p, QStringLiteral("?"), Qt::white, 14);
        });
    case 18:
        return make([](QPainter& p) {
            p.setPen(QPen(QColor(150, 30, 30), 2));
            p.drawRect(5, 3, 11, 18);
            p.drawLine(12, 12, 21, 12);
            p.drawLine(18, 9, 21, 12);
            p.drawLine(18, 15, 21, 12);
        });
    default:
        return {};
    }
}

QIcon toolIcon(int button) {
    switch (button) {
    case 1:
        return make([](QPainter& p) {
            QPainterPath a;
            a.moveTo(7, 3);
            a.lineTo(7, 19);
            a.lineTo(11, 15);
            a.lineTo(14, 21);
            a.lineTo(16, 20);
            a.lineTo(13, 14);
            a.lineTo(18, 14);
            a.closeSubpath();
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::white);
            p.drawPath(a);
        });
    case 2:
        return make([](QPainter& p) {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(QColor(170, 170, 170));
            p.drawRect(3, 3, 12, 12);
            p.setBrush(QColor(80, 140, 220));
            p.drawRect(9, 9, 12, 12);
        });
    case 3:
        return make([](QPainter& p) {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(QColor(80, 140, 220));
            p.drawRect(9, 9, 12, 12);
            p.setBrush(QColor(170, 170, 170));
            p.drawRect(3, 3, 12, 12);
        });
    case 5:
        return make([](QPainter& p) {
            p.setPen(QPen(QColor(60, 60, 60), 1));
            p.setBrush(QColor(150, 200, 240));
            p.drawRect(3, 3, 18, 18);
            p.setBrush(QColor(90, 160, 60));
            p.drawEllipse(6, 12, 14, 10);
        });
    case 6:
        return make([](QPainter& p) {
            p.setPen(QPen(QColor(60, 60, 60), 1));
            p.setBrush(Qt::white);
            p.drawRect(3, 5, 18, 14);
            p.setBrush(QColor(230, 180, 40));
            p.drawEllipse(6, 8, 5, 5);
            p.setBrush(QColor(60, 140, 60));
            p.drawPolygon(QPolygonF({QPointF(4, 18), QPointF(11, 11), QPointF(20, 18)}));
        });
    case 7:
        return make([](QPainter& p) { letter(p, QStringLiteral("가"), Qt::black, 15); });
    case 9:
        return make([](QPainter& p) {
            p.setPen(QPen(Qt::black, 2));
            p.drawLine(4, 20, 20, 4);
        });
    case 10:
        return make([](QPainter& p) {
            p.setPen(QPen(Qt::black, 1.5));
            p.drawRect(4, 6, 16, 12);
        });
    case 11:
        return make([](QPainter& p) {
            p.setPen(QPen(Qt::black, 1.5));
            p.drawEllipse(4, 4, 16, 16);
        });
    case 12:
        return make([](QPainter& p) {
            p.setPen(QPen(Qt::black, 1.5));
            p.drawEllipse(2, 6, 20, 12);
        });
    default:
        return {};
    }
}

} // namespace zep
