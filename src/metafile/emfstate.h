// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "metafile/wmfstate.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

// The playback device context of an enhanced metafile ([MS-EMF] 3.1), saved and restored
// whole by EMR_SAVEDC and EMR_RESTOREDC. The drawing attributes are the ones a Windows
// metafile has (pen and font sizes in logical units, the clip in the painter's device
// pixels); the mapping adds map modes, a viewport and a world transform.

enum class EmfMapMode : quint32 {
    Text = 1,
    LoMetric = 2,
    HiMetric = 3,
    LoEnglish = 4,
    HiEnglish = 5,
    Twips = 6,
    Isotropic = 7,
    Anisotropic = 8,
};

struct EmfState
{
    WmfState gdi;
    EmfMapMode mapMode = EmfMapMode::Text;
    QPointF windowOrigin;
    QSizeF windowExtent{1, 1};
    QPointF viewportOrigin;
    QSizeF viewportExtent{1, 1};
    QTransform world;               // world to page space
    bool clockwiseArcs = false;
};

// The reference device an enhanced metafile was recorded for: its pixels per millimetre,
// and the rectangle of its pixels (the picture's frame) that fills the target.
struct EmfDevice
{
    double pixelsPerMmX = 96 / 25.4;
    double pixelsPerMmY = 96 / 25.4;
    QRectF frame;
};

// Page space to the reference device's pixels, from the map mode, window and viewport.
QTransform emfPageTransform(const EmfState &state, const EmfDevice &device);
