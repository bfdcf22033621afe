#include "core/colortable.h"

#include "core/error.h"

#include <array>

namespace core {

ColorValue QBColor(int index)
{
    static constexpr std::array<ColorValue, ColorIndexCount> table = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    if (index < 0 || index >= ColorIndexCount)
        throw Error(QStringLiteral("Ogiltigt färgnummer %1: bara 0 till 15 finns.").arg(index));
    return table[index];
}

} // namespace core
