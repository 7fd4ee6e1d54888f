// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/layouttable.h"
#include "shell/preferences.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>

class IniFile;
class ObjectEditors;
class QBoxLayout;
class QButtonGroup;
class QLabel;
class QMenu;
class QScrollArea;
class QToolButton;
class TAssistantVellForm;
class TCalendarPanel32;
class QMimeData;
class TMRUFileList;

// What the properties dialog is told about the page it edits.
struct PropertiesRequest {
    bool newCalendarMode = false;
    CellKind oldLayoutKind = CellKind::NoCells;
    bool warnLayoutKindChange = false;
    bool warnObjectsMove = false;
    // The page's cells hold text that a change of month or year would clear.
    bool warnDateChange = false;
    int oldMonth = 1;
    int oldYear = 1;
    // A planner's dates that hold text: a new starting date keeps those it still shows.
    QList<QDate> textDates;
};

// Entry points of commands that other modules carry out. A command whose hook is not
// assigned stays disabled in the menus and tool bar.
struct TCalendarMainHooks {
    std::function<void()> New1Click;
    std::function<void()> Open1Click;
    std::function<void()> mnuSaveClick;
    std::function<void()> mnuSaveAsClick;
    std::function<void()> mnuSaveAsBitmapClick;
    std::function<void()> mnuSaveAsJPGClick;
    // PNG, JPG, BMP or SVG by the name's extension.
    std::function<void()> mnuSaveAsImageClick;
    std::function<void()> mnuCancelChangesClick;
    std::function<void()> mnuClearAllCellContentsClick;
    std::function<void()> DefaultEditorFont1Click;
    std::function<void()> mnuFillCalendarwithRecurringDatesClick;
    std::function<void()> mnuFillCalendarwithHolidaysClick;
    std::function<void()> mnuFillCalendarFromICalendarFileClick;
    std::function<void()> mnuPrintCalendarClick;
    std::function<void()> mnuPrintSetupClick;
    std::function<void()> mnuPrintPreviewClick;
    std::function<void()> mnuSaveAsPdfClick;
    std::function<void()> mnuSaveYearAsPdfClick;
    // Runs the properties dialog on 'preview', which starts with the page's settings;
    // true when the user confirmed. The main window applies the preview afterwards.
    std::function<bool(TCalendarPanel32 &preview, const PropertiesRequest &request)>
        runPropertiesDialog;
    // Opens a named document: a recent-files entry, and the reopen at first activation.
    std::function<void(const QString &path)> openDocument;
    // The save question before closing; false (the user cancelled) keeps the window open.
    std::function<bool()> FormCloseQuery;
    // Commits the open cell editor into its cell before the page changes.
    std::function<void()> DoSaveRichtext;
    // The open cell's edited text and its cell, without committing it; empty when no cell is
    // open or its text is unchanged.
    std::function<std::optional<std::pair<int, QByteArray>>()> openCellText;
    // Tab (forward) or Shift+Tab in the cell editor; true when the key was used.
    std::function<bool(bool forward)> cellEditorTab;
    // The printer check of the first activation, with its messages.
    std::function<bool()> checkPrinter;
    // Makes the icons window when it is first to show; from then on it is the icons window.
    std::function<QWidget *()> makeIconsWindow;
    // Loads an icon library into the icons window, and the library it shows now.
    std::function<void(const QString &file)> loadIconLibrary;
    std::function<QString()> currentIconFile;
    // Whether freeform objects lie on the page.
    std::function<bool()> hasDrawingObjects;
    // Undo and redo: every change that marks the document modified is recorded.
    std::function<void()> recordChange;
    std::function<void()> mnuUndoClick;
    std::function<void()> mnuRedoClick;
    std::function<bool()> canUndo;
    std::function<bool()> canRedo;
    // The page as the window first shows it starts the history.
    std::function<void()> resetHistory;
    // The copy of unsaved changes left by a run that did not end normally: offered back at
    // start (true when restored), removed when the window closes normally.
    std::function<bool()> offerRecovery;
    std::function<void()> discardRecovery;
    // Previous and Next Month while a project is open: true when the project took the step
    // (it shows its page before or after), so the page keeps its own month.
    std::function<bool(int delta)> stepPage;
    // A start with no document to open: the template gallery, unless the user turned it off.
    std::function<void()> showGalleryAtStart;
};

// The program's document window: menus, tool bar, the page in its scrolling area; it
// runs start-up and closing and decides which commands are available. It owns the page,
// the recent-files list and the quick tips window; the icons window and the cell editor
// are owned by their modules and only registered here.
class TCalendarMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TCalendarMain(QWidget *parent = nullptr);
    ~TCalendarMain() override;

    static QString iniPath();
    static QString version();

    void setHooks(TCalendarMainHooks hooks);
    // Each module connects its own entry points without touching the others'.
    void connectHooks(const std::function<void(TCalendarMainHooks &hooks)> &change);
    const TCalendarMainHooks &hooks() const { return m_hooks; }

    TCalendarPanel32 &CalendarPanel() const { return *m_page; }
    // Expires when the window starts to go: callbacks that children raise while they are
    // destroyed check it before they reach the window.
    std::weak_ptr<const bool> lifeToken() const { return m_lifeToken; }
    TMRUFileList &mruList() const { return *m_mru; }
    QMenu *fileMenu() const { return m_fileMenu; }

    // Document state for the file commands.
    const QString &documentFileName() const { return m_documentFileName; }
    void setDocumentFileName(const QString &path);
    bool Modified() const { return m_modified; }
    void SetModified(bool modified);
    bool newCalendarMode() const { return m_newCalendarMode; }
    void setNewCalendarMode(bool on) { m_newCalendarMode = on; }
    bool firstActivationPending() const { return m_firstActivationPending; }
    void setFirstActivationPending(bool pending) { m_firstActivationPending = pending; }
    bool printerAvailable() const { return m_printerAvailable; }
    int currentCell() const { return m_currentCell; }
    void setCurrentCell(int cell) { m_currentCell = cell; }
    // Shows or hides the page (a document is open) and updates the commands.
    void setPageShown(bool shown);

    // Modules register their windows here; the main window does not own them.
    void setIconsWindow(QWidget *window);
    QWidget *iconsWindow() const { return m_iconsWindow; }
    bool iconsWindowWanted() const { return m_iconsWindowWanted; }
    // The cell editor lies over the page in 'pageArea()'; its formatting tool bar goes
    // above the main tool bar.
    void setCellEditor(QWidget *editor, QWidget *formatToolBar);
    QWidget *pageArea() const { return m_scrollContents; }

    const Preferences &preferences() const { return m_prefs; }
    void setDefaultEditorFont(const DefaultFontSetting &font) { m_prefs.defaultFont = font; }
    void setGalleryAtStart(bool show) { m_prefs.galleryAtStart = show; }
    void setHolidayChoice(const QString &place, bool localNames)
    {
        m_prefs.holidayPlace = place;
        m_prefs.holidayLocalNames = localNames;
    }
    void LoadPreferences();
    void SavePreferences();

    void SetButtons();
    void SetCaption();
    // A caption that stands while the document has no file name ("Orvane [untitled]"
    // after New); naming the document ends it.
    void setUntitledCaption(const QString &caption);
    void CheckFloaterStatus();
    // A drawing tool finished its rectangle on the page: back to the pointer.
    void PageObjectDropped();

    // The icons window steps aside while a modal dialog is open (the dialog service runs
    // these around every dialog; Dialogs::ModalScope widens the time to a whole command).
    void hideIconsWindowForDialog();
    void restoreIconsWindowAfterDialog();

    void FormActivate();
    // A document named on the command line: opened at first activation instead of the
    // most recent one.
    void setStartDocument(const QString &path) { m_startDocument = path; }
    // A document to open from outside the menus (a recent-files entry, a later start of the
    // program, a file dropped on the window): after the save question, and once no modal
    // dialog is open any more.
    void openRequested(const QString &path);
    // The calendar document a drag carries, or an empty string.
    static QString draggedCalendarFile(const QMimeData *data);

    // The Properties command; true when the user confirmed the dialog.
    bool runProperties();

public slots:
    void New1Click();
    void Open1Click();
    void mnuSaveClick();
    void mnuSaveAsClick();
    void mnuSaveAsBitmapClick();
    void mnuSaveAsJPGClick();
    void mnuSaveAsImageClick();
    void mnuSaveAsPdfClick();
    void mnuSaveYearAsPdfClick();
    void mnuPrintPreviewClick();
    void mnuPropertiesClick();
    void mnuUserTitleClick();
    void mnuCancelChangesClick();
    void mnuUndoClick();
    void mnuRedoClick();
    void mnuClearAllCellContentsClick();
    void DefaultEditorFont1Click();
    void mnuFillCalendarwithRecurringDatesClick();
    void mnuFillCalendarwithHolidaysClick();
    void mnuFillCalendarFromICalendarFileClick();
    void mnuEditrecurringDatesClick();
    void mnuPrintCalendarClick();
    void mnuPrintSetupClick();
    void Exit1Click();
    void Contents1Click();
    void About1Click();
    void mnuShowHintClick();
    void VisitOurInternetW1Click();
    void ConfigurationInformation1Click();
    void Technicalsupport1Click();
    void FrequentlyAskedQuestions1Click();
    // Previous Month / Next Month: the page's month steps as a change in Properties would
    // change it, asking first when that clears typed text.
    void stepMonth(int delta);
    void ZoomSpinnerUpClick();
    void ZoomSpinnerDownClick();
    void ShowHideIconToolClick();
    void AssistantbuttonClick();
    void SavebuttonClick();
    void MRUItemClick(const QString &fileName);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A menu command: its object name, caption and slot, and the member that keeps the
    // action when the window changes it later.
    struct MenuItem {
        const char *name;
        const char *caption;
        void (TCalendarMain::*slot)();
        QAction *TCalendarMain::*action;
        bool separatorAfter;
    };

    void createMenus();
    void addMenuItems(QMenu *menu, std::initializer_list<MenuItem> items);
    void createFileMenu();
    void createEditMenu();
    void createHelpMenu();
    QAction *addMenuItem(QMenu *menu, const QString &name, const QString &caption,
                         void (TCalendarMain::*slot)());
    QWidget *createToolBar();
    QWidget *createZoomSpinner();
    void addPageButtons(QBoxLayout *row);
    void addDocumentButtons(QBoxLayout *row);
    QToolButton *addToolButton(const QString &name, const QString &hint, const QIcon &icon);
    void createDrawingTools();
    void createScrollBox();
    void createRecentFiles();
    static void setCommandEnabled(QAction *action, bool rule, bool connected);
    void setMenuCommands(bool shown, bool textLayout);
    void setToolButtons(bool shown, bool textLayout);
    void applyHints();
    bool handleKey(QObject *watched, QKeyEvent *key);
    // Page Up, Page Down, Home and End outside the cell editor; true when used.
    bool handlePageKey(int key);
    bool handleCalendarDrag(QObject *watched, QEvent *event);
    void openPendingRequests();
    void zoomStep(bool zoomIn);
    void commitCellEditor();
    void fitScrollContents();
    bool runPropertiesDialog();
    void applyProperties(const TCalendarPanel32 &preview, int oldMonth, int oldYear);
    void showIconsWindow(bool show);
    bool iconsWindowShowing() const;
    void FormClose();
    // True when unsaved changes from a run that did not end normally were restored.
    bool showWithRecentDocument();
    void finishStart();
    // Hands the memory the start used for a while back to the system.
    static void releaseStartMemory();
    void restoreStuckCursor(QObject *watched);
    void runCommand(const std::function<void()> &command);

    TCalendarMainHooks m_hooks;
    Preferences m_prefs;
    QString m_documentFileName;
    QString m_startDocument;
    // Requests that wait for a modal dialog to close, oldest first.
    QStringList m_pendingOpens;
    bool m_openingRequest = false;
    QString m_untitledCaption;
    bool m_modified = false;
    bool m_firstActivationPending = true;
    bool m_iconsWindowWanted = true;
    bool m_iconsHiddenForDialog = false;
    bool m_printerAvailable = false;
    bool m_zoomBusy = false;
    bool m_newCalendarMode = false;
    bool m_closing = false;
    int m_currentCell = 0;

    TCalendarPanel32 *m_page = nullptr;
    std::shared_ptr<const bool> m_lifeToken = std::make_shared<const bool>(true);
    // The dialogs freeform objects open, while this window lives.
    std::unique_ptr<ObjectEditors> m_objectEditors;
    TMRUFileList *m_mru = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_newAction = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_saveAction = nullptr;
    // Ctrl+S while Save is disabled (an untitled calendar) runs Save As, as the Save button does.
    QAction *m_saveAsAction = nullptr;
    QAction *m_saveAsBitmapAction = nullptr;
    QAction *m_saveAsJpgAction = nullptr;
    QAction *m_saveAsImageAction = nullptr;
    QAction *m_saveAsPdfAction = nullptr;
    QAction *m_saveYearAsPdfAction = nullptr;
    QAction *m_printPreviewAction = nullptr;
    QAction *m_propertiesAction = nullptr;
    QAction *m_userTitleAction = nullptr;
    QAction *m_cancelChangesAction = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QAction *m_previousMonthAction = nullptr;
    QAction *m_nextMonthAction = nullptr;
    QAction *m_clearAllCellsAction = nullptr;
    QAction *m_defaultEditorFontAction = nullptr;
    QAction *m_fillRecurringAction = nullptr;
    QAction *m_fillHolidaysAction = nullptr;
    QAction *m_fillICalendarAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_printSetupAction = nullptr;
    QAction *m_showHint = nullptr;
    QScrollArea *m_scrollBox = nullptr;
    QWidget *m_toolBar = nullptr;
    QWidget *m_scrollContents = nullptr;
    QWidget *m_zoomSpinner = nullptr;
    QLabel *m_zoomCaption = nullptr;
    QToolButton *m_propertiesButton = nullptr;
    QToolButton *m_printButton = nullptr;
    QToolButton *m_showHideIconTool = nullptr;
    QButtonGroup *m_tools = nullptr;
    QToolButton *m_pointerButton = nullptr;
    QToolButton *m_saveButton = nullptr;
    QToolButton *m_cancelButton = nullptr;
    QPointer<QWidget> m_iconsWindow;
    QPointer<QWidget> m_cellEditor;
    QPointer<QWidget> m_formatToolBar;
    QPointer<TAssistantVellForm> m_quickTips;
};
