#include "shell/widgets/Splash.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace zep {

Splash::Splash(std::function<void()> startWork, std::function<void()> openMain, int delayMs)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      startWork_(std::move(startWork)), openMain_(std::move(openMain)) {
    setObjectName(QStringLiteral("frmLOGO"));
    setWindowTitle(QStringLiteral("Zephyra"));
    setFixedSize(501, 392); // 7515 x 5880 twips
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() - height()) / 2);
    }
    tmrLOGO.setSingleShot(true);
    tmrLOGO.setInterval(delayMs);
    connect(&tmrLOGO, &QTimer::timeout, this, [this] {
        if (openMain_) openMain_();
        close();
        deleteLater();
    });
}

void Splash::showEvent(QShowEvent*) {
    if (workDone_) return;
    workDone_ = true;
    repaint(); // the picture stays visible while the work runs
    if (startWork_) startWork_();
    tmrLOGO.start();
}

void Splash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(192, 192, 192));
    const QRect inner = rect().adjusted(3, 3, -3, -3);
    QLinearGradient g(inner.topLeft(), inner.bottomRight());
    g.setColorAt(0, QColor(255, 244, 214));
    g.setColorAt(1, QColor(250, 196, 120));
    p.fillRect(inner, g);
    // A price card leaning on the title.
    p.save();
    p.translate(330, 170);
    p.rotate(-8);
    p.setPen(QPen(QColor(120, 30, 30), 3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRect(0, 0, 130, 170), 10, 10);
    QFont price(QStringLiteral("NanumGothic"));
    price.setPixelSize(22);
    price.setBold(true);
    p.setFont(price);
    p.setPen(QColor(200, 20, 20));
    p.drawText(QRect(0, 20, 130, 40), Qt::AlignCenter, QStringLiteral("특가"));
    p.setPen(QColor(30, 30, 30));
    p.drawText(QRect(0, 80, 130, 40), Qt::AlignCenter, QStringLiteral("9,900원"));
    p.restore();
    QFont title(QStringLiteral("NanumGothic"));
    title.setPixelSize(54);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(110, 30, 20));
    p.drawText(QRect(30, 60, 300, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zephyra"));
    QFont sub(QStringLiteral("NanumGothic"));
    sub.setPixelSize(18);
    p.setFont(sub);
    p.setPen(QColor(60, 40, 30));
    p.drawText(QRect(34, 140, 300, 30), Qt::AlignLeft,
               QStringLiteral("간판 · 가격표 · 포스터 편집기"));
    p.drawText(QRect(34, 340, 300, 30), Qt::AlignLeft, QStringLiteral("Ver1.2.0"));
}

} // namespace zep
