#include "dialogs/LineDialog.h"

#include "colour/widgets/ColourDialog.h"

#include "canvas/Editor.h"
#include "colour/widgets/ColourSwatch.h"
#include "dialogs/ObjectPreview.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zep {

LineDialog::LineDialog(Editor& editor, QWidget* parent)
    : QDialog(parent), chooseColour(defaultColourChooser()), editor_(editor) {
    setObjectName(QStringLiteral("frm선그리기"));
    setWindowTitle(QStringLiteral("선그리기"));
    setModal(true);

    txt선 = new SelectingLineEdit(this);
    txt선->setObjectName(QStringLiteral("txt선"));
    txt선->setFixedSize(41, 21);
    connect(txt선, &QLineEdit::textChanged, this, &LineDialog::widthEdited);

    picForeColor = new ColourSwatch(this);
    picForeColor->setObjectName(QStringLiteral("picForeColor"));
    picForeColor->setFixedSize(47, 21);
    connect(picForeColor, &ColourSwatch::clicked, this, &LineDialog::swatchClicked);

    lin미리보기 = new LinePreview(this);
    lin미리보기->setFixedSize(246, 40);

    const QString captions[2] = {QStringLiteral("확인"), QStringLiteral("취소")};
    for (int i = 0; i < 2; ++i) {
        cmdButton[i] = new QPushButton(captions[i], this);
        cmdButton[i]->setObjectName(QStringLiteral("cmdButton%1").arg(i));
    }
    cmdButton[0]->setDefault(true);
    connect(cmdButton[0], &QPushButton::clicked, this, &LineDialog::confirm);
    connect(cmdButton[1], &QPushButton::clicked, this, &LineDialog::reject);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("굵기 : "), this), 0, 0);
    fields->addWidget(new QLabel(QStringLiteral("색상 : "), this), 0, 1);
    fields->addWidget(txt선, 1, 0);
    fields->addWidget(picForeColor, 1, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(fields);
    top->addStretch();
    top->addWidget(cmdButton[0], 0, Qt::AlignTop);
    top->addWidget(cmdButton[1], 0, Qt::AlignTop);

    auto* main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addWidget(lin미리보기);
    main->setSizeConstraint(QLayout::SetFixedSize);
    placeObjectDialog(this);
}

const LineLook& LineDialog::preview() const {
    return lin미리보기->look();
}

void LineDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    prepare();
}

void LineDialog::prepare() {
    if (prepared_) return;
    prepared_ = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const LineLook look = lineLookFrom(editor_.doc, mv선Object);
    picForeColor->setColour(look.colour);
    lin미리보기->setLook(look);
    txt선->setText(QString::number(look.width));
    QGuiApplication::restoreOverrideCursor();
}

void LineDialog::widthEdited(const QString& text) {
    if (const auto w = typedBorderWidth(text)) {
        LineLook look = preview();
        look.width = *w;
        lin미리보기->setLook(look);
    }
}

void LineDialog::swatchClicked() {
    ColourValue c = picForeColor->colour();
    if (chooseColour && chooseColour(this, QStringLiteral("선색 선택"), c))
        picForeColor->setColour(c);
    LineLook look = preview();
    look.colour = picForeColor->colour();
    lin미리보기->setLook(look);
}

void LineDialog::confirm() {
    if (finished_) return;
    prepare();
    finished_ = true;
    confirmLine(editor_.doc, mv선Object, preview());
    done(Accepted);
}

void LineDialog::reject() {
    finished_ = true;
    QDialog::reject();
}

void runLineDialog(QWidget* parent, Editor& editor, int index) {
    LineDialog dlg(editor, parent);
    dlg.chooseColour = [&editor](QWidget* p, const QString& title, ColourValue& v) {
        return runColourDialog(p, editor, title, v);
    };
    dlg.mv선Object = index;
    dlg.exec();
}

} // namespace zep
