// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QDialog>
#include <QStringList>

#include <optional>

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The symbol picker: one of the installed symbol fonts and one of its characters 32..255.
class TSuperTextGetSymbol : public QDialog
{
    Q_OBJECT

public:
    struct Choice {
        QString fontName;
        QChar character;
    };

    // symbolFonts: the fonts to offer, sorted here; the installed symbol fonts by default.
    explicit TSuperTextGetSymbol(QWidget *parent = nullptr,
                                 const QStringList &symbolFonts = installedSymbolFonts());

    // The installed scalable fonts whose writing systems include symbols.
    static QStringList installedSymbolFonts();
    // Runs the picker through the dialog service. Without any symbol font it says so and
    // returns nothing; otherwise the font and character chosen, or nothing on Cancel.
    static std::optional<Choice> choose(QWidget *parent,
                                        const QStringList &symbolFonts = installedSymbolFonts());

    QComboBox *SymbolSets() const { return m_symbolSets; }
    QListWidget *SymbolList() const { return m_symbolList; }
    QPushButton *CopyCharButton() const { return m_copyCharButton; }
    QString fontName() const;
    // The character clicked last; null until one is.
    QChar character() const { return m_character; }

private:
    void fontChosen();
    void itemClicked(QListWidgetItem *item);
    void okClicked();

    QComboBox *m_symbolSets = nullptr;
    QListWidget *m_symbolList = nullptr;
    QPushButton *m_copyCharButton = nullptr;
    QChar m_character;
};
