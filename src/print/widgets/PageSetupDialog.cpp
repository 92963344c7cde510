#include "print/widgets/PageSetupDialog.h"

#include "canvas/Editor.h"
#include "print/SheetPicture.h"
#include "print/widgets/DialogParts.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace zep {

namespace {

// Design positions are in twips; the screen has 15 twips to the pixel.
int px(int twips) {
    return (twips + 7) / 15;
}
QRect rectTw(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

QLabel* label(QWidget* parent, const QString& text, int x, int y, int w, int h = 315) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(rectTw(x, y, w, h));
    return l;
}

QLineEdit* mmBox(QWidget* parent, const QString& name, const QRect& at) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setGeometry(at);
    return e;
}

} // namespace

PageSetupDialog::PageSetupDialog(Editor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setObjectName(QStringLiteral("frm용지설정"));
    setWindowTitle(kPageSetupTitle);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();
    place();
}

PageSetupDialog::~PageSetupDialog() {
    // No leave rule for boxes that lose the focus while the window goes away.
    for (QLineEdit* e : txtSize)
        e->removeEventFilter(this);
    for (QLineEdit* e : txt여백)
        e->removeEventFilter(this);
}

void PageSetupDialog::buildControls() {
    const QString frameCaptions[3] = {QStringLiteral("용지종류"), QStringLiteral("용지방향"),
                                      QStringLiteral("용지여백")};
    const QRect frameRects[3] = {rectTw(15, 45, 2790, 1605), rectTw(15, 1695, 2790, 975),
                                 rectTw(2850, 45, 2790, 1605)};
    for (int i = 0; i < 3; ++i) {
        Frame1[i] = new QGroupBox(frameCaptions[i], this);
        Frame1[i]->setObjectName(QStringLiteral("Frame1%1").arg(i));
        Frame1[i]->setGeometry(frameRects[i]);
    }

    // Paper kind: the list, the two size boxes and the large sheet picture.
    QGroupBox* kind = Frame1[0];
    cbo종류 = new QComboBox(kind);
    cbo종류->setObjectName(QStringLiteral("cbo종류"));
    cbo종류->setEditable(false);
    cbo종류->setGeometry(rectTw(195, 330, 2460, 330));
    connect(cbo종류, &QComboBox::activated, this, [this](int i) { chooseEntry(i); });
    const QString sizeCaptions[2] = {QStringLiteral("폭 : "), QStringLiteral("높이 : ")};
    for (int i = 0; i < 2; ++i) {
        label(kind, sizeCaptions[i], 195, 840 + i * 405, 600);
        txtSize[i] =
            mmBox(kind, QStringLiteral("txtSize%1").arg(i), rectTw(795, 810 + i * 405, 1020, 315));
        txtSize[i]->installEventFilter(this);
        connect(txtSize[i], &QLineEdit::textEdited, this,
                [this, i](const QString& t) { state_.size[i] = t; });
    }

    // Margins, placed as on a page around the frame's centre.
    QGroupBox* margins = Frame1[2];
    const QString marginCaptions[4] = {QStringLiteral("위쪽 : "), QStringLiteral("아래쪽 : "),
                                       QStringLiteral("왼쪽 : "), QStringLiteral("오른쪽 : ")};
    const QPoint marginAt[4] = {{1050, 195}, {1050, 1200}, {195, 735}, {1905, 765}};
    const QRect captionAt[4] = {rectTw(300, 225, 735, 285), rectTw(150, 1230, 885, 285),
                                rectTw(195, 480, 720, 255), rectTw(1905, 510, 840, 255)};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(marginCaptions[i], margins);
        l->setGeometry(captionAt[i]);
        if (i < 2) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        txt여백[i] = mmBox(margins, QStringLiteral("txt여백%1").arg(i),
                           rectTw(marginAt[i].x(), marginAt[i].y(), 720, 315));
        txt여백[i]->installEventFilter(this);
        connect(txt여백[i], &QLineEdit::textEdited, this,
                [this, i](const QString& t) { state_.margin[i] = t; });
    }

    // Orientation: two options without text, each with a small sheet picture;
    // the large picture of the chosen orientation stands in the paper frame.
    QGroupBox* orient = Frame1[1];
    const int optionX[2] = {390, 1500};
    for (int i = 0; i < 2; ++i) {
        opt방향[i] = new QRadioButton(orient);
        opt방향[i]->setObjectName(QStringLiteral("opt방향%1").arg(i));
        opt방향[i]->setGeometry(rectTw(optionX[i], 480, 255, 255));
        opt방향[i]->setToolTip(i == 0 ? QStringLiteral("세로") : QStringLiteral("가로"));
        connect(opt방향[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) chooseOrientation(i);
        });
        img방향[i] = new ClickLabel(orient);
        img방향[i]->setObjectName(QStringLiteral("img방향%1").arg(i));
        img방향[i]->setPixmap(QPixmap::fromImage(sheetPicture(i == 1, 32)));
        img방향[i]->setAlignment(Qt::AlignCenter);
        img방향[i]->setGeometry(rectTw(optionX[i] + 315, 270, 540, 540));
        img방향[i]->setLineWidth(1);
        img방향[i]->setToolTip(opt방향[i]->toolTip());
        img방향[i]->clicked = [this, i] { chooseOrientation(i); };
    }
    for (int i = 2; i < 4; ++i) {
        img방향[i] = new ClickLabel(kind);
        img방향[i]->setObjectName(QStringLiteral("img방향%1").arg(i));
        img방향[i]->setPixmap(QPixmap::fromImage(sheetPicture(i == 3, 52)));
        img방향[i]->setAlignment(Qt::AlignCenter);
        img방향[i]->setGeometry(rectTw(1950, 735, 780, 810));
    }

    const QString buttonCaptions[2] = {QStringLiteral("확인"), QStringLiteral("취소")};
    for (int i = 0; i < 2; ++i) {
        cmdButton[i] = new QPushButton(buttonCaptions[i], this);
        cmdButton[i]->setObjectName(QStringLiteral("cmdButton%1").arg(i));
        cmdButton[i]->setGeometry(rectTw(2880 + i * 1395, 1740, 1365, 900));
        cmdButton[i]->setAutoDefault(false);
        cmdButton[i]->setDefault(false);
    }
    connect(cmdButton[0], &QPushButton::clicked, this, &PageSetupDialog::confirm);
    connect(cmdButton[1], &QPushButton::clicked, this, &PageSetupDialog::reject);

    setFixedSize(px(5670), px(2715));
    showState(state_);
}

void PageSetupDialog::place() {
    const QScreen* s = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect g = s ? s->geometry() : QRect(0, 0, 800, 600);
    move(g.x() + qRound((g.width() - width()) / 1.1), g.y() + px(2400));
}

void PageSetupDialog::showState(const PageSetupState& s) {
    {
        const QSignalBlocker b(cbo종류);
        if (cbo종류->count() != s.entries.size()) {
            cbo종류->clear();
            cbo종류->addItems(s.entries);
        }
        cbo종류->setCurrentIndex(s.entry);
    }
    for (int i = 0; i < 2; ++i) {
        if (txtSize[i]->text() != s.size[i]) txtSize[i]->setText(s.size[i]);
        txtSize[i]->setEnabled(s.sizeEnabled);
    }
    for (int i = 0; i < 4; ++i)
        if (txt여백[i]->text() != s.margin[i]) txt여백[i]->setText(s.margin[i]);
    for (int i = 0; i < 2; ++i) {
        const QSignalBlocker b(opt방향[i]);
        opt방향[i]->setChecked(s.orientation == i);
        // The small picture of the chosen orientation is framed.
        img방향[i]->setFrameShape(s.orientation == i ? QFrame::Box : QFrame::NoFrame);
        img방향[i + 2]->setVisible(s.orientation == i);
    }
}

void PageSetupDialog::prepare() {
    if (prepared_) return;
    prepared_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    state_ = openPageSetup(editor_.doc);
    showState(state_);
    QApplication::restoreOverrideCursor();
}

void PageSetupDialog::showEvent(QShowEvent* e) {
    prepare();
    // The normal pointer while it is open, over New's busy one.
    pointer_.take();
    QDialog::showEvent(e);
}

void PageSetupDialog::hideEvent(QHideEvent* e) {
    pointer_.release();
    QDialog::hideEvent(e);
}

void PageSetupDialog::chooseEntry(int entry) {
    zep::chooseEntry(state_, entry);
    showState(state_);
}

void PageSetupDialog::chooseOrientation(int option) {
    zep::chooseOrientation(state_, option);
    showState(state_);
}

void PageSetupDialog::typeSize(int box, const QString& text) {
    if (box < 0 || box > 1) return;
    txtSize[box]->setText(text);
    state_.size[box] = text;
    leaveBox(txtSize[box]);
}

void PageSetupDialog::typeMargin(int box, const QString& text) {
    if (box < 0 || box > 3) return;
    txt여백[box]->setText(text);
    state_.margin[box] = text;
    leaveBox(txt여백[box]);
}

void PageSetupDialog::leaveBox(QLineEdit* box) {
    const QString t = leaveBoxText(box->text());
    for (int i = 0; i < 2; ++i)
        if (box == txtSize[i]) state_.size[i] = t;
    for (int i = 0; i < 4; ++i)
        if (box == txt여백[i]) state_.margin[i] = t;
    if (box->text() != t) box->setText(t);
}

bool PageSetupDialog::eventFilter(QObject* o, QEvent* e) {
    if (auto* box = qobject_cast<QLineEdit*>(o)) {
        if (e->type() == QEvent::FocusIn) selectAllSoon(box);
        if (e->type() == QEvent::FocusOut) leaveBox(box);
    }
    return QDialog::eventFilter(o, e);
}

void PageSetupDialog::confirm() {
    // A box being edited is left first, as a click on the button does.
    if (auto* box = qobject_cast<QLineEdit*>(focusWidget())) leaveBox(box);
    refused_ = !confirmPageSetup(state_, editor_);
    if (!refused_) accept();
}

void PageSetupDialog::reject() {
    QDialog::reject();
}

void runPageSetup(QWidget* parent, Editor& editor) {
    PageSetupDialog dlg(editor, parent);
    dlg.exec();
}

void runPageSetup(QWidget* parent, Editor& editor,
                  const std::function<void(PageSetupDialog&)>& driver) {
    if (!driver) return runPageSetup(parent, editor);
    PageSetupDialog dlg(editor, parent);
    dlg.show();
    dlg.prepare();
    driver(dlg);
    if (dlg.isVisible()) dlg.reject();
    returnActivation(parent);
}

} // namespace zep
