// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// orvane-render --new-project and --project: calendar projects made, listed and written out.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "renderprocess.h"

namespace {

struct ProjectFolder
{
    ProjectFolder()
    {
        photos = dir.filePath(QStringLiteral("photos"));
        QDir().mkpath(photos);
        for (int n : {1, 2, 10}) {
            QImage photo(80 * n, 120, QImage::Format_RGB32);
            photo.fill(QColor(20 * n, 100, 200));
            photo.save(photos + QStringLiteral("/photo%1.jpg").arg(n), "JPG");
        }
        design = dir.filePath(QStringLiteral("design.OVF"));
        const RunResult made = render({"--layout", "0", "--month", "5", "--year", "2026", "--margins", "0.5,4.5,0.5,0.5",
                                       "--save", design});
        EXPECT_EQ(made.exitCode, 0) << made.err.constData();
        project = dir.filePath(QStringLiteral("year/Year.ovproj"));
    }
    QJsonObject geometry()
    {
        const RunResult run = render({"--project", project, "--geometry"});
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        return QJsonDocument::fromJson(run.out).object();
    }

    QTemporaryDir dir;
    QString photos;
    QString design;
    QString project;
};

} // namespace

TEST(RenderProjects, MakesAYearWithPhotosAndHolidaysAndWritesItAsOnePdfAndNumberedImages)
{
    ProjectFolder folder;
    const RunResult made = render({folder.design, "--new-project", folder.project, "--first", "2027-01", "--months",
                                   "3", "--cover", "overview", "--photos", folder.photos, "--photo-rect",
                                   "0.5,0.5,7.5,3.5", "--fill-holidays", "DE-BY", "--local-names"});
    ASSERT_EQ(made.exitCode, 0) << made.err.constData();
    const QJsonObject geometry = folder.geometry();
    const QJsonArray pages = geometry["pages"].toArray();
    ASSERT_EQ(pages.size(), 4);
    EXPECT_EQ(pages[0].toObject()["kind"].toString(), "cover");
    EXPECT_EQ(pages[0].toObject()["layout"].toInt(), 10);
    for (int k = 1; k <= 3; ++k) {
        const QJsonObject page = pages[k].toObject();
        EXPECT_EQ(page["shows"].toString(), QStringLiteral("2027-%1").arg(k, 2, 10, QLatin1Char('0')));
        EXPECT_EQ(page["objects"].toInt(), 1);
    }
    // Neujahr and Heilige Drei Koenige in January, nothing in February, Easter in March.
    EXPECT_EQ(pages[1].toObject()["cellsWithText"].toInt(), 2);
    EXPECT_EQ(pages[2].toObject()["cellsWithText"].toInt(), 0);
    EXPECT_EQ(pages[3].toObject()["cellsWithText"].toInt(), 2);
    EXPECT_EQ(geometry["photoFrame"].toString(), "Component0");

    const QString pdf = folder.dir.filePath(QStringLiteral("year.pdf"));
    RunResult run = render({"--project", folder.project, "--out", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(file.readAll());
    EXPECT_EQ(bytes.count(QRegularExpression(QStringLiteral("/Type /Page\\b"))), 4);
    EXPECT_TRUE(bytes.contains(QLatin1String("/DCTDecode")));

    run = render({"--project", folder.project, "--out", folder.dir.filePath(QStringLiteral("page-%02d.png")), "--zoom",
                  "0.25"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    for (int n = 1; n <= 4; ++n)
        EXPECT_FALSE(QImage(folder.dir.filePath(QStringLiteral("page-0%1.png").arg(n))).isNull()) << n;
}

TEST(RenderProjects, SaysWhatIsWrongWithTheOptionsTheDesignOrTheProject)
{
    ProjectFolder folder;
    const auto fails = [](const QStringList &arguments, int status, const char *message) {
        const RunResult run = render(arguments);
        EXPECT_EQ(run.exitCode, status) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.constData();
    };
    fails({folder.design, "--new-project", folder.project, "--months", "12"}, 2, "needs --first YYYY-MM");
    fails({folder.design, "--new-project", folder.project, "--first", "2027-13", "--months", "12"}, 2,
          "invalid value for --first");
    fails({folder.design, "--new-project", folder.project, "--first", "2027-01", "--months", "25"}, 2, "1 to 24");
    fails({folder.design, "--first", "2027-01"}, 2, "go with --new-project");
    fails({folder.design, "--new-project", folder.project, "--first", "2027-01", "--months", "2", "--photo-frame",
           "Component0"},
          2, "go with --photos");
    // A design without clip art and no frame given: the photos have nowhere to go.
    fails({folder.design, "--new-project", folder.project, "--first", "2027-01", "--months", "2", "--photos",
           folder.photos},
          1, "--photo-rect");
    EXPECT_FALSE(QFile::exists(folder.project));

    ASSERT_EQ(render({folder.design, "--new-project", folder.project, "--first", "2027-01", "--months", "2"}).exitCode, 0);
    fails({folder.design, "--new-project", folder.project, "--first", "2027-01", "--months", "2"}, 1, "exists already");
    QFile::remove(folder.dir.filePath(QStringLiteral("year/2027-02.OVF")));
    fails({"--project", folder.project, "--out", folder.dir.filePath(QStringLiteral("x.pdf"))}, 1, "2027-02.OVF");
    const RunResult listed = render({"--project", folder.project, "--geometry"});
    EXPECT_EQ(listed.exitCode, 3);
    EXPECT_EQ(QJsonDocument::fromJson(listed.out).object()["missing"].toArray(), QJsonArray{"2027-02.OVF"});
    fails({"--project", folder.design, "--geometry"}, 1, "not a project file");
}

TEST(RenderTemplates, ListsTheTemplatesAndStartsAPageFromOne)
{
    const RunResult listed = render({"--templates"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.constData();
    const QJsonArray templates = QJsonDocument::fromJson(listed.out).array();
    ASSERT_GE(templates.size(), 16);
    QStringList names;
    for (const QJsonValue &value : templates)
        names << value.toObject()["name"].toString();
    EXPECT_TRUE(names.contains("Week planner"));
    EXPECT_EQ(templates[0].toObject()["origin"].toString(), "program");

    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("December.OVF"));
    const RunResult made = render({"--template", "holiday SEASON", "--month", "12", "--year", "2027", "--save", saved,
                                   "--geometry"});
    ASSERT_EQ(made.exitCode, 0) << made.err.constData();
    const QJsonObject geometry = QJsonDocument::fromJson(made.out).object();
    EXPECT_EQ(geometry["title"].toString(), "December 2027");
    // The new calendar is no template: it names none.
    const RunResult dump = render({"--dump", saved});
    EXPECT_FALSE(dump.out.contains("TemplateName")) << "a calendar made from a template is not one";

    const RunResult missing = render({"--template", "Poster", "--out", dir.filePath(QStringLiteral("x.png"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("no template named Poster"));
}
