// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "objects/objecteditors.h"
#include "objects/objecthost.h"
#include "objects/objectkinds.h"
#include "objects/tgflatcalendar.h"
#include "objects/tggraphiccontrol.h"
#include "objects/tgimage.h"
#include "objects/tgplabel.h"
#include "objects/tgprichbaselabel.h"
#include "objects/tgsupertext.h"
#include "graphics/tfont.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <functional>
#include <utility>

// A surface that records what objects ask of it and keeps a plain selection list.
class FakeObjectHost : public ObjectHost
{
public:
    void NotifyChanged() override { ++changed; }
    void RefitFrameLater() override { ++refits; }
    void ObjectCommand(TGGraphicControl &object, ObjectCommandKind command) override
    {
        commands.append({&object, command});
    }
    void CloneObject(TGGraphicControl &object) override { cloned.append(&object); }
    bool isSelected(const TGGraphicControl &object) const override
    {
        return selection.contains(&object);
    }
    int selectionCount() const override { return int(selection.size()); }
    void removeFromSelection(TGGraphicControl &object) override { selection.removeAll(&object); }
    void clearSelection() override { selection.clear(); }
    void bringToFront(TGGraphicControl &object) override { calls.append({"front", &object}); }
    void sendToBack(TGGraphicControl &object) override { calls.append({"back", &object}); }
    bool Printing() const override { return printing; }
    bool Pointing() const override { return true; }
    bool PaintSuspended() const override { return paintSuspended; }
    bool Loading() const override { return false; }
    QSize surfaceSize() const override { return size; }
    void invalidate(const TGGraphicControl &) override { ++invalidations; }
    void repaintNow() override { ++repaints; }
    TColor frameColor() const override { return Colors::clBlack; }
    TColor frameSecondaryColor() const override { return Colors::clGray; }

    int changed = 0;
    int refits = 0;
    int invalidations = 0;
    int repaints = 0;
    bool printing = false;
    bool paintSuspended = false;
    QSize size{816, 1056};
    QList<const TGGraphicControl *> selection;
    QList<std::pair<TGGraphicControl *, ObjectCommandKind>> commands;
    QList<TGGraphicControl *> cloned;
    QList<std::pair<QString, TGGraphicControl *>> calls;
};

// Dialog answers from a script; a null handler cancels.
class FakeObjectEditors : public ObjectEditors
{
public:
    FakeObjectEditors() { ObjectEditors::setInstance(this); }
    ~FakeObjectEditors() override { ObjectEditors::setInstance(nullptr); }

    bool chooseFont(TFont &font) override { return answer(fontChoice, font); }
    bool chooseColor(TColor &color) override { return answer(colorChoice, color); }
    // Hands each kind's dialog to its handler in the form the dialog fills in.
    bool editObject(TGGraphicControl &subject, const QString &dialog) override
    {
        if (dialog == QLatin1String(TGBaseLabel::EffectsDialog)) {
            auto *label = dynamic_cast<TGBaseLabel *>(&subject);
            return label && answer(effects, *label);
        }
        if (!dialog.isEmpty())
            return false;
        if (auto *label = dynamic_cast<TGPLabel *>(&subject)) {
            QString text = label->Caption();
            if (!answer(labelText, text))
                return false;
            label->SetCaption(text);
            return true;
        }
        if (auto *calendar = dynamic_cast<TGFlatCalendar *>(&subject))
            return answer(flatCalendar, *calendar);
        if (auto *image = dynamic_cast<TGImage *>(&subject)) {
            Picture picture;
            bool stretch = image->Stretch();
            bool autoSize = image->AutoSize();
            if (!imageBrowser || !imageBrowser(picture, stretch, autoSize))
                return false;
            image->setSizingFlags(stretch, autoSize);
            image->SetPicture(picture);
            return true;
        }
        if (auto *rich = dynamic_cast<TGPRichBaseLabel *>(&subject)) {
            TWPRtfStorage text = rich->RTFText();
            if (!answer(richText, text))
                return false;
            rich->SetRTFText(text);
            return true;
        }
        if (auto *preview = dynamic_cast<TGSuperText *>(&subject)) {
            QString lastTexture = preview->LastBitmapFileNameandPath();
            if (!superText || !superText(*preview, lastTexture))
                return false;
            preview->SetLastBitmapFileNameandPath(lastTexture);
            return true;
        }
        return false;
    }

    std::function<bool(QString &)> labelText;
    std::function<bool(TGBaseLabel &)> effects;
    std::function<bool(TFont &)> fontChoice;
    std::function<bool(TColor &)> colorChoice;
    std::function<bool(TGFlatCalendar &)> flatCalendar;
    std::function<bool(Picture &, bool &, bool &)> imageBrowser;
    std::function<bool(TWPRtfStorage &)> richText;
    std::function<bool(TGSuperText &, QString &)> superText;

private:
    template<typename Handler, typename Value>
    static bool answer(const Handler &handler, Value &value)
    {
        return handler ? handler(value) : false;
    }
};

// The new object of a kind's drawing tool; null for a class that is no kind.
inline std::unique_ptr<TGGraphicControl> toolObject(const char *className, const TFont &pageFont = {},
                                                    const QDate &today = {})
{
    const ObjectKind *kind = ObjectKinds::find(QString::fromLatin1(className));
    return kind ? kind->createForTool({pageFont, today}) : nullptr;
}

// Runs the action of a menu entry found by caption; false when there is none.
inline bool runMenuEntry(TGGraphicControl &object, const QString &caption)
{
    const ObjectMenuEntry *entry = findMenuEntry(object.popupMenu(), caption);
    if (!entry || !entry->action)
        return false;
    entry->action();
    return true;
}

inline bool menuChecked(const TGGraphicControl &object, const QString &caption)
{
    const ObjectMenuEntry *entry = findMenuEntry(object.popupMenu(), caption);
    return entry && entry->checked;
}

// The captions of a menu level, "-" for separators.
inline QStringList menuCaptions(const ObjectMenu &menu)
{
    QStringList captions;
    for (const ObjectMenuEntry &entry : menu)
        captions.append(entry.separator ? QStringLiteral("-") : entry.caption);
    return captions;
}
