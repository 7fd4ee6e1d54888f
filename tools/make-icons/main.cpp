// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the shipped icon libraries: make-icons FOLDER writes each set's .icl file below
// FOLDER (the five palette libraries and BonusIcons/). make-icons --sheet FOLDER OUT.png
// draws every icon of those files, as the program reads them, on one contact sheet.
#include "emojiart.h"
#include "iclwriter.h"
#include "iconsets.h"

#include "images/iconlibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>

#include <cstdio>

namespace {

constexpr int LargeSize = 32;
constexpr int SmallSize = 16;

bool writeSet(const QDir &folder, const IconSet &set, const EmojiArt &art)
{
    QList<LibraryIcon> icons;
    for (const IconGlyph &glyph : set.glyphs) {
        const std::optional<QImage> drawing = art.draw(QString::fromUtf8(glyph.text));
        if (!drawing) {
            std::fprintf(stderr, "make-icons: the font cannot draw \"%s\" of %s\n", glyph.name,
                         qPrintable(set.path));
            return false;
        }
        icons.append({{EmojiArt::icon(*drawing, LargeSize), EmojiArt::icon(*drawing, SmallSize)}});
    }
    const QByteArray bytes = writeIconLibrary(icons, set.moduleName, set.description);
    const QString path = folder.filePath(set.path);
    QSaveFile file(path);
    if (bytes.isEmpty() || !QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly)
        || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "make-icons: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s: %lld icons, %lld bytes\n", qPrintable(path), static_cast<long long>(icons.size()),
                static_cast<long long>(bytes.size()));
    return true;
}

// One row per library: its icons at 32 pixels on a light grey ground, then at 16.
bool writeSheet(const QDir &folder, const QString &out)
{
    constexpr int Cell = 36;
    constexpr int Columns = 25;
    QList<QString> paths;
    int rows = 0;
    for (const IconSet &set : iconSets()) {
        paths.append(folder.filePath(set.path));
        rows += 2 * ((IconLibrary::iconCount(paths.last()) + Columns - 1) / Columns) + 1;
    }
    QImage sheet(Columns * Cell, rows * Cell, QImage::Format_RGB32);
    sheet.fill(QColor(0xEE, 0xEE, 0xEE));
    QPainter painter(&sheet);
    int row = 0;
    for (const QString &path : std::as_const(paths)) {
        const int count = IconLibrary::iconCount(path);
        for (const QSize size : {QSize(LargeSize, LargeSize), QSize(SmallSize, SmallSize)}) {
            const QByteArray bytes = [&path] {
                QFile file(path);
                return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            }();
            for (int index = 0; index < count; ++index) {
                const QImage icon = IconLibrary::iconOfBytes(bytes, index, size);
                const QPoint cell((index % Columns) * Cell, (row + index / Columns) * Cell);
                painter.drawImage(cell + QPoint((Cell - icon.width()) / 2, (Cell - icon.height()) / 2), icon);
            }
            row += (count + Columns - 1) / Columns;
        }
        ++row;
    }
    painter.end();
    return sheet.save(out);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args.first() == QLatin1String("--sheet"))
        return writeSheet(QDir(args[1]), args[2]) ? 0 : 1;
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: make-icons FOLDER | make-icons --sheet FOLDER OUT.png\n");
        return 2;
    }
    const EmojiArt art;
    if (!art.isValid()) {
        std::fprintf(stderr, "make-icons: the font Noto Color Emoji is not installed "
                             "(Debian package fonts-noto-color-emoji)\n");
        return 1;
    }
    const QDir folder(args.first());
    bool ok = true;
    for (const IconSet &set : iconSets())
        ok = writeSet(folder, set, art) && ok;
    return ok ? 0 : 1;
}
