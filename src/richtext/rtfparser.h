// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/rtfcodepages.h"
#include "richtext/rtfcontentsink.h"
#include "richtext/rtfpicture.h"
#include "richtext/rtftokenizer.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <string_view>
#include <unordered_map>
#include <vector>

// Reads RTF and hands its paragraphs, text runs and pictures to a sink. Unknown control
// words are ignored; ignorable and metadata destinations are skipped. Damaged text ends
// the parse cleanly with an error, after everything before the damage reached the sink.
class RtfParser
{
public:
    enum Limit : int { MaxInputBytes = 64 * 1024 * 1024, MaxDepth = 256, MaxTableEntries = 4096 };

    explicit RtfParser(RtfContentSink &sink) : m_sink(sink) {}

    bool parse(QByteArrayView rtf);
    QString errorString() const { return m_error; }

private:
    enum class Destination { Text, Skip, FontTable, ColorTable, Picture };
    struct GroupState
    {
        QTextCharFormat charFormat;
        QTextBlockFormat blockFormat;
        Destination destination = Destination::Text;
        int unicodeSkip = 1;
        bool hidden = false;
        // The font selected with \f (-1: none), whose character set decides the code page.
        int font = -1;
    };
    using Handler = void (*)(RtfParser &, const RtfToken &);
    using HandlerTable = std::unordered_map<std::string_view, Handler>;

    static const HandlerTable &handlers();
    static void addCharacterWords(HandlerTable &table);
    static void addFormatWords(HandlerTable &table);
    static void addFontWords(HandlerTable &table);
    static void addParagraphWords(HandlerTable &table);
    static void addDestinationWords(HandlerTable &table);
    static void addPictureWords(HandlerTable &table);

    void handleToken(const RtfToken &token, RtfTokenizer &tokenizer);
    bool skipFallback(RtfToken &token);
    void groupStart();
    void groupEnd();
    void controlWord(const RtfToken &token);
    void controlSymbol(char symbol);
    void textBytes(QByteArrayView bytes);
    void hexByte(unsigned char byte);
    void binaryData(QByteArrayView bytes);
    void appendCharacter(char16_t character);
    void colorTableText(QByteArrayView bytes);
    void fontTableText(const QString &text);
    QString decodeText(QByteArrayView bytes);
    void addTabStop(qreal position);

    void flushText();
    void startContent();
    void endParagraph();
    void paragraphEnd();
    void endCell();
    void endRow();
    void finishDocument();
    void finishPicture();
    void setPictureFormat(RtfPicture::Format format);
    void registerFont();
    void fail(const QString &message);

    GroupState &state() { return m_stack.back(); }
    QTextCharFormat &editCharFormat();
    QTextCharFormat effectiveFormat() const;
    QColor colorAt(int index) const;

    RtfContentSink &m_sink;
    std::vector<GroupState> m_stack;
    QString m_error;
    bool m_stopped = false;
    bool m_ignorableNext = false;
    int m_overflowDepth = 0;

    QString m_pendingText;
    int m_fallbackSkip = 0;
    // Cells ended (\cell) since the row's last text: each stands for one tab, so an
    // empty cell keeps its column.
    int m_pendingCells = 0;
    // Between a row's start (\trowd, \intbl or a cell) and its \row, paragraph ends are
    // the cells' own and the row stays one paragraph.
    bool m_rowOpen = false;
    bool m_cellHasContent = false;
    // A paragraph ended inside a cell: its next text is joined with a space.
    bool m_cellBreakPending = false;
    bool m_contentSinceBreak = false;
    int m_breaks = 0;

    QHash<int, QString> m_fonts;
    QHash<int, int> m_fontCharsets;
    int m_fontCharset = -1;
    int m_ansiCodePage = 1252;
    RtfTextDecoder m_decoder;
    QTextOption::TabType m_tabType = QTextOption::LeftTab;
    int m_defaultFont = 0;
    int m_fontEntry = 0;
    QString m_fontName;
    std::vector<QColor> m_colors;
    int m_red = -1;
    int m_green = -1;
    int m_blue = -1;
    RtfPicture m_picture;
};
