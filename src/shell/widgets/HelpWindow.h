#pragma once
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace zep {

// The user guide in a plain, non-modal window with back, forward and home.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner = nullptr);

    // Shows the file in the browser; false when it is not a readable file.
    bool openFile(const QString& path);
    QTextBrowser* browser() const { return browser_; }

    // The one open help window, or nullptr.
    static HelpWindow* current();

private:
    QTextBrowser* browser_;
};

// Opens appPath/zephelp.html in the shared help window, raising it when it is
// already open. A missing file is ignored silently: returns false, shows nothing.
bool ShowHelp(const QString& appPath, QWidget* owner);

} // namespace zep
