// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportcanvas.h"

#include "graphics/fontcache.h"

#include <QPaintDevice>
#include <QPicture>

#include <cmath>

namespace {

double deviceDpi(int dpi)
{
    return dpi > 0 ? dpi : 96;
}

} // namespace

ReportCanvas::ReportCanvas(QPainter &painter, const QMarginsF &unprintable)
    : m_painter(painter), m_xDpi(deviceDpi(painter.device()->logicalDpiX())),
      m_yDpi(deviceDpi(painter.device()->logicalDpiY())), m_unprintable(unprintable),
      m_canvas(painter, int(m_yDpi))
{
    setPen(Colors::clBlack, psSolid, 1);
}

int ReportCanvas::xPixels(double inches) const
{
    return int(std::lround(inches * m_xDpi));
}

int ReportCanvas::yPixels(double inches) const
{
    return int(std::lround(inches * m_yDpi));
}

PageRect ReportCanvas::inchRectToPixels(const QRectF &inches) const
{
    return {xPixels(inches.left()), yPixels(inches.top()), xPixels(inches.right()),
            yPixels(inches.bottom())};
}

QRect ReportCanvas::deviceRect(const QRectF &inches) const
{
    return inchRectToPixels(inches).toQRect();
}

int ReportCanvas::penPixels(int width) const
{
    if (width <= 0)
        return 1;
    return qMax(1, int(std::lround(width * m_xDpi / 100.0)));
}

void ReportCanvas::setPen(TColor color, TPenStyle style, int width)
{
    m_penWidth = width;
    m_penColor = color;
    m_penStyle = style;
    m_canvas.setPen(color, style, penPixels(width));
}

void ReportCanvas::setBrush(TColor color, bool solid)
{
    if (solid)
        m_canvas.setBrush(color);
    else
        m_canvas.setClearBrush();
}

void ReportCanvas::setFont(const QString &name, int points, bool bold, bool italic,
                           bool underline, TColor color)
{
    TFont::Styles style;
    style.setFlag(TFont::Style::Bold, bold);
    style.setFlag(TFont::Style::Italic, italic);
    style.setFlag(TFont::Style::Underline, underline);
    setFont(TFont(name, points, style, color));
}

void ReportCanvas::setFont(const TFont &font)
{
    m_canvas.setFont(font);
}

double ReportCanvas::lineHeight() const
{
    return m_canvas.textHeight() / m_yDpi;
}

void ReportCanvas::rectangle(double x1, double y1, double x2, double y2)
{
    m_canvas.rectangle(inchRectToPixels(QRectF(QPointF(x1, y1), QPointF(x2, y2))));
}

void ReportCanvas::fillRect(double x1, double y1, double x2, double y2)
{
    m_canvas.fillRect(inchRectToPixels(QRectF(QPointF(x1, y1), QPointF(x2, y2))));
}

void ReportCanvas::moveTo(double x, double y)
{
    m_canvas.moveTo(xPixels(x), yPixels(y));
}

void ReportCanvas::lineTo(double x, double y)
{
    m_canvas.lineTo(xPixels(x), yPixels(y));
}

double ReportCanvas::textWidth(const QString &text) const
{
    return m_canvas.textWidth(text) / m_xDpi;
}

void ReportCanvas::printAt(const QString &text, int x, int top)
{
    if (!m_recordingPath) {
        m_canvas.textOut(x, top, text);
        return;
    }
    if (const CachedFont *font = m_canvas.font())
        m_path.addText(QPointF(x, top + font->ascent()), font->font(), text);
}

void ReportCanvas::printCenter(const QString &text, double x, double y)
{
    printAt(text, xPixels(x) - m_canvas.textWidth(text) / 2, yPixels(y));
}

void ReportCanvas::printLeft(const QString &text, double x, double y)
{
    printAt(text, xPixels(x), yPixels(y));
}

void ReportCanvas::printRight(const QString &text, double x, double y)
{
    printAt(text, xPixels(x) - m_canvas.textWidth(text), yPixels(y));
}

void ReportCanvas::gotoXY(double x, double y)
{
    m_cursor = {x, y};
}

void ReportCanvas::print(const QString &text)
{
    printLeft(text, m_cursor.x(), m_cursor.y());
    m_cursor.rx() += textWidth(text);
}

void ReportCanvas::stretchDraw(const QRectF &inches,
                               const std::function<void(QPainter &, const QRect &)> &draw)
{
    draw(m_painter, deviceRect(inches));
}

void ReportCanvas::stretchDraw(const QRectF &inches, const QImage &image)
{
    if (!image.isNull())
        m_painter.drawImage(deviceRect(inches), image);
}

void ReportCanvas::stretchDraw(const QRectF &inches, const QPicture &picture, const QSize &size)
{
    if (picture.isNull() || size.isEmpty())
        return;
    const QRect target = deviceRect(inches);
    // No canvas call runs in between, so restoring the painter keeps the canvas's pen valid.
    m_painter.save();
    m_painter.translate(target.topLeft());
    // Playing a picture scales it from its own resolution to the device's; undo that, the
    // target rectangle is already in device pixels.
    const QPaintDevice *device = m_painter.device();
    const double dpiX = double(picture.logicalDpiX()) / device->logicalDpiX();
    const double dpiY = double(picture.logicalDpiY()) / device->logicalDpiY();
    m_painter.scale(dpiX * target.width() / size.width(), dpiY * target.height() / size.height());
    m_painter.drawPicture(0, 0, picture);
    m_painter.restore();
}

void ReportCanvas::printBitmapRect(double x1, double y1, double x2, double y2, const QImage &image)
{
    stretchDraw(QRectF(QPointF(x1, y1), QPointF(x2, y2)), image);
}

void ReportCanvas::beginPath()
{
    m_path = QPainterPath();
    m_recordingPath = true;
}

void ReportCanvas::endPath()
{
    m_recordingPath = false;
}

void ReportCanvas::selectClipPath()
{
    m_painter.setClipPath(m_path);
}

void ReportCanvas::removeClip()
{
    m_painter.setClipping(false);
}

void ReportCanvas::strokePath()
{
    m_painter.save();
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(QPen(Colors::toQColor(m_penColor), penPixels(m_penWidth),
                         toQtPenStyle(m_penStyle)));
    m_painter.drawPath(m_path);
    m_painter.restore();
}
