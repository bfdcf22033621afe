// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as the file a page is made from, read from memory by the
// importer's reader (pictures, SVG, PDF), the sheet looked for and
// straightened, the ink judged against the paper, and fitted to the page.
// Every input must give a page or core::Error naming the file: a hostile
// file is refused, never a crash, and the reader's limits keep its size and
// time in bounds, which the fuzzer's own limits watch. The steps that tidy
// the fitted page have a target of their own, fuzz_pageclean: on a whole
// page they would take most of the time of each input.
#include "core/error.h"
#include "core/page.h"
#include "zedoimport/pagemaker.h"
#include "zedoimport/pagereader.h"

#include <QGuiApplication>
#include <QImageReader>

#include <cstddef>
#include <cstdint>

namespace {

const QString FileName = QStringLiteral("/fuzz/sida.pdf");
// Drawings drawn at a tenth of the importer's size take the same paths
// through the reader and the preparation, a hundred times quicker.
constexpr QSize DrawingSize(zedoimport::DrawingSize.width() / 10,
                            zedoimport::DrawingSize.height() / 10);

void expect(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

// Text in SVG and PDF pages needs fonts, and so an application.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QGuiApplication app(*argc, *argv);
    // Within the reader's own limit, a picture of megapixels per input would
    // only make the run slow: the limit, in megabytes, is still above a page.
    QImageReader::setAllocationLimit(1);
    // Qt's readers warn about each damaged file they meet; printing that for
    // every input takes longer than reading it.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    zedoimport::Source source;
    try {
        source = zedoimport::ReadSourceData(bytes, FileName, 1, DrawingSize);
    } catch (const core::Error &error) {
        expect(error.message().contains(FileName));
        return 0;
    }
    expect(!source.picture.isNull() && source.pageCount >= 1);
    const QImage ink = zedoimport::InkOfPicture(source.picture).ink;
    expect(ink.format() == QImage::Format_Grayscale8);
    // Its pixels are only ever set to black or white; what matters is that
    // no picture, however it is shaped, makes it write beyond the page.
    const QImage page = core::page::fitToPage(ink);
    expect(page.size() == core::page::Size && page.format() == QImage::Format_Grayscale8);
    return 0;
}
