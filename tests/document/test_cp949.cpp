#include "document/Cp949.h"

#include <gtest/gtest.h>

using zep::decodeCp949;
using zep::encodeCp949;

TEST(Cp949, RoundTripsTheCharactersQtsTablesGetWrong) {
    const QString text = QStringLiteral("똠 쀍 € 그리기 \\ abc");
    QByteArray bytes;
    ASSERT_TRUE(encodeCp949(text, &bytes));
    EXPECT_TRUE(bytes.startsWith("\x8c\x63")); // 똠, outside EUC-KR
    qsizetype invalid = -1;
    EXPECT_EQ(decodeCp949(bytes, &invalid), text);
    EXPECT_EQ(invalid, 0);
}

TEST(Cp949, EncodingFailsOnCharactersItLacks) {
    for (const QString& s :
         {QStringLiteral("😀"), QStringLiteral("abcę"), QStringLiteral("가\u0301")}) {
        QByteArray bytes("stale");
        EXPECT_FALSE(encodeCp949(s, &bytes)) << s.toStdString();
        EXPECT_TRUE(bytes.isEmpty());
    }
}

TEST(Cp949, BadBytesBecomeReplacementCharactersAndTheRestSurvives) {
    // 0xFF is never valid; 0xB1 is a lead byte whose partner (a blank) is not a
    // trail byte, so the blank must survive; a lead byte at the very end is cut short.
    qsizetype invalid = 0;
    EXPECT_EQ(decodeCp949(QByteArray("A\xff"
                                     "B\xb1 C\xb1\xd7\xb1"),
                          &invalid),
              QStringLiteral("A\uFFFDB\uFFFD C그\uFFFD"));
    EXPECT_EQ(invalid, 3);
}
