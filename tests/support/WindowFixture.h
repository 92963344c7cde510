#pragma once
// A real main window started as the program starts it, with prompts and file
// dialogs answered by the test.
#include "print/widgets/PageSetupDialog.h"
#include "print/widgets/PrinterSetupDialog.h"
#include "shell/widgets/MainWindow.h"
#include "support/TestSupport.h"

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>

namespace zep::test {

struct WindowFixture {
    QTemporaryDir home;
    std::unique_ptr<MainWindow> w;
    std::deque<int> answers;         // prompt answers, in order; OK when empty
    QList<PromptRequest> prompts;    // what was asked
    std::deque<QString> fileAnswers; // file dialog results ("" = cancel)
    QStringList fileTitles;
    // Page setup and printer setup run the real dialogs without blocking: each
    // opening takes the next driver, which works the dialog and ends it with
    // confirm() or reject(); with none left the dialog is cancelled. The
    // system printer setup behind "변경" answers cancelled unless a driver
    // replaces PrinterSetupDialog::systemSetup.
    std::deque<std::function<void(PageSetupDialog&)>> pageSetupDrivers;
    std::deque<std::function<void(PrinterSetupDialog&)>> printerSetupDrivers;
    int pageSetupRuns = 0, printerSetupRuns = 0;

    WindowFixture();
    Editor& ed() { return w->editor; }
    QString path(const QString& name) const { return home.filePath(name); }
};

} // namespace zep::test
