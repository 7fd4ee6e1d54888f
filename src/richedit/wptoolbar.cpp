// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wptoolbar.h"

#include "richedit/fontnamebox.h"
#include "richedit/twprichtext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPixmap>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QToolButton>

namespace {

const int kFontSizes[] = {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

QIcon swatch(const QColor &color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(color);
    return QIcon(pixmap);
}

} // namespace

TWPToolBar::TWPToolBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WPToolBar1"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    createLists();
    createStyleButtons();
    createAlignButtons();
    createClipboardButtons();
    row->addStretch(1);
    setEnabled(false);
}

void TWPToolBar::createLists()
{
    m_fontName = new FontNameBox(this);
    m_fontName->setObjectName(QStringLiteral("FontName"));
    m_fontSize = new QComboBox(this);
    m_fontSize->setObjectName(QStringLiteral("FontSize"));
    for (int size : kFontSizes)
        m_fontSize->addItem(QString::number(size), size);
    m_fontColor = new QComboBox(this);
    m_fontColor->setObjectName(QStringLiteral("FontColor"));
    for (const QColor &color : TWPRichText::textColorPalette())
        m_fontColor->addItem(swatch(color), QString(), color);
    for (QWidget *list : {static_cast<QWidget *>(m_fontName), static_cast<QWidget *>(m_fontSize),
                          static_cast<QWidget *>(m_fontColor)}) {
        list->setFocusPolicy(Qt::NoFocus);
        layout()->addWidget(list);
    }
    connectLists();
}

void TWPToolBar::connectLists()
{
    connect(m_fontName, &QComboBox::activated, this, [this] {
        QTextCharFormat format;
        format.setFontFamilies({m_fontName->currentFamily()});
        mergeFormat(format);
    });
    connect(m_fontSize, &QComboBox::activated, this, [this] {
        QTextCharFormat format;
        format.setFontPointSize(m_fontSize->currentData().toInt());
        mergeFormat(format);
    });
    connect(m_fontColor, &QComboBox::activated, this, [this] {
        QTextCharFormat format;
        format.setForeground(m_fontColor->currentData().value<QColor>());
        mergeFormat(format);
    });
}

QToolButton *TWPToolBar::addButton(const char *name, const QString &text, const QString &hint,
                                   bool checkable)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setCheckable(checkable);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    addToolWidget(button);
    return button;
}

QToolButton *TWPToolBar::addStyleButton(const char *name, const QString &text, const QString &hint,
                                        const std::function<void(QFont &, QTextCharFormat &, bool)> &style)
{
    QToolButton *button = addButton(name, text, hint, true);
    // The button's caption shows its own style.
    QFont face = button->font();
    QTextCharFormat unused;
    style(face, unused, true);
    button->setFont(face);
    connect(button, &QToolButton::clicked, this, [this, style](bool on) {
        QFont unusedFont;
        QTextCharFormat format;
        style(unusedFont, format, on);
        mergeFormat(format);
    });
    return button;
}

void TWPToolBar::createStyleButtons()
{
    m_bold = addStyleButton("WPI_Bold", QStringLiteral("B"), QStringLiteral("Bold Font"),
                            [](QFont &face, QTextCharFormat &format, bool on) {
                                face.setBold(on);
                                format.setFontWeight(on ? QFont::Bold : QFont::Normal);
                            });
    m_italic = addStyleButton("WPI_Italic", QStringLiteral("I"), QStringLiteral("Italic Font"),
                              [](QFont &face, QTextCharFormat &format, bool on) {
                                  face.setItalic(on);
                                  format.setFontItalic(on);
                              });
    m_underline = addStyleButton("WPI_Under", QStringLiteral("U"), QStringLiteral("Underlined Font"),
                                 [](QFont &face, QTextCharFormat &format, bool on) {
                                     face.setUnderline(on);
                                     format.setFontUnderline(on);
                                 });
    m_strikeOut = addStyleButton("WPI_Strike", QStringLiteral("S"), QStringLiteral("Strikeout Font"),
                                 [](QFont &face, QTextCharFormat &format, bool on) {
                                     face.setStrikeOut(on);
                                     format.setFontStrikeOut(on);
                                 });
}

void TWPToolBar::createAlignButtons()
{
    m_left = addButton("WPI_Left", QStringLiteral("Left"), QStringLiteral("Left Justify Text"), true);
    m_center = addButton("WPI_Center", QStringLiteral("Center"), QStringLiteral("Center Text "), true);
    m_right = addButton("WPI_Right", QStringLiteral("Right"), QStringLiteral("Right Justify Text"), true);
    m_left->setIcon(QIcon::fromTheme(QStringLiteral("format-justify-left")));
    m_center->setIcon(QIcon::fromTheme(QStringLiteral("format-justify-center")));
    m_right->setIcon(QIcon::fromTheme(QStringLiteral("format-justify-right")));
    connect(m_left, &QToolButton::clicked, this, [this] { setAlignment(Qt::AlignLeft); });
    connect(m_center, &QToolButton::clicked, this, [this] { setAlignment(Qt::AlignHCenter); });
    connect(m_right, &QToolButton::clicked, this, [this] { setAlignment(Qt::AlignRight); });
}

void TWPToolBar::createClipboardButtons()
{
    QToolButton *copy = addButton("WPI_Copy", QStringLiteral("Copy"), QStringLiteral("Copy Text"), false);
    QToolButton *cut = addButton("WPI_Cut", QStringLiteral("Cut"), QStringLiteral("Cut Text"), false);
    QToolButton *paste = addButton("WPI_Paste", QStringLiteral("Paste"), QStringLiteral("Paste Text"), false);
    QToolButton *all = addButton("WPI_SelAll", QStringLiteral("All"), QStringLiteral("Select All"), false);
    connect(copy, &QToolButton::clicked, this, [this] { if (m_editor) m_editor->copy(); });
    connect(cut, &QToolButton::clicked, this, [this] { if (m_editor) m_editor->cut(); });
    connect(paste, &QToolButton::clicked, this, [this] { if (m_editor) m_editor->paste(); });
    connect(all, &QToolButton::clicked, this, [this] { if (m_editor) m_editor->selectAll(); });
}

void TWPToolBar::addToolWidget(QWidget *widget)
{
    auto *row = static_cast<QHBoxLayout *>(layout());
    // Before the closing stretch, once it is there.
    const int stretchAt = row->count() - 1;
    if (stretchAt >= 0 && row->itemAt(stretchAt)->spacerItem())
        row->insertWidget(stretchAt, widget);
    else
        row->addWidget(widget);
}

void TWPToolBar::setSmallestFontSize(int points)
{
    for (int i = m_fontSize->count() - 1; i >= 0; --i) {
        if (m_fontSize->itemData(i).toInt() < points)
            m_fontSize->removeItem(i);
    }
}

void TWPToolBar::addNormalAndJustifyButtons()
{
    if (m_justify)
        return;
    QToolButton *normal =
        addButton("WPI_Normal", QStringLiteral("N"), QStringLiteral("Normal Font"), false);
    connect(normal, &QToolButton::clicked, this, [this] {
        QTextCharFormat format;
        format.setFontWeight(QFont::Normal);
        format.setFontItalic(false);
        format.setFontUnderline(false);
        format.setFontStrikeOut(false);
        mergeFormat(format);
    });
    m_justify = addButton("WPI_Justify", QStringLiteral("Justify"), QStringLiteral("Justify Text"), true);
    m_justify->setIcon(QIcon::fromTheme(QStringLiteral("format-justify-fill")));
    connect(m_justify, &QToolButton::clicked, this, [this] { setAlignment(Qt::AlignJustify); });
    showFormat();
}

void TWPToolBar::setEditor(TWPRichText *editor)
{
    if (m_editor)
        disconnect(m_editor, nullptr, this, nullptr);
    m_editor = editor;
    if (!editor)
        return;
    connect(editor, &QTextEdit::currentCharFormatChanged, this, &TWPToolBar::showFormat);
    connect(editor, &QTextEdit::cursorPositionChanged, this, &TWPToolBar::showFormat);
    showFormat();
}

void TWPToolBar::mergeFormat(const QTextCharFormat &format)
{
    if (!m_editor)
        return;
    // Without a selection the format applies to what is typed next.
    m_editor->mergeCurrentCharFormat(format);
    showFormat();
}

void TWPToolBar::setAlignment(Qt::Alignment alignment)
{
    if (!m_editor)
        return;
    m_editor->setAlignment(alignment);
    showFormat();
}

void TWPToolBar::showFormat()
{
    if (!m_editor || m_showing)
        return;
    // A format change raised while the controls are set is shown by this pass.
    const QScopedValueRollback<bool> showing(m_showing, true);
    const QTextCharFormat format = m_editor->currentCharFormat();
    m_fontName->setCurrentFamily(format.fontFamilies().toStringList().value(0, format.font().family()));
    const int size = qRound(format.fontPointSize() > 0 ? format.fontPointSize() : format.font().pointSizeF());
    const int sizeIndex = m_fontSize->findData(size);
    if (sizeIndex >= 0)
        m_fontSize->setCurrentIndex(sizeIndex);
    else
        m_fontSize->setEditText(QString::number(size));
    m_fontColor->setCurrentIndex(m_fontColor->findData(TWPRichText::paletteColor(format.foreground().color())));
    m_bold->setChecked(format.fontWeight() >= QFont::Bold);
    m_italic->setChecked(format.fontItalic());
    m_underline->setChecked(format.fontUnderline());
    m_strikeOut->setChecked(format.fontStrikeOut());
    const Qt::Alignment alignment = m_editor->alignment();
    m_left->setChecked(alignment.testFlag(Qt::AlignLeft) || alignment.testFlag(Qt::AlignLeading));
    m_center->setChecked(alignment.testFlag(Qt::AlignHCenter));
    m_right->setChecked(alignment.testFlag(Qt::AlignRight) || alignment.testFlag(Qt::AlignTrailing));
    if (m_justify)
        m_justify->setChecked(alignment.testFlag(Qt::AlignJustify));
}
