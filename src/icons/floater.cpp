// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "floater.h"

#include "core/datafolders.h"

#include "icons/iconfiles.h"
#include "icons/iconlistbox.h"
#include "core/apppaths.h"
#include "widgets/choosers.h"
#include "widgets/dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int kClientSize = 140;
constexpr int kBorder = 4;
constexpr int kDialogFilterIndex = 6; // "ICL and ICO Files"
const QString kFallbackFile = QStringLiteral("Misc1.icl");
const QString kBonusFolder = QStringLiteral("BonusIcons");

const char *const kNoBonusSets =
    "No bonus icon sets were found.\r\rBonus icon sets are icon libraries (.ICL files) "
    "installed in the folder \"BonusIcons\" of the program's data folder.\r\rYour own sets go in "
    "the folder \"BonusIcons\" of ~/.local/share/orvane.";

} // namespace

const char *const TFloatingPalette::kDialogFilter =
    "All Files|*.ICL;*.DLL;*.EXE;*.ICO;*.NIL|ICL Files|*.ICL|DLL Files|*.DLL|EXE Files|*.EXE|"
    "ICO Files|*.ICO|NIL Files|*.NIL|ICL and ICO Files|*.ICL;*.ICO";

TFloatingPalette::TFloatingPalette(QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_iconListBox(new TIconListBox(this)), m_menuBar(new QMenuBar(this)),
      m_fileMenu(nullptr), m_bonusMenu(nullptr),
      m_chooseFile(&TFloatingPalette::OpenIconCollectionDialog)
{
    setObjectName(QStringLiteral("FloatingPalette"));
    setWindowTitle(QStringLiteral("Icons"));
    m_iconListBox->setObjectName(QStringLiteral("IconListBox"));
    m_iconListBox->SetXIcons(3);
    m_iconListBox->SetYIcons(3);
    QPalette white = m_iconListBox->palette();
    white.setColor(QPalette::Base, Qt::white);
    m_iconListBox->setPalette(white);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_iconListBox);
    createMenu();
    // The client area below the menu is fixed; the menu bar adds its own height.
    setFixedSize(kClientSize, kClientSize + m_menuBar->sizeHint().height());

    loadShipped(QStringLiteral("activity.icl"));
    buildBonusMenu();
}

TFloatingPalette::~TFloatingPalette()
{
    if (m_beforeDestroy)
        m_beforeDestroy(*this);
}

void TFloatingPalette::createMenu()
{
    m_fileMenu = m_menuBar->addMenu(QStringLiteral("File"));
    m_fileMenu->setObjectName(QStringLiteral("File"));
    // Sets dropped into a folder since show up the next time the menu opens.
    connect(m_fileMenu, &QMenu::aboutToShow, this, [this] {
        buildBonusMenu();
        markMenu(currentFile());
    });
    m_fixedItems = {
        addFileItem(QStringLiteral("Activities"), &TFloatingPalette::ActivitiesClick),
        addFileItem(QStringLiteral("Events"), &TFloatingPalette::EventsClick),
        addFileItem(QStringLiteral("Holidays"), &TFloatingPalette::HolidaysClick),
        addFileItem(QStringLiteral("Miscellaneous #1"), &TFloatingPalette::Miscellaneous1Click),
        addFileItem(QStringLiteral("Miscellaneous #2"), &TFloatingPalette::Miscellaneous2Click),
    };
    m_bonusMenu = new QMenu(QStringLiteral("Bonus Icon Sets"), this);
    m_bonusAction = addFileItem(QStringLiteral("Bonus Icon Sets"), &TFloatingPalette::BonusIconSetsClick);
    m_otherAction = addFileItem(QStringLiteral("Other..."), &TFloatingPalette::OtherClick);
    m_fixedItems << m_bonusAction << m_otherAction;
}

QAction *TFloatingPalette::addFileItem(const QString &caption, void (TFloatingPalette::*slot)())
{
    QAction *item = m_fileMenu->addAction(caption);
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, slot);
    return item;
}

void TFloatingPalette::buildBonusMenu()
{
    // The program's sets, then the user's own (~/.local/share/orvane/BonusIcons) and those
    // installed for everyone; a user's set takes the place of a shipped one of the same name.
    QList<IconFiles::BonusSet> sets;
    QStringList seen;
    QList<DataFolders::Folder> folders = DataFolders::folders(kBonusFolder);
    std::stable_sort(folders.begin(), folders.end(), [](const DataFolders::Folder &a, const DataFolders::Folder &b) {
        return a.origin == DataFolders::Origin::User && b.origin != DataFolders::Origin::User;
    });
    for (const DataFolders::Folder &folder : folders) {
        for (IconFiles::BonusSet set : IconFiles::bonusSets(folder.path)) {
            if (seen.contains(set.caption, Qt::CaseInsensitive))
                continue;
            seen << set.caption;
            if (folder.origin == DataFolders::Origin::User)
                set.caption += QStringLiteral(" (yours)");
            sets << set;
        }
    }
    std::stable_sort(sets.begin(), sets.end(), [](const IconFiles::BonusSet &a, const IconFiles::BonusSet &b) {
        return a.caption.compare(b.caption, Qt::CaseInsensitive) < 0;
    });
    m_bonusMenu->clear();
    for (const IconFiles::BonusSet &set : sets) {
        QAction *item = m_bonusMenu->addAction(set.caption);
        item->setCheckable(true);
        const QString path = set.path;
        connect(item, &QAction::triggered, this, [this, path] {
            loadFile(path);
            CheckIconMenu(currentFile());
        });
    }
    // With sets to offer, the item only opens its submenu.
    m_bonusAction->setCheckable(sets.isEmpty());
    m_bonusAction->setMenu(sets.isEmpty() ? nullptr : m_bonusMenu);
}

QString TFloatingPalette::currentFile() const
{
    return m_iconListBox->FileName();
}

void TFloatingPalette::loadFile(const QString &fileName)
{
    m_iconListBox->SetFileName(IconFiles::resolve(fileName));
}

void TFloatingPalette::loadShipped(const QString &name)
{
    loadFile(IconFiles::dataFile(name));
}

bool TFloatingPalette::shownIsEmpty() const
{
    return m_iconListBox->NumberOfIcons() == 0;
}

void TFloatingPalette::ActivitiesClick()
{
    loadShipped(QStringLiteral("activity.icl"));
    CheckIconMenu(currentFile());
}

void TFloatingPalette::EventsClick()
{
    loadShipped(QStringLiteral("events.icl"));
    CheckIconMenu(currentFile());
}

void TFloatingPalette::HolidaysClick()
{
    loadShipped(QStringLiteral("holiday.icl"));
    CheckIconMenu(currentFile());
}

void TFloatingPalette::Miscellaneous1Click()
{
    loadShipped(QStringLiteral("misc1.icl"));
    CheckIconMenu(currentFile());
}

void TFloatingPalette::Miscellaneous2Click()
{
    loadShipped(QStringLiteral("misc2.icl"));
    CheckIconMenu(currentFile());
}

void TFloatingPalette::BonusIconSetsClick()
{
    // Reached only while there is no submenu to open.
    const Dialogs::KeepToolWindow stay;
    Dialogs::informationBox(this, QString::fromLatin1(kNoBonusSets));
    CheckIconMenu(currentFile());
}

void TFloatingPalette::OtherClick()
{
    const Dialogs::KeepToolWindow stay;
    if (const std::optional<QString> chosen = m_chooseFile(this))
        loadFile(*chosen);
    while (shownIsEmpty()) {
        Dialogs::informationBox(this, QStringLiteral("No icons found in ") + currentFile());
        const std::optional<QString> again = m_chooseFile(this);
        if (!again)
            break;
        loadFile(*again);
    }
    if (shownIsEmpty())
        loadShipped(kFallbackFile);
    CheckIconMenu(currentFile());
}

void TFloatingPalette::CheckIconMenu(const QString &fileName)
{
    const QString named = IconFiles::resolve(fileName);
    if (QFileInfo(named).isFile() && !IconFiles::sameFile(named, currentFile()))
        loadFile(named);
    if (shownIsEmpty())
        loadShipped(kFallbackFile);
    // The marks follow the file actually shown, also when the named one could not be.
    markMenu(currentFile());
}

void TFloatingPalette::markMenu(const QString &fileName)
{
    const QString name = IconFiles::menuName(fileName);
    bool marked = false;
    const auto mark = [&name, &marked](QAction *item) {
        const bool match = !name.isEmpty() && item->text().toUpper() == name;
        if (item->isCheckable())
            item->setChecked(match);
        marked = marked || match;
    };
    for (QAction *item : std::as_const(m_fixedItems))
        mark(item);
    const QList<QAction *> bonus = m_bonusMenu->actions();
    for (QAction *item : bonus)
        mark(item);
    if (!marked && !fileName.isEmpty() && QFileInfo(fileName).isFile())
        m_otherAction->setChecked(true);
}

std::optional<QString> TFloatingPalette::OpenIconCollectionDialog(QWidget *parent)
{
    QFileDialog dialog(parent, QStringLiteral("Open"), AppPaths::dataFolder());
    dialog.setObjectName(QStringLiteral("OpenIconCollectionDialog"));
    Choosers::prepareFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("ICL"));
    const QStringList filters = IconFiles::nameFilters(QString::fromLatin1(kDialogFilter));
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(kDialogFilterIndex));
    if (Dialogs::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void TFloatingPalette::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    emit visibilityChanged();
}

void TFloatingPalette::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    emit visibilityChanged();
}

void TFloatingPalette::closeEvent(QCloseEvent *event)
{
    // Only the main window shows and hides this window; the window system may not close it.
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}
