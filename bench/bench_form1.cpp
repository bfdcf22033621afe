// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the main window of the colouring program answers the child: a
// press of the fill tool up to the repainted canvas, the commit of a release,
// the dots of a stroke and a click of the pen, each with how much of the
// window it repaints.
// The window runs on the offscreen platform (unless QT_QPA_PLATFORM says
// otherwise), where showing what was painted costs nothing; on a real screen
// the flush of the repainted rectangle comes on top.
#include "core/settingsfile.h"
#include "forms/design.h"
#include "forms/picturebox.h"
#include "zedo/form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

namespace {

// Where a press fills the whole background of the default page, and where
// it fills the inside of the cloud at the bottom left (1,540 pixels).
constexpr QPoint Background(5, 5);
constexpr QPoint Cloud(50, 358);

// Adds up the pixels that every widget of the program repaints while it lives.
class PaintCounter : public QObject
{
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }

    // Puts the pixels and paint events per round beside the benchmark's time.
    void report(benchmark::State &state, const std::string &round) const
    {
        const double rounds = double(state.iterations());
        state.counters["repainted_px_per_" + round] = double(pixels) / rounds;
        state.counters["paints_per_" + round] = double(events) / rounds;
    }

    qint64 pixels = 0;
    qint64 events = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++events;
            for (const QRect &rect : static_cast<QPaintEvent *>(event)->region())
                pixels += qint64(rect.width()) * rect.height();
        }
        return QObject::eventFilter(watched, event);
    }
};

// The main window on the default page, loaded from its own folder and shown.
class Window
{
public:
    Window(qint16 penWidth, bool fillMode) : m_previousDir(QDir::currentPath())
    {
        QDir::setCurrent(m_dir.path());
        QFile::copy(QStringLiteral(KRUMELO_SOURCE_DIR "/resources/page.bmp"),
                    QStringLiteral("page.bmp"));
        core::ZedoSettings settings;
        settings.PicturePath = QStringLiteral("page.bmp");
        settings.Colors = {12, 9, 2};
        settings.PenWidth = penWidth;
        settings.StartInFillMode = fillMode ? -1 : 0;
        core::WriteSettings(core::SettingsFileName, settings);
        form = std::make_unique<zedo::Form1>();
        form->Form_Load();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("the main window did not show");
        repaint();
    }
    ~Window()
    {
        form.reset();
        QDir::setCurrent(m_previousDir);
    }

    // The mouse event as the window system delivers it to the canvas.
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        forms::PictureBox *canvas = form->Picture1;
        QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
    }

    // What the event loop does next, the repaint the handlers asked for
    // among it: every event posted meanwhile, then what the platform has.
    static void repaint() { QCoreApplication::processEvents(); }

    std::unique_ptr<zedo::Form1> form;

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A press of the fill tool, from the event to the repainted canvas: the
// fill, the commit and the repaint. The colour changes each time, so every
// press paints the whole area anew.
void BM_FillPressToRepaint(benchmark::State &state, QPoint at)
{
    Window window(10, true);
    int round = 0;
    PaintCounter counter;
    for (auto _ : state) {
        window.form->Picture1->setFillColor(round++ % 2 ? 0x0000FF : 0xFF0000);
        window.send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        Window::repaint();
    }
    counter.report(state, "press");
    window.send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

// A release: the commit alone, timed without the repaint that follows it.
// Nothing was painted since the last commit, so nothing on the screen changes.
void BM_ReleaseCommit(benchmark::State &state)
{
    Window window(10, true);
    PaintCounter counter;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        window.send(QEvent::MouseButtonRelease, Background, Qt::LeftButton, Qt::NoButton);
        state.SetIterationTime(secondsSince(start));
        Window::repaint();
    }
    counter.report(state, "commit");
}

// A click of the pen of width 15: the dot and a commit on the press, a commit
// on the release, up to the repainted canvas. The colour changes each time,
// so every dot changes its pixels.
void BM_DotClick(benchmark::State &state)
{
    Window window(15, false);
    PaintCounter counter;
    int step = 0;
    for (auto _ : state) {
        window.form->Picture1->setForeColor(step % 2 ? 0x0000FF : 0xFF0000);
        const QPoint at(20 + step % 300, 20 + (step / 300 * 7) % 380);
        step += 17;
        window.send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        window.send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        Window::repaint();
    }
    counter.report(state, "click");
}

// The dots of a stroke of the widest pen, each from its mouse move to the
// repainted dot, with the pixels repainted per dot as a counter.
void BM_StrokeDot(benchmark::State &state)
{
    Window window(15, false);
    window.send(QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton, Qt::LeftButton);
    Window::repaint();
    int step = 0;
    PaintCounter counter;
    for (auto _ : state) {
        const QPoint at(20 + step % 300, 20 + (step / 300 * 7) % 380);
        step += 3;
        window.send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        Window::repaint();
    }
    counter.report(state, "dot");
    window.send(QEvent::MouseButtonRelease, QPoint(20, 20), Qt::LeftButton, Qt::NoButton);
    state.counters["window_px"] = double(window.form->width()) * window.form->height();
}

} // namespace

BENCHMARK_CAPTURE(BM_FillPressToRepaint, background, Background)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FillPressToRepaint, cloud, Cloud)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReleaseCommit)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StrokeDot)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DotClick)->Unit(benchmark::kMicrosecond);

// The application is made as the program makes it, after the benchmark
// options are taken out of the command line.
int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    forms::useDesignLooks();
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
