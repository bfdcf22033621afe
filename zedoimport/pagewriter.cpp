// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedoimport/pagewriter.h"

#include "core/error.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace zedoimport {

void SavePage(const QImage &page, const QString &fileName)
{
    const auto fail = [&](const QString &cause) {
        throw core::Error(
            QStringLiteral("Målarbilden kan inte sparas som %1: %2.")
                .arg(QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()), cause));
    };
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    QImageWriter writer(&file, "bmp");
    if (!writer.write(page.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither))) {
        file.cancelWriting();
        fail(writer.errorString());
    }
    if (!file.commit())
        fail(file.errorString());
}

} // namespace zedoimport
