// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recurringdialogs/recurringcommands.h"
#include "widgets/dialogs.h"

#include <memory>
#include <optional>

// Keeps the icons window aside from before the first dialog of a recurring-dates command to
// after its last, rather than letting it come back between the command's dialogs.
inline RecurringDialogHooks modalCommandHooks()
{
    auto scope = std::make_shared<std::optional<Dialogs::ModalScope>>();
    RecurringDialogHooks hooks;
    hooks.before = [scope] { scope->emplace(); };
    hooks.after = [scope] { scope->reset(); };
    return hooks;
}
