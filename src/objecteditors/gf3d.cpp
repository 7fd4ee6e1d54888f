// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gf3d.h"

#include "objecteditors/colorcombobox.h"
#include "objecteditors/objectpreview.h"
#include "widgets/helpwindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int EffectsHelpTopic = 40008;
constexpr QSize SampleSize(200, 60);

using Choices = QList<std::pair<QString, int>>;

// Each item carries the value it stands for.
QComboBox *listCombo(const Choices &choices, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    for (const auto &[caption, value] : choices)
        combo->addItem(caption, value);
    return combo;
}

Choices depths()
{
    Choices items;
    for (int depth = 0; depth <= 10; ++depth)
        items.append({QString::number(depth), depth});
    return items;
}

// A value the list does not offer, such as a stored depth above 10, shows no choice.
void showValue(QComboBox *combo, int value)
{
    combo->setCurrentIndex(combo->findData(value));
}

} // namespace

TGFont3DEffects::TGFont3DEffects(const TGBaseLabel &label, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GFont3DEffects"));
    setWindowTitle(QStringLiteral("Text 3D Effects"));
    resize(467, 338);

    m_sample.setPixelsPerInch(label.pixelsPerInch());
    TFont sampleFont(QStringLiteral("Arial"), 0);
    sampleFont.setPixelHeight(13);
    m_sample.SetFont(sampleFont);
    m_sample.SetTransparent(true);
    m_sample.SetBackColor(Colors::clWhite);
    m_sample.assign3DEffects(label);
    m_sample.setBounds(0, 0, SampleSize.width(), SampleSize.height());

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("SamplePanel"));
    panel->setFrameShape(QFrame::Box);
    panel->setMinimumSize(SampleSize);
    m_preview = new ObjectPreview(m_sample, panel);
    m_preview->setObjectName(QStringLiteral("Sample"));
    m_preview->setObjectFollowsSize(true);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(1, 1, 1, 1);
    panelLayout->addWidget(m_preview);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [] { ShowHelpTopic(EffectsHelpTopic); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createControls());
    layout->addWidget(panel, 1);
    layout->addWidget(buttons);
    loadControls();
}

QWidget *TGFont3DEffects::createControls()
{
    auto *controls = new QWidget(this);
    auto *grid = new QGridLayout(controls);
    m_shadowDirection = listCombo({{QStringLiteral("None"), sdNone}, {QStringLiteral("Right"), sdRight},
                                   {QStringLiteral("Left"), sdLeft}, {QStringLiteral("Lower Right"), sdDownRight},
                                   {QStringLiteral("Lower Left"), sdDownLeft}, {QStringLiteral("Down"), sdDown}},
                                  controls);
    m_shadowColor = new ColorComboBox(controls);
    m_shadowDepth = listCombo(depths(), controls);
    m_highlightDirection = listCombo({{QStringLiteral("None"), hdNone}, {QStringLiteral("Right"), hdright},
                                      {QStringLiteral("Left"), hdLeft}, {QStringLiteral("Upper Right"), hdUpRight},
                                      {QStringLiteral("Upper Left"), hdUpLeft}, {QStringLiteral("Up"), hdUp}},
                                     controls);
    m_highlightColor = new ColorComboBox(controls);
    m_highlightDepth = listCombo(depths(), controls);
    m_fontColor = new ColorComboBox(controls);

    const auto place = [&](int row, int column, const QString &caption, QWidget *control,
                           const char *name) {
        control->setObjectName(QLatin1String(name));
        auto *label = new QLabel(caption, controls);
        label->setBuddy(control);
        grid->addWidget(label, row * 2, column);
        grid->addWidget(control, row * 2 + 1, column);
    };
    place(0, 0, QStringLiteral("Shadow Direction"), m_shadowDirection, "ShadowDirection");
    place(0, 1, QStringLiteral("Shadow Color"), m_shadowColor, "ShadowColorCombo");
    place(0, 2, QStringLiteral("Shadow Depth"), m_shadowDepth, "ShadowDepth");
    place(1, 0, QStringLiteral("Highlight Direction"), m_highlightDirection, "HighlightDirection");
    place(1, 1, QStringLiteral("Highlight Color"), m_highlightColor, "HighLightColorCombo");
    place(1, 2, QStringLiteral("Highlight Depth"), m_highlightDepth, "HighLightDepth");
    place(2, 0, QStringLiteral("Font Color"), m_fontColor, "FontColorCombo");

    connect(m_shadowDirection, &QComboBox::activated, this, [this](int index) {
        m_sample.SetDirectionShadow(static_cast<TShadowDirection>(m_shadowDirection->itemData(index).toInt()));
        sampleChanged();
    });
    connect(m_shadowDepth, &QComboBox::activated, this, [this](int index) {
        m_sample.SetDepthShadow(m_shadowDepth->itemData(index).toInt());
        sampleChanged();
    });
    connect(m_shadowColor, &ColorComboBox::colorChanged, this, [this](TColor color) {
        m_sample.SetcolorShadow(color);
        sampleChanged();
    });
    connect(m_highlightDirection, &QComboBox::activated, this, [this](int index) {
        m_sample.SetDirectionHighlight(
            static_cast<THighlightDirection>(m_highlightDirection->itemData(index).toInt()));
        sampleChanged();
    });
    connect(m_highlightDepth, &QComboBox::activated, this, [this](int index) {
        m_sample.SetDepthHighlight(m_highlightDepth->itemData(index).toInt());
        sampleChanged();
    });
    connect(m_highlightColor, &ColorComboBox::colorChanged, this, [this](TColor color) {
        m_sample.SetcolorHighlight(color);
        sampleChanged();
    });
    connect(m_fontColor, &ColorComboBox::colorChanged, this, [this](TColor color) {
        TFont font = m_sample.Font();
        font.setColor(color);
        m_sample.SetFont(font);
        sampleChanged();
    });
    return controls;
}

void TGFont3DEffects::loadControls()
{
    showValue(m_shadowDirection, m_sample.DirectionShadow());
    showValue(m_shadowDepth, m_sample.DepthShadow());
    m_shadowColor->setColor(m_sample.colorShadow());
    showValue(m_highlightDirection, m_sample.DirectionHighlight());
    showValue(m_highlightDepth, m_sample.DepthHighlight());
    m_highlightColor->setColor(m_sample.colorHighlight());
    m_fontColor->setColor(m_sample.Font().color());
}

void TGFont3DEffects::sampleChanged()
{
    // The sample keeps the panel's size; text that moved is laid out at the next paint.
    m_sample.setBounds(0, 0, m_preview->width(), m_preview->height());
    m_preview->refresh();
}

void TGFont3DEffects::applyTo(TGBaseLabel &label) const
{
    label.assign3DEffects(m_sample);
}
