// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "camain.h"

#include "page/calpanel32.h"
#include "widgets/dialogs.h"
#include "widgets/helpwindow.h"
#include "recurringdialogs/recurringcommands.h"
#include "dialogs/asstvellform.h"
#include "dialogs/configinfo.h"
#include "shell/configreport.h"
#include "dialogs/gettitle.h"
#include "shell/modalhooks.h"
#include "shell/placement.h"
#include "shell/splashform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QTimer>
#include <QScopedValueRollback>
#include <QUrl>

namespace {

constexpr int kTechnicalSupportTopic = 1015;
constexpr int kFaqTopic = 911;
constexpr int kPendingOpenRetryMs = 300;

} // namespace

void TCalendarMain::runCommand(const std::function<void()> &command)
{
    // Commands of modules that have not been connected yet are disabled; a call that
    // arrives anyway does nothing.
    if (command)
        command();
}

void TCalendarMain::New1Click() { runCommand(m_hooks.New1Click); }
void TCalendarMain::Open1Click() { runCommand(m_hooks.Open1Click); }
void TCalendarMain::mnuSaveClick() { runCommand(m_hooks.mnuSaveClick); }
void TCalendarMain::mnuSaveAsClick() { runCommand(m_hooks.mnuSaveAsClick); }
void TCalendarMain::mnuSaveAsBitmapClick() { runCommand(m_hooks.mnuSaveAsBitmapClick); }
void TCalendarMain::mnuSaveAsJPGClick() { runCommand(m_hooks.mnuSaveAsJPGClick); }
void TCalendarMain::mnuSaveAsImageClick() { runCommand(m_hooks.mnuSaveAsImageClick); }
void TCalendarMain::mnuSaveAsPdfClick() { runCommand(m_hooks.mnuSaveAsPdfClick); }
void TCalendarMain::mnuSaveYearAsPdfClick() { runCommand(m_hooks.mnuSaveYearAsPdfClick); }
void TCalendarMain::mnuPrintPreviewClick() { runCommand(m_hooks.mnuPrintPreviewClick); }
void TCalendarMain::mnuCancelChangesClick() { runCommand(m_hooks.mnuCancelChangesClick); }
void TCalendarMain::mnuUndoClick() { runCommand(m_hooks.mnuUndoClick); }
void TCalendarMain::mnuRedoClick() { runCommand(m_hooks.mnuRedoClick); }
void TCalendarMain::mnuClearAllCellContentsClick() { runCommand(m_hooks.mnuClearAllCellContentsClick); }
void TCalendarMain::DefaultEditorFont1Click() { runCommand(m_hooks.DefaultEditorFont1Click); }
void TCalendarMain::mnuPrintCalendarClick() { runCommand(m_hooks.mnuPrintCalendarClick); }
void TCalendarMain::mnuPrintSetupClick() { runCommand(m_hooks.mnuPrintSetupClick); }

void TCalendarMain::mnuFillCalendarwithRecurringDatesClick()
{
    runCommand(m_hooks.mnuFillCalendarwithRecurringDatesClick);
}

void TCalendarMain::mnuFillCalendarwithHolidaysClick()
{
    runCommand(m_hooks.mnuFillCalendarwithHolidaysClick);
}

void TCalendarMain::mnuFillCalendarFromICalendarFileClick()
{
    runCommand(m_hooks.mnuFillCalendarFromICalendarFileClick);
}

void TCalendarMain::SavebuttonClick()
{
    if (m_documentFileName.isEmpty())
        mnuSaveAsClick();
    else
        mnuSaveClick();
}

void TCalendarMain::MRUItemClick(const QString &fileName)
{
    openRequested(fileName);
}

void TCalendarMain::openRequested(const QString &path)
{
    if (!m_hooks.openDocument || path.isEmpty())
        return;
    m_pendingOpens.append(path);
    openPendingRequests();
}

void TCalendarMain::openPendingRequests()
{
    // A dialog that is open owns the user's attention and may be changing the page: the
    // request waits until it has closed.
    if (QApplication::activeModalWidget() || m_openingRequest) {
        QTimer::singleShot(kPendingOpenRetryMs, this, &TCalendarMain::openPendingRequests);
        return;
    }
    const QScopedValueRollback<bool> opening(m_openingRequest, true);
    while (!m_pendingOpens.isEmpty() && m_hooks.openDocument) {
        const QString path = m_pendingOpens.takeFirst();
        if (QFileInfo(path).suffix().toUpper() != QLatin1String("OVF")) {
            Dialogs::informationBox(this, QStringLiteral("Must be a Calendar file (*.OVF)"));
            continue;
        }
        // Opening replaces the page: unsaved changes are saved or given up first, and
        // Cancel keeps them and drops the request.
        if (m_hooks.DoSaveRichtext)
            m_hooks.DoSaveRichtext();
        if (m_hooks.FormCloseQuery && !m_hooks.FormCloseQuery())
            continue;
        m_hooks.openDocument(path);
    }
}

void TCalendarMain::mnuEditrecurringDatesClick()
{
    editRecurringDates(this, modalCommandHooks());
}

void TCalendarMain::Exit1Click()
{
    close();
}

void TCalendarMain::zoomStep(bool zoomIn)
{
    if (m_zoomBusy)
        return;
    const QScopedValueRollback<bool> busy(m_zoomBusy, true);
    // Zooming in stops at 400 %, zooming out at 50 %.
    const float factor = m_page->ZoomFactor();
    const float next = zoomIn ? nextZoomIn(factor) : nextZoomOut(factor);
    if (next != factor) {
        commitCellEditor();
        // The committed text shows before the page changes size.
        m_page->repaint();
        m_page->SetZoom(next);
        fitScrollContents();
        SetCaption();
    }
}

void TCalendarMain::ZoomSpinnerUpClick()
{
    zoomStep(true);
}

void TCalendarMain::ZoomSpinnerDownClick()
{
    zoomStep(false);
}

void TCalendarMain::mnuUserTitleClick()
{
    TUserTitleForm form(this);
    form.setTitle(m_page->UserTitle());
    CenterForm(form, this);
    if (Dialogs::exec(form) != QDialog::Accepted)
        return;
    m_page->SetUserTitle(form.title());
    SetModified(true);
}

void TCalendarMain::mnuShowHintClick()
{
    m_prefs.hintsOn = m_showHint->isChecked();
    SavePreferences();
    applyHints();
}

void TCalendarMain::About1Click()
{
    TSplashform about(version(), this);
    CenterForm(about, this);
    Dialogs::exec(about);
}

void TCalendarMain::ConfigurationInformation1Click()
{
    ConfigurationReport::Settings settings;
    settings.preferences = m_prefs;
    settings.preferences.iconsVisible = m_iconsWindowWanted;
    settings.preferences.hintsOn = m_showHint->isChecked();
    const QString report = ConfigurationReport::build(version(), settings,
                                                      ConfigurationReport::environmentLines());
    TConfigurationInfo info(report, this);
    CenterForm(info, this);
    Dialogs::exec(info);
}

void TCalendarMain::AssistantbuttonClick()
{
    if (!m_quickTips)
        m_quickTips = new TAssistantVellForm(this);
    m_quickTips->showTopics();
    if (!m_quickTips->isVisible())
        CenterForm(*m_quickTips, this);
    m_quickTips->show();
    m_quickTips->raise();
}

void TCalendarMain::ShowHideIconToolClick()
{
    if (!m_iconsWindow && !m_hooks.makeIconsWindow)
        return;
    const bool show = !iconsWindowShowing();
    m_iconsWindowWanted = show;
    showIconsWindow(show);
    SetButtons();
}

void TCalendarMain::Contents1Click()
{
    ShowHelpContents();
}

void TCalendarMain::Technicalsupport1Click()
{
    ShowHelpTopic(kTechnicalSupportTopic);
}

void TCalendarMain::FrequentlyAskedQuestions1Click()
{
    ShowHelpTopic(kFaqTopic);
}

void TCalendarMain::VisitOurInternetW1Click()
{
    const QString address = QStringLiteral(ORVANE_WEBSITE);
    if (address.isEmpty()) {
        // Say so rather than open something else without a word.
        Dialogs::informationBox(this, QStringLiteral("Orvane has no website. Its help is installed "
                                                     "with the program: see Help > Contents."));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl(address)))
        Dialogs::informationBox(this, QStringLiteral("The website %1 could not be opened.").arg(address));
}
