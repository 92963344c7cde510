#include "shell/widgets/AboutBox.h"
#include "shell/widgets/HelpWindow.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int visibleHelpWindows() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<zep::HelpWindow*>(w) && w->isVisible()) ++n;
    return n;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace

TEST(HelpWindow, MissingGuideIsIgnoredSilently) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(zep::ShowHelp(dir.path(), nullptr));
    EXPECT_EQ(zep::HelpWindow::current(), nullptr);
    EXPECT_EQ(visibleHelpWindows(), 0);
}

TEST(HelpWindow, OpensTheGuideInOneReusedWindow) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // No charset declared: the bytes must still be read as UTF-8.
    writeFile(dir.filePath("zephelp.html"),
              QStringLiteral("<html><head><title>시험 안내서</title></head>"
                             "<body><p>가격표 만들기</p></body></html>")
                  .toUtf8());

    ASSERT_TRUE(zep::ShowHelp(dir.path(), nullptr));
    QPointer<zep::HelpWindow> w = zep::HelpWindow::current();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Zephyra 도움말"));
    EXPECT_EQ(w->browser()->documentTitle(), QStringLiteral("시험 안내서"));
    EXPECT_TRUE(w->browser()->toPlainText().contains(QStringLiteral("가격표 만들기")));

    ASSERT_TRUE(zep::ShowHelp(dir.path(), nullptr));
    EXPECT_EQ(zep::HelpWindow::current(), w.data());
    EXPECT_EQ(visibleHelpWindows(), 1);

    w->close();
    flushDeletes();
    EXPECT_TRUE(w.isNull());
    EXPECT_EQ(zep::HelpWindow::current(), nullptr);
}

TEST(HelpWindow, ShippedGuideLoadsAndItsContentsLinksResolve) {
    const QString path = zep::test::buildHome() + "/zephelp.html";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    const QString html = QString::fromUtf8(f.readAll());

    QSet<QString> names;
    for (const auto& m : QRegularExpression(R"(<a name="([^"]+)\")").globalMatch(html))
        names << m.captured(1);
    int links = 0;
    for (const auto& m : QRegularExpression(R"(href="#([^"]+)\")").globalMatch(html)) {
        ++links;
        EXPECT_TRUE(names.contains(m.captured(1))) << m.captured(1).toStdString();
    }
    EXPECT_GT(links, 10);

    ASSERT_TRUE(zep::ShowHelp(zep::test::buildHome(), nullptr));
    QPointer<zep::HelpWindow> w = zep::HelpWindow::current();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->browser()->documentTitle(), QStringLiteral("Zephyra 사용 설명서"));
    const QString text = w->browser()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("zephyra --export 출력.pdf 입력.zep")));
    EXPECT_TRUE(text.contains(QStringLiteral("Shift+Del")));
    w->close();
    flushDeletes();
}

TEST(AboutBox, LayoutCaptionAndOkCloses) {
    zep::ShowAbout(nullptr);
    QPointer<zep::frmAbout> box = zep::frmAbout::current();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->objectName(), QStringLiteral("frmAbout"));
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Zephyra1.2"));
    EXPECT_EQ(box->size(), QSize(489, 205));
    EXPECT_EQ(box->minimumSize(), box->maximumSize());
    const Qt::WindowFlags flags = box->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(box->palette().color(QPalette::Window), QColor(192, 192, 192));

    const auto label = [&](const char* name) {
        auto* l = box->findChild<QLabel*>(QString::fromUtf8(name));
        return l ? l->text() : QStringLiteral("<missing>");
    };
    EXPECT_EQ(label("lable1_0"), QStringLiteral("Zephyra1.2"));
    EXPECT_EQ(label("lable1_2"), QStringLiteral("Ver1.2.0"));
    EXPECT_EQ(label("Label1_3"), QStringLiteral("홈페이지 : "));
    EXPECT_EQ(label("lblHomePage"), QStringLiteral("https://zephyra.example.org"));
    EXPECT_EQ(label("Label2"), QStringLiteral("경고"));
    EXPECT_TRUE(label("lable1_1").contains(QStringLiteral("All rights reserved")));
    auto* image = box->findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->geometry(), QRect(2, 3, 207, 135));
    EXPECT_EQ(image->pixmap().size(), QSize(207, 135));

    // A second request raises the same box.
    zep::ShowAbout(nullptr);
    EXPECT_EQ(zep::frmAbout::current(), box.data());

    auto* ok = box->findChild<QPushButton*>(QStringLiteral("scmd확인"));
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->text(), QStringLiteral("확인"));
    EXPECT_EQ(ok->geometry(), QRect(343, 157, 121, 36));
    QTest::mouseClick(ok, Qt::LeftButton);
    flushDeletes();
    EXPECT_TRUE(box.isNull());
    EXPECT_EQ(zep::frmAbout::current(), nullptr);
}

TEST(AboutBox, ClickingTheHomePageOpensIt) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    zep::ShowAbout(nullptr);
    QPointer<zep::frmAbout> box = zep::frmAbout::current();
    ASSERT_TRUE(box);
    auto* link = box->findChild<QLabel*>(QStringLiteral("lblHomePage"));
    ASSERT_TRUE(link);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(link->font().underline());

    // The underline must fall inside the label, not be clipped off below it.
    const QImage img = link->grab().toImage();
    int longestBlueRow = 0;
    for (int y = 0; y < img.height(); ++y) {
        int blue = 0;
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.blue() > 150 && c.red() < 100 && c.green() < 100) ++blue;
        }
        longestBlueRow = std::max(longestBlueRow, blue);
    }
    EXPECT_GT(longestBlueRow, link->fontMetrics().horizontalAdvance(link->text()) * 3 / 4);

    QTest::mouseClick(link, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls.front(), QUrl(QStringLiteral("https://zephyra.example.org")));
    box->close();
    flushDeletes();
}

#include "test_help_about.moc"
