// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileopendialog.h"

#include "core/filebytes.h"
#include "widgets/choosers.h"
#include "widgets/dialogs.h"

#include <QAction>
#include <QCollator>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Column { NameColumn, SizeColumn, ModifiedColumn };
constexpr int RealNameRole = Qt::UserRole;
constexpr int FolderRole = Qt::UserRole + 1;

QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// The nearest folder that exists at or above path, else the home folder.
QString existingFolder(QString path)
{
    path = QDir::cleanPath(path);
    while (!path.isEmpty() && path != QLatin1String("/") && !FileBytes::isFolder(path))
        path = path.section(QLatin1Char('/'), 0, -2);
    return path.isEmpty() ? QDir::homePath() : path;
}

// GTK's wording for a name the file system holds in another encoding.
QString shownName(const QString &name)
{
    const QString shown = FileBytes::displayName(name);
    return shown == name ? name : shown + QObject::tr(" (invalid encoding)");
}

QStringList patternsOf(const QString &typeText)
{
    const qsizetype open = typeText.lastIndexOf(QLatin1Char('('));
    const qsizetype close = typeText.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        return {QStringLiteral("*")};
    return typeText.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

void sortEntries(QList<FileBytes::FolderEntry> &entries)
{
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(entries.begin(), entries.end(), [&](const auto &a, const auto &b) {
        if (a.folder != b.folder)
            return a.folder;
        return collator.compare(a.name, b.name) < 0;
    });
}

} // namespace

FileOpenDialog::FileOpenDialog(QWidget *parent, const QString &title, const QString &folder,
                               const QString &filter)
    : QDialog(parent), m_path(new QLineEdit(this)), m_places(new QListWidget(this)),
      m_list(new QTreeWidget(this)), m_problem(new QLabel(this)), m_name(new QLineEdit(this)),
      m_types(new QComboBox(this))
{
    setWindowTitle(title);
    setObjectName(QStringLiteral("FileOpenDialog"));
    auto *up = new QToolButton(this);
    up->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    up->setToolTip(tr("Parent Folder"));
    auto *pathRow = new QHBoxLayout;
    auto *lookIn = new QLabel(tr("Look &in:"), this);
    lookIn->setBuddy(m_path);
    pathRow->addWidget(lookIn);
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(up);

    m_list->setHeaderLabels({tr("Name"), tr("Size"), tr("Date Modified")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *hidden = new QAction(tr("Show &Hidden Files"), this);
    hidden->setCheckable(true);
    hidden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    m_list->addAction(hidden);
    addAction(hidden);
    m_problem->setWordWrap(true);
    m_problem->hide();
    buildPlaces();

    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_places);
    auto *listSide = new QWidget(this);
    auto *listLayout = new QVBoxLayout(listSide);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(m_list, 1);
    listLayout->addWidget(m_problem);
    splitter->addWidget(listSide);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({150, 550});

    m_types->addItem(Choosers::qtFilter(filter));
    m_types->addItem(tr("All Files (*)"));
    auto *form = new QGridLayout;
    auto *nameLabel = new QLabel(tr("File &name:"), this);
    nameLabel->setBuddy(m_name);
    auto *typeLabel = new QLabel(tr("Files of &type:"), this);
    typeLabel->setBuddy(m_types);
    form->addWidget(nameLabel, 0, 0);
    form->addWidget(m_name, 0, 1);
    form->addWidget(typeLabel, 1, 0);
    form->addWidget(m_types, 1, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(pathRow);
    layout->addWidget(splitter, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(760, 480);

    connect(buttons, &QDialogButtonBox::accepted, this, &FileOpenDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(up, &QToolButton::clicked, this, &FileOpenDialog::goUp);
    connect(m_path, &QLineEdit::returnPressed, this, &FileOpenDialog::goToTypedFolder);
    connect(hidden, &QAction::toggled, this, &FileOpenDialog::setShowHidden);
    connect(m_types, &QComboBox::currentIndexChanged, this, &FileOpenDialog::refresh);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &FileOpenDialog::itemChosen);
    connect(m_list, &QTreeWidget::itemActivated, this, &FileOpenDialog::itemActivated);
    connect(m_name, &QLineEdit::textEdited, this, [this] { m_pickedName.clear(); });
    connect(m_places, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setFolder(item->data(RealNameRole).toString()); });
    connect(m_places, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { setFolder(item->data(RealNameRole).toString()); });

    const bool givenFolder = FileBytes::isFolder(folder);
    setFolder(givenFolder ? folder : existingFolder(folder.section(QLatin1Char('/'), 0, -2)));
    if (!givenFolder && FileBytes::exists(folder))
        selectFile(folder);
    m_name->setFocus();
}

void FileOpenDialog::buildPlaces()
{
    const auto add = [this](QStyle::StandardPixmap icon, const QString &caption, const QString &path) {
        if (path.isEmpty() || !FileBytes::isFolder(path))
            return;
        auto *item = new QListWidgetItem(style()->standardIcon(icon), caption, m_places);
        item->setData(RealNameRole, path);
    };
    add(QStyle::SP_DirHomeIcon, tr("Home"), QDir::homePath());
    add(QStyle::SP_DesktopIcon, tr("Desktop"),
        QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    add(QStyle::SP_DirIcon, tr("Documents"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    add(QStyle::SP_DirIcon, tr("Pictures"),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    add(QStyle::SP_DriveHDIcon, tr("File System"), QStringLiteral("/"));
}

void FileOpenDialog::setFolder(const QString &folder)
{
    m_folder = QDir::cleanPath(folder);
    m_path->setText(FileBytes::displayName(m_folder));
    m_pickedName.clear();
    refresh();
}

void FileOpenDialog::setShowHidden(bool show)
{
    m_showHidden = show;
    refresh();
}

bool FileOpenDialog::matchesType(const QString &name) const
{
    for (const QString &pattern : patternsOf(m_types->currentText())) {
        const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(pattern),
                                          QRegularExpression::CaseInsensitiveOption);
        // Matched on the shown name: a lone surrogate standing for a byte is no valid text
        // for the expression engine, which then matches nothing.
        if (wildcard.match(FileBytes::displayName(name)).hasMatch())
            return true;
    }
    return false;
}

void FileOpenDialog::refresh()
{
    m_list->clear();
    FileBytes::FolderListing listing = FileBytes::listFolder(m_folder);
    m_problem->setVisible(!listing.ok());
    m_problem->setText(tr("This folder cannot be read: %1.").arg(listing.reason));
    sortEntries(listing.entries);
    const QLocale locale;
    for (const FileBytes::FolderEntry &entry : std::as_const(listing.entries)) {
        if (!m_showHidden && entry.name.startsWith(QLatin1Char('.')))
            continue;
        if (!entry.folder && !matchesType(entry.name))
            continue;
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(NameColumn, shownName(entry.name));
        item->setIcon(NameColumn, style()->standardIcon(entry.folder ? QStyle::SP_DirIcon
                                                                     : QStyle::SP_FileIcon));
        if (!entry.folder)
            item->setText(SizeColumn, locale.formattedDataSize(entry.size));
        item->setTextAlignment(SizeColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(ModifiedColumn, locale.toString(QDateTime::fromSecsSinceEpoch(entry.modified),
                                                      QLocale::ShortFormat));
        item->setData(NameColumn, RealNameRole, entry.name);
        item->setData(NameColumn, FolderRole, entry.folder);
    }
    m_list->resizeColumnToContents(SizeColumn);
    m_list->resizeColumnToContents(ModifiedColumn);
}

QStringList FileOpenDialog::listedNames() const
{
    QStringList names;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row)
        names << m_list->topLevelItem(row)->data(NameColumn, RealNameRole).toString();
    return names;
}

void FileOpenDialog::itemChosen(QTreeWidgetItem *item)
{
    if (!item || item->data(NameColumn, FolderRole).toBool())
        return;
    m_pickedName = item->data(NameColumn, RealNameRole).toString();
    m_name->setText(FileBytes::displayName(m_pickedName));
}

void FileOpenDialog::itemActivated(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const QString name = item->data(NameColumn, RealNameRole).toString();
    if (item->data(NameColumn, FolderRole).toBool()) {
        setFolder(joined(m_folder, name));
        return;
    }
    m_pickedName = name;
    m_name->setText(FileBytes::displayName(name));
    accept();
}

void FileOpenDialog::goUp()
{
    if (m_folder != QLatin1String("/"))
        setFolder(existingFolder(m_folder.section(QLatin1Char('/'), 0, -2)));
}

void FileOpenDialog::goToTypedFolder()
{
    const QString typed = m_path->text().trimmed();
    const QString path = typed.startsWith(QLatin1Char('~'))
                             ? QDir::homePath() + typed.mid(1)
                             : typed;
    if (FileBytes::isFolder(path))
        setFolder(path);
    else
        m_path->setText(FileBytes::displayName(m_folder));
}

QString FileOpenDialog::resolve(const QString &typed) const
{
    if (!m_pickedName.isEmpty() && typed == FileBytes::displayName(m_pickedName))
        return joined(m_folder, m_pickedName);
    if (typed.startsWith(QLatin1Char('/')))
        return typed;
    if (typed.startsWith(QLatin1String("~/")))
        return QDir::homePath() + typed.mid(1);
    return joined(m_folder, typed);
}

void FileOpenDialog::selectFile(const QString &nameOrPath)
{
    if (nameOrPath.isEmpty())
        return;
    const QString path = resolve(nameOrPath);
    if (FileBytes::isFolder(path)) {
        setFolder(path);
        m_name->clear();
        return;
    }
    const QString folder = path.section(QLatin1Char('/'), 0, -2);
    if (QDir::cleanPath(folder.isEmpty() ? QStringLiteral("/") : folder) != m_folder && FileBytes::isFolder(folder))
        setFolder(folder.isEmpty() ? QStringLiteral("/") : folder);
    m_pickedName = path.section(QLatin1Char('/'), -1);
    m_name->setText(FileBytes::displayName(m_pickedName));
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = m_list->topLevelItem(row);
        if (item->data(NameColumn, RealNameRole).toString() == m_pickedName)
            m_list->setCurrentItem(item);
    }
}

QString FileOpenDialog::selectedFile() const
{
    const QString typed = m_name->text().trimmed();
    return typed.isEmpty() ? QString() : resolve(typed);
}

void FileOpenDialog::accept()
{
    const QString typed = m_name->text().trimmed();
    if (typed.isEmpty()) {
        if (QTreeWidgetItem *item = m_list->currentItem(); item && item->data(NameColumn, FolderRole).toBool())
            itemActivated(item);
        return;
    }
    if (typed.contains(QLatin1Char('*')) || typed.contains(QLatin1Char('?'))) {
        m_types->setItemText(m_types->count() - 1, typed + QStringLiteral(" (") + typed + QLatin1Char(')'));
        m_types->setCurrentIndex(m_types->count() - 1);
        refresh();
        return;
    }
    const QString path = resolve(typed);
    if (FileBytes::isFolder(path)) {
        setFolder(path);
        m_name->clear();
        return;
    }
    if (!FileBytes::exists(path)) {
        Dialogs::errorBox(this, windowTitle(),
                          tr("\"%1\" does not exist. Choose a file the folder holds.")
                              .arg(FileBytes::displayName(path)));
        return;
    }
    QDialog::accept();
}
