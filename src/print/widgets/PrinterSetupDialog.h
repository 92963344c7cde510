#pragma once
// frmPrinterSelect (caption "프린터 설정"): comes up before every print. Shows
// the default printer (refreshed every 200 ms), the paper, the page's
// orientation and the copies; "변경" opens the system printer setup. OK writes
// the PrintSettings and clears gPrintCancelled; Cancel sets it.
#include "print/PrinterSetupLogic.h"
#include "print/widgets/DialogParts.h"

#include <QDialog>
#include <functional>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QPrinter;
class QPushButton;
class QTimer;

namespace zep {

class Editor;

class PrinterSetupDialog : public QDialog {
    Q_OBJECT
public:
    PrinterSetupDialog(Editor& editor, PrintSettings& settings, QWidget* parent = nullptr);
    ~PrinterSetupDialog() override;

    // The system printer setup dialog, shown by "변경" on the printer object;
    // returns whether the user confirmed. Defaults to QPrintDialog; tests
    // replace it.
    std::function<bool(QPrinter& printer, QWidget* parent)> systemSetup;

    // The first activation. Runs once, from the first show; callable earlier.
    void prepare();
    const PrinterSetupState& state() const { return state_; }

    // The timer's work: the printer's name, or a notice that there is none.
    void refreshPrinter();
    // The label's text when no printer is installed (e.g. without cupsd).
    static QString noPrinterText();

    // What a user does, for drivers and tests (the controls do the same).
    void choosePaper(int entry);

    // The result of the last OK.
    PrinterSetupResult lastResult() const { return lastResult_; }

public slots:
    void confirm();         // 확인
    void changePrinter();   // 변경
    void reject() override; // 취소, the close box and Escape

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    Editor& editor_;
    PrintSettings& settings_;
    PrinterSetupState state_;
    std::unique_ptr<QPrinter> printer_;
    bool prepared_ = false;
    NormalPointer pointer_;
    PrinterSetupResult lastResult_ = PrinterSetupResult::Failed;

    QGroupBox* Frame[4];
    QLabel* lbl기본프린터;
    QPushButton* cmdButton1; // 변경
    QTimer* tmrlblPrinter;
    QComboBox* cbo용지;
    NumberBox* txt용지Size[2];
    ClickLabel* sspnl용지Size[2];
    QLabel* lbl인쇄방향;
    QLabel* img인쇄방향;
    NumberBox* txt매수;
    QPushButton* cmdButton[3]; // 1 확인, 2 취소 (0 unused)

    void buildControls();
    void readControls();
};

// Runs the dialog modally. gPrintCancelled is set while it is open and
// cleared by OK; returns whether the user confirmed (print only then).
bool runPrinterSetup(QWidget* parent, Editor& editor, PrintSettings& settings);

// The same without blocking, for tests and scripted use: the dialog is shown,
// prepared and handed to driver, which ends it with confirm() or reject(); a
// dialog still open afterwards is cancelled. The system setup answers
// "cancelled" unless the driver replaces it.
bool runPrinterSetup(QWidget* parent, Editor& editor, PrintSettings& settings,
                     const std::function<void(PrinterSetupDialog&)>& driver);

} // namespace zep
