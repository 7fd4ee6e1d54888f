// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the stored picture reader, the PCX decoder and the picture file
// loader. The first byte chooses the reader: 0 mod 8 for a "Picture.Data" block, 4 mod 8 for
// a picture's source file as documents keep it (a JPEG photo or an SVG drawing), odd for a
// PCX file, 2 mod 4 for a picture file whose kind (as its extension would give it, WebP and
// TIFF among them) is the second byte. A picture that was read must store and read back
// again; anything else but an error is a failure.
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>

#include "images/pcxdecoder.h"
#include "images/picture.h"
#include "images/rasterloader.h"

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
    // Qt's codecs allocate what a header promises; a smaller ceiling keeps runs fast.
    setReaderAllocationLimit(16);
    QLoggingCategory::setFilterRules(QStringLiteral("qt.svg.warning=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    if (data[0] % 2 == 1) {
        const ImageResult result = decodePcx(bytes);
        if (result.ok() && result.image.isNull())
            __builtin_trap();
        return 0;
    }
    if (data[0] % 4 == 2) {
        if (bytes.isEmpty())
            return 0;
        const auto kind = PictureKind(quint8(bytes[0]) % 11);
        const ImageResult result = kind == PictureKind::Other && quint8(bytes[0]) % 2
                                       ? decodeIcon(bytes.mid(1))
                                       : decodeRaster(bytes.mid(1), kind);
        if (result.ok() && result.image.isNull())
            __builtin_trap();
        return 0;
    }
    Picture picture;
    if (data[0] % 8 == 4) {
        if (!picture.setSourceData(bytes).ok())
            return 0;
        // Its preview is what a document stores in the object.
        Picture preview;
        if (!preview.setPictureData(picture.pictureData()).ok() || picture.sourceData() != bytes)
            __builtin_trap();
    } else if (!picture.setPictureData(bytes).ok()) {
        return 0;
    }
    QImage canvas(32, 24, QImage::Format_RGB32);
    QPainter painter(&canvas);
    picture.draw(painter, canvas.rect());
    painter.end();
    Picture again;
    if (!again.setPictureData(picture.pictureData()).ok())
        __builtin_trap();
    return 0;
}
