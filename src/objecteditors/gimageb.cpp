// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gimageb.h"

#include "objecteditors/clipartmodel.h"
#include "core/apppaths.h"
#include "core/datafolders.h"
#include "images/picturefile.h"
#include "widgets/dialogs.h"
#include "widgets/helpwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

// Draws the picture under preview: stretched over the whole widget, which either fills the
// scroll box or has the picture's own size.
class PicturePreview : public QWidget
{
public:
    explicit PicturePreview(const Picture &picture, QWidget *parent)
        : QWidget(parent), m_picture(picture)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        m_picture.draw(painter, rect());
    }

private:
    const Picture &m_picture;
};

namespace {

QString &lastFolder()
{
    static QString folder;
    return folder;
}

QString &clipArtRoot()
{
    // Where the clip-art package installs its drawings (in svg/, by subject).
    static QString folder = QStringLiteral("/usr/share/openclipart");
    return folder;
}

} // namespace

QStringList TGImageBrowser::fileMask()
{
    return {QStringLiteral("*.BMP"), QStringLiteral("*.DIB"), QStringLiteral("*.JPG"),
            QStringLiteral("*.JIF"), QStringLiteral("*.PCX"), QStringLiteral("*.RLE"),
            QStringLiteral("*.TGA"), QStringLiteral("*.WMF"), QStringLiteral("*.ICO"),
            QStringLiteral("*.PNG"), QStringLiteral("*.WEBP"), QStringLiteral("*.TIF"),
            QStringLiteral("*.TIFF"), QStringLiteral("*.SVG")};
}

QString TGImageBrowser::clipArtFolder()
{
    return clipArtRoot();
}

void TGImageBrowser::setClipArtFolder(const QString &folder)
{
    clipArtRoot() = folder;
}

QString TGImageBrowser::startFolder()
{
    if (!lastFolder().isEmpty() && QDir(lastFolder()).exists())
        return lastFolder();
    return QDir::cleanPath(AppPaths::dataFolder());
}

TGImageBrowser::TGImageBrowser(bool stretch, bool autoSize, QWidget *parent)
    : QDialog(parent), m_places(new QComboBox(this)), m_fileTypes(new QComboBox(this)), m_folders(new QTreeView(this)),
      m_files(new QListView(this)), m_fileViews(new QStackedWidget(this)),
      m_clipArtFilter(new QLineEdit(this)), m_clipArtList(new QListView(this)),
      m_clipArt(new ClipArtModel(this)), m_folderModel(new QFileSystemModel(this)),
      m_fileModel(new QFileSystemModel(this)), m_scroll(new QScrollArea(this)),
      m_previewWidget(new PicturePreview(m_preview, m_scroll)), m_status(new QLabel(this)),
      m_stretch(new QCheckBox(QStringLiteral("Stretch"), this)),
      m_autoSize(new QCheckBox(QStringLiteral("AutoSize"), this))
{
    setWindowTitle(QStringLiteral("Load Image File "));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    resize(592, 300);

    m_places->setObjectName(QStringLiteral("DriveComboBox1"));
    m_places->setWhatsThis(QStringLiteral("Choose a place to look for pictures."));
    m_folders->setObjectName(QStringLiteral("DirectoryListBox1"));
    m_folders->setWhatsThis(QStringLiteral("Choose the folder whose pictures are listed."));
    m_files->setObjectName(QStringLiteral("FileListBox1"));
    m_files->setWhatsThis(QStringLiteral("The pictures in the folder. Select one to preview it."));
    m_scroll->setObjectName(QStringLiteral("ScrollBox1"));
    m_previewWidget->setObjectName(QStringLiteral("Image1"));
    m_previewWidget->setWhatsThis(QStringLiteral("A preview of the picture selected."));
    m_stretch->setObjectName(QStringLiteral("CBStretch"));
    m_stretch->setToolTip(QStringLiteral("Stretch image to max display size"));
    m_stretch->setWhatsThis(QStringLiteral("The picture fills the object whatever its size."));
    m_autoSize->setObjectName(QStringLiteral("CBAutoSize"));
    m_autoSize->setToolTip(QStringLiteral("AutoSize TImage"));
    m_autoSize->setWhatsThis(QStringLiteral("The object takes the picture's own size."));
    m_stretch->setChecked(stretch);
    m_autoSize->setChecked(autoSize);

    m_folderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folderModel->setRootPath(QStringLiteral("/"));
    m_folders->setModel(m_folderModel);
    for (int column = 1; column < m_folderModel->columnCount(); ++column)
        m_folders->hideColumn(column);
    m_folders->header()->hide();

    m_fileModel->setFilter(QDir::Files);
    m_fileModel->setNameFilters(fileMask());
    m_fileModel->setNameFilterDisables(false);
    m_files->setModel(m_fileModel);
    m_fileTypes->setObjectName(QStringLiteral("FileTypes"));
    m_fileTypes->addItem(QStringLiteral("Picture files"));
    m_fileTypes->addItem(QStringLiteral("All files"));
    m_fileTypes->setItemData(0, fileMask().join(QLatin1Char(';')), Qt::ToolTipRole);
    m_fileTypes->setWhatsThis(QStringLiteral("Which files the list shows. Pictures of other "
                                             "common formats (PNG and the like) are read too."));

    m_scroll->setWidget(m_previewWidget);
    m_scroll->setBackgroundRole(QPalette::Base);
    m_status->setWordWrap(true);

    auto *options = new QGroupBox(QStringLiteral(" Options "), this);
    auto *optionsLayout = new QHBoxLayout(options);
    optionsLayout->addWidget(m_stretch);
    optionsLayout->addWidget(m_autoSize);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QPushButton *help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { HelpWindow::instance().showTopic(40003); });

    auto *left = new QVBoxLayout;
    left->addWidget(m_places);
    left->addWidget(m_folders, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(m_scroll, 1);
    right->addWidget(m_status);
    right->addWidget(options);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    auto *middle = new QVBoxLayout;
    m_fileViews->addWidget(m_files);
    m_fileViews->addWidget(buildClipArtView());
    middle->addWidget(m_fileViews, 1);
    middle->addWidget(m_fileTypes);
    columns->addLayout(middle, 3);
    columns->addLayout(right, 4);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);

    buildPlaces();
    connect(m_places, &QComboBox::activated, this,
            [this](int index) { openFolder(m_places->itemData(index).toString()); });
    connect(m_fileTypes, &QComboBox::activated, this,
            [this](int index) { setShowAllFiles(index == 1); });
    // The folder model reads folders in the background: once the folders on the way to
    // the current one are known, the tree can show it.
    connect(m_folderModel, &QFileSystemModel::directoryLoaded, this, [this](const QString &path) {
        if (m_folder.startsWith(path))
            showCurrentFolder();
    });
    connect(m_folders, &QTreeView::clicked, this,
            [this](const QModelIndex &index) { openFolder(m_folderModel->filePath(index)); });
    connect(m_files->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &index) {
                if (index.isValid())
                    selectFile(m_fileModel->filePath(index));
            });
    connect(m_files, &QListView::activated, this, [this] {
        if (!m_file.isEmpty())
            accept();
    });
    connect(m_stretch, &QCheckBox::clicked, this, &TGImageBrowser::stretchClicked);
    connect(m_autoSize, &QCheckBox::clicked, this, &TGImageBrowser::autoSizeClicked);

    openFolder(startFolder());
    updatePreviewSize();
    if (showsClipArt())
        m_clipArtFilter->setFocus();
    else
        m_files->setFocus();
}

QWidget *TGImageBrowser::buildClipArtView()
{
    auto *view = new QWidget(this);
    m_clipArtFilter->setObjectName(QStringLiteral("ClipArtFilter"));
    m_clipArtFilter->setPlaceholderText(QStringLiteral("Filter by name"));
    m_clipArtFilter->setClearButtonEnabled(true);
    m_clipArtFilter->setWhatsThis(QStringLiteral("Shows only the pictures whose names hold every "
                                                 "word typed here."));
    m_clipArtList->setObjectName(QStringLiteral("ClipArtList"));
    m_clipArtList->setWhatsThis(QStringLiteral("The pictures of the folder and the folders in it. "
                                               "Select one to preview it."));
    m_clipArtList->setModel(m_clipArt);
    m_clipArtList->setViewMode(QListView::IconMode);
    m_clipArtList->setIconSize(QSize(ClipArtModel::ThumbnailSide, ClipArtModel::ThumbnailSide));
    m_clipArtList->setGridSize(QSize(ClipArtModel::ThumbnailSide + 40, ClipArtModel::ThumbnailSide + 36));
    m_clipArtList->setUniformItemSizes(true);
    m_clipArtList->setMovement(QListView::Static);
    m_clipArtList->setResizeMode(QListView::Adjust);
    // Thousands of items are laid out a screenful at a time.
    m_clipArtList->setLayoutMode(QListView::Batched);
    m_clipArtList->setTextElideMode(Qt::ElideMiddle);
    auto *layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_clipArtFilter);
    layout->addWidget(m_clipArtList, 1);

    connect(m_clipArtFilter, &QLineEdit::textChanged, m_clipArt, &ClipArtModel::setFilter);
    // Enter takes the first picture shown when none is selected (the dialog's Ok follows).
    connect(m_clipArtFilter, &QLineEdit::returnPressed, this, [this] {
        if (!m_clipArtList->currentIndex().isValid() && m_clipArt->rowCount() > 0)
            m_clipArtList->setCurrentIndex(m_clipArt->index(0));
    });
    connect(m_clipArtList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &index) {
                if (index.isValid())
                    selectFile(m_clipArt->filePath(index));
            });
    connect(m_clipArtList, &QListView::activated, this, [this] {
        if (!m_file.isEmpty())
            accept();
    });
    return view;
}

void TGImageBrowser::buildPlaces()
{
    const auto add = [this](const QString &caption, const QString &path) {
        if (!path.isEmpty() && QDir(path).exists() && m_places->findData(QDir::cleanPath(path)) < 0)
            m_places->addItem(caption, QDir::cleanPath(path));
    };
    add(QStringLiteral("Orvane data"), QDir::cleanPath(AppPaths::dataFolder()));
    add(QStringLiteral("Open Clip Art"), clipArtFolder());
    // Clip art of the user's own (~/.local/share/orvane/ClipArt) and installed for everyone.
    for (const DataFolders::Folder &folder : DataFolders::folders(QStringLiteral("ClipArt"))) {
        switch (folder.origin) {
        case DataFolders::Origin::User: add(QStringLiteral("Your clip art"), folder.path); break;
        case DataFolders::Origin::System: add(QStringLiteral("Clip art for everyone"), folder.path); break;
        case DataFolders::Origin::Program: add(QStringLiteral("Orvane clip art"), folder.path); break;
        }
    }
    add(QStringLiteral("Home"), QDir::homePath());
    add(QStringLiteral("Pictures"),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    add(QStringLiteral("Documents"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !volume.isReadOnly() && volume.rootPath() != "/")
            add(volume.displayName(), volume.rootPath());
    }
    add(QStringLiteral("Computer"), QStringLiteral("/"));
}

void TGImageBrowser::openFolder(const QString &folder)
{
    if (folder.isEmpty() || !QDir(folder).exists())
        return;
    m_folder = QDir::cleanPath(folder);
    // The tree shows the place the folder lies in (the deepest one that holds it), as a
    // drive and its folders.
    int place = -1;
    qsizetype longest = -1;
    for (int i = 0; i < m_places->count(); ++i) {
        const QString candidate = m_places->itemData(i).toString();
        const bool holds = candidate == m_folder || candidate == QLatin1String("/")
            || m_folder.startsWith(candidate + QLatin1Char('/'));
        if (holds && candidate.size() > longest) {
            longest = candidate.size();
            place = i;
        }
    }
    const QString root = place >= 0 ? m_places->itemData(place).toString() : m_folder;
    if (place >= 0)
        m_places->setCurrentIndex(place);
    m_folders->setRootIndex(m_folderModel->setRootPath(root));
    showCurrentFolder();
    m_files->setRootIndex(m_fileModel->setRootPath(m_folder));
    showClipArt(place >= 0 && !clipArtFolder().isEmpty() && root == QDir::cleanPath(clipArtFolder()));
}

void TGImageBrowser::showClipArt(bool shown)
{
    if (shown) {
        m_clipArt->setFolder(m_folder, shownPatterns());
        // Thumbnails want more room than names; grow once, as far as the user has not.
        if (m_fileViews->currentIndex() == 0)
            resize(size().expandedTo(QSize(800, 480)));
    }
    m_fileViews->setCurrentIndex(shown ? 1 : 0);
}

bool TGImageBrowser::showsClipArt() const
{
    return m_fileViews->currentIndex() == 1;
}

QStringList TGImageBrowser::shownPatterns() const
{
    return m_fileTypes->currentIndex() == 1 ? QStringList() : fileMask();
}

void TGImageBrowser::selectFile(const QString &path)
{
    m_file = path;
    const ImageStatus status = loadBrowserPicture(path, m_preview);
    m_error = status.error;
    m_status->setText(status.ok() ? QString() : status.error);
    if (!status.ok()) {
        const QString extension = pictureExtension(path);
        if (extension == QLatin1String("BMP") || extension == QLatin1String("WMF"))
            Dialogs::informationBox(this, QStringLiteral("Error loading file!"));
    }
    updatePreviewSize();
    m_previewWidget->update();
    if (!showsClipArt())
        m_files->setFocus();
}

void TGImageBrowser::showCurrentFolder()
{
    const QModelIndex folderIndex = m_folderModel->index(m_folder);
    if (!folderIndex.isValid())
        return;
    for (QModelIndex above = folderIndex.parent(); above.isValid(); above = above.parent())
        m_folders->expand(above);
    m_folders->setCurrentIndex(folderIndex);
    m_folders->expand(folderIndex);
    // Rows of folders just read are laid out later; scroll once they are.
    QTimer::singleShot(0, this, [this] {
        m_folders->scrollTo(m_folders->currentIndex(), QAbstractItemView::PositionAtCenter);
    });
}

void TGImageBrowser::setShowAllFiles(bool all)
{
    m_fileModel->setNameFilters(all ? QStringList() : fileMask());
    m_fileTypes->setCurrentIndex(all ? 1 : 0);
    if (showsClipArt())
        m_clipArt->setFolder(m_folder, shownPatterns());
}

bool TGImageBrowser::stretch() const
{
    return m_stretch->isChecked();
}

bool TGImageBrowser::autoSize() const
{
    return m_autoSize->isChecked();
}

void TGImageBrowser::stretchClicked(bool checked)
{
    if (checked)
        m_autoSize->setChecked(false);
    updatePreviewSize();
}

void TGImageBrowser::autoSizeClicked(bool checked)
{
    if (checked)
        m_stretch->setChecked(false);
    updatePreviewSize();
}

void TGImageBrowser::updatePreviewSize()
{
    const bool ownSize = m_autoSize->isChecked() && !m_preview.isEmpty();
    m_scroll->setWidgetResizable(!ownSize);
    if (ownSize)
        m_previewWidget->resize(m_preview.size());
    m_previewWidget->update();
}

QString TGImageBrowser::refusal() const
{
    if (m_file.isEmpty())
        return QStringLiteral("Choose a picture file first.");
    const QString shown = QDir::toNativeSeparators(m_file);
    if (QFileInfo(m_file).isDir())
        return QStringLiteral("%1 is a folder. Choose a picture file.").arg(shown);
    if (!m_error.isEmpty() || m_preview.isEmpty()) {
        const QString reason = m_error.isEmpty() ? QStringLiteral("It holds no picture.") : m_error;
        return QStringLiteral("%1 cannot be read as a picture.\r%2").arg(shown, reason);
    }
    return {};
}

void TGImageBrowser::accept()
{
    // The object would take an empty picture; the browser stays open to choose another.
    if (const QString reason = refusal(); !reason.isEmpty()) {
        Dialogs::informationBox(this, reason);
        return;
    }
    if (!m_folder.isEmpty())
        lastFolder() = m_folder;
    QDialog::accept();
}
