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

namespace {

constexpr int EffectsHelpTopic = 40008;
constexpr QSize SampleSize(200, 60);

QComboBox *listCombo(const QStringList &items, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->addItems(items);
    return combo;
}

QStringList depths()
{
    QStringList items;
    for (int depth = 0; depth <= 10; ++depth)
        items << QString::number(depth);
    return items;
}

// A depth above 10 can be stored; the list then shows no choice.
void showDepth(QComboBox *combo, int depth)
{
    combo->setCurrentIndex(depth >= 0 && depth <= 10 ? depth : -1);
}

void showDirection(QComboBox *combo, int direction)
{
    combo->setCurrentIndex(direction >= 0 && direction < combo->count() ? direction : -1);
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
    m_shadowDirection = listCombo({QStringLiteral("None"), QStringLiteral("Right"),
                                   QStringLiteral("Left"), QStringLiteral("Lower Right"),
                                   QStringLiteral("Lower Left"), QStringLiteral("Down")},
                                  controls);
    m_shadowColor = new ColorComboBox(controls);
    m_shadowDepth = listCombo(depths(), controls);
    m_highlightDirection = listCombo({QStringLiteral("None"), QStringLiteral("Right"),
                                      QStringLiteral("Left"), QStringLiteral("Upper Right"),
                                      QStringLiteral("Upper Left"), QStringLiteral("Up")},
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
        m_sample.SetDirectionShadow(static_cast<TShadowDirection>(index));
        sampleChanged();
    });
    connect(m_shadowDepth, &QComboBox::activated, this, [this](int index) {
        m_sample.SetDepthShadow(index);
        sampleChanged();
    });
    connect(m_shadowColor, &ColorComboBox::colorChanged, this, [this](TColor color) {
        m_sample.SetcolorShadow(color);
        sampleChanged();
    });
    connect(m_highlightDirection, &QComboBox::activated, this, [this](int index) {
        m_sample.SetDirectionHighlight(static_cast<THighlightDirection>(index));
        sampleChanged();
    });
    connect(m_highlightDepth, &QComboBox::activated, this, [this](int index) {
        m_sample.SetDepthHighlight(index);
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
    showDirection(m_shadowDirection, m_sample.DirectionShadow());
    showDepth(m_shadowDepth, m_sample.DepthShadow());
    m_shadowColor->setColor(m_sample.colorShadow());
    showDirection(m_highlightDirection, m_sample.DirectionHighlight());
    showDepth(m_highlightDepth, m_sample.DepthHighlight());
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
