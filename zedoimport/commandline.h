// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace zedoimport {

// zedoimport [--page N] FILE [NAME.bmp]: prepares the page of FILE, saves it
// as NAME.bmp (or a name made from FILE's) in the current folder, and prints
// the name it saved. A name that exists is never replaced. On failure it
// writes a Swedish message naming the file and the cause to standard error,
// saves nothing and returns 1; wrong arguments return 2. --help and
// --version print the usage or the version and return 0. `arguments` are
// those after the program's name.
int RunCommandLine(const QStringList &arguments);

} // namespace zedoimport
