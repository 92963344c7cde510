#pragma once
// frm문자입력: creates and edits text objects. The caller loads the element
// (a new one is the last text element) and runs the dialog modally.
#include "canvas/TextDialogLogic.h"

#include <QColor>
#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zep {

class ColourSwatch;
class Editor;

class TextDialog : public QDialog {
    Q_OBJECT
public:
    explicit TextDialog(Editor& editor, QWidget* parent = nullptr);

    bool mvNewObject = false;
    int mv문자Object = 0; // index in txt그리기

    // Asks for a colour; an invalid colour means cancelled. Defaults to
    // QColorDialog until the program's own colour window takes over.
    std::function<QColor(QWidget* parent, const QColor& initial)> chooseColour;

    // The first activation: fills the controls from the element. Runs once,
    // from the first show; callable earlier.
    void prepare();

public slots:
    void confirm();         // 확인
    void reject() override; // 취소, the close box and Escape

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    Editor& editor_;
    TextChoice choice_;
    bool prepared_ = false;
    bool finished_ = false;

    QLineEdit* txt문자;
    QComboBox* cbo문자0; // font
    QComboBox* cbo문자1; // size
    QCheckBox* chk문자[3];
    QRadioButton* opt방향[2];
    ColourSwatch* picForeColor;
    QPushButton* cmdButton[2];

    void buildControls();
    void place();
    void updatePreview();
    void sizeEntryChosen(int i);
    void sizeTyped(const QString& text);
    void fontChosen();
    void styleToggled(int i, bool on);
    void directionChosen(int i);
    void swatchClicked();
};

// Runs the dialog modally on element index of editor.doc.txt그리기.
void runTextDialog(QWidget* parent, Editor& editor, int index, bool isNew);

} // namespace zep
