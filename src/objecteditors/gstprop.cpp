// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gstprop.h"

#include "objecteditors/colorcombobox.h"
#include "objecteditors/gstpropgetsym.h"
#include "objecteditors/gstpropgettexture.h"
#include "objecteditors/objectpreview.h"
#include "objects/tgsupertext.h"
#include "widgets/choosers.h"
#include "widgets/dialogs.h"
#include "widgets/helpwindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

namespace {

constexpr int HelpContext = 40014;
constexpr int LargestRapidSize = 150;
constexpr int SmallestRapidSize = 10;

using Choices = QList<std::pair<QString, int>>;

// Each item carries the value it stands for.
QComboBox *listCombo(const Choices &choices, const char *name, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    for (const auto &[caption, value] : choices)
        combo->addItem(caption, value);
    return combo;
}

// A value the list cannot show is kept as it is, with no choice shown.
void showValue(QComboBox *combo, int value)
{
    combo->setCurrentIndex(combo->findData(value));
}

ColorComboBox *colorButton(const char *name, QWidget *parent)
{
    auto *button = new ColorComboBox(parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QFrame *settingPanel(const char *name, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    return panel;
}

} // namespace

TSuperTextProperties::TSuperTextProperties(TGSuperText &preview,
                                           const QString &lastBitmapFileNameandPath,
                                           QWidget *parent)
    : QDialog(parent), m_preview(preview), m_lastBitmapFileNameandPath(lastBitmapFileNameandPath),
      m_lastTexture(defaultTexture()), m_help(ShowHelpTopic)
{
    setObjectName(QStringLiteral("SuperTextProperties"));
    setWindowTitle(QStringLiteral("SuperText Properties"));
    resize(582, 423);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Box);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    panel->setMinimumSize(300, 150);
    m_previewWidget = new ObjectPreview(m_preview, panel);
    m_previewWidget->setObjectName(QStringLiteral("Preview"));
    m_previewWidget->move(panel->frameWidth(), panel->frameWidth());
    m_previewWidget->resize(2000, 1000);
    m_preview.setBounds(0, 0, m_preview.Width(), m_preview.Height());

    auto *settings = new QHBoxLayout;
    settings->addWidget(createSurfaceGroup());
    settings->addWidget(createShadowGroup());
    settings->addWidget(createOutlineGroup());

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createTextRow());
    layout->addWidget(panel, 1);
    layout->addLayout(settings);
    layout->addWidget(createButtons());

    m_refitTimer = new QTimer(this);
    m_refitTimer->setInterval(200);
    connect(m_refitTimer, &QTimer::timeout, this, &TSuperTextProperties::refitIfTextChanged);
    m_refitTimer->start();

    loadControls();
    m_captionText->setFocus();
}

QWidget *TSuperTextProperties::createTextRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_captionText = new QLineEdit(row);
    m_captionText->setObjectName(QStringLiteral("CaptionText"));
    auto *label = new QLabel(QStringLiteral("Text"), row);
    label->setBuddy(m_captionText);

    auto *spin = new QWidget(row);
    spin->setObjectName(QStringLiteral("RapidChangeFontSize"));
    auto *arrows = new QVBoxLayout(spin);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    m_fontSizeUp = new QToolButton(spin);
    m_fontSizeUp->setArrowType(Qt::UpArrow);
    m_fontSizeUp->setAutoRepeat(true);
    m_fontSizeDown = new QToolButton(spin);
    m_fontSizeDown->setArrowType(Qt::DownArrow);
    m_fontSizeDown->setAutoRepeat(true);
    for (QToolButton *arrow : {m_fontSizeUp, m_fontSizeDown}) {
        arrow->setFixedSize(18, 12);
        arrows->addWidget(arrow);
    }

    m_fontbutton = new QPushButton(QStringLiteral("Select Font"), row);
    m_fontbutton->setObjectName(QStringLiteral("Fontbutton"));
    m_selectSymbolbutton = new QPushButton(QStringLiteral("Select Symbol"), row);
    m_selectSymbolbutton->setObjectName(QStringLiteral("SelectSymbolbutton"));

    layout->addWidget(label);
    layout->addWidget(m_captionText, 1);
    layout->addWidget(spin);
    layout->addWidget(m_fontbutton);
    layout->addWidget(m_selectSymbolbutton);

    connect(m_captionText, &QLineEdit::textEdited, this, &TSuperTextProperties::captionEdited);
    connect(m_fontSizeUp, &QToolButton::clicked, this, [this] { changeFontSize(5); });
    connect(m_fontSizeDown, &QToolButton::clicked, this, [this] { changeFontSize(-5); });
    connect(m_fontbutton, &QPushButton::clicked, this, &TSuperTextProperties::chooseFont);
    connect(m_selectSymbolbutton, &QPushButton::clicked, this, &TSuperTextProperties::chooseSymbol);
    return row;
}

QWidget *TSuperTextProperties::createSurfaceGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Surface"), this);
    auto *column = new QVBoxLayout(group);
    m_surfaceTypeCombo = listCombo({{QStringLiteral("Normal"), stNormal},
                                    {QStringLiteral("Transparent"), stBrushTransparent},
                                    {QStringLiteral("Texture"), stBrushImage},
                                    {QStringLiteral("Gradient Fill"), stGradientFill}},
                                   "SurfaceTypeCombo", group);
    column->addWidget(m_surfaceTypeCombo);

    // The three setting panels share one place; at most one shows.
    auto *place = new QWidget(group);
    auto *stack = new QGridLayout(place);
    stack->setContentsMargins(0, 0, 0, 0);

    m_fillPanel = settingPanel("FillPanel", place);
    auto *fill = new QFormLayout(m_fillPanel);
    m_fillDirectionCombo = listCombo({{QStringLiteral("Up"), gdUp},
                                      {QStringLiteral("Down"), gdDown},
                                      {QStringLiteral("Left"), gdLeft},
                                      {QStringLiteral("Right"), gdRight}},
                                     "FillDirectionCombo", m_fillPanel);
    m_gradientFromcolorButton = colorButton("GradientFromcolorButton", m_fillPanel);
    m_gradientToColorButton = colorButton("GradientToColorButton", m_fillPanel);
    fill->addRow(QStringLiteral("Fill Direction"), m_fillDirectionCombo);
    fill->addRow(QStringLiteral("From Color"), m_gradientFromcolorButton);
    fill->addRow(QStringLiteral("To Color"), m_gradientToColorButton);

    m_imagePanel = settingPanel("ImagePanel", place);
    auto *image = new QVBoxLayout(m_imagePanel);
    m_loadImageButton = new QPushButton(QStringLiteral("Load Texture"), m_imagePanel);
    m_loadImageButton->setObjectName(QStringLiteral("LoadImageButton"));
    image->addWidget(m_loadImageButton);
    image->addStretch();

    m_fontcolorPanel = settingPanel("FontcolorPanel", place);
    auto *fontColor = new QFormLayout(m_fontcolorPanel);
    m_fontColorButton = colorButton("FontColorButton", m_fontcolorPanel);
    fontColor->addRow(QStringLiteral("Font Color"), m_fontColorButton);

    for (QFrame *panel : {m_fillPanel, m_imagePanel, m_fontcolorPanel})
        stack->addWidget(panel, 0, 0, Qt::AlignTop);
    column->addWidget(place, 1);

    connect(m_surfaceTypeCombo, &QComboBox::activated, this, &TSuperTextProperties::surfaceTypeChosen);
    connect(m_fillDirectionCombo, &QComboBox::activated, this, [this](int index) {
        m_preview.SetFillDirection(TFillDirection(m_fillDirectionCombo->itemData(index).toInt()));
        previewChanged();
    });
    connect(m_gradientFromcolorButton, &ColorComboBox::colorChanged, this, [this](TColor color) {
        m_preview.SetGradientFromColor(color);
        previewChanged();
    });
    connect(m_gradientToColorButton, &ColorComboBox::colorChanged, this, [this](TColor color) {
        m_preview.SetGradientToColor(color);
        previewChanged();
    });
    connect(m_fontColorButton, &ColorComboBox::colorChanged, this, [this](TColor color) {
        TFont font = m_preview.Font();
        font.setColor(color);
        m_preview.SetFont(font);
        previewChanged();
    });
    connect(m_loadImageButton, &QPushButton::clicked, this, &TSuperTextProperties::loadTexture);
    return group;
}

QWidget *TSuperTextProperties::createShadowGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Shadow"), this);
    auto *form = new QFormLayout(group);
    m_shadowColorButton = colorButton("ShadowColorButton", group);
    m_shadowOrientationCombo = listCombo({{QStringLiteral("None"), sdNone},
                                          {QStringLiteral("Right"), sdRight},
                                          {QStringLiteral("Left"), sdLeft},
                                          {QStringLiteral("Down and Right"), sdDownRight},
                                          {QStringLiteral("Down and Left"), sdDownLeft},
                                          {QStringLiteral("Down"), sdDown}},
                                         "ShadowOrientationCombo", group);
    m_shadowDepthSpinner = new QSpinBox(group);
    m_shadowDepthSpinner->setObjectName(QStringLiteral("ShadowDepthSpinner"));
    m_shadowDepthSpinner->setRange(0, 10);
    form->addRow(QStringLiteral("Shadow Color"), m_shadowColorButton);
    form->addRow(QStringLiteral("Shadow Orientation"), m_shadowOrientationCombo);
    form->addRow(QStringLiteral("Shadow Depth"), m_shadowDepthSpinner);

    connect(m_shadowColorButton, &ColorComboBox::colorChanged, this, [this](TColor color) {
        m_preview.SetShadowcolor(color);
        previewChanged();
    });
    connect(m_shadowOrientationCombo, &QComboBox::activated, this, [this](int index) {
        m_preview.SetShadowOrientation(
            TShadowOrientation(m_shadowOrientationCombo->itemData(index).toInt()));
        previewChanged();
    });
    connect(m_shadowDepthSpinner, &QSpinBox::valueChanged, this, [this](int depth) {
        m_preview.SetShadowDepth(depth);
        previewChanged();
    });
    return group;
}

QWidget *TSuperTextProperties::createOutlineGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Outline"), this);
    auto *form = new QFormLayout(group);
    m_outlineColorButton = colorButton("OutlineColorButton", group);
    m_outlineStyleCombo = listCombo({{QStringLiteral("Solid Line"), psSolid},
                                     {QStringLiteral("Dash Line"), psDash},
                                     {QStringLiteral("Dotted Line"), psDot},
                                     {QStringLiteral("DashDot Line"), psDashDot},
                                     {QStringLiteral("DashDotDot Line"), psDashDotDot},
                                     {QStringLiteral("Clear"), psClear}},
                                    "OutlineStyleCombo", group);
    m_outLineWidthSpinner = new QSpinBox(group);
    m_outLineWidthSpinner->setObjectName(QStringLiteral("OutLineWidthSpinner"));
    m_outLineWidthSpinner->setRange(0, 10);
    form->addRow(QStringLiteral("Outline Color"), m_outlineColorButton);
    form->addRow(QStringLiteral("OutLine Style"), m_outlineStyleCombo);
    form->addRow(QStringLiteral("Outline Width"), m_outLineWidthSpinner);

    connect(m_outlineColorButton, &ColorComboBox::colorChanged, this, [this](TColor color) {
        m_preview.SetOutlineColor(color);
        previewChanged();
    });
    connect(m_outlineStyleCombo, &QComboBox::activated, this, [this](int index) {
        m_preview.SetOutlineStyle(TPenStyle(m_outlineStyleCombo->itemData(index).toInt()));
        previewChanged();
    });
    connect(m_outLineWidthSpinner, &QSpinBox::valueChanged, this, [this](int width) {
        m_preview.SetOutlineWidth(width);
        previewChanged();
    });
    return group;
}

QWidget *TSuperTextProperties::createButtons()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_okButton = new QPushButton(QStringLiteral("Ok"), row);
    m_okButton->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), row);
    m_helpButton = new QPushButton(QStringLiteral("Help"), row);
    layout->addStretch();
    layout->addWidget(m_okButton);
    layout->addWidget(cancel);
    layout->addWidget(m_helpButton);
    connect(m_okButton, &QPushButton::clicked, this, &TSuperTextProperties::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_helpButton, &QPushButton::clicked, this, [this] {
        if (m_help)
            m_help(HelpContext);
    });
    return row;
}

void TSuperTextProperties::loadControls()
{
    // Showing the values must not write them back.
    const QSignalBlocker blockDepth(m_shadowDepthSpinner);
    const QSignalBlocker blockWidth(m_outLineWidthSpinner);
    m_captionText->setText(m_preview.Caption());
    showValue(m_surfaceTypeCombo, m_preview.SurfaceType());
    showValue(m_fillDirectionCombo, m_preview.FillDirection());
    m_gradientFromcolorButton->setColor(m_preview.GradientFromColor());
    m_gradientToColorButton->setColor(m_preview.GradientToColor());
    m_fontColorButton->setColor(m_preview.Font().color());
    m_shadowColorButton->setColor(m_preview.Shadowcolor());
    showValue(m_shadowOrientationCombo, m_preview.ShadowOrientation());
    m_shadowDepthSpinner->setValue(m_preview.ShadowDepth());
    m_outlineColorButton->setColor(m_preview.OutlineColor());
    showValue(m_outlineStyleCombo, m_preview.OutlineStyle());
    m_outLineWidthSpinner->setValue(m_preview.OutlineWidth());
    if (!m_preview.Image().isNull())
        m_lastTexture = m_preview.Image();
    showCaptionInPreviewFace();
    showPanelFor(m_preview.SurfaceType());
}

void TSuperTextProperties::showPanelFor(TSurfaceType type)
{
    m_fillPanel->setVisible(type == stGradientFill);
    m_imagePanel->setVisible(type == stBrushImage);
    m_fontcolorPanel->setVisible(type == stNormal);
}

void TSuperTextProperties::surfaceTypeChosen(int index)
{
    const auto type = TSurfaceType(m_surfaceTypeCombo->itemData(index).toInt());
    m_preview.SetSurfaceType(type);
    if (type == stBrushImage)
        m_preview.SetImage(m_lastTexture);
    m_preview.sizeToFit();
    showPanelFor(type);
    previewChanged();
}

void TSuperTextProperties::captionEdited(const QString &text)
{
    m_preview.SetCaption(text);
    m_textChanged = true;
    previewChanged();
}

void TSuperTextProperties::refitIfTextChanged()
{
    if (!m_textChanged)
        return;
    m_textChanged = false;
    m_preview.sizeToFit();
    previewChanged();
}

void TSuperTextProperties::chooseFont()
{
    const auto font = Choosers::chooseFont(this, m_preview.Font(), m_preview.pixelsPerInch());
    if (!font)
        return;
    m_preview.SetFont(*font);
    m_preview.sizeToFit();
    showCaptionInPreviewFace();
    previewChanged();
}

void TSuperTextProperties::changeFontSize(int step)
{
    TFont font = m_preview.Font();
    const int size = font.size() > 0 ? font.size() : font.pointSizeAt(m_preview.pixelsPerInch());
    if ((step > 0 && size >= LargestRapidSize) || (step < 0 && size <= SmallestRapidSize))
        return;
    font.setSize(size + step);
    m_preview.SetFont(font);
    m_preview.sizeToFit();
    previewChanged();
}

void TSuperTextProperties::chooseSymbol()
{
    const auto symbol = TSuperTextGetSymbol::choose(this);
    if (symbol)
        takeSymbol(symbol->fontName, symbol->character);
}

void TSuperTextProperties::takeSymbol(const QString &fontName, QChar symbol)
{
    m_captionText->setText(QString(symbol));
    m_preview.SetCaption(QString(symbol));
    TFont font = m_preview.Font();
    font.setName(fontName);
    m_preview.SetFont(font);
    m_preview.sizeToFit();
    showCaptionInPreviewFace();
    previewChanged();
}

void TSuperTextProperties::loadTexture()
{
    TSuperTextBrushImageBrowser browser(m_preview, m_lastBitmapFileNameandPath, this);
    if (Dialogs::exec(browser) == QDialog::Accepted) {
        m_preview.SetImage(browser.SuperTextExample().Image());
        if (!browser.SuperTextExample().Image().isNull())
            m_lastTexture = browser.SuperTextExample().Image();
        if (!browser.selectedFile().isEmpty())
            m_lastBitmapFileNameandPath = browser.selectedFile();
    }
    m_preview.sizeToFit();
    previewChanged();
}

void TSuperTextProperties::okClicked()
{
    if (m_captionText->text().isEmpty()) {
        Dialogs::informationBox(this, QStringLiteral("Please enter some text"));
        m_captionText->setFocus();
        return;
    }
    accept();
}

void TSuperTextProperties::showCaptionInPreviewFace()
{
    // Symbol characters look in the edit box as they will on the page.
    QFont face = m_captionText->font();
    face.setFamily(m_preview.Font().name());
    m_captionText->setFont(face);
}

void TSuperTextProperties::previewChanged()
{
    m_previewWidget->refresh();
}

QImage TSuperTextProperties::defaultTexture()
{
    // Soft veined stone: a ramp of warm greys indexed by a wavy stripe pattern.
    QImage texture(120, 84, QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.append(qRgb(150 + i * 90 / 255, 140 + i * 90 / 255, 125 + i * 95 / 255));
    texture.setColorTable(palette);
    constexpr double Pi = 3.14159265358979323846;
    for (int y = 0; y < texture.height(); ++y) {
        uchar *line = texture.scanLine(y);
        for (int x = 0; x < texture.width(); ++x) {
            const double u = 2 * Pi * x / texture.width();
            const double v = 2 * Pi * y / texture.height();
            const double wave = std::sin(u + 2 * v + 1.5 * std::sin(2 * u - v) + 0.7 * std::cos(3 * v));
            const double vein = 1.0 - std::pow(std::abs(wave), 0.35);
            line[x] = uchar(qBound(0, int(255 * (0.85 - 0.75 * vein)), 255));
        }
    }
    return texture;
}
