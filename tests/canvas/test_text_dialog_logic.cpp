#include "canvas/TextDialogLogic.h"
#include "shell/Fonts.h"
#include "shell/ZepModule.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace zep;

TEST(TextDialogLogic, SizeListRunsInItsStepsUpTo800) {
    const auto& s = textSizes();
    for (int i = 1; i < kTextSizeCount; ++i)
        EXPECT_LT(s[i - 1], s[i]) << i;
    // Where each run of steps starts and ends.
    const std::pair<int, int> marks[] = {{0, 8},    {22, 30},  {23, 32},  {27, 40},
                                         {28, 44},  {35, 72},  {36, 80},  {51, 200},
                                         {52, 210}, {71, 400}, {72, 450}, {79, 800}};
    for (auto [i, v] : marks)
        EXPECT_EQ(s[i], v) << "entry " << i;
}

TEST(TextDialogLogic, SizeEntryIsFirstNotBelowWholePart) {
    const std::pair<double, int> cases[] = {
        {9.75, 9}, {9, 9},       {8, 8},     {0, 8},     {31, 32},   {31.9, 32}, {41, 44},
        {72, 72},  {200.5, 200}, {401, 450}, {800, 800}, {801, 800}, {5000, 800}};
    for (auto [size, shown] : cases)
        EXPECT_EQ(textSizes()[textSizeEntry(size)], shown) << "size " << size;
}

TEST(TextDialogLogic, TypedSizeAppliesOnlyBetween8And800) {
    const std::pair<const char*, double> cases[] = {
        {"12", 12},   {"8", 8},   {"800", 800}, {"12.5", 12.5}, {" 20pt", 20}, {"7.9", 0},
        {"800.5", 0}, {"900", 0}, {"0", 0},     {"-12", 0},     {"abc", 0},    {"", 0}};
    for (auto [text, want] : cases) {
        const auto v = typedTextSize(QString::fromUtf8(text));
        if (want == 0)
            EXPECT_FALSE(v.has_value()) << text;
        else
            EXPECT_EQ(v.value_or(-1), want) << text;
    }
}

TEST(TextDialogLogic, PreviewBackgroundComplementsOnlyWhiteAndBlack) {
    const std::pair<ColourValue, ColourValue> cases[] = {
        {0xFFFFFF, 0},        {0, 0xFFFFFF},        {RGBValue(255, 0, 0), 0xFFFFFF},
        {0xFFFFFE, 0xFFFFFF}, {0x000001, 0xFFFFFF}, {0x808080, 0xFFFFFF}};
    for (auto [fore, back] : cases)
        EXPECT_EQ(previewBackground(fore), back) << std::hex << fore;
}

TEST(TextDialogLogic, TagAndZoomedSize) {
    const std::pair<double, const char*> tags[] = {
        {72, "72"}, {9.75, "9.75"}, {12.5, "12.5"}, {800, "800"}, {8, "8"}};
    for (auto [s, t] : tags)
        EXPECT_EQ(textSizeTag(s), QString::fromUtf8(t)) << s;

    // zoom, size, on-page size: truncated, and 1 where that gives 0.
    const std::tuple<int, double, double> zoomed[] = {
        {25, 8, 2}, {75, 72, 54}, {75, 9.75, 7}, {100, 9.75, 9}, {110, 10, 11},
        {10, 8, 1}, {12, 8, 1},   {10, 9, 1},    {10, 12, 1},    {10, 20, 2}};
    for (auto [zoom, s, want] : zoomed)
        EXPECT_EQ(zoomedTextSize(zoom / 100.0, s), want) << "zoom " << zoom << " size " << s;
}

TEST(TextDialogLogic, TrimBlanksKeepsOtherWhiteSpace) {
    EXPECT_EQ(trimBlanks(QStringLiteral("  가 나  ")), QStringLiteral("가 나"));
    EXPECT_EQ(trimBlanks(QStringLiteral("   ")), QString());
    EXPECT_EQ(trimBlanks(QStringLiteral("\t가 ")), QStringLiteral("\t가"));
}

TEST(TextDialogLogic, FontNamesAreFilledOnceWithProgress) {
    zep::test::pinFonts();
    ZepModule m;
    fillFontNames(m);
    const QStringList installed = installedFontNames();
    ASSERT_FALSE(installed.isEmpty());
    EXPECT_EQ(m.gFontNames, installed);
    EXPECT_EQ(m.progress.barsDrawn(), installed.size());
    EXPECT_FALSE(m.progress.barShown());

    m.gFontNames = QStringList{QStringLiteral("굴림체")};
    fillFontNames(m);
    EXPECT_EQ(m.gFontNames, QStringList{QStringLiteral("굴림체")});
    EXPECT_EQ(m.progress.barsDrawn(), installed.size());
}
