// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on the selected objects, the object clipboard and cloning.
#include "gbasepanel.h"

#include "surface/tghandle.h"
#include "objects/objectnames.h"
#include "objects/tggraphiccontrol.h"
#include "widgets/choosers.h"
#include "widgets/dialogs.h"

#include <QApplication>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <climits>

namespace {

// A paste sooner than this after the previous one is a repeated key, not a second paste.
constexpr qint64 PasteGuard = 1000;
// A clone lies this far below its original.
constexpr int CloneOffset = 25;

} // namespace

std::vector<TGGraphicControl *> TGBasePanel::selectedObjects() const
{
    return m_frame->selection();
}

template<typename Function>
void TGBasePanel::forEachSelected(Function function)
{
    // A copy: a command may take objects out of the selection as it goes.
    for (TGGraphicControl *object : selectedObjects())
        function(*object);
}

void TGBasePanel::selectByRectangle(const QRect &rect, bool shift)
{
    std::vector<TGGraphicControl *> chosen;
    if (shift)
        chosen = selectedObjects();
    m_frame->DeselectAll();
    for (auto it = m_objects->rbegin(); it != m_objects->rend(); ++it) {
        TGGraphicControl *object = it->get();
        if (!object->boundsRect().intersects(rect))
            continue;
        const auto found = std::find(chosen.begin(), chosen.end(), object);
        if (shift && found != chosen.end())
            chosen.erase(found);
        else
            chosen.push_back(object);
    }
    for (TGGraphicControl *object : chosen)
        m_frame->AddToSelection(object);
}

void TGBasePanel::BringSelectionToFront()
{
    if (m_frame->SelectedCount() == 0)
        return;
    m_frame->BringSelectionToFront();
    NotifyChanged();
}

void TGBasePanel::SendSelectionToBack()
{
    if (m_frame->SelectedCount() == 0)
        return;
    m_frame->SendSelectionToBack();
    m_frame->DeselectAll();
    NotifyChanged();
}

void TGBasePanel::DeleteSelection()
{
    const std::vector<TGGraphicControl *> selected = selectedObjects();
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
        destroyObject(**it);
        NotifyChanged();
    }
}

void TGBasePanel::AlignLeft()
{
    if (m_frame->SelectedCount() == 0)
        return;
    NotifyChanged();
    int left = width();
    forEachSelected([&](TGGraphicControl &object) { left = std::min(left, object.Left()); });
    forEachSelected([&](TGGraphicControl &object) { object.setLeft(left); });
    update();
}

void TGBasePanel::AlignRight()
{
    if (m_frame->SelectedCount() == 0)
        return;
    NotifyChanged();
    int right = 0;
    forEachSelected(
        [&](TGGraphicControl &object) { right = std::max(right, object.Left() + object.Width()); });
    forEachSelected([&](TGGraphicControl &object) { object.setLeft(right - object.Width()); });
    update();
}

void TGBasePanel::AlignTops()
{
    if (m_frame->SelectedCount() == 0)
        return;
    NotifyChanged();
    int top = height();
    forEachSelected([&](TGGraphicControl &object) { top = std::min(top, object.Top()); });
    forEachSelected([&](TGGraphicControl &object) { object.setTop(top); });
    update();
}

void TGBasePanel::AlignBottoms()
{
    if (m_frame->SelectedCount() == 0)
        return;
    NotifyChanged();
    int bottom = 0;
    forEachSelected([&](TGGraphicControl &object) {
        bottom = std::max(bottom, object.Top() + object.Height());
    });
    forEachSelected([&](TGGraphicControl &object) { object.setTop(bottom - object.Height()); });
    update();
}

void TGBasePanel::CenterSelectionVertically()
{
    if (m_frame->SelectedCount() == 0)
        return;
    forEachSelected([](TGGraphicControl &object) { object.CenterVertically(); });
    update();
}

void TGBasePanel::CenterSelectionHorizontally()
{
    if (m_frame->SelectedCount() == 0)
        return;
    forEachSelected([](TGGraphicControl &object) { object.CenterHorizontally(); });
    update();
}

void TGBasePanel::LockAll()
{
    for (const auto &object : *m_objects) {
        if (!object->Locked())
            object->SetLocked(true);
    }
}

void TGBasePanel::UnlockAll()
{
    for (const auto &object : *m_objects) {
        if (object->Locked())
            object->SetLocked(false);
    }
}

void TGBasePanel::MarkAllSelectable()
{
    for (const auto &object : *m_objects)
        object->SetUnselectable(false);
}

void TGBasePanel::MarkAllUnselectable()
{
    // Each object leaves the selection as it becomes unselectable.
    for (const auto &object : *m_objects)
        object->SetUnselectable(true);
}

void TGBasePanel::SelectAllObjects()
{
    m_frame->DeselectAll();
    for (const auto &object : *m_objects)
        m_frame->AddToSelection(object.get());
}

void TGBasePanel::SetSelectionFont()
{
    if (m_frame->SelectedCount() == 0)
        return;
    const std::optional<TFont> font = Choosers::chooseFont(this, m_font, pixelsPerInch());
    if (!font)
        return;
    forEachSelected([&](TGGraphicControl &object) { object.AssignFont(*font); });
    update();
}

void TGBasePanel::ObjectCommand(TGGraphicControl &object, ObjectCommandKind command)
{
    const bool selected = isSelected(object);
    switch (command) {
    case ObjectCommandKind::Copy:
        if (selected)
            CopySelection();
        else
            saveToClipboard({&object});
        break;
    case ObjectCommandKind::Cut:
        if (selected)
            CutSelection();
        else if (saveToClipboard({&object}))
            destroyObject(object);
        break;
    case ObjectCommandKind::Paste:
        PasteObjects();
        break;
    case ObjectCommandKind::Delete:
        if (selected)
            DeleteSelection();
        else
            destroyObject(object);
        break;
    }
}

bool TGBasePanel::saveToClipboard(const std::vector<const TGGraphicControl *> &objects)
{
    if (!m_transfer || objects.empty())
        return false;
    QString error;
    if (!m_transfer->saveObjects(objects, m_clipboardPath, &error)) {
        reportError(error);
        return false;
    }
    return true;
}

void TGBasePanel::CopySelection()
{
    const std::vector<TGGraphicControl *> selected = selectedObjects();
    saveToClipboard({selected.begin(), selected.end()});
}

void TGBasePanel::CutSelection()
{
    const std::vector<TGGraphicControl *> selected = selectedObjects();
    // Objects that could not be copied are not deleted.
    if (saveToClipboard({selected.begin(), selected.end()}))
        DeleteSelection();
}

void TGBasePanel::PasteObjects()
{
    const qint64 start = now();
    if (m_lastPasteTime && start - *m_lastPasteTime < PasteGuard)
        return;
    if (!m_lastPasteTime)
        m_lastPasteTime = start;
    if (!m_transfer || !QFile::exists(m_clipboardPath))
        return;
    QString error;
    std::vector<std::unique_ptr<TGGraphicControl>> pasted =
        m_transfer->loadObjects(m_clipboardPath, &error);
    // Objects read before a damaged record stay, and are wired up like the others so
    // that they can be selected and are saved with the document.
    std::vector<TGGraphicControl *> added;
    for (auto &object : pasted) {
        if (TGGraphicControl *placed = addPastedObject(std::move(object)))
            added.push_back(placed);
    }
    ConnectObjects();
    if (!added.empty()) {
        m_frame->DeselectAll();
        for (TGGraphicControl *object : added)
            m_frame->AddToSelection(object);
    }
    if (!pasted.empty())
        NotifyChanged();
    m_lastPasteTime = now();
    if (!error.isEmpty())
        reportError(error);
}

TGGraphicControl *TGBasePanel::addPastedObject(std::unique_ptr<TGGraphicControl> object)
{
    if (!object)
        return nullptr;
    object->setName(componentName(object->Name()));
    return appendObject(std::move(object));
}

QString TGBasePanel::componentName(const QString &stored) const
{
    return firstFreeObjectName(QStringLiteral("Component"), 0,
                               [this](const QString &name) { return objectNameTaken(name); })
        .value_or(stored);
}

void TGBasePanel::CloneObject(TGGraphicControl &object)
{
    if (!m_transfer)
        return;
    QString error;
    std::unique_ptr<TGGraphicControl> copy = m_transfer->cloneObject(object, &error);
    if (!copy) {
        if (!error.isEmpty())
            reportError(error);
        return;
    }
    copy->setName(componentName(copy->Name()));
    TGGraphicControl *clone = appendObject(std::move(copy));
    clone->setTop(clone->Top() + CloneOffset);
    if (isSelected(object)) {
        m_frame->RemoveFromSelection(&object);
        m_frame->AddToSelection(clone);
    }
    ConnectObjects();
    NotifyChanged();
}

void TGBasePanel::reportError(const QString &message)
{
    Dialogs::errorBox(this, QApplication::applicationDisplayName(), message);
}
