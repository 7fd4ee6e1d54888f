// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "metafile/emfstate.h"
#include "metafile/wmfmapping.h"

#include <QByteArray>
#include <QList>
#include <QPainterPath>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTransform>

#include <optional>
#include <variant>
#include <vector>

class QPainter;
class QPolygonF;
class WmfBytes;
class WmfPainter;

// Plays an enhanced metafile ([MS-EMF]) with a QPainter, the picture's frame stretched onto
// a target rectangle.
//
// The records are first decoded into a list (type, offset, size), which stops at the first
// record whose size is under 8 bytes, not a multiple of 4 or past the end of the bytes;
// playing walks the list. Mapping: logical units go through the world transform, then the
// map mode's window-to-viewport mapping into the reference device's pixels, and the header's
// frame (hundredths of a millimetre on that device) fills the target. Geometry is mapped to
// the painter's coordinates by the player and clamped, and drawn through the same GDI
// painter as Windows metafiles (WmfPainter).
//
// EMF+ records travel in comments and are skipped: the records that follow them are the
// picture as GDI draws it. Unknown records are skipped by their size. Every count and offset
// inside a record is checked against the record, and playback is bounded by Limits.
class EmfPlayer
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

    enum class Outcome {
        Finished,        // the EOF record, or the end of the bytes at a record boundary
        NotMetafile,     // no enhanced-metafile header
        BadRecordSize,   // a record under 8 bytes, not a multiple of 4, or past the end
        TooManyRecords,  // Limits::maxRecords reached
        TooManyPoints,   // Limits::maxPoints reached
    };

    struct Result
    {
        Outcome outcome = Outcome::NotMetafile;
        qint64 records = 0;         // records played, the header included
        qint64 skippedRecords = 0;  // records of a type the player does not draw
        QString message;            // empty when Finished; otherwise what stopped it
    };

    explicit EmfPlayer(const QByteArray &bytes);
    EmfPlayer(const QByteArray &bytes, const Limits &limits);
    ~EmfPlayer();

    bool isValid() const { return m_valid; }
    // The header's frame in hundredths of a millimetre and bounds in device pixels.
    QRect frame() const { return m_frame; }
    QRect bounds() const { return m_bounds; }

    // Draws the picture scaled to fill target (in the painter's current coordinates). The
    // painter is left as it was found.
    Result play(QPainter &painter, const QRectF &target);

private:
    struct Record
    {
        quint32 type = 0;
        qsizetype offset = 0;
        qsizetype size = 0;
    };
    using Handler = void (EmfPlayer::*)(WmfBytes &params);
    static Handler handlerFor(quint32 type);

    using Object = std::variant<WmfPen, WmfBrush, WmfFont, WmfPalette>;

    bool readHeader();
    void decode();
    void stop(Outcome outcome, const QString &message);
    bool takePoints(qint64 count);

    // The current record's bytes from offset, or nullptr when offset and size leave it.
    const uchar *recordSpan(quint64 offset, quint64 size) const;
    QRgb colorRef(WmfBytes &params) const;

    // Mapping (emfplayer.cpp).
    void updateTransform();
    QPointF toDevice(const QPointF &logical) const;
    QPainterPath toDevice(const QPainterPath &logical) const;
    QRegion deviceRegion(const QRectF &logical) const;
    QRegion polygonRegion(const QPolygonF &device, Qt::FillRule rule = Qt::OddEvenFill) const;
    double lengthScale() const;
    void syncDevice();
    void setClip(const std::optional<QRegion> &clip);
    void combineClip(const QRegion &region, quint32 mode);

    // Objects (emfplayerobjects.cpp).
    void setObject(quint32 index, Object object);
    const Object *objectAt(quint32 index) const;
    static std::optional<Object> stockObject(quint32 index);

    // Drawing helpers (emfplayerdrawing.cpp).
    bool readPoints(WmfBytes &params, qint64 count, bool shortPoints, QPolygonF *points);
    bool readRect(WmfBytes &params, QRectF *logical);
    void shape(const QPainterPath &logical);
    void lines(const QPainterPath &logical);
    void continueFigure(const QPainterPath &logical, const QPointF &end);
    enum class ArcKind { Arc, ArcTo, Pie, Chord };
    void arcRecord(WmfBytes &params, ArcKind kind);
    void polyBezier(WmfBytes &params, bool shortPoints, bool to);
    void polyline(WmfBytes &params, bool shortPoints, bool to);
    void polygon(WmfBytes &params, bool shortPoints);
    void polyPoly(WmfBytes &params, bool shortPoints, bool closed);
    void polyDraw(WmfBytes &params, bool shortPoints);
    void drawPath(bool fill, bool stroke);
    void text(WmfBytes &params, bool wide);
    std::optional<QList<QRectF>> readRegionRects(WmfBytes &params, quint32 size);
    QRegion regionThrough(const QList<QRectF> &rects, const QTransform &transform) const;

    // Bitmaps (emfplayerbitmaps.cpp).
    struct Blit
    {
        QRectF dest;        // logical
        QRectF source;      // bitmap pixels
        quint32 rop = 0;
        quint32 usage = 0;
        quint64 offBmi = 0;
        quint64 cbBmi = 0;
        quint64 offBits = 0;
        quint64 cbBits = 0;
        bool sourceFromBottom = false;
        bool keepAlpha = false;
        double opacity = 1;
        std::optional<QRgb> transparent;
    };
    void drawBlit(const Blit &blit);
    static Blit readDibBlit(WmfBytes &params);
    QImage recordDib(quint32 usage, quint64 offBmi, quint64 cbBmi, quint64 offBits,
                     quint64 cbBits, qint64 maxPixels, bool keepAlpha, bool *bottomUp) const;
    void blt(WmfBytes &params, bool stretch, bool alpha, bool transparent);

    // Record handlers: state and mapping (emfplayer.cpp).
    void onHeader(WmfBytes &);
    void onEof(WmfBytes &);
    void onIgnored(WmfBytes &);
    void onSetMapMode(WmfBytes &);
    void onSetWindowExtEx(WmfBytes &);
    void onSetWindowOrgEx(WmfBytes &);
    void onSetViewportExtEx(WmfBytes &);
    void onSetViewportOrgEx(WmfBytes &);
    void onScaleViewportExtEx(WmfBytes &);
    void onScaleWindowExtEx(WmfBytes &);
    void onSetWorldTransform(WmfBytes &);
    void onModifyWorldTransform(WmfBytes &);
    void onSaveDc(WmfBytes &);
    void onRestoreDc(WmfBytes &);
    void onSetBkMode(WmfBytes &);
    void onSetPolyFillMode(WmfBytes &);
    void onSetRop2(WmfBytes &);
    void onSetStretchBltMode(WmfBytes &);
    void onSetTextAlign(WmfBytes &);
    void onSetTextColor(WmfBytes &);
    void onSetBkColor(WmfBytes &);
    void onSetArcDirection(WmfBytes &);
    void onIntersectClipRect(WmfBytes &);
    void onExcludeClipRect(WmfBytes &);
    void onOffsetClipRgn(WmfBytes &);
    void onExtSelectClipRgn(WmfBytes &);
    void onSelectClipPath(WmfBytes &);

    // Objects (emfplayerobjects.cpp).
    void onCreatePen(WmfBytes &);
    void onExtCreatePen(WmfBytes &);
    void onCreateBrushIndirect(WmfBytes &);
    void onCreateDibPatternBrushPt(WmfBytes &);
    void onExtCreateFontIndirectW(WmfBytes &);
    void onCreatePalette(WmfBytes &);
    void onSelectObject(WmfBytes &);
    void onSelectPalette(WmfBytes &);
    void onDeleteObject(WmfBytes &);

    // Drawing (emfplayerdrawing.cpp).
    void onMoveToEx(WmfBytes &);
    void onLineTo(WmfBytes &);
    void onPolyBezier(WmfBytes &);
    void onPolyBezier16(WmfBytes &);
    void onPolyBezierTo(WmfBytes &);
    void onPolyBezierTo16(WmfBytes &);
    void onPolyline(WmfBytes &);
    void onPolyline16(WmfBytes &);
    void onPolylineTo(WmfBytes &);
    void onPolylineTo16(WmfBytes &);
    void onPolygon(WmfBytes &);
    void onPolygon16(WmfBytes &);
    void onPolyPolyline(WmfBytes &);
    void onPolyPolyline16(WmfBytes &);
    void onPolyPolygon(WmfBytes &);
    void onPolyPolygon16(WmfBytes &);
    void onPolyDraw(WmfBytes &);
    void onPolyDraw16(WmfBytes &);
    void onRectangle(WmfBytes &);
    void onRoundRect(WmfBytes &);
    void onEllipse(WmfBytes &);
    void onArc(WmfBytes &);
    void onArcTo(WmfBytes &);
    void onChord(WmfBytes &);
    void onPie(WmfBytes &);
    void onAngleArc(WmfBytes &);
    void onSetPixelV(WmfBytes &);
    void onBeginPath(WmfBytes &);
    void onEndPath(WmfBytes &);
    void onCloseFigure(WmfBytes &);
    void onAbortPath(WmfBytes &);
    void onFillPath(WmfBytes &);
    void onStrokePath(WmfBytes &);
    void onStrokeAndFillPath(WmfBytes &);
    void onFillRgn(WmfBytes &);
    void onPaintRgn(WmfBytes &);
    void onExtTextOutW(WmfBytes &);
    void onExtTextOutA(WmfBytes &);

    // Bitmaps (emfplayerbitmaps.cpp).
    void onBitBlt(WmfBytes &);
    void onStretchBlt(WmfBytes &);
    void onAlphaBlend(WmfBytes &);
    void onTransparentBlt(WmfBytes &);
    void onStretchDiBits(WmfBytes &);
    void onSetDiBitsToDevice(WmfBytes &);

    QByteArray m_bytes;
    Limits m_limits;
    bool m_valid = false;
    QRect m_frame;
    QRect m_bounds;
    EmfDevice m_device;
    int m_headerObjects = 0;
    std::vector<Record> m_records;
    Outcome m_decodeOutcome = Outcome::Finished;
    QString m_decodeMessage;

    // Playback.
    const Record *m_record = nullptr;
    WmfPainter *m_painter = nullptr;
    WmfMapping m_identity;          // the painter's own pixels, for WmfPainter
    QTransform m_toTarget;          // reference-device pixels to the painter's coordinates
    QTransform m_transform;         // logical units to the painter's coordinates
    QRectF m_regionBounds;          // where regions are worked out: the target and around it
    EmfState m_state;
    WmfState m_deviceState;         // m_state.gdi with sizes in the painter's pixels
    std::vector<EmfState> m_saved;
    std::vector<std::optional<Object>> m_objects;
    QPainterPath m_path;            // the path being built, in the painter's coordinates
    bool m_inPath = false;
    bool m_figureOpen = false;      // whether the path's last figure continues
    qint64 m_points = 0;
    qint64 m_played = 0;
    bool m_stop = false;
    Outcome m_outcome = Outcome::Finished;
    QString m_message;
    qint64 m_skipped = 0;
};
