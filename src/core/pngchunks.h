// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// True when bytes are PNG data (they begin with its signature) and one of its chunks runs
// past the end. The PNG library allocates what a chunk's length field says before it
// finds the data missing, so a damaged length of two gigabytes would cost two gigabytes:
// every PNG from outside is checked with this before it reaches an image reader, whatever
// format it was announced as.
bool pngChunkRunsPastEnd(const QByteArray &bytes);
