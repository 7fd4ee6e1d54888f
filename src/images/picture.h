// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/imageresult.h"
#include "images/svgdrawing.h"
#include "metafile/metafilepicture.h"

#include <QByteArray>
#include <QImage>
#include <QRect>

#include <functional>

class QPainter;

// A picture container: one graphic (a bitmap, a metafile, an icon or an SVG drawing) or
// nothing. Copying copies the graphic only; the change callback stays with its owner, and
// assigning runs it.
//
// Metafiles and icons keep the bytes they were read from, so storing them gives back the
// same bytes; an icon also keeps its decoded image for drawing. A bitmap read from its
// stored form keeps its file too, and is decoded only when it is used: draw() decodes it at
// the size it is drawn at, image() at its full size (kept until the graphic changes).
// A bitmap read from a picture file of a format in SourceFormat (a photo) keeps that file,
// its source, the same way; documents keep the source beside the object, so a photo is
// saved and printed from its own bytes rather than from pixels.
// An SVG drawing keeps its file the same way (source format Svg) and is drawn as vectors on
// every device; readers that know only the classic kinds find a bitmap of it, reduced to
// PreviewSide on a white ground, where documents store the graphic.
// Reading the stored form or a source charges DecodeBudget::current(), when there is one,
// the size the bitmap or icon declares.
class Picture
{
public:
    enum class Kind { None, Bitmap, Metafile, Icon, Svg };
    // The formats of picture file kept as the picture's source: photos (a bitmap) and SVG
    // drawings (the Svg kind).
    enum class SourceFormat { None, Jpeg, Svg };

    // A bitmap with a source, and an SVG drawing, is stored, for readers that know only
    // bitmaps, as a copy of it reduced to this many pixels on its longest side: a preview,
    // not the picture.
    static constexpr int PreviewSide = 1024;
    // On a printer or in a PDF, bitmaps are drawn at no more than this many dots per inch of
    // their printed size.
    static constexpr int PrintDpi = 300;

    Picture() = default;
    Picture(const Picture &other);
    Picture &operator=(const Picture &other);

    Kind kind() const { return m_kind; }
    // True without a graphic or with an empty one.
    bool isEmpty() const;
    // The picture's size in pixels (a metafile's and a drawing's at 96 pixels an inch); 0 when
    // empty.
    int width() const { return size().width(); }
    int height() const { return size().height(); }
    QSize size() const;

    // The bitmap, or an icon's decoded image; null for the other kinds, and for a stored
    // bitmap that cannot be decoded (or not in the memory there is).
    const QImage &image() const;
    const MetafilePicture &metafile() const { return m_metafile; }
    // An icon's file bytes; empty for the other kinds.
    const QByteArray &iconBytes() const { return m_iconBytes; }
    // An SVG picture's drawing; null for the other kinds.
    const SvgDrawing &svg() const { return m_svg; }
    // The file a bitmap or drawing was read from and its format; empty and None without one.
    const QByteArray &sourceFile() const { return m_sourceFile; }
    SourceFormat sourceFormat() const { return m_sourceFormat; }

    void setBitmap(const QImage &image);
    void setMetafile(const MetafilePicture &metafile);
    // Takes a picture file of format as a bitmap that keeps it, after checking the size its
    // header declares (it is decoded when used), or, for Svg, as a drawing after reading it
    // (SvgDrawing::read). On failure the picture is unchanged.
    ImageStatus setSourceFile(const QByteArray &file, SourceFormat format);
    // Takes an icon file; on failure the picture is unchanged.
    ImageStatus setIcon(const QByteArray &iconFile);
    void clear();

    // Runs after every change of the graphic.
    void setChangeCallback(std::function<void()> callback) { m_changed = std::move(callback); }

    // Draws the graphic stretched into target; nothing when empty. Drawings and metafiles are
    // drawn as vectors on every device. On a raster device a
    // bitmap kept as a file is decoded at the pixels it covers there. On a printer or in a
    // PDF (any device but a raster one) a bitmap with more than PrintDpi pixels an inch of
    // its printed size is drawn reduced to that, so a PDF holds a JPEG of a sensible size.
    void draw(QPainter &painter, const QRect &target) const;
    // The bitmap at size (stretched), or at its own size when that is smaller; null unless the
    // picture is a bitmap that can be decoded. Files are decoded straight to that size.
    QImage bitmapAt(QSize size) const;

    // Reads a picture file by its extension: WMF and EMF as metafiles, ICO as an icon, SVG as
    // a drawing (files of at most SvgDrawing::MaxFileBytes), the raster kinds of
    // pictureKind() as a bitmap, which keeps the file when it is a JPEG file (see
    // isJpegFile()). On failure the picture is unchanged.
    ImageStatus loadFromFile(const QString &path);

    // The stored form: the graphic's class name as a short name ("TBitmap", "TMetafile" or
    // "TIcon") and the graphic's data. Empty without a graphic. A bitmap with a source, and a
    // drawing, is stored as its preview bitmap (PreviewSide); sourceData() holds the source.
    QByteArray pictureData() const;
    // Reads the stored form back; on any damage the picture is unchanged.
    ImageStatus setPictureData(const QByteArray &data);
    // The bitmap's stored form: a 32-bit length and a BMP file (length 0 when empty).
    QByteArray bitmapData() const;
    ImageStatus setBitmapData(const QByteArray &data);

    // The source's stored form: the format's name as a short name ("jpeg", "svg"), then the
    // file.
    // Empty without a source.
    QByteArray sourceData() const;
    // Takes a source's stored form as setSourceFile() takes the file. A picture holding the
    // preview of that source keeps it as the preview it stores (so saving again writes the
    // same bytes). On failure the picture is unchanged.
    ImageStatus setSourceData(const QByteArray &data);
    // A line about a source's stored form for dumps ("jpeg file, 52311 bytes"), the bytes
    // left out.
    static QString sourceDataSummary(const QByteArray &data);
    // "jpeg" for Jpeg, "svg" for Svg: the name in stored forms, and the format of Qt's readers.
    static const char *sourceFormatName(SourceFormat format);

    friend bool operator==(const Picture &a, const Picture &b) { return a.sameGraphic(b); }

private:
    void changed();
    // Empties every part of the graphic but its kind.
    void clearGraphic();
    void setGraphicFrom(const Picture &other);
    bool sameGraphic(const Picture &other) const;
    ImageStatus setStoredBitmap(const QByteArray &data, qsizetype offset);
    // The BMP file a bitmap is stored as; the preview for one with a source and for a drawing.
    QByteArray storedBitmapFile() const;
    ImageStatus setSvgFile(const QByteArray &file);
    // The bitmap decoded from its file at size, or at full size when size is invalid.
    QImage decodeFile(QSize size) const;

    Kind m_kind = Kind::None;
    // Decoded on first use when the bitmap came from a file.
    mutable QImage m_image;
    // A bitmap's BMP file as it was stored; empty otherwise.
    QByteArray m_bitmapFile;
    // The size a bitmap's file (stored or source) declares.
    QSize m_bitmapSize;
    // A bitmap's or drawing's source file and its format, and the preview made from it once.
    QByteArray m_sourceFile;
    SourceFormat m_sourceFormat = SourceFormat::None;
    mutable QByteArray m_previewFile;
    // The last bitmap made for drawing and the size it was made for: drawing again at that
    // size (a scrolled preview, every page of a year's PDF, which then holds it once) reuses it.
    mutable QImage m_drawn;
    mutable QSize m_drawnFor;
    MetafilePicture m_metafile;
    QByteArray m_iconBytes;
    SvgDrawing m_svg;
    std::function<void()> m_changed;
};

// Reads a picture file as the picture browsers show it: by its extension, icons drawn at
// their own size onto a bitmap, everything else as Picture::loadFromFile() reads it (JPEG
// and SVG files keep their bytes). On failure picture is left empty.
ImageStatus loadBrowserPicture(const QString &path, Picture &picture);
// A picture file as the browsers show it (loadBrowserPicture()), drawn as large as fits in
// box with its proportions kept, centred on a transparent ground; null when the file gives
// no picture. Safe to call from any thread.
QImage pictureThumbnail(const QString &path, QSize box);
