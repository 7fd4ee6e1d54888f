// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/tcolor.h"

#include <QDialog>

class QFrame;
class QScrollArea;
class QToolButton;
class TGPRichBaseLabel;
class TWPRichText;
class TWPRtfStorage;
class TWPToolBar;

// "Rich Text Editor": the rich label's text in an editor as large as the label and at the
// page's zoom, with the formatting tool bar and two zoom buttons.
class TRichTextLabelEditor : public QDialog
{
    Q_OBJECT

public:
    TRichTextLabelEditor(const TGPRichBaseLabel &label, const TWPRtfStorage &text,
                         QWidget *parent = nullptr);

    TWPRtfStorage text() const;
    TWPRichText *editor() const { return m_editor; }
    QFrame *panel() const { return m_panel; }
    int zoom() const { return m_zoom; }

    void zoomIn();
    void zoomOut();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void applyZoom();

    TWPToolBar *m_toolBar;
    QScrollArea *m_scroll;
    QFrame *m_panel;
    TWPRichText *m_editor;
    QToolButton *m_zoomPlus;
    QToolButton *m_zoomMinus;
    int m_ppi;
    int m_zoom = 100;
    // The panel's size and the zoom it was opened at: zooming scales from them.
    QSize m_baseSize;
    int m_baseZoom = 100;
};
