// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include "core/datafolders.h"
#include "gallery/savetemplatedialog.h"
#include "gallery/templategallery.h"
#include "page/calpanel32.h"
#include "pagemodel/pagemodel.h"
#include "project/projectpages.h"
#include "shell/documentwiring.h"
#include "templates/templates.h"

#include <QComboBox>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

namespace {

class TemplateWiring : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        AppPaths::setDataFolderOverride(m_data.path() + QLatin1Char('/'));
        QDir(m_data.path()).mkdir(QStringLiteral("Templates"));
        for (const auto &[file, name, layout] : {std::tuple{"a.OVF", "Desk calendar", loFC6Before6AfterLS},
                                                 std::tuple{"b.OVF", "Year at a glance", loMC12Month}}) {
            PageModel page;
            page.ResetToDefaults(QDate(2027, 1, 1));
            page.SetCalendarLayout(layout);
            page.SetUserTitle(QLatin1String(name));
            DocumentOptions options = page.options();
            Templates::setInfo(options, QLatin1String(name), QStringLiteral("Calendars"));
            page.setOptions(options);
            ASSERT_TRUE(ProjectPages::save(page, m_data.filePath(QStringLiteral("Templates/") + QLatin1String(file))).ok);
        }
        connectDocuments(window());
    }
    void TearDown() override
    {
        QDir(DataFolders::userFolder(QStringLiteral("Templates"))).removeRecursively();
        MainWindowFixture::TearDown();
        AppPaths::setDataFolderOverride(qEnvironmentVariable("ORVANE_SOURCE_DATA"));
    }
    QTemporaryDir m_data;
};

} // namespace

TEST_F(TemplateWiring, TheGalleryShowsEveryTemplateAndMakesAnUntitledCalendarOfTheMonthChosen)
{
    int shown = 0;
    m_dialogs->onDialog = [&shown](QDialog &d) {
        auto *gallery = dynamic_cast<TTemplateGallery *>(&d);
        if (!gallery)
            return int(QDialog::Rejected);
        ++shown;
        gallery->drawPending();
        auto *designs = gallery->findChild<QListWidget *>(QStringLiteral("Designs"));
        EXPECT_EQ(designs->count(), 2);
        for (int row = 0; row < designs->count(); ++row) {
            const QList<QSize> sizes = designs->item(row)->icon().availableSizes();
            EXPECT_EQ(sizes.size(), 1);
            // A picture of the page: ink where the blank sheet has none.
            const QImage picture = designs->item(row)->icon().pixmap(sizes.value(0)).toImage();
            int dark = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    dark += qAlpha(picture.pixel(x, y)) > 0 && qGray(picture.pixel(x, y)) < 100;
            EXPECT_GT(dark, 50) << row;
        }
        EXPECT_TRUE(gallery->findChild<QCheckBox *>(QStringLiteral("ShowAtStart"))->isHidden());
        designs->setCurrentRow(1);
        gallery->findChild<QComboBox *>(QStringLiteral("Month"))->setCurrentIndex(8);
        gallery->findChild<QSpinBox *>(QStringLiteral("Year"))->setValue(2027);
        return int(QDialog::Accepted);
    };
    action("mnuNewFromTemplate")->trigger();
    ASSERT_EQ(shown, 1);
    TCalendarPanel32 &page = window().CalendarPanel();
    EXPECT_EQ(page.UserTitle(), QStringLiteral("Year at a glance"));
    EXPECT_EQ(page.CalendarLayout(), loMC12Month);
    EXPECT_EQ(page.MainCalMonth(), 9);
    EXPECT_TRUE(window().documentFileName().isEmpty());
    EXPECT_TRUE(window().Modified());
    EXPECT_TRUE(Templates::nameOf(page.model().options()).isEmpty());
}

TEST_F(TemplateWiring, SaveAsTemplatePutsThePageInTheGalleryAndAsksBeforeReplacing)
{
    TCalendarPanel32 &page = window().CalendarPanel();
    page.ResetToDefaults(QDate(2027, 2, 1));
    page.SetUserTitle(QStringLiteral("Ours"));
    window().setPageShown(true);
    m_dialogs->onDialog = [](QDialog &d) {
        auto *dialog = dynamic_cast<TSaveTemplateDialog *>(&d);
        if (!dialog)
            return int(QDialog::Rejected);
        dialog->findChild<QLineEdit *>(QStringLiteral("TemplateName"))->setText(QStringLiteral("Family plan"));
        return int(QDialog::Accepted);
    };
    action("mnuSaveAsTemplate")->trigger();
    const QString saved = Templates::userTemplatePath(QStringLiteral("Family plan"));
    ASSERT_TRUE(QFile::exists(saved));
    EXPECT_EQ(Templates::find(QStringLiteral("Family plan"))->category, Templates::userCategory());

    m_dialogs->answers = {QMessageBox::No};
    page.SetUserTitle(QStringLiteral("Changed"));
    action("mnuSaveAsTemplate")->trigger();
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_TRUE(m_dialogs->messages.front().text.contains(QLatin1String("exists already")));
    PageModel kept;
    ASSERT_TRUE(ProjectPages::load(kept, saved).ok);
    EXPECT_EQ(kept.UserTitle(), QStringLiteral("Ours"));
}

TEST_F(TemplateWiring, AStartWithNothingToOpenShowsTheGalleryUntilItIsTurnedOff)
{
    int shown = 0;
    m_dialogs->onDialog = [&shown](QDialog &d) {
        auto *gallery = dynamic_cast<TTemplateGallery *>(&d);
        if (!gallery)
            return int(QDialog::Rejected);
        ++shown;
        auto *atStart = gallery->findChild<QCheckBox *>(QStringLiteral("ShowAtStart"));
        EXPECT_FALSE(atStart->isHidden());
        atStart->setChecked(false);
        return int(QDialog::Rejected);
    };
    ASSERT_TRUE(window().hooks().showGalleryAtStart);
    window().hooks().showGalleryAtStart();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(window().preferences().galleryAtStart);
    EXPECT_FALSE(Preferences::load(ini()).galleryAtStart) << "kept in OV.INI";
    window().hooks().showGalleryAtStart();
    EXPECT_EQ(shown, 1);
}
