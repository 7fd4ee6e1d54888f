// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filedialogs.h"
#include "mainwindowfixture.h"

#include "cells/cellediting.h"
#include "icons/floater.h"
#include "icons/icondrag.h"
#include "icons/iconfiles.h"
#include "icons/iconlistbox.h"
#include "page/calpanel32.h"
#include "properties/calprop.h"
#include "richedit/twprichtext.h"
#include "richtext/rtfreader.h"
#include "shell/cellwiring.h"
#include "shell/documentwiring.h"
#include "shell/iconwiring.h"
#include "widgets/dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QImageWriter>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QMimeData>
#include <QTextDocument>
#include <QTextFragment>
#include <QToolButton>

#include <memory>
#include <optional>

namespace {

const QColor kIconColor(200, 30, 60);

// The whole program as main() connects it, over a data folder with one real icon file, and
// a new month calendar open.
class IconWiring : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        m_savedData = AppPaths::dataFolder();
        AppPaths::setDataFolderOverride(m_data.path() + QLatin1Char('/'));
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(kIconColor);
        ASSERT_TRUE(QImageWriter(m_data.filePath(QStringLiteral("misc1.icl")), "ico").write(icon));

        connectDocuments(window());
        m_editing = connectCellEditing(window());
        const std::function<TFloatingPalette &()> palette = connectIconPalette(window(), *m_editing);
        m_dialogs->onDialog = [this](QDialog &d) { return answer(d); };
        // Made when first needed: at start once the document shows, with the rest of the start.
        EXPECT_EQ(window().iconsWindow(), nullptr);
        window().FormActivate();
        QCoreApplication::sendPostedEvents();
        ASSERT_NE(window().iconsWindow(), nullptr);
        m_palette = &palette();
        EXPECT_EQ(window().iconsWindow(), m_palette);
        action("New1")->trigger();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        window().CalendarPanel().UpdateCellTable();
        window().SetModified(false);
        m_dialogsSeen = 0;
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        AppPaths::setDataFolderOverride(m_savedData);
    }

    int answer(QDialog &d)
    {
        ++m_dialogsSeen;
        m_paletteVisibleInDialog = m_palette && m_palette->isVisible();
        if (auto *properties = dynamic_cast<TCalendarProperties *>(&d)) {
            properties->FormActivate();
            properties->findChild<QListWidget *>(QStringLiteral("LayoutList"))->setCurrentRow(m_layoutRow);
            properties->OkButtonClick();
            return properties->result();
        }
        if (FileDialogs::choose(d, m_chosenFile))
            return int(m_chosenFile.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
        return int(QDialog::Rejected);
    }

    TCalendarPanel32 &page() { return window().CalendarPanel(); }
    QToolButton *iconTool() { return window().findChild<QToolButton *>(QStringLiteral("ShowHideIconTool")); }
    QPoint cellCentre(int day)
    {
        const PageRect r = page().cellTable().cell(page().CellOfDay(day)).rTotal;
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // Sends the events of a drag that ends over 'point' of 'target'; whether it was taken.
    bool dropIcon(QWidget *target, const QPoint &point)
    {
        m_palette->IconListBox().setCurrentIndex(m_palette->IconListBox().iconModel().index(0));
        std::unique_ptr<QMimeData> data(IconDrag::createMimeData(
            m_palette->IconListBox().selectedIcon(), m_palette->currentFile(), 0));
        QDragEnterEvent enter(point, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDragMoveEvent move(point, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        if (!move.isAccepted())
            return false;
        QDropEvent drop(point, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }
    // The pictures of a stored cell text, in order.
    static QList<QImage> picturesIn(const QByteArray &rtf)
    {
        QTextDocument text;
        RtfReader::read(rtf, text);
        QList<QImage> pictures;
        for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (format.isImageFormat())
                    pictures << qvariant_cast<QImage>(text.resource(
                        QTextDocument::ImageResource, QUrl(format.toImageFormat().name())));
            }
        }
        return pictures;
    }
    QByteArray cellRtf(int day)
    {
        return page().GetCellRtfText(page().CellOfDay(day), TWPRtfStorage()).rtf();
    }

    QTemporaryDir m_data;
    QTemporaryDir m_documents;
    CellEditing *m_editing = nullptr;
    TFloatingPalette *m_palette = nullptr;
    int m_layoutRow = 0; // One Month Calendar
    QString m_chosenFile;
    int m_dialogsSeen = 0;
    bool m_paletteVisibleInDialog = false;

private:
    QString m_savedData;
};

} // namespace

TEST_F(IconWiring, TheToolButtonShowsAndHidesTheWindowWithTheStoredLibrary)
{
    EXPECT_TRUE(IconFiles::sameFile(m_palette->currentFile(), m_data.filePath(QStringLiteral("misc1.icl"))))
        << "the stored MISC1.ICL, found in lower case";
    EXPECT_EQ(m_palette->IconListBox().NumberOfIcons(), 1);
    ASSERT_TRUE(iconTool()->isEnabled());
    if (m_palette->isVisible())
        iconTool()->click();
    EXPECT_FALSE(m_palette->isVisible());
    EXPECT_EQ(iconTool()->text(), QStringLiteral("Show Icon Tool"));
    iconTool()->click();
    EXPECT_TRUE(m_palette->isVisible());
    EXPECT_EQ(iconTool()->text(), QStringLiteral("Hide Icon Tool"));
    EXPECT_TRUE(window().iconsWindowWanted());

    // A multi-month sheet takes no icons: the window goes and the button with it.
    m_layoutRow = 5; // 12 Month Calendar
    action("mnuProperties")->trigger();
    ASSERT_FALSE(page().HasEditableCells());
    EXPECT_FALSE(m_palette->isVisible());
    EXPECT_FALSE(iconTool()->isEnabled());
    EXPECT_EQ(iconTool()->text(), QStringLiteral("Show Icon Tool"));
}

TEST_F(IconWiring, ModalDialogsStepTheWindowAsideButItsOwnDoNot)
{
    if (!m_palette->isVisible())
        iconTool()->click();
    action("mnuUserTitle")->trigger();
    EXPECT_EQ(m_dialogsSeen, 1);
    EXPECT_FALSE(m_paletteVisibleInDialog);
    EXPECT_TRUE(m_palette->isVisible());

    Dialogs::informationBox(&window(), QStringLiteral("A message"));
    EXPECT_TRUE(m_palette->isVisible());

    // Properties keep it aside until the layout is applied, and the preferences written
    // at the end still know the user wants it.
    m_layoutRow = 9; // One Week Planner
    action("mnuProperties")->trigger();
    EXPECT_FALSE(m_paletteVisibleInDialog);
    EXPECT_TRUE(m_palette->isVisible());
    EXPECT_TRUE(ini().readBool(QStringLiteral("Icons"), QStringLiteral("Visible"), false));

    // The window's own "Other..." dialog leaves it in place.
    m_palette->setFileChooser(&TFloatingPalette::OpenIconCollectionDialog);
    for (QAction *item : m_palette->fileMenu().actions()) {
        if (item->text() == QStringLiteral("Other..."))
            item->trigger();
    }
    EXPECT_TRUE(m_paletteVisibleInDialog);
}

TEST_F(IconWiring, AnIconDroppedOnADayCellBecomesAPictureOfItsTextAndOneUndoStep)
{
    QAction *undo = action("mnuUndo");
    EXPECT_FALSE(undo->isEnabled());
    // Outside every day cell the page refuses it.
    EXPECT_FALSE(dropIcon(&page(), QPoint(2, 2)));
    EXPECT_FALSE(window().Modified());

    ASSERT_TRUE(dropIcon(&page(), cellCentre(12)));
    const int cell = page().CellOfDay(12);
    EXPECT_EQ(window().currentCell(), cell);
    EXPECT_TRUE(m_editing->holdsCell());
    EXPECT_TRUE(window().Modified());
    const QList<QImage> pictures = picturesIn(cellRtf(12));
    ASSERT_EQ(pictures.size(), 1) << "stored at once, while the cell stays open";
    EXPECT_EQ(pictures.first().size(), QSize(32, 32));
    EXPECT_EQ(pictures.first().pixelColor(16, 16), kIconColor);

    QCoreApplication::processEvents(); // the change is recorded once the drop is over
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_TRUE(picturesIn(cellRtf(12)).isEmpty());
}

TEST_F(IconWiring, AnIconDroppedIntoTheOpenEditorGoesWhereItIsDropped)
{
    page().OpenCell(page().CellOfDay(4));
    TWPRichText &editor = m_editing->editor();
    QTest::keyClicks(&editor, QStringLiteral("AB"));
    QTextCursor between(editor.document());
    between.setPosition(1);
    const QPoint point = editor.cursorRect(between).center();
    ASSERT_TRUE(dropIcon(editor.viewport(), point));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("A") + QChar(QChar::ObjectReplacementCharacter)
                                        + QStringLiteral("B"));
    EXPECT_EQ(picturesIn(cellRtf(4)).size(), 1);

    // A multi-month sheet has no cells to drop on.
    m_layoutRow = 5; // 12 Month Calendar
    action("mnuProperties")->trigger();
    page().UpdateCellTable();
    EXPECT_FALSE(dropIcon(&page(), QPoint(page().width() / 2, page().height() / 2)));
}

TEST_F(IconWiring, ADroppedIconIsSavedAndComesBackWithTheDocument)
{
    ASSERT_TRUE(dropIcon(&page(), cellCentre(20)));
    m_chosenFile = m_documents.filePath(QStringLiteral("icons.ovf"));
    action("mnuSaveAs")->trigger();
    ASSERT_TRUE(QFileInfo::exists(m_chosenFile));
    EXPECT_FALSE(window().Modified());

    page().ClearAllCells();
    action("Open1")->trigger();
    page().UpdateCellTable();
    const QList<QImage> pictures = picturesIn(cellRtf(20));
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures.first().pixelColor(10, 10), kIconColor);

    // And the page paints it, as printing and export do.
    const QImage painted = page().RenderToBitmap();
    const PageRect free = page().cellTable().cell(page().CellOfDay(20)).rFree;
    bool found = false;
    for (int y = free.top; y <= free.bottom && !found; ++y) {
        for (int x = free.left; x <= free.right && !found; ++x)
            found = painted.pixelColor(x, y) == kIconColor;
    }
    EXPECT_TRUE(found);
}

TEST_F(IconWiring, OnTheFirstRunTheIconsWindowShowsCentredOverTheMainWindow)
{
    // Made once the main window stands where it shows, not where it was before that.
    const QPoint middle = window().geometry().center();
    const QPoint palette = m_palette->geometry().center();
    EXPECT_LE(std::abs(palette.x() - middle.x()), 1) << palette.x() << " " << middle.x();
    EXPECT_LE(std::abs(palette.y() - middle.y()), 1) << palette.y() << " " << middle.y();
}

TEST_F(IconWiring, TheLibraryAndThePositionAreStoredForTheNextRun)
{
    m_palette->move(321, 234);
    window().SavePreferences();
    EXPECT_TRUE(IconFiles::sameFile(ini().readString(QStringLiteral("Icons"), QStringLiteral("File"), QString()),
                                    m_data.filePath(QStringLiteral("misc1.icl"))));
    const QPoint position = m_palette->geometry().topLeft();
    const QSize size = m_palette->size();
    MainWindowFixture::TearDown(); // the window, and the icons window with it, go
    MainWindowFixture::SetUp();
    const QString section = QStringLiteral("TFloatingPalette_Placement");
    EXPECT_EQ(ini().readInteger(section, QStringLiteral("Left"), -1), position.x());
    EXPECT_EQ(ini().readInteger(section, QStringLiteral("Right"), -1) - position.x(), size.width());
}
