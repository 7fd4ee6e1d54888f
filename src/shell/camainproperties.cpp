// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "camain.h"

#include "page/calpanel32.h"
#include "widgets/dialogs.h"

void TCalendarMain::mnuPropertiesClick()
{
    runProperties();
}

bool TCalendarMain::runProperties()
{
    if (!m_hooks.runPropertiesDialog)
        return false;
    bool confirmed = false;
    {
        // The icons window stays aside until the new layout has decided whether it may show.
        const Dialogs::ModalScope aside;
        confirmed = runPropertiesDialog();
        m_newCalendarMode = false;
        m_page->update();
        CheckFloaterStatus();
    }
    SetButtons();
    SavePreferences();
    return confirmed;
}

bool TCalendarMain::runPropertiesDialog()
{
    const int oldMonth = m_page->MainCalMonth();
    const int oldYear = m_page->MainCalYear();
    commitCellEditor();

    PropertiesRequest request;
    request.newCalendarMode = m_newCalendarMode;
    if (!m_newCalendarMode && TGBasePanel::visibleFlag(m_page)) {
        request.oldLayoutKind = m_page->LayoutKind();
        request.warnLayoutKindChange = m_page->HasCellText();
        request.warnObjectsMove = m_hooks.hasDrawingObjects && m_hooks.hasDrawingObjects();
        request.warnDateChange = m_page->HasCellText() && m_page->HasEditableCells();
        request.oldMonth = oldMonth;
        request.oldYear = oldYear;
        if (request.warnDateChange)
            request.textDates = m_page->textDates();
    }
    // The dialog works on a copy, so Cancel leaves the page exactly as it was.
    TCalendarPanel32 preview;
    preview.hide();
    preview.SetZoom(zoomFactorFromPercent(m_prefs.propZoomPercent));
    // A new calendar starts from the default style, not from the calendar open before.
    if (m_newCalendarMode)
        preview.ResetToDefaults();
    else
        preview.AssignSettings(*m_page);
    const bool confirmed = m_hooks.runPropertiesDialog(preview, request);
    m_prefs.propZoomPercent = percentFromZoomFactor(preview.ZoomFactor());
    if (confirmed)
        applyProperties(preview, oldMonth, oldYear);
    return confirmed;
}

namespace {

const QString kMonthChangeQuestion = QStringLiteral("Changing the month clears the text of all date cells. Continue?");
const QString kPlannerDateQuestion
    = QStringLiteral("Changing the starting date clears the text of the days that are no longer on the page. Continue?");

} // namespace

void TCalendarMain::stepMonth(int delta)
{
    if (!TGBasePanel::visibleFlag(m_page))
        return;
    commitCellEditor();
    if (m_hooks.stepPage && m_hooks.stepPage(delta)) {
        SetButtons();
        return;
    }
    const int oldMonth = m_page->MainCalMonth();
    const int oldYear = m_page->MainCalYear();
    // A planner steps by what it shows: a week, two weeks or a day.
    const int span = m_page->PlannerSpanDays();
    const QDate target = span > 0 ? m_page->plannerDate().addDays(qint64(delta) * span)
                                  : QDate(oldYear, oldMonth, 1).addMonths(delta);
    if (!target.isValid() || target.year() < 1 || target.year() > 9999)
        return;
    if (m_page->HasCellText() && m_page->HasEditableCells()) {
        const Dialogs::ModalScope aside;
        if (!Dialogs::yesNoQuestion(this, QStringLiteral("WARNING"), span > 0 ? kPlannerDateQuestion : kMonthChangeQuestion))
            return;
    }
    TCalendarPanel32 next;
    next.hide();
    next.AssignSettings(*m_page);
    next.SetMainCalYear(target.year());
    next.SetMainCalMonth(target.month());
    if (span > 0)
        next.SetMainCalDay(target.day());
    applyProperties(next, oldMonth, oldYear);
    m_page->update();
    SetButtons();
}

void TCalendarMain::applyProperties(const TCalendarPanel32 &preview, int oldMonth, int oldYear)
{
    if (!m_page->SameSettings(preview))
        SetModified(true);
    const CellKind oldKind = m_page->LayoutKind();
    const QDate oldStart = m_page->plannerDate();
    const QRect paperBefore = m_page->paperRect();
    m_page->AssignSettings(preview);
    // Another paper size or orientation may leave objects past the paper's edge, where they
    // would neither print nor be easy to reach. Objects a document brought along there stay
    // put while the paper does.
    if (m_page->paperRect() != paperBefore)
        m_page->keepObjectsOnPaper();
    // Cell texts belong to the days of one month and one kind of layout; they make no
    // sense once either changes. A planner's texts follow their dates instead.
    if (m_page->LayoutKind() != oldKind) {
        m_page->ClearAllCells();
    } else if (m_page->PlannerSpanDays() > 0) {
        m_page->moveTextsWithDates(oldStart);
    } else {
        const bool monthChanged = m_page->MainCalMonth() != oldMonth || m_page->MainCalYear() != oldYear;
        if (monthChanged && m_page->HasEditableCells())
            m_page->ClearAllCells();
    }
    fitScrollContents();
}
