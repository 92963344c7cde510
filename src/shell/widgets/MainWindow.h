#pragma once
// frmZEP: the one document window. It owns the editor and the document for
// the run, lays out the menus, tool bars, page view and colour panel, and
// turns their events into editor calls.
#include "canvas/Editor.h"
#include "document/FileCommands.h"
#include "editing/ObjectCommands.h"
#include "print/PrintSettings.h"
#include "shell/ProgramFolder.h"

#include <QMainWindow>
#include <QMap>
#include <memory>

class QAction;
class QActionGroup;
class QComboBox;
class QMenu;
class QToolBar;
class QToolButton;
class QFrame;
class QPrinter;

namespace zep {

class ColourStrip;
class PageView;
class StatusStrip;

class MainWindow : public QMainWindow, public EditorHost {
    Q_OBJECT
public:
    explicit MainWindow(const QString& appPath, QWidget* parent = nullptr);
    ~MainWindow() override;

    Editor editor;
    FileCommands files{editor, *this};
    ObjectCommands objects{editor};
    FontRegistry* fonts = nullptr; // withdrawn on an orderly exit

    bool mvStarted = false;
    int mvScreenWidth = 0;

    // Named controls, for the commands and for tests.
    QAction* action(const QString& objectName) const;
    QMenu* menu(const QString& objectName) const;
    QToolBar* commandBar() const { return tlb메뉴_; }
    QToolBar* toolPalette() const { return tlb편집메뉴_; }
    QComboBox* zoomBox() const { return cbo확대축소_; }
    QToolButton* zoomButton(int k) const { return cmd확대축소_[k]; }
    PageView* pageView() const { return view_; }
    ColourStrip* colourStrip() const { return colourStrip_; }
    QAction* commandButton(int n) const { return commandButtons_.value(n); }
    QAction* toolButton(int n) const { return toolButtons_.value(n); }

    // First activation: the zoom list and a new document.
    void firstActivation();
    void FitToWorkArea();
    void RunToolbarButton(int button);
    void runShowHelp();
    // A document named on the command line, opened after the first activation.
    QString startFile;
    // Tests answer prompts and dialogs through these instead of windows.
    std::function<int(const PromptRequest&)> promptOverride;

    // EditorHost
    void runTextDialog(Editor& editor, int index, bool isNew) override;
    QString runPictureChooser(const QString& start) override;
    void runPageSetup(Editor& editor) override;
    void showContextMenu(Editor& editor, ContextMenu menu, const ContextMenuState& state) override;
    void showHelp() override { runShowHelp(); }
    void runLineDialog(Editor& ed, int index) override;
    void runShapeDialog(Editor& ed, int index) override;
    void runSizeDialog(Editor& ed) override;
    void showMessage(const QString& title, const QString& text) override;
    QString openFileDialog(const QString& title, const QString& folder,
                           const QString& name) override;
    QString saveFileDialog(const QString& title, const QString& folder,
                           const QString& name) override;
    void setBusy(bool busy) override;
    void pageChanged() override;
    void layoutChanged() override;
    void statusChanged() override;
    void titleChanged() override;
    void toolChanged() override;
    void zoomBoxChanged() override;
    void pasteStateChanged() override;

    // Hooks for tests: what the last context menu offered.
    ContextMenu lastMenu = ContextMenu::Object;
    ContextMenuState lastMenuState;
    bool showMenus = true; // false: record the menu state without opening it
    std::function<QString(const QString&)> pictureChooserOverride;
    std::function<void(Editor&, int, bool)> textDialogOverride;
    std::function<QString(bool save, const QString& title)> fileDialogOverride;
    // Page setup (frm용지설정) and printer setup (frmPrinterSelect): tests run
    // them through these instead of the modal windows.
    std::function<void(Editor&)> pageSetupOverride;
    std::function<void(Editor&, PrintSettings&)> printerSetupOverride;

    // The system printer's settings for the run, as the printer setup left them.
    PrintSettings printSettings;
    // Sets gPrintCancelled, runs the printer setup on printSettings; returns
    // whether the user confirmed (print only then).
    bool runPrinterSetup();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void buildMenus();
    void buildCommandBar();
    void buildToolPalette();
    void buildColourPanel();
    void buildContextMenus();
    void connectObjectCommands();
    QAction* addItem(QMenu* m, const QString& name, const QString& caption,
                     const QKeySequence& key = {});
    QMenu* addMenu(QMenu* parent, const QString& name, const QString& caption);

    QMap<QString, QAction*> actions_;
    QMap<QString, QMenu*> menus_;
    QMap<int, QAction*> commandButtons_;
    QMap<int, QAction*> toolButtons_;
    QToolBar* tlb메뉴_ = nullptr;
    QToolBar* tlb편집메뉴_ = nullptr;
    QComboBox* cbo확대축소_ = nullptr;
    QToolButton* cmd확대축소_[2] = {nullptr, nullptr};
    StatusStrip* status_ = nullptr;
    PageView* view_ = nullptr;
    ColourStrip* colourStrip_ = nullptr;
    std::function<bool(QWidget*, Editor&, QPrinter&)> previousPrinterSetup_;
    int busyDepth_ = 0;
    bool closing_ = false;
    bool startFileOpened_ = false;
};

} // namespace zep
