// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "fakedialogs.h"
#include "objecteditors/dialogobjecteditors.h"
#include "objecteditors/kindeditors.h"
#include "objects/objectkinds.h"
#include "objects/tggraphiccontrol.h"
#include "graphics/tfont.h"

#include <QDialog>

namespace {

class UnregisteredObject : public TGGraphicControl
{
public:
    QString className() const override { return QStringLiteral("TGMystery"); }
};

} // namespace

TEST(KindEditors, EveryKindHasItsOwnDialogAndEveryDialogAKind)
{
    for (const ObjectKind &kind : ObjectKinds::all()) {
        SCOPED_TRACE(kind.className);
        const KindEditor *own = KindEditors::find(QString::fromLatin1(kind.className));
        ASSERT_NE(own, nullptr) << "a kind without an editor";
        EXPECT_TRUE(own->edit);
    }
    for (const KindEditor &editor : KindEditors::all()) {
        SCOPED_TRACE(editor.className);
        EXPECT_NE(ObjectKinds::find(QString::fromLatin1(editor.className)), nullptr)
            << "an editor of no registered kind";
        EXPECT_EQ(KindEditors::find(QString::fromLatin1(editor.className), QString::fromLatin1(editor.dialog)),
                  &editor)
            << "two rows for one dialog";
    }
    EXPECT_EQ(KindEditors::find(QStringLiteral("TGPLabel"), QStringLiteral("No Such Dialog")), nullptr);
}

TEST(KindEditors, EachKindsDialogOpensForItsToolsObjectAndCancellingConfirmsNothing)
{
    ScopedFakeDialogs dialogs;
    DialogObjectEditors editors;
    for (const ObjectKind &kind : ObjectKinds::all()) {
        SCOPED_TRACE(kind.className);
        std::unique_ptr<TGGraphicControl> object = kind.createForTool({TFont(), QDate(2026, 4, 1)});
        object->setBounds(10, 10, 160, 60);
        const int before = dialogs->dialogCount;
        EXPECT_FALSE(editors.editObject(*object, {}));
        EXPECT_EQ(dialogs->dialogCount, before + 1);
    }
}

TEST(KindEditors, ASubjectThatIsNotOfTheDialogsKindIsRefusedWithoutADialog)
{
    ScopedFakeDialogs dialogs;
    dialogs->onDialog = [](QDialog &) { return int(QDialog::Accepted); };
    DialogObjectEditors editors;
    UnregisteredObject stranger;
    EXPECT_FALSE(editors.editObject(stranger, {}));

    // Each kind's dialogs, handed an object of another kind.
    const ObjectKind *other = ObjectKinds::find(QStringLiteral("TGImage"));
    std::unique_ptr<TGGraphicControl> image = other->create();
    for (const KindEditor &editor : KindEditors::all()) {
        if (QLatin1String(editor.className) == QLatin1String(other->className))
            continue;
        SCOPED_TRACE(editor.className);
        EXPECT_FALSE(editor.edit(*image, EditorPlace{}));
    }
    EXPECT_EQ(dialogs->dialogCount, 0);
}
