#include "shell/ProgramFolder.h"
#include "shell/ZepModule.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zep;

TEST(Progress, CaptionPercentAndTheCoordinatesComingBack) {
    ProgressStrip s;
    QStringList seen;
    s.repaint = [&] { seen << (s.barShown() ? s.text() : QStringLiteral("<coords>")); };
    s.ShowProgress("ZEP파일 저장...", 100, 1);
    s.ShowProgress("ZEP파일 저장...", 100, 42);
    EXPECT_EQ(s.text(), "ZEP파일 저장... (42%)");
    EXPECT_TRUE(s.barShown());
    s.ShowProgress("ZEP파일 저장...", 100, 100);
    EXPECT_TRUE(s.coordinatesShown());
    EXPECT_EQ(seen.last(), "<coords>");

    ProgressStrip once; // total 1, current 1: straight to 100 %
    once.ShowProgress("x", 1, 1);
    EXPECT_EQ(once.barsDrawn(), 1);
    EXPECT_TRUE(once.coordinatesShown());
}

TEST(Prompt, FieldsReachThePrompter) {
    ZepModule m;
    PromptRequest got;
    m.prompter = [&](const PromptRequest& r) {
        got = r;
        return r.defaultButton == DefaultSecond ? AnswerNo : AnswerYes;
    };
    EXPECT_EQ(
        m.ask("종료", "프로그램을 종료하시겠습니까?", IconQuestion, ButtonsYesNo, DefaultSecond),
        AnswerNo);
    EXPECT_EQ(got.title, "종료");
    EXPECT_EQ(got.icon, 32);
    EXPECT_EQ(got.buttons, 4);
    EXPECT_EQ(m.gMsgDefault, 256);
}

TEST(ProgramFolder, VariableThenRecordThenExecutableFolder) {
    QTemporaryDir tmp;
    const QString home = tmp.filePath("Signs");
    QDir().mkpath(home);
    const QString rec = tmp.filePath("home.rec");
    QFile f(rec);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write((home + "\n").toUtf8());
    f.close();
    EXPECT_EQ(findProgramFolder("/opt/Tools/Signs/", {rec}, "/usr/bin"), "/opt/Tools/Signs");
    EXPECT_EQ(findProgramFolder("", {tmp.filePath("missing"), rec}, "/usr/bin"), home);
    EXPECT_EQ(findProgramFolder("", {tmp.filePath("missing")}, "/usr/bin/"), "/usr/bin");
}

TEST(ProgramFolder, FontsOfTheFolderAreRegisteredAndWithdrawn) {
    QTemporaryDir tmp;
    QDir(tmp.path()).mkpath("커서");
    ASSERT_TRUE(
        QFile::copy("/usr/share/fonts/truetype/nanum/NanumPen.ttf", tmp.filePath("커서/pen.ttf")));
    QFile icon(tmp.filePath("커서/arrow.cur"));
    ASSERT_TRUE(icon.open(QIODevice::WriteOnly));
    icon.write("not a font");
    icon.close();
    FontRegistry r;
    r.registerFolder(tmp.path());
    EXPECT_EQ(r.registeredCount(), 1);
    r.withdrawAll();
    EXPECT_EQ(r.registeredCount(), 0);
    FontRegistry none;
    none.registerFolder(tmp.filePath("nowhere"));
    EXPECT_EQ(none.registeredCount(), 0);
}

#include "shell/widgets/Prompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

TEST(Prompt, YesNoWithSecondDefaultAnswersNoOnEnter) {
    QString defaultText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        defaultText = box->defaultButton()->text();
        box->defaultButton()->click();
    });
    const int a = showPrompt(nullptr, {"종료", "프로그램을 종료하시겠습니까?", IconQuestion,
                                       ButtonsYesNo, DefaultSecond});
    EXPECT_EQ(a, AnswerNo);
    EXPECT_EQ(defaultText, "아니요(&N)");
}
