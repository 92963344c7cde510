#include "dialogs/TextDialog.h"

#include "colour/widgets/ColourDialog.h"

#include "canvas/Editor.h"
#include "colour/widgets/ColourSwatch.h"
#include "shell/Fonts.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zep {

namespace {

const QColor kCaptionOn(255, 0, 0);
const QColor kCaptionOff(0, 0, 0);

void setCaptionColour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

QComboBox* makeCombo(QWidget* parent, const QString& name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    // Typed text is never added to the list, and the size box must see
    // exactly what was typed, not a completion of it.
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);
    c->setMaxVisibleItems(16);
    return c;
}

} // namespace

TextDialog::TextDialog(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
    setObjectName(QStringLiteral("frm문자입력"));
    setWindowTitle(QStringLiteral("문자입력"));
    setModal(true);
    chooseColour = [](QWidget* p, const QColor& initial) {
        return QColorDialog::getColor(initial, p, QStringLiteral("글자색 선택"));
    };
    buildControls();
    place();
}

void TextDialog::buildControls() {
    txt문자 = new QLineEdit(this);
    txt문자->setObjectName(QStringLiteral("txt문자"));
    txt문자->setFixedSize(460, 110);
    txt문자->setAutoFillBackground(true);
    connect(txt문자, &QLineEdit::textChanged, this, [this](const QString& t) { choice_.text = t; });
    connect(txt문자, &QLineEdit::returnPressed, this, &TextDialog::confirm);

    cbo문자0 = makeCombo(this, QStringLiteral("cbo문자0"));
    cbo문자0->setFixedWidth(220);
    connect(cbo문자0, &QComboBox::activated, this, [this](int) { fontChosen(); });

    cbo문자1 = makeCombo(this, QStringLiteral("cbo문자1"));
    cbo문자1->setFixedWidth(80);
    connect(cbo문자1, &QComboBox::activated, this, &TextDialog::sizeEntryChosen);
    connect(cbo문자1->lineEdit(), &QLineEdit::textEdited, this, &TextDialog::sizeTyped);

    const QString styleCaptions[3] = {QStringLiteral("굵게(&B)"), QStringLiteral("밑줄(&U)"),
                                      QStringLiteral("기울임(&I)")};
    for (int i = 0; i < 3; ++i) {
        chk문자[i] = new QCheckBox(styleCaptions[i], this);
        chk문자[i]->setObjectName(QStringLiteral("chk문자%1").arg(i));
        setCaptionColour(chk문자[i], kCaptionOff);
        connect(chk문자[i], &QCheckBox::toggled, this, [this, i](bool on) { styleToggled(i, on); });
    }

    auto* directions = new QWidget(this);
    const QString directionCaptions[2] = {QStringLiteral("가로쓰기"), QStringLiteral("세로쓰기")};
    auto* directionRow = new QHBoxLayout(directions);
    directionRow->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 2; ++i) {
        opt방향[i] = new QRadioButton(directionCaptions[i], directions);
        opt방향[i]->setObjectName(QStringLiteral("opt방향%1").arg(i));
        setCaptionColour(opt방향[i], kCaptionOff);
        connect(opt방향[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) directionChosen(i);
        });
        // A click on the option already chosen still sends focus to the text.
        connect(opt방향[i], &QRadioButton::clicked, this, [this, i] { directionChosen(i); });
        directionRow->addWidget(opt방향[i]);
    }
    directionRow->addStretch();

    picForeColor = new ColourSwatch(this);
    picForeColor->setObjectName(QStringLiteral("picForeColor"));
    picForeColor->setFixedSize(40, 22);
    connect(picForeColor, &ColourSwatch::clicked, this, &TextDialog::swatchClicked);

    const QString buttonCaptions[2] = {QStringLiteral("확인"), QStringLiteral("취소")};
    for (int i = 0; i < 2; ++i) {
        cmdButton[i] = new QPushButton(buttonCaptions[i], this);
        cmdButton[i]->setObjectName(QStringLiteral("cmdButton%1").arg(i));
        // Enter means OK only in the text box; no button is the default.
        cmdButton[i]->setAutoDefault(false);
        cmdButton[i]->setDefault(false);
    }
    connect(cmdButton[0], &QPushButton::clicked, this, &TextDialog::confirm);
    connect(cmdButton[1], &QPushButton::clicked, this, &TextDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("글꼴 : "), this), 0, 0);
    grid->addWidget(cbo문자0, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("크기 : "), this), 0, 2);
    grid->addWidget(cbo문자1, 0, 3);
    auto* styles = new QHBoxLayout;
    for (QCheckBox* c : chk문자)
        styles->addWidget(c);
    styles->addStretch();
    grid->addLayout(styles, 1, 0, 1, 4);
    grid->addWidget(directions, 2, 0, 1, 2);
    auto* colourRow = new QHBoxLayout;
    colourRow->addStretch();
    colourRow->addWidget(new QLabel(QStringLiteral("색상 : "), this));
    colourRow->addWidget(picForeColor);
    grid->addLayout(colourRow, 2, 2, 1, 2);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdButton[0]);
    buttons->addWidget(cmdButton[1]);

    auto* main = new QVBoxLayout(this);
    main->addWidget(txt문자);
    main->addLayout(grid);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);
}

void TextDialog::place() {
    adjustSize();
    const QScreen* s = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect g = s ? s->geometry() : QRect(0, 0, 800, 600);
    move(g.x() + qRound((g.width() - width()) / 1.1), g.y() + 160);
}

void TextDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    prepare();
}

void TextDialog::prepare() {
    if (prepared_) return;
    prepared_ = true;
    Document& doc = editor_.doc;
    if (mv문자Object < 1 || mv문자Object > doc.count(ObjectKind::Text)) return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const TextElement& t = doc.txt그리기[mv문자Object];
    choice_ = textChoiceFrom(t);

    picForeColor->setColour(t.ForeColor);
    opt방향[choice_.vertical ? 1 : 0]->setChecked(true);
    txt문자->setText(choice_.text);
    updatePreview();

    fillFontNames(editor_.module);
    cbo문자0->addItems(editor_.module.gFontNames);
    cbo문자0->setCurrentIndex(cbo문자0->findText(t.FontName, Qt::MatchExactly));
    cbo문자0->setEditText(t.FontName);

    for (int v : textSizes())
        cbo문자1->addItem(QString::number(v));
    const int entry = textSizeEntry(choice_.size);
    cbo문자1->setCurrentIndex(entry);
    sizeEntryChosen(entry);

    chk문자[0]->setChecked(t.FontBold);
    chk문자[1]->setChecked(t.FontUnderline);
    chk문자[2]->setChecked(t.FontItalic);
    QGuiApplication::restoreOverrideCursor();
}

void TextDialog::updatePreview() {
    txt문자->setFont(documentFont(choice_.fontName, choice_.size, choice_.bold, choice_.italic,
                                  choice_.underline));
    QPalette p = txt문자->palette();
    p.setColor(QPalette::Text, toQColor(choice_.colour));
    p.setColor(QPalette::Base, toQColor(previewBackground(choice_.colour)));
    txt문자->setPalette(p);
}

void TextDialog::sizeEntryChosen(int i) {
    if (i < 0 || i >= kTextSizeCount) return;
    choice_.size = textSizes()[i];
    updatePreview();
}

void TextDialog::sizeTyped(const QString& text) {
    if (const auto v = typedTextSize(text)) {
        choice_.size = *v;
        updatePreview();
    }
}

void TextDialog::fontChosen() {
    choice_.fontName = trimBlanks(cbo문자0->currentText());
    updatePreview();
}

void TextDialog::styleToggled(int i, bool on) {
    setCaptionColour(chk문자[i], on ? kCaptionOn : kCaptionOff);
    if (i == 0)
        choice_.bold = on;
    else if (i == 1)
        choice_.underline = on;
    else
        choice_.italic = on;
    updatePreview();
}

void TextDialog::directionChosen(int i) {
    setCaptionColour(opt방향[i], kCaptionOn);
    setCaptionColour(opt방향[1 - i], kCaptionOff);
    choice_.vertical = i == 1;
    txt문자->setFocus();
}

void TextDialog::swatchClicked() {
    if (chooseColour) {
        const QColor c = chooseColour(this, toQColor(picForeColor->colour()));
        if (c.isValid()) picForeColor->setColour(fromQColor(c));
    }
    choice_.colour = picForeColor->colour();
    updatePreview();
}

void TextDialog::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // The text box has already taken its Enter as OK; elsewhere only a
        // button with the focus answers it.
        if (auto* b = qobject_cast<QPushButton*>(focusWidget())) b->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TextDialog::confirm() {
    if (finished_) return;
    prepare();
    finished_ = true;
    confirmText(editor_, mv문자Object, mvNewObject, choice_);
    done(Accepted);
}

void TextDialog::reject() {
    if (!finished_) {
        finished_ = true;
        cancelText(editor_, mvNewObject);
    }
    QDialog::reject();
}

void runTextDialog(QWidget* parent, Editor& editor, int index, bool isNew) {
    TextDialog dlg(editor, parent);
    dlg.chooseColour = [&editor](QWidget* p, const QColor& initial) {
        ColourValue v = fromQColor(initial);
        return runColourDialog(p, editor, QStringLiteral("글자색 선택"), v) ? toQColor(v)
                                                                            : QColor();
    };
    dlg.mvNewObject = isNew;
    dlg.mv문자Object = index;
    dlg.exec();
}

} // namespace zep
