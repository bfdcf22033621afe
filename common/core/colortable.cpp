// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/colortable.h"

#include "core/error.h"

#include <array>

namespace core {

namespace {

struct Colour
{
    ColorValue value;
    const char16_t *name;
};

// Each colour is named as a Swedish speaker would name it on sight: where the
// table has a dark and a bright shade of one colour, the bright one has the
// plain name ("röd") and the dark one says so ("mörkröd").
constexpr std::array<Colour, ColorIndexCount> Table = {{
    {0x000000, u"svart"},
    {0x800000, u"mörkblå"},
    {0x008000, u"grön"},
    {0x808000, u"blågrön"},
    {0x000080, u"mörkröd"},
    {0x800080, u"lila"},
    {0x008080, u"olivgrön"},
    {0xC0C0C0, u"ljusgrå"},
    {0x808080, u"grå"},
    {0xFF0000, u"blå"},
    {0x00FF00, u"ljusgrön"},
    {0xFFFF00, u"turkos"},
    {0x0000FF, u"röd"},
    {0xFF00FF, u"rosa"},
    {0x00FFFF, u"gul"},
    {0xFFFFFF, u"vit"},
}};

} // namespace

ColorValue QBColor(int index)
{
    if (index < 0 || index >= ColorIndexCount)
        throw Error(QStringLiteral("Ogiltigt färgnummer %1: bara 0 till 15 finns.").arg(index));
    return Table[index].value;
}

QString colorName(ColorValue value)
{
    for (const Colour &colour : Table) {
        if (colour.value == value)
            return QString::fromUtf16(colour.name);
    }
    return {};
}

} // namespace core
