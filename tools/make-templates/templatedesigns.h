// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <functional>

class PageModel;

// The shipped templates, each built in code so the files in data/Templates can be made
// again and checked.
struct TemplateDesign
{
    QString file; // without ".OVF"
    QString name;
    QString category;
    std::function<void(PageModel &)> build;
};

QList<TemplateDesign> templateDesigns();
// Builds the template on page and names it.
void makeTemplate(const TemplateDesign &design, PageModel &page);
