#include "shell/CommandLine.h"
#include "shell/Fonts.h"
#include "shell/ProgramFolder.h"
#include "shell/widgets/MainWindow.h"
#include "shell/widgets/Splash.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <cstdio>
#include <memory>

namespace {

QString programFolder() {
    return zep::findProgramFolder(qEnvironmentVariable("ZEPHYRA_HOME"), zep::installRecordFiles(),
                                  QCoreApplication::applicationDirPath());
}

int runEditor(int argc, char** argv, const QString& startFile) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zephyra"));
    zep::installFontSubstitutions();
    auto fonts = std::make_unique<zep::FontRegistry>();
    QString appPath;
    const QString start =
        startFile.isEmpty() ? QString() : QDir::current().absoluteFilePath(startFile);
    auto* splash = new zep::Splash(
        [&] {
            appPath = programFolder();
            fonts->registerFolder(appPath);
        },
        [&] {
            auto* main = new zep::MainWindow(appPath);
            main->setAttribute(Qt::WA_DeleteOnClose);
            main->fonts = fonts.get();
            main->startFile = start;
            if (const QScreen* s = QGuiApplication::primaryScreen())
                main->setGeometry(s->availableGeometry());
            main->showMaximized();
        });
    splash->show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const zep::CommandLine cl = zep::parseCommandLine(args);
    switch (cl.mode) {
    case zep::CommandLine::Help:
        std::fputs(zep::usageText().toUtf8().constData(), stdout);
        return 0;
    case zep::CommandLine::Invalid:
        std::fprintf(stderr, "zephyra: %s\n\n%s", cl.error.toUtf8().constData(),
                     zep::usageText().toUtf8().constData());
        return 2;
    case zep::CommandLine::Export: {
        // No display is needed to export.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        zep::installFontSubstitutions();
        zep::FontRegistry fonts;
        const QString appPath = programFolder();
        fonts.registerFolder(appPath);
        const int rc = zep::runExport(cl, appPath);
        fonts.withdrawAll();
        return rc;
    }
    case zep::CommandLine::Edit:
        break;
    }
    return runEditor(argc, argv, cl.file);
}
