// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "projectview/newprojectdialog.h"

#include "fakedialogs.h"

#include "objects/tgimage.h"
#include "pagemodel/pagemodel.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

namespace {

template<typename Widget>
Widget *field(QDialog &dialog, const char *name)
{
    auto *widget = dialog.findChild<Widget *>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

TNewProjectDialog::Choices someChoices()
{
    TNewProjectDialog::Choices choices;
    choices.recurringLines = {QStringLiteral("Mum").leftJustified(120) + QStringLiteral("@0312"),
                              QStringLiteral("Rent").leftJustified(120) + QStringLiteral("@0001")};
    choices.countries = {{QStringLiteral("DE"), QStringLiteral("Germany"), QStringLiteral("Deutschland"), {}},
                         {QStringLiteral("FR"), QStringLiteral("France"), QStringLiteral("France"), {}}};
    choices.holidayPlace = QStringLiteral("DE-BY");
    choices.proposedPath = QStringLiteral("/home/me/Documents/Calendar 2027/Calendar 2027.ovproj");
    return choices;
}

} // namespace

TEST(NewProjectDialog, StartsFromTheNextMonthAndTheLargestFrameAndSaysWhatToMake)
{
    ScopedFakeDialogs fake;
    PageModel design;
    design.ResetToDefaults(QDate(2026, 12, 5));
    design.appendObject(std::make_unique<TGImage>())->setPageBounds(QRectF(0, 0, 50, 50));
    design.appendObject(std::make_unique<TGImage>())->setPageBounds(QRectF(0, 0, 300, 200));
    TNewProjectDialog dialog(design, someChoices());

    ProjectBuilder::Recipe recipe = dialog.recipe();
    EXPECT_EQ(recipe.first, (MonthOfYear{1, 2027}));
    EXPECT_EQ(recipe.months, 12);
    EXPECT_EQ(recipe.cover, ProjectBuilder::Cover::None);
    EXPECT_EQ(recipe.fills.recurringLines, someChoices().recurringLines);
    // The remembered place is offered even with its region.
    EXPECT_EQ(recipe.fills.holidayPlace, QStringLiteral("DE-BY"));
    EXPECT_EQ(recipe.frame.objectIndex, 1);
    EXPECT_TRUE(recipe.photosFolder.isEmpty());

    field<QSpinBox>(dialog, "Months")->setValue(6);
    field<QComboBox>(dialog, "Cover")->setCurrentIndex(1);
    field<QListWidget>(dialog, "RecurringDates")->item(0)->setCheckState(Qt::Unchecked);
    field<QComboBox>(dialog, "Holidays")->setCurrentIndex(2);
    field<QCheckBox>(dialog, "LocalNames")->setChecked(true);
    field<QListWidget>(dialog, "CalendarFiles")->addItem(QStringLiteral("/tmp/school.ics"));
    field<QLineEdit>(dialog, "PhotoFolder")->setText(QStringLiteral("/home/me/Pictures"));
    field<QComboBox>(dialog, "PhotoFrame")->setCurrentIndex(0);
    field<QLineEdit>(dialog, "ProjectFile")->setText(QStringLiteral("/home/me/Year"));
    recipe = dialog.recipe();
    EXPECT_EQ(recipe.months, 6);
    EXPECT_EQ(recipe.cover, ProjectBuilder::Cover::Overview);
    EXPECT_EQ(recipe.fills.recurringLines, QStringList{someChoices().recurringLines[1]});
    EXPECT_EQ(recipe.fills.holidayPlace, QStringLiteral("FR"));
    EXPECT_TRUE(recipe.fills.holidayLocalNames);
    EXPECT_EQ(recipe.fills.icsFiles, QStringList{QStringLiteral("/tmp/school.ics")});
    EXPECT_EQ(recipe.photosFolder, QStringLiteral("/home/me/Pictures"));
    EXPECT_EQ(recipe.frame.objectIndex, 0);
    EXPECT_EQ(dialog.projectPath(), QStringLiteral("/home/me/Year.ovproj"));

    field<QCheckBox>(dialog, "FillRecurring")->setChecked(false);
    EXPECT_TRUE(dialog.recipe().fills.recurringLines.isEmpty());
}

TEST(NewProjectDialog, RefusesPhotosWithoutAFrameAndAProjectWithoutAName)
{
    ScopedFakeDialogs fake;
    PageModel design;
    design.ResetToDefaults(QDate(2026, 12, 5));
    TNewProjectDialog dialog(design, someChoices());
    EXPECT_EQ(field<QComboBox>(dialog, "PhotoFrame")->currentText(), QStringLiteral("The design has no clip-art object"));
    field<QLineEdit>(dialog, "PhotoFolder")->setText(QStringLiteral("/home/me/Pictures"));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(fake->messages.size(), 1);
    EXPECT_TRUE(fake->messages.front().text.contains(QLatin1String("photo frame")));

    field<QLineEdit>(dialog, "PhotoFolder")->clear();
    field<QLineEdit>(dialog, "ProjectFile")->clear();
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(fake->messages.last().text, QStringLiteral("Name the project file."));

    field<QLineEdit>(dialog, "ProjectFile")->setText(QStringLiteral("/tmp/Year.ovproj"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.recipe().frame.objectIndex.has_value());
}
