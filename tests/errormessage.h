// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/error.h"

#include <QString>

#include <optional>

// The message of the core::Error that `action` throws, or nothing when it
// throws none, so a test can check both that it failed and what it said.
template <typename Action> std::optional<QString> errorMessageOf(Action action)
{
    try {
        action();
    } catch (const core::Error &error) {
        return error.message();
    }
    return std::nullopt;
}
