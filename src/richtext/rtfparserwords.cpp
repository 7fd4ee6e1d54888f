// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The control words the parser acts on, each with a small handler.
#include "rtfparser.h"

#include "richtext/rtfunits.h"

#include <QFont>

namespace {

using Parser = RtfParser;
using Token = RtfToken;

// Lengths beyond a sheet of paper are damage; 22 inches in twips.
enum Bound : int { MaxTwips = 31680, MaxHalfPoints = 3276, MaxUnicodeSkip = 255 };
enum Default : int { HalfPoints = 24 };

template<typename Value>
using WordTable = std::initializer_list<std::pair<std::string_view, Value>>;

// The value a word stands for in a table of words; handlers cannot capture, so a handler
// shared by several words finds its own word's value this way.
template<typename Value> Value valueOf(WordTable<Value> table, QByteArrayView word)
{
    for (const auto &[name, value] : table) {
        if (word == QByteArrayView(name.data(), qsizetype(name.size())))
            return value;
    }
    return table.begin()->second;
}

const WordTable<char16_t> characterWords = {
    {"tab", u'\t'},         {"line", u'\u2028'},      {"bullet", u'\u2022'},
    {"emdash", u'\u2014'},  {"endash", u'\u2013'},    {"emspace", u'\u2003'},
    {"enspace", u'\u2002'}, {"qmspace", u'\u2005'},   {"lquote", u'\u2018'},
    {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'},
    {"zwj", u'\u200D'},     {"zwnj", u'\u200C'},
};

const WordTable<Qt::Alignment> alignmentWords = {
    {"ql", Qt::AlignLeft},
    {"qc", Qt::AlignHCenter},
    {"qr", Qt::AlignRight},
    {"qj", Qt::AlignJustify},
};

using LengthSetter = void (QTextBlockFormat::*)(qreal);
const WordTable<LengthSetter> paragraphLengthWords = {
    {"li", &QTextBlockFormat::setLeftMargin},   {"ri", &QTextBlockFormat::setRightMargin},
    {"fi", &QTextBlockFormat::setTextIndent},   {"sb", &QTextBlockFormat::setTopMargin},
    {"sa", &QTextBlockFormat::setBottomMargin},
};

const WordTable<QTextCharFormat::VerticalAlignment> verticalAlignmentWords = {
    {"nosupersub", QTextCharFormat::AlignNormal},
    {"super", QTextCharFormat::AlignSuperScript},
    {"sub", QTextCharFormat::AlignSubScript},
};

const WordTable<RtfPicture::Format> pictureFormatWords = {
    {"pngblip", RtfPicture::Format::Png},
    {"jpegblip", RtfPicture::Format::Jpeg},
    {"wmetafile", RtfPicture::Format::WindowsMetafile},
    {"emfblip", RtfPicture::Format::EnhancedMetafile},
    {"dibitmap", RtfPicture::Format::DeviceIndependentBitmap},
};

using PictureSetter = void (RtfPicture::*)(int);
const WordTable<PictureSetter> pictureSizeWords = {
    {"picw", &RtfPicture::setSourceWidth},   {"pich", &RtfPicture::setSourceHeight},
    {"picwgoal", &RtfPicture::setGoalWidth}, {"pichgoal", &RtfPicture::setGoalHeight},
    {"picscalex", &RtfPicture::setScaleX},   {"picscaley", &RtfPicture::setScaleY},
};

// Destinations whose text is metadata, an alternative form or not shown.
const std::string_view skippedDestinations[] = {
    "info", "stylesheet", "listtable", "listoverridetable", "revtbl", "rsidtbl", "generator",
    "filetbl", "xmlnstbl", "header", "footer", "headerl", "headerr", "headerf", "footerl",
    "footerr", "footerf", "footnote", "annotation", "nonshppict", "themedata",
    "colorschememapping", "latentstyles", "datastore", "fldinst", "objdata", "pntxta", "pntxtb",
    "txe", "xe", "tc", "bkmkstart", "bkmkend",
};

bool isOn(const Token &token)
{
    return !token.hasParameter || token.parameter != 0;
}

int parameterOr(const Token &token, int fallback)
{
    return token.hasParameter ? token.parameter : fallback;
}

qreal twipsParameter(const Token &token)
{
    return RtfUnits::twipsToPixels(qBound(-int(MaxTwips), parameterOr(token, 0), int(MaxTwips)));
}

int colorComponent(const Token &token)
{
    return qBound(0, parameterOr(token, 0), 255);
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
    for (const auto &entry : characterWords) {
        table[entry.first] = [](Parser &p, const Token &t) {
            p.appendCharacter(valueOf(characterWords, t.data));
        };
    }
    table["u"] = [](Parser &p, const Token &t) {
        // Negative values stand for code units above 32767.
        p.appendCharacter(char16_t(parameterOr(t, 0) & 0xFFFF));
        p.m_fallbackSkip = p.state().unicodeSkip;
    };
    table["uc"] = [](Parser &p, const Token &t) {
        p.state().unicodeSkip = qBound(0, parameterOr(t, 1), int(MaxUnicodeSkip));
    };
    table["par"] = [](Parser &p, const Token &) { p.paragraphEnd(); };
    table["sect"] = table["page"] = [](Parser &p, const Token &) { p.endParagraph(); };
    // Tables are read as text: cells apart by tabs, each row a paragraph.
    table["cell"] = [](Parser &p, const Token &) { p.endCell(); };
    table["nestcell"] = table["cell"];
    table["row"] = [](Parser &p, const Token &) { p.endRow(); };
    table["nestrow"] = table["row"];
    table["intbl"] = table["trowd"] = [](Parser &p, const Token &) { p.m_rowOpen = true; };
}

void RtfParser::addFormatWords(HandlerTable &table)
{
    table["plain"] = [](Parser &p, const Token &) {
        p.editCharFormat() = QTextCharFormat();
        p.state().hidden = false;
    };
    // Hidden text is not shown, so it is not read.
    table["v"] = [](Parser &p, const Token &t) {
        p.flushText();
        p.state().hidden = isOn(t);
    };
    table["b"] = [](Parser &p, const Token &t) {
        p.editCharFormat().setFontWeight(isOn(t) ? QFont::Bold : QFont::Normal);
    };
    table["i"] = [](Parser &p, const Token &t) { p.editCharFormat().setFontItalic(isOn(t)); };
    table["ul"] = [](Parser &p, const Token &t) { p.editCharFormat().setFontUnderline(isOn(t)); };
    for (const char *word : {"uld", "uldb", "ulw", "ulth", "uldash", "ulwave", "uldashd"})
        table[word] = table["ul"];
    table["ulnone"] = [](Parser &p, const Token &) { p.editCharFormat().setFontUnderline(false); };
    table["strike"]
            = [](Parser &p, const Token &t) { p.editCharFormat().setFontStrikeOut(isOn(t)); };
    table["striked"] = table["strike"];
    for (const auto &entry : verticalAlignmentWords) {
        table[entry.first] = [](Parser &p, const Token &t) {
            p.editCharFormat().setVerticalAlignment(valueOf(verticalAlignmentWords, t.data));
        };
    }
}

void RtfParser::addFontWords(HandlerTable &table)
{
    table["fs"] = [](Parser &p, const Token &t) {
        int halfPoints = parameterOr(t, HalfPoints);
        halfPoints = halfPoints > 0 ? qMin(halfPoints, int(MaxHalfPoints)) : int(HalfPoints);
        p.editCharFormat().setFontPointSize(halfPoints / 2.0);
    };
    table["f"] = [](Parser &p, const Token &t) {
        if (p.state().destination == Destination::FontTable) {
            p.m_fontEntry = parameterOr(t, 0);
            p.m_fontCharset = -1;
            return;
        }
        p.state().font = parameterOr(t, 0);
        const auto font = p.m_fonts.constFind(parameterOr(t, 0));
        if (font != p.m_fonts.constEnd())
            p.editCharFormat().setFontFamilies({*font});
    };
    table["cf"] = [](Parser &p, const Token &t) {
        const QColor color = p.colorAt(parameterOr(t, 0));
        if (color.isValid())
            p.editCharFormat().setForeground(color);
        else
            p.editCharFormat().clearForeground();
    };
    table["cb"] = [](Parser &p, const Token &t) {
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
    table["pard"] = [](Parser &p, const Token &) { p.state().blockFormat = QTextBlockFormat(); };
    // Tab stops: the kind words come before the position they apply to.
    table["tqr"] = [](Parser &p, const Token &) { p.m_tabType = QTextOption::RightTab; };
    table["tqc"] = [](Parser &p, const Token &) { p.m_tabType = QTextOption::CenterTab; };
    table["tqdec"] = [](Parser &p, const Token &) { p.m_tabType = QTextOption::DelimiterTab; };
    table["tx"] = [](Parser &p, const Token &t) { p.addTabStop(twipsParameter(t)); };
    table["tb"] = table["tx"];
    for (const auto &entry : alignmentWords) {
        table[entry.first] = [](Parser &p, const Token &t) {
            p.state().blockFormat.setAlignment(valueOf(alignmentWords, t.data));
        };
    }
    for (const auto &entry : paragraphLengthWords) {
        table[entry.first] = [](Parser &p, const Token &t) {
            (p.state().blockFormat.*valueOf(paragraphLengthWords, t.data))(twipsParameter(t));
        };
    }
}

void RtfParser::addDestinationWords(HandlerTable &table)
{
    table["deff"] = [](Parser &p, const Token &t) { p.m_defaultFont = parameterOr(t, 0); };
    table["fcharset"] = [](Parser &p, const Token &t) {
        if (p.state().destination == Destination::FontTable)
            p.m_fontCharset = parameterOr(t, 0);
    };
    table["ansicpg"] = [](Parser &p, const Token &t) {
        const int codePage = parameterOr(t, 1252);
        if (RtfTextDecoder::isKnownCodePage(codePage))
            p.m_ansiCodePage = codePage;
    };
    table["mac"] = [](Parser &p, const Token &) { p.m_ansiCodePage = 10000; };
    table["pc"] = [](Parser &p, const Token &) { p.m_ansiCodePage = 437; };
    table["pca"] = [](Parser &p, const Token &) { p.m_ansiCodePage = 850; };
    table["fonttbl"] = [](Parser &p, const Token &) {
        p.state().destination = Destination::FontTable;
        p.m_fontName.clear();
    };
    table["colortbl"] = [](Parser &p, const Token &) {
        p.state().destination = Destination::ColorTable;
        p.m_colors.clear();
        p.m_red = p.m_green = p.m_blue = -1;
    };
    table["red"] = [](Parser &p, const Token &t) { p.m_red = colorComponent(t); };
    table["green"] = [](Parser &p, const Token &t) { p.m_green = colorComponent(t); };
    table["blue"] = [](Parser &p, const Token &t) { p.m_blue = colorComponent(t); };
    for (std::string_view word : skippedDestinations)
        table[word] = [](Parser &p, const Token &) { p.state().destination = Destination::Skip; };
}

void RtfParser::addPictureWords(HandlerTable &table)
{
    table["pict"] = [](Parser &p, const Token &) {
        p.flushText();
        p.state().destination = Destination::Picture;
        p.m_picture = RtfPicture();
    };
    for (const auto &entry : pictureFormatWords) {
        table[entry.first] = [](Parser &p, const Token &t) {
            p.setPictureFormat(valueOf(pictureFormatWords, t.data));
        };
    }
    for (const auto &entry : pictureSizeWords) {
        table[entry.first] = [](Parser &p, const Token &t) {
            const PictureSetter setter = valueOf(pictureSizeWords, t.data);
            const bool scale = t.data.startsWith("picscale");
            (p.m_picture.*setter)(parameterOr(t, scale ? 100 : 0));
        };
    }
}
