// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/error.h"

#include <QString>

#include <functional>

class QWidget;

namespace forms {

// The run-time error report: shows the message in a message box, writes the
// same text to standard error and ends the program with exit status 1.
// Tests replace what it does so that a failure can be asserted in-process.
void reportError(const QString &message);
void setErrorHandler(std::function<void(const QString &)> handler);

// Ends the program at once: every window disappears and no unload handler
// runs. Tests replace what it does.
void End();
void setEndHandler(std::function<void()> handler);

// Shows a message to the user in a message box and waits until it is
// closed; the same text goes to standard error, as with the error report.
// Tests replace what it does, so no dialog waits for a click.
void MsgBox(const QString &message);
void setMessageHandler(std::function<void(const QString &)> handler);

// Asks the user a yes-or-no question in a message box and waits for the
// answer; true for yes. Tests replace what it does, to give the answer.
bool MsgBoxYesNo(const QString &question);
void setQuestionHandler(std::function<bool(const QString &)> handler);

// Lets the user choose a file to open in Qt's own file chooser (so it
// speaks the language of Qt's translations) and waits; an empty name when
// the user cancels. Tests replace what it does, to choose for the user.
using FileChooser =
    std::function<QString(const QString &title, const QString &folder, const QString &filter)>;
QString ChooseFile(const QString &title, const QString &folder, const QString &filter);
void setFileChooser(FileChooser chooser);

// Runs `action` once, when `window` has put its first picture on the
// screen: what a program does at once on starting, such as opening a dialog
// over its window, then does not hold the window itself back.
void afterFirstPaint(QWidget *window, std::function<void()> action);

// Runs an event handler; a failure of the shared code ends in the error report.
template <typename Handler> void guarded(Handler &&handler)
{
    try {
        handler();
    } catch (const core::Error &error) {
        reportError(error.message());
    }
}

} // namespace forms
