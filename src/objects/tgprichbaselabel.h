// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/tcolor.h"
#include "objects/objecttypes.h"
#include "objects/tggraphiccontrol.h"
#include "richtext/rtfstorage.h"

#include <QSize>

// A block of formatted text on the page. The text is kept as RTF and laid out on a page as
// large as the object at zoom 1, then drawn scaled by the zoom, so its lines break at the
// same words at every zoom. Only what fits the object shows.
class TGPRichBaseLabel : public TGGraphicControl
{
public:
    TGPRichBaseLabel();

    QString className() const override { return QStringLiteral("TGPRichBaseLabel"); }

    const TWPRtfStorage &RTFText() const { return m_rtfText; }
    void SetRTFText(const TWPRtfStorage &text);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    TColor BGColor() const { return m_bgColor; }
    void SetBGColor(TColor color);

    // The page the text is laid out on, in twips: the object's size at zoom 1.
    static QSize pageTwips(QSize pixels, float zoom, int ppi);
    // The zoom the text is drawn at, in percent (truncated).
    static int zoomPercent(float zoom);

    void PaintObject(Canvas &canvas) const override;
    void AfterLoad() override;
    void PopupAboutToShow() override;
    // A new rich label opens its editor at once.
    bool PlacedWithTool() override;

    // The "Edit" entry and double click: the kind's dialog, the rich text editor, sized and
    // zoomed like the label itself; on OK it replaces the label's text.
    bool Edit();
    // The "Background Color" entry: the colour chosen makes the label opaque.
    void EditBackColor();

private:
    void updateCheck(const QString &caption, bool checked);

    TWPRtfStorage m_rtfText;
    TBorderStyle m_borderStyle = bsSingle;
    bool m_transparent = true;
    TColor m_bgColor = Colors::clWhite;
};
