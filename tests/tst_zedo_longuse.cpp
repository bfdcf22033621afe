// SPDX-License-Identifier: GPL-3.0-or-later
// A child at the colouring program for an hour: a hundred thousand mouse
// presses, moves and releases on the canvas, strokes and fills mixed with
// colour picks and tool changes. What is painted is kept: after every press
// and release the screen, the kept image and the print page agree within the
// page rectangle, and memory does not grow with use.
#include "core/colortable.h"
#include "forms/commandbutton3d.h"
#include "forms/picturebox.h"
#include "forms/shape.h"
#include "procstatus.h"
#include "zedo/form2.h"
#include "fixture/zedofixture.h"

#include <QRandomGenerator>
#include <QTest>

#include <cstring>

using fixture::ZedoFixture;

namespace {

// Pointer positions reach a little beyond the canvas on every side, as a
// held button drags the pointer off it.
QPoint anywhere(QRandomGenerator &random, QRect canvas)
{
    return {random.bounded(canvas.left() - 10, canvas.right() + 11),
            random.bounded(canvas.top() - 10, canvas.bottom() + 11)};
}

// Whether the two agree within the page rectangle, which every commit copies.
bool equalWithinPage(const QImage &a, const QImage &b, QRect page)
{
    const qsizetype rowBytes = page.width() * sizeof(QRgb);
    for (int y = 0; y < page.height(); ++y) {
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), rowBytes) != 0)
            return false;
    }
    return true;
}

// Drives the main window as a child would, checking each commit.
class Child
{
public:
    Child(zedo::Form1 &form, quint32 seed) : m_form(form), m_random(seed) {}

    // Does one thing with the mouse; returns how many canvas events it took.
    int act()
    {
        const int choice = m_random.bounded(20);
        if (choice == 0) {
            const int swatch = m_random.bounded(6);
            QTest::mouseClick(m_form.Picture2, Qt::LeftButton, {},
                              m_form.Shape1[swatch]->geometry().center());
            return 0;
        }
        if (choice == 1) {
            QTest::mouseClick(m_form.Command3D3, Qt::LeftButton);
            return 0;
        }
        return gesture();
    }

    // Whether every commit so far left the three images equal and kept what
    // the press painted; the first failure is described.
    QString failure;

private:
    int gesture()
    {
        const bool filling = m_form.Command3D3->Caption() == QStringLiteral("Måla");
        const Qt::MouseButton button = m_random.bounded(4) == 0 ? Qt::RightButton : Qt::LeftButton;
        const QPoint start = anywhere(m_random, m_form.Picture1->rect());
        const bool onBlack = valid(start) && surface().pixel(start) == qRgb(0, 0, 0);
        QTest::mousePress(m_form.Picture1, button, {}, start);
        checkCommit("press");
        if (valid(start) && !(filling && onBlack))
            expectPainted(start,
                          filling ? m_form.Picture1->FillColor() : m_form.Picture1->ForeColor());
        const int moves = filling ? m_random.bounded(3) : m_random.bounded(30);
        QPoint at = start;
        for (int i = 0; i < moves; ++i) {
            at += QPoint(m_random.bounded(-12, 13), m_random.bounded(-12, 13));
            QTest::mouseMove(m_form.Picture1, at);
        }
        QTest::mouseRelease(m_form.Picture1, button, {}, at);
        checkCommit("release");
        return moves + 2;
    }

    const QImage &surface() const { return m_form.Picture1->surface(); }
    bool valid(QPoint at) const { return m_form.Picture1->rect().contains(at); }

    void checkCommit(const char *when)
    {
        const QImage &kept = m_form.Picture1->keptImage();
        const QImage &page = m_form.form2()->Picture1->keptImage();
        const QRect within = m_form.form2()->Picture1->rect();
        if (failure.isEmpty() &&
            !(equalWithinPage(surface(), kept, within) && equalWithinPage(kept, page, within)))
            failure = QStringLiteral("images differ after a %1").arg(QLatin1String(when));
    }

    void expectPainted(QPoint at, core::ColorValue color)
    {
        if (failure.isEmpty() && surface().pixel(at) != core::toRgb(color))
            failure = QStringLiteral("nothing painted at %1, %2").arg(at.x()).arg(at.y());
    }

    zedo::Form1 &m_form;
    QRandomGenerator m_random;
};

// AddressSanitizer holds freed memory back on purpose, so resident memory
// says nothing there; its leak check at exit stands in for the bound.
#ifdef KRUMELO_SANITIZED
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif

} // namespace

class TstZedoLongUse : public QObject
{
    Q_OBJECT

private slots:
    void anHourOfPainting()
    {
        constexpr int Events = 100'000;
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({12, 9, 2, 14, 0, 15}, 10, 0)));
        Child child(program.form(), 20240611);
        // The first commits create the print page and fill Qt's caches.
        for (int done = 0; done < 1000; done += child.act())
            QCoreApplication::processEvents();
        const qint64 before = memoryKb("VmRSS");

        for (int done = 0; done < Events && child.failure.isEmpty(); done += child.act())
            QCoreApplication::processEvents();
        QVERIFY2(child.failure.isEmpty(), qPrintable(child.failure));

        const qint64 after = memoryKb("VmRSS");
        qInfo("%d canvas events; resident memory %lld kB before, %lld kB after", Events, before,
              after);
        if (!Sanitized)
            QVERIFY2(after - before < 10 * 1024, "memory grew by more than 10 MB");
        QVERIFY(program.errors.isEmpty() && program.ends == 0);
    }
};

QTEST_MAIN(TstZedoLongUse)
#include "tst_zedo_longuse.moc"
