// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "projectview/projectsession.h"
#include "projectview/projectstrip.h"

#include "../documents/stubdocumenthost.h"
#include "fakedialogs.h"

#include "documents/documentcommands.h"
#include "objects/tgimage.h"
#include "page/calpanel32.h"
#include "pagemodel/pagemodel.h"
#include "project/projectbuilder.h"
#include "project/projectpages.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// A window holding one page, its document commands and a project of three months.
struct ProjectWindow : StubDocumentHost {
    ProjectWindow()
    {
        calendar.ResetToDefaults(QDate(2026, 12, 1));
        commands = std::make_unique<DocumentCommands>(*this);
        session = std::make_unique<ProjectSession>(*commands, *this);
        PageModel design;
        design.ResetToDefaults(QDate(2026, 12, 1));
        ProjectBuilder::Recipe recipe;
        recipe.first = {1, 2027};
        recipe.months = 3;
        recipe.cover = ProjectBuilder::Cover::Copy;
        projectPath = dir.filePath(QStringLiteral("Year.ovproj"));
        const ProjectBuilder::Result built
            = ProjectBuilder::build(ProjectPages::documentBytes(design), recipe, projectPath);
        EXPECT_TRUE(built.ok()) << built.error.toStdString();
    }
    // A change as the window makes one: it marks the document and records an undo step.
    void change(const std::function<void(TCalendarPanel32 &)> &edit)
    {
        edit(calendar);
        SetModified(true);
        commands->recordChange();
        commands->flushPendingChange();
    }
    // The title a page has in its file.
    QString savedTitle(const char *file)
    {
        PageModel page;
        EXPECT_TRUE(ProjectPages::load(page, dir.filePath(QLatin1String(file))).ok);
        return page.UserTitle();
    }

    ScopedFakeDialogs fake;
    QTemporaryDir dir;
    QString projectPath;
    std::unique_ptr<DocumentCommands> commands;
    std::unique_ptr<ProjectSession> session;
};

} // namespace

TEST(ProjectSession, EachPageKeepsItsChangesAndUndoWhileAnotherIsShownAndSaveWritesThemAll)
{
    ProjectWindow w;
    ASSERT_TRUE(w.session->open(w.projectPath));
    // The first month shows, after the cover.
    EXPECT_EQ(w.session->currentPage(), 1);
    EXPECT_EQ(w.calendar.MainCalMonth(), 1);
    w.change([](TCalendarPanel32 &page) { page.SetUserTitle(QStringLiteral("Snow")); });

    ASSERT_TRUE(w.session->step(2));
    EXPECT_EQ(w.calendar.MainCalMonth(), 3);
    EXPECT_FALSE(w.Modified());
    EXPECT_FALSE(w.commands->canUndo());
    w.change([](TCalendarPanel32 &page) { page.SetUserTitle(QStringLiteral("Spring")); });
    EXPECT_FALSE(w.session->step(1));
    EXPECT_TRUE(w.session->isModified(1));
    EXPECT_FALSE(w.session->isModified(2));

    ASSERT_TRUE(w.session->showPage(1));
    EXPECT_EQ(w.calendar.UserTitle(), QStringLiteral("Snow"));
    EXPECT_TRUE(w.Modified());
    ASSERT_TRUE(w.commands->canUndo());
    w.commands->Undo();
    EXPECT_TRUE(w.calendar.UserTitle().isEmpty());
    EXPECT_FALSE(w.Modified());
    w.commands->Redo();
    ASSERT_TRUE(w.session->saveAll());
    EXPECT_FALSE(w.session->anyModified());
    EXPECT_EQ(w.savedTitle("2027-01.OVF"), QStringLiteral("Snow"));
    EXPECT_EQ(w.savedTitle("2027-03.OVF"), QStringLiteral("Spring"));
    EXPECT_TRUE(w.savedTitle("2027-02.OVF").isEmpty());
    // The page shown saved under its own name, the parked one as it was left.
    EXPECT_EQ(w.fileName, w.dir.filePath(QStringLiteral("2027-01.OVF")));
    ASSERT_TRUE(w.session->showPage(3));
    EXPECT_FALSE(w.Modified());
    EXPECT_TRUE(w.commands->canUndo());
}

TEST(ProjectSession, StyleAndObjectsGoToEveryPageWhichKeepsItsMonthAndCanUndoThem)
{
    ProjectWindow w;
    ASSERT_TRUE(w.session->open(w.projectPath));
    w.change([](TCalendarPanel32 &page) {
        page.SetTitleBGColor(0x00FFCC99);
        page.SetLeftMarginInch(1.25f);
    });
    w.session->applyStyleToAll();
    EXPECT_EQ(w.session->currentPage(), 1);
    auto *photo = w.calendar.appendObject(std::make_unique<TGImage>());
    photo->setPageBounds(QRectF(30, 40, 200, 100));
    w.session->copyObjectsToAll({photo});

    for (int index : {0, 2, 3}) {
        PageModel page;
        ASSERT_TRUE(w.session->readPage(index, page));
        EXPECT_EQ(page.settings().main.titleBGColor, TColor(0x00FFCC99)) << index;
        EXPECT_FLOAT_EQ(page.LeftMarginInch(), 1.25f);
        EXPECT_EQ(page.MainCalMonth(), index == 0 ? 1 : index) << index;
        ASSERT_EQ(page.objects().size(), 1u);
        EXPECT_EQ(page.objects().front()->pageBounds(), QRectF(30, 40, 200, 100));
        EXPECT_TRUE(w.session->isModified(index));
    }
    // On its page, copying the object is one step and the style the one before.
    ASSERT_TRUE(w.session->showPage(2));
    w.commands->Undo();
    EXPECT_TRUE(w.calendar.objects().empty());
    EXPECT_EQ(w.calendar.model().settings().main.titleBGColor, TColor(0x00FFCC99));
    w.commands->Undo();
    EXPECT_NE(w.calendar.model().settings().main.titleBGColor, TColor(0x00FFCC99));
    EXPECT_EQ(w.calendar.MainCalMonth(), 2);
}

TEST(ProjectSession, PrintsEveryPageAsItIsNowAsOneJob)
{
    ProjectWindow w;
    ASSERT_TRUE(w.session->open(w.projectPath));
    ASSERT_TRUE(w.session->showPage(2));
    w.change([](TCalendarPanel32 &page) {
        // Orientation goes with the layout: each layout has a portrait and a landscape form.
        page.SetCalendarLayout(layoutInOrientation(page.CalendarLayout(), coPortrait));
        page.SetCalendarOrientation(coPortrait);
    });
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QList<int> asked;
    QString error;
    ASSERT_TRUE(w.session->print(writer, &error, [&asked](int page) {
        asked << page;
        return true;
    })) << error.toStdString();
    EXPECT_EQ(asked, (QList<int>{0, 1, 2, 3}));
    // The unsaved portrait page prints upright among the landscape ones.
    const QString text = QString::fromLatin1(pdf);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type /Page\\b"))), 4);
    EXPECT_EQ(text.count(QStringLiteral("/MediaBox [0 0 612.000000 792.000000]")), 1);
    EXPECT_EQ(text.count(QStringLiteral("/MediaBox [0 0 792.000000 612.000000]")), 3);
}

TEST(ProjectSession, ClosingAsksOnceForAllPagesAndCancelKeepsEverything)
{
    ProjectWindow w;
    ASSERT_TRUE(w.session->open(w.projectPath));
    w.change([](TCalendarPanel32 &page) { page.SetUserTitle(QStringLiteral("Snow")); });
    ASSERT_TRUE(w.session->showPage(2));

    w.fake->answers = {QMessageBox::Cancel};
    EXPECT_FALSE(w.session->close());
    EXPECT_TRUE(w.session->isOpen());
    EXPECT_TRUE(w.session->isModified(1));

    w.fake->answers = {QMessageBox::Discard};
    EXPECT_TRUE(w.session->close());
    EXPECT_FALSE(w.session->isOpen());
    EXPECT_TRUE(w.savedTitle("2027-01.OVF").isEmpty());
    ASSERT_EQ(w.fake->messages.size(), 2);
    EXPECT_EQ(w.fake->messages.last().text, QStringLiteral("Save changes to the pages of Year.ovproj?"));
}

TEST(ProjectSession, AProjectWithAMissingPageIsRefusedNamingIt)
{
    ProjectWindow w;
    QFile::remove(w.dir.filePath(QStringLiteral("2027-02.OVF")));
    EXPECT_FALSE(w.session->open(w.projectPath));
    EXPECT_FALSE(w.session->isOpen());
    ASSERT_EQ(w.fake->messages.size(), 1);
    EXPECT_TRUE(w.fake->messages.front().text.contains(QLatin1String("2027-02.OVF")));
}

TEST(ProjectStrip, ShowsAPictureOfEveryPageAndFollowsTheClicks)
{
    ProjectWindow w;
    TProjectStrip strip(*w.session);
    ASSERT_TRUE(w.session->open(w.projectPath));
    strip.rebuild();
    strip.drawPending();
    ASSERT_EQ(strip.count(), 4);
    EXPECT_EQ(strip.item(0)->text(), QStringLiteral("Cover"));
    EXPECT_EQ(strip.item(3)->text(), QStringLiteral("March 2027"));
    // A landscape letter page drawn as wide as the strip's pictures, with its edge.
    ASSERT_EQ(w.calendar.CalendarOrientation(), coLandscape);
    const QList<QSize> sizes = strip.item(2)->icon().availableSizes();
    ASSERT_EQ(sizes.size(), 1);
    EXPECT_NEAR(sizes.front().width(), TProjectStrip::kThumbnailHeight + 2, 1.5);
    EXPECT_NEAR(sizes.front().height(), TProjectStrip::kThumbnailHeight * 8.5 / 11 + 2, 1.5);
    EXPECT_EQ(strip.currentRow(), 1);

    strip.setCurrentRow(3);
    EXPECT_EQ(w.session->currentPage(), 3);
    EXPECT_EQ(w.calendar.MainCalMonth(), 3);
}

TEST(ProjectSession, EveryChangedPageHasARecoveryCopyUntilItIsSaved)
{
    QTemporaryDir recovery;
    const QString folder = recovery.path() + QLatin1Char('/');
    const auto orphansAfterACrash = [&folder](ProjectWindow &w) {
        // The window's copies stay behind when its program ends without closing them.
        w.commands->setRecoveryCopy(RecoveryCopy(folder, QStringLiteral("gone"), QString()));
        RecoveryCopy later(folder, QStringLiteral("later"), QString());
        QStringList names;
        for (const RecoveryCopy::Orphan &orphan : later.claimOrphans()) {
            names << QFileInfo(orphan.contents.documentName).fileName();
            later.discardOrphan(orphan);
        }
        names.sort();
        return names;
    };
    {
        ProjectWindow w;
        w.commands->setRecoveryCopy(RecoveryCopy(folder, QStringLiteral("first"), QString()));
        ASSERT_TRUE(w.session->open(w.projectPath));
        w.change([](TCalendarPanel32 &page) { page.SetUserTitle(QStringLiteral("Snow")); });
        ASSERT_TRUE(w.session->showPage(3));
        w.change([](TCalendarPanel32 &page) { page.SetUserTitle(QStringLiteral("Spring")); });
        w.commands->writeRecoveryCopy();
        // Shown again, page 1's copy is the shown document's and page 3's is kept aside.
        ASSERT_TRUE(w.session->showPage(1));
        ASSERT_TRUE(w.session->showPage(2));
        EXPECT_EQ(orphansAfterACrash(w), (QStringList{QStringLiteral("2027-01.OVF"), QStringLiteral("2027-03.OVF")}));
    }
    {
        ProjectWindow w;
        w.commands->setRecoveryCopy(RecoveryCopy(folder, QStringLiteral("second"), QString()));
        ASSERT_TRUE(w.session->open(w.projectPath));
        w.change([](TCalendarPanel32 &page) { page.SetUserTitle(QStringLiteral("Snow")); });
        ASSERT_TRUE(w.session->showPage(2));
        ASSERT_TRUE(w.session->saveAll());
        EXPECT_TRUE(orphansAfterACrash(w).isEmpty());
    }
}
