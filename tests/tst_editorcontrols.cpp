// SPDX-License-Identifier: GPL-3.0-or-later
#include "errormessage.h"
#include "forms/checkbox3d.h"
#include "forms/design.h"
#include "forms/filelistbox.h"
#include "forms/imagebox.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/vscrollbar.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QPainter>
#include <QTimer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

namespace {

QImage shown(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Makes a temporary folder the current one while it lives.
class Folder
{
public:
    explicit Folder(const QStringList &files)
    {
        QDir::setCurrent(m_dir.path());
        for (const QString &name : files) {
            QFile file(name);
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write %s", qPrintable(name));
        }
    }
    ~Folder() { QDir::setCurrent(m_previous); }
    QString path() const { return m_dir.path(); }

private:
    QString m_previous = QDir::currentPath();
    QTemporaryDir m_dir;
};

// The runs of dark pixels along one row, as a count of separate strokes.
int darkRuns(const QImage &image, int y)
{
    int runs = 0;
    bool inside = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool dark = qGray(image.pixel(x, y)) < 128;
        runs += dark && !inside;
        inside = dark;
    }
    return runs;
}

// Asks the control for its menu as a right click does; true if one opened
// (it is closed again at once).
bool opensAMenu(QWidget *control, QPoint at = QPoint(5, 5))
{
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget *menu = QApplication::activePopupWidget()) {
            opened = true;
            menu->close();
        }
    });
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &request);
    QCoreApplication::processEvents();
    return opened;
}

} // namespace

class TstEditorControls : public QObject
{
    Q_OBJECT

private slots:
    void fileListHoldsTheMatchingFilesSortedByName()
    {
        Folder folder({"b.bmp", "A.BMP", "c.Bmp", "notes.txt", "bmp", "b.bmp.txt", ".hidden.bmp",
                       "äpple.bmp", "Åsna.bmp", "öga.bmp", "zebra.bmp"});
        QVERIFY(QDir().mkdir(QStringLiteral("d.bmp")));
        forms::FileListBox list(QStringLiteral("*.bmp"));
        QStringList names;
        for (int i = 0; i < list.ListCount(); ++i)
            names << list.item(i)->text();
        QCOMPARE(names, QStringList({"A.BMP", "b.bmp", "c.Bmp", "zebra.bmp", "Åsna.bmp",
                                     "äpple.bmp", "öga.bmp"}));
        QCOMPARE(list.Path(), folder.path());
        QCOMPARE(list.ListIndex(), -1);
        QCOMPARE(list.FileName(), QString());
    }

    void fileListClicksOnlyWhenTheAdultMovesTheSelection()
    {
        Folder folder({"a.bmp", "b.bmp", "c.bmp"});
        forms::FileListBox list(QStringLiteral("*.bmp"));
        list.resize(160, 120);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy clicks(&list, &forms::FileListBox::Click);
        QSignalSpy doubleClicks(&list, &forms::FileListBox::DblClick);

        list.setListIndex(1);
        QCOMPARE(list.FileName(), QStringLiteral("b.bmp"));
        QCOMPARE(clicks.size(), 0);

        const QPoint third = list.visualItemRect(list.item(2)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, third);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(list.FileName(), QStringLiteral("c.bmp"));

        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(clicks.size(), 2);
        QCOMPARE(list.FileName(), QStringLiteral("b.bmp"));

        const QPoint first = list.visualItemRect(list.item(0)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, first);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, first);
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, first);
        QCOMPARE(clicks.size(), 3);
        QCOMPARE(doubleClicks.size(), 1);
        QCOMPARE(list.FileName(), QStringLiteral("a.bmp"));

        // Below the last entry there is nothing to choose.
        const QPoint below(10, list.viewport()->height() - 3);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, below);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, below);
        QCOMPARE(doubleClicks.size(), 1);
        QCOMPARE(list.FileName(), QStringLiteral("a.bmp"));
        QVERIFY2(list.currentItem()->isSelected(), "the chosen entry no longer shows as chosen");
        QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::NoModifier, below);
        QVERIFY(list.currentItem()->isSelected());
    }

    // The list's scroll bar works as the count's does: a middle or right
    // click low in the track moves one page down, not to the end, and no
    // menu opens on the list or its bar.
    void fileListOpensNoMenuAndItsBarSteps_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("middle") << Qt::MiddleButton;
        QTest::newRow("right") << Qt::RightButton;
    }

    void fileListOpensNoMenuAndItsBarSteps()
    {
        QFETCH(Qt::MouseButton, button);
        QStringList names;
        for (int i = 0; i < 40; ++i)
            names << QStringLiteral("bild%1.bmp").arg(i, 2, 10, QLatin1Char('0'));
        Folder folder(names);
        forms::FileListBox list(QStringLiteral("*.bmp"));
        list.resize(160, 120);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QScrollBar *bar = list.verticalScrollBar();
        QVERIFY(bar->isVisible());
        QTest::mouseClick(bar, button, Qt::NoModifier,
                          QPoint(bar->width() / 2, bar->height() - 20));
        QCOMPARE(bar->value(), bar->pageStep());
        QVERIFY(!opensAMenu(bar));
        QVERIFY(!opensAMenu(list.viewport()));
    }

    void selectingAMissingEntryNamesTheFolder_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("index");
        QTest::newRow("no file") << QStringList() << 0;
        QTest::newRow("past the end") << QStringList{"a.bmp"} << 1;
        QTest::newRow("before the start") << QStringList{"a.bmp"} << -1;
    }

    void selectingAMissingEntryNamesTheFolder()
    {
        QFETCH(QStringList, files);
        QFETCH(int, index);
        Folder folder(files);
        forms::FileListBox list(QStringLiteral("*.bmp"));
        const std::optional<QString> message = errorMessageOf([&] { list.setListIndex(index); });
        QVERIFY(message);
        QVERIFY2(message->contains(QDir::toNativeSeparators(folder.path())), qPrintable(*message));
        QVERIFY2(message->contains(QStringLiteral("*.bmp")), qPrintable(*message));
        QCOMPARE(list.ListIndex(), -1);
    }

    void scrollBarStepsByOneAndChanges_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("where");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("keys");
        QTest::addColumn<int>("value");
        const Qt::MouseButton left = Qt::LeftButton;
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        QTest::newRow("upper arrow, 10 at the top")
            << 10 << 1 << "upper arrow" << left << none << 4;
        QTest::newRow("lower arrow, 10 at the top")
            << 10 << 1 << "lower arrow" << left << none << 2;
        QTest::newRow("track above the thumb") << 10 << 1 << "above thumb" << left << none << 4;
        QTest::newRow("track below the thumb") << 10 << 1 << "below thumb" << left << none << 2;
        QTest::newRow("upper arrow, 1 at the top") << 1 << 10 << "upper arrow" << left << none << 2;
        QTest::newRow("track below, 1 at the top") << 1 << 10 << "below thumb" << left << none << 4;
        // Every button is a click like the left one: no jump to the pointer,
        // no menu.
        QTest::newRow("middle button, track below")
            << 10 << 1 << "below thumb" << Qt::MiddleButton << none << 2;
        QTest::newRow("middle button, upper arrow")
            << 10 << 1 << "upper arrow" << Qt::MiddleButton << none << 4;
        QTest::newRow("right button, track above")
            << 10 << 1 << "above thumb" << Qt::RightButton << none << 4;
        QTest::newRow("right button, lower arrow")
            << 10 << 1 << "lower arrow" << Qt::RightButton << none << 2;
        QTest::newRow("Shift, track below")
            << 10 << 1 << "below thumb" << left << Qt::KeyboardModifiers(Qt::ShiftModifier) << 2;
    }

    void scrollBarStepsByOneAndChanges()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(QString, where);
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, keys);
        QFETCH(int, value);
        forms::VScrollBar bar;
        bar.setMin(min);
        bar.setMax(max);
        bar.setSmallChange(1);
        bar.setLargeChange(1);
        bar.setValue(3);
        bar.resize(17, 120);
        bar.show();
        bar.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&bar));
        const QRect thumb = bar.partRect(QStyle::SC_ScrollBarSlider);
        QVERIFY(thumb.height() < 30); // the thumb shows where the value lies
        const QMap<QString, QPoint> points = {
            {"upper arrow", QPoint(8, 3)},
            {"lower arrow", QPoint(8, bar.height() - 3)},
            {"above thumb", QPoint(8, thumb.top() - 3)},
            {"below thumb", QPoint(8, thumb.bottom() + 3)},
        };
        QSignalSpy changes(&bar, &forms::VScrollBar::Change);
        QTest::mouseClick(&bar, button, keys, points[where]);
        QCOMPARE(bar.Value(), value);
        QCOMPARE(changes.size(), 1);
        QVERIFY(!opensAMenu(&bar, points[where]));
        QVERIFY(bar.hasFocus());
    }

    void scrollBarChangesOnlyWhenTheThumbIsReleased_data()
    {
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("changes");
        QTest::newRow("dragged up") << -40 << 1;
        QTest::newRow("dragged and brought back") << 0 << 0;
    }

    void scrollBarChangesOnlyWhenTheThumbIsReleased()
    {
        QFETCH(int, dy);
        QFETCH(int, changes);
        forms::VScrollBar bar;
        bar.setMin(10);
        bar.setMax(1);
        bar.setLargeChange(1);
        bar.setValue(3);
        bar.resize(17, 160);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy spy(&bar, &forms::VScrollBar::Change);
        const QPoint start = bar.partRect(QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, start);
        for (int step = 1; step <= 8; ++step)
            QTest::mouseMove(&bar, start + QPoint(0, -5 * step));
        QCOMPARE(bar.Value(), 3);
        QCOMPARE(spy.size(), 0);
        QTest::mouseMove(&bar, start + QPoint(0, dy));
        QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, start + QPoint(0, dy));
        QCOMPARE(spy.size(), changes);
        QCOMPARE(bar.Value() > 3, changes == 1);
    }

    void imageBoxStretchesItsPictureInsideItsBorder()
    {
        QWidget container;
        forms::setBackColor(&container, qRgb(0xC0, 0xC0, 0xC0));
        container.resize(100, 100);
        forms::ImageBox box(&container);
        box.setGeometry(10, 10, 41, 61);
        const QImage empty = shown(container);
        QCOMPARE(empty.pixel(30, 40), qRgb(0xC0, 0xC0, 0xC0));

        box.setSingleBorder(true);
        QImage quarters(2, 2, QImage::Format_RGB32);
        quarters.setPixel(0, 0, qRgb(255, 0, 0));
        quarters.setPixel(1, 0, qRgb(0, 255, 0));
        quarters.setPixel(0, 1, qRgb(0, 0, 255));
        quarters.setPixel(1, 1, qRgb(255, 255, 0));
        box.setPicture(quarters);
        const QImage image = shown(box);
        QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(40, 60), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(2, 2), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(38, 2), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(2, 58), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(38, 58), qRgb(255, 255, 0));
        QVERIFY(box.testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void imageBoxSmoothsAPictureAsQtDoes_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("colour table") << QImage::Format_Indexed8;
        QTest::newRow("one bit a pixel") << QImage::Format_Mono;
        QTest::newRow("true colour") << QImage::Format_RGB32;
    }

    // The preview of a shrunk picture shows exactly what Qt's own smoothing
    // makes of the picture as it was loaded, whatever its format.
    void imageBoxSmoothsAPictureAsQtDoes()
    {
        QFETCH(QImage::Format, format);
        QImage stripes(90, 70, QImage::Format_RGB32);
        for (int y = 0; y < stripes.height(); ++y)
            for (int x = 0; x < stripes.width(); ++x)
                stripes.setPixel(x, y, (x / 3 + y / 5) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 0));
        const QImage picture = stripes.convertToFormat(format);
        forms::ImageBox box;
        box.resize(41, 31);
        box.setPicture(picture);
        QImage expected(box.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(expected.rect(), picture);
        painter.end();
        QCOMPARE(shown(box), expected);
    }

    void lineIsAsWideAsItsBorderWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("1") << 1;
        QTest::newRow("5") << 5;
        QTest::newRow("10") << 10;
        QTest::newRow("15") << 15;
    }

    void lineIsAsWideAsItsBorderWidth()
    {
        QFETCH(int, width);
        QWidget container;
        forms::setBackColor(&container, qRgb(0xC0, 0xC0, 0xC0));
        container.resize(120, 120);
        forms::Line line(&container);
        line.setBorderColor(QColor(255, 0, 0));
        line.setBorderWidth(width);
        line.setPoints(900, 300, 900, 1500); // x 60, y 20 to 100
        const QImage image = shown(container);
        int red = 0;
        for (int x = 0; x < image.width(); ++x)
            red += image.pixel(x, 60) == qRgb(255, 0, 0);
        QCOMPARE(red, width);
        QCOMPARE(image.pixel(60, 60), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(60, 60 + 40 + width / 2 + 2), qRgb(0xC0, 0xC0, 0xC0));
    }

    void labelWrapsFromTheTopWithinItsBorder()
    {
        QWidget container;
        forms::setBackColor(&container, qRgb(0xFF, 0xFF, 0x80));
        container.resize(200, 100);
        forms::Label label(&container);
        label.setCaption(QStringLiteral("Synliga knappar"));
        label.setFont(forms::designFont(QStringLiteral("MS Sans Serif"), 12, true));
        label.setBackColor(QColor(0xC0, 0xC0, 0xC0));
        label.setAlignment(Qt::AlignHCenter);
        label.setSingleBorder(true);
        label.setGeometry(0, 0, 90, 80);
        const QImage image = shown(label);
        QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(89, 79), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(5, 75), qRgb(0xC0, 0xC0, 0xC0));
        const auto inkInRows = [&](int top, int bottom) {
            for (int y = top; y < bottom; ++y)
                if (darkRuns(image.copy(1, 0, 88, 80), y) > 0)
                    return true;
            return false;
        };
        QVERIFY(inkInRows(2, 19));   // "Synliga"
        QVERIFY(inkInRows(22, 37));  // "knappar", on a line of its own
        QVERIFY(!inkInRows(45, 78)); // nothing lower: the text starts at the top
    }

    void choiceCaptionTooWideIsNarrowedNotCut_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("room enough") << 260;
        QTest::newRow("too narrow") << 120;
    }

    void choiceCaptionTooWideIsNarrowedNotCut()
    {
        QFETCH(int, width);
        forms::CheckBox3D box;
        box.setCaption(QStringLiteral("I I I I I I I I"));
        box.setFont(forms::designFont(QStringLiteral("MS Sans Serif"), 16.5, true));
        box.resize(width, 25);
        QCOMPARE(darkRuns(shown(box).copy(15, 0, width - 15, 25), 12), 8);
    }
};

QTEST_MAIN(TstEditorControls)
#include "tst_editorcontrols.moc"
