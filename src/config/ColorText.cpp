#include "ColorText.h"

#include "IntegerText.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <string_view>

namespace {

struct NamedColor {
    TColor value;
    std::string_view name;
};

constexpr TColor system(TColor index)
{
    return kSystemColorFlag + index;
}

constexpr std::array<NamedColor, 49> kNamedColors = {{
    {0x00000000, "clBlack"},
    {0x00000080, "clMaroon"},
    {0x00008000, "clGreen"},
    {0x00008080, "clOlive"},
    {0x00800000, "clNavy"},
    {0x00800080, "clPurple"},
    {0x00808000, "clTeal"},
    {0x00808080, "clGray"},
    {0x00C0C0C0, "clSilver"},
    {0x000000FF, "clRed"},
    {0x0000FF00, "clLime"},
    {0x0000FFFF, "clYellow"},
    {0x00FF0000, "clBlue"},
    {0x00FF00FF, "clFuchsia"},
    {0x00FFFF00, "clAqua"},
    {0x00FFFFFF, "clWhite"},
    {0x00C0DCC0, "clMoneyGreen"},
    {0x00F0CAA6, "clSkyBlue"},
    {0x00F0FBFF, "clCream"},
    {0x00A4A0A0, "clMedGray"},
    {system(0), "clScrollBar"},
    {system(1), "clBackground"},
    {system(2), "clActiveCaption"},
    {system(3), "clInactiveCaption"},
    {system(4), "clMenu"},
    {system(5), "clWindow"},
    {system(6), "clWindowFrame"},
    {system(7), "clMenuText"},
    {system(8), "clWindowText"},
    {system(9), "clCaptionText"},
    {system(10), "clActiveBorder"},
    {system(11), "clInactiveBorder"},
    {system(12), "clAppWorkSpace"},
    {system(13), "clHighlight"},
    {system(14), "clHighlightText"},
    {system(15), "clBtnFace"},
    {system(16), "clBtnShadow"},
    {system(17), "clGrayText"},
    {system(18), "clBtnText"},
    {system(19), "clInactiveCaptionText"},
    {system(20), "clBtnHighlight"},
    {system(21), "cl3DDkShadow"},
    {system(22), "cl3DLight"},
    {system(23), "clInfoText"},
    {system(24), "clInfoBk"},
    {system(27), "clGradientActiveCaption"},
    {system(28), "clGradientInactiveCaption"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
}};

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i]))
            != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

} // namespace

std::string ColorToString(TColor color)
{
    for (const auto& named : kNamedColors) {
        if (named.value == color)
            return std::string(named.name);
    }
    char text[10];
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(color));
    return text;
}

TColor StringToColor(const std::string& text)
{
    for (const auto& named : kNamedColors) {
        if (equalIgnoringCase(named.name, text))
            return named.value;
    }
    return static_cast<TColor>(StrToInt(text));
}
