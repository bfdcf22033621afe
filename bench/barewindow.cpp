// SPDX-License-Identifier: GPL-3.0-or-later
// barewindow [--text] [--backdrop]
//
// A bare Qt window, built by the project with its own flags: the yardstick
// for the start-up of both programs (scripts/measure-startup.sh). It has the
// size of the colouring program's main window, so its first frame paints as
// many pixels. The options add, one by one, what both programs cannot do
// without: --text shows one line of text, which is what brings up the font
// system (a window without text never does); --backdrop first shows a black
// borderless window over the whole screen, as both programs do.
#include "forms/design.h"
#include "zedo/form1.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList options = QApplication::arguments();
    QWidget backdrop(nullptr, Qt::Window | Qt::FramelessWindowHint);
    if (options.contains(QStringLiteral("--backdrop"))) {
        QPalette black = backdrop.palette();
        black.setColor(QPalette::Window, Qt::black);
        backdrop.setPalette(black);
        backdrop.setAutoFillBackground(true);
        backdrop.setGeometry(QGuiApplication::primaryScreen()->geometry());
        backdrop.show();
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(forms::twips(zedo::ClientTwips));
    if (options.contains(QStringLiteral("--text")))
        (new QLabel(QStringLiteral("Krumelo"), &window))->move(20, 20);
    window.show();
    return QApplication::exec();
}
