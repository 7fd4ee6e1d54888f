// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/documentoptions.h"

#include <QString>

class TReader;
class TWriter;

// The list of Orvane's own options that follows a document's (or style sheet's) last list:
// a list that starts with its name and version, then name and value pairs. Readers that
// stop at the last end marker never see it.
namespace OptionsList {

inline const QString kName = QStringLiteral("Orvane options");
constexpr int kVersion = 1;

// Writes nothing when there are no options, so such files stay as they always were.
void write(TWriter &writer, const DocumentOptions &options);
// Throws StreamError when the list is damaged or is not ours.
DocumentOptions read(TReader &reader);

} // namespace OptionsList
