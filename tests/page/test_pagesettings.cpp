// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "page/calpanel32.h"
#include "core/apppaths.h"
#include "calendar/calendarnames.h"
#include "objects/objectkinds.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <functional>

namespace {

// The drawing tool of the kind with that class name.
TLPanelState drawingTool(const char *className)
{
    return TLPanelState{ObjectKinds::find(QString::fromLatin1(className))};
}

struct Change
{
    const char *field;
    std::function<void(TCalendarPanel32 &)> apply;
};

TFont otherFont()
{
    return TFont(QStringLiteral("Arial"), 11, TFont::Style::Italic, Colors::clRed);
}

// One change per field that both copying and comparing cover.
const std::vector<Change> &listedChanges()
{
    static const std::vector<Change> changes = {
        {"PaperSize", [](TCalendarPanel32 &p) { p.SetPaperSize(PaperA4); }},
        {"CalendarLayout", [](TCalendarPanel32 &p) { p.SetCalendarLayout(lo2Week); }},
        {"StartOfWeek", [](TCalendarPanel32 &p) { p.SetStartOfWeek(2); }},
        {"month name", [](TCalendarPanel32 &p) { p.SetMonthName(3, QStringLiteral("Mars")); }},
        {"day name", [](TCalendarPanel32 &p) { p.SetDayName(7, QStringLiteral("Sam")); }},
        {"MainCalDay", [](TCalendarPanel32 &p) { p.SetMainCalDay(p.MainCalDay() % 28 + 1); }},
        {"MainCalMonth", [](TCalendarPanel32 &p) { p.SetMainCalMonth(p.MainCalMonth() % 12 + 1); }},
        {"MainCalYear", [](TCalendarPanel32 &p) { p.SetMainCalYear(1999); }},
        {"TitleFont", [](TCalendarPanel32 &p) { p.SetTitleFont(otherFont()); }},
        {"TitleBGColor", [](TCalendarPanel32 &p) { p.SetTitleBGColor(Colors::clYellow); }},
        {"HeadersFont", [](TCalendarPanel32 &p) { p.SetHeadersFont(otherFont()); }},
        {"HeadersBGColor", [](TCalendarPanel32 &p) { p.SetHeadersBGColor(Colors::clAqua); }},
        {"HeadersStyle", [](TCalendarPanel32 &p) { p.SetHeadersStyle(dsFirstChar); }},
        {"CellFont", [](TCalendarPanel32 &p) { p.SetCellFont(otherFont()); }},
        {"MiniCalBGColor", [](TCalendarPanel32 &p) { p.SetMiniCalBGColor(Colors::clSilver); }},
        {"MiniTitleFont", [](TCalendarPanel32 &p) { p.SetMiniTitleFont(otherFont()); }},
        {"MiniHeadersFont", [](TCalendarPanel32 &p) { p.SetMiniHeadersFont(otherFont()); }},
        {"MiniHeadersBGColor",
         [](TCalendarPanel32 &p) { p.SetMiniHeadersBGColor(Colors::clBlack); }},
        {"MiniHeadersStyle", [](TCalendarPanel32 &p) { p.SetMiniHeadersStyle(dsWhole); }},
        {"MiniCellFont", [](TCalendarPanel32 &p) { p.SetMiniCellFont(otherFont()); }},
        {"TitleShowYear", [](TCalendarPanel32 &p) { p.SetTitleShowYear(false); }},
        {"MiniShowYear", [](TCalendarPanel32 &p) { p.SetMiniShowYear(false); }},
        {"LeftMarginInch", [](TCalendarPanel32 &p) { p.SetLeftMarginInch(1.0f); }},
        {"TopMarginInch", [](TCalendarPanel32 &p) { p.SetTopMarginInch(1.0f); }},
        {"RightMarginInch", [](TCalendarPanel32 &p) { p.SetRightMarginInch(1.0f); }},
        {"BottomMarginInch", [](TCalendarPanel32 &p) { p.SetBottomMarginInch(1.0f); }},
        {"DayPlannerStartTime", [](TCalendarPanel32 &p) { p.SetDayPlannerStartTime(0.25); }},
        {"CalendarLineLayout", [](TCalendarPanel32 &p) { p.SetCalendarLineLayout(llCellsOnly); }},
        {"MiniCalendarLineLayout",
         [](TCalendarPanel32 &p) { p.SetMiniCalendarLineLayout(mllMinimal); }},
        {"UserTitle", [](TCalendarPanel32 &p) { p.SetUserTitle(QStringLiteral("Ours")); }},
    };
    return changes;
}

// Changes that neither copying nor comparing look at.
const std::vector<Change> &unlistedChanges()
{
    static const std::vector<Change> changes = {
        {"NumberPosition", [](TCalendarPanel32 &p) { p.SetNumberPosition(cnpCenter); }},
        {"CalendarBorder", [](TCalendarPanel32 &p) { p.SetCalendarBorder(cbTop); }},
        {"HeadersBorder", [](TCalendarPanel32 &p) { p.SetHeadersBorder(cbTop); }},
        {"CellBorder", [](TCalendarPanel32 &p) { p.SetCellBorder(cbTop); }},
        {"MiniCalBorder", [](TCalendarPanel32 &p) { p.SetMiniCalBorder(cbTop); }},
        {"MiniHeadersBorder", [](TCalendarPanel32 &p) { p.SetMiniHeadersBorder(cbBottom); }},
        {"MiniCellBorder", [](TCalendarPanel32 &p) { p.SetMiniCellBorder(cbTop); }},
        {"cell text",
         [](TCalendarPanel32 &p) { p.SetCellRtfText(3, TWPRtfStorage("{\\rtf1 x}")); }},
        {"PanelState", [](TCalendarPanel32 &p) { p.SetPanelState(drawingTool("TGImage")); }},
    };
    return changes;
}

QByteArray minimalMetafile(quint8 marker)
{
    // Plain header: type 1, 9 header words, version 0x0300, then an end record.
    QByteArray bytes("\x01\x00\x09\x00\x00\x03\x0c\x00\x00\x00\x00\x00\x03\x00\x00\x00\x00\x00"
                     "\x03\x00\x00\x00\x00\x00", 24);
    bytes.append(char(marker));
    return bytes;
}

class BorderFolder
{
public:
    BorderFolder()
    {
        QDir(m_dir.path()).mkdir(QStringLiteral("Borders"));
        AppPaths::setDataFolderOverride(m_dir.path() + QLatin1Char('/'));
    }
    ~BorderFolder() { AppPaths::setDataFolderOverride(qEnvironmentVariable("ORVANE_SOURCE_DATA")); }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.path() + QStringLiteral("/Borders/") + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private:
    QTemporaryDir m_dir;
};

} // namespace

TEST(PageSettings, EveryListedFieldIsComparedAndCopied)
{
    for (const Change &change : listedChanges()) {
        SCOPED_TRACE(change.field);
        TCalendarPanel32 source;
        TCalendarPanel32 target;
        source.ResetToDefaults();
        target.ResetToDefaults();
        ASSERT_TRUE(target.SameSettings(source));
        change.apply(source);
        EXPECT_FALSE(target.SameSettings(source));
        EXPECT_FALSE(source.SameSettings(target));
        target.AssignSettings(source);
        EXPECT_TRUE(target.SameSettings(source));
    }
}

TEST(PageSettings, UnlistedFieldsAreNeitherComparedNorCopied)
{
    for (const Change &change : unlistedChanges()) {
        SCOPED_TRACE(change.field);
        TCalendarPanel32 source;
        TCalendarPanel32 target;
        change.apply(source);
        EXPECT_TRUE(target.SameSettings(source));
        target.AssignSettings(source);
        TCalendarPanel32 untouched;
        EXPECT_EQ(target.NumberPosition(), untouched.NumberPosition());
        EXPECT_EQ(target.CellBorder(), untouched.CellBorder());
        EXPECT_EQ(target.MiniCellBorder(), untouched.MiniCellBorder());
        EXPECT_EQ(target.PanelState(), psPointing);
        EXPECT_FALSE(target.HasCellText());
    }
}

TEST(PageSettings, AssignDerivesBordersFromLineLayouts)
{
    TCalendarPanel32 source;
    TCalendarPanel32 target;
    source.SetCellBorder(cbTopBottom);
    target.SetCellBorder(cbTop);
    target.AssignSettings(source);
    EXPECT_EQ(target.CellBorder(), cbTop) << "equal line layouts leave the target's borders";
    source.SetMiniCalendarLineLayout(mllBoxed);
    target.AssignSettings(source);
    EXPECT_EQ(target.MiniHeadersBorder(), cbTopBottom);
    EXPECT_EQ(target.CalendarRect(), source.CalendarRect());
}

TEST(PageSettings, BorderFilesByOrientation)
{
    BorderFolder folder;
    folder.write(QStringLiteral("Holly.wpo"), minimalMetafile('p'));
    folder.write(QStringLiteral("Broken.wpo"), QByteArray("not a metafile"));
    TCalendarPanel32 page;
    page.ResetToDefaults();
    page.SetCalendarLayout(loFullCalendar);
    page.SetWMFBorderFile(QStringLiteral("holly"));
    EXPECT_EQ(page.WMFBorderFile(), QStringLiteral("holly")) << "names compare without case";
    EXPECT_EQ(page.borderPicture().bytes(), minimalMetafile('p'));
    EXPECT_EQ(page.CalendarRect(), (PageRect{95, 95, 721, 961}));
    EXPECT_EQ(page.MarginRect(), (PageRect{48, 48, 768, 1008}));

    page.SetWMFBorderFile(QStringLiteral("Missing"));
    EXPECT_EQ(page.WMFBorderFile(), QStringLiteral("holly"));
    page.SetWMFBorderFile(QStringLiteral("../Borders/Holly"));
    EXPECT_EQ(page.WMFBorderFile(), QStringLiteral("holly"));

    // Without a landscape file the portrait picture stays; with one it is loaded.
    page.SetCalendarLayout(LOFullCalendarLS);
    EXPECT_EQ(page.borderPicture().bytes(), minimalMetafile('p'));
    folder.write(QStringLiteral("HOLLY.WLS"), minimalMetafile('l'));
    page.SetCalendarLayout(loFCMinisInTitleLS);
    EXPECT_EQ(page.borderPicture().bytes(), minimalMetafile('l'));

    page.SetCalendarLayout(loFullCalendar);
    page.SetWMFBorderFile(QStringLiteral("Broken"));
    EXPECT_TRUE(page.WMFBorderFile().isEmpty());
    EXPECT_TRUE(page.borderPicture().isEmpty());

    page.SetWMFBorderFile(QStringLiteral("Holly"));
    page.SetWMFBorderFile(QString());
    EXPECT_TRUE(page.borderPicture().isEmpty());
    EXPECT_EQ(page.CalendarRect(), (PageRect{50, 50, 766, 1006}));
}

TEST(PageSettings, AssigningAnotherOrientationReloadsTheSameBorder)
{
    BorderFolder folder;
    folder.write(QStringLiteral("Holly.wpo"), minimalMetafile('p'));
    folder.write(QStringLiteral("Holly.wls"), minimalMetafile('l'));
    TCalendarPanel32 source;
    TCalendarPanel32 target;
    source.SetCalendarLayout(LOFullCalendarLS);
    source.SetWMFBorderFile(QStringLiteral("Holly"));
    target.SetWMFBorderFile(QStringLiteral("Holly"));
    ASSERT_EQ(target.borderPicture().bytes(), minimalMetafile('p'));
    target.AssignSettings(source);
    EXPECT_EQ(target.CalendarOrientation(), coLandscape);
    EXPECT_EQ(target.borderPicture().bytes(), minimalMetafile('l'));
    EXPECT_TRUE(target.SameSettings(source));
}

TEST(PageSettings, MetafileHeaders)
{
    EXPECT_TRUE(BorderPicture::looksLikeMetafile(minimalMetafile(0)));
    QByteArray placeable("\xd7\xcd\xc6\x9a", 4);
    placeable.append(QByteArray(18, '\0'));
    EXPECT_FALSE(BorderPicture::looksLikeMetafile(placeable));
    placeable.append(minimalMetafile(0));
    EXPECT_TRUE(BorderPicture::looksLikeMetafile(placeable));
    EXPECT_FALSE(BorderPicture::looksLikeMetafile(QByteArray("\x01\x00\x09", 3)));
    BorderPicture picture;
    QString error;
    EXPECT_FALSE(picture.loadFromFile(QStringLiteral("/nonexistent/x.wpo"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(PageSettings, ANewPageTakesThePaperOfTheLocale)
{
    EXPECT_EQ(localePaperSize(QLocale(QLocale::English, QLocale::UnitedStates)), PaperLetter);
    EXPECT_EQ(localePaperSize(QLocale(QLocale::French, QLocale::Canada)), PaperLetter);
    EXPECT_EQ(localePaperSize(QLocale(QLocale::English, QLocale::UnitedKingdom)), PaperA4);
    EXPECT_EQ(localePaperSize(QLocale(QLocale::German, QLocale::Germany)), PaperA4);
    EXPECT_EQ(localePaperSize(QLocale::c()), PaperLetter) << "no country: the paper pages always had";

    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TCalendarPanel32 page;
    page.SetPaperSize(PaperLetter);
    page.ResetToDefaults();
    EXPECT_EQ(page.PaperSize(), PaperA4);
    QLocale::setDefault(before);
}
