// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/documentoptions.h"
#include "core/datafolders.h"

#include <QList>
#include <QString>

#include <optional>

class PageModel;

// Templates: finished designs (calendar documents) a new calendar starts from, shipped in the
// program's Templates folder and kept by users in theirs (~/.local/share/orvane/Templates). A
// template carries its name and category in its document's options.
namespace Templates {

struct Info
{
    QString name;
    QString category;
    QString path;
    DataFolders::Origin origin = DataFolders::Origin::Program;
};

// The category of a user's template that names none.
QString userCategory();

// The template's name and category kept in a document's options; empty when it has none.
QString nameOf(const DocumentOptions &options);
QString categoryOf(const DocumentOptions &options);
void setInfo(DocumentOptions &options, const QString &name, const QString &category);
// A document made from a template is no template itself.
void removeInfo(DocumentOptions &options);

// Every template (the user's taking the place of a shipped one of the same file name),
// sorted by category and then name; files that cannot be read are left out and named in
// problems.
QList<Info> list(QStringList *problems = nullptr);
// The template of that name or file name (without regard to case), if there is one.
std::optional<Info> find(const QString &name);

// Reads a template into page, objects and all, shows month / year (cells are emptied when
// that is not the template's own month), and leaves the page an untitled new calendar.
// False with the reason when the file cannot be read.
bool instantiate(const QString &path, int month, int year, PageModel &page, QString *error);

// Where Save as Template puts a template of that name: the user's Templates folder, under a
// file name made of the name's letters and digits.
QString userTemplatePath(const QString &name);
// Writes page as the user's template of that name and category; false with the reason.
bool saveAsTemplate(const PageModel &page, const QString &name, const QString &category, QString *error);

} // namespace Templates
