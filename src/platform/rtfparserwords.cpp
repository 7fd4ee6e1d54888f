// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The control words the parser acts on, each with a small handler.
#include "rtfparser.h"

#include "platform/rtfunits.h"

#include <QFont>

namespace {

// Lengths beyond a sheet of paper are damage; 22 inches in twips.
enum Bound : int { MaxTwips = 31680, MaxHalfPoints = 3276, MaxUnicodeSkip = 255 };

bool isOn(const RtfToken &token)
{
    return !token.hasParameter || token.parameter != 0;
}

int parameterOr(const RtfToken &token, int fallback)
{
    return token.hasParameter ? token.parameter : fallback;
}

qreal twipsParameter(const RtfToken &token)
{
    return RtfUnits::twipsToPixels(qBound(-int(MaxTwips), parameterOr(token, 0), int(MaxTwips)));
}

} // namespace

const RtfParser::HandlerTable &RtfParser::handlers()
{
    static const HandlerTable table = [] {
        HandlerTable words;
        addCharacterWords(words);
        addFormatWords(words);
        addFontWords(words);
        addParagraphWords(words);
        addDestinationWords(words);
        addPictureWords(words);
        return words;
    }();
    return table;
}

void RtfParser::addCharacterWords(HandlerTable &table)
{
    static const std::pair<std::string_view, char16_t> characters[] = {
        {"tab", u'\t'},        {"line", u'\u2028'},      {"bullet", u'\u2022'},
        {"emdash", u'\u2014'}, {"endash", u'\u2013'},    {"emspace", u'\u2003'},
        {"enspace", u'\u2002'}, {"qmspace", u'\u2005'},  {"lquote", u'\u2018'},
        {"rquote", u'\u2019'}, {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'},
        {"zwj", u'\u200D'},    {"zwnj", u'\u200C'},
    };
    for (const auto &[word, character] : characters) {
        // A captureless handler cannot hold the character, so it looks it up again.
        table[word] = [](RtfParser &p, const RtfToken &t) {
            for (const auto &[name, value] : characters) {
                if (t.data == QByteArrayView(name.data(), qsizetype(name.size())))
                    p.appendCharacter(value);
            }
        };
    }
    table["u"] = [](RtfParser &p, const RtfToken &t) {
        // Negative values stand for code units above 32767.
        p.appendCharacter(char16_t(parameterOr(t, 0) & 0xFFFF));
        p.m_fallbackSkip = p.state().unicodeSkip;
    };
    table["uc"] = [](RtfParser &p, const RtfToken &t) {
        p.state().unicodeSkip = qBound(0, parameterOr(t, 1), int(MaxUnicodeSkip));
    };
    table["par"] = [](RtfParser &p, const RtfToken &) { p.endParagraph(); };
    table["sect"] = table["page"] = table["row"] = table["par"];
    // Tables are read as text: cells apart by tabs, each row a paragraph.
    table["cell"] = [](RtfParser &p, const RtfToken &) { p.m_cellPending = true; };
    table["nestcell"] = table["cell"];
}

void RtfParser::addFormatWords(HandlerTable &table)
{
    table["plain"] = [](RtfParser &p, const RtfToken &) {
        p.editCharFormat() = QTextCharFormat();
        p.state().hidden = false;
    };
    // Hidden text is not shown, so it is not read.
    table["v"] = [](RtfParser &p, const RtfToken &t) {
        p.flushText();
        p.state().hidden = isOn(t);
    };
    table["b"] = [](RtfParser &p, const RtfToken &t) {
        p.editCharFormat().setFontWeight(isOn(t) ? QFont::Bold : QFont::Normal);
    };
    table["i"] = [](RtfParser &p, const RtfToken &t) { p.editCharFormat().setFontItalic(isOn(t)); };
    table["ul"] = [](RtfParser &p, const RtfToken &t) { p.editCharFormat().setFontUnderline(isOn(t)); };
    for (const char *word : {"uld", "uldb", "ulw", "ulth", "uldash", "ulwave", "uldashd"})
        table[word] = table["ul"];
    table["ulnone"] = [](RtfParser &p, const RtfToken &) { p.editCharFormat().setFontUnderline(false); };
    table["strike"] = [](RtfParser &p, const RtfToken &t) { p.editCharFormat().setFontStrikeOut(isOn(t)); };
    table["striked"] = table["strike"];
    table["super"] = [](RtfParser &p, const RtfToken &) {
        p.editCharFormat().setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    };
    table["sub"] = [](RtfParser &p, const RtfToken &) {
        p.editCharFormat().setVerticalAlignment(QTextCharFormat::AlignSubScript);
    };
    table["nosupersub"] = [](RtfParser &p, const RtfToken &) {
        p.editCharFormat().setVerticalAlignment(QTextCharFormat::AlignNormal);
    };
}

void RtfParser::addFontWords(HandlerTable &table)
{
    table["fs"] = [](RtfParser &p, const RtfToken &t) {
        const int halfPoints = parameterOr(t, 24);
        p.editCharFormat().setFontPointSize(halfPoints > 0 ? qMin(halfPoints, int(MaxHalfPoints)) / 2.0 : 12.0);
    };
    table["f"] = [](RtfParser &p, const RtfToken &t) {
        if (p.state().destination == Destination::FontTable) {
            p.m_fontEntry = parameterOr(t, 0);
            return;
        }
        const auto font = p.m_fonts.constFind(parameterOr(t, 0));
        if (font != p.m_fonts.constEnd())
            p.editCharFormat().setFontFamilies({*font});
    };
    table["cf"] = [](RtfParser &p, const RtfToken &t) {
        const QColor color = p.colorAt(parameterOr(t, 0));
        if (color.isValid())
            p.editCharFormat().setForeground(color);
        else
            p.editCharFormat().clearForeground();
    };
    table["cb"] = [](RtfParser &p, const RtfToken &t) {
        const QColor color = p.colorAt(parameterOr(t, 0));
        if (color.isValid())
            p.editCharFormat().setBackground(color);
        else
            p.editCharFormat().clearBackground();
    };
    table["highlight"] = table["cb"];
}

void RtfParser::addParagraphWords(HandlerTable &table)
{
    table["pard"] = [](RtfParser &p, const RtfToken &) { p.state().blockFormat = QTextBlockFormat(); };
    table["ql"] = [](RtfParser &p, const RtfToken &) { p.state().blockFormat.setAlignment(Qt::AlignLeft); };
    table["qc"] = [](RtfParser &p, const RtfToken &) { p.state().blockFormat.setAlignment(Qt::AlignHCenter); };
    table["qr"] = [](RtfParser &p, const RtfToken &) { p.state().blockFormat.setAlignment(Qt::AlignRight); };
    table["qj"] = [](RtfParser &p, const RtfToken &) { p.state().blockFormat.setAlignment(Qt::AlignJustify); };
    table["li"] = [](RtfParser &p, const RtfToken &t) { p.state().blockFormat.setLeftMargin(twipsParameter(t)); };
    table["ri"] = [](RtfParser &p, const RtfToken &t) { p.state().blockFormat.setRightMargin(twipsParameter(t)); };
    table["fi"] = [](RtfParser &p, const RtfToken &t) { p.state().blockFormat.setTextIndent(twipsParameter(t)); };
    table["sb"] = [](RtfParser &p, const RtfToken &t) { p.state().blockFormat.setTopMargin(twipsParameter(t)); };
    table["sa"] = [](RtfParser &p, const RtfToken &t) { p.state().blockFormat.setBottomMargin(twipsParameter(t)); };
}

void RtfParser::addDestinationWords(HandlerTable &table)
{
    table["deff"] = [](RtfParser &p, const RtfToken &t) { p.m_defaultFont = parameterOr(t, 0); };
    table["fonttbl"] = [](RtfParser &p, const RtfToken &) {
        p.state().destination = Destination::FontTable;
        p.m_fontName.clear();
    };
    table["colortbl"] = [](RtfParser &p, const RtfToken &) {
        p.state().destination = Destination::ColorTable;
        p.m_colors.clear();
        p.m_red = p.m_green = p.m_blue = -1;
    };
    table["red"] = [](RtfParser &p, const RtfToken &t) { p.m_red = qBound(0, parameterOr(t, 0), 255); };
    table["green"] = [](RtfParser &p, const RtfToken &t) { p.m_green = qBound(0, parameterOr(t, 0), 255); };
    table["blue"] = [](RtfParser &p, const RtfToken &t) { p.m_blue = qBound(0, parameterOr(t, 0), 255); };
    const auto skip = [](RtfParser &p, const RtfToken &) { p.state().destination = Destination::Skip; };
    for (const char *word : {"info", "stylesheet", "listtable", "listoverridetable", "revtbl",
                             "rsidtbl", "generator", "filetbl", "xmlnstbl", "header", "footer",
                             "headerl", "headerr", "headerf", "footerl", "footerr", "footerf",
                             "footnote", "annotation", "nonshppict", "themedata",
                             "colorschememapping", "latentstyles", "datastore", "fldinst",
                             "objdata", "pntxta", "pntxtb", "txe", "xe", "tc", "bkmkstart", "bkmkend"})
        table[word] = skip;
}

void RtfParser::addPictureWords(HandlerTable &table)
{
    table["pict"] = [](RtfParser &p, const RtfToken &) {
        p.flushText();
        p.state().destination = Destination::Picture;
        p.m_picture = RtfPicture();
    };
    table["pngblip"] = [](RtfParser &p, const RtfToken &) { p.setPictureFormat(RtfPicture::Format::Png); };
    table["jpegblip"] = [](RtfParser &p, const RtfToken &) { p.setPictureFormat(RtfPicture::Format::Jpeg); };
    table["wmetafile"] = [](RtfParser &p, const RtfToken &) { p.setPictureFormat(RtfPicture::Format::WindowsMetafile); };
    table["dibitmap"] = [](RtfParser &p, const RtfToken &) {
        p.setPictureFormat(RtfPicture::Format::DeviceIndependentBitmap);
    };
    table["picw"] = [](RtfParser &p, const RtfToken &t) { p.m_picture.setSourceWidth(parameterOr(t, 0)); };
    table["pich"] = [](RtfParser &p, const RtfToken &t) { p.m_picture.setSourceHeight(parameterOr(t, 0)); };
    table["picwgoal"] = [](RtfParser &p, const RtfToken &t) { p.m_picture.setGoalWidth(parameterOr(t, 0)); };
    table["pichgoal"] = [](RtfParser &p, const RtfToken &t) { p.m_picture.setGoalHeight(parameterOr(t, 0)); };
    table["picscalex"] = [](RtfParser &p, const RtfToken &t) { p.m_picture.setScaleX(parameterOr(t, 100)); };
    table["picscaley"] = [](RtfParser &p, const RtfToken &t) { p.m_picture.setScaleY(parameterOr(t, 100)); };
}
