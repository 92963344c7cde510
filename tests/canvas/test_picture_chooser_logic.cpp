#include "canvas/PictureChooserLogic.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zep;

namespace {

void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

} // namespace

TEST(PictureChooserLogic, PreviewFitsAtNaturalSizeElseFillsTheInnerFrame) {
    // The dialog's preview frame, 2850 x 2610 twips at 3585, 360.
    const QRectF frame(3585, 360, 2850, 2610);
    const QRectF inner(3615, 390, 2790, 2550);
    const struct {
        QSizeF natural;
        QRectF want;
        bool stretched;
    } cases[] = {
        {{600, 300}, {4710, 1515, 600, 300}, false},
        // As large as the frame is not larger: centred, over the inset.
        {{2850, 2610}, {3585, 360, 2850, 2610}, false},
        {{2851, 100}, inner, true},
        {{100, 2611}, inner, true},
        {{9000, 9000}, inner, true},
        {{0, 0}, {5010, 1665, 0, 0}, false},
    };
    for (const auto& c : cases) {
        const PreviewPlacement p = previewPlacement(c.natural, frame);
        EXPECT_EQ(p.rect, c.want) << c.natural.width() << " x " << c.natural.height();
        EXPECT_EQ(p.stretched, c.stretched) << c.natural.width() << " x " << c.natural.height();
    }
}

TEST(PictureChooserLogic, StartPathGivesFolderAndFileName) {
    QTemporaryDir tmp;
    const QString app = tmp.filePath("prog"), pics = tmp.filePath("pics");
    ASSERT_TRUE(QDir().mkpath(app + "/이미지"));
    ASSERT_TRUE(QDir().mkpath(pics + "/안쪽"));
    touch(pics + "/a.jpg");

    const struct {
        QString start;
        ChooserStart want;
    } cases[] = {
        {"", {app + "/이미지", ""}},
        {"   ", {app + "/이미지", ""}},
        {pics + "/a.jpg", {pics, "a.jpg"}},
        {pics + "/", {pics, ""}},
        {pics + "\\", {pics, ""}},
        {pics + "\\안쪽\\a.jpg", {pics + "/안쪽", "a.jpg"}},
        {pics + "/안쪽", {pics + "/안쪽", ""}}, // a folder without its separator
        {pics + "/없는파일.jpg", {pics, "없는파일.jpg"}},
        // Places that cannot be opened: the nearest one that can, no name.
        {pics + "/사라짐/더깊이/a.jpg", {pics, ""}},
        {pics + "/a.jpg/b.jpg", {pics, ""}},
        {"C:\\이미지\\a.jpg", {app + "/이미지", ""}},
        {"a.jpg", {app + "/이미지", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooserStart(c.start, app), c.want) << c.start.toStdString();

    // No 이미지 folder: the program folder itself.
    ASSERT_TRUE(QDir(app + "/이미지").removeRecursively());
    EXPECT_EQ(chooserStart("", app), (ChooserStart{app, ""}));
}

TEST(PictureChooserLogic, FolderErrorOnlyForWhatCannotBeListed) {
    QTemporaryDir tmp;
    touch(tmp.filePath("file.jpg"));
    EXPECT_EQ(folderError(tmp.path()), "");
    EXPECT_EQ(folderError("/"), "");
    for (const QString& bad :
         {tmp.filePath("gone"), tmp.filePath("file.jpg"), QString("rel"), QString()}) {
        const QString e = folderError(bad);
        EXPECT_FALSE(e.isEmpty()) << bad.toStdString();
        EXPECT_TRUE(e.contains(bad)) << e.toStdString();
    }
}

TEST(PictureChooserLogic, OnlyTheSixPictureTypesAreListedInAnyCase) {
    QTemporaryDir tmp;
    for (const char* name : {"a.jpg", "B.GIF", "c.bmp", "d.Wmf", "e.ico", "f.cur", "g.png",
                             "h.jpeg", "i.jpg.bak", "jpg", "k.txt", ".hidden.jpg"})
        touch(tmp.filePath(name));
    ASSERT_TRUE(QDir(tmp.path()).mkdir("folder.jpg"));
    EXPECT_EQ(pictureFiles(tmp.path()),
              QStringList({"a.jpg", "B.GIF", "c.bmp", "d.Wmf", "e.ico", "f.cur"}));
    EXPECT_EQ(subfolders(tmp.path()), QStringList({"folder.jpg"}));
}

TEST(PictureChooserLogic, StartEntryPrefersTheExactName) {
    const QStringList names = {" a.jpg", "a.jpg", "A.JPG", "b.jpg "};
    const std::pair<QString, int> cases[] = {{"a.jpg", 1}, {" a.jpg", 0}, {"a.jpg ", 1},
                                             {"A.JPG", 2}, {"b.jpg", 3},  {"B.jpg", -1},
                                             {"", -1}};
    for (const auto& [name, want] : cases)
        EXPECT_EQ(startEntry(names, name), want) << name.toStdString();
}

TEST(PictureChooserLogic, PlacesOnceEachAndTheDeepestHoldsTheFolder) {
    const QList<ChooserPlace> places =
        chooserPlaces("/home/ann/zep/", "/home/ann",
                      {{"/", "/"}, {"/home (data)", "/home"}, {"/media/usb", "/media/usb"}});
    QStringList paths;
    for (const ChooserPlace& p : places)
        paths << p.path;
    EXPECT_EQ(paths, QStringList({"/", "/home/ann", "/home/ann/zep", "/home", "/media/usb"}));

    const std::pair<QString, QString> cases[] = {
        {"/", "/"},
        {"/etc", "/"},
        {"/home/ann", "/home/ann"},
        {"/home/ann/pics", "/home/ann"},
        {"/home/ann/zep/이미지", "/home/ann/zep"},
        {"/home/ann2", "/home"}, // a prefix of the name is not inside
        {"/media/usb/a", "/media/usb"},
    };
    for (const auto& [folder, place] : cases) {
        const int i = placeIndexFor(places, folder);
        ASSERT_GE(i, 0) << folder.toStdString();
        EXPECT_EQ(places[i].path, place) << folder.toStdString();
    }
    EXPECT_EQ(placeIndexFor({{"/home", "/home"}}, "/etc"), -1);
}
