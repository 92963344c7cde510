#include "document/ZepFile.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

using namespace zep;
using zep::test::WindowFixture;

namespace {
void addShape(Editor& ed) {
    Document& d = ed.doc;
    const int n = d.loadElement(ObjectKind::Shape);
    auto& s = d.shp그리기[n];
    s.Left = 750, s.Top = 750, s.Width = 1500, s.Height = 750, s.Visible = true;
    d.growTable(ObjectKind::Shape, n);
    d.gShapeBase[n] = {1, 1000, 1000, 2000, 1000};
    d.appendToList(ObjectKind::Shape, n);
    d.mv내용수정 = true;
    // The reader keeps margins as whole twips; whole margins make the first
    // save already the fixed point of save and reopen.
    d.gMarginLeft = d.gMarginTop = d.gMarginRight = d.gMarginBottom = 737;
}

// Lines that differ, for readable failures.
std::string lineDiff(const QByteArray& a, const QByteArray& b) {
    const QList<QByteArray> la = a.split('\n'), lb = b.split('\n');
    std::string out;
    for (int i = 0; i < std::max(la.size(), lb.size()); ++i) {
        const QByteArray x = i < la.size() ? la[i] : "<none>", y = i < lb.size() ? lb[i] : "<none>";
        if (x != y) out += QString::fromUtf8(x + " | " + y).toStdString() + "\n";
    }
    return out;
}

QByteArray readAll(const QString& p) {
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(FileCommands, StartsUntitledA4At75) {
    WindowFixture f;
    EXPECT_EQ(f.w->windowTitle(), "Zephyra1.2[제목없음]");
    EXPECT_EQ(f.ed().doc.gZoom, 75);
    EXPECT_FLOAT_EQ(f.ed().doc.gPageWidth, 11907);
    EXPECT_FLOAT_EQ(f.ed().doc.gMarginLeft, 737.1f);
    EXPECT_FALSE(f.ed().doc.mv내용수정);
    EXPECT_EQ(f.w->zoomBox()->count(), 6);
    EXPECT_EQ(f.w->zoomBox()->currentText(), "75");
}

TEST(FileCommands, SaveOnUntitledAsksForANameAndAppendsZep) {
    WindowFixture f;
    addShape(f.ed());
    f.fileAnswers = {f.path("WORK/a")};
    f.w->RunToolbarButton(3);
    EXPECT_EQ(f.fileTitles, QStringList{"ZEP파일 저장"});
    const QString saved = f.path("WORK/a.ZEP");
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_EQ(f.w->windowTitle(), "Zephyra1.2[" + saved + "]");
    EXPECT_FALSE(f.ed().doc.mv내용수정);

    // A titled document saves without a dialog; a name ending .zep in any case gets nothing more.
    addShape(f.ed());
    f.w->RunToolbarButton(3);
    EXPECT_EQ(f.fileTitles.size(), 1);
    EXPECT_FALSE(f.ed().doc.mv내용수정);
    f.fileAnswers = {f.path("WORK/b.Zep")};
    f.w->files.SaveDocumentAs();
    EXPECT_TRUE(QFile::exists(f.path("WORK/b.Zep")));
}

TEST(FileCommands, OpenTakesNamesEndingInZepThatExist) {
    WindowFixture f;
    addShape(f.ed());
    const QByteArray bytes = serializeDocument(f.ed().doc, f.home.path());
    struct Case {
        QString name;
        bool opens;
    };
    for (const Case& c : {Case{"x.ZEP", true}, Case{"x.zep", true}, Case{"xzep", true},
                          Case{"x.txt", false}, Case{"gone.zep", false}}) {
        if (c.name != "gone.zep") {
            QFile out(f.path(c.name));
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(bytes);
        }
        f.ed().title = "Zephyra1.2[제목없음]";
        f.ed().doc.mv내용수정 = false;
        f.fileAnswers = {f.path(c.name)};
        EXPECT_EQ(f.w->files.OpenDocument(), c.opens) << c.name.toStdString();
        EXPECT_EQ(f.w->windowTitle() == "Zephyra1.2[" + f.path(c.name) + "]", c.opens)
            << c.name.toStdString();
    }
    // After Open, Save writes back to the opened file without a dialog.
    f.fileAnswers = {f.path("x.zep")};
    ASSERT_TRUE(f.w->files.OpenDocument());
    EXPECT_EQ(f.ed().doc.gZoom, 75);
    EXPECT_FLOAT_EQ(f.ed().doc.shp그리기[1].Left, 750);
    const int dialogs = f.fileTitles.size();
    f.ed().doc.mv내용수정 = true;
    EXPECT_TRUE(f.w->files.SaveDocument());
    EXPECT_EQ(f.fileTitles.size(), dialogs);
    EXPECT_EQ(lineDiff(readAll(f.path("x.zep")), bytes), "");
}

TEST(FileCommands, UnsavedChangesPrompt) {
    WindowFixture f;
    addShape(f.ed());
    // Cancel keeps everything.
    f.answers = {AnswerCancel};
    EXPECT_FALSE(f.w->files.NewDocument());
    ASSERT_EQ(f.prompts.size(), 1);
    EXPECT_EQ(f.prompts[0].title, "새파일");
    EXPECT_EQ(f.prompts[0].text, "내용을 저장하시겠습니까?");
    EXPECT_EQ(f.prompts[0].buttons, ButtonsYesNoCancel);
    EXPECT_EQ(f.ed().doc.mvObjectCount(), 1);
    EXPECT_TRUE(f.ed().doc.mv내용수정);
    // Yes, then cancelling the Save As dialog, must not throw the work away.
    f.answers = {AnswerYes};
    f.fileAnswers = {QString()};
    EXPECT_FALSE(f.w->files.NewDocument());
    EXPECT_EQ(f.ed().doc.mvObjectCount(), 1);
    f.answers = {AnswerYes};
    f.fileAnswers = {QString()};
    EXPECT_FALSE(f.w->files.OpenDocument());
    EXPECT_EQ(f.ed().doc.mvObjectCount(), 1);
    // No discards.
    f.answers = {AnswerNo};
    EXPECT_TRUE(f.w->files.NewDocument());
    EXPECT_EQ(f.ed().doc.mvObjectCount(), 0);
    EXPECT_FALSE(f.ed().doc.mv내용수정);
}

TEST(FileCommands, FailedSaveKeepsTheOldFileTheNameAndTheDirtyFlag) {
    WindowFixture f;
    addShape(f.ed());
    const QString good = f.path("WORK/keep.zep");
    f.fileAnswers = {good};
    ASSERT_TRUE(f.w->files.SaveDocumentAs());
    const QByteArray before = readAll(good);
    const QString title = f.w->windowTitle();

    // Save As into a folder that cannot exist (its parent is a file).
    QFile blocker(f.path("WORK/notadir"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    addShape(f.ed());
    f.prompts.clear();
    f.fileAnswers = {f.path("WORK/notadir/x.zep")};
    EXPECT_FALSE(f.w->files.SaveDocumentAs());
    ASSERT_EQ(f.prompts.size(), 1);
    EXPECT_TRUE(f.prompts[0].text.contains("x.zep"));
    EXPECT_EQ(f.ed().doc.mvFileName, good);
    EXPECT_EQ(f.w->windowTitle(), title);
    EXPECT_TRUE(f.ed().doc.mv내용수정);

    // Save over a path that turned into a folder: the message, nothing lost.
    QFile::remove(good);
    QDir().mkpath(good);
    f.prompts.clear();
    EXPECT_FALSE(f.w->files.SaveDocument());
    EXPECT_EQ(f.prompts.size(), 1);
    EXPECT_TRUE(f.ed().doc.mv내용수정);
    Q_UNUSED(before);
}

TEST(FileCommands, UnreadableFileEndsAsAnEmptyUntitledPageWithAMessage) {
    WindowFixture f;
    QDir().mkpath(f.path("folder.zep/x"));
    f.prompts.clear();
    EXPECT_FALSE(f.w->files.OpenPath(f.path("folder.zep")));
    ASSERT_EQ(f.prompts.size(), 1);
    EXPECT_TRUE(f.prompts[0].text.contains("folder.zep"));
    EXPECT_EQ(f.ed().doc.mvObjectCount(), 0);
    EXPECT_EQ(f.w->windowTitle(), "Zephyra1.2[제목없음]");
    EXPECT_GT(f.ed().doc.gPageWidth, 0);
}

TEST(FileCommands, MissingPictureIsToldOnceAndKeptThroughASave) {
    WindowFixture f;
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(Qt::red);
    const QString pic = f.path("이미지/red.bmp");
    ASSERT_TRUE(img.save(pic));
    Document& d = f.ed().doc;
    const int n = d.loadElement(ObjectKind::Picture);
    d.img그리기[n].picture = Picture::load(pic);
    d.img그리기[n].Width = d.img그리기[n].Height = 150;
    d.growTable(ObjectKind::Picture, n);
    d.gImageBase[n] = {pic, 100, 100, 200, 200};
    d.appendToList(ObjectKind::Picture, n);
    d.img배경 = Picture::load(pic);
    d.mvBackPicturePath = pic;
    d.gMarginLeft = d.gMarginTop = d.gMarginRight = d.gMarginBottom = 737;
    const QString file = f.path("WORK/pic.zep");
    f.fileAnswers = {file};
    ASSERT_TRUE(f.w->files.SaveDocumentAs());
    const QByteArray saved = readAll(file);
    EXPECT_TRUE(saved.contains("Picture=\\"));

    QFile::remove(pic);
    f.prompts.clear();
    ASSERT_TRUE(f.w->files.OpenPath(file));
    ASSERT_EQ(f.prompts.size(), 1);
    EXPECT_TRUE(f.prompts[0].text.contains("red.bmp"));
    ASSERT_EQ(f.ed().doc.mvObjectCount(), 1);
    EXPECT_TRUE(f.ed().doc.img그리기[1].picture.isPlaceholder());
    f.ed().doc.mv내용수정 = true;
    ASSERT_TRUE(f.w->files.SaveDocument());
    EXPECT_EQ(lineDiff(readAll(file), saved), "");
}

TEST(Shutdown, ClosePrompts) {
    struct Case {
        bool dirty;
        int answer;
        bool closes;
    };
    for (const Case& c : {Case{false, AnswerNo, false}, Case{false, AnswerYes, true},
                          Case{true, AnswerCancel, false}, Case{true, AnswerNo, true}}) {
        WindowFixture f;
        if (c.dirty) addShape(f.ed());
        f.answers = {c.answer};
        EXPECT_EQ(f.w->close(), c.closes);
        ASSERT_EQ(f.prompts.size(), 1);
        EXPECT_EQ(f.prompts[0].title, "종료");
        EXPECT_EQ(f.prompts[0].text,
                  c.dirty ? "내용을 저장하시겠습니까?" : "프로그램을 종료하시겠습니까?");
        EXPECT_EQ(f.prompts[0].defaultButton, c.dirty ? DefaultFirst : DefaultSecond);
    }
    // Yes on a changed, untitled page and then cancelling the save keeps the program open.
    WindowFixture f;
    addShape(f.ed());
    f.answers = {AnswerYes};
    f.fileAnswers = {QString()};
    EXPECT_FALSE(f.w->close());
    EXPECT_EQ(f.ed().doc.mvObjectCount(), 1);
}
