// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPrinter>
#include <QPrinterInfo>

#include <functional>
#include <memory>

class QWidget;

namespace forms {

// A printer for `info`, set up to print without any dialog, upright. When `info` is no
// printer (the system has none, or none is chosen as the default, or the
// print system is not running), throws core::Error with a Swedish message for
// the user that says which.
std::unique_ptr<QPrinter> printerFor(const QPrinterInfo &info);

// The printer a program prints on: the system's default printer, unless a
// test has chosen another source. Throws like printerFor.
std::unique_ptr<QPrinter> DefaultPrinter();
void setPrinterSource(std::function<std::unique_ptr<QPrinter>()> source);

// Prints the image of `form`, with its controls, as one page, even when the
// form has never been shown: the part of the form its controls cover, as
// large as the printable area allows, proportions kept, in the middle of the
// sheet. Each pixel of the form stays a sharp square of one colour on paper.
// Throws core::Error, in Swedish and naming the printer, when the print
// system is not running or the printer does not take the page. Returns a
// note for the user, in Swedish, when the page was taken but waits in the
// queue of a paused printer; else an empty string.
QString PrintForm(QWidget *form, QPrinter &printer);

} // namespace forms
