// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the shipped decorative borders: make-borders FOLDER writes NAME.wpo (portrait)
// and NAME.wls (landscape) for every border; make-borders --check FOLDER compares instead
// and fails when a file differs from what the generator writes.
#include "borders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool check = !args.isEmpty() && args.first() == QLatin1String("--check");
    if (check)
        args.removeFirst();
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: make-borders [--check] FOLDER\n");
        return 2;
    }
    const QDir folder(args.first());
    if (!check && !folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make-borders: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    int failures = 0;
    for (const QString &name : Borders::names()) {
        for (const bool landscape : {false, true}) {
            const int w = landscape ? Borders::PortraitHeight : Borders::PortraitWidth;
            const int h = landscape ? Borders::PortraitWidth : Borders::PortraitHeight;
            const QByteArray bytes = Borders::make(name, w, h);
            const QString path = folder.filePath(name + (landscape ? ".wls" : ".wpo"));
            QFile file(path);
            if (check) {
                if (!file.open(QIODevice::ReadOnly) || file.readAll() != bytes) {
                    std::fprintf(stderr, "make-borders: %s is not what the generator writes\n",
                                 qPrintable(path));
                    ++failures;
                }
                continue;
            }
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
                std::fprintf(stderr, "make-borders: cannot write %s\n", qPrintable(path));
                ++failures;
                continue;
            }
            std::printf("%s: %lld bytes\n", qPrintable(path), static_cast<long long>(bytes.size()));
        }
    }
    return failures == 0 ? 0 : 1;
}
