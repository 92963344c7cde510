#include "canvas/Editor.h"
#include "dialogs/PictureChooser.h"
#include "document/PictureWriters.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace zep;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

void writeBmp(const QString& path, int w, int h, QColor c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    ASSERT_TRUE(img.save(path, "BMP"));
}

// As a user double clicks: QTest's double click alone is no second press.
void doubleClick(QListWidget* list, QListWidgetItem* item) {
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

class PictureChooserTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString app, images, pics;
    Editor editor;
    QList<PromptRequest> prompts;
    std::unique_ptr<PictureChooser> dlg;

    // prog/이미지: 표지.bmp. pics: 빨강.bmp (40 x 20), 작은.wmf (720 x 360
    // twips), 큰.bmp (300 x 300), 깨진.jpg (not a picture), 안쪽/b.bmp.
    void SetUp() override {
        app = tmp.filePath("prog");
        images = app + "/이미지";
        pics = tmp.filePath("pics");
        ASSERT_TRUE(QDir().mkpath(images));
        ASSERT_TRUE(QDir().mkpath(pics + "/안쪽"));
        writeBmp(images + "/표지.bmp", 10, 10, Qt::blue);
        writeBmp(pics + "/빨강.bmp", 40, 20, Qt::red);
        writeFile(pics + "/작은.wmf", WmfWriter().finish(0, QRect(0, 0, 720, 360), 1440));
        writeBmp(pics + "/큰.bmp", 300, 300, Qt::green);
        writeFile(pics + "/깨진.jpg", "not a picture");
        writeBmp(pics + "/안쪽/b.bmp", 10, 10, Qt::blue);
        editor.module.gAppPath = app;
        editor.module.prompter = [this](const PromptRequest& r) {
            prompts << r;
            return int(AnswerOK);
        };
    }

    PictureChooser& open(const QString& start) {
        dlg = std::make_unique<PictureChooser>(editor);
        dlg->mvBfrPictureName = start;
        dlg->show();
        return *dlg;
    }

    template <typename T> T* child(const char* name) {
        T* w = dlg->findChild<T*>(QString::fromUtf8(name));
        if (!w) ADD_FAILURE() << "no control " << name;
        return w;
    }
    QListWidget* files() { return child<QListWidget>("file그림열기"); }
    QListWidget* folders() { return child<QListWidget>("dir그림열기"); }
    QComboBox* places() { return child<QComboBox>("drv그림열기"); }
    QWidget* preview() { return child<QWidget>("img미리보기"); }
    QRect frame() { return child<QLabel>("lbl미리보기")->geometry(); }

    QStringList fileNames() {
        QStringList out;
        for (int i = 0; i < files()->count(); ++i)
            out << files()->item(i)->text();
        return out;
    }
    QString highlighted() {
        const auto sel = files()->selectedItems();
        return sel.isEmpty() ? QString() : sel.first()->text();
    }
    QListWidgetItem* fileItem(const QString& name) {
        const auto found = files()->findItems(name, Qt::MatchExactly);
        if (found.isEmpty()) ADD_FAILURE() << "no file " << name.toStdString();
        return found.isEmpty() ? nullptr : found.first();
    }
    QListWidgetItem* folderItem(const QString& path) {
        for (int i = 0; i < folders()->count(); ++i)
            if (folders()->item(i)->data(Qt::UserRole).toString() == path)
                return folders()->item(i);
        ADD_FAILURE() << "no folder " << path.toStdString();
        return nullptr;
    }
    void clickFile(const QString& name) {
        QListWidgetItem* it = fileItem(name);
        ASSERT_TRUE(it);
        QTest::mouseClick(files()->viewport(), Qt::LeftButton, {},
                          files()->visualItemRect(it).center());
    }
    void doubleClickFolder(const QString& path) {
        QListWidgetItem* it = folderItem(path);
        ASSERT_TRUE(it);
        doubleClick(folders(), it);
        QApplication::processEvents();
    }
    void click(const char* name) {
        auto* b = child<QPushButton>(name);
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }
    int placeOf(const QString& path) { return places()->findData(path); }
};

TEST_F(PictureChooserTest, BlankStartOpensTheImageFolderWithNothingToReturn) {
    open("  ");
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frm그림열기"));
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("그림열기"));
    EXPECT_TRUE(dlg->isModal());
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    EXPECT_EQ(dlg->pos(), QPoint(qRound((screenWidth - dlg->width()) / 1.1), 160));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "busy pointer left on";
    EXPECT_EQ(child<QLabel>("Label1_0")->text(), QStringLiteral("[미리보기]"));
    EXPECT_EQ(child<QPushButton>("cmdButton0")->text(), QStringLiteral("열기"));
    EXPECT_EQ(child<QPushButton>("cmdButton1")->text(), QStringLiteral("취소"));
    EXPECT_EQ(frame().size(), QSize(190, 174)); // 2850 x 2610 twips

    EXPECT_EQ(dlg->folder(), images);
    EXPECT_EQ(places()->currentIndex(), placeOf(app));
    EXPECT_EQ(fileNames(), QStringList{"표지.bmp"});
    EXPECT_EQ(highlighted(), "");
    EXPECT_FALSE(preview()->isVisible());

    click("cmdButton0");
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->mvPictureName, "");
    EXPECT_FALSE(editor.doc.mv내용수정);
}

TEST_F(PictureChooserTest, FileStartIsHighlightedPreviewedAndReturnedAsIs) {
    const QString start = pics + "/빨강.bmp";
    open(start);
    EXPECT_EQ(dlg->folder(), pics);
    EXPECT_EQ(highlighted(), "빨강.bmp");
    ASSERT_TRUE(preview()->isVisible());
    const QRect f = frame();
    EXPECT_EQ(preview()->geometry(), QRect(f.x() + 2 + 93 - 20, f.y() + 2 + 85 - 10, 40, 20));
    const QImage shot = dlg->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(preview()->geometry().center())), QColor(Qt::red));

    click("cmdButton0");
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->mvPictureName, start);
    EXPECT_TRUE(editor.doc.mv내용수정);
}

TEST_F(PictureChooserTest, FolderStartOpensItWithNothingHighlighted) {
    open(pics + "\\");
    EXPECT_EQ(dlg->folder(), pics);
    EXPECT_EQ(fileNames(), QStringList({"깨진.jpg", "빨강.bmp", "작은.wmf", "큰.bmp"}));
    EXPECT_EQ(highlighted(), "");
    EXPECT_EQ(dlg->chosenPath(), "");
    // Tabbing into the file list moves its current item but chooses nothing.
    QFocusEvent tabIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(files(), &tabIn);
    ASSERT_NE(files()->currentRow(), -1);
    EXPECT_EQ(dlg->chosenPath(), "");
}

TEST_F(PictureChooserTest, PreviewSitsCentredOrFillsTheInnerFrame) {
    open(pics + "/");
    const QRect f = frame();
    const struct {
        const char* name;
        QRect want; // empty: nothing shown
    } cases[] = {
        {"작은.wmf", {f.x() + 2 + 93 - 24, f.y() + 2 + 85 - 12, 48, 24}},
        {"큰.bmp", f.adjusted(2, 2, -2, -2)},
        {"빨강.bmp", {f.x() + 2 + 93 - 20, f.y() + 2 + 85 - 10, 40, 20}},
        // Not the picture highlighted before it.
        {"깨진.jpg", {}},
    };
    for (const auto& c : cases) {
        clickFile(QString::fromUtf8(c.name));
        EXPECT_EQ(dlg->chosenPath(), pics + "/" + c.name) << c.name;
        EXPECT_EQ(preview()->isVisible(), !c.want.isEmpty()) << c.name;
        if (!c.want.isEmpty()) {
            EXPECT_EQ(preview()->geometry(), c.want) << c.name;
        }
    }
    // An unreadable file is still the choice; the caller reports it.
    click("cmdButton0");
    EXPECT_EQ(dlg->mvPictureName, pics + "/깨진.jpg");
}

TEST_F(PictureChooserTest, FolderListMovesDownAndUpAndDropsTheChoice) {
    open(pics + "/빨강.bmp");
    const int placeBefore = places()->currentIndex();
    doubleClickFolder(pics + "/안쪽");
    EXPECT_EQ(dlg->folder(), pics + "/안쪽");
    EXPECT_EQ(fileNames(), QStringList{"b.bmp"});
    EXPECT_EQ(folders()->currentItem()->data(Qt::UserRole).toString(), pics + "/안쪽");
    EXPECT_EQ(dlg->chosenPath(), "") << "the file highlighted above is no longer shown";
    EXPECT_FALSE(preview()->isVisible());
    EXPECT_EQ(places()->currentIndex(), placeBefore);

    doubleClickFolder(pics);
    EXPECT_EQ(dlg->folder(), pics);
    EXPECT_EQ(fileNames().size(), 4);

    doubleClickFolder(tmp.path());
    doubleClickFolder(app);
    EXPECT_EQ(places()->currentIndex(), placeOf(app)) << "the place follows the folder";
    click("cmdButton0");
    EXPECT_EQ(dlg->mvPictureName, "");
}

TEST_F(PictureChooserTest, PlaceOrFolderThatCannotOpenPromptsAndStays) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"place",
         [this] {
             ASSERT_TRUE(QDir(app).removeRecursively());
             places()->setCurrentIndex(placeOf(app));
         }},
        {"folder",
         [this] {
             ASSERT_TRUE(QDir(pics + "/안쪽").removeRecursively());
             doubleClickFolder(pics + "/안쪽");
         }},
    };
    for (const auto& [way, fail] : ways) {
        SetUp();
        prompts.clear();
        open(pics + "/빨강.bmp");
        const int placeBefore = places()->currentIndex();
        ASSERT_GE(placeOf(app), 0);
        ASSERT_NE(placeOf(app), placeBefore);
        fail();
        ASSERT_EQ(prompts.size(), 1) << way;
        EXPECT_EQ(prompts[0].title, QStringLiteral("오류")) << way;
        EXPECT_FALSE(prompts[0].text.isEmpty()) << way;
        EXPECT_EQ(prompts[0].icon, 48) << way;
        EXPECT_EQ(prompts[0].buttons, 0) << way;
        EXPECT_EQ(prompts[0].defaultButton, 0) << way;
        EXPECT_EQ(places()->currentIndex(), placeBefore) << way;
        EXPECT_EQ(dlg->folder(), pics) << way;
        EXPECT_EQ(folders()->currentItem()->data(Qt::UserRole).toString(), pics) << way;
        EXPECT_EQ(fileNames().size(), 4) << way;
        EXPECT_EQ(highlighted(), "빨강.bmp") << way;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << way;
    }
    EXPECT_EQ(folders()->findItems("안쪽", Qt::MatchContains).size(), 0)
        << "a folder that has gone is listed no more";
}

TEST_F(PictureChooserTest, DoubleClickOrEnterOnAFileOpensIt) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"double click", [this] { doubleClick(files(), fileItem("큰.bmp")); }},
        {"Enter",
         [this] {
             clickFile("큰.bmp");
             QTest::keyClick(files(), Qt::Key_Return);
         }},
    };
    for (const auto& [way, choose] : ways) {
        editor.doc.mv내용수정 = false;
        open(pics + "/");
        choose();
        EXPECT_FALSE(dlg->isVisible()) << way;
        EXPECT_EQ(dlg->mvPictureName, pics + "/큰.bmp") << way;
        EXPECT_TRUE(editor.doc.mv내용수정) << way;
    }
    // Enter in the folder list opens the folder, not the dialog's choice.
    open(pics + "/빨강.bmp");
    folders()->setCurrentItem(folderItem(pics + "/안쪽"));
    QTest::keyClick(folders(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->folder(), pics + "/안쪽");
}

TEST_F(PictureChooserTest, CancellingReturnsNothingEvenWithAFileHighlighted) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"취소", [this] { click("cmdButton1"); }},
        {"Escape", [this] { QTest::keyClick(files(), Qt::Key_Escape); }},
        {"close box", [this] { dlg->close(); }},
    };
    for (const auto& [way, cancel] : ways) {
        open(pics + "/빨강.bmp");
        ASSERT_EQ(dlg->chosenPath(), pics + "/빨강.bmp");
        cancel();
        EXPECT_FALSE(dlg->isVisible()) << way;
        EXPECT_EQ(dlg->result(), QDialog::Rejected) << way;
        EXPECT_EQ(dlg->mvPictureName, "") << way;
        EXPECT_FALSE(editor.doc.mv내용수정) << way;
    }
}

TEST_F(PictureChooserTest, RunPictureChooserBlocksAndHandsBackTheChoice) {
    bool sawDialog = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<PictureChooser*>(QApplication::activeModalWidget());
        sawDialog = w && w->objectName() == QStringLiteral("frm그림열기");
        if (!w) return;
        auto* list = w->findChild<QListWidget*>(QStringLiteral("file그림열기"));
        const auto items = list->findItems("작은.wmf", Qt::MatchExactly);
        if (!items.isEmpty()) list->setCurrentItem(items.first());
        w->confirm();
    });
    EXPECT_EQ(runPictureChooser(nullptr, editor, pics + "/"), pics + "/작은.wmf");
    EXPECT_TRUE(sawDialog);
    EXPECT_TRUE(editor.doc.mv내용수정);
}

} // namespace
