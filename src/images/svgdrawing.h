// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/imageresult.h"

#include <QColor>

#include <memory>

class QPainter;
class QRectF;

// An SVG drawing, parsed once and drawn as vectors on any device (screen, image, printer,
// PDF). Copies share the parsed drawing; drawing is serialised, so copies may be drawn from
// different threads (the browser draws thumbnails in the background).
//
// Files are checked before Qt's SVG reader sees them: at most MaxFileBytes, not compressed
// (.svgz would inflate without bound), well-formed XML. Qt's reader loads the pictures that
// <image> elements name from local files by their names (a FIFO would block it, and a
// document could show any file of the reader's), so it gets a copy of the file without such
// <image> elements: only pictures inside the file itself (data: URLs of raster formats) stay.
// It fetches nothing from the network.
class SvgDrawing
{
public:
    static constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

    // The drawing of file, or why it cannot be drawn.
    struct ReadResult;
    static ReadResult read(const QByteArray &file);

    bool isNull() const { return !m_shared; }
    // The size the drawing declares in pixels (96 an inch), reduced to fit MaxPictureSide
    // with its proportions kept; at least 1 x 1.
    QSize size() const { return m_size; }
    // Whether the file needed its references to outside pictures removed to be drawn.
    bool referencedOutsidePictures() const { return m_droppedReferences; }

    // Draws the whole drawing stretched into target.
    void draw(QPainter &painter, const QRectF &target) const;
    // The drawing at size on background (Qt::transparent for none); null for a null drawing.
    QImage rendered(QSize size, const QColor &background) const;

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    QSize m_size;
    bool m_droppedReferences = false;
};

struct SvgDrawing::ReadResult
{
    SvgDrawing drawing;
    QString error;

    bool ok() const { return error.isEmpty(); }
};
