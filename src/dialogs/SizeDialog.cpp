#include "dialogs/SizeDialog.h"

#include "canvas/Editor.h"
#include "dialogs/DialogSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zep {

namespace {

// A bracket joining the two rows: they move together.
QPixmap lockPicture() {
    QPixmap pm(12, 44);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QPen(QColor(160, 0, 0), 2));
    p.drawLine(1, 4, 8, 4);
    p.drawLine(8, 4, 8, 40);
    p.drawLine(1, 40, 8, 40);
    p.setBrush(QColor(160, 0, 0));
    p.drawEllipse(QPointF(8, 22), 3, 3);
    return pm;
}

} // namespace

SizeDialog::SizeDialog(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
    setObjectName(QStringLiteral("frm크기조절"));
    setWindowTitle(QStringLiteral("Size조절"));
    setModal(true);

    auto* frame = new QGroupBox(QStringLiteral("크기조절"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    const QString captions[2] = {QStringLiteral("폭 : "), QStringLiteral("높이 : ")};
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(captions[i], frame);
        label->setObjectName(QStringLiteral("Label1%1").arg(i));
        txt크기[i] = new SelectingLineEdit(frame);
        txt크기[i]->setObjectName(QStringLiteral("txt크기%1").arg(i));
        txt크기[i]->setFixedWidth(90);
        cbo크기[i] = new QComboBox(frame);
        cbo크기[i]->setObjectName(QStringLiteral("cbo크기%1").arg(i));
        grid->addWidget(label, i, 0);
        grid->addWidget(txt크기[i], i, 1);
        grid->addWidget(cbo크기[i], i, 2);

        connect(txt크기[i], &SelectingLineEdit::focused, this, [this, i] { form_.focused(i); });
        connect(txt크기[i], &QLineEdit::textChanged, this, [this, i](const QString& t) {
            if (writing_) return;
            form_.textChanged(i, t);
            showForm();
        });
        connect(cbo크기[i], &QComboBox::currentIndexChanged, this, [this, i](int unit) {
            if (writing_) return;
            form_.unitChosen(i, unit);
            showForm();
        });
    }
    img비율제한 = new QLabel(frame);
    img비율제한->setObjectName(QStringLiteral("img비율제한"));
    img비율제한->setPixmap(lockPicture());
    img비율제한->setVisible(false);
    grid->addWidget(img비율제한, 0, 3, 2, 1);
    grid->setColumnMinimumWidth(3, 12);

    chk비율제한 = new QCheckBox(QStringLiteral("비율제한"), this);
    chk비율제한->setObjectName(QStringLiteral("chk비율제한"));
    setCaptionColour(chk비율제한, kCaptionOff);
    connect(chk비율제한, &QCheckBox::toggled, this, &SizeDialog::lockToggled);

    const QString buttonCaptions[2] = {QStringLiteral("확인"), QStringLiteral("취소")};
    for (int i = 0; i < 2; ++i) {
        cmdButton[i] = new QPushButton(buttonCaptions[i], this);
        cmdButton[i]->setObjectName(QStringLiteral("cmdButton%1").arg(i));
    }
    cmdButton[0]->setDefault(true);
    connect(cmdButton[0], &QPushButton::clicked, this, &SizeDialog::confirm);
    connect(cmdButton[1], &QPushButton::clicked, this, &SizeDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chk비율제한);
    buttons->addStretch();
    buttons->addWidget(cmdButton[0]);
    buttons->addWidget(cmdButton[1]);

    auto* main = new QVBoxLayout(this);
    main->addWidget(frame);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);
    placeObjectDialog(this);
}

void SizeDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    prepare();
}

void SizeDialog::prepare() {
    if (prepared_) return;
    prepared_ = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    form_.open(editor_.doc, mvObject);
    writing_ = true;
    for (int i = 0; i < 2; ++i) {
        cbo크기[i]->clear();
        cbo크기[i]->addItems(sizeUnitNames());
        cbo크기[i]->setCurrentIndex(UnitCentimetre);
        txt크기[i]->setEnabled(form_.rows[i].enabled);
        cbo크기[i]->setEnabled(form_.rows[i].enabled);
    }
    writing_ = false;
    chk비율제한->setEnabled(form_.rows[0].enabled && form_.rows[1].enabled);
    showForm();
    QGuiApplication::restoreOverrideCursor();
}

void SizeDialog::showForm() {
    writing_ = true;
    for (int i = 0; i < 2; ++i) {
        // Rewriting the box being typed in would move its cursor.
        if (txt크기[i]->text() != form_.rows[i].text) txt크기[i]->setText(form_.rows[i].text);
        if (cbo크기[i]->currentIndex() != form_.rows[i].unit)
            cbo크기[i]->setCurrentIndex(form_.rows[i].unit);
    }
    writing_ = false;
}

void SizeDialog::lockToggled(bool on) {
    form_.setLocked(on);
    setCaptionColour(chk비율제한, on ? kCaptionOn : kCaptionOff);
    img비율제한->setVisible(on);
}

void SizeDialog::confirm() {
    if (finished_) return;
    prepare();
    finished_ = true;
    form_.apply(editor_.doc);
    done(Accepted);
}

void SizeDialog::reject() {
    finished_ = true;
    QDialog::reject();
}

void runSizeDialog(QWidget* parent, Editor& editor) {
    const ElementRef e = editor.gSelObject;
    const QString name = editor.gSelName.trimmed();
    if (name.isEmpty() || !editor.doc.exists(e)) return;
    editor.HideSelectionMarks();
    {
        SizeDialog dlg(editor, parent);
        dlg.mvObject = e;
        dlg.exec();
    }
    editor.mf객체선택(name);
}

} // namespace zep
