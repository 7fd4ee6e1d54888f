// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the shipped templates into a folder (data/Templates), or with --check compares the
// folder's files with what it would write.
#include "templatedesigns.h"

#include "core/filebytes.h"
#include "pagemodel/pagemodel.h"
#include "project/projectpages.h"

#include <QDir>
#include <QGuiApplication>
#include <QRegularExpression>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const bool check = arguments.contains(QStringLiteral("--check"));
    const QStringList folders = arguments.mid(1).filter(QRegularExpression(QStringLiteral("^[^-]")));
    if (folders.size() != 1) {
        std::fputs("usage: make-templates [--check] FOLDER\n", stderr);
        return 2;
    }
    const QString folder = folders.first();
    QDir().mkpath(folder);
    int differing = 0;
    for (const TemplateDesign &design : templateDesigns()) {
        PageModel page;
        makeTemplate(design, page);
        const QByteArray bytes = ProjectPages::documentBytes(page);
        const QString path = folder + QLatin1Char('/') + design.file + QStringLiteral(".OVF");
        if (check) {
            const FileBytes::ReadResult shipped = FileBytes::readRegularFile(path, 64 * 1024 * 1024);
            if (!shipped.ok() || shipped.bytes != bytes) {
                std::fprintf(stderr, "%s differs from what make-templates writes\n", qPrintable(path));
                ++differing;
            }
            continue;
        }
        if (const QString failure = FileBytes::replaceFile(path, bytes); !failure.isEmpty()) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(failure));
            return 1;
        }
    }
    return differing == 0 ? 0 : 1;
}
