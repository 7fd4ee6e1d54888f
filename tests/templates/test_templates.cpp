// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/templates.h"

#include "core/apppaths.h"
#include "core/datafolders.h"
#include "pagemodel/pagemodel.h"
#include "pagemodel/pagepainter.h"
#include "project/projectpages.h"
#include "richtext/rtfstorage.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

// A program data folder with two shipped templates; the user's data home is the test's own.
class TemplateFolders : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AppPaths::setDataFolderOverride(m_data.path() + QLatin1Char('/'));
        QDir(m_data.path()).mkdir(QStringLiteral("Templates"));
        write(QStringLiteral("Templates/wall.OVF"), QStringLiteral("Photo wall calendar"), QStringLiteral("Photo calendars"), loFullCalendar);
        write(QStringLiteral("Templates/week.OVF"), QStringLiteral("Week planner"), QStringLiteral("Planners"), loWeek);
    }
    void TearDown() override
    {
        QDir(DataFolders::userFolder(QStringLiteral("Templates"))).removeRecursively();
        AppPaths::setDataFolderOverride(qEnvironmentVariable("ORVANE_SOURCE_DATA"));
    }
    void write(const QString &file, const QString &name, const QString &category, TCalendarLayout layout)
    {
        PageModel page;
        page.ResetToDefaults(QDate(2026, 5, 1));
        page.SetCalendarLayout(layout);
        page.SetUserTitle(name);
        page.SetCellRtfText(3, TWPRtfStorage(QByteArrayLiteral("{\\rtf1 sample}")));
        DocumentOptions options = page.options();
        Templates::setInfo(options, name, category);
        page.setOptions(options);
        ASSERT_TRUE(ProjectPages::save(page, m_data.filePath(file)).ok);
    }
    QTemporaryDir m_data;
};

QStringList names(const QList<Templates::Info> &list)
{
    QStringList result;
    for (const Templates::Info &info : list)
        result << info.category + QStringLiteral(": ") + info.name;
    return result;
}

} // namespace

TEST_F(TemplateFolders, AreListedByCategoryAndFoundByNameOrFile)
{
    EXPECT_EQ(names(Templates::list()), (QStringList{"Photo calendars: Photo wall calendar", "Planners: Week planner"}));
    ASSERT_TRUE(Templates::find(QStringLiteral("week PLANNER")).has_value());
    EXPECT_EQ(Templates::find(QStringLiteral("wall"))->name, QStringLiteral("Photo wall calendar"));
    EXPECT_EQ(Templates::find(QStringLiteral("wall.ovf"))->category, QStringLiteral("Photo calendars"));
    EXPECT_FALSE(Templates::find(QStringLiteral("Poster")).has_value());

    // A damaged file is left out and said.
    QFile damaged(m_data.filePath(QStringLiteral("Templates/broken.OVF")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a calendar");
    damaged.close();
    QStringList problems;
    EXPECT_EQ(Templates::list(&problems).size(), 2);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems.front().contains(QLatin1String("broken.OVF")));
}

TEST_F(TemplateFolders, ANewCalendarFromATemplateShowsTheMonthChosenAndIsNoTemplate)
{
    PageModel page;
    QString error;
    ASSERT_TRUE(Templates::instantiate(Templates::find(QStringLiteral("wall"))->path, 1, 2027, page, &error))
        << error.toStdString();
    EXPECT_EQ(page.MainCalMonth(), 1);
    EXPECT_EQ(page.MainCalYear(), 2027);
    EXPECT_EQ(page.UserTitle(), QStringLiteral("Photo wall calendar"));
    EXPECT_FALSE(page.HasCellText()) << "the sample belonged to May 2026";
    EXPECT_TRUE(Templates::nameOf(page.options()).isEmpty());
    EXPECT_TRUE(Templates::categoryOf(page.options()).isEmpty());

    // In the template's own month the texts stay.
    ASSERT_TRUE(Templates::instantiate(Templates::find(QStringLiteral("wall"))->path, 5, 2026, page, &error));
    EXPECT_TRUE(page.HasCellText());
    EXPECT_FALSE(Templates::instantiate(m_data.filePath(QStringLiteral("Templates/none.OVF")), 1, 2027, page, &error));
    EXPECT_TRUE(error.contains(QLatin1String("none.OVF")));
}

TEST_F(TemplateFolders, SaveAsTemplateKeepsThePageAmongTheUsersOwn)
{
    EXPECT_EQ(Templates::userTemplatePath(QStringLiteral(" Our  family/plan: 2027 ")),
              DataFolders::userFolder(QStringLiteral("Templates")) + QStringLiteral("Our-familyplan-2027.OVF"));
    EXPECT_EQ(Templates::userTemplatePath(QStringLiteral("../..")),
              DataFolders::userFolder(QStringLiteral("Templates")) + QStringLiteral("Template.OVF"));
    PageModel page;
    page.ResetToDefaults(QDate(2027, 3, 1));
    page.SetUserTitle(QStringLiteral("Ours"));
    QString error;
    EXPECT_FALSE(Templates::saveAsTemplate(page, QStringLiteral("  "), QString(), &error));
    ASSERT_TRUE(Templates::saveAsTemplate(page, QStringLiteral("Family"), QString(), &error)) << error.toStdString();
    // The page itself does not become a template.
    EXPECT_TRUE(Templates::nameOf(page.options()).isEmpty());
    ASSERT_TRUE(Templates::saveAsTemplate(page, QStringLiteral("Week planner"), QStringLiteral("Planners"), &error));
    const QList<Templates::Info> list = Templates::list();
    EXPECT_EQ(names(list), (QStringList{"Photo calendars: Photo wall calendar", "Planners: Week planner",
                                        "Planners: Week planner", "Your templates: Family"}));
    EXPECT_EQ(list[3].origin, DataFolders::Origin::User);
    PageModel again;
    ASSERT_TRUE(Templates::instantiate(list[3].path, 4, 2027, again, &error));
    EXPECT_EQ(again.UserTitle(), QStringLiteral("Ours"));
}

namespace {

QStringList g_warnings;

void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_warnings << message;
}

} // namespace

TEST(ShippedTemplates, EveryOneIsNamedAndCategorisedAndDrawsWithoutAWarning)
{
    const QList<Templates::Info> shipped = Templates::list();
    ASSERT_GE(shipped.size(), 16);
    QStringList categories;
    for (const Templates::Info &info : shipped) {
        SCOPED_TRACE(info.path.toStdString());
        EXPECT_EQ(info.origin, DataFolders::Origin::Program);
        EXPECT_FALSE(info.name.isEmpty());
        EXPECT_NE(info.category, QStringLiteral("Other")) << "every shipped template names its category";
        if (!categories.contains(info.category))
            categories << info.category;
        g_warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
        PageModel page;
        QString error;
        const bool made = Templates::instantiate(info.path, 3, 2027, page, &error);
        page.setZoom(0.5f);
        const QImage image = PagePainter::renderPage(page);
        qInstallMessageHandler(previous);
        ASSERT_TRUE(made) << error.toStdString();
        EXPECT_TRUE(g_warnings.isEmpty()) << g_warnings.join(QLatin1Char('\n')).toStdString();
        EXPECT_FALSE(image.isNull());
        // A finished design puts ink on the page, not a blank sheet.
        int inked = 0;
        for (int y = 0; y < image.height(); y += 4) {
            for (int x = 0; x < image.width(); x += 4)
                inked += qGray(image.pixel(x, y)) < 200;
        }
        EXPECT_GT(inked, image.width() * image.height() / 16 / 50);
    }
    EXPECT_GE(categories.size(), 4);
}
