// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the enhanced-metafile player, as a picture whose bytes pass the
// header check would reach it. Any outcome but a crash, a hang, a leak or a huge
// allocation is fine.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "metafile/emfplayer.h"
#include "metafile/metafilepicture.h"

#include <cstdint>

namespace {

QImage *g_image = nullptr;

} // namespace

// Qt keeps the fonts it has loaded in caches the leak checker does not see as roots (see
// fuzz_wmfplayer.cpp); the player itself allocates nothing that outlives a call.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libQt6Gui.so\n"
           "leak:libfontconfig.so\n"
           "leak:libfreetype.so\n"
           "leak:libharfbuzz.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    g_image = new QImage(64, 48, QImage::Format_RGB32);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    g_image->fill(Qt::white);
    QPainter painter(g_image);
    // Straight into the image, then through a picture into a clipped, shifted and
    // mirrored target.
    EmfPlayer(bytes).play(painter, QRectF(0, 0, 64, 48));
    MetafilePicture picture;
    if (picture.setEnhancedBytes(bytes)) {
        painter.setClipRect(8, 8, 40, 30);
        painter.translate(3, 2);
        picture.draw(painter, QRectF(-10, 5, 50, -30));
    }
    return 0;
}
