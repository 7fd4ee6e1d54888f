// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the rich-text reader, writes what it read back out, reads that
// again and paints it as a cell text. Any outcome but a crash, a hang, a leak or a huge
// allocation is fine.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include "richtext/richtextcellrenderer.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfstorage.h"
#include "richtext/rtfwriter.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TWPRtfStorage(bytes).isEmpty();
    QTextDocument document;
    RtfReader::read(bytes, document);
    const QByteArray written = RtfWriter::write(document);
    QTextDocument again;
    RtfReader::read(written, again);

    RichTextCellRenderer renderer;
    renderer.loadRtf(TWPRtfStorage(bytes));
    renderer.setZoomPercent(75);
    renderer.setPageSize(QSize(64, 48));
    QImage image(64, 48, QImage::Format_RGB32);
    QPainter painter(&image);
    renderer.paint(painter, QRectF(0, 0, 64, 48));
    return 0;
}
