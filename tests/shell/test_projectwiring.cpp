// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filedialogs.h"
#include "mainwindowfixture.h"

#include "documents/mrufilelist.h"
#include "objects/tgimage.h"
#include "page/calpanel32.h"
#include "pagemodel/pagemodel.h"
#include "project/projectpages.h"
#include "projectview/newprojectdialog.h"
#include "projectview/projectstrip.h"
#include "shell/documentwiring.h"
#include "templates/templates.h"

#include <QComboBox>
#include <QDockWidget>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>

namespace {

class ProjectWiring : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        connectDocuments(window());
        m_dialogs->onDialog = [this](QDialog &d) {
            if (auto *dialog = dynamic_cast<TNewProjectDialog *>(&d)) {
                if (!designTemplate.isEmpty()) {
                    auto *start = dialog->findChild<QComboBox *>(QStringLiteral("StartFrom"));
                    const int row = start->findText(designTemplate, Qt::MatchContains);
                    EXPECT_GE(row, 2) << "no template " << designTemplate.toStdString() << " among " << start->count();
                    start->setCurrentIndex(row);
                }
                dialog->findChild<QLineEdit *>(QStringLiteral("PhotoFolder"))->setText(photos);
                dialog->findChild<QLineEdit *>(QStringLiteral("ProjectFile"))->setText(projectPath);
                dialog->accept();
                return dialog->result();
            }
            if (FileDialogs::isFileDialog(d) && !chosenFile.isEmpty() && FileDialogs::choose(d, chosenFile))
                return int(QDialog::Accepted);
            return int(QDialog::Rejected);
        };
        photos = folder.filePath(QStringLiteral("photos"));
        QDir().mkpath(photos);
        for (int n = 1; n <= 3; ++n) {
            QImage photo(60 * n, 40, QImage::Format_RGB32);
            photo.fill(Qt::darkGreen);
            photo.save(photos + QStringLiteral("/%1.jpg").arg(n), "JPG");
        }
        projectPath = folder.filePath(QStringLiteral("Year/Year.ovproj"));
    }
    // The page shown gets a photo frame and shows December 2026.
    void designPage()
    {
        TCalendarPanel32 &page = window().CalendarPanel();
        page.ResetToDefaults(QDate(2026, 12, 1));
        page.model().appendObject(std::make_unique<TGImage>())->setPageBounds(QRectF(20, 20, 300, 200));
        window().setPageShown(true);
    }
    QDockWidget *pagesDock() { return window().findChild<QDockWidget *>(QStringLiteral("ProjectPages")); }
    TProjectStrip *strip() { return window().findChild<TProjectStrip *>(QStringLiteral("ProjectStrip")); }

    QTemporaryDir folder;
    QString photos;
    QString projectPath;
    QString chosenFile;
    QString designTemplate;
};

} // namespace

TEST_F(ProjectWiring, NewCalendarProjectMakesTheYearFromThePageAndOpensIt)
{
    designPage();
    ASSERT_NE(action("mnuNewCalendarProject"), nullptr);
    ASSERT_NE(window().findChild<QMenu *>(QStringLiteral("Project1")), nullptr);
    action("mnuNewCalendarProject")->trigger();
    ASSERT_TRUE(QFile::exists(projectPath)) << (m_dialogs->messages.isEmpty() ? std::string()
                                                                             : m_dialogs->messages.last().text.toStdString());
    // Three photos for twelve months is said, and the project opens on January 2027.
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_TRUE(m_dialogs->messages.front().text.contains(QLatin1String("3 photos for 12 months")));
    EXPECT_FALSE(pagesDock()->isHidden());
    ASSERT_EQ(strip()->count(), 12);
    TCalendarPanel32 &page = window().CalendarPanel();
    EXPECT_EQ(page.MainCalMonth(), 1);
    EXPECT_EQ(page.MainCalYear(), 2027);
    EXPECT_EQ(window().documentFileName(), folder.filePath(QStringLiteral("Year/2027-01.OVF")));
    EXPECT_EQ(window().mruList().files().value(0), projectPath);

    // Next Month goes to the project's next page, and at the end stays there.
    action("mnuNextMonth")->trigger();
    EXPECT_EQ(window().documentFileName(), folder.filePath(QStringLiteral("Year/2027-02.OVF")));
    EXPECT_EQ(strip()->currentRow(), 1);
    strip()->setCurrentRow(11);
    action("mnuNextMonth")->trigger();
    EXPECT_EQ(page.MainCalMonth(), 12);
    EXPECT_EQ(page.MainCalYear(), 2027);
}

TEST_F(ProjectWiring, SaveWritesEveryChangedPageAndSaveAsSavesACopyOfThePageShown)
{
    designPage();
    action("mnuNewCalendarProject")->trigger();
    ASSERT_TRUE(QFile::exists(projectPath));
    TCalendarPanel32 &page = window().CalendarPanel();
    page.SetUserTitle(QStringLiteral("Snow"));
    window().SetModified(true);
    action("mnuNextMonth")->trigger();
    page.SetUserTitle(QStringLiteral("Frost"));
    window().SetModified(true);

    chosenFile = folder.filePath(QStringLiteral("Copy.OVF"));
    action("mnuSaveAs")->trigger();
    EXPECT_TRUE(QFile::exists(chosenFile));
    EXPECT_EQ(window().documentFileName(), folder.filePath(QStringLiteral("Year/2027-02.OVF")));
    EXPECT_TRUE(window().Modified());

    action("mnuSave")->trigger();
    EXPECT_FALSE(window().Modified());
    for (const auto &[file, title] : {std::pair{"Year/2027-01.OVF", "Snow"}, {"Year/2027-02.OVF", "Frost"}, {"Copy.OVF", "Frost"}}) {
        PageModel saved;
        ASSERT_TRUE(ProjectPages::load(saved, folder.filePath(QLatin1String(file))).ok) << file;
        EXPECT_EQ(saved.UserTitle(), QLatin1String(title)) << file;
    }
    // New closes the project first; nothing is left to ask about.
    m_dialogs->messages.clear();
    action("New1")->trigger();
    EXPECT_TRUE(pagesDock()->isHidden());
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
}

TEST_F(ProjectWiring, AProjectCanStartFromATemplateWhosePhotoFrameTakesThePhotos)
{
    // The page shown has no clip art at all: the template brings its own frame.
    window().CalendarPanel().ResetToDefaults(QDate(2026, 12, 1));
    window().setPageShown(true);
    designTemplate = QStringLiteral("Seaside photo calendar");
    action("mnuNewCalendarProject")->trigger();
    ASSERT_TRUE(QFile::exists(projectPath)) << (m_dialogs->messages.isEmpty() ? std::string()
                                                                             : m_dialogs->messages.last().text.toStdString());
    PageModel first;
    ASSERT_TRUE(ProjectPages::load(first, folder.filePath(QStringLiteral("Year/2027-01.OVF"))).ok);
    ASSERT_EQ(first.objects().size(), 1u);
    const auto *photo = dynamic_cast<const TGImage *>(first.objects().front().get());
    ASSERT_NE(photo, nullptr);
    EXPECT_EQ(photo->picture().width(), 60) << "the first photo of the folder";
    EXPECT_TRUE(Templates::nameOf(first.options()).isEmpty());
}
