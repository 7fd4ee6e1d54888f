// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "fakedialogs.h"
#include "objecteditors/dialogobjecteditors.h"
#include "objecteditors/gimageb.h"
#include "objects/tgimage.h"

#include <QCheckBox>
#include <QFileSystemModel>
#include <QTreeView>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QString writeImage(const QTemporaryDir &dir, const QString &name, const char *format, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(0, 128, 255));
    const QString path = dir.filePath(name);
    image.save(path, format);
    return path;
}

} // namespace

TEST(TGImageBrowser, PreviewsEachKindAndReportsBrokenBitmapsAndMetafiles)
{
    ScopedFakeDialogs dialogs;
    QTemporaryDir dir;
    TGImageBrowser browser(true, false);
    browser.openFolder(dir.path());
    EXPECT_EQ(browser.currentFolder(), QDir::cleanPath(dir.path()));
    // The folder tree shows where the list is.
    auto *tree = browser.findChild<QTreeView *>(QStringLiteral("DirectoryListBox1"));
    ASSERT_TRUE(tree);
    const auto *model = static_cast<const QFileSystemModel *>(tree->model());
    EXPECT_EQ(model->filePath(tree->currentIndex()), QDir::cleanPath(dir.path()));
    EXPECT_TRUE(tree->isExpanded(tree->currentIndex().parent()));

    browser.selectFile(writeImage(dir, QStringLiteral("sky.bmp"), "BMP", {30, 20}));
    EXPECT_EQ(browser.preview().kind(), Picture::Kind::Bitmap);
    EXPECT_EQ(browser.preview().size(), QSize(30, 20));

    // Icons become a plain bitmap of the icon's size.
    browser.selectFile(writeImage(dir, QStringLiteral("dot.ico"), "ICO", {16, 16}));
    EXPECT_EQ(browser.preview().kind(), Picture::Kind::Bitmap);
    EXPECT_EQ(browser.preview().size(), QSize(16, 16));
    EXPECT_TRUE(dialogs->messages.isEmpty());

    // A bitmap or metafile that cannot be read says so and empties the preview; other kinds
    // only empty it.
    for (const char *name : {"broken.BMP", "broken.wmf", "broken.jpg"})
        browser.selectFile(writeFile(dir, QString::fromLatin1(name), "not a picture"));
    EXPECT_TRUE(browser.preview().isEmpty());
    EXPECT_FALSE(browser.loadError().isEmpty());
    ASSERT_EQ(dialogs->messages.size(), 2);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("Error loading file!"));
    EXPECT_EQ(dialogs->messages[1].text, QStringLiteral("Error loading file!"));
}

TEST(TGImageBrowser, TheTwoOptionsExcludeEachOther)
{
    ScopedFakeDialogs dialogs;
    TGImageBrowser browser(true, false);
    auto *stretch = browser.findChild<QCheckBox *>(QStringLiteral("CBStretch"));
    auto *autoSize = browser.findChild<QCheckBox *>(QStringLiteral("CBAutoSize"));
    ASSERT_TRUE(stretch && autoSize);
    EXPECT_TRUE(stretch->isChecked());
    autoSize->click();
    EXPECT_TRUE(browser.autoSize());
    EXPECT_FALSE(browser.stretch());
    stretch->click();
    EXPECT_TRUE(browser.stretch());
    EXPECT_FALSE(browser.autoSize());
    // Unchecking one leaves both off, as the object then stores them.
    stretch->click();
    EXPECT_FALSE(browser.stretch());
    EXPECT_FALSE(browser.autoSize());
}

TEST(TGImageBrowser, OkGivesTheObjectThePreviewAndTheOptionsAndTheFolderIsRemembered)
{
    ScopedFakeDialogs dialogs;
    DialogObjectEditors editors;
    ObjectEditors::setInstance(&editors);
    QTemporaryDir dir;
    const QString file = writeImage(dir, QStringLiteral("wide.png.jpg"), "JPG", {64, 16});
    dialogs->onDialog = [&](QDialog &dialog) {
        auto &browser = dynamic_cast<TGImageBrowser &>(dialog);
        browser.openFolder(dir.path());
        browser.selectFile(file);
        browser.findChild<QCheckBox *>(QStringLiteral("CBAutoSize"))->click();
        browser.accept();
        return int(QDialog::Accepted);
    };
    TGImage image;
    image.AfterLoad();
    EXPECT_TRUE(image.LoadImageFromDisk());
    EXPECT_EQ(image.picture().kind(), Picture::Kind::Bitmap);
    EXPECT_TRUE(image.AutoSize());
    EXPECT_EQ(image.boundsRect().size(), QSize(64, 16));
    EXPECT_EQ(TGImageBrowser::startFolder(), QDir::cleanPath(dir.path()));

    // Cancel changes nothing.
    dialogs->onDialog = [](QDialog &) { return int(QDialog::Rejected); };
    EXPECT_FALSE(image.LoadImageFromDisk());
    EXPECT_EQ(image.picture().size(), QSize(64, 16));
    ObjectEditors::setInstance(nullptr);
}

TEST(TGImageBrowser, OkIsRefusedWithAReasonUntilAReadablePictureIsChosen)
{
    ScopedFakeDialogs dialogs;
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("photos.jpg")));
    const QString folder = dir.filePath(QStringLiteral("photos.jpg"));
    const QString broken = writeFile(dir, QStringLiteral("broken.pcx"), "not a picture");
    const QString good = writeImage(dir, QStringLiteral("good.bmp"), "BMP", {8, 8});
    TGImageBrowser browser(false, false);
    browser.openFolder(dir.path());
    browser.setResult(QDialog::Rejected);

    const auto refusedWith = [&](const QString &expected) {
        dialogs->messages.clear();
        browser.accept();
        EXPECT_EQ(browser.result(), QDialog::Rejected) << "the browser stays open";
        EXPECT_TRUE(TGImageBrowser::startFolder() != QDir::cleanPath(dir.path()))
            << "a refused Ok remembers no folder";
        if (dialogs->messages.size() != 1)
            return testing::AssertionFailure() << dialogs->messages.size() << " messages";
        if (!dialogs->messages[0].text.contains(expected))
            return testing::AssertionFailure() << dialogs->messages[0].text.toStdString();
        return testing::AssertionSuccess();
    };
    EXPECT_TRUE(refusedWith(QStringLiteral("Choose a picture file first.")));
    browser.selectFile(folder);
    EXPECT_TRUE(refusedWith(QStringLiteral("is a folder")));
    browser.selectFile(broken);
    EXPECT_TRUE(refusedWith(QStringLiteral("cannot be read as a picture")));
    EXPECT_TRUE(dialogs->messages.value(0).text.contains(browser.loadError()));

    dialogs->messages.clear();
    browser.selectFile(good);
    EXPECT_TRUE(browser.refusal().isEmpty());
    browser.accept();
    EXPECT_EQ(browser.result(), QDialog::Accepted);
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST(TGImageBrowser, AnOkTheBrowserRefusedGivesTheObjectNothing)
{
    ScopedFakeDialogs dialogs;
    DialogObjectEditors editors;
    ObjectEditors::setInstance(&editors);
    QTemporaryDir dir;
    const QString broken = writeFile(dir, QStringLiteral("broken.png"), "not a picture");
    // A caller that ends the dialog as accepted whatever accept() decided.
    dialogs->onDialog = [&](QDialog &dialog) {
        auto &browser = dynamic_cast<TGImageBrowser &>(dialog);
        browser.openFolder(dir.path());
        browser.selectFile(broken);
        browser.accept();
        return int(QDialog::Accepted);
    };
    TGImage image;
    image.AfterLoad();
    image.setBounds(0, 0, 40, 30);
    EXPECT_FALSE(image.LoadImageFromDisk());
    EXPECT_TRUE(image.picture().isEmpty());
    EXPECT_EQ(image.boundsRect(), QRect(0, 0, 40, 30));
    ObjectEditors::setInstance(nullptr);
}
