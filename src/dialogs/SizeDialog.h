#pragma once
// frm크기조절: the width and height of a picture or shape, or the length of
// a line, typed in one of six units, with an optional ratio lock.
#include "canvas/SizeDialogLogic.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace zep {

class Editor;
class SelectingLineEdit;

class SizeDialog : public QDialog {
    Q_OBJECT
public:
    explicit SizeDialog(Editor& editor, QWidget* parent = nullptr);

    ElementRef mvObject; // the element to size

    // The first activation: fills the rows from the element. Runs once, from
    // the first show; callable earlier.
    void prepare();
    const SizeForm& form() const { return form_; }

public slots:
    void confirm();         // 확인
    void reject() override; // 취소, the close box and Escape

protected:
    void showEvent(QShowEvent* e) override;

private:
    Editor& editor_;
    SizeForm form_;
    bool prepared_ = false;
    bool finished_ = false;
    bool writing_ = false; // the program is writing the boxes

    SelectingLineEdit* txt크기[2];
    QComboBox* cbo크기[2];
    QCheckBox* chk비율제한;
    QLabel* img비율제한;
    QPushButton* cmdButton[2];

    void showForm();
    void lockToggled(bool on);
};

// The "Size조절" items of the object and picture menus: sizes the current
// selection (gSelObject) in the dialog, then brings its marks up to date.
void runSizeDialog(QWidget* parent, Editor& editor);

} // namespace zep
