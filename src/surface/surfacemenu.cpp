// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surfacemenu.h"

#include "surface/gbasepanel.h"
#include "surface/tghandle.h"

#include <QFile>
#include <QMenu>

SurfaceMenu::SurfaceMenu(TGBasePanel &surface)
    : m_surface(surface), m_menu(std::make_unique<QMenu>(&surface))
{
    TGBasePanel *s = &surface;
    m_undo = addCommand(QStringLiteral("&Undo"), [s] {
        if (s->undoHooks().undo)
            s->undoHooks().undo();
    });
    m_redo = addCommand(QStringLiteral("&Redo"), [s] {
        if (s->undoHooks().redo)
            s->undoHooks().redo();
    });
    m_menu->addSeparator();
    const auto selectionItem = [this](const QString &caption, std::function<void()> command) {
        m_selectionItems.push_back(addCommand(caption, std::move(command)));
    };
    selectionItem(QStringLiteral("Bring To Front"), [s] { s->BringSelectionToFront(); });
    selectionItem(QStringLiteral("Send To Back"), [s] { s->SendSelectionToBack(); });
    m_menu->addSeparator();
    selectionItem(QStringLiteral("Cut"), [s] { s->CutSelection(); });
    selectionItem(QStringLiteral("Copy"), [s] { s->CopySelection(); });
    m_paste = addCommand(QStringLiteral("Paste"), [s] { s->PasteObjects(); });
    m_menu->addSeparator();
    selectionItem(QStringLiteral("Delete"), [s] { s->DeleteSelection(); });
    m_menu->addSeparator();
    selectionItem(QStringLiteral("Align Left"), [s] { s->AlignLeft(); });
    selectionItem(QStringLiteral("Align Right"), [s] { s->AlignRight(); });
    selectionItem(QStringLiteral("Align Tops"), [s] { s->AlignTops(); });
    selectionItem(QStringLiteral("Align Bottoms"), [s] { s->AlignBottoms(); });
    m_menu->addSeparator();
    selectionItem(QStringLiteral("Center Vertically"), [s] { s->CenterSelectionVertically(); });
    selectionItem(QStringLiteral("Center Horizontally"),
                  [s] { s->CenterSelectionHorizontally(); });
    m_menu->addSeparator();
    m_lockAll = addCommand(QStringLiteral("Lock All"), [s] { s->LockAll(); });
    m_unlockAll = addCommand(QStringLiteral("Unlock All"), [s] { s->UnlockAll(); });
    m_menu->addSeparator();
    addCommand(QStringLiteral("Mark All Selectable"), [s] { s->MarkAllSelectable(); });
    addCommand(QStringLiteral("Mark All Unselectable"), [s] { s->MarkAllUnselectable(); });
    addCommand(QStringLiteral("Select All"), [s] { s->SelectAllObjects(); });
    m_menu->addSeparator();
    selectionItem(QStringLiteral("Font"), [s] { s->SetSelectionFont(); });
}

SurfaceMenu::~SurfaceMenu() = default;

QAction *SurfaceMenu::addCommand(const QString &caption, std::function<void()> command)
{
    QAction *action = m_menu->addAction(caption);
    m_commands.emplace_back(action, std::move(command));
    return action;
}

void SurfaceMenu::updateStates()
{
    const TGBasePanel::UndoHooks &undo = m_surface.undoHooks();
    m_undo->setEnabled(undo.canUndo && undo.undo && undo.canUndo());
    m_redo->setEnabled(undo.canRedo && undo.redo && undo.canRedo());
    const bool selection = m_surface.frame().SelectedCount() > 0;
    for (QAction *action : m_selectionItems)
        action->setEnabled(selection);
    m_paste->setEnabled(QFile::exists(m_surface.clipboardPath()));
    // The frame is always one child control; the commands need something besides it.
    const bool others = m_surface.childControlCount() > 1;
    m_lockAll->setEnabled(others);
    m_unlockAll->setEnabled(others);
}

void SurfaceMenu::popup(const QPoint &screenPoint)
{
    updateStates();
    const QAction *chosen = m_surface.presentPopup(*m_menu, screenPoint);
    if (!chosen || !chosen->isEnabled())
        return;
    for (const auto &[action, command] : m_commands) {
        if (action == chosen) {
            const std::function<void()> run = command;
            run();
            return;
        }
    }
}
