// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "camain.h"

#include "objecteditors/dialogobjecteditors.h"
#include "documents/objectfiler.h"

#include "page/calpanel32.h"
#include "core/apppaths.h"
#include "recurringdialogs/recurringcommands.h"
#include "widgets/dialogs.h"
#include "dialogs/asstvellform.h"
#include "documents/busycursor.h"
#include "documents/mrufilelist.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

namespace {

// The page sits this far from the scrolling area's top-left corner.
constexpr int kPageMargin = 5;

} // namespace

TCalendarMain::TCalendarMain(QWidget *parent) : QMainWindow(parent)
{
    const BusyCursor busy;
    setObjectName(QStringLiteral("CalendarMain"));
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    createMenus();
    m_toolBar = createToolBar();
    column->addWidget(m_toolBar);
    createScrollBox();
    column->addWidget(m_scrollBox, 1);
    setCentralWidget(central);
    resize(1000, 740);

    LoadPreferences();
    m_page->SetZoom(zoomFactorFromPercent(m_prefs.mainZoomPercent));
    m_page->SetCalendarLayout(LOFullCalendarLS);
    createRecentFiles();
    // Watches the whole application for the zoom keys and the hints setting.
    qApp->installEventFilter(this);
    // Calendar documents dropped anywhere on the window open (see handleCalendarDrag).
    setAcceptDrops(true);
    // Every modal dialog and message of the program steps the icons window aside.
    Dialogs::setModalAside([this] { hideIconsWindowForDialog(); },
                           [this] { restoreIconsWindowAfterDialog(); });
    convertOldRecurringDates(this);
    SetButtons();
    SetCaption();
}

TCalendarMain::~TCalendarMain()
{
    // Children still send events while they are destroyed; none may reach a half-gone window.
    qApp->removeEventFilter(this);
    Dialogs::setModalAside({}, {});
    m_lifeToken.reset();
    if (ObjectEditors::instance() == m_objectEditors.get())
        ObjectEditors::setInstance(nullptr);
}

QString TCalendarMain::iniPath()
{
    return AppPaths::userFile(QStringLiteral("OV.INI"));
}

QString TCalendarMain::version()
{
    return QStringLiteral(ORVANE_VERSION);
}

void TCalendarMain::createScrollBox()
{
    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox2"));
    m_scrollBox->setBackgroundRole(QPalette::Button);
    m_scrollContents = new QWidget;
    m_scrollContents->setBackgroundRole(QPalette::Button);
    m_page = new TCalendarPanel32(m_scrollContents);
    m_page->setObjectName(QStringLiteral("CalendarPanel"));
    m_page->move(kPageMargin, kPageMargin);
    // The sheet shows as paper against the button-face area, whatever the painter draws.
    // The area around it paints with the button face, which children would inherit.
    m_page->setBackgroundRole(QPalette::Window);
    m_page->setAutoFillBackground(true);
    m_page->hide();
    m_page->installEventFilter(this);
    m_page->setLabelChangedEvent([this](TGBasePanel &) { SetModified(true); });
    m_page->setDroppedObjectEvent([this](TGBasePanel &, const QRect &) { PageObjectDropped(); });
    m_page->setObjectTransfer(std::make_unique<TGLabelObjectFiler>());
    m_objectEditors = std::make_unique<DialogObjectEditors>(this, m_page->pixelsPerInch());
    ObjectEditors::setInstance(m_objectEditors.get());
    m_scrollBox->setWidget(m_scrollContents);
    fitScrollContents();
}

void TCalendarMain::createRecentFiles()
{
    m_mru = new TMRUFileList(this);
    m_mru->SetMaximum(5);
    m_mru->SetRemoveOnClick(true);
    m_mru->SetUseSubmenu(false);
    m_mru->SetAutoSaveName(iniPath());
    m_mru->SetAutoSaveKey(QStringLiteral("MRU"));
    // A click removes the entry before opening it, so entries stay inert until files can
    // be opened.
    m_mru->SetEntriesEnabled(bool(m_hooks.openDocument));
    m_mru->SetFileMenu(m_fileMenu);
    connect(m_mru, &TMRUFileList::OnMRUItemClick, this, &TCalendarMain::MRUItemClick);
    m_mru->LoadList();
}

void TCalendarMain::fitScrollContents()
{
    // The scrolling area's contents grow with the page and keep the margin around it.
    const QSize page = m_page->isHidden() ? QSize() : m_page->size();
    m_scrollContents->resize(page.width() + 2 * kPageMargin, page.height() + 2 * kPageMargin);
}

void TCalendarMain::setHooks(TCalendarMainHooks hooks)
{
    connectHooks([&hooks](TCalendarMainHooks &current) { current = std::move(hooks); });
}

void TCalendarMain::connectHooks(const std::function<void(TCalendarMainHooks &hooks)> &change)
{
    change(m_hooks);
    m_mru->SetEntriesEnabled(bool(m_hooks.openDocument));
    SetButtons();
}

void TCalendarMain::setDocumentFileName(const QString &path)
{
    m_documentFileName = path;
    if (!path.isEmpty())
        m_untitledCaption.clear();
    SetCaption();
    SetButtons();
}

void TCalendarMain::SetModified(bool modified)
{
    // Every change is a step of its own, also when the document was modified already.
    if (modified && m_hooks.recordChange)
        m_hooks.recordChange();
    if (modified == m_modified)
        return;
    m_modified = modified;
    setWindowModified(modified);
    SetButtons();
}

void TCalendarMain::setPageShown(bool shown)
{
    m_page->setVisible(shown);
    fitScrollContents();
    CheckFloaterStatus();
    SetButtons();
}

void TCalendarMain::setIconsWindow(QWidget *window)
{
    m_iconsWindow = window;
    SetButtons();
}

void TCalendarMain::setCellEditor(QWidget *editor, QWidget *formatToolBar)
{
    m_cellEditor = editor;
    m_formatToolBar = formatToolBar;
    auto *column = qobject_cast<QBoxLayout *>(centralWidget()->layout());
    if (formatToolBar && column && column->indexOf(formatToolBar) < 0)
        column->insertWidget(0, formatToolBar);
    SetButtons();
}

void TCalendarMain::SetCaption()
{
    QString caption = QStringLiteral("Orvane");
    if (!m_documentFileName.isEmpty())
        caption += QStringLiteral("  [") + QFileInfo(m_documentFileName).fileName() + QLatin1Char(']');
    else if (!m_untitledCaption.isEmpty())
        caption = m_untitledCaption;
    // Qt shows "[*]" as its modified mark ("*") while the window is modified, else nothing.
    setWindowTitle(caption + QStringLiteral("[*]"));
    const long percent = std::lround(double(m_page->ZoomFactor()) * 100.0);
    m_zoomCaption->setText(QString::number(percent) + QLatin1Char('%'));
}

void TCalendarMain::setUntitledCaption(const QString &caption)
{
    m_untitledCaption = caption;
    SetCaption();
}

void TCalendarMain::setCommandEnabled(QAction *action, bool rule, bool connected)
{
    action->setEnabled(rule && connected);
}

void TCalendarMain::SetButtons()
{
    if (!m_mru)
        return; // still being built
    const bool shown = TGBasePanel::visibleFlag(m_page);
    setMenuCommands(shown, m_page->HasEditableCells());
    setToolButtons(shown, m_page->HasEditableCells());
}

void TCalendarMain::setMenuCommands(bool shown, bool textLayout)
{
    const bool hasFile = !m_documentFileName.isEmpty();
    const TCalendarMainHooks &h = m_hooks;
    setCommandEnabled(m_newAction, true, bool(h.New1Click));
    setCommandEnabled(m_openAction, true, bool(h.Open1Click));
    setCommandEnabled(m_defaultEditorFontAction, true, bool(h.DefaultEditorFont1Click));
    setCommandEnabled(m_fillRecurringAction, textLayout, bool(h.mnuFillCalendarwithRecurringDatesClick));
    setCommandEnabled(m_fillHolidaysAction, textLayout, bool(h.mnuFillCalendarwithHolidaysClick));
    setCommandEnabled(m_fillICalendarAction, textLayout, bool(h.mnuFillCalendarFromICalendarFileClick));
    setCommandEnabled(m_userTitleAction, textLayout, true);
    setCommandEnabled(m_clearAllCellsAction, textLayout, bool(h.mnuClearAllCellContentsClick));
    // An untitled page is saved by asking for a name, so Save is there whenever a page is.
    setCommandEnabled(m_saveAction, hasFile || shown, hasFile ? bool(h.mnuSaveClick) : bool(h.mnuSaveAsClick));
    setCommandEnabled(m_saveAsAction, shown, bool(h.mnuSaveAsClick));
    setCommandEnabled(m_propertiesAction, shown, bool(h.runPropertiesDialog));
    setCommandEnabled(m_printSetupAction, shown, bool(h.mnuPrintSetupClick));
    setCommandEnabled(m_saveAsBitmapAction, shown, bool(h.mnuSaveAsBitmapClick));
    setCommandEnabled(m_saveAsJpgAction, shown, bool(h.mnuSaveAsJPGClick));
    setCommandEnabled(m_saveAsImageAction, shown, bool(h.mnuSaveAsImageClick));
    setCommandEnabled(m_saveAsPdfAction, shown, bool(h.mnuSaveAsPdfClick));
    setCommandEnabled(m_saveYearAsPdfAction, shown, bool(h.mnuSaveYearAsPdfClick));
    setCommandEnabled(m_printPreviewAction, shown, bool(h.mnuPrintPreviewClick));
    setCommandEnabled(m_printAction, shown && m_printerAvailable, bool(h.mnuPrintCalendarClick));
    setCommandEnabled(m_cancelChangesAction, shown && hasFile, bool(h.mnuCancelChangesClick));
    setCommandEnabled(m_undoAction, shown && h.canUndo && h.canUndo(), bool(h.mnuUndoClick));
    setCommandEnabled(m_redoAction, shown && h.canRedo && h.canRedo(), bool(h.mnuRedoClick));
    setCommandEnabled(m_previousMonthAction, shown, true);
    setCommandEnabled(m_nextMonthAction, shown, true);
}

void TCalendarMain::setToolButtons(bool shown, bool textLayout)
{
    const bool hasFile = !m_documentFileName.isEmpty();
    const TCalendarMainHooks &h = m_hooks;
    m_propertiesButton->setEnabled(shown && h.runPropertiesDialog);
    m_printButton->setEnabled(shown && m_printerAvailable && h.mnuPrintCalendarClick);
    m_zoomSpinner->setEnabled(shown);
    m_showHideIconTool->setEnabled(textLayout && (m_iconsWindow || h.makeIconsWindow));
    m_showHideIconTool->setText(iconsWindowShowing() ? QStringLiteral("Hide Icon Tool")
                                                     : QStringLiteral("Show Icon Tool"));
    if (m_formatToolBar)
        // The window's focus widget stays the editor while a drop-down list of the tool
        // bar is open, so the list is not disabled under the user's pointer.
        m_formatToolBar->setEnabled(shown && m_cellEditor && m_cellEditor->isVisible()
                                    && focusWidget() == m_cellEditor);
    m_saveButton->setVisible(m_modified);
    m_saveButton->setEnabled(h.mnuSaveClick || h.mnuSaveAsClick);
    m_cancelButton->setVisible(m_modified && hasFile);
    m_cancelButton->setEnabled(bool(h.mnuCancelChangesClick));
}

bool TCalendarMain::iconsWindowShowing() const
{
    return m_iconsWindow && m_iconsWindow->isVisible();
}

void TCalendarMain::showIconsWindow(bool show)
{
    if (show && !m_iconsWindow && m_hooks.makeIconsWindow)
        setIconsWindow(m_hooks.makeIconsWindow());
    if (m_iconsWindow)
        m_iconsWindow->setVisible(show);
}

void TCalendarMain::CheckFloaterStatus()
{
    if (!m_page->HasEditableCells()) {
        m_iconsWindowWanted = false;
        showIconsWindow(false);
    } else if (m_iconsWindowWanted && !iconsWindowShowing()) {
        showIconsWindow(true);
    }
}

void TCalendarMain::hideIconsWindowForDialog()
{
    m_iconsHiddenForDialog = iconsWindowShowing();
    if (m_iconsHiddenForDialog)
        showIconsWindow(false);
}

void TCalendarMain::restoreIconsWindowAfterDialog()
{
    // A window that was not showing before the dialog (at start-up, before the layout
    // allows it) does not appear because of the dialog.
    if (std::exchange(m_iconsHiddenForDialog, false) && m_iconsWindowWanted)
        showIconsWindow(true);
}

void TCalendarMain::PageObjectDropped()
{
    // The page reports a new object itself once the user confirmed it; a cancelled one
    // changed nothing, but the page is back at the pointer either way.
    m_pointerButton->setChecked(true);
}

void TCalendarMain::commitCellEditor()
{
    if (m_hooks.DoSaveRichtext)
        m_hooks.DoSaveRichtext();
}
