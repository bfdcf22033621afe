// Fingers and a pen on both windows. In the colouring window each gesture
// must end as the mouse doing the first finger's part ends: whatever more
// fingers or a palm do is nothing.
#include "core/colortable.h"
#include "fixture/editorfixture.h"
#include "fixture/zedofixture.h"
#include "forms/commandbutton3d.h"
#include "forms/filelistbox.h"
#include "forms/panel3d.h"
#include "forms/picturebox.h"
#include "forms/shape.h"

#include <QLineEdit>
#include <QStyleHints>
#include <QTest>
#include <qpa/qwindowsysteminterface.h>
#include <qpa/qwindowsysteminterface_p.h>

#include <functional>

namespace {

enum class Device { Mouse, Finger, Pen };
using Where = std::pair<QWidget *, QPoint>;
using Target = std::function<Where(const QStringList &)>;

QPointingDevice *pen()
{
    static QPointingDevice *device = [] {
        auto *stylus = new QPointingDevice(
            QStringLiteral("pen"), 2, QInputDevice::DeviceType::Stylus,
            QPointingDevice::PointerType::Pen,
            QInputDevice::Capability::Position | QInputDevice::Capability::Pressure, 1, 2);
        QWindowSystemInterface::registerInputDevice(stylus);
        // As on X11 with its input extension, Qt makes the mouse events of a
        // pen that no control takes.
        QWindowSystemInterfacePrivate::TabletEvent::setPlatformSynthesizesMouse(false);
        return stylus;
    }();
    return device;
}

void penAt(Where where, Qt::MouseButtons buttons)
{
    QWidget *window = where.first->window();
    QWindowSystemInterface::handleTabletEvent(
        window->windowHandle(), pen(), where.first->mapTo(window, where.second),
        where.first->mapToGlobal(where.second), buttons, buttons ? 0.5 : 0.0, 0, 0, 0, 0, 0);
    QWindowSystemInterface::flushWindowSystemEvents();
}

// Each step is "FINGER ACTION TARGET...": press, move or release, or "1 hold"
// for a long press. The mouse and the pen play finger 1 only.
void play(const QStringList &steps, Device device, const Target &target)
{
    static QPointingDevice *screen = QTest::createTouchDevice();
    QSet<int> down;
    for (const QString &step : steps) {
        const QStringList words = step.split(u' ');
        const int finger = words[0].toInt();
        const QString action = words[1];
        if (action == u"hold") {
            QTest::qWait(QGuiApplication::styleHints()->mousePressAndHoldInterval() + 200);
            continue;
        }
        if (device != Device::Finger && finger != 1)
            continue;
        const auto [widget, at] = target(words.mid(2));
        if (device == Device::Mouse) {
            if (action == u"press")
                QTest::mousePress(widget, Qt::LeftButton, {}, at);
            else if (action == u"move")
                QTest::mouseMove(widget, at);
            else
                QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
        } else if (device == Device::Pen) {
            penAt({widget, at}, action == u"release" ? Qt::NoButton : Qt::LeftButton);
        } else {
            // A touch screen reports every finger that is down in each event.
            QTest::QTouchEventWidgetSequence touch = QTest::touchEvent(widget->window(), screen);
            for (int other : std::as_const(down))
                if (other != finger)
                    touch.stationary(other);
            if (action == u"press")
                touch.press(finger, at, widget), down.insert(finger);
            else if (action == u"move")
                touch.move(finger, at, widget);
            else
                touch.release(finger, at, widget), down.remove(finger);
        }
    }
}

// A picture of what the colouring window shows after the gesture.
QImage zedoAfter(const QStringList &steps, Device device)
{
    fixture::ZedoFixture program;
    if (!program.start(fixture::settings({12, 9, 2}, 10, 0)))
        return {};
    zedo::Form1 &f = program.form();
    play(steps, device, [&f](const QStringList &w) -> Where {
        if (w[0] == u"canvas")
            return {f.Picture1, QPoint(w[1].toInt(), w[2].toInt())};
        if (w[0] == u"swatch")
            return {f.Picture2, f.Shape1[w[1].toInt()]->geometry().center()};
        return {f.Command3D3, f.Command3D3->rect().center()};
    });
    return f.grab().toImage();
}

} // namespace

Q_DECLARE_METATYPE(Device)

class TstTouch : public QObject
{
    Q_OBJECT

private slots:
    void colouringByTouch_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<Device>("device");
        const QStringList drag = {"1 press canvas 30 40", "1 move canvas 60 40",
                                  "1 move canvas 90 45", "1 release canvas 90 45"};
        QTest::newRow("tap on a swatch, then a dot")
            << QStringList{"1 press swatch 1", "1 release swatch 1", "1 press canvas 50 50",
                           "1 release canvas 50 50"}
            << Device::Finger;
        QTest::newRow("drag with the pen tool") << drag << Device::Finger;
        QTest::newRow("tap on the tool button, then fill")
            << QStringList{"1 press tool", "1 release tool", "1 press canvas 70 70",
                           "1 release canvas 70 70"}
            << Device::Finger;
        QTest::newRow("second finger on a swatch while painting")
            << QStringList{"1 press canvas 30 40", "2 press swatch 2", "1 move canvas 60 40",
                           "2 release swatch 2", "1 release canvas 60 40"}
            << Device::Finger;
        QTest::newRow("palm resting and moving on the canvas")
            << QStringList{"1 press canvas 30 40",    "2 press canvas 200 300",
                           "2 move canvas 210 310",   "1 move canvas 60 40",
                           "1 release canvas 60 40",  "2 move canvas 220 320",
                           "2 release canvas 220 320"}
            << Device::Finger;
        QTest::newRow("long press on the tool button")
            << QStringList{"1 press tool", "1 hold", "1 release tool"} << Device::Finger;
        QTest::newRow("stylus drag") << drag << Device::Pen;
    }

    void colouringByTouch()
    {
        QFETCH(QStringList, steps);
        QFETCH(Device, device);
        const QImage byMouse = zedoAfter(steps, Device::Mouse);
        QVERIFY(!byMouse.isNull());
        QCOMPARE(zedoAfter(steps, device), byMouse);
    }

    // Two taps make no double click of Qt's; the list makes one of them.
    void editorByTouch_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("cellColour"); // of "Färg 1", 12 at start
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("ends");
        const QStringList tapCell = {"1 press cell 0", "1 release cell 0"};
        const QStringList tapB = {"1 press file 1", "1 release file 1"};
        QTest::newRow("tap on a cell") << tapCell << 13 << "a.bmp" << 0;
        QTest::newRow("double tap on a cell") << tapCell + tapCell << 14 << "a.bmp" << 0;
        QTest::newRow("double tap on a name saves") << tapB + tapB << 12 << "b.bmp" << 1;
        QTest::newRow("taps on two names")
            << tapB + QStringList{"1 press file 0", "1 release file 0"} << 12 << "a.bmp" << 0;
    }

    void editorByTouch()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, cellColour);
        QFETCH(QString, chosen);
        QFETCH(int, ends);
        fixture::EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"));
        editor.addPicture(QStringLiteral("b.bmp"));
        QVERIFY(editor.start());
        zedoconf::Form2 &f = editor.form();
        play(steps, Device::Finger, [&f](const QStringList &w) -> Where {
            if (w[0] == u"cell")
                return {f.Panel3D4[w[1].toInt()], f.Panel3D4[0]->rect().center()};
            const QListWidgetItem *item = f.File1->item(w[1].toInt());
            return {f.File1->viewport(), f.File1->visualItemRect(item).center()};
        });
        QCOMPARE(f.Panel3D4[0]->BackColor().rgb(), core::toRgb(core::QBColor(cellColour)));
        QCOMPARE(f.Text1->text(), chosen);
        QCOMPARE(editor.ends, ends);
    }
};

QTEST_MAIN(TstTouch)
#include "tst_touch.moc"
