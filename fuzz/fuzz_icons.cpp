// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the icon library reader (.ico files, NE and PE modules): counts
// the icons and reads each at the desktop size and at a small one. A count the reader then
// cannot keep, or an icon of another format, is a failure.
#include <QGuiApplication>
#include "images/iconlibrary.h"
#include "images/rasterloader.h"

#include <algorithm>
#include <cstdint>

extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libQt6Gui.so\n"
           "leak:libfontconfig.so\n"
           "leak:libfreetype.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    // PNG entries go through Qt's reader, which allocates what a header promises.
    setReaderAllocationLimit(16);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const int count = IconLibrary::iconCountOfBytes(bytes);
    if (count < 0)
        __builtin_trap();
    // Large counts come from big directories; reading a few shows the numbering holds.
    for (int index = 0; index < std::min(count, 8); ++index) {
        for (const QSize desired : {IconLibrary::desktopIconSize(), QSize(16, 16)}) {
            const QImage image = IconLibrary::iconOfBytes(bytes, index, desired);
            if (!image.isNull() && image.format() != QImage::Format_ARGB32)
                __builtin_trap();
        }
    }
    if (!IconLibrary::iconOfBytes(bytes, count).isNull())
        __builtin_trap();
    return 0;
}
