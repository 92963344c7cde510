#include "colour/widgets/ColourDialog.h"

#include "canvas/Editor.h"
#include "colour/widgets/ColourStrip.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

namespace zep {

namespace {

constexpr int kField = 255;
constexpr int kRampHeight = 14; // 210 twips

// Red grows downwards, green falls to the right, blue falls downwards:
// cyan, blue, yellow and red in the four corners.
QImage colourFieldPicture() {
    QImage img(kField, kField, QImage::Format_RGB32);
    for (int y = 0; y < kField; ++y)
        for (int x = 0; x < kField; ++x)
            img.setPixel(x, y, qRgb(y, 255 - x, 255 - y));
    return img;
}

QImage greyRampPicture() {
    QImage img(kField, kRampHeight, QImage::Format_RGB32);
    for (int x = 0; x < kField; ++x)
        for (int y = 0; y < kRampHeight; ++y)
            img.setPixel(x, y, qRgb(255 - x, 255 - x, 255 - x));
    return img;
}

QWidget* panel(QWidget* parent, const QString& name, QRect at) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameStyle(QFrame::Panel | QFrame::Raised);
    f->setGeometry(at);
    return f;
}

} // namespace

ColourField::ColourField(QImage picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {
    setFixedSize(picture_.size());
}

ColourValue ColourField::colourAt(QPoint pos) const {
    return picture_.valid(pos) ? fromQColor(picture_.pixelColor(pos)) : 0;
}

void ColourField::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

void ColourField::mousePressEvent(QMouseEvent* e) {
    // The field's own picture is what the screen shows there.
    if (picked && picture_.valid(e->position().toPoint()))
        picked(colourAt(e->position().toPoint()));
}

ColourDialog::ColourDialog(QWidget* parent, const QString& appPath) : QDialog(parent) {
    setObjectName(QStringLiteral("frm색상선택"));
    setWindowTitle(QStringLiteral("색상선택"));
    setModal(true);
    rgb.barMoved = [this](int) { showPreview(rgb.mix()); };
    build(appPath);
}

void ColourDialog::build(const QString& appPath) {
    Label1_0 = new QLabel(QStringLiteral("전경색 선택"), this);
    Label1_0->setObjectName(QStringLiteral("Label1_0"));
    Label1_0->setGeometry(4, 1, 200, 14);

    // The frame around both fields: their size and 3 pixels on every side.
    const int frameHeight = kField + kRampHeight + 6;
    auto* frame = new QLabel(this);
    frame->setObjectName(QStringLiteral("Label1_2"));
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setGeometry(0, 16, kField + 6, frameHeight);

    const QCursor pointer = eyedropperCursor(appPath);
    picColor[0] = new ColourField(colourFieldPicture(), this);
    picColor[1] = new ColourField(greyRampPicture(), this);
    picColor[0]->move(3, 19);
    picColor[1]->move(3, 19 + kField);
    for (int i = 0; i < 2; ++i) {
        picColor[i]->setObjectName(QStringLiteral("picColor%1").arg(i));
        picColor[i]->setCursor(pointer);
        picColor[i]->picked = [this](ColourValue c) { pick(c); };
    }

    // Right column: buttons over the preview and the RGB controls.
    const int left = kField + 7, colourHeight = 172;
    const int buttonHeight = (frameHeight - colourHeight - 6) / 2;
    const int buttonPanelHeight = 2 * buttonHeight + 6;
    QWidget* buttons =
        panel(this, QStringLiteral("sspnlButtonBack"), QRect(left, 16, 78, buttonPanelHeight));
    const QString captions[2] = {QStringLiteral("확인"), QStringLiteral("취소")};
    for (int i = 0; i < 2; ++i) {
        cmdButton[i] = new QPushButton(captions[i], buttons);
        cmdButton[i]->setObjectName(QStringLiteral("cmdButton%1").arg(i));
        cmdButton[i]->setGeometry(3, 3 + i * buttonHeight, 72, buttonHeight);
    }
    cmdButton[0]->setDefault(true);
    connect(cmdButton[0], &QPushButton::clicked, this, &ColourDialog::confirm);
    connect(cmdButton[1], &QPushButton::clicked, this, &ColourDialog::reject);

    QWidget* colours = panel(this, QStringLiteral("sspnlColorBack"),
                             QRect(left, 16 + buttonPanelHeight, 78, colourHeight));
    picPreview = new QWidget(colours);
    picPreview->setObjectName(QStringLiteral("picPreview"));
    picPreview->setAutoFillBackground(true);
    picPreview->setGeometry(0, 0, 78, 59);

    QFont small = font();
    small.setPixelSize(11);
    const char* names[3] = {"R", "G", "B"};
    for (int i = 0; i < 3; ++i) {
        const int x = 26 * i;
        auto* label = new QLabel(QString::fromLatin1(names[i]), colours);
        label->setObjectName(QStringLiteral("Label1_%1").arg(5 - i));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(x, 59, 25, 14);

        auto* box = new QLineEdit(colours);
        box->setObjectName(QStringLiteral("txtColor%1").arg(i));
        box->setAlignment(Qt::AlignRight);
        box->setMaxLength(3);
        box->setFont(small);
        box->setTextMargins(0, 0, 0, 0);
        box->setGeometry(x, 73, 25, 16);
        box->installEventFilter(this);
        txtColor[i] = box;
        connect(box, &QLineEdit::textEdited, this, [this, i](const QString& t) {
            rgb.setText(i, t);
            showControls();
        });

        auto* bar = new QScrollBar(Qt::Vertical, colours);
        bar->setObjectName(QStringLiteral("vsbColor%1").arg(i));
        bar->setRange(0, 255); // 0 at the top
        bar->setSingleStep(1);
        bar->setPageStep(5);
        bar->setGeometry(x + 1, 89, 23, 82);
        vsbColor[i] = bar;
        connect(bar, &QScrollBar::valueChanged, this, [this, i](int v) {
            rgb.setBar(i, v);
            showControls();
        });
    }

    setFixedSize(left + 78 + 5, 16 + buttonPanelHeight + colourHeight + 2);
    const QScreen* s = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect g = s ? s->geometry() : QRect(0, 0, 800, 600);
    move(g.x() + qRound((g.width() - width()) / 1.1), g.y() + 287); // 4300 twips
    showPreview(0);
}

void ColourDialog::setTitle(const QString& title) {
    Label1_0->setText(title);
}

void ColourDialog::setColour(ColourValue c) {
    showPreview(c & 0xFFFFFF);
}

void ColourDialog::showPreview(ColourValue c) {
    preview_ = c;
    QPalette p = picPreview->palette();
    p.setColor(QPalette::Window, toQColor(c));
    picPreview->setPalette(p);
}

void ColourDialog::pick(ColourValue c) {
    showPreview(c);
    rgb.showColour(c); // the bars follow and end on c
    showPreview(c);
    showControls();
}

void ColourDialog::showControls() {
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker b(vsbColor[i]);
        vsbColor[i]->setValue(rgb.bar(i));
        if (txtColor[i]->text() != rgb.text(i)) txtColor[i]->setText(rgb.text(i));
    }
}

void ColourDialog::confirm() {
    accept();
}

bool ColourDialog::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, box,
                               [box] { box->setSelection(0, box->text().trimmed().size()); });
    }
    return QDialog::eventFilter(watched, e);
}

bool runColourDialog(QWidget* parent, Editor& editor, const QString& title, ColourValue& inOut) {
    ColourDialog d(parent, editor.module.gAppPath);
    d.setTitle(title);
    d.setColour(inOut);
    if (d.exec() != QDialog::Accepted) return false;
    inOut = d.colour();
    return true;
}

} // namespace zep
