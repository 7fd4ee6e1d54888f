// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/pagerect.h"

#include <QWidget>

#include <array>
#include <optional>

// The dotted outlines that follow the mouse or the arrow keys: the rubber band, the
// preview of a drag and the keyboard nudge rectangle. They lie in a transparent child
// over the whole surface, so showing, moving or removing one repaints only its edges and
// never draws into the page itself.
class OutlineOverlay : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { RubberBand, DragPreview, Nudge };

    explicit OutlineOverlay(QWidget *surface);

    // Rectangles in surface pixels; right and bottom are outside the outline, as a
    // rectangle drawn with a one-pixel pen leaves them. Unnormalised ones are normalised.
    void setOutline(Kind kind, const PageRect &rect);
    void clearOutline(Kind kind);
    std::optional<PageRect> outline(Kind kind) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateEdges(const PageRect &rect);

    std::array<std::optional<PageRect>, 3> m_outlines;
};
