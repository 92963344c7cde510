#include "shell/Fonts.h"
#include "shell/ProgramFolder.h"
#include "shell/widgets/MainWindow.h"
#include "shell/widgets/Splash.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zephyra"));
    zep::installFontSubstitutions();

    QString startFile;
    const QStringList args = app.arguments().mid(1);
    if (!args.isEmpty()) startFile = args.first();

    auto fonts = std::make_unique<zep::FontRegistry>();
    QString appPath;
    zep::MainWindow* main = nullptr;
    auto* splash = new zep::Splash(
        [&] {
            appPath = zep::findProgramFolder(qEnvironmentVariable("ZEPHYRA_HOME"), zep::installRecordFiles(),
                                             QApplication::applicationDirPath());
            fonts->registerFolder(appPath);
        },
        [&] {
            main = new zep::MainWindow(appPath);
            main->setAttribute(Qt::WA_DeleteOnClose);
            main->fonts = fonts.get();
            if (!startFile.isEmpty()) main->startFile = QDir::current().absoluteFilePath(startFile);
            if (const QScreen* s = QGuiApplication::primaryScreen()) main->setGeometry(s->availableGeometry());
            main->showMaximized();
        });
    splash->show();
    return app.exec();
}
