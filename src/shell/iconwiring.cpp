// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconwiring.h"

#include "cells/cellediting.h"
#include "icons/floater.h"
#include "icons/icondrag.h"
#include "icons/iconlistbox.h"
#include "page/calpanel32.h"
#include "richedit/twprichtext.h"
#include "core/inifile.h"
#include "shell/camain.h"
#include "shell/placement.h"

#include <QDropEvent>
#include <QPointer>

namespace {

const QString kPlacementName = QStringLiteral("TFloatingPalette");

// Takes icon drags on the page and on the cell editor and puts the icon into the day cell
// under the pointer; every other drag goes on to the widget.
class IconDropFilter : public QObject
{
public:
    IconDropFilter(CellEditing &editing, QWidget &page, QObject *parent)
        : QObject(parent), m_editing(editing), m_page(page)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            break;
        default:
            return false;
        }
        auto *drag = static_cast<QDropEvent *>(event);
        if (!IconDrag::isIconDrag(drag->mimeData()))
            return false;
        const QPoint point = drag->position().toPoint();
        const bool onPage = watched == &m_page;
        if (event->type() == QEvent::DragEnter) {
            // Entered anywhere: the moves that follow decide where it may land.
            drag->acceptProposedAction();
            return true;
        }
        if (onPage && !m_editing.canDropOnPage(point)) {
            drag->ignore();
            return true;
        }
        if (event->type() == QEvent::DragMove) {
            drag->acceptProposedAction();
            return true;
        }
        const QImage picture = IconDrag::picture(drag->mimeData());
        const bool dropped = onPage ? m_editing.dropPictureOnPage(point, picture)
                                    : m_editing.dropPictureInEditor(point, picture);
        if (dropped)
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }

private:
    CellEditing &m_editing;
    QWidget &m_page;
};

void placePalette(TFloatingPalette &palette, TCalendarMain &window)
{
    // Only the position is taken from the preferences; the window keeps its own size.
    const QSize designed = palette.size();
    IniFile ini(TCalendarMain::iniPath());
    RestorePlacement(palette, kPlacementName, ini, &window);
    palette.resize(designed);
}

// Makes the icons window the first time it is asked for. A child of the main window.
class PaletteMaker : public QObject
{
public:
    explicit PaletteMaker(TCalendarMain &window) : QObject(&window), m_window(window) {}

    TFloatingPalette &palette()
    {
        if (!m_palette)
            make();
        return *m_palette;
    }
    bool made() const { return !m_palette.isNull(); }

private:
    void make()
    {
        m_palette = new TFloatingPalette(&m_window);
        placePalette(*m_palette, m_window);
        m_palette->setBeforeDestroy([](TFloatingPalette &closing) {
            IniFile ini(TCalendarMain::iniPath());
            SavePlacement(closing, kPlacementName, ini);
        });
        const std::weak_ptr<const bool> alive = m_window.lifeToken();
        QObject::connect(m_palette, &TFloatingPalette::visibilityChanged, &m_window,
                         [&window = m_window, alive] {
                             if (!alive.expired())
                                 window.SetButtons();
                         });
        m_window.setIconsWindow(m_palette);
    }

    TCalendarMain &m_window;
    QPointer<TFloatingPalette> m_palette;
};

} // namespace

std::function<TFloatingPalette &()> connectIconPalette(TCalendarMain &window, CellEditing &editing)
{
    auto *maker = new PaletteMaker(window);
    window.connectHooks([maker, &window](TCalendarMainHooks &h) {
        h.makeIconsWindow = [maker]() -> QWidget * { return &maker->palette(); };
        h.loadIconLibrary = [maker](const QString &file) { maker->palette().CheckIconMenu(file); };
        // A window that was never made still shows the library of the preferences.
        h.currentIconFile = [maker, &window] {
            return maker->made() ? maker->palette().currentFile() : window.preferences().iconFile;
        };
    });

    TCalendarPanel32 &page = window.CalendarPanel();
    QWidget *viewport = editing.editor().viewport();
    auto *drops = new IconDropFilter(editing, page, maker);
    page.setAcceptDrops(true);
    page.installEventFilter(drops);
    viewport->setAcceptDrops(true);
    viewport->installEventFilter(drops);
    return [maker]() -> TFloatingPalette & { return maker->palette(); };
}
