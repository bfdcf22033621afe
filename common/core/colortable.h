// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>
#include <QString>

namespace core {

// A colour value as stored by the settings and the palette: red in the lowest
// byte, green in the second, blue in the third, 0 in the top byte (0x00BBGGRR).
using ColorValue = quint32;

// The sixteen fixed colours every colour of the system is taken from.
inline constexpr int ColorIndexCount = 16;

// The colour value of colour index 0..15. Any other index throws core::Error.
ColorValue QBColor(int index);

// The Swedish name of one of the sixteen colours, as a screen reader speaks
// it ("röd"); empty for any other colour value.
QString colorName(ColorValue value);

// Conversions between a colour value and Qt's 0xAARRGGBB (opaque).
constexpr QRgb toRgb(ColorValue value)
{
    return qRgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
constexpr ColorValue toColorValue(QRgb rgb)
{
    return ColorValue(qRed(rgb)) | ColorValue(qGreen(rgb)) << 8 | ColorValue(qBlue(rgb)) << 16;
}

} // namespace core
