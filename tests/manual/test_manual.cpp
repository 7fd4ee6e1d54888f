// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "fakedialogs.h"
#include "shots.h"
#include "core/apppaths.h"
#include "icons/floater.h"
#include "objects/objectkinds.h"
#include "objects/tggraphiccontrol.h"
#include "page/calpanel32.h"
#include "shell/camain.h"
#include "shell/cellwiring.h"
#include "shell/documentwiring.h"
#include "shell/iconwiring.h"
#include "surface/surfacemenu.h"
#include "widgets/helpwindow.h"

namespace {

// A caption as the manual writes it: no accelerator marks, no trailing dots or blanks.
QString bare(QString caption)
{
    caption.remove(QLatin1Char('&'));
    caption = caption.trimmed();
    if (caption.endsWith(QLatin1String("...")))
        caption.chop(3);
    return caption.trimmed();
}

void addMenu(const QMenu &menu, const QString &where, QStringList &commands)
{
    for (const QAction *action : menu.actions()) {
        if (action->isSeparator())
            continue;
        commands << where + QStringLiteral(" > ") + bare(action->text());
        if (action->menu())
            addMenu(*action->menu(), where, commands);
    }
}

void addObjectMenu(const ObjectMenu &menu, const QString &where, QStringList &commands)
{
    for (const ObjectMenuEntry &entry : menu) {
        if (entry.separator)
            continue;
        commands << where + QStringLiteral(" > ") + bare(entry.caption);
        addObjectMenu(entry.submenu, where, commands);
    }
}

// The text of every page, lower case.
QString manualText()
{
    HelpSearchIndex index;
    index.load(HelpWindow::helpFolder());
    QString text;
    for (const HelpSearchIndex::Page &page : index.pages())
        text += page.text + QLatin1Char('\n');
    return text;
}

QStringList missingFrom(const QString &text, const QStringList &entries)
{
    QStringList missing;
    for (const QString &entry : entries) {
        const QString caption = entry.section(QStringLiteral(" > "), -1).simplified().toLower();
        if (!text.contains(caption))
            missing << entry;
    }
    return missing;
}

class Manual : public ::testing::Test
{
protected:
    void SetUp() override { AppPaths::setUserFolderOverride(m_user.path()); }
    void TearDown() override { AppPaths::setUserFolderOverride(QString()); }

    QTemporaryDir m_user;
    ScopedFakeDialogs m_dialogs;
};

} // namespace

TEST_F(Manual, MentionsEveryMenuCommandOfTheWiredProgram)
{
    TCalendarMain window;
    connectDocuments(window);
    CellEditing *editing = connectCellEditing(window);
    // The icons window is made when first asked for.
    TFloatingPalette *palette = &connectIconPalette(window, *editing)();
    QStringList commands;
    for (const QAction *top : window.menuBar()->actions()) {
        ASSERT_NE(top->menu(), nullptr);
        addMenu(*top->menu(), bare(top->text()), commands);
    }
    ASSERT_NE(palette, nullptr);
    addMenu(palette->fileMenu(), QStringLiteral("Icons window File"), commands);
    const SurfaceMenu pageMenu(window.CalendarPanel());
    addMenu(pageMenu.menu(), QStringLiteral("Page popup"), commands);
    ToolPage page;
    page.date = QDate(2026, 5, 1);
    for (const ObjectKind &kind : ObjectKinds::all()) {
        const std::unique_ptr<TGGraphicControl> object = kind.createForTool(page);
        addObjectMenu(object->popupMenu(), QLatin1String(kind.className), commands);
    }
    // The program has them all: a menu that came up short would make the test pass emptily.
    for (const char *expected : {"File > New Calendar Project", "File > Save as Template", "Project > Close Project",
                                 "Help > Contents", "Icons window File > Other", "Page popup > Select All",
                                 "TGImage > Stretch to Fit", "TGPLabel > 270 Degrees"})
        EXPECT_TRUE(commands.contains(QLatin1String(expected))) << expected;
    const QStringList missing = missingFrom(manualText(), commands);
    EXPECT_TRUE(missing.isEmpty()) << "no page of the manual mentions: " << missing.join(QStringLiteral(", ")).toStdString();
}

TEST_F(Manual, MentionsEveryDialogByItsCaption)
{
    QStringList captions;
    for (const Shot &shot : manualShots()) {
        const std::unique_ptr<QWidget> widget = shot.make();
        // "Set Time As: 9:00 AM" is the dialog "Set Time As"; "Orvane[*]" the main window.
        QString title = widget->windowTitle().section(QLatin1Char(':'), 0, 0);
        title.remove(QStringLiteral("[*]"));
        ASSERT_FALSE(bare(title).isEmpty()) << shot.name.toStdString();
        captions << shot.name + QStringLiteral(" > ") + bare(title);
    }
    // Dialogs made inside the commands that run them, which the tool cannot build alone.
    for (const char *caption : {"Print Preview", "Save Year As PDF File", "Margin Warning", "Other Languages",
                                "Symbol Selector", "Load Texture Image", "Select Events To Use",
                                "Add Recurring Date", "Edit Recurring Date Formula", "About Orvane", "Icons", "Font"})
        captions << QStringLiteral("dialog > ") + QLatin1String(caption);
    const QStringList missing = missingFrom(manualText(), captions);
    EXPECT_TRUE(missing.isEmpty()) << "no page of the manual mentions: " << missing.join(QStringLiteral(", ")).toStdString();
}

TEST_F(Manual, EveryPictureAPageShowsIsMadeByTheTool)
{
    QStringList made;
    for (const Shot &shot : manualShots())
        made << QStringLiteral("images/") + shot.name + QStringLiteral(".png");
    const QRegularExpression image(QStringLiteral("<img\\s+src=\"([^\"]+)\""));
    HelpSearchIndex index;
    index.load(HelpWindow::helpFolder());
    int pictures = 0;
    for (const HelpSearchIndex::Page &page : index.pages()) {
        QFile file(HelpWindow::helpFolder() + page.file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        for (auto it = image.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext(); ++pictures) {
            const QString source = it.next().captured(1);
            EXPECT_TRUE(made.contains(source)) << page.file.toStdString() << " shows " << source.toStdString();
        }
    }
    EXPECT_GT(pictures, 10);
}
