// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace forms {

// What the print system says of a printer queue before a page is sent.
enum class QueueState {
    Ready,      // takes pages and prints them
    Paused,     // takes pages and keeps them until it is started again
    Refusing,   // takes no pages
    NoQueue,    // there is no such queue, or no default one
    Unreachable // the print system is not running
};

// Asks the print system (CUPS) about the queue `name`, or the default queue
// when `name` is empty. Waits at most a few seconds for an answer, so a
// print system that has stopped answering cannot hold the program up. The
// first question loads the print system's library; without it, the print
// system counts as not running.
QueueState queueState(const QString &name);

// The print system's words when it refused the last page sent to it from
// this thread; nothing when it took it.
std::optional<QString> lastPageRefused();

} // namespace forms
