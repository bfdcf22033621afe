// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedoimport/commandline.h"

#include "core/error.h"
#include "core/page.h"
#include "zedoimport/pagereader.h"
#include "zedoimport/pagewriter.h"

#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace zedoimport {

namespace {

struct Request
{
    int page = 1;
    QString source;
    QString name;
};

void print(FILE *stream, const QString &text)
{
    std::fprintf(stream, "%s\n", qPrintable(text));
    std::fflush(stream);
}

const QString Usage =
    QStringLiteral("Användning: zedoimport [--page N] FIL [NAMN.bmp]\n"
                   "Gör en målarbild av FIL (en bild eller en PDF-fil, sidan N) och sparar\n"
                   "den som NAMN.bmp i mappen du står i.");

const QString Options = QStringLiteral("Utan argument öppnas fönstret.\n\n"
                                       "  --page N    sidan N i en PDF-fil (annars den första)\n"
                                       "  --help      visa den här hjälpen\n"
                                       "  --version   visa versionen");

std::optional<Request> parse(QStringList arguments)
{
    Request request;
    const qsizetype option = arguments.indexOf(QStringLiteral("--page"));
    if (option >= 0) {
        bool number = false;
        request.page = arguments.value(option + 1).toInt(&number);
        if (!number || request.page < 1)
            return std::nullopt;
        arguments.remove(option, 2);
    }
    if (arguments.isEmpty() || arguments.size() > 2 || arguments.first().startsWith(u'-'))
        return std::nullopt;
    request.source = arguments.first();
    request.name = core::page::suggestedName(arguments.value(1, request.source));
    return request;
}

} // namespace

int RunCommandLine(const QStringList &arguments)
{
    if (arguments.contains(QStringLiteral("--help"))) {
        print(stdout, Usage + QStringLiteral("\n\n") + Options);
        return 0;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        print(stdout, QStringLiteral("zedoimport (Krumelo) " KRUMELO_VERSION));
        return 0;
    }
    const std::optional<Request> request = parse(arguments);
    if (!request) {
        print(stderr, Usage);
        return 2;
    }
    try {
        const QImage page = PreparePage(request->source, request->page, {});
        if (QFileInfo::exists(request->name)) {
            print(stderr, QStringLiteral("Det finns redan en fil som heter %1 här; ge "
                                         "målarbilden ett annat namn.")
                              .arg(request->name));
            return 1;
        }
        SavePage(page, request->name);
    } catch (const core::Error &error) {
        print(stderr, error.message());
        return 1;
    }
    print(stdout, request->name);
    return 0;
}

} // namespace zedoimport
