// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the raster operations behind the canvas: the border fill on the
// canvas and on a large image, the copies of the commit beside a plain
// memcpy of the same bytes, and one dot of the widest pen. With OpenCV at
// hand its flood fill runs on the same scenes, as the yardstick.
#include "core/pictureloader.h"
#include "core/raster.h"
#include "forms/design.h"
#include "zedo/form1.h"
#include "zedo/form2.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#ifdef KRUMELO_HAVE_OPENCV
#include <opencv2/imgproc.hpp>
#endif

namespace {

constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;
// The fills alternate between two colours, so every run repaints the whole
// area and none finds it done already.
constexpr QRgb FillColors[2] = {0xFFFF0000, 0xFF0000FF};

// Grid lines every 32 pixels leave cells of 31 x 31 pixels.
constexpr int GridStep = 32;
constexpr int CellSize = GridStep - 1;

// The canvas of the main window and the page rectangle the commit copies.
constexpr int CanvasWidth = forms::twips(zedo::CanvasTwips.width());
constexpr int CanvasHeight = forms::twips(zedo::CanvasTwips.height());
constexpr int PageHeight = forms::twips(zedo::PageTwips.height());
constexpr qint64 PageBytes = qint64(CanvasWidth) * PageHeight * sizeof(QRgb);

enum class Scene { Page, Blank, GridWithGaps, ClosedCell };

struct FillCase
{
    QImage image;
    QPoint seed;
};

bool onGridLine(int x, int y)
{
    return x % GridStep == CellSize || y % GridStep == CellSize;
}

// A grid of black lines; with gaps, three pixels in the middle of every side
// of every cell stay open, so all cells are one area.
QImage grid(int width, int height, bool gaps)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const bool gap = gaps && (std::abs(x % GridStep - CellSize / 2) <= 1 ||
                                      std::abs(y % GridStep - CellSize / 2) <= 1);
            line[x] = onGridLine(x, y) && !gap ? Black : White;
        }
    }
    return image;
}

// The default colouring page on the canvas, as the window shows it.
QImage pageCanvas()
{
    QImage canvas(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
    canvas.fill(White);
    QPainter painter(&canvas);
    painter.drawImage(0, 0,
                      core::LoadPicture(QStringLiteral(KRUMELO_SOURCE_DIR "/resources/page.bmp")));
    return canvas;
}

FillCase makeCase(Scene scene, int width, int height)
{
    switch (scene) {
    case Scene::Page:
        return {pageCanvas(), {5, 5}};
    case Scene::Blank: {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(White);
        return {image, {width / 2, height / 2}};
    }
    case Scene::GridWithGaps:
        return {grid(width, height, true), {CellSize / 2, CellSize / 2}};
    case Scene::ClosedCell:
        break;
    }
    const int cell = (width / 2) / GridStep * GridStep;
    return {grid(width, height, false), {cell + CellSize / 2, cell + CellSize / 2}};
}

qint64 countPixels(const QImage &image, QRgb color)
{
    qint64 count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        count += std::count(line, line + image.width(), color);
    }
    return count;
}

void setFillCounters(benchmark::State &state, qint64 area)
{
    state.SetItemsProcessed(state.iterations() * area);
    state.counters["area_px"] = double(area);
}

void BM_FloodFill(benchmark::State &state, Scene scene)
{
    FillCase fill = makeCase(scene, int(state.range(0)), int(state.range(1)));
    int round = 0;
    for (auto _ : state) {
        core::FloodFill(fill.image, fill.seed.x(), fill.seed.y(), Black, FillColors[round++ % 2]);
        benchmark::ClobberMemory();
    }
    setFillCounters(state, countPixels(fill.image, FillColors[(round - 1) % 2]));
}

#ifdef KRUMELO_HAVE_OPENCV
// OpenCV's fill on an 8-bit layer of the same scene: the border 0 and every
// other pixel 255, so a fill that only spreads over equal values covers the
// same area as the border fill.
void BM_OpenCVFloodFill(benchmark::State &state, Scene scene)
{
    const FillCase fill = makeCase(scene, int(state.range(0)), int(state.range(1)));
    cv::Mat layer(fill.image.height(), fill.image.width(), CV_8UC1);
    for (int y = 0; y < layer.rows; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(fill.image.constScanLine(y));
        for (int x = 0; x < layer.cols; ++x)
            layer.at<uchar>(y, x) = (line[x] & 0xFFFFFF) == 0 ? 0 : 255;
    }
    const cv::Point seed(fill.seed.x(), fill.seed.y());
    int round = 0;
    qint64 area = 0;
    for (auto _ : state) {
        area = cv::floodFill(layer, seed, cv::Scalar(round++ % 2 == 0 ? 128 : 255), nullptr,
                             cv::Scalar(), cv::Scalar(), 4);
        benchmark::ClobberMemory();
    }
    setFillCounters(state, area);
}
#endif

// The ceiling: copying the pixels of the page rectangle, or of a 4096 x 4096
// image, with nothing in the way.
void BM_Memcpy(benchmark::State &state)
{
    const std::size_t pixels = std::size_t(state.range(0));
    std::vector<QRgb> from(pixels, White);
    std::vector<QRgb> to(pixels, Black);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), pixels * sizeof(QRgb));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * qint64(pixels));
    state.SetBytesProcessed(state.iterations() * qint64(pixels * sizeof(QRgb)));
}

// What the screen image brings to a commit: nothing new (a release after a
// fill), new pixels everywhere (the first commit of a fill of the whole
// page), or new pixels in its right column only, the worst case for finding
// the changed columns.
enum class Change { None, Everywhere, RightColumn };

// Two screen images the copies alternate between, so that every copy meets
// the change anew.
std::pair<QImage, QImage> changingScreens(Change change)
{
    const QImage screen = pageCanvas();
    QImage other = screen.copy();
    if (change == Change::Everywhere)
        other.invertPixels();
    for (int y = 0; change == Change::RightColumn && y < other.height(); ++y)
        other.setPixel(CanvasWidth - 1, y, FillColors[y % 2]);
    return {screen, other};
}

// One of the two copies of the commit: the page rectangle of the canvas onto
// the print page.
void BM_BitBlt(benchmark::State &state, Change change)
{
    const auto [screen, other] = changingScreens(change);
    QImage page = screen.copy(0, 0, CanvasWidth, PageHeight);
    int round = 0;
    for (auto _ : state) {
        const QImage &canvas = round++ % 2 ? screen : other;
        benchmark::DoNotOptimize(core::BitBlt(page, 0, 0, CanvasWidth, PageHeight, canvas, 0, 0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * PageBytes);
}

// The whole commit on the images alone: the screen image onto the page, and
// the page into the kept image.
void BM_Commit(benchmark::State &state, Change change)
{
    const auto [screen, other] = changingScreens(change);
    QImage kept = screen.copy();
    QImage page = screen.copy(0, 0, CanvasWidth, PageHeight);
    int round = 0;
    for (auto _ : state) {
        const QImage &surface = round++ % 2 ? screen : other;
        core::BitBlt(page, 0, 0, CanvasWidth, PageHeight, surface, 0, 0);
        core::BitBlt(kept, 0, 0, CanvasWidth, PageHeight, page, 0, 0);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 2 * PageBytes);
}

// A dot of the widest pen, at a new place each time as along a stroke.
void BM_PSet(benchmark::State &state)
{
    QImage canvas = pageCanvas();
    const int width = int(state.range(0));
    int step = 0;
    for (auto _ : state) {
        const double x = 20 + step % 300;
        const double y = 20 + (step / 300) % 380;
        benchmark::DoNotOptimize(core::PSet(canvas, x + 0.3, y + 0.6, width, FillColors[0]));
        ++step;
    }
}

} // namespace

BENCHMARK(BM_Memcpy)->Arg(PageBytes / sizeof(QRgb))->Arg(4096 * 4096);
BENCHMARK_CAPTURE(BM_BitBlt, unchanged, Change::None);
BENCHMARK_CAPTURE(BM_BitBlt, changed_everywhere, Change::Everywhere);
BENCHMARK_CAPTURE(BM_BitBlt, changed_right_column, Change::RightColumn);
BENCHMARK_CAPTURE(BM_Commit, unchanged, Change::None);
BENCHMARK_CAPTURE(BM_Commit, changed_everywhere, Change::Everywhere);
BENCHMARK_CAPTURE(BM_Commit, changed_right_column, Change::RightColumn);
BENCHMARK(BM_PSet)->Arg(15);

namespace {

using FillBenchmark = void (*)(benchmark::State &, Scene);

// Every fill on the page, and on each made-up scene at the canvas's size and
// at 4096 x 4096; OpenCV's, where there is one, right after ours on the same
// scene, so that the two run side by side.
void registerFills(const std::vector<std::pair<std::string, FillBenchmark>> &fills)
{
    const std::pair<const char *, Scene> scenes[] = {{"/page", Scene::Page},
                                                     {"/blank", Scene::Blank},
                                                     {"/gridWithGaps", Scene::GridWithGaps},
                                                     {"/closedCell", Scene::ClosedCell}};
    const QSize sizes[] = {{CanvasWidth, CanvasHeight}, {4096, 4096}};
    for (const auto &[suffix, scene] : scenes) {
        for (const QSize size : sizes) {
            if (scene == Scene::Page && size != sizes[0])
                continue;
            for (const auto &[name, fill] : fills)
                benchmark::RegisterBenchmark((name + suffix).c_str(), fill, scene)
                    ->Args({size.width(), size.height()})
                    ->ArgNames({"w", "h"});
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    registerFills({{"BM_FloodFill", BM_FloodFill},
#ifdef KRUMELO_HAVE_OPENCV
                   {"BM_OpenCVFloodFill", BM_OpenCVFloodFill}
#endif
    });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
