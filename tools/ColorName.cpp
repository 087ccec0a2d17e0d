#include "tools/ColorName.h"

#include <cstdio>
#include <iterator>

namespace {

struct NamedColor {
    TColor Value;
    const char* Name;
};

constexpr NamedColor BasicColors[] = {
    {0x000000, "clBlack"}, {0x000080, "clMaroon"}, {0x008000, "clGreen"},  {0x008080, "clOlive"},
    {0x800000, "clNavy"},  {0x800080, "clPurple"}, {0x808000, "clTeal"},   {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"}, {0x0000FF, "clRed"},   {0x00FF00, "clLime"},   {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},  {0xFF00FF, "clFuchsia"}, {0xFFFF00, "clAqua"},  {0xFFFFFF, "clWhite"},
};

} // namespace

std::string ColorToString(TColor color)
{
    for (const NamedColor& named : BasicColors)
        if (named.Value == color) return named.Name;
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(color));
    return text;
}
