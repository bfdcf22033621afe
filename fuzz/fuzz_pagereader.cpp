// Arbitrary bytes as the file a page is made from, read from memory by the
// importer's reader (pictures, SVG, PDF) and prepared as the window prepares
// it. Every input must give a whole page or core::Error naming the file: a
// hostile file is refused, never a crash, and the reader's limits keep its
// size and time in bounds, which the fuzzer's own limits watch.
#include "core/error.h"
#include "core/page.h"
#include "zedoimport/pagereader.h"

#include <QGuiApplication>
#include <QImageReader>

#include <cstddef>
#include <cstdint>

namespace {

const QString FileName = QStringLiteral("/fuzz/sida.pdf");

void expect(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool isPage(const QImage &page)
{
    if (page.size() != core::page::Size)
        return false;
    const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            if (line[x] != 0 && line[x] != 255)
                return false;
    }
    return true;
}

} // namespace

// Text in SVG and PDF pages needs fonts, and so an application.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QGuiApplication app(*argc, *argv);
    // Within the reader's own limit, a picture of tens of megapixels per
    // input would only make the run slow; this one is still far above a page.
    QImageReader::setAllocationLimit(64);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    zedoimport::Source source;
    try {
        source = zedoimport::ReadSourceData(bytes, FileName);
    } catch (const core::Error &error) {
        expect(error.message().contains(FileName));
        return 0;
    }
    expect(!source.picture.isNull() && source.pageCount >= 1);
    expect(isPage(core::page::preparePage(source.picture)));
    return 0;
}
