// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tgimage.h"

#include "graphics/canvas.h"
#include "graphics/reportcanvas.h"
#include "objects/objecteditors.h"

#include <QPainter>

#include <cmath>

TGImage::TGImage()
{
    setInitialBounds(QRect(0, 0, 105, 105));
    m_picture.setChangeCallback([this] { PictureChanged(); });
}

void TGImage::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    m_stretch = !autoSize;
    PictureChanged();
    ReportChange();
}

void TGImage::SetStretch(bool stretch)
{
    m_stretch = stretch;
    m_autoSize = !stretch;
    invalidate();
}

void TGImage::setSizingFlags(bool stretch, bool autoSize)
{
    m_stretch = stretch;
    m_autoSize = autoSize;
}

void TGImage::SetBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    invalidate();
    ReportChange();
}

void TGImage::SetFlip(bool flip)
{
    if (flip == m_flip)
        return;
    m_flip = flip;
    ++m_generation;
    invalidate();
    ReportChange();
}

void TGImage::SetReverse(bool reverse)
{
    if (reverse == m_reverse)
        return;
    m_reverse = reverse;
    ++m_generation;
    invalidate();
    ReportChange();
}

void TGImage::SetPicture(const Picture &picture)
{
    m_picture = picture;
}

void TGImage::PictureChanged()
{
    ++m_generation;
    BoundsChanged();
    invalidate();
}

void TGImage::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    if (!m_autoSize || m_picture.width() <= 0 || m_picture.height() <= 0)
        return;
    // A picture's own size is its size on the page at 100 %.
    const QSizeF size(m_picture.width(), m_picture.height());
    if (size != pageBounds().size())
        setPageBounds(QRectF(pageBounds().topLeft(), size));
}

QImage TGImage::mirroredCopy(int width, int height) const
{
    if (m_picture.kind() != Picture::Kind::Bitmap || m_picture.isEmpty() || width <= 0
        || height <= 0)
        return {};
    // Stretching into a rectangle with swapped edges is a stretch followed by a mirror. A
    // bitmap kept as a file decodes straight to about that size.
    return m_picture.bitmapAt(QSize(width, height))
        .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .mirrored(m_reverse, m_flip);
}

bool TGImage::isOpaque() const
{
    return m_picture.kind() == Picture::Kind::Bitmap && !m_picture.isEmpty()
        && m_picture.size() == boundsRect().size();
}

const QImage &TGImage::composed() const
{
    const QSize size = boundsRect().size();
    if (m_composedGeneration == m_generation && m_composed.size() == size)
        return m_composed;
    m_composedGeneration = m_generation;
    m_composed = QImage(size, QImage::Format_ARGB32_Premultiplied);
    if (m_composed.isNull())
        return m_composed;
    // Transparent where the picture draws nothing (metafiles, icons), as it prints.
    m_composed.fill(Qt::transparent);
    QPainter painter(&m_composed);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect whole(QPoint(0, 0), size);
    if (m_picture.isEmpty()) {
        Canvas canvas(painter, pixelsPerInch());
        canvas.setPen(Colors::clBlack);
        canvas.setBrush(Colors::clWhite);
        canvas.rectangle(PageRect::fromQRect(whole));
    } else if (m_picture.kind() == Picture::Kind::Bitmap && (m_flip || m_reverse)) {
        painter.drawImage(0, 0, mirroredCopy(size.width(), size.height()));
    } else {
        m_picture.draw(painter, whole);
    }
    return m_composed;
}

void TGImage::PaintObject(Canvas &canvas) const
{
    const QImage &image = composed();
    if (!image.isNull())
        canvas.painter().drawImage(0, 0, image);
    if (m_borderStyle == bsSingle) {
        canvas.setPen(Colors::clBlack);
        canvas.setClearBrush();
        canvas.rectangle(PageRect{0, 0, Width(), Height()});
    }
}

void TGImage::PrintTo(ReportCanvas &report, double offsetX, double offsetY)
{
    const QRectF target = inchBounds(offsetX, offsetY);
    switch (m_picture.kind()) {
    case Picture::Kind::Bitmap:
        // The picture decodes at the printed size, so a large stored bitmap is never held
        // whole; a mirrored one is drawn through a mirrored painter to keep that size.
        report.stretchDraw(target, [this](QPainter &painter, const QRect &device) {
            const QPointF centre = QRectF(device).center();
            painter.save();
            painter.translate(centre);
            painter.scale(m_reverse ? -1 : 1, m_flip ? -1 : 1);
            painter.translate(-centre);
            m_picture.draw(painter, device);
            painter.restore();
        });
        break;
    case Picture::Kind::Metafile:
    case Picture::Kind::Svg:
        // Vectors stay vectors on paper and in PDFs; like metafiles, drawings are not mirrored.
        report.stretchDraw(target, [this](QPainter &painter, const QRect &device) {
            m_picture.draw(painter, device);
        });
        break;
    case Picture::Kind::Icon:
        // Icons print as they show, rather than leaving a hole in the printed page.
        report.stretchDraw(target, m_picture.image());
        break;
    case Picture::Kind::None: break;
    }
    if (m_borderStyle == bsSingle) {
        report.setPen(Colors::clBlack, psSolid, 1);
        report.setBrush(Colors::clWhite, false);
        report.rectangle(target.left(), target.top(), target.right(), target.bottom());
    }
}

void TGImage::AfterLoad()
{
    TGGraphicControl::AfterLoad();
    using E = ObjectMenuEntry;
    ObjectMenu &menu = popupMenu();
    menu.push_back(E::makeSeparator());
    menu.push_back(E::makeAction(QStringLiteral("Load Image From Disk"), [this] { LoadImageFromDisk(); }));
    EditAction = [this] { LoadImageFromDisk(); };
    menu.push_back(E::makeSeparator());
    menu.push_back(E::makeCheck(QStringLiteral("Border"), [this] {
        SetBorderStyle(m_borderStyle == bsSingle ? bsNone : bsSingle);
    }));
    menu.push_back(E::makeCheck(QStringLiteral("Stretch to Fit"), [this] {
        SetStretch(!m_stretch);
        invalidate();
    }));
    menu.push_back(E::makeCheck(QStringLiteral("AutoSize"), [this] {
        SetAutoSize(!m_autoSize);
        invalidate();
    }));
    menu.push_back(E::makeCheck(QStringLiteral("Flip"), [this] { SetFlip(!m_flip); }));
    menu.push_back(E::makeCheck(QStringLiteral("Reverse"), [this] { SetReverse(!m_reverse); }));
}

void TGImage::updateCheck(const QString &caption, bool checked)
{
    if (ObjectMenuEntry *entry = menuEntry(caption))
        entry->checked = checked;
}

void TGImage::PopupAboutToShow()
{
    updateCheck(QStringLiteral("Border"), m_borderStyle == bsSingle);
    updateCheck(QStringLiteral("Stretch to Fit"), m_stretch);
    updateCheck(QStringLiteral("AutoSize"), m_autoSize);
    updateCheck(QStringLiteral("Flip"), m_flip);
    updateCheck(QStringLiteral("Reverse"), m_reverse);
    const bool bitmap = m_picture.kind() == Picture::Kind::Bitmap;
    for (const char *caption : {"Flip", "Reverse"}) {
        if (ObjectMenuEntry *entry = menuEntry(QLatin1String(caption)))
            entry->enabled = bitmap;
    }
}

bool TGImage::PlacedWithTool()
{
    return !ObjectEditors::instance() || LoadImageFromDisk();
}

bool TGImage::LoadImageFromDisk()
{
    ObjectEditors *editors = ObjectEditors::instance();
    if (!editors)
        return false;
    if (!editors->editObject(*this))
        return false;
    ReportChange();
    return true;
}
