// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the shipped decorative borders: make-borders FOLDER writes NAME.wpo (portrait)
// and NAME.wls (landscape) for every border; make-borders --check FOLDER compares instead
// and fails when a file differs from what the generator writes.
#include "borders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

// Writes one border file, or with check compares the file with what would be written;
// false (with a message) on a difference or a failure.
bool writeOrCheck(const QDir &folder, const QString &name, bool landscape, bool check)
{
    const int w = landscape ? Borders::PortraitHeight : Borders::PortraitWidth;
    const int h = landscape ? Borders::PortraitWidth : Borders::PortraitHeight;
    const QByteArray bytes = Borders::make(name, w, h);
    const QString path = folder.filePath(name + (landscape ? ".wls" : ".wpo"));
    if (check) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.readAll() == bytes)
            return true;
        std::fprintf(stderr, "make-borders: %s is not what the generator writes\n",
                     qPrintable(path));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "make-borders: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s: %lld bytes\n", qPrintable(path), static_cast<long long>(bytes.size()));
    return true;
}

} // namespace

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
    bool ok = true;
    for (const QString &name : Borders::names()) {
        for (const bool landscape : {false, true})
            ok = writeOrCheck(folder, name, landscape, check) && ok;
    }
    return ok ? 0 : 1;
}
