// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/canvas.h"

#include <QImage>
#include <QMarginsF>
#include <QPainterPath>
#include <QRectF>

#include <functional>

class QPicture;

// A printed page addressed in inches from the paper's top-left corner, over any painter
// whose device origin is that corner (a printer in full-page mode, a PDF writer without
// margins, or an image in tests). Positions become device pixels at the device's
// resolution. The painter is borrowed, not owned.
class ReportCanvas
{
public:
    // unprintable: the widths at the paper's edges the device cannot print on, in inches.
    explicit ReportCanvas(QPainter &painter, const QMarginsF &unprintable = {});

    double xDpi() const { return m_xDpi; }
    double yDpi() const { return m_yDpi; }
    double leftWaste() const { return m_unprintable.left(); }
    double topWaste() const { return m_unprintable.top(); }
    double rightWaste() const { return m_unprintable.right(); }
    double bottomWaste() const { return m_unprintable.bottom(); }
    int xPixels(double inches) const;
    int yPixels(double inches) const;
    PageRect inchRectToPixels(const QRectF &inches) const;

    // Pen width in hundredths of an inch; zero or negative widths are kept as given and
    // draw the thinnest line.
    void setPen(TColor color, TPenStyle style, int width);
    int penWidth() const { return m_penWidth; }
    // Device pixels of a pen width.
    int penPixels(int width) const;
    void setBrush(TColor color, bool solid = true);
    void setFont(const QString &name, int points, bool bold, bool italic, bool underline,
                 TColor color);
    void setFont(const TFont &font);
    // Line height of the current font in inches.
    double lineHeight() const;

    void rectangle(double x1, double y1, double x2, double y2);
    void fillRect(double x1, double y1, double x2, double y2);
    void moveTo(double x, double y);
    void lineTo(double x, double y);

    double textWidth(const QString &text) const;
    // y is the top of the text line in every text operation.
    void printCenter(const QString &text, double x, double y);
    void printLeft(const QString &text, double x, double y);
    void printRight(const QString &text, double x, double y);
    void gotoXY(double x, double y);
    // Prints at the text cursor and moves the cursor to the end of the text.
    void print(const QString &text);

    // Lets draw paint into the device rectangle of inches (pictures that draw themselves
    // stretched, such as metafiles).
    void stretchDraw(const QRectF &inches,
                     const std::function<void(QPainter &, const QRect &)> &draw);
    void stretchDraw(const QRectF &inches, const QImage &image);
    // A picture recorded on a canvas of size pixels, from (0, 0), scaled to fill inches.
    void stretchDraw(const QRectF &inches, const QPicture &picture, const QSize &size);
    void printBitmapRect(double x1, double y1, double x2, double y2, const QImage &image);

    // Text printed between beginPath() and endPath() only adds its outlines to the path.
    void beginPath();
    void endPath();
    void selectClipPath();
    void removeClip();
    // Strokes the path with the current pen, its style included.
    void strokePath();

    // The pixel-level canvas over the same painter, fonts at the device's resolution.
    Canvas &canvas() { return m_canvas; }
    QPainter &painter() { return m_painter; }

private:
    void printAt(const QString &text, int x, int top);
    QRect deviceRect(const QRectF &inches) const;

    QPainter &m_painter;
    double m_xDpi;
    double m_yDpi;
    QMarginsF m_unprintable;
    Canvas m_canvas;
    int m_penWidth = 1;
    TColor m_penColor = Colors::clBlack;
    TPenStyle m_penStyle = psSolid;
    QPointF m_cursor;
    bool m_recordingPath = false;
    QPainterPath m_path;
};
