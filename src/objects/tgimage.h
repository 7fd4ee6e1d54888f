// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/picture.h"
#include "objects/objecttypes.h"
#include "objects/tggraphiccontrol.h"

#include <QImage>

// Clip art: a picture (bitmap, metafile, icon or SVG drawing) that always fills the object's
// rectangle, optionally mirrored (bitmaps only) and framed. The object can take the
// picture's size (AutoSize).
class TGImage : public TGGraphicControl
{
public:
    TGImage();

    QString className() const override { return QStringLiteral("TGImage"); }

    // AutoSize and Stretch are each other's negation; setting one sets the other.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    // Both flags as stored, without the pairing rule (documents and the browser's options).
    void setSizingFlags(bool stretch, bool autoSize);

    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    bool Flip() const { return m_flip; }
    void SetFlip(bool flip);
    bool Reverse() const { return m_reverse; }
    void SetReverse(bool reverse);

    const Picture &picture() const { return m_picture; }
    // Copies the graphic, which runs PictureChanged().
    void SetPicture(const Picture &picture);
    // The container itself, for readers that fill it in place; its changes reach the object.
    Picture &pictureContainer() { return m_picture; }

    // The page below shows nowhere: a bitmap exactly as large as the object.
    bool isOpaque() const;

    // The bitmap mirrored by Flip and Reverse, stretched to width x height; null unless the
    // picture is a bitmap.
    QImage mirroredCopy(int width, int height) const;

    void PaintObject(Canvas &canvas) const override;
    void PrintTo(ReportCanvas &report, double offsetX, double offsetY) override;
    void BoundsChanged() override;
    void AfterLoad() override;
    void PopupAboutToShow() override;
    // A new clip-art object asks for its picture at once.
    bool PlacedWithTool() override;

    // "Load Image From Disk": the kind's dialog, the image browser, preset with the object's
    // Stretch and AutoSize; on OK it gives the object the picture and the two options
    // chosen. True when a picture was taken.
    bool LoadImageFromDisk();

private:
    void PictureChanged();
    void updateCheck(const QString &caption, bool checked);
    const QImage &composed() const;

    bool m_autoSize = false;
    bool m_stretch = true;
    TBorderStyle m_borderStyle = bsNone;
    bool m_flip = false;
    bool m_reverse = false;
    Picture m_picture;

    // The picture as last composed at the object's size; rebuilt when the size, the
    // graphic or the mirroring changes, so repaints cost one copy.
    mutable QImage m_composed;
    quint64 m_generation = 0;
    mutable quint64 m_composedGeneration = ~quint64(0);
};
