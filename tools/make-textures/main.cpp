// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the shipped texture tiles: make-textures FOLDER writes NAME.bmp for every texture;
// make-textures --check FOLDER compares instead and fails when a file differs from what the
// generator writes or a tile shows a seam.
#include "textures.h"

#include "images/bmpfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

// A seam would make the step across the wrapped edge clearly larger than any step inside.
constexpr double MaxSeamRatio = 1.25;

bool writeOrCheck(const QDir &folder, const QString &name, bool check)
{
    const QImage tile = Textures::make(name);
    const QByteArray bytes = writeBmp(tile);
    const QString path = folder.filePath(name + QStringLiteral(".bmp"));
    const double seam = Textures::seamRatio(tile);
    if (seam > MaxSeamRatio) {
        std::fprintf(stderr, "make-textures: %s has a seam (ratio %.2f)\n", qPrintable(name), seam);
        return false;
    }
    if (check) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.readAll() == bytes)
            return true;
        std::fprintf(stderr, "make-textures: %s is not what the generator writes\n", qPrintable(path));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "make-textures: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s: %lld bytes, seam ratio %.2f\n", qPrintable(path),
                static_cast<long long>(bytes.size()), seam);
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
        std::fprintf(stderr, "usage: make-textures [--check] FOLDER\n");
        return 2;
    }
    const QDir folder(args.first());
    if (!check && !folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make-textures: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    bool ok = true;
    for (const QString &name : Textures::names())
        ok = writeOrCheck(folder, name, check) && ok;
    if (check) {
        // A file the generator no longer writes would ship unchecked.
        const QStringList expected = Textures::names();
        for (const QString &file : folder.entryList({QStringLiteral("*.bmp")}, QDir::Files)) {
            if (!expected.contains(QFileInfo(file).completeBaseName())) {
                std::fprintf(stderr, "make-textures: %s is not written by the generator\n",
                             qPrintable(file));
                ok = false;
            }
        }
    }
    return ok ? 0 : 1;
}
