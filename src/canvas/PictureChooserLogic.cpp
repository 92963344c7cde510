#include "canvas/PictureChooserLogic.h"

#include "canvas/TextDialogLogic.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>

namespace zep {

namespace {

bool opens(const QString& folder) {
    return folderError(folder).isEmpty();
}

QString parentOf(const QString& folder) {
    return QFileInfo(folder).path();
}

} // namespace

QString joinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    if (folder.endsWith(QLatin1Char('/'))) return folder + name;
    return folder + QLatin1Char('/') + name;
}

ChooserStart chooserStart(const QString& start, const QString& appPath) {
    const QString images = joinPath(appPath, QStringLiteral("이미지"));
    ChooserStart s;
    if (trimBlanks(start).isEmpty()) {
        s.folder = images;
    } else {
        QString p = start;
        p.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (QDir::isAbsolutePath(p) && QFileInfo(p).isDir()) {
            s.folder = p;
        } else {
            const qsizetype slash = p.lastIndexOf(QLatin1Char('/'));
            s.folder = p.left(slash + 1);
            s.fileName = p.mid(slash + 1);
        }
    }
    if (!s.folder.isEmpty()) s.folder = QDir::cleanPath(s.folder);
    if (opens(s.folder)) return s;

    // A start folder that has gone (or a path from another system) must not
    // leave the chooser without a place to show.
    s.fileName.clear();
    if (QDir::isAbsolutePath(s.folder)) {
        QString up = s.folder;
        while (up != QLatin1String("/")) {
            up = parentOf(up);
            if (opens(up)) {
                s.folder = up;
                return s;
            }
        }
    }
    for (const QString& f : {images, appPath, QDir::homePath(), QStringLiteral("/")}) {
        const QString clean = f.isEmpty() ? f : QDir::cleanPath(f);
        if (opens(clean)) {
            s.folder = clean;
            return s;
        }
    }
    s.folder = QStringLiteral("/");
    return s;
}

QString folderError(const QString& path) {
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return QStringLiteral("'%1'은(는) 올바른 폴더 경로가 아닙니다.").arg(path);
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("'%1' 폴더를 찾을 수 없습니다.").arg(path);
    if (!info.isDir()) return QStringLiteral("'%1'은(는) 폴더가 아닙니다.").arg(path);
    // Permission bits do not tell the whole story (ACLs, root, mounts that
    // went away): only listing it does.
    DIR* d = opendir(QFile::encodeName(path).constData());
    if (d) {
        closedir(d);
        return {};
    }
    const int err = errno;
    const QString why = err == EACCES ? QStringLiteral("권한이 없습니다")
                                      : QString::fromLocal8Bit(std::strerror(err));
    return QStringLiteral("'%1' 폴더를 열 수 없습니다: %2").arg(path, why);
}

const QStringList& pictureFilePatterns() {
    static const QStringList patterns = {QStringLiteral("*.jpg"), QStringLiteral("*.gif"),
                                         QStringLiteral("*.bmp"), QStringLiteral("*.wmf"),
                                         QStringLiteral("*.ico"), QStringLiteral("*.cur")};
    return patterns;
}

QStringList pictureFiles(const QString& folder) {
    // Without QDir::CaseSensitive the patterns ignore case: A.JPG is listed.
    return QDir(folder).entryList(pictureFilePatterns(), QDir::Files,
                                  QDir::Name | QDir::IgnoreCase);
}

QStringList subfolders(const QString& folder) {
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

int startEntry(const QStringList& names, const QString& fileName) {
    if (fileName.isEmpty()) return -1;
    if (const qsizetype i = names.indexOf(fileName); i >= 0) return int(i);
    const QString want = trimBlanks(fileName);
    if (want.isEmpty()) return -1;
    if (const qsizetype i = names.indexOf(want); i >= 0) return int(i);
    for (int i = 0; i < names.size(); ++i)
        if (trimBlanks(names[i]) == want) return i;
    return -1;
}

QList<ChooserPlace> chooserPlaces(const QString& appPath, const QString& home,
                                  const QList<ChooserPlace>& volumes) {
    QList<ChooserPlace> all = {
        {QStringLiteral("/"), QStringLiteral("/")},
        {QStringLiteral("%1 (홈)").arg(home), home},
        {QStringLiteral("%1 (프로그램)").arg(appPath), appPath},
    };
    all += volumes;
    QList<ChooserPlace> out;
    for (ChooserPlace p : all) {
        if (p.path.isEmpty()) continue;
        p.path = QDir::cleanPath(p.path);
        const bool seen = std::any_of(out.begin(), out.end(),
                                      [&](const ChooserPlace& q) { return q.path == p.path; });
        if (!seen) out.append(p);
    }
    return out;
}

QList<ChooserPlace> mountedVolumePlaces() {
    QList<ChooserPlace> out;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid()) continue;
        const QString root = v.rootPath();
        // Containers bind-mount single files; those are no place to browse.
        if (!QFileInfo(root).isDir()) continue;
        const QString name = v.name();
        out.append({name.isEmpty() ? root : QStringLiteral("%1 (%2)").arg(root, name), root});
    }
    return out;
}

int placeIndexFor(const QList<ChooserPlace>& places, const QString& folder) {
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < places.size(); ++i) {
        const QString& p = places[i].path;
        // "/home/ann2" is not inside "/home/ann".
        const bool inside = p == QLatin1String("/")
                                ? folder.startsWith(QLatin1Char('/'))
                                : folder == p || folder.startsWith(p + QLatin1Char('/'));
        if (inside && p.size() > bestLength) {
            best = i;
            bestLength = p.size();
        }
    }
    return best;
}

PreviewPlacement previewPlacement(const QSizeF& natural, const QRectF& frame) {
    const double w = qMax(0.0, natural.width()), h = qMax(0.0, natural.height());
    const QRectF inner =
        frame.adjusted(kPreviewInset, kPreviewInset, -kPreviewInset, -kPreviewInset);
    if (w > frame.width() || h > frame.height()) return {inner, true};
    return {QRectF(inner.left() + inner.width() / 2 - w / 2,
                   inner.top() + inner.height() / 2 - h / 2, w, h),
            false};
}

} // namespace zep
