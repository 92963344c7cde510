#pragma once
// frm용지설정 (caption "용지설정"): paper size (named or custom), orientation
// and margins of the page. It reads the page when it first shows and writes it
// back only on OK (ApplyPageSize, gLandscape, margins, ApplyZoom). The rules
// live in print/PageSetupLogic; this window shows their state.
#include "print/PageSetupLogic.h"
#include "print/widgets/DialogParts.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zep {

class Editor;

class PageSetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit PageSetupDialog(Editor& editor, QWidget* parent = nullptr);
    ~PageSetupDialog() override;

    // The first activation: fills the controls from the page. Runs once, from
    // the first show; callable earlier.
    void prepare();
    const PageSetupState& state() const { return state_; }

    // What a user does, for drivers and tests (the controls do the same).
    void chooseEntry(int entry);                 // cbo종류
    void chooseOrientation(int option);          // opt방향 0 or 1, or a click on img방향 0 or 1
    void typeSize(int box, const QString& text); // txtSize 0 or 1, then leave it
    void typeMargin(int box, const QString& text); // txt여백 0..3, then leave it

    // Whether the last OK was refused with the message.
    bool refused() const { return refused_; }

public slots:
    void confirm();         // 확인
    void reject() override; // 취소, the close box and Escape

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    Editor& editor_;
    PageSetupState state_;
    bool prepared_ = false;
    bool refused_ = false;
    NormalPointer pointer_;

    QGroupBox* Frame1[3];
    QComboBox* cbo종류;
    QLineEdit* txtSize[2];
    QLineEdit* txt여백[4];
    QRadioButton* opt방향[2];
    ClickLabel* img방향[4];
    QPushButton* cmdButton[2];

    void buildControls();
    void place();
    void showState(const PageSetupState& s); // state to controls, without their signals
    void leaveBox(QLineEdit* box);
};

// Runs the dialog modally on the editor's page.
void runPageSetup(QWidget* parent, Editor& editor);

// The same without blocking, for tests and scripted use: the dialog is shown,
// prepared and handed to driver, which works its controls and ends it with
// confirm() or reject(); a dialog still open afterwards is cancelled.
void runPageSetup(QWidget* parent, Editor& editor,
                  const std::function<void(PageSetupDialog&)>& driver);

} // namespace zep
