// SPDX-License-Identifier: GPL-3.0-or-later
// Where every generated file goes, relative to the repository root.
#pragma once

#include "appicons.h"
#include "pages.h"

#include <QImage>
#include <QString>

#include <array>

namespace artwork {

struct PageFile
{
    const char *path;
    QImage (*draw)();
};

inline constexpr const char *DefaultPage = "resources/page.bmp";
inline constexpr const char *DefaultPageCopy = "examples/ballonger.bmp";

// The colouring pages: the default page first, then the examples (Swedish names).
inline constexpr std::array<PageFile, 5> Pages = {{
    {DefaultPage, drawBalloonPage},
    {"examples/hus.bmp", drawHousePage},
    {"examples/fisk.bmp", drawFishPage},
    {"examples/blomma.bmp", drawFlowerPage},
    {"examples/bil.bmp", drawCarPage},
}};
inline constexpr const char *PaletteButton = "resources/palette.bmp";
inline constexpr const char *PrinterButton = "resources/printer.bmp";
inline constexpr const char *PencilIcon = "resources/pencil.ico";
inline constexpr const char *StopIcon = "resources/stop.ico";
inline constexpr const char *ExampleSettings = "examples/zedo.ini";

// The example settings: five colours 12 9 2 14 10, pen 15, fill tool, all three buttons.
inline constexpr const char ExampleSettingsBytes[] =
    "\"ballonger.bmp\"\r\n5\r\n12\r\n9\r\n2\r\n14\r\n10\r\n15\r\n-1\r\n-1\r\n-1\r\n-1\r\n";

// The desktop icons, laid out as in the icon theme, so they install as they are:
// resources/icons/hicolor/SIZExSIZE/apps/NAME.png and .../scalable/apps/NAME.svg.
struct AppIcon
{
    const char *name;
    IconDesign design;
    const char *title; // of the SVG document
};
inline constexpr std::array<AppIcon, 3> AppIcons = {{
    {"krumelo-zedo", paintZedoIcon, "Krumelo"},
    {"krumelo-zedoconf", paintZedoconfIcon, "Krumelo – inställningar"},
    {"krumelo-zedoimport", paintZedoimportIcon, "Krumelo – ny målarbild"},
}};
inline constexpr std::array<int, 8> AppIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// Where the icon of that name is, at a size or (size 0) scalable.
inline QString appIconPath(const char *name, int size)
{
    const bool scalable = size == 0;
    return QStringLiteral("resources/icons/hicolor/%1/apps/%2.%3")
        .arg(scalable ? QStringLiteral("scalable") : QStringLiteral("%1x%1").arg(size),
             QString::fromUtf8(name), scalable ? QStringLiteral("svg") : QStringLiteral("png"));
}

} // namespace artwork
