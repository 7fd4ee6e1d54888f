// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendarnames.h"
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

// Pictures' source files, by the place of their clip-art object among the objects
// ("PictureSource:2"): the only values that are bytes. Other binary values are text that
// Windows-1252 cannot hold, as UTF-8.
inline const QString kPictureSourcePrefix = QStringLiteral("PictureSource:");
bool holdsBytes(const QString &name);

// Writes nothing when there are no options, so such files stay as they always were.
void write(TWriter &writer, const DocumentOptions &options);
// Throws StreamError when the list is damaged or is not ours.
DocumentOptions read(TReader &reader);

// The page block keeps month and day names in Windows-1252. Names it cannot hold also go in
// the options, as text that keeps every character; readers before this version show the
// block's '?' forms.
DocumentOptions withNames(const DocumentOptions &options, const CalendarNames &names);
// Takes those names back out of the options read: they replace the block's names while the
// block still holds their Windows-1252 forms, that is, unless another program changed them.
void takeNames(DocumentOptions &options, CalendarNames &names);

} // namespace OptionsList
