#include "shell/widgets/HelpWindow.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QFile>
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
