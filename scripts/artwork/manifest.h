// Where every generated file goes, relative to the repository root.
#pragma once

#include "pages.h"

#include <QImage>

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

// The desktop icons, written at 64 px under resources/icons/ and 128 px under .../128/.
inline constexpr std::array<const char *, 3> AppIconNames = {
    "krumelo-zedo.png", "krumelo-zedoconf.png", "krumelo-zedoimport.png"};
inline constexpr std::array<int, 2> AppIconSizes = {64, 128};

// Folder of an application icon of the given size.
inline const char *appIconFolder(int size)
{
    return size == 64 ? "resources/icons" : "resources/icons/128";
}

} // namespace artwork
