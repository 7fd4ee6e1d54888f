// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "templatedesigns.h"

#include "calendar/pageoptions.h"
#include "images/picture.h"
#include "objects/tgflatcalendar.h"
#include "objects/tgimage.h"
#include "objects/tgplabel.h"
#include "pagemodel/pagemodel.h"
#include "templates/templates.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

// Documents keep colours as Windows does: blue, green, red from the high byte down.
constexpr TColor rgb(int r, int g, int b)
{
    return TColor(r | (g << 8) | (b << 16));
}

const QString kSans = QStringLiteral("Liberation Sans");
const QString kSerif = QStringLiteral("Liberation Serif");
const QString kCarlito = QStringLiteral("Carlito");
const QString kCaladea = QStringLiteral("Caladea");
const QString kDejaVu = QStringLiteral("DejaVu Sans");

TFont font(const QString &family, int size, TColor colour = Colors::clBlack, bool bold = false, bool italic = false)
{
    TFont::Styles style;
    style.setFlag(TFont::Style::Bold, bold);
    style.setFlag(TFont::Style::Italic, italic);
    return TFont(family, size, style, colour);
}

// The colours of a scene drawn as a stand-in photo: sky, sun, far and near hills.
struct Scene
{
    QColor skyTop;
    QColor skyBottom;
    QColor sun;
    QColor far;
    QColor near;
};

// A stand-in photo: a landscape of soft hills under a sky, so a photo template looks like a
// photo calendar before the user puts their own photos in. Drawn the same on every run.
QByteArray scenePhoto(const Scene &scene, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, scene.skyTop);
    sky.setColorAt(1, scene.skyBottom);
    painter.fillRect(image.rect(), sky);
    const QPointF sunCentre(size.width() * 0.72, size.height() * 0.34);
    QRadialGradient glow(sunCentre, size.height() * 0.35);
    QColor halo = scene.sun;
    halo.setAlpha(110);
    glow.setColorAt(0, halo);
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(image.rect(), glow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(scene.sun);
    painter.drawEllipse(sunCentre, size.height() * 0.08, size.height() * 0.08);
    const auto hills = [&](double base, double height, double waves, double phase, const QColor &colour) {
        QPainterPath path(QPointF(0, size.height()));
        for (int x = 0; x <= size.width(); x += 4) {
            const double t = double(x) / size.width();
            const double y = size.height() * (base - height * (0.5 + 0.5 * std::sin(t * waves * 6.2832 + phase)));
            path.lineTo(x, y);
        }
        path.lineTo(size.width(), size.height());
        path.closeSubpath();
        QLinearGradient shade(0, size.height() * (base - height), 0, size.height());
        shade.setColorAt(0, colour.lighter(115));
        shade.setColorAt(1, colour.darker(130));
        painter.setBrush(shade);
        painter.drawPath(path);
    };
    hills(0.70, 0.18, 1.3, 0.6, scene.far);
    hills(0.90, 0.20, 0.8, 2.1, scene.near);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(88);
    writer.write(image);
    return bytes;
}

void addPhoto(PageModel &page, const QRectF &inches, const Scene &scene)
{
    const double ppi = page.pixelsPerInch();
    const QSize pixels(int(inches.width() * 200), int(inches.height() * 200));
    Picture photo;
    photo.setSourceFile(scenePhoto(scene, pixels), Picture::SourceFormat::Jpeg);
    auto image = std::make_unique<TGImage>();
    image->SetStretch(true);
    image->SetPicture(photo);
    TGGraphicControl *placed = page.appendObject(std::move(image));
    placed->setPageBounds(QRectF(inches.left() * ppi, inches.top() * ppi, inches.width() * ppi, inches.height() * ppi));
}

void addLabel(PageModel &page, const QRectF &inches, const QString &caption, const TFont &font,
              TAlignment alignment = taCenter)
{
    const double ppi = page.pixelsPerInch();
    auto label = std::make_unique<TGPLabel>();
    label->SetTransparent(true);
    label->SetFont(font);
    label->SetAlignment(alignment);
    label->SetCaption(caption);
    TGGraphicControl *placed = page.appendObject(std::move(label));
    placed->setPageBounds(QRectF(inches.left() * ppi, inches.top() * ppi, inches.width() * ppi, inches.height() * ppi));
}

// The settings every template starts from: January 2027, weeks from Sunday, no border.
void start(PageModel &page, TCalendarLayout layout)
{
    page.ResetToDefaults(QDate(2027, 1, 1));
    page.SetCalendarLayout(layout);
    page.SetMainCalYear(2027);
    page.SetMainCalMonth(1);
    page.SetWMFBorderFile(QString());
}

void margins(PageModel &page, float left, float top, float right, float bottom)
{
    page.SetLeftMarginInch(left);
    page.SetTopMarginInch(top);
    page.SetRightMarginInch(right);
    page.SetBottomMarginInch(bottom);
}

// One look for the main calendar: title, day names and cells.
void mainStyle(PageModel &page, const TFont &title, TColor titleBack, const TFont &headers, TColor headersBack,
               const TFont &cells)
{
    page.SetTitleFont(title);
    page.SetTitleBGColor(titleBack);
    page.SetHeadersFont(headers);
    page.SetHeadersBGColor(headersBack);
    page.SetCellFont(cells);
}

void miniStyle(PageModel &page, const TFont &title, TColor titleBack, const TFont &headers, TColor headersBack,
               const TFont &cells)
{
    page.SetMiniTitleFont(title);
    page.SetMiniCalBGColor(titleBack);
    page.SetMiniHeadersFont(headers);
    page.SetMiniHeadersBGColor(headersBack);
    page.SetMiniCellFont(cells);
}

void options(PageModel &page, const std::function<void(DocumentOptions &)> &change)
{
    DocumentOptions values = page.options();
    change(values);
    page.setOptions(values);
}

const Scene kMeadow{QColor(110, 170, 230), QColor(220, 236, 250), QColor(255, 246, 214), QColor(96, 150, 110),
                    QColor(64, 118, 70)};
const Scene kDusk{QColor(58, 64, 130), QColor(246, 170, 120), QColor(255, 222, 170), QColor(120, 86, 120),
                  QColor(70, 52, 86)};
const Scene kCoast{QColor(92, 160, 214), QColor(200, 228, 240), QColor(255, 252, 230), QColor(90, 140, 170),
                   QColor(214, 196, 150)};

void photoWallPortrait(PageModel &page)
{
    start(page, loFullCalendar);
    page.SetPaperSize(PaperA4);
    margins(page, 0.5f, 5.9f, 0.5f, 0.45f);
    mainStyle(page, font(kCaladea, 26, rgb(40, 52, 70), true), rgb(255, 255, 255), font(kCarlito, 10, rgb(90, 100, 115), true),
              rgb(236, 240, 245), font(kCarlito, 13, rgb(40, 52, 70), true));
    page.SetCalendarLineLayout(llHeadersAndCells);
    page.SetHeadersStyle(dsThreeChars);
    addPhoto(page, QRectF(0.5, 0.45, 7.27, 5.25), kMeadow);
}

void photoWallLandscape(PageModel &page)
{
    start(page, LOFullCalendarLS);
    margins(page, 6.0f, 0.5f, 0.45f, 0.5f);
    mainStyle(page, font(kCaladea, 22, rgb(60, 44, 58), true), rgb(255, 255, 255), font(kCarlito, 9, rgb(120, 100, 110), true),
              rgb(246, 238, 240), font(kCarlito, 11, rgb(60, 44, 58), true));
    page.SetCalendarLineLayout(llHeadersAndCells);
    addPhoto(page, QRectF(0.45, 0.5, 5.3, 7.5), kDusk);
}

void familyPlanner(PageModel &page)
{
    start(page, LOFullCalendarLS);
    margins(page, 0.4f, 0.4f, 0.4f, 0.4f);
    mainStyle(page, font(kCarlito, 28, rgb(255, 255, 255), true), rgb(46, 125, 120), font(kCarlito, 11, rgb(255, 255, 255), true),
              rgb(80, 160, 150), font(kCarlito, 12, rgb(46, 80, 78), true));
    page.SetHeadersStyle(dsWhole);
    page.SetNumberPosition(cnpUpperRight);
    options(page, [](DocumentOptions &o) { PageOptions::setWeekNumbers(o, PageOptions::WeekNumbers::Iso); });
}

void birthdays(PageModel &page)
{
    start(page, loFCMinisInTitle);
    page.SetWMFBorderFile(QStringLiteral("Confetti"));
    margins(page, 0.5f, 0.5f, 0.5f, 0.5f);
    mainStyle(page, font(kCaladea, 30, rgb(196, 60, 110), true), rgb(255, 240, 246), font(kCarlito, 11, rgb(150, 60, 100), true),
              rgb(252, 226, 236), font(kCarlito, 12, rgb(120, 40, 80), true));
    miniStyle(page, font(kCarlito, 7, rgb(150, 60, 100), true), rgb(255, 248, 251), font(kCarlito, 5, rgb(150, 60, 100)),
              rgb(252, 226, 236), font(kCarlito, 5, rgb(120, 40, 80)));
    page.SetUserTitle(QString());
}

void schoolYear(PageModel &page)
{
    start(page, loMC12Month);
    page.SetMainCalMonth(9);
    page.SetMainCalYear(2026);
    margins(page, 0.5f, 1.3f, 0.5f, 0.5f);
    miniStyle(page, font(kCarlito, 12, rgb(52, 90, 160), true), rgb(246, 249, 254), font(kCarlito, 8, rgb(255, 255, 255), true),
              rgb(52, 90, 160), font(kCarlito, 9, rgb(30, 40, 60)));
    addLabel(page, QRectF(0.5, 0.35, 7.5, 0.8), QStringLiteral("School Year"), font(kCaladea, 30, rgb(52, 90, 160), true));
}

void deskCalendar(PageModel &page)
{
    start(page, loFC6Before6AfterLS);
    margins(page, 0.4f, 0.4f, 0.4f, 0.4f);
    mainStyle(page, font(kSans, 24, rgb(33, 33, 33), true), rgb(250, 250, 250), font(kSans, 9, rgb(255, 255, 255), true),
              rgb(70, 90, 110), font(kSans, 11, rgb(33, 33, 33), true));
    miniStyle(page, font(kSans, 7, rgb(70, 90, 110), true), rgb(246, 248, 250), font(kSans, 5, rgb(255, 255, 255)),
              rgb(70, 90, 110), font(kSans, 5, rgb(33, 33, 33)));
    page.SetCalendarLineLayout(llHeadersAndCells);
}

void yearAtAGlance(PageModel &page)
{
    start(page, loMC12MonthLS);
    margins(page, 0.5f, 1.2f, 0.5f, 0.4f);
    miniStyle(page, font(kSans, 11, rgb(200, 90, 50), true), rgb(255, 250, 246), font(kSans, 7, rgb(255, 255, 255), true),
              rgb(214, 110, 70), font(kSans, 8, rgb(40, 40, 40)));
    addLabel(page, QRectF(0.5, 0.3, 10.0, 0.8), QStringLiteral("2027"), font(kCaladea, 34, rgb(200, 90, 50), true));
}

void twoYears(PageModel &page)
{
    start(page, loMC24Month);
    margins(page, 0.5f, 1.1f, 0.5f, 0.4f);
    miniStyle(page, font(kSans, 9, rgb(90, 70, 140), true), rgb(250, 248, 254), font(kSans, 6, rgb(255, 255, 255), true),
              rgb(110, 90, 160), font(kSans, 6, rgb(40, 40, 40)));
    addLabel(page, QRectF(0.5, 0.3, 7.5, 0.7), QStringLiteral("2027 – 2028"), font(kCaladea, 28, rgb(90, 70, 140), true));
}

void sixMonths(PageModel &page)
{
    start(page, lopMC6Month);
    margins(page, 0.6f, 1.2f, 0.6f, 0.5f);
    miniStyle(page, font(kCaladea, 14, rgb(60, 110, 80), true), rgb(248, 252, 249), font(kCarlito, 9, rgb(255, 255, 255), true),
              rgb(76, 130, 96), font(kCarlito, 11, rgb(30, 50, 40)));
    addLabel(page, QRectF(0.6, 0.35, 7.3, 0.75), QStringLiteral("First Half of the Year"),
             font(kCaladea, 26, rgb(60, 110, 80), true));
}

void weekPlanner(PageModel &page)
{
    start(page, loWeek);
    page.SetMainCalDay(4);
    margins(page, 0.4f, 0.4f, 0.4f, 0.4f);
    mainStyle(page, font(kCarlito, 22, rgb(255, 255, 255), true), rgb(38, 70, 110), font(kCarlito, 11, rgb(38, 70, 110), true),
              rgb(226, 234, 244), font(kCarlito, 11, rgb(30, 30, 30)));
}

void twoWeekPlanner(PageModel &page)
{
    start(page, lo2Week);
    page.SetMainCalDay(4);
    margins(page, 0.4f, 0.4f, 0.4f, 0.4f);
    mainStyle(page, font(kCarlito, 20, rgb(255, 255, 255), true), rgb(110, 60, 90), font(kCarlito, 10, rgb(110, 60, 90), true),
              rgb(244, 232, 240), font(kCarlito, 10, rgb(30, 30, 30)));
}

void dayPlanner(PageModel &page)
{
    start(page, loDay15);
    page.SetMainCalDay(4);
    margins(page, 0.5f, 0.5f, 0.5f, 0.5f);
    mainStyle(page, font(kCaladea, 24, rgb(255, 255, 255), true), rgb(70, 110, 100), font(kCarlito, 11, rgb(70, 110, 100), true),
              rgb(232, 242, 238), font(kCarlito, 11, rgb(30, 30, 30)));
}

void holidaySeason(PageModel &page)
{
    start(page, loFullCalendar);
    page.SetMainCalMonth(12);
    page.SetMainCalYear(2026);
    page.SetWMFBorderFile(QStringLiteral("Holly"));
    margins(page, 0.55f, 0.55f, 0.55f, 0.55f);
    mainStyle(page, font(kCaladea, 34, rgb(160, 30, 40), true, true), rgb(255, 252, 246), font(kCaladea, 12, rgb(255, 255, 255), true),
              rgb(40, 100, 60), font(kCaladea, 14, rgb(160, 30, 40), true));
    page.SetHeadersStyle(dsWhole);
    options(page, [](DocumentOptions &o) {
        PageOptions::setHolidaysOf(o, QStringLiteral("GB-ENG"));
        PageOptions::setHolidayNames(o, true);
    });
}

void childrens(PageModel &page)
{
    start(page, loFullCalendar);
    page.SetWMFBorderFile(QStringLiteral("Stars"));
    margins(page, 0.55f, 0.55f, 0.55f, 0.55f);
    mainStyle(page, font(kDejaVu, 30, rgb(255, 120, 40), true), rgb(255, 248, 214), font(kDejaVu, 11, rgb(255, 255, 255), true),
              rgb(70, 150, 220), font(kDejaVu, 14, rgb(60, 60, 140), true));
    page.SetHeadersStyle(dsWhole);
    options(page, [](DocumentOptions &o) { PageOptions::setMoonPhases(o, true); });
}

void minimal(PageModel &page)
{
    start(page, loFullCalendar);
    margins(page, 0.6f, 0.6f, 0.6f, 0.6f);
    mainStyle(page, font(kSans, 40, Colors::clBlack, true), rgb(255, 255, 255), font(kSans, 9, Colors::clBlack),
              rgb(255, 255, 255), font(kSans, 12, Colors::clBlack));
    page.SetCalendarLineLayout(llCellsOnly);
    page.SetHeadersStyle(dsThreeChars);
    page.SetCalendarBorder(cbNone);
    page.SetHeadersBorder(cbBottom);
}

void moonAndWeeks(PageModel &page)
{
    start(page, LOFullCalendarLS);
    margins(page, 0.4f, 0.4f, 0.4f, 0.4f);
    mainStyle(page, font(kCaladea, 28, rgb(230, 232, 250), true), rgb(28, 34, 70), font(kCarlito, 10, rgb(230, 232, 250), true),
              rgb(50, 60, 110), font(kCarlito, 12, rgb(28, 34, 70), true));
    options(page, [](DocumentOptions &o) {
        PageOptions::setMoonPhases(o, true);
        PageOptions::setWeekNumbers(o, PageOptions::WeekNumbers::Iso);
    });
}

void coastPhoto(PageModel &page)
{
    start(page, loFullCalendar);
    margins(page, 0.45f, 5.6f, 0.45f, 0.45f);
    mainStyle(page, font(kSans, 22, rgb(255, 255, 255), true), rgb(40, 110, 150), font(kSans, 9, rgb(40, 110, 150), true),
              rgb(226, 240, 246), font(kSans, 11, rgb(30, 60, 80), true));
    page.SetCalendarLineLayout(llHeadersAndCells);
    addPhoto(page, QRectF(0.45, 0.45, 7.6, 5.0), kCoast);
}

void floatingMinis(PageModel &page)
{
    start(page, loFullCalendar);
    page.SetWMFBorderFile(QStringLiteral("Classic"));
    margins(page, 0.6f, 0.6f, 0.6f, 2.6f);
    mainStyle(page, font(kCaladea, 30, rgb(80, 50, 30), true), rgb(250, 244, 232), font(kCaladea, 11, rgb(80, 50, 30), true),
              rgb(240, 228, 206), font(kCaladea, 13, rgb(80, 50, 30), true));
    const double ppi = page.pixelsPerInch();
    for (int k = 0; k < 3; ++k) {
        auto calendar = std::make_unique<TGFlatCalendar>(QDate(2027, 2 + k, 1));
        calendar->SetTitleFont(font(kCaladea, 10, rgb(80, 50, 30), true));
        calendar->SetDayNameFont(font(kCaladea, 7, rgb(80, 50, 30)));
        calendar->SetCellFont(font(kCaladea, 7, rgb(80, 50, 30)));
        calendar->SetDayNameBGColor(rgb(240, 228, 206));
        TGGraphicControl *placed = page.appendObject(std::move(calendar));
        placed->setPageBounds(QRectF((0.9 + k * 2.35) * ppi, 8.55 * ppi, 2.0 * ppi, 1.8 * ppi));
    }
}

} // namespace

QList<TemplateDesign> templateDesigns()
{
    return {
        {QStringLiteral("photo-wall-portrait"), QStringLiteral("Photo wall calendar"), QStringLiteral("Photo calendars"), photoWallPortrait},
        {QStringLiteral("photo-wall-landscape"), QStringLiteral("Photo wall calendar, landscape"), QStringLiteral("Photo calendars"), photoWallLandscape},
        {QStringLiteral("photo-coast"), QStringLiteral("Seaside photo calendar"), QStringLiteral("Photo calendars"), coastPhoto},
        {QStringLiteral("family-planner"), QStringLiteral("Family month planner"), QStringLiteral("Month calendars"), familyPlanner},
        {QStringLiteral("birthdays"), QStringLiteral("Birthday calendar"), QStringLiteral("Month calendars"), birthdays},
        {QStringLiteral("desk-calendar"), QStringLiteral("Desk calendar with minis"), QStringLiteral("Month calendars"), deskCalendar},
        {QStringLiteral("minimal"), QStringLiteral("Minimal black and white"), QStringLiteral("Month calendars"), minimal},
        {QStringLiteral("moon-and-weeks"), QStringLiteral("Moon phases and week numbers"), QStringLiteral("Month calendars"), moonAndWeeks},
        {QStringLiteral("three-months"), QStringLiteral("Month with the next three"), QStringLiteral("Month calendars"), floatingMinis},
        {QStringLiteral("holiday-season"), QStringLiteral("Holiday season"), QStringLiteral("Seasons and children"), holidaySeason},
        {QStringLiteral("childrens"), QStringLiteral("Children's calendar"), QStringLiteral("Seasons and children"), childrens},
        {QStringLiteral("school-year"), QStringLiteral("School year from September"), QStringLiteral("Year calendars"), schoolYear},
        {QStringLiteral("year-at-a-glance"), QStringLiteral("Year at a glance"), QStringLiteral("Year calendars"), yearAtAGlance},
        {QStringLiteral("six-months"), QStringLiteral("Six months"), QStringLiteral("Year calendars"), sixMonths},
        {QStringLiteral("two-years"), QStringLiteral("Two years"), QStringLiteral("Year calendars"), twoYears},
        {QStringLiteral("week-planner"), QStringLiteral("Week planner"), QStringLiteral("Planners"), weekPlanner},
        {QStringLiteral("two-week-planner"), QStringLiteral("Two-week planner"), QStringLiteral("Planners"), twoWeekPlanner},
        {QStringLiteral("day-planner"), QStringLiteral("Day planner"), QStringLiteral("Planners"), dayPlanner},
    };
}

void makeTemplate(const TemplateDesign &design, PageModel &page)
{
    design.build(page);
    DocumentOptions values = page.options();
    Templates::setInfo(values, design.name, design.category);
    page.setOptions(values);
}
