// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "objects/tgplabel.h"

#include <QDialog>

class ColorComboBox;
class ObjectPreview;
class QComboBox;

// Edits a label's shadow, highlight and face colour on a live sample; the label itself
// changes only through applyTo() once the user confirmed.
class TGFont3DEffects : public QDialog
{
    Q_OBJECT

public:
    explicit TGFont3DEffects(const TGBaseLabel &label, QWidget *parent = nullptr);

    TGPLabel &Sample() { return m_sample; }
    // Copies the sample's font, depths, directions and colours to the label.
    void applyTo(TGBaseLabel &label) const;

    QComboBox *ShadowDirection() const { return m_shadowDirection; }
    ColorComboBox *ShadowColorCombo() const { return m_shadowColor; }
    QComboBox *ShadowDepth() const { return m_shadowDepth; }
    QComboBox *HighlightDirection() const { return m_highlightDirection; }
    ColorComboBox *HighLightColorCombo() const { return m_highlightColor; }
    QComboBox *HighLightDepth() const { return m_highlightDepth; }
    ColorComboBox *FontColorCombo() const { return m_fontColor; }

private:
    QWidget *createControls();
    void loadControls();
    void sampleChanged();

    TGPLabel m_sample;
    ObjectPreview *m_preview;
    QComboBox *m_shadowDirection;
    ColorComboBox *m_shadowColor;
    QComboBox *m_shadowDepth;
    QComboBox *m_highlightDirection;
    ColorComboBox *m_highlightColor;
    QComboBox *m_highlightDepth;
    ColorComboBox *m_fontColor;
};
