// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/wmfrecord.h"

#include <QBrush>
#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QRegion>
#include <QRgb>
#include <QString>
#include <QTransform>

#include <functional>
#include <optional>
#include <set>
#include <variant>
#include <vector>

class QPaintDevice;
class QPainter;
class QPolygonF;
class WmfBytes;

// Plays a Windows metafile ([MS-WMF]) with a QPainter, the picture's window stretched onto a
// target rectangle.
//
// Mapping: the logical window is the one the records set (SetWindowOrg, SetWindowExt and
// their offset and scale forms); until they set one, the frame of the placeable header, and
// without that the target's own size (one logical unit a pixel). Every map mode behaves as
// MM_ANISOTROPIC: the window fills the target, and the viewport records are ignored, since
// the target is the viewport. Geometry is mapped to device coordinates by the player, so pen
// widths and text sizes follow GDI: a pen of width 0 is one pixel wide, other widths and
// font heights scale with the window.
//
// Hostile input: the header, every record's size and every count inside a record are
// checked against the bytes there are; a record of size 0 or one that runs past the end
// stops playback. Object indexes are checked against the object table, bitmaps are checked
// before any allocation, and a file may hold at most Limits::maxRecords records and
// Limits::maxPoints points in all, so playback is bounded in time and memory.
class WmfPlayer
{
public:
    struct Limits
    {
        qint64 maxRecords = 1'000'000;
        qint64 maxPoints = 4'000'000;
        qint64 maxBitmapPixels = 16 * 1024 * 1024;
        int maxSavedStates = 256;
        int maxObjects = 65535;
    };

    // Why playback ended.
    enum class Outcome {
        Finished,        // the EOF record, or the end of the bytes exactly at a record boundary
        NotMetafile,     // no metafile header
        BadRecordSize,   // a record of size 0, or one running past the end of the bytes
        TooManyRecords,  // Limits::maxRecords reached
        TooManyPoints,   // Limits::maxPoints reached
    };

    struct Result
    {
        Outcome outcome = Outcome::NotMetafile;
        qint64 records = 0;         // records read, the last one included
        qint64 skippedRecords = 0;  // records of a type the player does not draw
        QString message;            // empty when Finished; otherwise what stopped it
    };

    // One line per record for diagnostics: its byte offset, its function word, its size
    // in 16-bit words.
    using Trace = std::function<void(qsizetype offset, quint16 function, quint32 words)>;

    explicit WmfPlayer(const QByteArray &bytes);
    WmfPlayer(const QByteArray &bytes, const Limits &limits);
    ~WmfPlayer();

    void setTrace(Trace trace) { m_trace = std::move(trace); }

    // Draws the picture scaled to fill target (in the painter's current coordinates). The
    // painter is left as it was found.
    Result play(QPainter &painter, const QRectF &target);

    // Whether the bytes start with a placeable header, and its frame and units per inch.
    bool hasPlaceableHeader() const { return m_placeable; }
    QRect placeableFrame() const { return m_frame; }

private:
    // Graphics objects ([MS-WMF] 2.2.1).
    struct Pen
    {
        quint16 style = 0;     // PenStyle: the low nibble is the dash style, then cap and join
        int width = 0;         // logical units; 0 is one device pixel
        QRgb color = qRgb(0, 0, 0);
    };
    struct Brush
    {
        quint16 style = 0;     // BS_SOLID, BS_NULL, BS_HATCHED, or a pattern
        QRgb color = qRgb(255, 255, 255);
        quint16 hatch = 0;
        QImage pattern;        // for pattern brushes
    };
    struct Font
    {
        int height = 0;
        int width = 0;
        int escapement = 0;    // tenths of a degree, counter-clockwise
        int weight = 400;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        quint8 charSet = 0;
        QString face;
    };
    struct Palette
    {
        QList<QRgb> colors;
    };
    // An object the player keeps only for its slot (regions, Bitmap16 pattern brushes).
    struct Placeholder
    {
    };
    using Object = std::variant<Placeholder, Pen, Brush, Font, Palette>;

    struct Window
    {
        QPointF origin;
        QPointF extent;
        bool originSet = false;
        bool extentSet = false;
    };

    // The playback device context ([MS-WMF] 3.1.5), saved and restored by SaveDC/RestoreDC.
    struct State
    {
        Pen pen;
        Brush brush;
        Font font;
        Palette palette;
        QRgb textColor = qRgb(0, 0, 0);
        QRgb bkColor = qRgb(255, 255, 255);
        bool bkOpaque = true;
        Qt::FillRule fillRule = Qt::OddEvenFill;
        int rop2 = 13;         // R2_COPYPEN
        quint16 textAlign = 0;
        int stretchMode = 1;
        Window window;
        QPointF position;      // logical
        std::optional<QRegion> clip;   // device pixels; none means no clipping
    };

    using Handler = void (WmfPlayer::*)(WmfBytes &params, quint32 words, quint16 function);
    static Handler handlerFor(WmfRecord record);

    bool readHeader();
    void stop(Outcome outcome, const QString &message);

    // Mapping from the logical window to the target.
    Window effectiveWindow() const;
    void updateMapping();
    QPointF map(double x, double y) const;
    QRectF mapRect(double left, double top, double right, double bottom) const;
    double mapWidth(double w) const;
    double mapHeight(double h) const;
    bool takePoints(qint64 count);
    bool readPoints(WmfBytes &params, qint64 count, QPolygonF *points);
    QRgb colorRef(WmfBytes &params) const;

    // Painter set-up from the state.
    static QRegion everywhere();
    void applyClip();
    bool beginDraw();          // false when the ROP2 mode draws nothing
    void endDraw();
    double penWidth() const;
    QPen qpen() const;
    QBrush qbrush() const;
    QFont qfont(const QPaintDevice *device) const;
    QRectF shapeRect(double left, double top, double right, double bottom) const;
    void fillPath(const QPainterPath &path);
    void strokePath(const QPainterPath &path);
    void fillAndStroke(const QPainterPath &path);
    void drawText(const QPointF &logical, const QByteArray &bytes, const QList<double> &dx,
                  quint16 options, const std::optional<QRectF> &rect);
    void fillWithRop(const QRectF &device, quint32 rop);
    void drawImage(QImage image, QRectF source, double x, double y, double w, double h,
                   quint32 rop);
    void drawDib(WmfBytes &params, quint16 colorUsage, QRectF source, bool sourceFromBottom,
                 double x, double y, double w, double h, quint32 rop);
    void drawBitmap16(WmfBytes &params, QRectF source, double x, double y, double w, double h,
                      quint32 rop);

    // Object table: every object takes the lowest free index.
    int addObject(Object object);
    Object *objectAt(int index);

    // Record handlers, one per record kind.
    void onEof(WmfBytes &, quint32, quint16);
    void onSetWindowOrg(WmfBytes &, quint32, quint16);
    void onSetWindowExt(WmfBytes &, quint32, quint16);
    void onOffsetWindowOrg(WmfBytes &, quint32, quint16);
    void onScaleWindowExt(WmfBytes &, quint32, quint16);
    void onViewport(WmfBytes &, quint32, quint16);
    void onSetMapMode(WmfBytes &, quint32, quint16);
    void onSaveDc(WmfBytes &, quint32, quint16);
    void onRestoreDc(WmfBytes &, quint32, quint16);
    void onCreatePenIndirect(WmfBytes &, quint32, quint16);
    void onCreateBrushIndirect(WmfBytes &, quint32, quint16);
    void onDibCreatePatternBrush(WmfBytes &, quint32, quint16);
    void onCreatePatternBrush(WmfBytes &, quint32, quint16);
    void onCreateFontIndirect(WmfBytes &, quint32, quint16);
    void onCreatePalette(WmfBytes &, quint32, quint16);
    void onCreateRegion(WmfBytes &, quint32, quint16);
    void onSelectObject(WmfBytes &, quint32, quint16);
    void onSelectPalette(WmfBytes &, quint32, quint16);
    void onRealizePalette(WmfBytes &, quint32, quint16);
    void onDeleteObject(WmfBytes &, quint32, quint16);
    void onSetTextColor(WmfBytes &, quint32, quint16);
    void onSetBkColor(WmfBytes &, quint32, quint16);
    void onSetBkMode(WmfBytes &, quint32, quint16);
    void onSetPolyFillMode(WmfBytes &, quint32, quint16);
    void onSetRop2(WmfBytes &, quint32, quint16);
    void onSetTextAlign(WmfBytes &, quint32, quint16);
    void onSetStretchBltMode(WmfBytes &, quint32, quint16);
    void onMoveTo(WmfBytes &, quint32, quint16);
    void onLineTo(WmfBytes &, quint32, quint16);
    void onPolyline(WmfBytes &, quint32, quint16);
    void onPolygon(WmfBytes &, quint32, quint16);
    void onPolyPolygon(WmfBytes &, quint32, quint16);
    void onRectangle(WmfBytes &, quint32, quint16);
    void onRoundRect(WmfBytes &, quint32, quint16);
    void onEllipse(WmfBytes &, quint32, quint16);
    void onArc(WmfBytes &, quint32, quint16);
    void onPie(WmfBytes &, quint32, quint16);
    void onChord(WmfBytes &, quint32, quint16);
    void onTextOut(WmfBytes &, quint32, quint16);
    void onExtTextOut(WmfBytes &, quint32, quint16);
    void onSetPixel(WmfBytes &, quint32, quint16);
    void onPatBlt(WmfBytes &, quint32, quint16);
    void onStretchDib(WmfBytes &, quint32, quint16);
    void onDibStretchBlt(WmfBytes &, quint32, quint16);
    void onDibBitBlt(WmfBytes &, quint32, quint16);
    void onStretchBlt(WmfBytes &, quint32, quint16);
    void onBitBlt(WmfBytes &, quint32, quint16);
    void onIntersectClipRect(WmfBytes &, quint32, quint16);
    void onExcludeClipRect(WmfBytes &, quint32, quint16);

    enum class ArcKind { Arc, Pie, Chord };
    void arcRecord(WmfBytes &params, ArcKind kind);

    QByteArray m_bytes;
    Limits m_limits;
    Trace m_trace;
    bool m_placeable = false;
    QRect m_frame;
    qsizetype m_firstRecord = 0;
    int m_headerObjects = 0;

    // Playback.
    QPainter *m_painter = nullptr;
    QRectF m_target;
    QTransform m_base;                 // the painter's transform on entry
    std::optional<QRegion> m_baseClip; // the painter's clip on entry, in its coordinates
    bool m_rasterOps = false;
    State m_state;
    std::vector<State> m_saved;
    std::vector<std::optional<Object>> m_objects;
    std::set<int> m_freeSlots;
    double m_sx = 1;
    double m_sy = 1;
    double m_dx = 0;
    double m_dy = 0;
    qint64 m_points = 0;
    bool m_stop = false;
    Outcome m_outcome = Outcome::Finished;
    QString m_message;
    qint64 m_skipped = 0;
};
