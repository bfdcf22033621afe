// A colouring program in a folder of its own, for the tests of its windows.
#pragma once

#include "form1.h"

#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

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

// Makes a temporary folder the current one and writes the test page there.
// The error report, the end of the program and message boxes are recorded
// instead of acting, so a test sees them and goes on; printing finds no
// printer unless the test chooses one.
class ZedoBench
{
public:
    ZedoBench();
    ~ZedoBench();
    ZedoBench(const ZedoBench &) = delete;
    ZedoBench &operator=(const ZedoBench &) = delete;

    QString path(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    // Writes zedo.ini with one value a line, each ending CR LF.
    void writeSettings(const QStringList &values) const;

    // Builds the main window and runs its load handler. Returns the message
    // of the failure, or nothing when the load succeeded.
    std::optional<QString> load();
    // Shows the loaded window and waits until it is on the screen.
    bool show();
    // Both: writes the settings, loads and shows; false if anything failed.
    bool start(const QStringList &values);

    zedo::Form1 &form() { return *m_form; }

    QStringList errors;
    QStringList messages;
    int ends = 0;

private:
    static void setNoPrinter();

    QTemporaryDir m_dir;
    QString m_previousDir;
    std::unique_ptr<zedo::Form1> m_form;
};

} // namespace bench
