// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoomguard.h"

#include "surface/gbasepanel.h"

#include <algorithm>
#include <limits>

ZoomGuard::ZoomGuard(TGBasePanel &panel)
    : ZoomGuard(panel, -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::infinity())
{
}

ZoomGuard::ZoomGuard(TGBasePanel &panel, float lowestKept, float highestKept)
    : ZoomGuard(panel, {Range{lowestKept, highestKept}})
{
}

ZoomGuard::ZoomGuard(TGBasePanel &panel, std::initializer_list<Range> kept)
    : m_panel(panel), m_zoom(panel.ZoomFactor()), m_kept(kept)
{
}

ZoomGuard::~ZoomGuard()
{
    // Setting the zoom the page already has does nothing, so a page that never left its
    // zoom is not touched.
    const bool kept = std::any_of(m_kept.begin(), m_kept.end(), [this](const Range &range) {
        return m_zoom >= range.lowest && m_zoom <= range.highest;
    });
    m_panel.SetZoom(kept ? m_zoom : 1.0f);
}

void ZoomGuard::toFullScale()
{
    m_panel.SetZoom(1.0f);
}
