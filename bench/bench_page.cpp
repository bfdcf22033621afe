// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of making a colouring page, from the bytes of the file to the page,
// as the importer does it: an A4 page scanned at 300 dots per inch, and a
// phone's photograph of twelve million pixels (4032 x 3024, JPEG), each
// beside the naive pipeline a technically minded parent might use instead,
// ImageMagick's `convert IN -resize 341x397 -threshold 50% OUT.bmp`, on the
// same file in the same run (when /usr/bin/convert is there), held to one
// thread as the importer is. The goal is well under a second on one core.
#include "core/page.h"
#include "zedoimport/pagemaker.h"
#include "zedoimport/pagereader.h"

#include "testpages.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QByteArray &scanJpeg()
{
    static const QByteArray bytes =
        testpages::encoded(testpages::pageIn(testpages::Form::Scanned), "JPEG", 85);
    return bytes;
}

const QByteArray &photoJpeg()
{
    static const QByteArray bytes =
        testpages::encoded(testpages::photographedPage(QSize(3024, 4032)), "JPEG", 90);
    return bytes;
}

void importPage(benchmark::State &state, const QByteArray &bytes)
{
    for (auto _ : state) {
        const QImage picture = zedoimport::ReadSourceData(bytes, QStringLiteral("sida")).picture;
        benchmark::DoNotOptimize(zedoimport::PreparePicture(picture));
    }
}

void naivePipeline(benchmark::State &state, const QByteArray &bytes)
{
    const QString convert = QStringLiteral("/usr/bin/convert");
    if (!QFile::exists(convert)) {
        state.SkipWithError("ImageMagick is not installed");
        return;
    }
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("in.jpg")));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the picture");
        return;
    }
    file.close();
    const QStringList arguments{QStringLiteral("-limit"),
                                QStringLiteral("thread"),
                                QStringLiteral("1"),
                                file.fileName(),
                                QStringLiteral("-resize"),
                                QStringLiteral("341x397"),
                                QStringLiteral("-threshold"),
                                QStringLiteral("50%"),
                                dir.filePath(QStringLiteral("out.bmp"))};
    for (auto _ : state) {
        if (QProcess::execute(convert, arguments) != 0) {
            state.SkipWithError("convert failed");
            return;
        }
    }
}

void BM_ImportScanA4(benchmark::State &state)
{
    importPage(state, scanJpeg());
}
BENCHMARK(BM_ImportScanA4)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_NaiveScanA4(benchmark::State &state)
{
    naivePipeline(state, scanJpeg());
}
BENCHMARK(BM_NaiveScanA4)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportPhoto12MP(benchmark::State &state)
{
    importPage(state, photoJpeg());
}
BENCHMARK(BM_ImportPhoto12MP)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_NaivePhoto12MP(benchmark::State &state)
{
    naivePipeline(state, photoJpeg());
}
BENCHMARK(BM_NaivePhoto12MP)->Unit(benchmark::kMillisecond)->UseRealTime();

// The steps on their own: preparing a decoded photograph, and tidying a page.
void BM_PreparePhoto12MP(benchmark::State &state)
{
    const QImage picture = zedoimport::ReadSourceData(photoJpeg(), QStringLiteral("foto")).picture;
    for (auto _ : state)
        benchmark::DoNotOptimize(zedoimport::PreparePicture(picture));
}
BENCHMARK(BM_PreparePhoto12MP)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FinishPage(benchmark::State &state)
{
    const QImage ink =
        testpages::linePage(QSize(1120, 1588)).convertToFormat(QImage::Format_Grayscale8);
    for (auto _ : state)
        benchmark::DoNotOptimize(core::page::finishPage(ink));
}
BENCHMARK(BM_FinishPage)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
