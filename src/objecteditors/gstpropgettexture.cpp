// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gstpropgettexture.h"

#include "objecteditors/objectpreview.h"
#include "core/apppaths.h"
#include "core/datafolders.h"
#include "images/picture.h"
#include "images/picturefile.h"
#include "widgets/dialogs.h"
#include "widgets/helpwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int HelpContext = 40012;

// A picture file as a bitmap; metafiles and drawings are drawn at their own size, a drawing
// at no more than Picture::PreviewSide on its longest side (it may declare any size). Null on
// failure.
QImage textureFromFile(const QString &path)
{
    Picture picture;
    if (!picture.loadFromFile(path).ok() || picture.isEmpty())
        return {};
    if (picture.kind() == Picture::Kind::Bitmap || picture.kind() == Picture::Kind::Icon)
        return picture.image();
    QSize size = picture.size();
    if (picture.kind() == Picture::Kind::Svg && std::max(size.width(), size.height()) > Picture::PreviewSide)
        size = size.scaled(Picture::PreviewSide, Picture::PreviewSide, Qt::KeepAspectRatio).expandedTo({1, 1});
    QImage drawn(size, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    picture.draw(painter, drawn.rect());
    return drawn;
}

} // namespace

TSuperTextBrushImageBrowser::TSuperTextBrushImageBrowser(const TGSuperText &preview,
                                                         const QString &lastBitmapFileNameandPath,
                                                         QWidget *parent)
    : QDialog(parent), m_help(ShowHelpTopic)
{
    setObjectName(QStringLiteral("SuperTextBrushImageBrowser"));
    setWindowTitle(QStringLiteral("Load Texture Image"));
    resize(596, 285);

    TFont exampleFont(QStringLiteral("Times New Roman"), 0);
    exampleFont.setPixelHeight(64);
    m_example.SetCaption(QStringLiteral("Text"));
    m_example.SetFont(exampleFont);
    m_example.setPixelsPerInch(preview.pixelsPerInch());
    m_example.assignSettings(preview);
    m_example.SetSurfaceType(stBrushImage);

    m_driveCombo = new QComboBox(this);
    m_driveCombo->setObjectName(QStringLiteral("DriveCombo"));
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            m_driveCombo->addItem(volume.rootPath());
    }
    // The user's own textures (~/.local/share/orvane/Textures) and those installed for
    // everyone, read anew each time the dialog opens.
    for (const DataFolders::Folder &folder : DataFolders::folders(QStringLiteral("Textures"))) {
        if (folder.origin != DataFolders::Origin::Program)
            m_driveCombo->addItem(QDir::cleanPath(folder.path));
    }
    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QDir::rootPath());
    m_folderTree = new QTreeView(this);
    m_folderTree->setObjectName(QStringLiteral("DirectoryList"));
    m_folderTree->setModel(m_folders);
    m_folderTree->setHeaderHidden(true);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_folderTree->hideColumn(column);

    m_fileList = new QListWidget(this);
    m_fileList->setObjectName(QStringLiteral("FileList"));

    m_exampleView = new ObjectPreview(m_example, this);
    m_exampleView->setObjectName(QStringLiteral("SuperTextExample"));
    m_exampleView->setMinimumSize(qMax(200, m_example.Width()), qMax(100, m_example.Height()));
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(m_exampleView);
    scroll->setBackgroundRole(QPalette::Base);

    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto *help = new QPushButton(QStringLiteral("Help"), this);

    auto *browse = new QVBoxLayout;
    browse->addWidget(m_driveCombo);
    browse->addWidget(m_folderTree, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(browse, 2);
    layout->addWidget(m_fileList, 2);
    layout->addWidget(scroll, 3);
    layout->addLayout(buttons);

    connect(m_driveCombo, &QComboBox::activated, this,
            [this](int index) { setFolder(m_driveCombo->itemText(index)); });
    connect(m_folderTree, &QTreeView::clicked, this,
            [this](const QModelIndex &index) { setFolder(m_folders->filePath(index)); });
    connect(m_fileList, &QListWidget::currentRowChanged, this, &TSuperTextBrushImageBrowser::fileChosen);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (m_help)
            m_help(HelpContext);
    });

    if (!lastBitmapFileNameandPath.isEmpty() && QFileInfo(lastBitmapFileNameandPath).isFile())
        selectFile(lastBitmapFileNameandPath);
    else
        setFolder(startFolder());
}

TSuperTextBrushImageBrowser::~TSuperTextBrushImageBrowser() = default;

QStringList TSuperTextBrushImageBrowser::fileMask()
{
    return QStringLiteral("*.BMP;*.DIB;*.JPG;*.JIF;*.PCX;*.RLE;*.TGA;*.ICO;*.PNG;*.WEBP;*.TIF;*.TIFF;*.SVG")
        .split(QLatin1Char(';'));
}

QString TSuperTextBrushImageBrowser::startFolder()
{
    const QString data = AppPaths::dataFolder();
    for (const QString &name : {QStringLiteral("bmbrush"), QStringLiteral("Textures")}) {
        if (QFileInfo(data + name).isDir())
            return data + name + QLatin1Char('/');
    }
    return data;
}

void TSuperTextBrushImageBrowser::setFolder(const QString &folder)
{
    m_folder = QDir(folder).absolutePath();
    const QModelIndex index = m_folders->index(m_folder);
    if (index.isValid()) {
        m_folderTree->setCurrentIndex(index);
        m_folderTree->scrollTo(index);
    }
    QDir dir(m_folder);
    dir.setNameFilters(fileMask());
    // Name filters match without regard to case unless asked to.
    dir.setFilter(QDir::Files | QDir::Readable);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    const QSignalBlocker block(m_fileList);
    m_fileList->clear();
    m_fileList->addItems(dir.entryList());
}

void TSuperTextBrushImageBrowser::selectFile(const QString &path)
{
    const QFileInfo info(path);
    setFolder(info.absolutePath());
    const QList<QListWidgetItem *> found = m_fileList->findItems(info.fileName(), Qt::MatchFixedString);
    if (!found.isEmpty())
        m_fileList->setCurrentItem(found.first());
    else
        loadExample(info.absoluteFilePath());
}

void TSuperTextBrushImageBrowser::fileChosen()
{
    const QListWidgetItem *item = m_fileList->currentItem();
    if (!item)
        return;
    loadExample(QDir(m_folder).filePath(item->text()));
    m_fileList->setFocus();
}

void TSuperTextBrushImageBrowser::loadExample(const QString &path)
{
    const QImage texture = textureFromFile(path);
    // A file that cannot be read is not remembered as the last texture.
    m_selectedFile = texture.isNull() ? QString() : path;
    if (texture.isNull()) {
        const QString extension = pictureExtension(path);
        if (extension == QLatin1String("BMP") || extension == QLatin1String("WMF"))
            Dialogs::informationBox(this, QStringLiteral("Error loading file!"));
    }
    m_example.SetImage(texture);
    m_exampleView->refresh();
}
