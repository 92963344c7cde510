#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QStandardPaths>

namespace zep {

namespace {
QString withoutTrailingSeparator(QString p) {
    while (p.size() > 1 && (p.endsWith('/') || p.endsWith('\\')))
        p.chop(1);
    return p;
}
} // namespace

QString findProgramFolder(const QString& envValue, const QStringList& recordFiles,
                          const QString& exeDir) {
    if (!envValue.trimmed().isEmpty()) return withoutTrailingSeparator(envValue.trimmed());
    for (const QString& rec : recordFiles) {
        QFile f(rec);
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QString path = QString::fromUtf8(f.readLine(4096)).trimmed();
        if (!path.isEmpty() && QDir(path).exists()) return withoutTrailingSeparator(path);
    }
    return withoutTrailingSeparator(exeDir);
}

QStringList installRecordFiles() {
    return {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                "/zephyra/home",
            QStringLiteral("/etc/zephyra/home"), QStringLiteral("/usr/local/etc/zephyra/home")};
}

void FontRegistry::registerFolder(const QString& programFolder) {
    const QDir dir(programFolder + QStringLiteral("/커서"));
    if (!dir.exists()) return;
    for (const QString& name : dir.entryList(QDir::Files)) {
        const int id = QFontDatabase::addApplicationFont(dir.filePath(name));
        if (id >= 0) ids_ << id;
    }
}

void FontRegistry::withdrawAll() {
    for (int id : ids_)
        QFontDatabase::removeApplicationFont(id);
    ids_.clear();
}

} // namespace zep
