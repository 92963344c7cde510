#include "colour/widgets/ColourStrip.h"

#include "canvas/Editor.h"
#include "colour/widgets/ColourDialog.h"
#include "colour/widgets/ColourSwatch.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

namespace zep {

namespace {

QColor paletteColour(int x, int y, int width, int height) {
    const double hue = width > 1 ? double(x) / width : 0.0;
    const QColor pure = QColor::fromHsvF(hue, 1.0, 1.0);
    const double t = height > 1 ? double(y) / (height - 1) : 0.5;
    if (t <= 0.5) {
        const double s = t * 2; // white to the pure hue
        return QColor::fromRgbF(1 - s + s * pure.redF(), 1 - s + s * pure.greenF(),
                                1 - s + s * pure.blueF());
    }
    const double v = 1 - (t - 0.5) * 2; // the pure hue to black
    return QColor::fromRgbF(v * pure.redF(), v * pure.greenF(), v * pure.blueF());
}

QPixmap eyedropperPicture(int w, int h) {
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(w / 32.0, h / 32.0);
    // Tip at the bottom left, bulb at the top right.
    QPainterPath glass;
    glass.moveTo(2, 30);
    glass.lineTo(5, 23);
    glass.lineTo(19, 9);
    glass.lineTo(23, 13);
    glass.lineTo(9, 27);
    glass.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(200, 225, 255));
    p.drawPath(glass);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QRectF(19, 3, 10, 10));
    p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 8), QPointF(24, 16));
    return pm;
}

QPixmap swapPicture() {
    QPixmap pm(10, 10);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.drawLine(1, 2, 7, 2); // over, then down
    p.drawLine(7, 2, 7, 8);
    p.drawLine(5, 1, 5, 3);
    p.drawLine(6, 7, 8, 7);
    p.drawPoint(0, 2);
    p.drawPoint(7, 9);
    return pm;
}

QPixmap resetPicture() {
    QPixmap pm(9, 9);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(3, 3, 5, 5);
    p.setBrush(Qt::black);
    p.drawRect(0, 0, 5, 5);
    return pm;
}

QToolButton* pictureButton(QWidget* parent, const QString& name, const QPixmap& pm,
                           const QString& tip, QRect at) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(QIcon(pm));
    b->setIconSize(pm.size());
    b->setAutoRaise(true);
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(at);
    return b;
}

QFrame* selectLine(QWidget* parent, const QString& name, QRect at) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameStyle(QFrame::Box | QFrame::Plain);
    f->setLineWidth(1);
    f->setGeometry(at);
    // Only an outline: presses inside reach the swatches below.
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    return f;
}

} // namespace

// ---------------------------------------------------------------- palette

PalettePicture::PalettePicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("img색상표"));
    setCursor(Qt::CrossCursor);
}

void PalettePicture::resizeEvent(QResizeEvent*) {
    picture_ = QImage(size(), QImage::Format_RGB32);
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x)
            picture_.setPixelColor(x, y, paletteColour(x, y, width(), height()));
    QPainter p(&picture_);
    p.setPen(QColor(64, 64, 64));
    p.drawRect(0, 0, width() - 1, height() - 1); // single border
}

void PalettePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

ColourValue PalettePicture::colourAt(QPoint pos) const {
    if (!picture_.valid(pos)) return 0;
    return fromQColor(picture_.pixelColor(pos));
}

void PalettePicture::mousePressEvent(QMouseEvent* e) {
    if (pressed) pressed(e->globalPosition().toPoint());
}

void PalettePicture::mouseMoveEvent(QMouseEvent* e) {
    // Moves keep arriving here while the button is held, wherever the pointer is.
    if (e->buttons() != Qt::NoButton && moved) moved(e->globalPosition().toPoint());
}

void PalettePicture::mouseReleaseEvent(QMouseEvent*) {
    if (released) released();
}

// ---------------------------------------------------------------- strip

ColourStrip::ColourStrip(Editor& editor, QWidget* parent)
    : QFrame(parent), editor_(editor), logic_(editor) {
    setObjectName(QStringLiteral("sspnl색상표"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setFixedHeight(46); // 690 twips
    setMinimumWidth(690);
    chooseColour = [this](QWidget* p, const QString& title, ColourValue& c) {
        return runColourDialog(p, editor_, title, c);
    };
    logic_.objectChanged = [this] {
        if (requestRepaint) requestRepaint();
    };
    build();
    refresh();
}

void ColourStrip::build() {
    cmd스포이드 = new QToolButton(this);
    cmd스포이드->setObjectName(QStringLiteral("cmd스포이드"));
    cmd스포이드->setCheckable(true);
    cmd스포이드->setAutoRaise(true); // flat until hovered, edge shown while down
    cmd스포이드->setFocusPolicy(Qt::NoFocus);
    cmd스포이드->setIcon(QIcon(eyedropperPicture(26, 32)));
    cmd스포이드->setIconSize(QSize(26, 32));
    cmd스포이드->setGeometry(0, 0, 45, 46);
    connect(cmd스포이드, &QToolButton::clicked, this, [this] {
        toggleEyedropper(editor_);
        refresh();
    });

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("SSPanel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(47, 0, 45, 46);
    // Back swatch first, so the foreground lies on top where they overlap.
    lblBackColorSelectLine =
        selectLine(panel, QStringLiteral("lblBackColorSelectLine"), QRect(13, 14, 29, 29));
    picBackColor = new ColourSwatch(panel);
    picBackColor->setObjectName(QStringLiteral("picBackColor"));
    picBackColor->setGeometry(15, 16, 25, 25);
    lblForeColorSelectLine =
        selectLine(panel, QStringLiteral("lblForeColorSelectLine"), QRect(3, 3, 29, 29));
    picForeColor = new ColourSwatch(panel);
    picForeColor->setObjectName(QStringLiteral("picForeColor"));
    picForeColor->setGeometry(5, 5, 25, 25);
    for (ColourSwatch* s : {picForeColor, picBackColor}) {
        s->setFrameStyle(QFrame::Box | QFrame::Plain);
        s->setLineWidth(1);
        s->setCursor(Qt::ArrowCursor);
    }
    picForeColor->setToolTip(QStringLiteral("전경색"));
    picBackColor->setToolTip(QStringLiteral("배경색"));
    connect(picForeColor, &ColourSwatch::clicked, this, [this] {
        logic_.swatchClicked(ColourSide::Fore);
        refresh();
    });
    connect(picBackColor, &ColourSwatch::clicked, this, [this] {
        logic_.swatchClicked(ColourSide::Back);
        refresh();
    });
    connect(picForeColor, &ColourSwatch::doubleClicked, this,
            [this] { swatchDoubleClicked(ColourSide::Fore); });
    connect(picBackColor, &ColourSwatch::doubleClicked, this,
            [this] { swatchDoubleClicked(ColourSide::Back); });

    img바꾸기 = pictureButton(panel, QStringLiteral("img바꾸기"), swapPicture(),
                              QStringLiteral("전경색과 배경색 바꿈"), QRect(31, 4, 10, 10));
    img초기화 = pictureButton(panel, QStringLiteral("img초기화"), resetPicture(),
                              QStringLiteral("전경색과 배경색 초기화"), QRect(4, 32, 9, 9));
    connect(img바꾸기, &QToolButton::clicked, this, [this] {
        logic_.swap();
        refresh();
    });
    connect(img초기화, &QToolButton::clicked, this, [this] {
        logic_.reset();
        refresh();
    });

    QFont small = font();
    small.setPixelSize(11);
    const char* names[3] = {"R", "G", "B"};
    for (int i = 0; i < 3; ++i) {
        const int y = 1 + 15 * i;
        auto* label = new QLabel(QString::fromLatin1(names[i]), this);
        label->setGeometry(93, y, 10, 14);
        label->setFont(small);

        QScrollBar* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(QStringLiteral("hsbColor%1").arg(i));
        bar->setRange(0, 255);
        bar->setSingleStep(1);
        bar->setPageStep(5);
        bar->setGeometry(103, y, 155, 14);
        bar->setFocusPolicy(Qt::NoFocus);
        hsbColor[i] = bar;
        connect(bar, &QScrollBar::valueChanged, this, [this, i](int v) {
            logic_.rgb.setBar(i, v);
            refresh();
        });

        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtColor%1").arg(i));
        box->setAlignment(Qt::AlignRight);
        box->setMaxLength(3);
        box->setFont(small);
        box->setTextMargins(0, 0, 0, 0);
        box->setGeometry(260, y, 28, 15);
        box->installEventFilter(this);
        txtColor[i] = box;
        connect(box, &QLineEdit::textEdited, this, [this, i](const QString& t) {
            logic_.rgb.setText(i, t);
            refresh();
        });
    }

    img색상표 = new PalettePicture(this);
    img색상표->setGeometry(292, 0, 396, 46);
    img색상표->pressed = [this](QPoint g) {
        sampleAt(g);
        editor_.mvColorDrag = true;
    };
    img색상표->moved = [this](QPoint g) {
        if (editor_.mvColorDrag) sampleAt(g);
    };
    img색상표->released = [this] { editor_.mvColorDrag = false; };
}

void ColourStrip::sampleAt(QPoint global) {
    // Inside the palette its own picture is exact, also where the screen
    // cannot be read; elsewhere the screen tells.
    const QPoint local = img색상표->mapFromGlobal(global);
    if (img색상표->rect().contains(local))
        takeColourSample(editor_, img색상표->colourAt(local));
    else
        sampleColourAt(editor_, global);
    refresh();
}

void ColourStrip::swatchDoubleClicked(ColourSide side) {
    const QString title =
        side == ColourSide::Fore ? QStringLiteral("전경색 선택") : QStringLiteral("배경색 선택");
    ColourValue c = swatchColour(editor_, side);
    const bool accepted = chooseColour && chooseColour(window(), title, c);
    if (accepted) swatchColour(editor_, side) = c & 0xFFFFFF;
    logic_.dialogClosed(side, accepted);
    refresh();
}

bool ColourStrip::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusIn) {
        auto* box = qobject_cast<QLineEdit*>(watched);
        // After the press that gave the focus has placed the cursor.
        if (box)
            QTimer::singleShot(0, box,
                               [box] { box->setSelection(0, box->text().trimmed().size()); });
    }
    return QFrame::eventFilter(watched, e);
}

void ColourStrip::refresh() {
    logic_.sync();
    picForeColor->setColour(editor_.foreColour);
    picBackColor->setColour(editor_.backColour);
    const bool fore = activeSide(editor_) == ColourSide::Fore;
    lblForeColorSelectLine->setVisible(fore);
    lblBackColorSelectLine->setVisible(!fore);
    cmd스포이드->setChecked(editor_.mvEyedropper);
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker b(hsbColor[i]);
        hsbColor[i]->setValue(logic_.rgb.bar(i));
        // Leaves the cursor alone in the box being typed in.
        if (txtColor[i]->text() != logic_.rgb.text(i)) txtColor[i]->setText(logic_.rgb.text(i));
    }
}

QCursor eyedropperCursor(const QString& appPath) {
    QPixmap icon(appPath + QStringLiteral("/커서/색상가져오기.ico"));
    if (icon.isNull()) icon = eyedropperPicture(32, 32);
    return QCursor(icon, 1, icon.height() - 2);
}

} // namespace zep
