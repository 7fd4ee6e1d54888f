// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/imageresult.h"
#include "metafile/metafilepicture.h"

#include <QByteArray>
#include <QImage>
#include <QRect>

#include <functional>

class QPainter;

// A picture container: one graphic (a bitmap, a metafile or an icon) or nothing. Copying
// copies the graphic only; the change callback stays with its owner, and assigning runs it.
//
// Metafiles and icons keep the bytes they were read from, so storing them gives back the
// same bytes; an icon also keeps its decoded image for drawing. A bitmap read from its
// stored form keeps its file too, and is decoded only when it is used: draw() decodes it at
// the size it is drawn at, image() at its full size (kept until the graphic changes).
// Reading the stored form charges DecodeBudget::current(), when there is one, the size the
// bitmap or icon declares.
class Picture
{
public:
    enum class Kind { None, Bitmap, Metafile, Icon };

    Picture() = default;
    Picture(const Picture &other);
    Picture &operator=(const Picture &other);

    Kind kind() const { return m_kind; }
    // True without a graphic or with an empty one.
    bool isEmpty() const;
    // The picture's size in pixels (a metafile's at 96 pixels an inch); 0 when empty.
    int width() const { return size().width(); }
    int height() const { return size().height(); }
    QSize size() const;

    // The bitmap, or an icon's decoded image; null for the other kinds, and for a stored
    // bitmap that cannot be decoded (or not in the memory there is).
    const QImage &image() const;
    const MetafilePicture &metafile() const { return m_metafile; }
    // An icon's file bytes; empty for the other kinds.
    const QByteArray &iconBytes() const { return m_iconBytes; }

    void setBitmap(const QImage &image);
    void setMetafile(const MetafilePicture &metafile);
    // Takes an icon file; on failure the picture is unchanged.
    ImageStatus setIcon(const QByteArray &iconFile);
    void clear();

    // Runs after every change of the graphic.
    void setChangeCallback(std::function<void()> callback) { m_changed = std::move(callback); }

    // Draws the graphic stretched into target; nothing when empty.
    void draw(QPainter &painter, const QRect &target) const;

    // Reads a picture file by its extension: WMF and EMF as metafiles, ICO as an icon, the
    // raster kinds of pictureKind() as a bitmap. On failure the picture is unchanged.
    ImageStatus loadFromFile(const QString &path);

    // The stored form: the graphic's class name as a short name ("TBitmap", "TMetafile" or
    // "TIcon") and the graphic's data. Empty without a graphic.
    QByteArray pictureData() const;
    // Reads the stored form back; on any damage the picture is unchanged.
    ImageStatus setPictureData(const QByteArray &data);
    // The bitmap's stored form: a 32-bit length and a BMP file (length 0 when empty).
    QByteArray bitmapData() const;
    ImageStatus setBitmapData(const QByteArray &data);

    friend bool operator==(const Picture &a, const Picture &b) { return a.sameGraphic(b); }

private:
    void changed();
    void setGraphicFrom(const Picture &other);
    bool sameGraphic(const Picture &other) const;
    ImageStatus setStoredBitmap(const QByteArray &data, qsizetype offset);

    Kind m_kind = Kind::None;
    // Decoded on first use when the bitmap came from its stored form.
    mutable QImage m_image;
    // A bitmap's BMP file as it was stored, and the size it declares; empty otherwise.
    QByteArray m_bitmapFile;
    QSize m_bitmapSize;
    MetafilePicture m_metafile;
    QByteArray m_iconBytes;
    std::function<void()> m_changed;
};

// Reads a picture file as the picture browsers show it: by its extension, icons drawn at
// their own size onto a bitmap, everything else as Picture::loadFromFile() reads it. On
// failure picture is left empty.
ImageStatus loadBrowserPicture(const QString &path, Picture &picture);
