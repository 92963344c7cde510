#include "dialogs/ShapeDialog.h"

#include "colour/widgets/ColourDialog.h"

#include "canvas/Editor.h"
#include "colour/widgets/ColourSwatch.h"
#include "dialogs/ObjectPreview.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zep {

ShapeDialog::ShapeDialog(Editor& editor, QWidget* parent)
    : QDialog(parent), chooseColour(defaultColourChooser()), editor_(editor) {
    setObjectName(QStringLiteral("frm도형그리기"));
    setWindowTitle(QStringLiteral("도형그리기"));
    setModal(true);

    txt굵기 = new SelectingLineEdit(this);
    txt굵기->setObjectName(QStringLiteral("txt굵기"));
    txt굵기->setFixedSize(41, 21);
    connect(txt굵기, &QLineEdit::textChanged, this, &ShapeDialog::widthEdited);

    // The fill swatch lies behind the border swatch, offset down and right.
    auto* swatches = new QWidget(this);
    swatches->setFixedSize(66, 45);
    picBackColor = new ColourSwatch(swatches);
    picBackColor->setObjectName(QStringLiteral("picBackColor"));
    picBackColor->setGeometry(22, 14, 44, 31);
    picForeColor = new ColourSwatch(swatches);
    picForeColor->setObjectName(QStringLiteral("picForeColor"));
    picForeColor->setGeometry(0, 0, 44, 31);
    connect(picForeColor, &ColourSwatch::clicked, this,
            [this] { swatchClicked(picForeColor, QStringLiteral("선색 선택")); });
    connect(picBackColor, &ColourSwatch::clicked, this,
            [this] { swatchClicked(picBackColor, QStringLiteral("바탕색 선택")); });

    chk투명 = new QCheckBox(QStringLiteral("투명"), this);
    chk투명->setObjectName(QStringLiteral("chk투명"));
    setCaptionColour(chk투명, kCaptionOff);
    connect(chk투명, &QCheckBox::toggled, this, &ShapeDialog::transparentToggled);

    chk모서리둥글게 = new QCheckBox(QStringLiteral("모서리 둥글게"), this);
    chk모서리둥글게->setObjectName(QStringLiteral("chk모서리둥글게"));
    setCaptionColour(chk모서리둥글게, kCaptionOff);
    connect(chk모서리둥글게, &QCheckBox::toggled, this, &ShapeDialog::roundedToggled);

    shp미리보기 = new ShapePreview(this);
    shp미리보기->setFixedSize(129, 100);

    const QString captions[2] = {QStringLiteral("확인"), QStringLiteral("취소")};
    for (int i = 0; i < 2; ++i) {
        cmdButton[i] = new QPushButton(captions[i], this);
        cmdButton[i]->setObjectName(QStringLiteral("cmdButton%1").arg(i));
        cmdButton[i]->setFixedSize(74, 60);
    }
    cmdButton[0]->setDefault(true);
    connect(cmdButton[0], &QPushButton::clicked, this, &ShapeDialog::confirm);
    connect(cmdButton[1], &QPushButton::clicked, this, &ShapeDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("굵기 : "), this));
    left->addWidget(txt굵기);
    left->addSpacing(8);
    left->addWidget(new QLabel(QStringLiteral("색상 : "), this));
    left->addWidget(swatches);
    left->addWidget(chk투명);
    left->addStretch();

    auto* middle = new QVBoxLayout;
    middle->addWidget(chk모서리둥글게);
    middle->addWidget(shp미리보기);
    middle->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(cmdButton[0]);
    right->addWidget(cmdButton[1]);
    right->addStretch();

    auto* main = new QHBoxLayout(this);
    main->addLayout(left);
    main->addLayout(middle);
    main->addLayout(right);
    main->setSizeConstraint(QLayout::SetFixedSize);
    placeObjectDialog(this);
}

const ShapeLook& ShapeDialog::preview() const {
    return shp미리보기->look();
}

void ShapeDialog::setPreview(const ShapeLook& look) {
    shp미리보기->setLook(look);
}

void ShapeDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    prepare();
}

void ShapeDialog::prepare() {
    if (prepared_) return;
    prepared_ = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const ShapeLook look = shapeLookFrom(editor_.doc, mv도형Object);
    picForeColor->setColour(look.borderColour);
    picBackColor->setColour(look.backColour);
    setPreview(look);

    chk모서리둥글게->setVisible(offersRoundedCorners(look.shape));
    if (offersRoundedCorners(look.shape)) {
        chk모서리둥글게->setChecked(look.shape == ShapeRoundedRectangle);
        roundedToggled(chk모서리둥글게->isChecked());
    }
    chk투명->setChecked(look.backStyle == 0);
    transparentToggled(chk투명->isChecked());

    txt굵기->setText(QString::number(look.width));
    QGuiApplication::restoreOverrideCursor();
}

void ShapeDialog::widthEdited(const QString& text) {
    if (const auto w = typedBorderWidth(text)) {
        ShapeLook look = preview();
        look.width = *w;
        setPreview(look);
    }
}

void ShapeDialog::roundedToggled(bool on) {
    setCaptionColour(chk모서리둥글게, on ? kCaptionOn : kCaptionOff);
    ShapeLook look = preview();
    look.shape = on ? ShapeRoundedRectangle : ShapeRectangle;
    setPreview(look);
}

void ShapeDialog::transparentToggled(bool on) {
    setCaptionColour(chk투명, on ? kCaptionOn : kCaptionOff);
    ShapeLook look = preview();
    look.backStyle = on ? 0 : 1;
    setPreview(look);
}

void ShapeDialog::swatchClicked(ColourSwatch* swatch, const QString& title) {
    ColourValue c = swatch->colour();
    if (chooseColour && chooseColour(this, title, c)) swatch->setColour(c);
    ShapeLook look = preview();
    if (swatch == picForeColor)
        look.borderColour = swatch->colour();
    else
        look.backColour = swatch->colour();
    setPreview(look);
}

void ShapeDialog::confirm() {
    if (finished_) return;
    prepare();
    finished_ = true;
    confirmShape(editor_.doc, mv도형Object, preview());
    done(Accepted);
}

void ShapeDialog::reject() {
    finished_ = true;
    QDialog::reject();
}

void runShapeDialog(QWidget* parent, Editor& editor, int index) {
    ShapeDialog dlg(editor, parent);
    dlg.chooseColour = [&editor](QWidget* p, const QString& title, ColourValue& v) {
        return runColourDialog(p, editor, title, v);
    };
    dlg.mv도형Object = index;
    dlg.exec();
}

} // namespace zep
