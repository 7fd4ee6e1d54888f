// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The SuperText properties dialog, the symbol picker and the texture browser, driven
// through a fake dialog service.
#include <gtest/gtest.h>

#include "fakedialogs.h"
#include "core/apppaths.h"
#include "objecteditors/colorcombobox.h"
#include "objecteditors/dialogobjecteditors.h"
#include "objecteditors/gstprop.h"
#include "objecteditors/gstpropgetsym.h"
#include "objecteditors/gstpropgettexture.h"
#include "objects/tgsupertext.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

struct Editors
{
    Editors() { ObjectEditors::setInstance(&editors); }
    ~Editors() { ObjectEditors::setInstance(nullptr); }
    FakeDialogService &dialogs() { return *scoped; }

    ScopedFakeDialogs scoped;
    DialogObjectEditors editors;
};

// Chooses an item of a list as a user would, so the list reports it.
void choose(QComboBox *combo, const QString &caption)
{
    const int index = combo->findText(caption);
    ASSERT_GE(index, 0) << qPrintable(caption);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void typeCaption(QLineEdit *edit, const QString &text)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

bool shown(const QWidget *widget, const QWidget *dialog)
{
    return widget->isVisibleTo(dialog);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(TSuperTextProperties, ControlsShowThePreviewAndOnePanelAtATime)
{
    ScopedFakeDialogs dialogs;
    TGSuperText preview;
    preview.SetShadowDepth(3);
    preview.SetShadowOrientation(sdLeft);
    preview.SetOutlineStyle(psDashDot);
    preview.SetOutlineWidth(2);
    preview.SetFillDirection(gdDown);
    preview.SetGradientFromColor(Colors::clRed);
    TSuperTextProperties dialog(preview, QString());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("SuperText Properties"));
    EXPECT_EQ(dialog.CaptionText()->text(), QStringLiteral("Text"));
    EXPECT_EQ(dialog.CaptionText()->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(dialog.SurfaceTypeCombo()->currentText(), QStringLiteral("Gradient Fill"));
    EXPECT_EQ(dialog.FillDirectionCombo()->currentText(), QStringLiteral("Down"));
    EXPECT_EQ(dialog.GradientFromcolorButton()->color(), Colors::clRed);
    EXPECT_EQ(dialog.ShadowOrientationCombo()->currentText(), QStringLiteral("Left"));
    EXPECT_EQ(dialog.ShadowDepthSpinner()->value(), 3);
    EXPECT_EQ(dialog.OutlineStyleCombo()->currentText(), QStringLiteral("DashDot Line"));
    EXPECT_EQ(dialog.OutLineWidthSpinner()->value(), 2);
    EXPECT_EQ(dialog.ShadowDepthSpinner()->maximum(), 10);
    EXPECT_EQ(dialog.OutLineWidthSpinner()->maximum(), 10);
    QStringList items;
    for (int i = 0; i < dialog.OutlineStyleCombo()->count(); ++i)
        items << dialog.OutlineStyleCombo()->itemText(i);
    EXPECT_EQ(items, QStringList({"Solid Line", "Dash Line", "Dotted Line", "DashDot Line",
                                  "DashDotDot Line", "Clear"}));
    EXPECT_TRUE(shown(dialog.FillPanel(), &dialog));
    EXPECT_FALSE(shown(dialog.ImagePanel(), &dialog));
    EXPECT_FALSE(shown(dialog.FontcolorPanel(), &dialog));

    choose(dialog.SurfaceTypeCombo(), QStringLiteral("Texture"));
    EXPECT_EQ(preview.SurfaceType(), stBrushImage);
    EXPECT_EQ(preview.Image().size(), QSize(120, 84)) << "the default texture";
    EXPECT_EQ(TSuperTextProperties::defaultTexture().format(), QImage::Format_Indexed8);
    EXPECT_TRUE(shown(dialog.ImagePanel(), &dialog));
    EXPECT_FALSE(shown(dialog.FillPanel(), &dialog));

    choose(dialog.SurfaceTypeCombo(), QStringLiteral("Transparent"));
    EXPECT_TRUE(preview.Image().isNull());
    for (const QFrame *panel : {dialog.FillPanel(), dialog.ImagePanel(), dialog.FontcolorPanel()})
        EXPECT_FALSE(shown(panel, &dialog));
    choose(dialog.SurfaceTypeCombo(), QStringLiteral("Normal"));
    EXPECT_TRUE(shown(dialog.FontcolorPanel(), &dialog));

    choose(dialog.OutlineStyleCombo(), QStringLiteral("Clear"));
    EXPECT_EQ(preview.OutlineStyle(), psClear);
    dialog.ShadowDepthSpinner()->setValue(7);
    EXPECT_EQ(preview.ShadowDepth(), 7);
    dialog.FontColorButton()->setColor(Colors::clGreen);
    emit dialog.FontColorButton()->colorChanged(Colors::clGreen);
    EXPECT_EQ(preview.Font().color(), Colors::clGreen);
}

TEST(TSuperTextProperties, TypingChangesTheCaptionAndATickRefitsIt)
{
    ScopedFakeDialogs dialogs;
    TGSuperText preview;
    preview.setPixelsPerInch(96);
    TSuperTextProperties dialog(preview, QString());
    EXPECT_EQ(dialog.refitTimer()->interval(), 200);
    EXPECT_TRUE(dialog.refitTimer()->isActive());
    const int width = preview.Width();
    typeCaption(dialog.CaptionText(), QStringLiteral("A much longer caption"));
    EXPECT_EQ(preview.Caption(), QStringLiteral("A much longer caption"));
    EXPECT_EQ(preview.Width(), width) << "refitted by the timer, not by every key";
    dialog.refitIfTextChanged();
    const int fitted = preview.Width();
    EXPECT_GT(fitted, 3 * width);
    preview.setWidth(50);
    dialog.refitIfTextChanged();
    EXPECT_EQ(preview.Width(), 50) << "once per change";
}

TEST(TSuperTextProperties, FontSizeStepsStopAtTheirLimits)
{
    ScopedFakeDialogs dialogs;
    TGSuperText preview;
    TSuperTextProperties dialog(preview, QString());
    dialog.fontSizeUpButton()->click();
    EXPECT_EQ(preview.Font().size(), 53);
    TFont font = preview.Font();
    font.setSize(150);
    preview.SetFont(font);
    dialog.fontSizeUpButton()->click();
    EXPECT_EQ(preview.Font().size(), 150);
    font.setSize(10);
    preview.SetFont(font);
    dialog.fontSizeDownButton()->click();
    EXPECT_EQ(preview.Font().size(), 10);
    font.setSize(12);
    preview.SetFont(font);
    dialog.fontSizeDownButton()->click();
    EXPECT_EQ(preview.Font().size(), 7);

    QList<int> topics;
    dialog.setHelpHandler([&topics](int topic) { topics << topic; });
    dialog.helpButton()->click();
    EXPECT_EQ(topics, QList<int>{40014});
}

TEST(TSuperTextProperties, OkRefusesAnEmptyCaptionThenTheObjectTakesThePreview)
{
    Editors e;
    TGSuperText text;
    text.setPixelsPerInch(96);
    text.AfterLoad();
    text.setBounds(10, 10, 300, 100);
    int refusals = 0;
    e.dialogs().onDialog = [&refusals, &e](QDialog &shownDialog) {
        auto &dialog = dynamic_cast<TSuperTextProperties &>(shownDialog);
        typeCaption(dialog.CaptionText(), QString());
        dialog.okButton()->click();
        if (dialog.result() == QDialog::Accepted)
            return int(QDialog::Accepted);
        refusals += e.dialogs().messages.size();
        typeCaption(dialog.CaptionText(), QStringLiteral("Holiday"));
        choose(dialog.SurfaceTypeCombo(), QStringLiteral("Transparent"));
        choose(dialog.OutlineStyleCombo(), QStringLiteral("Clear"));
        dialog.ShadowDepthSpinner()->setValue(5);
        dialog.okButton()->click();
        return dialog.result();
    };
    ASSERT_TRUE(text.EditProperties());
    EXPECT_EQ(refusals, 1);
    ASSERT_EQ(e.dialogs().messages.size(), 1);
    EXPECT_EQ(e.dialogs().messages[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(e.dialogs().messages[0].text, QStringLiteral("Please enter some text"));
    EXPECT_EQ(text.Caption(), QStringLiteral("Holiday"));
    EXPECT_EQ(text.ShadowDepth(), 5);
    EXPECT_EQ(text.SurfaceType(), stBrushTransparent);
    EXPECT_EQ(text.OutlineStyle(), psSolid) << "hollow letters keep an outline";
    EXPECT_EQ(text.boundsRect().topLeft(), QPoint(10, 10));
}

TEST(TSuperTextGetSymbol, WithoutSymbolFontsThePickerOnlySaysSo)
{
    ScopedFakeDialogs dialogs;
    EXPECT_FALSE(TSuperTextGetSymbol::choose(nullptr, QStringList()).has_value());
    EXPECT_EQ(dialogs->dialogCount, 0);
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("No Symbol fonts installed"));
}

TEST(TSuperTextGetSymbol, OffersEveryCharacterOfTheChosenFont)
{
    ScopedFakeDialogs dialogs;
    const QStringList fonts{QStringLiteral("Zapf Dingbats"), QStringLiteral("Wingdings 2"),
                            QStringLiteral("Alpha Symbols")};
    TSuperTextGetSymbol picker(nullptr, fonts);
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Symbol Selector"));
    EXPECT_EQ(picker.SymbolSets()->itemText(0), QStringLiteral("Alpha Symbols")) << "sorted";
    EXPECT_EQ(picker.fontName(), QStringLiteral("Wingdings 2"));
    ASSERT_EQ(picker.SymbolList()->count(), 224);
    EXPECT_EQ(picker.SymbolList()->item(0)->text(), QStringLiteral(" "));
    EXPECT_EQ(picker.SymbolList()->item(223)->text(), QString(QChar(255)));
    EXPECT_EQ(picker.SymbolList()->font().pixelSize(), 24);
    picker.SymbolSets()->setCurrentIndex(2);
    EXPECT_EQ(picker.SymbolList()->font().family(), QStringLiteral("Zapf Dingbats"));

    // A font but no character closes the picker, yet nothing goes into the caption.
    dialogs->onDialog = [](QDialog &dialog) {
        dynamic_cast<TSuperTextGetSymbol &>(dialog).CopyCharButton()->click();
        return dialog.result();
    };
    EXPECT_FALSE(TSuperTextGetSymbol::choose(nullptr, fonts).has_value());
    dialogs->onDialog = [](QDialog &dialog) {
        auto &picker = dynamic_cast<TSuperTextGetSymbol &>(dialog);
        QListWidgetItem *item = picker.SymbolList()->item('J' - 32);
        emit picker.SymbolList()->itemDoubleClicked(item);
        return dialog.result();
    };
    const auto choice = TSuperTextGetSymbol::choose(nullptr, fonts);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->character, QChar('J'));
    EXPECT_EQ(choice->fontName, QStringLiteral("Wingdings 2"));

    TGSuperText preview;
    TSuperTextProperties properties(preview, QString());
    properties.takeSymbol(choice->fontName, choice->character);
    EXPECT_EQ(properties.CaptionText()->text(), QStringLiteral("J"));
    EXPECT_EQ(preview.Caption(), QStringLiteral("J"));
    EXPECT_EQ(preview.Font().name(), QStringLiteral("Wingdings 2"));
    EXPECT_EQ(properties.CaptionText()->font().family(), QStringLiteral("Wingdings 2"));
}

TEST(TSuperTextBrushImageBrowser, ListsPictureFilesWhateverTheirCase)
{
    ScopedFakeDialogs dialogs;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage picture(12, 8, QImage::Format_RGB32);
    picture.fill(qRgb(10, 120, 30));
    ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("good.bmp")), "BMP"));
    writeFile(folder.filePath(QStringLiteral("Broken.BMP")), "BM not really");
    writeFile(folder.filePath(QStringLiteral("photo.Jpg")), "not a jpeg");
    writeFile(folder.filePath(QStringLiteral("notes.txt")), "text");
    writeFile(folder.filePath(QStringLiteral("scan.TGA")), "not a targa");

    TGSuperText preview;
    preview.SetCaption(QStringLiteral("Sample"));
    TSuperTextBrushImageBrowser browser(preview, folder.filePath(QStringLiteral("good.bmp")));
    EXPECT_EQ(browser.windowTitle(), QStringLiteral("Load Texture Image"));
    EXPECT_EQ(browser.SuperTextExample().SurfaceType(), stBrushImage);
    EXPECT_EQ(browser.SuperTextExample().Caption(), QStringLiteral("Sample"));
    EXPECT_EQ(QDir(browser.folder()), QDir(folder.path()));
    QStringList listed;
    for (int i = 0; i < browser.fileList()->count(); ++i)
        listed << browser.fileList()->item(i)->text();
    EXPECT_EQ(listed, QStringList({"Broken.BMP", "good.bmp", "photo.Jpg", "scan.TGA"}));
    EXPECT_EQ(browser.SuperTextExample().Image().size(), QSize(12, 8)) << "the last file is selected";
    EXPECT_EQ(browser.selectedFile(), folder.filePath(QStringLiteral("good.bmp")));

    browser.fileList()->setCurrentRow(int(listed.indexOf(QStringLiteral("photo.Jpg"))));
    EXPECT_TRUE(browser.SuperTextExample().Image().isNull());
    EXPECT_TRUE(dialogs->messages.isEmpty()) << "only BMP and WMF failures are reported";
    browser.fileList()->setCurrentRow(int(listed.indexOf(QStringLiteral("Broken.BMP"))));
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("Error loading file!"));
    EXPECT_TRUE(browser.selectedFile().isEmpty()) << "an unreadable file is not remembered";

    QList<int> topics;
    browser.setHelpHandler([&topics](int topic) { topics << topic; });
    for (QPushButton *button : browser.findChildren<QPushButton *>()) {
        if (button->text() == QLatin1String("Help"))
            button->click();
    }
    EXPECT_EQ(topics, QList<int>{40012});
}

TEST(TSuperTextBrushImageBrowser, StartsInTheTextureFolderOfTheData)
{
    ScopedFakeDialogs dialogs;
    QTemporaryDir data;
    AppPaths::setDataFolderOverride(data.path());
    const QString root = AppPaths::dataFolder();
    EXPECT_EQ(TSuperTextBrushImageBrowser::startFolder(), root);
    QDir(root).mkdir(QStringLiteral("Textures"));
    EXPECT_EQ(TSuperTextBrushImageBrowser::startFolder(), root + QStringLiteral("Textures/"));
    QDir(root).mkdir(QStringLiteral("bmbrush"));
    EXPECT_EQ(TSuperTextBrushImageBrowser::startFolder(), root + QStringLiteral("bmbrush/"));
    TGSuperText preview;
    const TSuperTextBrushImageBrowser browser(preview, root + QStringLiteral("missing.bmp"));
    EXPECT_EQ(QDir(browser.folder()), QDir(root + QStringLiteral("bmbrush")));
    AppPaths::setDataFolderOverride(QString());
}

TEST(TSuperTextBrushImageBrowser, TheChosenTextureFillsThePreview)
{
    ScopedFakeDialogs dialogs;
    QTemporaryDir folder;
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(qRgb(200, 100, 0));
    const QString path = folder.filePath(QStringLiteral("Rust.bmp"));
    ASSERT_TRUE(picture.save(path, "BMP"));

    TGSuperText preview;
    preview.SetSurfaceType(stBrushImage);
    TSuperTextProperties dialog(preview, QString());
    dialogs->onDialog = [&path](QDialog &shown) {
        dynamic_cast<TSuperTextBrushImageBrowser &>(shown).selectFile(path);
        return int(QDialog::Accepted);
    };
    dialog.LoadImageButton()->click();
    EXPECT_EQ(preview.Image().size(), QSize(16, 16));
    EXPECT_EQ(dialog.lastTexture().size(), QSize(16, 16));
    EXPECT_EQ(dialog.LastBitmapFileNameandPath(), path);

    // Cancel keeps what was there.
    dialogs->onDialog = [](QDialog &) { return int(QDialog::Rejected); };
    dialog.LoadImageButton()->click();
    EXPECT_EQ(preview.Image().size(), QSize(16, 16));
    EXPECT_EQ(dialog.LastBitmapFileNameandPath(), path);
}
