// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "camain.h"

#include "objects/objectkinds.h"
#include "page/calpanel32.h"
#include "shell/toolicons.h"

#include <QAction>
#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Hints break lines at "\r", as messages do.
QString hintText(QString hint)
{
    return hint.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QFont arialFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void colourText(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::ButtonText, color);
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

} // namespace

QAction *TCalendarMain::addMenuItem(QMenu *menu, const QString &name, const QString &caption,
                                    void (TCalendarMain::*slot)())
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void TCalendarMain::createMenus()
{
    createFileMenu();
    createEditMenu();
    createHelpMenu();
}

void TCalendarMain::addMenuItems(QMenu *menu, std::initializer_list<MenuItem> items)
{
    for (const MenuItem &item : items) {
        QAction *action = addMenuItem(menu, QLatin1String(item.name), QLatin1String(item.caption), item.slot);
        if (item.action)
            this->*item.action = action;
        if (item.separatorAfter)
            menu->addSeparator();
    }
}

void TCalendarMain::createFileMenu()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("File1"));
    // The trailing blanks of "&New " and "&Save " are part of the captions.
    addMenuItems(m_fileMenu, {
        {"New1", "&New ", &TCalendarMain::New1Click, &TCalendarMain::m_newAction, false},
        {"Open1", "&Open", &TCalendarMain::Open1Click, &TCalendarMain::m_openAction, true},
        // Saves under the document's name, or asks for one, as the Save button and Ctrl+S do.
        {"mnuSave", "&Save ", &TCalendarMain::SavebuttonClick, &TCalendarMain::m_saveAction, false},
        {"mnuSaveAs", "Save &As...", &TCalendarMain::mnuSaveAsClick, &TCalendarMain::m_saveAsAction, false},
        {"mnuSaveAsBitmap", "Save As Bitmap File", &TCalendarMain::mnuSaveAsBitmapClick,
         &TCalendarMain::m_saveAsBitmapAction, false},
        {"mnuSaveAsJPG", "Save As JPG File", &TCalendarMain::mnuSaveAsJPGClick,
         &TCalendarMain::m_saveAsJpgAction, false},
        {"mnuSaveAsImage", "Save As Ima&ge...", &TCalendarMain::mnuSaveAsImageClick,
         &TCalendarMain::m_saveAsImageAction, false},
        {"mnuSaveAsPdf", "Save As &PDF File...", &TCalendarMain::mnuSaveAsPdfClick,
         &TCalendarMain::m_saveAsPdfAction, false},
        {"mnuSaveYearAsPdf", "Save &Year As PDF File...", &TCalendarMain::mnuSaveYearAsPdfClick,
         &TCalendarMain::m_saveYearAsPdfAction, true},
        {"mnuProperties", "&Properties", &TCalendarMain::mnuPropertiesClick,
         &TCalendarMain::m_propertiesAction, false},
        {"mnuUserTitle", "User Defined Title", &TCalendarMain::mnuUserTitleClick,
         &TCalendarMain::m_userTitleAction, false},
        {"mnuCancelChanges", "&Cancel Changes", &TCalendarMain::mnuCancelChangesClick,
         &TCalendarMain::m_cancelChangesAction, false},
        {"mnuClearAllCellContents", "C&lear All Cell Contents", &TCalendarMain::mnuClearAllCellContentsClick,
         &TCalendarMain::m_clearAllCellsAction, false},
        {"DefaultEditorFont1", "&Default Editor Font", &TCalendarMain::DefaultEditorFont1Click,
         &TCalendarMain::m_defaultEditorFontAction, true},
        {"mnuFillCalendarwithRecurringDates", "Fill Calendar with Recurring Dates",
         &TCalendarMain::mnuFillCalendarwithRecurringDatesClick, &TCalendarMain::m_fillRecurringAction, false},
        {"mnuFillCalendarwithHolidays", "Fill Calendar with &Holidays...",
         &TCalendarMain::mnuFillCalendarwithHolidaysClick, &TCalendarMain::m_fillHolidaysAction, false},
        {"mnuFillCalendarFromICalendarFile", "Fill Calendar from &iCalendar File...",
         &TCalendarMain::mnuFillCalendarFromICalendarFileClick, &TCalendarMain::m_fillICalendarAction, false},
        {"mnuEditrecurringDates", "Edit Recurring Dates", &TCalendarMain::mnuEditrecurringDatesClick, nullptr,
         true},
        {"mnuPrintCalendar", "P&rint Calendar", &TCalendarMain::mnuPrintCalendarClick,
         &TCalendarMain::m_printAction, false},
        {"mnuPrintPreview", "Print Pre&view...", &TCalendarMain::mnuPrintPreviewClick,
         &TCalendarMain::m_printPreviewAction, false},
        {"mnuPrintSetup", "Print Set&up", &TCalendarMain::mnuPrintSetupClick, &TCalendarMain::m_printSetupAction,
         true},
        {"Exit1", "E&xit", &TCalendarMain::Exit1Click, nullptr, false},
    });
    m_saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    // The desktop's usual keys for the usual commands.
    m_newAction->setShortcut(QKeySequence::New);
    m_openAction->setShortcut(QKeySequence::Open);
    m_saveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_printAction->setShortcut(QKeySequence::Print);
    m_fileMenu->findChild<QAction *>(QStringLiteral("Exit1"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void TCalendarMain::createEditMenu()
{
    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    addMenuItems(edit, {
        {"mnuUndo", "&Undo", &TCalendarMain::mnuUndoClick, &TCalendarMain::m_undoAction, false},
        {"mnuRedo", "&Redo", &TCalendarMain::mnuRedoClick, &TCalendarMain::m_redoAction, false},
    });
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    edit->addSeparator();
    m_previousMonthAction = edit->addAction(QStringLiteral("Previous Month"), this, [this] { stepMonth(-1); });
    m_previousMonthAction->setObjectName(QStringLiteral("mnuPreviousMonth"));
    m_previousMonthAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    m_previousMonthAction->setIcon(QIcon::fromTheme(QStringLiteral("go-previous")));
    m_nextMonthAction = edit->addAction(QStringLiteral("Next Month"), this, [this] { stepMonth(1); });
    m_nextMonthAction->setObjectName(QStringLiteral("mnuNextMonth"));
    m_nextMonthAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    m_nextMonthAction->setIcon(QIcon::fromTheme(QStringLiteral("go-next")));
}

void TCalendarMain::createHelpMenu()
{
    m_helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("Help1"));
    addMenuItems(m_helpMenu, {
        {"Contents1", "&Contents", &TCalendarMain::Contents1Click, nullptr, false},
        {"About1", "&About", &TCalendarMain::About1Click, nullptr, false},
        {"mnuShowHint", "&Show Hints", &TCalendarMain::mnuShowHintClick, &TCalendarMain::m_showHint, true},
        {"VisitOurInternetW1", "Visit Our Internet Website", &TCalendarMain::VisitOurInternetW1Click, nullptr,
         false},
        {"ConfigurationInformation1", "Configuration Information",
         &TCalendarMain::ConfigurationInformation1Click, nullptr, false},
        {"Technicalsupport1", "Technical Support", &TCalendarMain::Technicalsupport1Click, nullptr, false},
        {"FrequentlyAskedQuestions1", "Frequently Asked Questions",
         &TCalendarMain::FrequentlyAskedQuestions1Click, nullptr, false},
    });
    m_showHint->setCheckable(true);
    m_showHint->setChecked(true);
    m_helpMenu->findChild<QAction *>(QStringLiteral("Contents1"))->setShortcut(QKeySequence(Qt::Key_F1));
}

QToolButton *TCalendarMain::addToolButton(const QString &name, const QString &hint,
                                          const QIcon &icon)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setToolTip(hintText(hint));
    button->setIcon(icon);
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    return button;
}

QWidget *TCalendarMain::createZoomSpinner()
{
    m_zoomSpinner = new QWidget(this);
    m_zoomSpinner->setObjectName(QStringLiteral("ZoomSpinner"));
    m_zoomSpinner->setToolTip(hintText(
        QStringLiteral("Press plus (+) or minus (-) to \rincrease or decrease the zoom percentage")));
    auto *up = new QToolButton(m_zoomSpinner);
    auto *down = new QToolButton(m_zoomSpinner);
    up->setObjectName(QStringLiteral("ZoomSpinnerUp"));
    down->setObjectName(QStringLiteral("ZoomSpinnerDown"));
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    for (QToolButton *arrow : {up, down}) {
        arrow->setFixedSize(20, 14);
        arrow->setAutoRepeat(true);
    }
    connect(up, &QToolButton::clicked, this, &TCalendarMain::ZoomSpinnerUpClick);
    connect(down, &QToolButton::clicked, this, &TCalendarMain::ZoomSpinnerDownClick);
    // Ctrl++ (also Ctrl+=, the same key without Shift) and Ctrl+- zoom from anywhere in the window.
    auto *zoomIn = new QAction(this);
    zoomIn->setObjectName(QStringLiteral("zoomInShortcut"));
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    auto *zoomOut = new QAction(this);
    zoomOut->setObjectName(QStringLiteral("zoomOutShortcut"));
    zoomOut->setShortcuts(QKeySequence::ZoomOut);
    addAction(zoomIn);
    addAction(zoomOut);
    connect(zoomIn, &QAction::triggered, this, &TCalendarMain::ZoomSpinnerUpClick);
    connect(zoomOut, &QAction::triggered, this, &TCalendarMain::ZoomSpinnerDownClick);
    auto *stack = new QVBoxLayout(m_zoomSpinner);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    stack->addWidget(up);
    stack->addWidget(down);
    return m_zoomSpinner;
}

QWidget *TCalendarMain::createToolBar()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel3"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(createZoomSpinner());
    m_zoomCaption = new QLabel(QStringLiteral("100%"), panel);
    m_zoomCaption->setObjectName(QStringLiteral("ZoomCaption"));
    m_zoomCaption->setFont(arialFont(13, false));
    m_zoomCaption->setMinimumWidth(40);
    colourText(m_zoomCaption, QColor(0, 0, 128));
    row->addWidget(m_zoomCaption);
    addPageButtons(row);
    row->addSpacing(12);
    createDrawingTools();
    for (QAbstractButton *tool : m_tools->buttons())
        row->addWidget(tool);
    row->addSpacing(12);
    addDocumentButtons(row);
    row->addStretch(1);
    return panel;
}

void TCalendarMain::addPageButtons(QBoxLayout *row)
{
    m_propertiesButton = addToolButton(QStringLiteral("PropertiesButton"),
                                       QStringLiteral("Set/change Properties for the calendar"),
                                       ToolIcons::properties());
    connect(m_propertiesButton, &QToolButton::clicked, this, &TCalendarMain::mnuPropertiesClick);
    m_printButton = addToolButton(QStringLiteral("Printbutton"), QStringLiteral("Print the calendar"),
                                  ToolIcons::print());
    connect(m_printButton, &QToolButton::clicked, this, &TCalendarMain::mnuPrintCalendarClick);
    m_showHideIconTool = addToolButton(QStringLiteral("ShowHideIconTool"), QString(), QIcon());
    m_showHideIconTool->setText(QStringLiteral("Show Icon Tool"));
    m_showHideIconTool->setAutoRaise(false);
    connect(m_showHideIconTool, &QToolButton::clicked, this, &TCalendarMain::ShowHideIconToolClick);
    for (QToolButton *button : {m_propertiesButton, m_printButton, m_showHideIconTool})
        row->addWidget(button);
    // The page's month back and forth, as the Edit menu's commands do.
    row->addSpacing(8);
    const std::pair<QAction *, Qt::ArrowType> months[] = {{m_previousMonthAction, Qt::LeftArrow},
                                                          {m_nextMonthAction, Qt::RightArrow}};
    for (const auto &[monthAction, arrow] : months) {
        auto *button = new QToolButton(this);
        button->setObjectName(monthAction->objectName() + QStringLiteral("Button"));
        button->setDefaultAction(monthAction);
        button->setArrowType(arrow);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setAutoRaise(true);
        row->addWidget(button);
    }
}

void TCalendarMain::addDocumentButtons(QBoxLayout *row)
{
    auto *tips = addToolButton(QStringLiteral("Assistantbutton"), QStringLiteral("Show Quick Tips"),
                               QIcon());
    tips->setText(QStringLiteral("Tips"));
    tips->setAutoRaise(false);
    connect(tips, &QToolButton::clicked, this, &TCalendarMain::AssistantbuttonClick);
    row->addWidget(tips);
    m_saveButton = addToolButton(QStringLiteral("Savebutton"),
                                 QStringLiteral("Save changes to the calendar"), QIcon());
    m_saveButton->setText(QStringLiteral("&Save"));
    colourText(m_saveButton, QColor(0, 128, 0));
    m_cancelButton = addToolButton(QStringLiteral("CancelButton"),
                                   QStringLiteral("Cancel all changes"), QIcon());
    m_cancelButton->setText(QStringLiteral("&Cancel"));
    colourText(m_cancelButton, QColor(255, 0, 0));
    for (QToolButton *button : {m_saveButton, m_cancelButton}) {
        button->setFont(arialFont(13, true));
        button->setAutoRaise(false);
        row->addWidget(button);
    }
    connect(m_saveButton, &QToolButton::clicked, this, &TCalendarMain::SavebuttonClick);
    connect(m_cancelButton, &QToolButton::clicked, this, &TCalendarMain::mnuCancelChangesClick);
}

void TCalendarMain::createDrawingTools()
{
    m_tools = new QButtonGroup(this);
    m_tools->setExclusive(true);
    // Button 0 is the pointer, button n the tool of the n-th kind of object.
    m_pointerButton = addToolButton(QStringLiteral("Pointerbutton"), QStringLiteral("Selection tool"),
                                    ToolIcons::pointer());
    m_pointerButton->setCheckable(true);
    m_tools->addButton(m_pointerButton, 0);
    const std::span<const ObjectKind> kinds = ObjectKinds::all();
    for (std::size_t n = 0; n < kinds.size(); ++n) {
        const ObjectKind &kind = kinds[n];
        QToolButton *button = addToolButton(QLatin1String(kind.toolName), QLatin1String(kind.toolHint),
                                            ObjectKinds::toolIcon(kind));
        button->setCheckable(true);
        m_tools->addButton(button, int(n + 1));
    }
    m_pointerButton->setChecked(true);
    connect(m_tools, &QButtonGroup::idToggled, this, [this, kinds](int id, bool checked) {
        if (checked)
            m_page->SetPanelState(id == 0 ? psPointing : TLPanelState{&kinds[std::size_t(id - 1)]});
    });
}
