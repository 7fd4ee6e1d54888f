// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentwiring.h"

#include "properties/calprop.h"
#include "page/calpanel32.h"
#include "widgets/dialogs.h"
#include "widgets/helpwindow.h"
#include "core/inifile.h"
#include "shell/camain.h"
#include "shell/cellfill.h"
#include "shell/icalfill.h"
#include "documents/documentcommands.h"
#include "documents/documenthost.h"
#include "documents/mrufilelist.h"
#include "shell/placement.h"
#include "documents/printcommands.h"
#include "dialogs/settd.h"
#include "shell/projectwiring.h"
#include "shell/templatewiring.h"

namespace {

// The main window as the holder of the document.
class MainWindowDocuments : public QObject, public DocumentHost
{
public:
    explicit MainWindowDocuments(TCalendarMain &window)
        : QObject(&window), m_window(window), m_commands(*this, this), m_printing(*this)
    {
    }

    DocumentCommands &commands() { return m_commands; }
    PrintCommands &printing() { return m_printing; }

    QWidget *dialogParent() override { return &m_window; }
    TCalendarPanel32 &page() override { return m_window.CalendarPanel(); }
    TMRUFileList *recentFiles() override { return &m_window.mruList(); }
    void saveRecentFiles() override { m_window.mruList().SaveList(); }
    QString documentFileName() const override { return m_window.documentFileName(); }
    void setDocumentFileName(const QString &path) override { m_window.setDocumentFileName(path); }
    bool Modified() const override { return m_window.Modified(); }
    void SetModified(bool modified) override { m_window.SetModified(modified); }
    void setOpening(bool opening) override { m_window.setFirstActivationPending(opening); }
    void setPageShown(bool shown) override { m_window.setPageShown(shown); }
    void SetButtons() override { m_window.SetButtons(); }
    void SetCaption() override { m_window.SetCaption(); }
    void setWindowCaption(const QString &caption) override { m_window.setUntitledCaption(caption); }
    void updateIconWindow() override { m_window.CheckFloaterStatus(); }
    void DoSaveRichtext() override
    {
        if (m_window.hooks().DoSaveRichtext)
            m_window.hooks().DoSaveRichtext();
    }
    std::optional<OpenCellText> openCellText() const override
    {
        if (!m_window.hooks().openCellText)
            return std::nullopt;
        if (const auto pending = m_window.hooks().openCellText())
            return OpenCellText{pending->first, pending->second};
        return std::nullopt;
    }
    bool runNewCalendarProperties() override
    {
        m_window.setNewCalendarMode(true);
        return m_window.runProperties();
    }

private:
    TCalendarMain &m_window;
    DocumentCommands m_commands;
    PrintCommands m_printing;
};

bool editTime(QWidget *parent, QTime &time)
{
    TSetTimeDialog dialog(time, parent);
    CenterForm(dialog, parent);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return false;
    time = dialog.time();
    return true;
}

bool runPropertiesDialog(TCalendarMain &window, TCalendarPanel32 &preview, const PropertiesRequest &request)
{
    TCalendarProperties::Hooks hooks;
    hooks.editTime = editTime;
    hooks.showHelpTopic = ShowHelpTopic;
    hooks.restorePlacement = [&window](QWidget &dialog) {
        IniFile ini(TCalendarMain::iniPath());
        RestorePlacement(dialog, QStringLiteral("TCalendarProperties"), ini, &window);
    };
    hooks.savePlacement = [](QWidget &dialog) {
        IniFile ini(TCalendarMain::iniPath());
        SavePlacement(dialog, QStringLiteral("TCalendarProperties"), ini);
    };
    TCalendarProperties dialog(&window, hooks);
    CenterForm(dialog, &window);
    TCalendarPanel32 &example = dialog.ExampleCalendar();
    example.SetZoom(preview.ZoomFactor());
    example.AssignSettings(preview);
    dialog.NewCalendarMode = request.newCalendarMode;
    dialog.OldLayoutKind = request.oldLayoutKind;
    dialog.WarnLayoutKindChange = request.warnLayoutKindChange;
    dialog.WarnObjectsMove = request.warnObjectsMove;
    dialog.WarnDateChange = request.warnDateChange;
    dialog.OldMonth = request.oldMonth;
    dialog.OldYear = request.oldYear;
    dialog.OldTextDates = request.textDates;
    const bool confirmed = Dialogs::exec(dialog) == QDialog::Accepted;
    preview.SetZoom(example.ZoomFactor());
    if (confirmed)
        preview.AssignSettings(example);
    return confirmed;
}

} // namespace

void connectDocuments(TCalendarMain &window)
{
    auto *documents = new MainWindowDocuments(window);
    DocumentCommands *commands = &documents->commands();
    PrintCommands *printing = &documents->printing();
    window.connectHooks([printing](TCalendarMainHooks &h) {
        h.checkPrinter = [printing] { return printing->checkPrinterAvailable(); };
        h.mnuPrintSetupClick = [printing] { printing->mnuPrintSetupClick(); };
        h.mnuPrintCalendarClick = [printing] { printing->mnuPrintCalendarClick(); };
        h.mnuPrintPreviewClick = [printing] { printing->mnuPrintPreviewClick(); };
        h.mnuSaveAsPdfClick = [printing] { printing->mnuSaveAsPdfClick(); };
        h.mnuSaveYearAsPdfClick = [printing] { printing->mnuSaveYearAsPdfClick(); };
        h.mnuSaveAsBitmapClick = [printing] { printing->mnuSaveAsBitmapClick(); };
        h.mnuSaveAsJPGClick = [printing] { printing->mnuSaveAsJPGClick(); };
        h.mnuSaveAsImageClick = [printing] { printing->mnuSaveAsImageClick(); };
    });
    window.connectHooks([&window](TCalendarMainHooks &h) {
        h.mnuFillCalendarwithRecurringDatesClick = [&window] { mnuFillCalendarwithRecurringDatesClick(window); };
        h.mnuFillCalendarwithHolidaysClick = [&window] { mnuFillCalendarwithHolidaysClick(window); };
        h.mnuFillCalendarFromICalendarFileClick = [&window] { mnuFillCalendarFromICalendarFileClick(window); };
    });
    window.CalendarPanel().setUndoHooks({[commands] { return commands->canUndo(); },
                                         [commands] { return commands->canRedo(); },
                                         [&window] { window.mnuUndoClick(); },
                                         [&window] { window.mnuRedoClick(); }});
    window.connectHooks([&window, commands](TCalendarMainHooks &h) {
        h.New1Click = [commands] { commands->New1Click(); };
        h.Open1Click = [commands] { commands->Open1Click(); };
        h.mnuSaveClick = [commands] { commands->mnuSaveClick(); };
        h.mnuSaveAsClick = [commands] { commands->mnuSaveAsClick(); };
        h.mnuCancelChangesClick = [commands] { commands->mnuCancelChangesClick(); };
        h.openDocument = [commands](const QString &path) { commands->OpenCalendarFile(path); };
        h.FormCloseQuery = [commands] { return commands->FormCloseQuery(); };
        h.recordChange = [commands] { commands->recordChange(); };
        h.mnuUndoClick = [commands] { commands->Undo(); };
        h.mnuRedoClick = [commands] { commands->Redo(); };
        h.canUndo = [commands] { return commands->canUndo(); };
        h.canRedo = [commands] { return commands->canRedo(); };
        h.resetHistory = [commands] { commands->resetHistory(); };
        h.offerRecovery = [commands] { return commands->offerRecovery(); };
        h.discardRecovery = [commands] { commands->discardRecoveryCopy(); };
        h.runPropertiesDialog = [&window](TCalendarPanel32 &preview, const PropertiesRequest &request) {
            return runPropertiesDialog(window, preview, request);
        };
    });
    connectProjects(window, *commands, *documents);
    connectTemplates(window, *commands);
}
