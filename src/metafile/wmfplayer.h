// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "metafile/wmfmapping.h"
#include "metafile/wmfobjecttable.h"
#include "metafile/wmfrecord.h"
#include "metafile/wmfstate.h"

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QPolygonF;
class WmfBytes;
class WmfPainter;

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
    using Handler = void (WmfPlayer::*)(WmfBytes &params, quint32 words, quint16 function);
    static Handler handlerFor(WmfRecord record);

    bool readHeader();
    void playRecords();
    bool playRecord(qsizetype offset, qsizetype left);
    void stop(Outcome outcome, const QString &message);
    bool takePoints(qint64 count);
    bool readPoints(WmfBytes &params, qint64 count, QPolygonF *points);
    QRgb colorRef(WmfBytes &params) const;
    void setWindow(const WmfWindow &window);
    void addObject(WmfObject object);
    const WmfRegion *regionAt(WmfBytes &params) const;
    QRegion deviceRegion(const WmfRegion &region) const;
    void fillRegion(const WmfRegion &region, const WmfBrush &brush);

    // Record handlers, one per record kind: state (wmfplayer.cpp) and objects
    // (wmfplayerobjects.cpp).
    void onEof(WmfBytes &, quint32, quint16);
    void onSetWindowOrg(WmfBytes &, quint32, quint16);
    void onSetWindowExt(WmfBytes &, quint32, quint16);
    void onOffsetWindowOrg(WmfBytes &, quint32, quint16);
    void onScaleWindowExt(WmfBytes &, quint32, quint16);
    void onIgnored(WmfBytes &, quint32, quint16);
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
    void onDeleteObject(WmfBytes &, quint32, quint16);
    void onSetTextColor(WmfBytes &, quint32, quint16);
    void onSetBkColor(WmfBytes &, quint32, quint16);
    void onSetBkMode(WmfBytes &, quint32, quint16);
    void onSetPolyFillMode(WmfBytes &, quint32, quint16);
    void onSetRop2(WmfBytes &, quint32, quint16);
    void onSetTextAlign(WmfBytes &, quint32, quint16);
    void onSetStretchBltMode(WmfBytes &, quint32, quint16);
    void onIntersectClipRect(WmfBytes &, quint32, quint16);
    void onExcludeClipRect(WmfBytes &, quint32, quint16);
    void onSelectClipRegion(WmfBytes &, quint32, quint16);
    void onOffsetClipRgn(WmfBytes &, quint32, quint16);
    void onFillRegion(WmfBytes &, quint32, quint16);
    void onPaintRegion(WmfBytes &, quint32, quint16);

    // Drawing records (wmfplayerdrawing.cpp).
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
    void onSetPixel(WmfBytes &, quint32, quint16);
    void onTextOut(WmfBytes &, quint32, quint16);
    void onExtTextOut(WmfBytes &, quint32, quint16);
    void onPatBlt(WmfBytes &, quint32, quint16);
    void onStretchDib(WmfBytes &, quint32, quint16);
    void onDibStretchBlt(WmfBytes &, quint32, quint16);
    void onDibBitBlt(WmfBytes &, quint32, quint16);
    void onStretchBlt(WmfBytes &, quint32, quint16);
    void onBitBlt(WmfBytes &, quint32, quint16);

    enum class ArcKind { Arc, Pie, Chord };
    void arcRecord(WmfBytes &params, ArcKind kind);
    bool readRect(WmfBytes &params, QRectF *device);
    void text(const QPointF &logical, const QByteArray &bytes, const QList<double> &dx,
              quint16 options, const std::optional<QRectF> &rect);

    // A bitmap record's geometry: source in bitmap pixels, destination in logical units.
    struct Blit
    {
        quint32 rop = 0;
        QRectF source;
        double x = 0;
        double y = 0;
        double width = 0;
        double height = 0;
    };
    void blit(WmfBytes &params, quint32 words, quint16 function, bool stretch, bool dib);
    void drawDib(WmfBytes &params, quint16 colorUsage, Blit blit, bool sourceFromBottom);
    void drawBitmap16(WmfBytes &params, const Blit &blit);
    void fillBlit(const Blit &blit);

    QByteArray m_bytes;
    Limits m_limits;
    Trace m_trace;
    bool m_placeable = false;
    QRect m_frame;
    qsizetype m_firstRecord = -1;
    int m_headerObjects = 0;

    // Playback.
    WmfPainter *m_painter = nullptr;
    WmfMapping m_mapping;
    WmfState m_state;
    std::vector<WmfState> m_saved;
    WmfObjectTable m_objects;
    qint64 m_points = 0;
    qint64 m_records = 0;
    bool m_stop = false;
    Outcome m_outcome = Outcome::Finished;
    QString m_message;
    qint64 m_skipped = 0;
};
