// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <vector>

class TGBasePanel;

// Documents are read and written, and pages printed, at full scale (100 %), so that object
// positions do not depend on the zoom the user works at. The guard puts the zoom it found
// back when it goes out of scope, whichever way the work ended; a zoom outside the ranges it
// keeps ends at 100 %.
class ZoomGuard
{
public:
    // Both ends belong to the range.
    struct Range {
        float lowest;
        float highest;
    };

    // Every zoom is put back.
    explicit ZoomGuard(TGBasePanel &panel);
    ZoomGuard(TGBasePanel &panel, float lowestKept, float highestKept);
    ZoomGuard(TGBasePanel &panel, std::initializer_list<Range> kept);
    ~ZoomGuard();
    ZoomGuard(const ZoomGuard &) = delete;
    ZoomGuard &operator=(const ZoomGuard &) = delete;

    // Opening a file that no longer exists never goes to full scale, so this is a step of
    // its own rather than part of the constructor.
    void toFullScale();

private:
    TGBasePanel &m_panel;
    float m_zoom;
    std::vector<Range> m_kept;
};
