// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QComboBox;
class QFont;
class FontNameBox;
class QTextCharFormat;
class QToolButton;
class TWPRichText;

// The formatting tool bar of the cell editor: font, size and colour lists, the style and
// alignment buttons and the clipboard buttons. Every item acts on the editor's selection,
// or on the formatting of what is typed next. None of them takes the focus, so the
// editor keeps it while the user formats.
class TWPToolBar : public QWidget
{
    Q_OBJECT

public:
    explicit TWPToolBar(QWidget *parent = nullptr);

    void setEditor(TWPRichText *editor);

    // The rich-text label's editor also offers plain text (styles off) and justified
    // paragraphs, and puts its own buttons at the end of the bar.
    void addNormalAndJustifyButtons();
    void addToolWidget(QWidget *widget);
    // Drops the sizes below points from the size list.
    void setSmallestFontSize(int points);

private:
    void createLists();
    void connectLists();
    void createStyleButtons();
    void createAlignButtons();
    void createClipboardButtons();
    QToolButton *addButton(const char *name, const QString &text, const QString &hint,
                           bool checkable);
    // style sets one style on the button's face and on a format, on or off.
    QToolButton *addStyleButton(const char *name, const QString &text, const QString &hint,
                                const std::function<void(QFont &, QTextCharFormat &, bool)> &style);
    void mergeFormat(const QTextCharFormat &format);
    void setAlignment(Qt::Alignment alignment);
    void showFormat();

    QPointer<TWPRichText> m_editor;
    FontNameBox *m_fontName = nullptr;
    QComboBox *m_fontSize = nullptr;
    QComboBox *m_fontColor = nullptr;
    QToolButton *m_bold = nullptr;
    QToolButton *m_italic = nullptr;
    QToolButton *m_underline = nullptr;
    QToolButton *m_strikeOut = nullptr;
    QToolButton *m_left = nullptr;
    QToolButton *m_center = nullptr;
    QToolButton *m_right = nullptr;
    QToolButton *m_justify = nullptr;
    bool m_showing = false;
};
