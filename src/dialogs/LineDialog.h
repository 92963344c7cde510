#pragma once
// frm선그리기: the colour and width of an existing line, edited on a preview
// and copied onto the line by OK.
#include "canvas/LineShapeDialogLogic.h"
#include "dialogs/DialogSupport.h"

#include <QDialog>

class QPushButton;

namespace zep {

class ColourSwatch;
class Editor;
class LinePreview;

class LineDialog : public QDialog {
    Q_OBJECT
public:
    explicit LineDialog(Editor& editor, QWidget* parent = nullptr);

    int mv선Object = 0; // index in lin그리기

    // Opens the colour window for the swatch ("선색 선택").
    ColourChooser chooseColour;

    // The first activation: fills the controls from the line. Runs once,
    // from the first show; callable earlier.
    void prepare();
    const LineLook& preview() const;

public slots:
    void confirm();         // 확인
    void reject() override; // 취소, the close box and Escape

protected:
    void showEvent(QShowEvent* e) override;

private:
    Editor& editor_;
    bool prepared_ = false;
    bool finished_ = false;

    SelectingLineEdit* txt선;
    ColourSwatch* picForeColor;
    LinePreview* lin미리보기;
    QPushButton* cmdButton[2];

    void widthEdited(const QString& text);
    void swatchClicked();
};

// Runs the dialog modally on element index of editor.doc.lin그리기.
void runLineDialog(QWidget* parent, Editor& editor, int index);

} // namespace zep
