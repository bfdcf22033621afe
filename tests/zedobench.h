// A colouring program in a folder of its own, for the tests of its windows.
#pragma once

#include "form1.h"
#include "formbench.h"

#include <QImage>
#include <QStringList>

namespace bench {

// The test page, 300 x 400: white, with two closed squares outlined in black
// one pixel wide. The canvas is larger, so its white background shows to the
// right of the page and below it.
inline constexpr QRect SquareA(20, 20, 101, 101);
inline constexpr QRect SquareB(160, 20, 101, 101);
inline const QString PageName = QStringLiteral("page.bmp");
QImage testPage();

// The Qt colour of colour index 0..15.
QRgb rgbOf(int index);

// The values of a settings file, in file order, with ColorCount taken from
// `colors`.
QStringList settings(const QList<int> &colors, int penWidth = 10, int startInFillMode = -1,
                     int showQuit = -1, int showPrint = -1, int showToolToggle = -1,
                     const QString &picture = PageName);

// The colouring program's main window over the test page; printing finds no
// printer unless the test chooses one.
class ZedoBench : public FormBench<zedo::Form1>
{
public:
    ZedoBench();
    ~ZedoBench();

    // Writes zedo.ini with one value a line, each ending CR LF.
    void writeSettings(const QStringList &values) const;
    // Writes the settings, loads and shows; false if anything failed.
    bool start(const QStringList &values);

private:
    static void setNoPrinter();
};

} // namespace bench
