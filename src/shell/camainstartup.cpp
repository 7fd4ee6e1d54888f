// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "camain.h"

#include "widgets/dialogs.h"

#include "core/apppaths.h"

#include "page/calpanel32.h"
#include "widgets/helpwindow.h"
#include "core/filebytes.h"
#include "core/inifile.h"
#include "dialogs/asstvellform.h"
#include "documents/busycursor.h"
#include "documents/mrufilelist.h"
#include "shell/placement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMimeData>
#include <QPrinterInfo>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>
#include <QToolTip>
#include <QWheelEvent>

#ifdef __GLIBC__
#include <malloc.h>
#endif

Q_LOGGING_CATEGORY(lcMainWindow, "orvane.shell.mainwindow")

namespace {

const QString kPlacementName = QStringLiteral("TCalendarMain");

} // namespace

void TCalendarMain::LoadPreferences()
{
    const IniFile ini(iniPath());
    m_prefs = Preferences::load(ini);
    m_iconsWindowWanted = m_prefs.iconsVisible;
    m_showHint->setChecked(m_prefs.hintsOn);
    applyHints();
}

void TCalendarMain::SavePreferences()
{
    m_prefs.hintsOn = m_showHint->isChecked();
    // Without an icons window nothing can have changed the wish to see it.
    m_prefs.iconsVisible = m_iconsWindow ? m_iconsWindow->isVisible() : m_iconsWindowWanted;
    if (m_hooks.currentIconFile)
        m_prefs.iconFile = m_hooks.currentIconFile();
    IniFile ini(iniPath());
    if (!m_prefs.save(ini))
        qCWarning(lcMainWindow) << "Could not write the preferences to" << ini.path();
}

void TCalendarMain::applyHints()
{
    if (!m_prefs.hintsOn)
        QToolTip::hideText();
}

void TCalendarMain::FormActivate()
{
    if (!m_firstActivationPending)
        return;
    {
        const BusyCursor busy;
        // Restored changes are unsaved changes: the document stays modified.
        SetModified(showWithRecentDocument());
        m_firstActivationPending = false;
        SetButtons();
        SetCaption();
    }
    // Said once a run: without a usable user folder nothing the program writes is kept.
    if (const QString problem = AppPaths::userFolderProblem(); !problem.isEmpty()) {
        Dialogs::informationBox(
            this, QStringLiteral("Orvane cannot keep its settings, recent files or recovery copies: %1.").arg(problem));
    }
    // What the first look at the document does not need comes once it shows: the icon
    // library, the icons window and the question whether a printer is there (which loads
    // the print system's plugin).
    QTimer::singleShot(0, this, [this] { finishStart(); });
}

void TCalendarMain::finishStart()
{
    if (m_hooks.loadIconLibrary)
        m_hooks.loadIconLibrary(m_prefs.iconFile);
    m_printerAvailable = m_hooks.checkPrinter ? m_hooks.checkPrinter()
                                              : !QPrinterInfo::availablePrinterNames().isEmpty();
    CheckFloaterStatus();
    if (m_iconsWindowWanted)
        showIconsWindow(true);
    SetButtons();
    m_page->update();
    QTimer::singleShot(0, this, &releaseStartMemory);
}

void TCalendarMain::releaseStartMemory()
{
#ifdef __GLIBC__
    // The start leaves much of the heap free: the font database is built, files are read
    // and the first pictures are composed in memory that is given back, and the large
    // page images raise malloc's limits so far that it keeps those pages. Once the window
    // has painted they go back to the system.
    ::malloc_trim(0);
#endif
}

bool TCalendarMain::showWithRecentDocument()
{
    IniFile ini(iniPath());
    RestorePlacement(*this, kPlacementName, ini, this);
    show();
    m_page->ResetToDefaults();
    if (m_hooks.resetHistory)
        m_hooks.resetHistory();
    const bool recovered = m_hooks.offerRecovery && m_hooks.offerRecovery();
    const QStringList recent = m_mru->files();
    if (!m_startDocument.isEmpty()) {
        // The document asked for replaces the recent one; restored changes get the save
        // question first.
        if (recovered)
            QTimer::singleShot(0, this, [this, path = m_startDocument] { openRequested(path); });
        else if (m_hooks.openDocument)
            m_hooks.openDocument(m_startDocument);
    } else if (!recovered && !recent.isEmpty() && FileBytes::exists(recent.first()) && m_hooks.openDocument) {
        m_hooks.openDocument(recent.first());
    } else if (!recovered && m_hooks.showGalleryAtStart) {
        // Nothing to open: a finished design to start from rather than an empty page, once
        // the window stands.
        QTimer::singleShot(0, this, [this] {
            if (m_hooks.showGalleryAtStart && m_documentFileName.isEmpty() && !m_modified)
                m_hooks.showGalleryAtStart();
        });
    }
    // Paint what the open left, then again with the page shown. Running every pending event
    // here instead would let input reach a window that has not finished starting.
    repaint();
    m_page->setVisible(recovered || !m_documentFileName.isEmpty());
    fitScrollContents();
    repaint();
    return recovered;
}

void TCalendarMain::closeEvent(QCloseEvent *event)
{
    if (!m_closing) {
        // Cancelling the save question keeps the window and its unsaved work.
        if (m_hooks.FormCloseQuery && !m_hooks.FormCloseQuery()) {
            event->ignore();
            return;
        }
        m_closing = true;
        FormClose();
    }
    event->accept();
}

void TCalendarMain::FormClose()
{
    // Closing normally: the unsaved changes were saved or given up at the save question.
    if (m_hooks.discardRecovery)
        m_hooks.discardRecovery();
    m_prefs.mainZoomPercent = percentFromZoomFactor(m_page->ZoomFactor());
    SavePreferences();
    IniFile ini(iniPath());
    SavePlacement(*this, kPlacementName, ini);
    showIconsWindow(false);
    if (m_quickTips)
        m_quickTips->close();
    HelpWindow::closeIfOpen();
    hide();
}

QString TCalendarMain::draggedCalendarFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return QString();
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).suffix().toUpper() == QLatin1String("OVF"))
            return url.toLocalFile();
    }
    return QString();
}

bool TCalendarMain::handleCalendarDrag(QObject *watched, QEvent *event)
{
    // A calendar document dragged anywhere over the window opens, also over the page and
    // the cell editor, which would otherwise take it as a picture or as text.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this || !m_hooks.openDocument)
        return false;
    auto *drag = static_cast<QDropEvent *>(event);
    const QString path = draggedCalendarFile(drag->mimeData());
    if (path.isEmpty())
        return false;
    drag->acceptProposedAction();
    // The drag's source waits until the drop returns: the save question comes after.
    if (event->type() == QEvent::Drop)
        QTimer::singleShot(0, this, [this, path] { openRequested(path); });
    return true;
}

bool TCalendarMain::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
        if (watched == m_page)
            fitScrollContents();
        break;
    case QEvent::Enter:
        restoreStuckCursor(watched);
        break;
    case QEvent::ToolTip:
        // Hints off: no tool tips anywhere in the program.
        return !m_prefs.hintsOn;
    case QEvent::KeyPress:
        return handleKey(watched, static_cast<QKeyEvent *>(event));
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (handleCalendarDrag(watched, event))
            return true;
        break;
    case QEvent::Wheel: {
        // Ctrl with the wheel over the page zooms, as in other programs that show pages.
        auto *wheel = static_cast<QWheelEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if (wheel->modifiers().testFlag(Qt::ControlModifier) && widget && m_scrollBox
            && (widget == m_scrollBox || m_scrollBox->isAncestorOf(widget)) && wheel->angleDelta().y() != 0) {
            zoomStep(wheel->angleDelta().y() > 0);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TCalendarMain::restoreStuckCursor(QObject *watched)
{
    // A busy cursor left behind by an interrupted operation goes away when the mouse
    // reaches the tool bar; the drag cursors of a running drag stay.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || (widget != m_toolBar && !m_toolBar->isAncestorOf(widget)))
        return;
    while (const QCursor *cursor = QApplication::overrideCursor()) {
        const Qt::CursorShape shape = cursor->shape();
        if (shape == Qt::DragMoveCursor || shape == Qt::DragCopyCursor || shape == Qt::DragLinkCursor)
            return;
        QApplication::restoreOverrideCursor();
    }
}

bool TCalendarMain::handlePageKey(int key)
{
    // An open cell editor moves its cursor with these keys.
    if (m_cellEditor && m_cellEditor->isVisible())
        return false;
    // A page larger than the window scrolls, downwards where it is taller than the window;
    // one that fits zooms with Page Up and Page Down.
    QScrollBar *bar = m_scrollBox->verticalScrollBar();
    if (bar->maximum() <= bar->minimum())
        bar = m_scrollBox->horizontalScrollBar();
    if (bar->maximum() <= bar->minimum()) {
        if (key == Qt::Key_PageDown)
            ZoomSpinnerUpClick();
        else if (key == Qt::Key_PageUp)
            ZoomSpinnerDownClick();
        return false;
    }
    switch (key) {
    case Qt::Key_PageDown: bar->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Qt::Key_PageUp: bar->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Qt::Key_Home: bar->triggerAction(QAbstractSlider::SliderToMinimum); break;
    default: bar->triggerAction(QAbstractSlider::SliderToMaximum); break;
    }
    // Used here: the scrolling area would otherwise scroll a second time.
    return true;
}

bool TCalendarMain::handleKey(QObject *watched, QKeyEvent *key)
{
    // A key press is offered to the focus widget and then to its parents; act once, on
    // the first of them, and only while this window is the active one.
    auto *widget = qobject_cast<QWidget *>(watched);
    QWidget *focus = QApplication::focusWidget();
    if (!widget || widget->window() != this || !isActiveWindow() || widget != (focus ? focus : this))
        return false;
    switch (key->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
    case Qt::Key_Home:
    case Qt::Key_End:
        return handlePageKey(key->key());
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (m_cellEditor && m_cellEditor->isVisible() && m_cellEditor->hasFocus()
            && m_hooks.cellEditorTab) {
            const bool backwards = key->key() == Qt::Key_Backtab
                                   || key->modifiers().testFlag(Qt::ShiftModifier);
            return m_hooks.cellEditorTab(!backwards);
        }
        return false;
    default:
        return false;
    }
}
