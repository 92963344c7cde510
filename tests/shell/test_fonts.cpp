#include "shell/Fonts.h"
#include "support/TestSupport.h"

#include <QFontInfo>
#include <gtest/gtest.h>

TEST(Fonts, WindowsNamesDrawWithNanumButKeepTheirName) {
    zep::test::pinFonts();
    const QFont f = zep::documentFont(QStringLiteral("굴림체"), 12, true, false, false);
    EXPECT_EQ(f.family(), QStringLiteral("굴림체"));
    EXPECT_EQ(QFontInfo(f).family(), QStringLiteral("NanumGothicCoding"));
    EXPECT_TRUE(zep::installedFontNames().contains(QStringLiteral("평붓")));
}
