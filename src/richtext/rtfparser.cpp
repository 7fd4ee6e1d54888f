// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtfparser.h"


namespace {

enum Default : int { FontPointSize = 12 };

// Control words that open a destination this parser reads, so "\*" before them does not
// skip their group.
bool isReadDestination(QByteArrayView word)
{
    return word == "shppict" || word == "pict" || word == "fonttbl" || word == "colortbl";
}

} // namespace

bool RtfParser::parse(QByteArrayView rtf)
{
    if (rtf.size() > MaxInputBytes) {
        fail(QStringLiteral("rich text of %1 bytes is too large").arg(rtf.size()));
        return false;
    }
    // The outermost state stands for what lies outside the document's group.
    m_stack.assign(1, GroupState());
    RtfTokenizer tokenizer(rtf);
    while (!m_stopped && !m_sink.satisfied()) {
        RtfToken token = tokenizer.next();
        if (token.kind == RtfToken::Kind::End)
            break;
        handleToken(token, tokenizer);
    }
    if (!m_stopped && !m_sink.satisfied() && m_stack.size() > 1) {
        finishDocument();
        fail(QStringLiteral("rich text ends inside a group"));
    }
    return m_error.isEmpty();
}

void RtfParser::fail(const QString &message)
{
    if (m_error.isEmpty())
        m_error = message;
    m_stopped = true;
}

void RtfParser::handleToken(const RtfToken &token, RtfTokenizer &tokenizer)
{
    RtfToken current = token;
    if (skipFallback(current))
        return;
    if (current.kind == RtfToken::Kind::GroupStart)
        return groupStart();
    if (current.kind == RtfToken::Kind::GroupEnd)
        return groupEnd();
    const bool skipping = state().destination == Destination::Skip;
    switch (current.kind) {
    case RtfToken::Kind::ControlWord:
        if (current.data == "bin") {
            // Raw bytes follow; they are data even where the group is skipped.
            const RtfToken data = tokenizer.binary(current.hasParameter ? current.parameter : 0);
            if (!skipping)
                binaryData(data.data);
            break;
        }
        if (!skipping)
            controlWord(current);
        break;
    case RtfToken::Kind::ControlSymbol:
        if (!skipping)
            controlSymbol(current.data.front());
        break;
    case RtfToken::Kind::HexByte:
        if (!skipping)
            hexByte(current.byte);
        break;
    case RtfToken::Kind::Text:
        if (!skipping)
            textBytes(current.data);
        break;
    default:
        break;
    }
}

// After \uN the next characters are a fallback for readers without Unicode; each text
// byte, escape or control word counts as one, and a group boundary ends the fallback.
bool RtfParser::skipFallback(RtfToken &token)
{
    if (m_fallbackSkip <= 0)
        return false;
    switch (token.kind) {
    case RtfToken::Kind::GroupStart:
    case RtfToken::Kind::GroupEnd:
    case RtfToken::Kind::End:
    case RtfToken::Kind::Binary:
        m_fallbackSkip = 0;
        return false;
    case RtfToken::Kind::Text: {
        const qsizetype skipped = qMin<qsizetype>(m_fallbackSkip, token.data.size());
        m_fallbackSkip -= int(skipped);
        token.data = token.data.sliced(skipped);
        return token.data.isEmpty();
    }
    case RtfToken::Kind::ControlWord:
        if (token.data == "bin")
            return false;
        --m_fallbackSkip;
        return true;
    case RtfToken::Kind::ControlSymbol:
    case RtfToken::Kind::HexByte:
        --m_fallbackSkip;
        return true;
    }
    return false;
}

void RtfParser::groupStart()
{
    flushText();
    m_ignorableNext = false;
    if (m_stack.size() > MaxDepth) {
        // Deeper groups share the deepest state: their text is kept, and what they
        // change of the formatting lasts until that state's own group ends.
        if (m_error.isEmpty())
            m_error = QStringLiteral("rich text nests groups deeper than %1").arg(int(MaxDepth));
        ++m_overflowDepth;
        return;
    }
    GroupState inner = state();
    m_stack.push_back(std::move(inner));
}

void RtfParser::groupEnd()
{
    flushText();
    m_ignorableNext = false;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.size() <= 1)
        return;
    const Destination ending = state().destination;
    const Destination outer = m_stack[m_stack.size() - 2].destination;
    if (ending == Destination::Picture && outer != Destination::Picture)
        finishPicture();
    if (ending == Destination::FontTable)
        registerFont();
    if (m_stack.size() == 2) {
        // The document's own group closes; anything after it is not part of the text.
        finishDocument();
        m_stopped = true;
        return;
    }
    m_stack.pop_back();
}

void RtfParser::controlWord(const RtfToken &token)
{
    const std::string_view word(token.data.data(), size_t(token.data.size()));
    if (m_ignorableNext) {
        m_ignorableNext = false;
        if (!isReadDestination(token.data)) {
            state().destination = Destination::Skip;
            return;
        }
    }
    const HandlerTable &table = handlers();
    const auto handler = table.find(word);
    if (handler != table.end())
        handler->second(*this, token);
}

void RtfParser::controlSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        appendCharacter(char16_t(symbol));
        break;
    case '~':
        appendCharacter(u'\u00A0');
        break;
    case '-':
        appendCharacter(u'\u00AD');
        break;
    case '_':
        appendCharacter(u'\u2011');
        break;
    case '*':
        m_ignorableNext = true;
        break;
    default:
        break;
    }
}

void RtfParser::textBytes(QByteArrayView bytes)
{
    switch (state().destination) {
    case Destination::Text:
        if (bytes.isEmpty() || state().hidden)
            break;
        startContent();
        m_pendingText.append(decodeText(bytes));
        break;
    case Destination::FontTable:
        fontTableText(decodeText(bytes));
        break;
    case Destination::ColorTable:
        colorTableText(bytes);
        break;
    case Destination::Picture:
        if (!m_picture.appendHex(bytes))
            fail(QStringLiteral("picture data larger than %1 bytes")
                         .arg(int(RtfPicture::MaxBytes)));
        break;
    case Destination::Skip:
        break;
    }
}

void RtfParser::hexByte(unsigned char byte)
{
    const char single = char(byte);
    // A lead byte of a two-byte code page gives nothing until its second byte comes.
    const QString text = decodeText(QByteArrayView(&single, 1));
    for (QChar character : text)
        appendCharacter(character.unicode());
}

QString RtfParser::decodeText(QByteArrayView bytes)
{
    if (state().destination == Destination::FontTable)
        return m_decoder.decode(bytes, RtfTextDecoder::codePageOfCharset(m_fontCharset) == 0
                                           ? m_ansiCodePage
                                           : RtfTextDecoder::codePageOfCharset(m_fontCharset),
                                QString());
    const int font = state().font >= 0 ? state().font : m_defaultFont;
    const int codePage = RtfTextDecoder::codePageOfCharset(m_fontCharsets.value(font, 0));
    return m_decoder.decode(bytes, codePage == 0 ? m_ansiCodePage : codePage, m_fonts.value(font));
}

void RtfParser::addTabStop(qreal position)
{
    QList<QTextOption::Tab> tabs = state().blockFormat.tabPositions();
    if (tabs.size() < MaxTableEntries)
        tabs.append(QTextOption::Tab(position, m_tabType,
                                      m_tabType == QTextOption::DelimiterTab ? QChar(u'.') : QChar()));
    state().blockFormat.setTabPositions(tabs);
    m_tabType = QTextOption::LeftTab;
}

void RtfParser::binaryData(QByteArrayView bytes)
{
    if (state().destination == Destination::Picture && !m_picture.appendBinary(bytes))
        fail(QStringLiteral("picture data larger than %1 bytes").arg(int(RtfPicture::MaxBytes)));
}

void RtfParser::appendCharacter(char16_t character)
{
    if (state().destination == Destination::FontTable) {
        fontTableText(QString(QChar(character)));
        return;
    }
    if (state().destination != Destination::Text || state().hidden)
        return;
    startContent();
    m_pendingText.append(QChar(character));
}

void RtfParser::startContent()
{
    if (m_pendingCells > 0) {
        m_pendingText.append(QString(m_pendingCells, QLatin1Char('\t')));
        m_pendingCells = 0;
    } else if (m_cellBreakPending) {
        m_pendingText.append(QLatin1Char(' '));
    }
    m_cellBreakPending = false;
    m_cellHasContent = true;
    m_contentSinceBreak = true;
}

void RtfParser::paragraphEnd()
{
    // Converters write each cell as paragraphs of its own (and some put \pard, which ends
    // \intbl, inside the cell), so only the row ends the paragraph.
    if (m_rowOpen)
        m_cellBreakPending = m_cellBreakPending || m_cellHasContent;
    else
        endParagraph();
}

void RtfParser::endCell()
{
    m_rowOpen = true;
    ++m_pendingCells;
    m_cellHasContent = false;
    m_cellBreakPending = false;
}

void RtfParser::endRow()
{
    // The last cell needs no tab after it; empty cells before it keep theirs.
    if (m_pendingCells > 1)
        m_pendingText.append(QString(m_pendingCells - 1, QLatin1Char('\t')));
    endParagraph();
}

void RtfParser::fontTableText(const QString &text)
{
    for (QChar c : text) {
        if (c == QLatin1Char(';'))
            registerFont();
        else
            m_fontName.append(c);
    }
}

void RtfParser::registerFont()
{
    const QString name = m_fontName.trimmed();
    m_fontName.clear();
    const int charset = m_fontCharset;
    m_fontCharset = -1;
    if (name.isEmpty() || m_fonts.size() >= MaxTableEntries)
        return;
    m_fonts.insert(m_fontEntry, name);
    if (charset >= 0)
        m_fontCharsets.insert(m_fontEntry, charset);
}

void RtfParser::colorTableText(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (c != ';' || m_colors.size() >= size_t(MaxTableEntries))
            continue;
        // An entry without components is the automatic colour.
        const bool automatic = m_red < 0 && m_green < 0 && m_blue < 0;
        m_colors.push_back(automatic ? QColor()
                                     : QColor(qMax(0, m_red), qMax(0, m_green), qMax(0, m_blue)));
        m_red = m_green = m_blue = -1;
    }
}

QColor RtfParser::colorAt(int index) const
{
    if (index < 0 || size_t(index) >= m_colors.size())
        return {};
    return m_colors[size_t(index)];
}

void RtfParser::flushText()
{
    if (m_pendingText.isEmpty())
        return;
    m_sink.text(m_pendingText, effectiveFormat());
    m_pendingText.clear();
}

QTextCharFormat &RtfParser::editCharFormat()
{
    // Text read so far keeps the format it was read with.
    flushText();
    return state().charFormat;
}

QTextCharFormat RtfParser::effectiveFormat() const
{
    QTextCharFormat format = m_stack.back().charFormat;
    if (!format.hasProperty(QTextFormat::FontFamilies)) {
        const auto font = m_fonts.constFind(m_defaultFont);
        if (font != m_fonts.constEnd())
            format.setFontFamilies({*font});
    }
    if (!format.hasProperty(QTextFormat::FontPointSize))
        format.setFontPointSize(FontPointSize);
    return format;
}

void RtfParser::endParagraph()
{
    flushText();
    m_pendingCells = 0;
    m_cellHasContent = false;
    m_cellBreakPending = false;
    m_rowOpen = false;
    m_sink.paragraphEnd(state().blockFormat, effectiveFormat());
    m_contentSinceBreak = false;
    ++m_breaks;
}

void RtfParser::finishDocument()
{
    flushText();
    if (m_contentSinceBreak || m_breaks == 0)
        endParagraph();
}

void RtfParser::finishPicture()
{
    flushText();
    if (m_picture.isEmpty())
        return;
    const QImage image = m_sink.wantsImages() ? m_picture.toImage() : QImage();
    startContent();
    flushText();
    m_sink.picture(image, m_picture.displaySize(image), effectiveFormat());
    m_picture = RtfPicture();
}

void RtfParser::setPictureFormat(RtfPicture::Format format)
{
    if (state().destination == Destination::Picture)
        m_picture.setFormat(format);
}
