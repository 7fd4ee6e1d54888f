// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QTextEdit>

// The rich-text editor that lies over a day cell. It shows the text at the size the page
// paints it: the document is laid out for a paint device whose resolution is the layout
// resolution times the page's scale, so the stored point sizes never change with the
// zoom. Tab does not go into the text; the main window moves between cells with it.
class TWPRichText : public QTextEdit
{
    Q_OBJECT

public:
    explicit TWPRichText(QWidget *parent = nullptr);

    // Replaces the text; the document counts as unchanged afterwards.
    void loadRtf(const QByteArray &rtf);
    QByteArray rtf() const;
    // True when the text is a single empty paragraph.
    bool isEmptyText() const;

    // Day cells leave Tab to moving between cells; other editors take it into the text.
    void setTabsAccepted(bool accepted) { m_tabsAccepted = accepted; }

    // zoomPercent as the page paints cell texts (100 = 100 %), pagePpi the page's pixels
    // per inch; widthPixels is the width the page lays the cell's text out in.
    void setZoom(int zoomPercent, int pagePpi, int widthPixels);
    // Page pixels per layout pixel.
    qreal scale() const { return m_scale; }

    // Inserts a picture at the caret as one character of the text; it is shown and
    // stored at its own pixel size at 100 %.
    void insertPicture(const QImage &picture);

    // The 16 colours the formatting tool bar offers for text.
    static const QList<QColor> &textColorPalette();
    // The palette entry equal to color, or entry 0 when none is.
    static QColor paletteColor(const QColor &color);

signals:
    void focusReceived();
    void focusLost();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Only its resolution matters; the document lays its fonts out for it.
    QImage m_layoutDevice;
    qreal m_scale = 1.0;
    int m_pictureCount = 0;
    bool m_tabsAccepted = false;
};
