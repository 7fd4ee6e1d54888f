// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The clip-art library in the image browser: a place with thumbnails drawn in the background
// and a name filter, over a small library laid out as the installed one is.
#include <gtest/gtest.h>

#include "core/datafolders.h"
#include "fakedialogs.h"
#include "objecteditors/clipartmodel.h"
#include "objecteditors/gimageb.h"
#include "objecteditors/gstpropgettexture.h"
#include "svgfiles.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QThreadPool>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// svg/<subject>/[<subject>/]name.svg, as the library is installed.
struct Library
{
    QTemporaryDir dir;
    QString root() const { return QDir::cleanPath(dir.path()); }
    QString file(const char *relative) const { return root() + QStringLiteral("/svg/") + QLatin1String(relative); }

    Library()
    {
        writeFile(file("animals/cat_01.svg"), SvgFiles::plain(Qt::red, "cat"));
        writeFile(file("animals/birds/parrot_01.svg"), SvgFiles::plain(Qt::green, "parrot"));
        writeFile(file("food/fruit/apple_red.SVG"), SvgFiles::plain(Qt::blue, "apple"));
        writeFile(file("food/broken_01.svg"), "<svg");
        writeFile(file("food/README"), "not a picture");
    }
};

// Runs the event loop until the model has drawn every thumbnail asked for.
bool waitForThumbnails(const ClipArtModel &model)
{
    QDeadlineTimer deadline(20000);
    while (model.drawingThumbnails() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    }
    QCoreApplication::processEvents();
    return !model.drawingThumbnails();
}

// Whether a thumbnail is the empty one the model gives until the drawing arrives.
bool isEmptyThumbnail(const QVariant &decoration)
{
    const QImage image = decoration.value<QPixmap>().toImage();
    if (image.size() != QSize(ClipArtModel::ThumbnailSide, ClipArtModel::ThumbnailSide))
        return false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

QStringList shownNames(const ClipArtModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.data(model.index(row), Qt::DisplayRole).toString();
    return names;
}

} // namespace

TEST(ClipArtModel, ListsThePicturesOfEveryFolderBelowAndFiltersThemAsTyped)
{
    Library library;
    ClipArtModel model;
    model.setFolder(library.root(), TGImageBrowser::fileMask());
    EXPECT_EQ(model.fileCount(), 4);
    EXPECT_EQ(shownNames(model), QStringList({"parrot_01", "cat_01", "broken_01", "apple_red"}));
    EXPECT_EQ(model.data(model.index(0), Qt::ToolTipRole).toString(),
              QStringLiteral("svg/animals/birds/parrot_01.svg"));

    // Each word anywhere in the path below the library, without regard to case.
    const struct {
        const char *filter;
        QStringList shown;
    } filters[] = {
        {"BIRD", {"parrot_01"}}, {"food red", {"apple_red"}}, {"svg", {"parrot_01", "cat_01", "broken_01", "apple_red"}},
        {"animals 01", {"parrot_01", "cat_01"}}, {"zebra", {}}, {"  ", {"parrot_01", "cat_01", "broken_01", "apple_red"}},
    };
    for (const auto &entry : filters) {
        model.setFilter(QLatin1String(entry.filter));
        EXPECT_EQ(shownNames(model), entry.shown) << entry.filter << ": " << qPrintable(shownNames(model).join(u','));
    }
    model.setFilter(QStringLiteral("cat"));
    EXPECT_EQ(model.filePath(model.index(0)), library.file("animals/cat_01.svg"));
    EXPECT_EQ(model.indexOf(library.file("animals/cat_01.svg")).row(), 0);
    EXPECT_FALSE(model.indexOf(library.file("food/broken_01.svg")).isValid()) << "hidden by the filter";
}

TEST(ClipArtModel, ThumbnailsArriveFromTheBackgroundAndUnreadableFilesGetNone)
{
    Library library;
    ClipArtModel model;
    model.setFolder(library.root(), TGImageBrowser::fileMask());
    // The first answer comes at once, an empty picture of the thumbnail's size.
    for (int row = 0; row < model.rowCount(); ++row)
        EXPECT_TRUE(isEmptyThumbnail(model.data(model.index(row), Qt::DecorationRole)));
    int changed = 0;
    QObject::connect(&model, &QAbstractItemModel::dataChanged, [&changed] { ++changed; });
    ASSERT_TRUE(waitForThumbnails(model));
    EXPECT_EQ(changed, 4);

    const QColor colours[] = {Qt::green, Qt::red};
    for (int row = 0; row < 2; ++row) {
        const QVariant decoration = model.data(model.index(row), Qt::DecorationRole);
        ASSERT_EQ(decoration.typeId(), QMetaType::QPixmap) << row;
        const QImage thumbnail = decoration.value<QPixmap>().toImage();
        EXPECT_EQ(thumbnail.size(), QSize(ClipArtModel::ThumbnailSide, ClipArtModel::ThumbnailSide));
        EXPECT_EQ(thumbnail.pixelColor(32, 32), colours[row]) << row;
        EXPECT_EQ(qAlpha(thumbnail.pixel(0, 0)), 0) << "transparent around the drawing";
    }
    EXPECT_TRUE(isEmptyThumbnail(model.data(model.index(2), Qt::DecorationRole))) << "broken_01 has none";
    EXPECT_FALSE(model.drawingThumbnails()) << "and is not drawn again";
}

TEST(ClipArtModel, AModelThatGoesWhileThumbnailsAreDrawnLeavesNothingBehind)
{
    QTemporaryDir dir;
    for (int i = 0; i < 40; ++i)
        writeFile(dir.filePath(QStringLiteral("svg/many/drawing_%1.svg").arg(i)),
                  SvgFiles::halves("width=\"400\" height=\"200\""));
    for (int round = 0; round < 3; ++round) {
        auto model = std::make_unique<ClipArtModel>();
        model->setFolder(dir.path(), TGImageBrowser::fileMask());
        ASSERT_EQ(model->rowCount(), 40);
        for (int row = 0; row < model->rowCount(); ++row)
            model->data(model->index(row), Qt::DecorationRole);
        model.reset();
        // Workers finishing the drawing they started tell no one.
        QDeadlineTimer deadline(300);
        while (!deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
}

TEST(TGImageBrowser, TheClipArtLibraryIsAPlaceWithThumbnailsAndAFilter)
{
    ScopedFakeDialogs dialogs;
    Library library;
    TGImageBrowser::setClipArtFolder(library.root());
    TGImageBrowser browser(true, false);
    auto *places = browser.findChild<QComboBox *>(QStringLiteral("DriveComboBox1"));
    ASSERT_TRUE(places);
    const int place = places->findText(QStringLiteral("Open Clip Art"));
    ASSERT_GE(place, 0);
    EXPECT_EQ(places->itemData(place).toString(), library.root());
    EXPECT_FALSE(browser.showsClipArt());

    places->setCurrentIndex(place);
    emit places->activated(place);
    EXPECT_TRUE(browser.showsClipArt());
    auto *list = browser.findChild<QListView *>(QStringLiteral("ClipArtList"));
    auto *filter = browser.findChild<QLineEdit *>(QStringLiteral("ClipArtFilter"));
    ASSERT_TRUE(list && filter);
    auto *model = qobject_cast<ClipArtModel *>(list->model());
    ASSERT_TRUE(model);
    EXPECT_EQ(model->rowCount(), 4);
    EXPECT_EQ(list->iconSize(), QSize(ClipArtModel::ThumbnailSide, ClipArtModel::ThumbnailSide));

    // Typing narrows the list at each key; Enter takes the first picture shown.
    QTest::keyClicks(filter, QStringLiteral("par"));
    EXPECT_EQ(model->rowCount(), 1);
    QTest::keyClick(filter, Qt::Key_Return);
    EXPECT_EQ(browser.selectedFile(), library.file("animals/birds/parrot_01.svg"));
    EXPECT_EQ(browser.preview().kind(), Picture::Kind::Svg);
    EXPECT_EQ(browser.preview().size(), QSize(40, 40));
    EXPECT_TRUE(browser.refusal().isEmpty());

    // A subject's folder shows what lies below it; a folder elsewhere shows its own files.
    filter->clear();
    browser.openFolder(library.root() + QStringLiteral("/svg/food"));
    EXPECT_TRUE(browser.showsClipArt());
    EXPECT_EQ(shownNames(*model), QStringList({"broken_01", "apple_red"}));
    list->setCurrentIndex(model->index(0));
    EXPECT_FALSE(browser.loadError().isEmpty());
    EXPECT_TRUE(dialogs->messages.isEmpty()) << "only BMP and WMF failures are reported";
    QTemporaryDir elsewhere;
    browser.openFolder(elsewhere.path());
    EXPECT_FALSE(browser.showsClipArt());
    ASSERT_TRUE(waitForThumbnails(*model));

    // Without the library there is no such place.
    TGImageBrowser::setClipArtFolder(library.root() + QStringLiteral("/missing"));
    TGImageBrowser without(true, false);
    EXPECT_LT(without.findChild<QComboBox *>(QStringLiteral("DriveComboBox1"))->findText(QStringLiteral("Open Clip Art")), 0);
    TGImageBrowser::setClipArtFolder(QStringLiteral("/usr/share/openclipart"));
}

TEST(TSuperTextBrushImageBrowser, TakesSvgWebpAndTiffTexturesAndDrawsLargeDrawingsReduced)
{
    ScopedFakeDialogs dialogs;
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("poster.svg")), SvgFiles::halves("width=\"8000\" height=\"4000\" viewBox=\"0 0 200 100\""));
    QImage tile(16, 16, QImage::Format_RGB32);
    tile.fill(qRgb(10, 120, 30));
    ASSERT_TRUE(tile.save(folder.filePath(QStringLiteral("tile.webp")), "WEBP", 100));
    ASSERT_TRUE(tile.save(folder.filePath(QStringLiteral("tile.tif")), "TIFF"));
    TGSuperText preview;
    TSuperTextBrushImageBrowser browser(preview, folder.filePath(QStringLiteral("poster.svg")));
    QStringList listed;
    for (int i = 0; i < browser.fileList()->count(); ++i)
        listed << browser.fileList()->item(i)->text();
    EXPECT_EQ(listed, QStringList({"poster.svg", "tile.tif", "tile.webp"}));
    const QImage texture = browser.SuperTextExample().Image();
    ASSERT_EQ(texture.size(), QSize(1024, 512));
    EXPECT_EQ(texture.pixel(100, 256), SvgFiles::kLeft.rgb());
    browser.selectFile(folder.filePath(QStringLiteral("tile.tif")));
    EXPECT_EQ(browser.SuperTextExample().Image().size(), QSize(16, 16));
}

TEST(UsersOwnPictures, TheirClipArtAndTexturesFoldersAreOfferedWhenTheyExist)
{
    ScopedFakeDialogs dialogs;
    const QString clipArt = DataFolders::userFolder(QStringLiteral("ClipArt"));
    const QString textures = DataFolders::userFolder(QStringLiteral("Textures"));
    {
        TGImageBrowser before(true, false);
        EXPECT_LT(before.findChild<QComboBox *>(QStringLiteral("DriveComboBox1"))->findText(QStringLiteral("Your clip art")), 0);
    }
    ASSERT_TRUE(QDir().mkpath(clipArt));
    ASSERT_TRUE(QDir().mkpath(textures));
    TGImageBrowser browser(true, false);
    auto *places = browser.findChild<QComboBox *>(QStringLiteral("DriveComboBox1"));
    const int place = places->findText(QStringLiteral("Your clip art"));
    ASSERT_GE(place, 0);
    EXPECT_EQ(places->itemData(place).toString(), QDir::cleanPath(clipArt));

    TGSuperText preview;
    TSuperTextBrushImageBrowser texturesBrowser(preview, QString());
    EXPECT_GE(texturesBrowser.findChild<QComboBox *>(QStringLiteral("DriveCombo"))->findText(QDir::cleanPath(textures)), 0);
    QDir(DataFolders::userFolder(QString())).removeRecursively();
}
