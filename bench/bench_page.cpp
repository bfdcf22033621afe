// Speed of preparing a colouring page: a whole A4 page at 300 dots per inch,
// as a decoded JPEG, through every step, and each step on its own. The goal
// is well under a second for the whole page on one core.
#include "core/page.h"

#include "testpages.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

namespace page = core::page;

const QImage &a4Picture()
{
    static const QImage picture =
        QImage::fromData(testpages::encoded(testpages::linePage(), "JPEG", 85));
    return picture;
}

const QImage &fittedPage()
{
    static const QImage fitted = page::fitToPage(page::threshold(a4Picture()));
    return fitted;
}

void BM_PreparePageA4(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(page::preparePage(a4Picture()));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PreparePageA4)->Unit(benchmark::kMillisecond);

void BM_ThresholdA4(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(page::threshold(a4Picture()));
}
BENCHMARK(BM_ThresholdA4)->Unit(benchmark::kMillisecond);

void BM_FitToPageA4(benchmark::State &state)
{
    const QImage ink = page::threshold(a4Picture());
    for (auto _ : state)
        benchmark::DoNotOptimize(page::fitToPage(ink));
}
BENCHMARK(BM_FitToPageA4)->Unit(benchmark::kMillisecond);

void BM_CleanPage(benchmark::State &state)
{
    for (auto _ : state) {
        QImage cleaned = fittedPage();
        page::removeSpecks(cleaned);
        page::closeGaps(cleaned);
        page::fillWhiteIslands(cleaned);
        benchmark::DoNotOptimize(cleaned);
    }
}
BENCHMARK(BM_CleanPage)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
