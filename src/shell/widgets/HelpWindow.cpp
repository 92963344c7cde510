#include "shell/widgets/HelpWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QPointer>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace zep {

namespace {
QPointer<HelpWindow> gHelpWindow;
}

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Zephyra 도움말"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 620);

    browser_->setObjectName(QStringLiteral("helpBrowser"));
    // Web addresses belong in the user's browser, not in this window.
    browser_->setOpenExternalLinks(true);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("helpToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("뒤로"));
    QAction* forward =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("앞으로"));
    QAction* home =
        bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("처음"));
    back->setObjectName(QStringLiteral("helpBack"));
    forward->setObjectName(QStringLiteral("helpForward"));
    home->setObjectName(QStringLiteral("helpHome"));
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(home, &QAction::triggered, browser_, &QTextBrowser::home);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_);
}

bool HelpWindow::openFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) return false;
    // Relative links (a style sheet, pictures) resolve beside the guide.
    browser_->setSearchPaths({info.absolutePath()});
    browser_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    return true;
}

HelpWindow* HelpWindow::current() {
    return gHelpWindow.data();
}

bool ShowHelp(const QString& appPath, QWidget* owner) {
    const QString path = appPath + QStringLiteral("/zephelp.html");
    if (!QFileInfo(path).isFile()) return false;
    HelpWindow* w = gHelpWindow.data();
    const bool created = !w;
    if (created) w = new HelpWindow(owner);
    // Reopening the guide that is already shown keeps the reader's place.
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    const bool same = !created && w->browser()->source().adjusted(QUrl::RemoveFragment) == url;
    if (!same && !w->openFile(path)) {
        if (created) delete w;
        return false;
    }
    gHelpWindow = w;
    if (w->isMinimized())
        w->showNormal();
    else
        w->show();
    w->raise();
    w->activateWindow();
    return true;
}

} // namespace zep
