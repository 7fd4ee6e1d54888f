// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "fakedialogs.h"
#include "objecteditors/dialogobjecteditors.h"
#include "objecteditors/richtextlabeleditor.h"
#include "objects/tgprichbaselabel.h"
#include "richedit/twprichtext.h"

#include <QComboBox>
#include <QFrame>
#include <QTextCursor>
#include <QToolButton>

namespace {

TGPRichBaseLabel &sized(TGPRichBaseLabel &label, int width, int height, float zoom)
{
    label.setPixelsPerInch(96);
    label.setZoomFactor(zoom);
    label.setBounds(0, 0, width, height);
    return label;
}

} // namespace

TEST(TRichTextLabelEditor, ZoomsBetweenFiftyAndOneHundredFromThePagesZoom)
{
    TGPRichBaseLabel label;
    sized(label, 120, 60, 0.6f);
    TRichTextLabelEditor editor(label, TWPRtfStorage());
    EXPECT_EQ(editor.zoom(), 60);
    EXPECT_EQ(editor.panel()->size(), QSize(121, 61));
    editor.findChild<QToolButton *>(QStringLiteral("ZoomMinusButton"))->click();
    EXPECT_EQ(editor.zoom(), 50);
    editor.zoomOut();
    EXPECT_EQ(editor.zoom(), 50);
    EXPECT_EQ(editor.panel()->size(), QSize(101, 51));
    for (int i = 0; i < 6; ++i)
        editor.zoomIn();
    EXPECT_EQ(editor.zoom(), 100);
    EXPECT_EQ(editor.panel()->size(), QSize(202, 102));

    // The size list starts at 8 points.
    auto *sizes = editor.findChild<QComboBox *>(QStringLiteral("FontSize"));
    ASSERT_TRUE(sizes);
    EXPECT_EQ(sizes->itemData(0).toInt(), 8);

    TGPRichBaseLabel full;
    sized(full, 190, 33, 1.0f);
    TRichTextLabelEditor atOne(full, TWPRtfStorage());
    EXPECT_EQ(atOne.zoom(), 100);
    atOne.zoomIn();
    EXPECT_EQ(atOne.zoom(), 100);
    for (int i = 0; i < 7; ++i)
        atOne.zoomOut();
    EXPECT_EQ(atOne.zoom(), 50);
}

TEST(TRichTextLabelEditor, OkReplacesTheLabelsTextAndCancelKeepsIt)
{
    ScopedFakeDialogs dialogs;
    DialogObjectEditors editors;
    ObjectEditors::setInstance(&editors);
    TGPRichBaseLabel label;
    sized(label, 190, 33, 1.0f);
    label.AfterLoad();
    label.SetRTFText(TWPRtfStorage("{\\rtf1\\ansi old\\par}"));
    dialogs->onDialog = [](QDialog &dialog) {
        auto &editor = dynamic_cast<TRichTextLabelEditor &>(dialog);
        EXPECT_EQ(editor.editor()->toPlainText(), QStringLiteral("old"));
        QTextCursor cursor = editor.editor()->textCursor();
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("\tnew"));
        return int(QDialog::Accepted);
    };
    EXPECT_TRUE(label.Edit());
    const QByteArray rtf = label.RTFText().rtf();
    EXPECT_TRUE(rtf.contains("old\\tab") && rtf.contains("new")) << rtf.constData();

    const TWPRtfStorage kept = label.RTFText();
    dialogs->onDialog = [](QDialog &dialog) {
        dynamic_cast<TRichTextLabelEditor &>(dialog).editor()->clear();
        return int(QDialog::Rejected);
    };
    EXPECT_FALSE(label.Edit());
    EXPECT_EQ(label.RTFText(), kept);
    ObjectEditors::setInstance(nullptr);
}
