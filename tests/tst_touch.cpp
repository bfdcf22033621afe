// SPDX-License-Identifier: GPL-3.0-or-later
// Fingers and a pen on both windows, delivered as the platform delivers them.
// In the colouring window each gesture must end as the mouse doing the first
// finger's part ends: more fingers or a palm add nothing.
#include "fixture/editorfixture.h"
#include "fixture/zedofixture.h"
#include "forms/commandbutton3d.h"
#include "forms/filelistbox.h"
#include "forms/picturebox.h"
#include "forms/shape.h"

#include <QStyleHints>
#include <QTest>
#include <qpa/qwindowsysteminterface.h>
#include <qpa/qwindowsysteminterface_p.h>

#include <functional>

namespace {

using Where = std::pair<QWidget *, QPoint>;

// Each step is "WHO ACTION TARGET...": WHO is a finger (1, 2), "mouse" or
// "pen"; ACTION is press, move, hold (a long press) or release.
void play(const QStringList &steps, const std::function<Where(const QStringList &)> &target)
{
    static QPointingDevice *screen = QTest::createTouchDevice();
    static auto *pen = new QPointingDevice(
        QStringLiteral("pen"), 2, QInputDevice::DeviceType::Stylus,
        QPointingDevice::PointerType::Pen, QInputDevice::Capability::Position, 1, 1);
    // As on X11 with its input extension, Qt makes the mouse events of a pen.
    QWindowSystemInterfacePrivate::TabletEvent::setPlatformSynthesizesMouse(false);
    QSet<int> down;
    for (const QString &step : steps) {
        const QStringList w = step.split(u' ');
        const auto [widget, at] = target(w.mid(2));
        QWidget *window = widget->window();
        const bool release = w[1] == u"release";
        if (w[1] == u"hold") {
            QTest::qWait(QGuiApplication::styleHints()->mousePressAndHoldInterval() + 200);
        } else if (w[0] == u"mouse") {
            const auto action = w[1] == u"press" ? QTest::MousePress
                                : release        ? QTest::MouseRelease
                                                 : QTest::MouseMove;
            QTest::mouseEvent(action, widget, Qt::LeftButton, {}, at);
        } else if (w[0] == u"pen") {
            QWindowSystemInterface::handleTabletEvent(
                window->windowHandle(), pen, widget->mapTo(window, at), widget->mapToGlobal(at),
                release ? Qt::NoButton : Qt::LeftButton, release ? 0 : 1, 0, 0, 0, 0, 0);
            QWindowSystemInterface::flushWindowSystemEvents();
        } else {
            // A touch screen reports every finger that is down in each event.
            auto touch = QTest::touchEvent(window, screen);
            const int finger = w[0].toInt();
            for (int other : std::as_const(down))
                if (other != finger)
                    touch.stationary(other);
            if (w[1] == u"press")
                touch.press(finger, at, widget), down.insert(finger);
            else if (release)
                touch.release(finger, at, widget), down.remove(finger);
            else
                touch.move(finger, at, widget);
        }
    }
}

// What the colouring window shows after the steps, on the pen tool.
QImage zedoAfter(const QStringList &steps)
{
    fixture::ZedoFixture program;
    if (!program.start(fixture::settings({12, 9, 2}, 10, 0)))
        return {};
    zedo::Form1 &f = program.form();
    play(steps, [&f](const QStringList &w) -> Where {
        if (w[0] == u"swatch")
            return {f.Picture2, f.Shape1[w[1].toInt()]->geometry().center()};
        if (w[0] == u"tool")
            return {f.Command3D3, f.Command3D3->rect().center()};
        return {f.Picture1, QPoint(w[1].toInt(), w[2].toInt())};
    });
    return f.grab().toImage();
}

} // namespace

class TstTouch : public QObject
{
    Q_OBJECT

private slots:
    // Steps of "1" are played by the mouse too, and those of "2" not.
    void colouringByTouch_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("tap on a swatch, then a dot")
            << QStringList{"1 press swatch 1", "1 release swatch 1", "1 press canvas 50 50",
                           "1 release canvas 50 50"};
        QTest::newRow("second finger on a swatch while painting")
            << QStringList{"1 press canvas 30 40", "2 press swatch 2", "1 move canvas 60 40",
                           "2 release swatch 2", "1 release canvas 60 40"};
        QTest::newRow("palm on the canvas, lifted last") << QStringList{
            "1 press canvas 30 40",    "2 press canvas 200 300", "2 move canvas 210 310",
            "1 move canvas 60 40",     "1 release canvas 60 40", "2 move canvas 220 320",
            "2 release canvas 220 320"};
        QTest::newRow("long press on the tool button, then a fill")
            << QStringList{"1 press tool", "1 hold tool", "1 release tool", "1 press canvas 70 70",
                           "1 release canvas 70 70"};
        QTest::newRow("pen drag") << QStringList{"pen press canvas 30 40", "pen move canvas 60 40",
                                                 "pen release canvas 60 40"};
    }

    void colouringByTouch()
    {
        QFETCH(QStringList, steps);
        QStringList byMouse = steps.filter(QRegularExpression("^(1|pen) "));
        byMouse.replaceInStrings(QRegularExpression("^(1|pen) "), "mouse ");
        const QImage expected = zedoAfter(byMouse);
        QVERIFY(!expected.isNull());
        QCOMPARE(zedoAfter(steps), expected);
    }

    // Qt makes a double click of two quick taps, as the list needs.
    void doubleTapOnANameSaves()
    {
        fixture::EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"));
        QVERIFY(editor.start());
        forms::FileListBox *list = editor.form().File1;
        const Where name = {list->viewport(), list->visualItemRect(list->item(0)).center()};
        play({"1 press", "1 release", "1 press", "1 release"},
             [&](const QStringList &) { return name; });
        QCOMPARE(editor.ends, 1);
        QCOMPARE(editor.read(QStringLiteral("zedo.ini"))->left(7), QByteArray("\"a.bmp\""));
    }
};

QTEST_MAIN(TstTouch)
#include "tst_touch.moc"
