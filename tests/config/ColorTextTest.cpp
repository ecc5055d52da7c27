#include "AppError.h"
#include "ColorText.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

const std::vector<std::pair<std::string, TColor>> kAllNames = {
    {"clBlack", 0x00000000}, {"clMaroon", 0x00000080}, {"clGreen", 0x00008000},
    {"clOlive", 0x00008080}, {"clNavy", 0x00800000}, {"clPurple", 0x00800080},
    {"clTeal", 0x00808000}, {"clGray", 0x00808080}, {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF}, {"clLime", 0x0000FF00}, {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000}, {"clFuchsia", 0x00FF00FF}, {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF}, {"clMoneyGreen", 0x00C0DCC0}, {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF}, {"clMedGray", 0x00A4A0A0},
    {"clScrollBar", 0x80000000}, {"clBackground", 0x80000001}, {"clActiveCaption", 0x80000002},
    {"clInactiveCaption", 0x80000003}, {"clMenu", 0x80000004}, {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006}, {"clMenuText", 0x80000007}, {"clWindowText", 0x80000008},
    {"clCaptionText", 0x80000009}, {"clActiveBorder", 0x8000000A},
    {"clInactiveBorder", 0x8000000B}, {"clAppWorkSpace", 0x8000000C},
    {"clHighlight", 0x8000000D}, {"clHighlightText", 0x8000000E}, {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010}, {"clGrayText", 0x80000011}, {"clBtnText", 0x80000012},
    {"clInactiveCaptionText", 0x80000013}, {"clBtnHighlight", 0x80000014},
    {"cl3DDkShadow", 0x80000015}, {"cl3DLight", 0x80000016}, {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018}, {"clGradientActiveCaption", 0x8000001B},
    {"clGradientInactiveCaption", 0x8000001C}, {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
};

std::string upper(std::string text)
{
    for (auto& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string rejection(const std::string& text)
{
    try {
        StringToColor(text);
    } catch (const AppError& error) {
        return error.what();
    }
    return "accepted";
}

TEST(ColorText, EveryNameConvertsBothWaysInAnyCase)
{
    ASSERT_EQ(kAllNames.size(), 49u);
    for (const auto& [name, value] : kAllNames) {
        SCOPED_TRACE(name);
        EXPECT_EQ(StringToColor(name), value);
        EXPECT_EQ(StringToColor(upper(name)), value);
        EXPECT_EQ(ColorToString(value), name);
    }
}

TEST(ColorText, ValuesWithoutANameUseEightHexDigits)
{
    EXPECT_EQ(ColorToString(0x00123456), "$00123456");
    EXPECT_EQ(ColorToString(0x00000001), "$00000001");
    EXPECT_EQ(ColorToString(0x80000019), "$80000019") << "system colour 25 has no name";
    EXPECT_EQ(ColorToString(0xFFFFFFFF), "$FFFFFFFF");
    EXPECT_EQ(ColorToString(0x00ABCDEF), "$00ABCDEF");
}

TEST(ColorText, ReadsIntegersInEveryAcceptedForm)
{
    EXPECT_EQ(StringToColor("CLWHITE"), 0x00FFFFFFu);
    EXPECT_EQ(StringToColor("$00FFFFFF"), 0x00FFFFFFu);
    EXPECT_EQ(StringToColor("16777215"), 0x00FFFFFFu);
    EXPECT_EQ(StringToColor("  255"), 0x000000FFu);
    EXPECT_EQ(StringToColor("+255"), 0x000000FFu);
    EXPECT_EQ(StringToColor("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(StringToColor("0x1f"), 0x1Fu);
    EXPECT_EQ(StringToColor("X1F"), 0x1Fu);
    EXPECT_EQ(StringToColor("$ffffffff"), 0xFFFFFFFFu);
    EXPECT_EQ(StringToColor("$0000000000FF"), 0xFFu) << "leading zeros do not overflow";
    EXPECT_EQ(StringToColor("2147483647"), 0x7FFFFFFFu);
    EXPECT_EQ(StringToColor("-2147483648"), 0x80000000u);
}

TEST(ColorText, RejectsAnythingElseWithTheIntegerMessage)
{
    EXPECT_EQ(rejection("clWhitey"), "'clWhitey' is not a valid integer value");
    for (const std::string text : {"", " ", "12 ", "1e3", "#FFFFFF", "$", "0x", "x", "--1",
                                   "$100000000", "2147483648", "-2147483649", "12a", "white"})
        EXPECT_EQ(rejection(text), "'" + text + "' is not a valid integer value");
}

} // namespace
