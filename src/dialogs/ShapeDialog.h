#pragma once
// frm도형그리기: border colour, fill colour, border width, transparent fill
// and rounded corners of an existing shape, edited on a preview and copied
// onto the shape by OK.
#include "canvas/LineShapeDialogLogic.h"
#include "dialogs/DialogSupport.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace zep {

class ColourSwatch;
class Editor;
class ShapePreview;

class ShapeDialog : public QDialog {
    Q_OBJECT
public:
    explicit ShapeDialog(Editor& editor, QWidget* parent = nullptr);

    int mv도형Object = 0; // index in shp그리기

    // Opens the colour window for a swatch ("선색 선택", "바탕색 선택").
    ColourChooser chooseColour;

    // The first activation: fills the controls from the shape. Runs once,
    // from the first show; callable earlier.
    void prepare();
    const ShapeLook& preview() const;

public slots:
    void confirm();         // 확인
    void reject() override; // 취소, the close box and Escape

protected:
    void showEvent(QShowEvent* e) override;

private:
    Editor& editor_;
    bool prepared_ = false;
    bool finished_ = false;

    SelectingLineEdit* txt굵기;
    ColourSwatch* picForeColor;
    ColourSwatch* picBackColor;
    QCheckBox* chk투명;
    QCheckBox* chk모서리둥글게;
    ShapePreview* shp미리보기;
    QPushButton* cmdButton[2];

    void setPreview(const ShapeLook& look);
    void widthEdited(const QString& text);
    void roundedToggled(bool on);
    void transparentToggled(bool on);
    void swatchClicked(ColourSwatch* swatch, const QString& title);
};

// Runs the dialog modally on element index of editor.doc.shp그리기.
void runShapeDialog(QWidget* parent, Editor& editor, int index);

} // namespace zep
