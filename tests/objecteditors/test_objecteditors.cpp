// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "fakedialogs.h"
#include "objecteditors/colorcombobox.h"
#include "objecteditors/dialogobjecteditors.h"
#include "objecteditors/gcalflateditor.h"
#include "objecteditors/gf3d.h"
#include "objecteditors/ggettext.h"
#include "objects/tgflatcalendar.h"
#include "objects/tgplabel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

namespace {

// Installs the real dialogs over a fake dialog service for one test.
struct Editors
{
    Editors() { ObjectEditors::setInstance(&editors); }
    ~Editors() { ObjectEditors::setInstance(nullptr); }
    FakeDialogService &dialogs() { return *scoped; }

    ScopedFakeDialogs scoped;
    DialogObjectEditors editors;
};

bool runEntry(TGGraphicControl &object, const QString &caption)
{
    const ObjectMenuEntry *entry = findMenuEntry(object.popupMenu(), caption);
    if (!entry || !entry->action)
        return false;
    entry->action();
    return true;
}

} // namespace

TEST(TGetLabelText, TheLabelsTextMenuEntryEditsItsCaption)
{
    Editors e;
    TGPLabel label;
    label.AfterLoad();
    e.dialogs().onDialog = [](QDialog &dialog) {
        auto *text = dynamic_cast<TGetLabelText *>(&dialog);
        EXPECT_TRUE(text);
        if (!text)
            return int(QDialog::Rejected);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Text"));
        EXPECT_EQ(text->LabelText()->text(), QStringLiteral("Text"));
        text->LabelText()->setText(QStringLiteral("Happy Birthday"));
        return int(QDialog::Accepted);
    };
    ASSERT_TRUE(runEntry(label, QStringLiteral("Text")));
    EXPECT_EQ(label.Caption(), QStringLiteral("Happy Birthday"));

    e.dialogs().onDialog = [](QDialog &dialog) {
        static_cast<TGetLabelText &>(dialog).LabelText()->setText(QStringLiteral("No"));
        return int(QDialog::Rejected);
    };
    runEntry(label, QStringLiteral("Text"));
    EXPECT_EQ(label.Caption(), QStringLiteral("Happy Birthday"));
}

TEST(TGFont3DEffects, ControlsShowTheLabelAndOkCopiesTheSampleBack)
{
    Editors e;
    TGPLabel label;
    label.AfterLoad();
    label.SetDepthShadow(12);
    label.SetDirectionHighlight(hdUp);
    label.SetcolorShadow(0x123456);
    e.dialogs().onDialog = [](QDialog &dialog) {
        auto &effects = dynamic_cast<TGFont3DEffects &>(dialog);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Text 3D Effects"));
        // A depth the list cannot show leaves it without a choice.
        EXPECT_EQ(effects.ShadowDepth()->currentIndex(), -1);
        EXPECT_EQ(effects.HighlightDirection()->currentText(), QStringLiteral("Up"));
        EXPECT_EQ(effects.ShadowColorCombo()->color(), 0x123456);
        emit effects.HighLightDepth()->activated(3);
        emit effects.ShadowDirection()->activated(1);
        effects.FontColorCombo()->setColor(Colors::clRed);
        emit effects.FontColorCombo()->colorChanged(Colors::clRed);
        EXPECT_EQ(effects.Sample().DepthHighlight(), 3);
        return int(QDialog::Accepted);
    };
    ASSERT_TRUE(runEntry(label, QStringLiteral("3D Effects")));
    EXPECT_EQ(label.DepthHighlight(), 3);
    EXPECT_EQ(label.DirectionShadow(), sdRight);
    EXPECT_EQ(label.DepthShadow(), 12);
    EXPECT_EQ(label.colorShadow(), 0x123456);
    EXPECT_EQ(label.Font().color(), Colors::clRed);
    EXPECT_EQ(label.Font().name(), QStringLiteral("Arial"));

    e.dialogs().onDialog = [](QDialog &dialog) {
        emit static_cast<TGFont3DEffects &>(dialog).HighLightDepth()->activated(9);
        return int(QDialog::Rejected);
    };
    runEntry(label, QStringLiteral("3D Effects"));
    EXPECT_EQ(label.DepthHighlight(), 3);
}

TEST(TFlatCalendarEditor, EditsAPreviewAtZoomOne)
{
    Editors e;
    TGFlatCalendar calendar(QDate(1997, 1, 1));
    calendar.setZoomFactor(0.5f);
    calendar.setBounds(0, 0, 100, 80);
    calendar.SetYear(3000);
    calendar.AfterLoad();
    e.dialogs().onDialog = [](QDialog &dialog) {
        auto &editor = dynamic_cast<TFlatCalendarEditor &>(dialog);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Floating Calendar Properties"));
        EXPECT_EQ(editor.Sample().boundsRect().size(), QSize(200, 160));
        EXPECT_EQ(editor.monthList()->currentText(), QStringLiteral("January"));
        EXPECT_EQ(editor.yearSpinner()->value(), 2500);
        EXPECT_EQ(editor.weekStart()->checkedId(), 1) << "Sunday";
        EXPECT_EQ(editor.languageList()->count(), 5);
        emit editor.monthList()->activated(4);
        emit editor.languageList()->activated(1);
        emit editor.weekStart()->idClicked(2);
        emit editor.cellBorderList()->activated(4);
        editor.transparentBox()->setChecked(true);
        editor.depthSpinner()->setValue(7);
        auto *weeks = editor.findChild<QComboBox *>(QStringLiteral("WeekNumbers"));
        EXPECT_EQ(weeks->currentText(), QStringLiteral("None"));
        emit weeks->activated(weeks->findText(QStringLiteral("ISO 8601")));
        EXPECT_EQ(editor.Sample().Month(), 5);
        return int(QDialog::Accepted);
    };
    ASSERT_TRUE(runEntry(calendar, QStringLiteral("Properties")));
    EXPECT_EQ(calendar.Month(), 5);
    EXPECT_EQ(calendar.Language(), fclGerman);
    EXPECT_EQ(calendar.StartOfWeek(), 2);
    EXPECT_EQ(calendar.CellBorderStyle(), fcbTopBottom);
    EXPECT_TRUE(calendar.CalTransparent());
    EXPECT_EQ(calendar.ShadowDepth(), 7);
    EXPECT_EQ(calendar.weekNumbers(), PageOptions::WeekNumbers::Iso);
    // A year the spinner cannot show survives when the user leaves it alone.
    EXPECT_EQ(calendar.Year(), 3000);
    EXPECT_EQ(calendar.boundsRect().size(), QSize(100, 80));
}

TEST(ColorComboBox, KeepsAColourOutsideTheStandardOnes)
{
    ColorComboBox combo;
    EXPECT_EQ(combo.count(), 17);
    EXPECT_EQ(combo.itemText(16), QStringLiteral("Other..."));
    combo.setColor(Colors::clTeal);
    EXPECT_EQ(combo.currentText(), QStringLiteral("Teal"));
    combo.setColor(0x010203);
    combo.setColor(0x040506);
    EXPECT_EQ(combo.count(), 18);
    EXPECT_EQ(combo.color(), 0x040506);
    EXPECT_EQ(combo.itemText(17), QStringLiteral("Other..."));
}

TEST(ColorComboBox, OtherOpensTheColourDialogAndCancelKeepsTheColour)
{
    ScopedFakeDialogs dialogs;
    ColorComboBox combo;
    combo.setColor(Colors::clRed);
    QList<TColor> reported;
    QObject::connect(&combo, &ColorComboBox::colorChanged, [&](TColor color) { reported << color; });
    dialogs->onDialog = [](QDialog &dialog) {
        dynamic_cast<QColorDialog &>(dialog).setCurrentColor(QColor(1, 2, 3));
        return int(QDialog::Accepted);
    };
    const int other = combo.count() - 1;
    emit combo.activated(other);
    EXPECT_EQ(combo.color(), 0x030201);
    EXPECT_EQ(combo.currentText(), QStringLiteral("Custom"));
    EXPECT_EQ(reported, QList<TColor>{0x030201});
    dialogs->onDialog = [](QDialog &) { return int(QDialog::Rejected); };
    emit combo.activated(combo.count() - 1);
    EXPECT_EQ(combo.color(), 0x030201);
    EXPECT_EQ(reported.size(), 1);
}
