// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/tcolor.h"
#include "objects/supertextlayout.h"

#include <QDialog>
#include <QImage>

#include <functional>

class ColorComboBox;
class ObjectPreview;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class QToolButton;
class TGSuperText;

// The SuperText properties dialog. Every control acts at once on a preview object that the
// caller prepared (borrowed); the caller copies the preview back to the object on OK. The
// dialog also keeps the last used texture and the file it came from.
class TSuperTextProperties : public QDialog
{
    Q_OBJECT

public:
    TSuperTextProperties(TGSuperText &preview, const QString &lastBitmapFileNameandPath,
                         QWidget *parent = nullptr);

    TGSuperText &Preview() const { return m_preview; }
    QString LastBitmapFileNameandPath() const { return m_lastBitmapFileNameandPath; }
    // The texture "Texture" puts into the preview: the default one until another is chosen.
    const QImage &lastTexture() const { return m_lastTexture; }
    // How "Help" shows its topic; the program's help window unless replaced.
    void setHelpHandler(std::function<void(int)> handler) { m_help = std::move(handler); }
    // The texture shown until the user chooses one: 120 x 84, 256 colours.
    static QImage defaultTexture();
    // Sets the caption as if a symbol in fontName had been picked.
    void takeSymbol(const QString &fontName, QChar symbol);
    // What each tick of the 200 ms refit timer does: refits the preview once after typing.
    void refitIfTextChanged();

    QLineEdit *CaptionText() const { return m_captionText; }
    QComboBox *SurfaceTypeCombo() const { return m_surfaceTypeCombo; }
    QFrame *FillPanel() const { return m_fillPanel; }
    QFrame *ImagePanel() const { return m_imagePanel; }
    QFrame *FontcolorPanel() const { return m_fontcolorPanel; }
    QComboBox *FillDirectionCombo() const { return m_fillDirectionCombo; }
    ColorComboBox *GradientFromcolorButton() const { return m_gradientFromcolorButton; }
    ColorComboBox *GradientToColorButton() const { return m_gradientToColorButton; }
    QPushButton *LoadImageButton() const { return m_loadImageButton; }
    ColorComboBox *FontColorButton() const { return m_fontColorButton; }
    ColorComboBox *ShadowColorButton() const { return m_shadowColorButton; }
    QComboBox *ShadowOrientationCombo() const { return m_shadowOrientationCombo; }
    QSpinBox *ShadowDepthSpinner() const { return m_shadowDepthSpinner; }
    ColorComboBox *OutlineColorButton() const { return m_outlineColorButton; }
    QComboBox *OutlineStyleCombo() const { return m_outlineStyleCombo; }
    QSpinBox *OutLineWidthSpinner() const { return m_outLineWidthSpinner; }
    QPushButton *Fontbutton() const { return m_fontbutton; }
    QToolButton *fontSizeUpButton() const { return m_fontSizeUp; }
    QToolButton *fontSizeDownButton() const { return m_fontSizeDown; }
    QPushButton *SelectSymbolbutton() const { return m_selectSymbolbutton; }
    QPushButton *okButton() const { return m_okButton; }
    QPushButton *helpButton() const { return m_helpButton; }
    QTimer *refitTimer() const { return m_refitTimer; }

private:
    QWidget *createTextRow();
    QWidget *createSurfaceGroup();
    QWidget *createShadowGroup();
    QWidget *createOutlineGroup();
    QWidget *createButtons();
    void loadControls();
    void showPanelFor(TSurfaceType type);
    void surfaceTypeChosen(int index);
    void captionEdited(const QString &text);
    void chooseFont();
    void changeFontSize(int step);
    void chooseSymbol();
    void loadTexture();
    void okClicked();
    void showCaptionInPreviewFace();
    void previewChanged();

    TGSuperText &m_preview;
    QString m_lastBitmapFileNameandPath;
    QImage m_lastTexture;
    bool m_textChanged = false;
    std::function<void(int)> m_help;

    ObjectPreview *m_previewWidget = nullptr;
    QLineEdit *m_captionText = nullptr;
    QComboBox *m_surfaceTypeCombo = nullptr;
    QFrame *m_fillPanel = nullptr;
    QFrame *m_imagePanel = nullptr;
    QFrame *m_fontcolorPanel = nullptr;
    QComboBox *m_fillDirectionCombo = nullptr;
    ColorComboBox *m_gradientFromcolorButton = nullptr;
    ColorComboBox *m_gradientToColorButton = nullptr;
    QPushButton *m_loadImageButton = nullptr;
    ColorComboBox *m_fontColorButton = nullptr;
    ColorComboBox *m_shadowColorButton = nullptr;
    QComboBox *m_shadowOrientationCombo = nullptr;
    QSpinBox *m_shadowDepthSpinner = nullptr;
    ColorComboBox *m_outlineColorButton = nullptr;
    QComboBox *m_outlineStyleCombo = nullptr;
    QSpinBox *m_outLineWidthSpinner = nullptr;
    QPushButton *m_fontbutton = nullptr;
    QToolButton *m_fontSizeUp = nullptr;
    QToolButton *m_fontSizeDown = nullptr;
    QPushButton *m_selectSymbolbutton = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_helpButton = nullptr;
    QTimer *m_refitTimer = nullptr;
};
