// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/calendarfile.h"

#include <QByteArray>
#include <QString>

class PageModel;

// A project's pages as documents: read into a page model with their objects, written back.
namespace ProjectPages {

// The page's whole document (settings, cells, objects) in bytes, as a file holds it.
// Throws StreamError for an object whose kind has no stored properties.
QByteArray documentBytes(const PageModel &page);
// Reads a document into page, objects and all; page keeps what it had when the settings
// and cells could not be read.
CalendarFile::LoadOutcome loadBytes(PageModel &page, const QByteArray &bytes);
CalendarFile::LoadOutcome load(PageModel &page, const QString &path);
CalendarFile::FileResult save(const PageModel &page, const QString &path);

} // namespace ProjectPages
