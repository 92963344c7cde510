#pragma once
// The rules of the picture chooser without its widgets: where it starts, what
// it lists, which places it offers and where the preview sits.
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace zep {

// Where the chooser opens: a folder (clean, absolute, no trailing separator
// except the root) and the file name to highlight there ("" for none).
struct ChooserStart {
    QString folder;
    QString fileName;
    bool operator==(const ChooserStart&) const = default;
};

// Splits the start path the caller hands over: a full file path, a folder
// path ending in "/" or "\" (both are separators), an existing folder, or
// blank for the 이미지 folder of the program folder. A folder that cannot be
// opened gives way to its nearest ancestor that can, else to the 이미지
// folder, the program folder, the home folder or the root; the file name is
// dropped then, since it named a file elsewhere.
ChooserStart chooserStart(const QString& start, const QString& appPath);

// Why a folder cannot be listed, in the program's words; "" when it can.
QString folderError(const QString& path);

// The file list's patterns, matched without regard to letter case.
const QStringList& pictureFilePatterns();

// The picture files of a folder and its subfolders, by name, ignoring case.
QStringList pictureFiles(const QString& folder);
QStringList subfolders(const QString& folder);

// The file-list entry the start highlights: the one named exactly so, else
// one equal to it without surrounding blanks; -1 for none.
int startEntry(const QStringList& names, const QString& fileName);

// The full path of a file in a folder, one separator between them.
QString joinPath(const QString& folder, const QString& name);

// An entry of the place list that stands in for drive letters.
struct ChooserPlace {
    QString label;
    QString path;
    bool operator==(const ChooserPlace&) const = default;
};

// The root, the home folder, the program folder and the mounted volumes, in
// that order, each path once.
QList<ChooserPlace> chooserPlaces(const QString& appPath, const QString& home,
                                  const QList<ChooserPlace>& volumes);
// The mounted volumes as places (the root paths of real file systems).
QList<ChooserPlace> mountedVolumePlaces();

// The place a folder lies in: the one with the longest path that is the
// folder or one of its ancestors; -1 when none is.
int placeIndexFor(const QList<ChooserPlace>& places, const QString& folder);

// The preview inside its frame (both in twips): at natural size, centred in
// the frame less 30 twips on every side, unless wider or taller than the
// frame itself; then stretched over that inner area.
struct PreviewPlacement {
    QRectF rect;
    bool stretched = false;
};
inline constexpr double kPreviewInset = 30;
PreviewPlacement previewPlacement(const QSizeF& natural, const QRectF& frame);

} // namespace zep
