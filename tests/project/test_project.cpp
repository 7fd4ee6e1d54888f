// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/calendarproject.h"
#include "project/projectbuilder.h"
#include "project/projectoutput.h"
#include "project/projectpages.h"

#include "objects/tgimage.h"
#include "pagemodel/pagemodel.h"
#include "photofiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// A month page with a small clip-art object at the back and a larger one in front.
QByteArray designBytes(bool withClipArt = true)
{
    PageModel design;
    design.ResetToDefaults(QDate(2026, 5, 1));
    design.SetCalendarLayout(loFullCalendar);
    design.SetTopMarginInch(4.5f);
    if (withClipArt) {
        design.appendObject(std::make_unique<TGImage>())->setPageBounds(QRectF(10, 10, 40, 40));
        design.appendObject(std::make_unique<TGImage>())->setPageBounds(QRectF(48, 40, 400, 300));
        design.objects()[0]->setName(QStringLiteral("Component0"));
        design.objects()[1]->setName(QStringLiteral("Component1"));
    }
    return ProjectPages::documentBytes(design);
}

// A photo whose width tells it apart from the others.
void writePhoto(const QString &path, int width, int height = 100)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    ASSERT_TRUE(image.save(path, "JPG"));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The stored text of a day's cell; empty for a day the month does not have.
QString cellText(const PageModel &page, int day)
{
    const int cell = page.CellOfDay(day);
    return cell < 1 ? QString() : QString::fromLatin1(page.cellText(cell).rtf());
}

struct Built
{
    ProjectBuilder::Result result;
    QString path;
};

class ProjectBuild : public ::testing::Test
{
protected:
    Built build(const ProjectBuilder::Recipe &recipe, const QByteArray &design = designBytes())
    {
        const QString path = folder.path() + QStringLiteral("/year/Year.ovproj");
        return {ProjectBuilder::build(design, recipe, path), path};
    }
    std::unique_ptr<PageModel> page(const Built &built, int index)
    {
        auto model = std::make_unique<PageModel>();
        const ProjectPage &entry = built.result.project.pages.at(size_t(index));
        EXPECT_TRUE(ProjectPages::load(*model, ProjectFile::pagePath(built.path, entry)).ok);
        return model;
    }
    ProjectBuilder::Recipe yearOf2027(int months = 12)
    {
        ProjectBuilder::Recipe recipe;
        recipe.first = {1, 2027};
        recipe.months = months;
        return recipe;
    }

    QTemporaryDir folder;
};

} // namespace

TEST(ProjectFile, WritesAndReadsEverythingItLists)
{
    CalendarProject project;
    project.first = {11, 2026};
    project.months = 3;
    project.pages = {{ProjectPage::Kind::Cover, QStringLiteral("cover.OVF"), {}},
                     {ProjectPage::Kind::Month, QStringLiteral("a.OVF"), MonthOfYear{11, 2026}},
                     {ProjectPage::Kind::Month, QStringLiteral("b.OVF"), MonthOfYear{12, 2026}},
                     {ProjectPage::Kind::Month, QStringLiteral("c.OVF"), MonthOfYear{1, 2027}},
                     {ProjectPage::Kind::Back, QStringLiteral("back.OVF"), {}}};
    project.photoFrame = {2, QStringLiteral("Component2")};
    project.photosFolder = QStringLiteral("/home/me/Pictures/2027");
    project.fills = {QStringLiteral("/home/me/birthdays.dax"), {QStringLiteral("Mum@0312")},
                     QStringLiteral("DE-BY"), true, {QStringLiteral("/home/me/school.ics")}};
    const ProjectFile::ReadResult read = ProjectFile::parse(ProjectFile::serialize(project));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(read.project, project);
    EXPECT_EQ(read.project.monthPageIndex(2), 3);
    EXPECT_EQ(read.project.coverIndex(), 0);
}

TEST(ProjectFile, RefusesDamagedAndUnsafeFilesNamingTheFault)
{
    const QByteArray good = R"({"format":"orvane-project","version":1,"first":"2027-01","months":1,
        "pages":[{"kind":"month","file":"2027-01.OVF","month":"2027-01"}]})";
    ASSERT_TRUE(ProjectFile::parse(good).ok());
    const auto broken = [&good](const char *from, const char *to) {
        QByteArray bytes = good;
        return bytes.replace(from, to);
    };
    const std::vector<std::pair<QByteArray, QString>> cases{
        {"{\"format\":", "not a project file"},
        {broken("orvane-project", "other"), "not a project file"},
        {broken("\"version\":1", "\"version\":2"), "version (2)"},
        {broken("\"months\":1", "\"months\":0"), "number of months"},
        {broken("\"months\":1", "\"months\":25"), "number of months"},
        {broken("2027-01.OVF", "../2027-01.OVF"), "not a file in the project's folder"},
        {broken("2027-01.OVF", "/etc/passwd"), "not a file in the project's folder"},
        {broken("\"file\":\"2027-01.OVF\",", ""), "not a file in the project's folder"},
        {broken("\"month\":\"2027-01\"}", "\"month\":\"2027-13\"}"), "has no month"},
        {broken("\"month\":\"2027-01\"}", "\"month\":\"2027-02\"}"), "does not show the month after"},
        {broken("\"kind\":\"month\"", "\"kind\":\"poster\""), "has no kind"},
        {broken("\"months\":1", "\"months\":2"), "1 month pages for 2 months"},
        {broken("\"pages\":[{", "\"pages\":[{\"kind\":\"month\",\"file\":\"2027-01.OVF\",\"month\":\"2027-01\"},{"),
         "listed twice"},
        {broken("]}", "],\"photoFrame\":{\"object\":-1}}"), "photoFrame"},
        {broken("]}", "],\"fill\":{\"ics\":\"one.ics\"}}"), "\"ics\" is not a list"},
    };
    for (const auto &[bytes, fault] : cases) {
        const ProjectFile::ReadResult read = ProjectFile::parse(bytes);
        EXPECT_FALSE(read.ok()) << bytes.toStdString();
        EXPECT_TRUE(read.error.contains(fault)) << read.error.toStdString() << " for " << bytes.toStdString();
        EXPECT_TRUE(read.project.pages.empty());
    }
}

TEST(ProjectFile, ReadsOnlyRegularFilesOfItsSize)
{
    QTemporaryDir folder;
    const QString big = folder.filePath(QStringLiteral("big.ovproj"));
    writeFile(big, QByteArray(CalendarProject::kMaxFileSize + 1, ' '));
    EXPECT_FALSE(ProjectFile::read(big).ok());
    QDir(folder.path()).mkdir(QStringLiteral("folder.ovproj"));
    const ProjectFile::ReadResult read = ProjectFile::read(folder.filePath(QStringLiteral("folder.ovproj")));
    EXPECT_TRUE(read.error.contains(QLatin1String("folder"))) << read.error.toStdString();
}

TEST_F(ProjectBuild, MakesAPageAMonthFilledByTheRealDatesOfEachSource)
{
    const QString ics = folder.filePath(QStringLiteral("school.ics"));
    writeFile(ics, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VEVENT\r\nUID:1@test\r\n"
                   "DTSTART;VALUE=DATE:20270312\r\nSUMMARY:Sports day\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    ProjectBuilder::Recipe recipe = yearOf2027();
    recipe.cover = ProjectBuilder::Cover::Overview;
    recipe.fills.recurringLines = {QStringLiteral("Mum").leftJustified(120) + QStringLiteral("@0229")
                                       .leftJustified(10),
                                   QStringLiteral("Rent").leftJustified(120) + QStringLiteral("@0001").leftJustified(10)};
    recipe.fills.holidayPlace = QStringLiteral("DE");
    recipe.fills.icsFiles = {ics};
    const Built built = build(recipe);
    ASSERT_TRUE(built.result.ok()) << built.result.error.toStdString();
    const CalendarProject &project = built.result.project;
    ASSERT_EQ(project.pages.size(), 13u);

    const auto cover = page(built, 0);
    EXPECT_EQ(cover->CalendarLayout(), loMC12Month);
    EXPECT_TRUE(cover->objects().empty());
    EXPECT_FALSE(cover->HasCellText());

    for (int k = 0; k < 12; ++k) {
        const auto month = page(built, k + 1);
        EXPECT_EQ(month->MainCalMonth(), k + 1);
        EXPECT_EQ(month->MainCalYear(), 2027);
        EXPECT_EQ(month->objects().size(), 2u);
        // Every month has its rent on the 1st; the design's own cells are not copied.
        EXPECT_TRUE(cellText(*month, 1).contains(QLatin1String("Rent"))) << k;
        EXPECT_EQ(cellText(*month, 12).contains(QLatin1String("Sports day")), k == 2) << k;
        EXPECT_EQ(cellText(*month, 29).contains(QLatin1String("Easter Monday")), k == 2) << k;
        EXPECT_EQ(cellText(*month, 25).contains(QLatin1String("Christmas Day")), k == 11) << k;
    }
    // 2027 has no 29 February: the birthday falls on no page rather than on 1 March.
    EXPECT_FALSE(cellText(*page(built, 3), 1).contains(QLatin1String("Mum")));

    const ProjectFile::ReadResult read = ProjectFile::read(built.path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.project, project);
    EXPECT_TRUE(read.missingPages.isEmpty());
}

TEST_F(ProjectBuild, PutsThePhotosInNameOrderIntoTheLargestClipArtKeepingTheirShape)
{
    const QString photos = folder.filePath(QStringLiteral("photos"));
    QDir().mkpath(photos);
    writePhoto(photos + QStringLiteral("/img10.jpg"), 300);
    writePhoto(photos + QStringLiteral("/img2.jpg"), 200);
    writePhoto(photos + QStringLiteral("/IMG1.jpg"), 100);
    writeFile(photos + QStringLiteral("/notes.txt"), "not a photo");
    ProjectBuilder::Recipe recipe = yearOf2027(4);
    recipe.photosFolder = photos;
    const Built built = build(recipe);
    ASSERT_TRUE(built.result.ok()) << built.result.error.toStdString();
    EXPECT_EQ(built.result.project.photoFrame, (PhotoFrame{1, QStringLiteral("Component1")}));
    ASSERT_EQ(built.result.warnings.size(), 1);
    EXPECT_TRUE(built.result.warnings.front().contains(QLatin1String("3 photos for 4 months")));

    const int widths[] = {100, 200, 300};
    for (int k = 0; k < 3; ++k) {
        const auto month = page(built, k);
        const auto *frame = dynamic_cast<const TGImage *>(month->objects()[1].get());
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->picture().width(), widths[k]);
        // Within the 400 x 300 frame at (48, 40), as wide as it fits, centred.
        const QRectF bounds = frame->pageBounds();
        const double aspect = widths[k] / 100.0;
        const QSizeF expected = QSizeF(aspect, 1).scaled(QSizeF(400, 300), Qt::KeepAspectRatio);
        EXPECT_NEAR(bounds.width(), expected.width(), 1.0);
        EXPECT_NEAR(bounds.height(), expected.height(), 1.0);
        EXPECT_NEAR(bounds.center().x(), 248, 1.0);
        EXPECT_NEAR(bounds.center().y(), 190, 1.0);
        EXPECT_TRUE(dynamic_cast<const TGImage *>(month->objects()[0].get())->picture().isEmpty());
    }
    const auto last = page(built, 3);
    EXPECT_TRUE(dynamic_cast<const TGImage *>(last->objects()[1].get())->picture().isEmpty());
}

TEST_F(ProjectBuild, ANamedFrameOrANewOneTakesThePhotosAndADesignWithoutOneIsRefused)
{
    const QString photos = folder.filePath(QStringLiteral("photos"));
    QDir().mkpath(photos);
    writePhoto(photos + QStringLiteral("/a.jpg"), 150);
    ProjectBuilder::Recipe recipe = yearOf2027(1);
    recipe.photosFolder = photos;
    recipe.frame.objectName = QStringLiteral("Component0");
    Built built = build(recipe);
    ASSERT_TRUE(built.result.ok()) << built.result.error.toStdString();
    EXPECT_EQ(built.result.project.photoFrame.objectIndex, 0);
    QDir(folder.filePath(QStringLiteral("year"))).removeRecursively();

    recipe.frame = {};
    recipe.frame.rectInches = QRectF(1, 1, 2, 1);
    built = build(recipe, designBytes(false));
    ASSERT_TRUE(built.result.ok()) << built.result.error.toStdString();
    const auto month = page(built, 0);
    ASSERT_EQ(month->objects().size(), 1u);
    // 150 x 100 in a 192 x 96 frame: as high as the frame, centred across it.
    EXPECT_EQ(month->objects()[0]->pageBounds(), QRectF(96 + 24, 96, 144, 96));
    QDir(folder.filePath(QStringLiteral("year"))).removeRecursively();

    recipe.frame = {};
    built = build(recipe, designBytes(false));
    EXPECT_TRUE(built.result.error.contains(QLatin1String("no clip-art object"))) << built.result.error.toStdString();
    EXPECT_FALSE(QFile::exists(built.path));
    recipe.frame.objectName = QStringLiteral("Component7");
    EXPECT_TRUE(build(recipe).result.error.contains(QLatin1String("no object named Component7")));
}

TEST_F(ProjectBuild, NeverOverwritesAndLeavesNothingWhenItFails)
{
    QDir().mkpath(folder.filePath(QStringLiteral("year")));
    const QString existing = folder.filePath(QStringLiteral("year/2027-03.OVF"));
    writeFile(existing, "the user's own page");
    Built built = build(yearOf2027());
    EXPECT_TRUE(built.result.error.contains(QLatin1String("exists already")));
    EXPECT_EQ(QDir(folder.filePath(QStringLiteral("year"))).entryList(QDir::Files), QStringList{QStringLiteral("2027-03.OVF")});
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("the user's own page"));
    file.remove();

    // A progress that stops half way removes the pages written before.
    built.result = ProjectBuilder::build(designBytes(), yearOf2027(), built.path,
                                         [](int page, int) { return page < 6; });
    EXPECT_EQ(built.result.error, QStringLiteral("Cancelled"));
    EXPECT_TRUE(QDir(folder.filePath(QStringLiteral("year"))).entryList(QDir::Files).isEmpty());

    ProjectBuilder::Recipe planner = yearOf2027();
    PageModel week;
    week.ResetToDefaults(QDate(2027, 1, 1));
    week.SetCalendarLayout(loWeek);
    EXPECT_TRUE(ProjectBuilder::build(ProjectPages::documentBytes(week), planner, built.path)
                    .error.contains(QLatin1String("not a week or day planner")));
}

TEST_F(ProjectBuild, WritesOnePdfInPageOrderAndNumberedImagesFromAMovedFolder)
{
    ProjectBuilder::Recipe recipe = yearOf2027(3);
    recipe.cover = ProjectBuilder::Cover::Copy;
    const Built built = build(recipe);
    ASSERT_TRUE(built.result.ok());
    // The folder moves: the pages are found beside the project file.
    const QString moved = folder.filePath(QStringLiteral("moved"));
    ASSERT_TRUE(QDir().rename(folder.filePath(QStringLiteral("year")), moved));
    const QString projectPath = moved + QStringLiteral("/Year.ovproj");
    const ProjectFile::ReadResult read = ProjectFile::read(projectPath);
    ASSERT_TRUE(read.ok());
    EXPECT_TRUE(read.missingPages.isEmpty());

    const QString pdf = folder.filePath(QStringLiteral("year.pdf"));
    QString error;
    ASSERT_TRUE(ProjectOutput::savePdf(read.project, projectPath, pdf, &error)) << error.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type /Page\\b"))), 4);

    const QString pattern = folder.filePath(QStringLiteral("page-%02d.png"));
    ASSERT_TRUE(ProjectOutput::saveImages(read.project, projectPath, pattern, 0.25f, &error)) << error.toStdString();
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(QImage(folder.filePath(QStringLiteral("page-%1.png").arg(n, 2, 10, QLatin1Char('0')))).width(), 204) << n;

    // A page gone from the folder: the project still reads, says which, and writes no PDF.
    QFile::remove(moved + QStringLiteral("/2027-02.OVF"));
    const ProjectFile::ReadResult partial = ProjectFile::read(projectPath);
    EXPECT_EQ(partial.missingPages, QStringList{QStringLiteral("2027-02.OVF")});
    const QString second = folder.filePath(QStringLiteral("second.pdf"));
    EXPECT_FALSE(ProjectOutput::savePdf(partial.project, projectPath, second, &error));
    EXPECT_TRUE(error.contains(QLatin1String("2027-02.OVF"))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(second));
}

TEST_F(ProjectBuild, AYearOfTwelveMegapixelPhotosMakesAPdfNoLargerThanThePhotos)
{
    const QString photos = folder.filePath(QStringLiteral("photos"));
    QDir().mkpath(photos);
    const QByteArray jpeg = PhotoFiles::photoJpeg({4000, 3000});
    for (int month = 1; month <= 12; ++month)
        writeFile(photos + QStringLiteral("/%1.jpg").arg(month, 2, 10, QLatin1Char('0')), jpeg);
    ProjectBuilder::Recipe recipe = yearOf2027();
    recipe.photosFolder = photos;
    recipe.frame.rectInches = QRectF(0.5, 0.4, 7.5, 4.2);
    const Built built = build(recipe, designBytes(false));
    ASSERT_TRUE(built.result.ok()) << built.result.error.toStdString();
    // Pages keep the photo's own file, not a bitmap of it.
    EXPECT_LT(QFileInfo(folder.filePath(QStringLiteral("year/2027-06.OVF"))).size(), jpeg.size() * 2);

    const QString pdf = folder.filePath(QStringLiteral("year.pdf"));
    QString error;
    ASSERT_TRUE(ProjectOutput::savePdf(built.result.project, built.path, pdf, &error)) << error.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("/DCTDecode"), 12);
    EXPECT_LE(bytes.size(), 12 * jpeg.size() * 12 / 10) << bytes.size() << " bytes for photos of " << 12 * jpeg.size();
}

TEST(ProjectOutput, NumbersImageNamesByTheirPatternOrBeforeTheExtension)
{
    EXPECT_EQ(ProjectOutput::imagePath(QStringLiteral("out/year-%02d.png"), 3), QStringLiteral("out/year-03.png"));
    EXPECT_EQ(ProjectOutput::imagePath(QStringLiteral("p%d.jpg"), 12), QStringLiteral("p12.jpg"));
    EXPECT_EQ(ProjectOutput::imagePath(QStringLiteral("100%%-%03d.png"), 7), QStringLiteral("100%-007.png"));
    EXPECT_EQ(ProjectOutput::imagePath(QStringLiteral("year.png"), 2), QStringLiteral("year-02.png"));
    EXPECT_TRUE(ProjectOutput::imagePath(QStringLiteral("year-%s.png"), 2).isEmpty());
    EXPECT_TRUE(ProjectOutput::imagePath(QStringLiteral("year-%99999999999d.png"), 2).isEmpty());
    EXPECT_TRUE(ProjectOutput::imagePath(QStringLiteral("year-%"), 2).isEmpty());
}
