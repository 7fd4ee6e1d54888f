// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gstpropgetsym.h"

#include "widgets/dialogs.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int FirstCode = 32;
constexpr int LastCode = 255;
constexpr int Columns = 15;
constexpr int GlyphPixels = 24;
constexpr int ItemPixels = 26;

} // namespace

TSuperTextGetSymbol::TSuperTextGetSymbol(QWidget *parent, const QStringList &symbolFonts)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SuperTextGetSymbol"));
    setWindowTitle(QStringLiteral("Symbol Selector"));
    resize(530, 371);

    m_symbolSets = new QComboBox(this);
    m_symbolSets->setObjectName(QStringLiteral("SymbolSets"));
    m_symbolSets->setToolTip(QStringLiteral("Select a symbol font set"));
    QStringList fonts = symbolFonts;
    fonts.sort(Qt::CaseInsensitive);
    m_symbolSets->addItems(fonts);
    auto *fontLabel = new QLabel(QStringLiteral("&Font"), this);
    fontLabel->setBuddy(m_symbolSets);

    m_symbolList = new QListWidget(this);
    m_symbolList->setObjectName(QStringLiteral("SymbolList"));
    m_symbolList->setViewMode(QListView::ListMode);
    m_symbolList->setFlow(QListView::LeftToRight);
    m_symbolList->setWrapping(true);
    m_symbolList->setUniformItemSizes(true);
    m_symbolList->setResizeMode(QListView::Adjust);
    const int columnWidth = 32;
    m_symbolList->setGridSize(QSize(columnWidth, ItemPixels));
    m_symbolList->setMinimumWidth(Columns * columnWidth + 2 * m_symbolList->frameWidth()
                                  + 24);
    for (int code = FirstCode; code <= LastCode; ++code) {
        auto *item = new QListWidgetItem(QString(QChar(code)), m_symbolList);
        item->setTextAlignment(Qt::AlignCenter);
        item->setSizeHint(QSize(columnWidth, ItemPixels));
        item->setData(Qt::UserRole, code);
    }

    m_copyCharButton = new QPushButton(QStringLiteral("Ok"), this);
    m_copyCharButton->setObjectName(QStringLiteral("CopyCharButton"));
    m_copyCharButton->setToolTip(QStringLiteral("Copy the selected symbol to the label"));
    m_copyCharButton->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);

    auto *top = new QHBoxLayout;
    top->addWidget(fontLabel);
    top->addWidget(m_symbolSets, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copyCharButton);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_symbolList, 1);
    layout->addLayout(buttons);

    connect(m_symbolSets, &QComboBox::currentIndexChanged, this, &TSuperTextGetSymbol::fontChosen);
    connect(m_symbolList, &QListWidget::itemClicked, this, &TSuperTextGetSymbol::itemClicked);
    connect(m_symbolList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        itemClicked(item);
        okClicked();
    });
    connect(m_copyCharButton, &QPushButton::clicked, this, &TSuperTextGetSymbol::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    int preferred = 0;
    for (int i = 0; i < m_symbolSets->count(); ++i) {
        if (m_symbolSets->itemText(i).toUpper().contains(QLatin1String("WINGDING"))) {
            preferred = i;
            break;
        }
    }
    m_symbolSets->setCurrentIndex(m_symbolSets->count() > 0 ? preferred : -1);
    fontChosen();
}

QStringList TSuperTextGetSymbol::installedSymbolFonts()
{
    QStringList fonts;
    for (const QString &family : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(family) || !QFontDatabase::isScalable(family))
            continue;
        if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol))
            fonts.append(family);
    }
    return fonts;
}

std::optional<TSuperTextGetSymbol::Choice> TSuperTextGetSymbol::choose(QWidget *parent,
                                                                      const QStringList &symbolFonts)
{
    TSuperTextGetSymbol picker(parent, symbolFonts);
    if (picker.SymbolSets()->count() == 0) {
        Dialogs::informationBox(parent, QStringLiteral("No Symbol fonts installed"));
        return std::nullopt;
    }
    if (Dialogs::exec(picker) != QDialog::Accepted || picker.character().isNull())
        return std::nullopt;
    return Choice{picker.fontName(), picker.character()};
}

QString TSuperTextGetSymbol::fontName() const
{
    return m_symbolSets->currentText();
}

void TSuperTextGetSymbol::fontChosen()
{
    QFont font = m_symbolList->font();
    if (!fontName().isEmpty())
        font.setFamily(fontName());
    font.setPixelSize(GlyphPixels);
    m_symbolList->setFont(font);
}

void TSuperTextGetSymbol::itemClicked(QListWidgetItem *item)
{
    if (item)
        m_character = QChar(item->data(Qt::UserRole).toInt());
}

void TSuperTextGetSymbol::okClicked()
{
    if (!fontName().isEmpty() || !m_character.isNull())
        accept();
}
