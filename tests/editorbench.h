// The settings editor in a folder of its own, for the tests of its window.
#pragma once

#include "form2.h"
#include "formbench.h"

#include <QStringList>

namespace bench {

// The settings editor's window.
class EditorBench : public FormBench<zedoconf::Form2>
{
public:
    // A small bitmap of its own colour, so each preview can be told apart.
    void addPicture(const QString &name, QRgb color = qRgb(0, 0, 255)) const;
    // Loads and shows; false if anything failed.
    bool start();

    // Works the window as the adult would, one step at a time:
    //   "up", "down"          a click on the upper or lower arrow of the count
    //   "cell N", "dblcell N" a click or a double click on colour cell N
    //   "pen N", "tool N"     a click on pen option N or starting-tool option N
    //   "box N"               a click on check box N: 1 "Sluta", 2 "Skriv ut",
    //                         3 "Måla/Rita"
    //   "pick N", "dblpick N" a click or a double click on entry N of the list
    //   "key"                 the Down key in the file list
    //   "ok", "cancel"        a click on "OK" or "Avbryt"
    void run(const QStringList &steps);

private:
    void step(const QString &action, int number);
};

// Clicks a widget in the middle, as a mouse does: press and release.
void click(QWidget *widget, QPoint at = QPoint(-1, -1));
// A double click as it reaches a widget: a press and a release, then a
// double-click event in place of the second press, and its release.
void doubleClick(QWidget *widget, QPoint at = QPoint(-1, -1));

} // namespace bench
