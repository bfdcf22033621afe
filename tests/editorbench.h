// The settings editor in a folder of its own, for the tests of its window.
#pragma once

#include "form2.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace bench {

// Makes a temporary folder the current one. The error report, the end of the
// program and message boxes are recorded instead of acting, so a test sees
// them and goes on.
class EditorBench
{
public:
    EditorBench();
    ~EditorBench();
    EditorBench(const EditorBench &) = delete;
    EditorBench &operator=(const EditorBench &) = delete;

    QString path(const QString &name) const;
    // A small bitmap of its own colour, so each preview can be told apart.
    void addPicture(const QString &name, QRgb color = qRgb(0, 0, 255)) const;
    void write(const QString &name, const QByteArray &bytes) const;
    // The bytes of a file of the folder, or nothing when it does not exist.
    std::optional<QByteArray> read(const QString &name) const;

    // Builds the settings window and runs its load handler. Returns the
    // message of the failure, or nothing when the load succeeded.
    std::optional<QString> load();
    // Shows the loaded window and waits until it is on the screen.
    bool show();
    // Both; false if anything failed.
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

    zedoconf::Form2 &form() { return *m_form; }

    QStringList errors;
    QStringList messages;
    int ends = 0;

private:
    void step(const QString &action, int number);

    QTemporaryDir m_dir;
    QString m_previousDir;
    std::unique_ptr<zedoconf::Form2> m_form;
};

// Clicks a widget in the middle, as a mouse does: press and release.
void click(QWidget *widget, QPoint at = QPoint(-1, -1));
// A double click as it reaches a widget: a press and a release, then a
// double-click event in place of the second press, and its release.
void doubleClick(QWidget *widget, QPoint at = QPoint(-1, -1));

} // namespace bench
