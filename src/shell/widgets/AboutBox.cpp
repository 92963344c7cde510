#include "shell/widgets/AboutBox.h"

#include "shell/Fonts.h"
#include "shell/Units.h"

#include <QAction>
#include <QDesktopServices>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace zep {

namespace {

QPointer<frmAbout> gAbout;

// Form coordinates are in twips, as the layout was drawn.
QRect twipRect(int left, int top, int width, int height) {
    const auto px = [](int t) { return static_cast<int>(t / kTwipsPerPixel + 0.5); };
    return {px(left), px(top), px(width), px(height)};
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& r) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setGeometry(r);
    // Text hangs from the top so an underline below the baseline stays inside.
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

const QColor kFormGrey(192, 192, 192);

} // namespace

frmAbout::frmAbout(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
    installFontSubstitutions();
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Zephyra1.2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::NonModal);
    setFixedSize(twipRect(0, 0, 7335, 3075).size());
    setFont(documentFont(QStringLiteral("굴림"), 9, false, false, false));

    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFormGrey);
    pal.setColor(QPalette::Button, kFormGrey);
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::ButtonText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    const QRect picRect = twipRect(30, 45, 3105, 2025);
    QLabel* image = addLabel(this, "Image1", QString(), picRect);
    image->setPixmap(productPicture(picRect.size()));

    QLabel* title =
        addLabel(this, "lable1_0", QStringLiteral("Zephyra1.2"), twipRect(3165, 135, 1650, 285));
    title->setFont(documentFont(QStringLiteral("굴림"), 11.25, true, false, false));
    QLabel* version =
        addLabel(this, "lable1_2", QStringLiteral("Ver1.2.0"), twipRect(4830, 165, 2400, 240));
    version->setFont(documentFont(QStringLiteral("굴림"), 9.75, false, false, false));
    addLabel(this, "lable1_1", QStringLiteral("© 2026 Zephyra 개발팀. All rights reserved."),
             twipRect(3165, 465, 4140, 270));
    addLabel(this, "Label1_3", QStringLiteral("홈페이지 : "), twipRect(3165, 765, 945, 240));

    lblHomePage_ = addLabel(this, "lblHomePage", QStringLiteral("https://zephyra.example.org"),
                            twipRect(4110, 765, 3195, 270));
    lblHomePage_->setFont(documentFont(QStringLiteral("굴림"), 9, false, false, true));
    QPalette linkPal = lblHomePage_->palette();
    linkPal.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lblHomePage_->setPalette(linkPal);
    lblHomePage_->setCursor(Qt::PointingHandCursor);
    lblHomePage_->installEventFilter(this);

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Label1_1"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(twipRect(30, 2085, 7260, 45));

    QLabel* warnTitle =
        addLabel(this, "Label2", QStringLiteral("경고"), twipRect(75, 2235, 600, 240));
    warnTitle->setFont(documentFont(QStringLiteral("굴림"), 9, true, false, false));
    QLabel* warning = addLabel(this, "Label3",
                               QStringLiteral("이 프로그램은 저작권법의 보호를 받습니다. 허락 없이 "
                                              "프로그램의 전부 또는 일부를 복제하거나 배포하면 "
                                              "법에 따라 처벌받을 수 있습니다."),
                               twipRect(675, 2235, 4350, 780));
    warning->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("확인"), this);
    ok->setObjectName(QStringLiteral("scmd확인"));
    ok->setGeometry(twipRect(5145, 2355, 1815, 540));
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* esc = new QAction(this);
    esc->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(esc, &QAction::triggered, this, &QWidget::close);
    addAction(esc);

    QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                 screen->availableGeometry())
                 .topLeft());
}

QUrl frmAbout::homePage() const {
    return QUrl(lblHomePage_->text());
}

frmAbout* frmAbout::current() {
    return gAbout.data();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblHomePage_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton &&
            lblHomePage_->rect().contains(me->position().toPoint())) {
            // No browser or no network is not worth a message here.
            (void)QDesktopServices::openUrl(homePage());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QPixmap frmAbout::productPicture(const QSize& size) {
    QPixmap pm(size);
    const double w = size.width(), h = size.height();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(70, 110, 180));
    sky.setColorAt(1, QColor(20, 40, 90));
    p.fillRect(QRectF(0, 0, w, h), sky);

    // A shop sign card, tilted a little, with a bold Z.
    p.save();
    p.translate(w * 0.42, h * 0.52);
    p.rotate(-6);
    const QRectF card(-w * 0.30, -h * 0.40, w * 0.60, h * 0.80);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(card.translated(4, 4), 6, 6);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(200, 30, 40), 3));
    p.drawRoundedRect(card, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 40));
    p.drawRect(QRectF(card.left() + 1.5, card.top() + h * 0.10, card.width() - 3, h * 0.07));
    QFont zf = documentFont(QStringLiteral("굴림"), 10, true, false, false);
    zf.setPixelSize(static_cast<int>(h * 0.50));
    p.setFont(zf);
    p.setPen(QColor(30, 50, 120));
    p.drawText(card.adjusted(0, h * 0.14, 0, 0), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Z"));
    p.restore();

    // A yellow price tag hanging over the card's corner.
    p.save();
    p.translate(w * 0.72, h * 0.66);
    p.rotate(14);
    const double tw = w * 0.36, th = h * 0.24;
    QPainterPath tag;
    tag.moveTo(-tw / 2, -th / 2);
    tag.lineTo(tw / 2 - th / 2, -th / 2);
    tag.lineTo(tw / 2, 0);
    tag.lineTo(tw / 2 - th / 2, th / 2);
    tag.lineTo(-tw / 2, th / 2);
    tag.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(tw / 2 - th / 2, 0), th * 0.12, th * 0.12);
    p.setPen(QPen(QColor(120, 80, 0), 1.5));
    p.setBrush(QColor(255, 210, 40));
    p.drawPath(tag.subtracted(hole));
    QFont pf = documentFont(QStringLiteral("굴림"), 10, true, false, false);
    pf.setPixelSize(static_cast<int>(th * 0.42));
    p.setFont(pf);
    p.setPen(QColor(150, 20, 20));
    p.drawText(QRectF(-tw / 2 + 2, -th / 2, tw - th * 0.75, th), Qt::AlignCenter,
               QStringLiteral("₩1,200"));
    p.restore();
    return pm;
}

void ShowAbout(QWidget* owner) {
    frmAbout* box = gAbout.data();
    if (!box) {
        box = new frmAbout(owner);
        gAbout = box;
    }
    box->show();
    box->raise();
    box->activateWindow();
}

} // namespace zep
