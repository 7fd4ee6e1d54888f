// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtextlabeleditor.h"

#include "objects/tgprichbaselabel.h"
#include "richedit/twprichtext.h"
#include "richedit/wptoolbar.h"
#include "richtext/rtfstorage.h"
#include "widgets/helpwindow.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

TRichTextLabelEditor::TRichTextLabelEditor(const TGPRichBaseLabel &label, const TWPRtfStorage &text,
                                           QWidget *parent)
    : QDialog(parent), m_toolBar(new TWPToolBar(this)), m_scroll(new QScrollArea(this)),
      m_panel(new QFrame), m_editor(new TWPRichText(m_panel)),
      m_zoomPlus(new QToolButton(this)), m_zoomMinus(new QToolButton(this)),
      m_ppi(label.pixelsPerInch())
{
    setWindowTitle(QStringLiteral("Rich Text Editor"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint);
    setSizeGripEnabled(true);
    resize(601, 343);

    m_zoomPlus->setObjectName(QStringLiteral("ZoomPlusButton"));
    m_zoomPlus->setToolTip(QStringLiteral("Zoom In"));
    m_zoomPlus->setIcon(QIcon::fromTheme(QStringLiteral("zoom-in")));
    m_zoomPlus->setText(QStringLiteral("+"));
    m_zoomMinus->setObjectName(QStringLiteral("ZoomMinusButton"));
    m_zoomMinus->setToolTip(QStringLiteral("Zoom Out"));
    m_zoomMinus->setIcon(QIcon::fromTheme(QStringLiteral("zoom-out")));
    m_zoomMinus->setText(QStringLiteral("-"));
    for (QToolButton *button : {m_zoomPlus, m_zoomMinus}) {
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    m_toolBar->addNormalAndJustifyButtons();
    m_toolBar->setSmallestFontSize(8);
    m_toolBar->addToolWidget(m_zoomPlus);
    m_toolBar->addToolWidget(m_zoomMinus);
    connect(m_zoomPlus, &QToolButton::clicked, this, &TRichTextLabelEditor::zoomIn);
    connect(m_zoomMinus, &QToolButton::clicked, this, &TRichTextLabelEditor::zoomOut);

    m_panel->setObjectName(QStringLiteral("WPPanel"));
    // The label's background, white when it is transparent, inside a one-pixel frame.
    const QColor background = label.Transparent() ? QColor(Qt::white) : Colors::toQColor(label.BGColor());
    m_panel->setStyleSheet(QStringLiteral("QFrame#WPPanel { background: %1; border: 1px solid black; }"
                                          "QTextEdit { background: %1; color: black; }")
                               .arg(background.name()));
    m_panel->setVisible(false);
    auto *panelLayout = new QVBoxLayout(m_panel);
    panelLayout->setContentsMargins(1, 1, 0, 0);
    panelLayout->addWidget(m_editor);

    m_editor->setObjectName(QStringLiteral("WPRichText1"));
    m_editor->setFrameShape(QFrame::NoFrame);
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editor->setTabsAccepted(true);
    m_editor->setTabChangesFocus(false);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    m_editor->document()->setDefaultFont(font);
    m_editor->loadRtf(text.rtf());
    m_toolBar->setEditor(m_editor);
    m_toolBar->setEnabled(true);

    m_scroll->setWidget(m_panel);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);

    // The panel is one pixel larger than the label, at the page's zoom.
    m_zoom = int(std::lround(label.ZoomFactor() * 100.0));
    m_panel->resize(label.Width() + 1, label.Height() + 1);
    m_baseSize = m_panel->size();
    m_baseZoom = m_zoom;
    applyZoom();

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole)->setDefault(false);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QPushButton *help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { HelpWindow::instance().showTopic(40013); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(buttons);
}

TWPRtfStorage TRichTextLabelEditor::text() const
{
    return TWPRtfStorage(m_editor->rtf());
}

void TRichTextLabelEditor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_panel->setVisible(true);
    m_editor->setVisible(true);
    m_editor->setFocus();
}

void TRichTextLabelEditor::zoomIn()
{
    if (m_zoom >= 100)
        return;
    m_zoom += 10;
    applyZoom();
}

void TRichTextLabelEditor::zoomOut()
{
    if (m_zoom <= 50)
        return;
    m_zoom -= 10;
    applyZoom();
}

void TRichTextLabelEditor::applyZoom()
{
    const double ratio = double(m_zoom) / qMax(1, m_baseZoom);
    m_panel->resize(int(std::lround(m_baseSize.width() * ratio)),
                    int(std::lround(m_baseSize.height() * ratio)));
    // The text wraps where the label wraps it: at the label's width at zoom 1.
    m_editor->setZoom(qMax(1, m_zoom), m_ppi, qMax(1, m_panel->width() - 1));
}
