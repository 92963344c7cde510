#include "canvas/Editor.h"
#include "document/Page.h"
#include "editing/ObjectCommands.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zep;

namespace {

struct Host : EditorHost {
    QString chosen;
    QStringList starts;
    void runTextDialog(Editor&, int, bool) override {}
    QString runPictureChooser(const QString& start) override {
        starts << start;
        return chosen;
    }
    void showMessage(const QString&, const QString&) override {}
    QString openFileDialog(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileDialog(const QString&, const QString&, const QString&) override { return {}; }
};

struct Fixture {
    Host host;
    Editor ed{&host};
    ObjectCommands cmd{ed};
    explicit Fixture(int zoom = 100) {
        test::pinFonts();
        ApplyPageSize(ed.doc, 210, 297);
        ed.doc.gMarginLeft = ed.doc.gMarginTop = ed.doc.gMarginRight = ed.doc.gMarginBottom =
            737.1f;
        ed.doc.gZoom = zoom;
    }
    int shape(float l, float t, float w, float h) {
        Document& d = ed.doc;
        const int n = d.loadElement(ObjectKind::Shape);
        d.growTable(ObjectKind::Shape, n);
        d.gShapeBase[n] = {2, l, t, w, h};
        d.appendToList(ObjectKind::Shape, n);
        ApplyZoomAll();
        return n;
    }
    void ApplyZoomAll() {
        ed.ApplyZoom(ed.doc.gZoom);
        for (int i = 1; i <= ed.doc.count(ObjectKind::Shape); ++i)
            ed.doc.shp그리기[i].Visible = true;
    }
    void select(ObjectKind kind, int index) {
        ed.Deselect();
        ed.gSelObject = {kind, index};
        ed.gSelName = kindName(kind);
        ed.gSelIndex = index;
        ed.mf객체선택(ed.gSelName);
    }
    QList<int> order() const {
        QList<int> out;
        for (int k = 1; k <= ed.doc.mvObjectCount(); ++k)
            out << ed.doc.mvObjects[k].Index;
        return out;
    }
};

} // namespace

TEST(Stacking, TheFourMovesKeepEveryEntryOnce) {
    struct Case {
        int selected;
        void (ObjectCommands::*run)();
        QList<int> want;
    };
    const Case cases[] = {
        {3, &ObjectCommands::down, {1, 3, 2}},    {1, &ObjectCommands::up, {2, 1, 3}},
        {1, &ObjectCommands::toFront, {2, 3, 1}}, {3, &ObjectCommands::toBack, {3, 1, 2}},
        {1, &ObjectCommands::down, {1, 2, 3}},    {3, &ObjectCommands::up, {1, 2, 3}}};
    for (const Case& c : cases) {
        Fixture f;
        for (int i = 0; i < 3; ++i)
            f.shape(1000, 1000, 1000, 1000);
        f.select(ObjectKind::Shape, c.selected);
        (f.cmd.*c.run)();
        EXPECT_EQ(f.order(), c.want) << c.selected;
        EXPECT_TRUE(f.ed.doc.mv내용수정);
        // The one the list puts last is the one hit where all three overlap.
        f.ed.Deselect();
        f.ed.mf객체찾기(1500, 1500);
        EXPECT_EQ(f.ed.gSelIndex, c.want.last());
    }
}

TEST(Clipboard, ShapeCopiedAt50PastesAt100TwiceTheSizeAtTheMargin) {
    Fixture f(50);
    f.shape(3000, 4000, 2000, 1000);
    f.select(ObjectKind::Shape, 1);
    f.cmd.CopyCommand();
    EXPECT_TRUE(f.ed.pasteEnabled);
    f.ed.zoomBoxEdited("100");
    f.cmd.PasteCommand();
    ASSERT_EQ(f.ed.doc.count(ObjectKind::Shape), 2);
    const ShapeElement& s = f.ed.doc.shp그리기[2];
    EXPECT_FLOAT_EQ(s.Left, 837.1f);
    EXPECT_FLOAT_EQ(s.Width, 2000);
    EXPECT_FLOAT_EQ(f.ed.doc.gShapeBase[2].Height, 1000);
    EXPECT_EQ(f.ed.doc.gShapeBase[2].BorderWidth, 2);
    EXPECT_EQ(f.ed.doc.mvObjects.back(), (ObjectRef{kShapeName, 2}));
    EXPECT_EQ(f.ed.gSelIndex, 2);
}

TEST(Clipboard, LinePastesFromTheMarginCornerKeepingItsRun) {
    Fixture f;
    Document& d = f.ed.doc;
    const int n = d.loadElement(ObjectKind::Line);
    d.growTable(ObjectKind::Line, n);
    d.gLineBase[n] = {1, 2000, 3000, 5000, 3500};
    d.appendToList(ObjectKind::Line, n);
    f.ed.ApplyZoom(100);
    f.select(ObjectKind::Line, 1);
    f.cmd.CutCommand();
    EXPECT_EQ(d.count(ObjectKind::Line), 0);
    f.cmd.PasteCommand();
    ASSERT_EQ(d.count(ObjectKind::Line), 1);
    const LineElement& l = d.lin그리기[1];
    EXPECT_NEAR(l.X1, 837.1, 1e-3);
    EXPECT_NEAR(l.Y1, 837.1, 1e-3);
    EXPECT_NEAR(l.X2, 3837.1, 1e-3);
    EXPECT_NEAR(l.Y2, 1337.1, 1e-3);
    // A new document empties the buffer.
    f.ed.ResetDocument();
    EXPECT_FALSE(f.ed.pasteEnabled);
    f.ed.doc.gZoom = 100;
    f.cmd.PasteCommand();
    EXPECT_EQ(f.ed.doc.mvObjectCount(), 0);
}

TEST(Deletion, LaterElementsTakeOverTheGapAndNothingSelectedChangesNothing) {
    Fixture f;
    Document& d = f.ed.doc;
    for (const char* caption : {"하나", "둘", "셋"}) {
        const int n = d.loadElement(ObjectKind::Text);
        d.txt그리기[n].Caption = QString::fromUtf8(caption);
        d.txt그리기[n].Tag = QString::number(10 + n);
        d.growTable(ObjectKind::Text, n);
        d.gTextBase[n] = {static_cast<float>(10 + n), 100.0f * n, 100};
        d.appendToList(ObjectKind::Text, n);
    }
    f.ed.ApplyZoom(100);
    f.ed.mnu지우기_Click();
    EXPECT_FALSE(d.mv내용수정);
    f.select(ObjectKind::Text, 2);
    f.ed.mnu지우기_Click();
    ASSERT_EQ(d.count(ObjectKind::Text), 2);
    EXPECT_EQ(d.txt그리기[2].Caption, "셋");
    EXPECT_EQ(d.txt그리기[2].Tag, "13");
    EXPECT_FLOAT_EQ(d.gTextBase[2].Left, 300);
    EXPECT_EQ(d.mvObjects[2], (ObjectRef{kTextName, 2}));
    EXPECT_TRUE(f.ed.gSelName.isEmpty());
    EXPECT_EQ(f.ed.gSelIndex, 0);
}

TEST(PictureMenu, RestoreSizeAndChangePicture) {
    QTemporaryDir tmp;
    QImage img(100, 100, QImage::Format_RGB32); // 1500 x 1500 twips
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(tmp.filePath("a.bmp")));
    img.fill(Qt::blue);
    ASSERT_TRUE(img.save(tmp.filePath("b.bmp")));
    Fixture f(50);
    Document& d = f.ed.doc;
    const int n = d.loadElement(ObjectKind::Picture);
    d.img그리기[n].picture = Picture::load(tmp.filePath("a.bmp"));
    d.img그리기[n].Visible = true;
    d.growTable(ObjectKind::Picture, n);
    d.gImageBase[n] = {tmp.filePath("a.bmp"), 1000, 1000, 3000, 1000};
    d.appendToList(ObjectKind::Picture, n);
    f.ed.ApplyZoom(50);
    f.select(ObjectKind::Picture, 1);

    f.cmd.RestorePictureSize();
    EXPECT_FLOAT_EQ(d.img그리기[1].Width, 750);
    EXPECT_FLOAT_EQ(d.img그리기[1].Left, 500);
    EXPECT_FLOAT_EQ(d.gImageBase[1].Width, 1500);
    EXPECT_FLOAT_EQ(f.ed.marks.lin테두리[1].X1, 1250);

    d.mv내용수정 = false;
    f.host.chosen.clear();
    f.cmd.changePicture();
    EXPECT_EQ(f.host.starts.last(), tmp.filePath("a.bmp"));
    EXPECT_EQ(d.gImageBase[1].PicturePath, tmp.filePath("a.bmp"));
    EXPECT_FALSE(d.mv내용수정);
    f.host.chosen = tmp.filePath("b.bmp");
    f.cmd.changePicture();
    EXPECT_EQ(d.gImageBase[1].PicturePath, tmp.filePath("b.bmp"));
    EXPECT_FLOAT_EQ(d.gImageBase[1].Width, 1500);
    EXPECT_EQ(f.ed.mvPictureFolder, tmp.path() + "/");
    EXPECT_EQ(d.img그리기[1].picture.image().pixelColor(0, 0), QColor(Qt::blue));

    // The background: chosen, then cleared (the objects stay).
    f.host.chosen = tmp.filePath("a.bmp");
    f.cmd.changeBackground();
    EXPECT_EQ(d.mvBackPicturePath, tmp.filePath("a.bmp"));
    f.cmd.ClearBackground();
    EXPECT_TRUE(d.mvBackPicturePath.isEmpty());
    EXPECT_TRUE(d.img배경.isNull());
    EXPECT_EQ(d.count(ObjectKind::Picture), 1);
}
