// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "svgdrawing.h"

#include "images/rasterloader.h"

#include <QBuffer>
#include <QImageReader>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <new>

struct SvgDrawing::Shared
{
    QMutex mutex;
    QSvgRenderer renderer;
};

namespace {

// Qt's reader takes an <image>'s picture from the attribute named exactly "xlink:href", or
// "href"; any other prefix of href goes too, should a later version look further.
bool isReference(const QXmlStreamAttribute &attribute)
{
    return attribute.qualifiedName().endsWith(QLatin1String("href"))
        || attribute.name().endsWith(QLatin1String("href"));
}

bool isImageElement(const QXmlStreamReader &reader)
{
    const QStringView name = reader.name();
    const qsizetype colon = name.lastIndexOf(u':');
    return name.mid(colon + 1) == QLatin1String("image");
}

// A picture inside the file: a data: URL whose base64 payload (found as Qt's reader finds
// it) is a raster picture. A drawing inside a drawing would be read by Qt's SVG image
// reader, which follows outside references of its own, so it goes too.
bool isInsidePicture(QStringView value)
{
    const QStringView trimmed = value.trimmed();
    if (!trimmed.startsWith(QLatin1String("data")))
        return false;
    const qsizetype base64 = trimmed.lastIndexOf(QLatin1String("base64,"));
    if (base64 < 0)
        return true; // Qt's reader reads nothing from it.
    QByteArray payload = QByteArray::fromBase64(trimmed.mid(base64 + 7).toLatin1());
    QBuffer buffer(&payload);
    buffer.open(QIODevice::ReadOnly);
    static const QList<QByteArray> raster = {"png", "jpeg", "gif", "bmp"};
    return raster.contains(QImageReader::imageFormat(&buffer));
}

bool isOutsideReference(const QXmlStreamAttribute &attribute)
{
    return isReference(attribute) && !isInsidePicture(attribute.value());
}

// An <image> that shows a picture from outside the file.
bool showsOutsidePicture(const QXmlStreamReader &reader)
{
    if (!isImageElement(reader))
        return false;
    const QXmlStreamAttributes attributes = reader.attributes();
    return std::any_of(attributes.begin(), attributes.end(), isOutsideReference);
}

struct Scan
{
    QString error;
    bool outsideReferences = false;
};

// Reads the whole file as Qt's SVG reader does (without namespace processing): well-formed,
// an <svg> root, and whether an <image> refers to a picture outside the file.
Scan scan(const QByteArray &file)
{
    Scan result;
    QXmlStreamReader reader(file);
    reader.setNamespaceProcessing(false);
    bool root = true;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (root) {
            const QStringView name = reader.name();
            if (name.mid(name.lastIndexOf(u':') + 1) != QLatin1String("svg")) {
                result.error = QStringLiteral("the file is not an SVG drawing");
                return result;
            }
            root = false;
        }
        result.outsideReferences = result.outsideReferences || showsOutsidePicture(reader);
    }
    if (reader.hasError())
        result.error = QStringLiteral("the drawing is not well-formed XML (line %1: %2)")
                           .arg(reader.lineNumber())
                           .arg(reader.errorString());
    else if (root)
        result.error = QStringLiteral("the file is not an SVG drawing");
    return result;
}

// The file without the <image> elements that show outside pictures, token by token; the
// rest is written as read.
QByteArray withoutOutsideReferences(const QByteArray &file)
{
    QXmlStreamReader reader(file);
    reader.setNamespaceProcessing(false);
    QByteArray out;
    QXmlStreamWriter writer(&out);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.hasError())
            return {};
        if (reader.isStartElement() && showsOutsidePicture(reader))
            reader.skipCurrentElement();
        else
            writer.writeCurrentToken(reader);
    }
    return out;
}

bool isGzip(const QByteArray &file)
{
    return file.size() >= 2 && uchar(file[0]) == 0x1f && uchar(file[1]) == 0x8b;
}

// The size in pixels: the declared width and height, else the view box's, reduced to fit
// MaxPictureSide; empty when the drawing declares none.
QSize drawingSize(const QSvgRenderer &renderer)
{
    const QSize declared = renderer.defaultSize();
    QSizeF size = declared.isValid() && !declared.isEmpty() ? QSizeF(declared) : renderer.viewBoxF().size();
    if (!std::isfinite(size.width()) || !std::isfinite(size.height()) || size.width() <= 0
        || size.height() <= 0)
        return {};
    const double largest = std::max(size.width(), size.height());
    if (largest > MaxPictureSide)
        size *= MaxPictureSide / largest;
    return QSize(int(std::lround(size.width())), int(std::lround(size.height()))).expandedTo(QSize(1, 1));
}

SvgDrawing::ReadResult failed(const QString &why)
{
    return {SvgDrawing(), QStringLiteral("Not a readable SVG drawing: %1.").arg(why)};
}

} // namespace

SvgDrawing::ReadResult SvgDrawing::read(const QByteArray &file)
{
    if (file.size() > MaxFileBytes)
        return failed(QStringLiteral("the file is larger than %1 bytes").arg(MaxFileBytes));
    if (isGzip(file))
        return failed(QStringLiteral("compressed drawings (.svgz) are not read; save it as plain SVG"));
    const Scan scanned = scan(file);
    if (!scanned.error.isEmpty())
        return failed(scanned.error);
    const QByteArray readable = scanned.outsideReferences ? withoutOutsideReferences(file) : file;
    // Pictures inside the drawing are decoded by Qt's readers, within the same limit as ours.
    applyReaderAllocationLimit();
    SvgDrawing drawing;
    try {
        auto shared = std::make_shared<Shared>();
        // No animation timer: the drawing is drawn as it stands when read.
        shared->renderer.setFramesPerSecond(0);
        if (!shared->renderer.load(readable) || !shared->renderer.isValid())
            return failed(QStringLiteral("Qt's SVG reader cannot read it"));
        drawing.m_size = drawingSize(shared->renderer);
        if (drawing.m_size.isEmpty())
            return failed(QStringLiteral("it declares no size"));
        drawing.m_shared = std::move(shared);
    } catch (const std::bad_alloc &) {
        return failed(QStringLiteral("there is not enough memory for it"));
    }
    drawing.m_droppedReferences = scanned.outsideReferences;
    return {drawing, {}};
}

void SvgDrawing::draw(QPainter &painter, const QRectF &target) const
{
    if (!m_shared || target.isEmpty())
        return;
    const QMutexLocker lock(&m_shared->mutex);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    m_shared->renderer.render(&painter, target);
    painter.restore();
}

QImage SvgDrawing::rendered(QSize size, const QColor &background) const
{
    if (!m_shared || size.isEmpty())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(painter, QRectF(image.rect()));
    painter.end();
    return image;
}
