// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editrecurringdates.h"

#include "editrecurringdateformula.h"
#include "getholidays.h"
#include "recurring/holidaylist.h"
#include "widgets/dialogs.h"
#include "recurring/recurringentry.h"
#include "recurringlinedelegate.h"
#include "recurringlistitem.h"
#include "recurring/recurringstore.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

QPushButton *button(const char *caption, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(QLatin1String(caption), parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

TEditRecurringDates::TEditRecurringDates(const QString &filePath, QWidget *parent)
    : QDialog(parent)
    , m_filePath(filePath)
    , m_datesList(new QListWidget(this))
{
    setObjectName(QStringLiteral("EditRecurringDates"));
    setWindowTitle(QStringLiteral("Recurring Dates"));
    m_datesList->setObjectName(QStringLiteral("DatesList"));
    m_datesList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_datesList->setItemDelegate(new RecurringLineDelegate(m_datesList));
    m_datesList->setUniformItemSizes(true);
    createButtons();
    createLayout();

    RecurringStore::LoadResult loaded = RecurringStore::load(m_filePath);
    m_loadError = loaded.error;
    std::stable_sort(loaded.lines.begin(), loaded.lines.end(), RecurringStore::lessIgnoringCase);
    for (const QString &line : std::as_const(loaded.lines))
        m_datesList->addItem(makeRecurringItem(line));
    if (m_datesList->count() > 0)
        selectRow(0);
    setbuttons();
}

void TEditRecurringDates::createButtons()
{
    m_okButton = button("Ok", "OkButton", this);
    m_editButton = button("Edit", "EditButton", this);
    m_newButton = button("New", "NewButton", this);
    m_deleteButton = button("Delete", "DeleteButton", this);
    m_holidaysButton = button("Holidays", "HolidaysButton", this);
    m_cancelButton = button("Cancel", "CancelButton", this);
    m_okButton->setDefault(true);

    connect(m_okButton, &QPushButton::clicked, this, &TEditRecurringDates::OkClick);
    connect(m_editButton, &QPushButton::clicked, this, &TEditRecurringDates::EditClick);
    connect(m_newButton, &QPushButton::clicked, this, &TEditRecurringDates::NewClick);
    connect(m_deleteButton, &QPushButton::clicked, this, &TEditRecurringDates::DeleteClick);
    connect(m_holidaysButton, &QPushButton::clicked, this, &TEditRecurringDates::HolidaysClick);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_datesList, &QListWidget::itemSelectionChanged, this, &TEditRecurringDates::setbuttons);
}

void TEditRecurringDates::createLayout()
{
    auto *buttons = new QVBoxLayout;
    QWidget *previous = m_datesList;
    for (QPushButton *b : {m_okButton, m_editButton, m_newButton, m_deleteButton,
                           m_holidaysButton, m_cancelButton}) {
        buttons->addWidget(b);
        setTabOrder(previous, b);
        previous = b;
    }
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_datesList, 1);
    layout->addLayout(buttons);
    resize(640, 420);
}

void TEditRecurringDates::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    setbuttons();
}

QStringList TEditRecurringDates::lines() const
{
    return recurringListLines(m_datesList);
}

int TEditRecurringDates::selectedRow() const
{
    const QList<QListWidgetItem *> selected = m_datesList->selectedItems();
    return selected.isEmpty() ? -1 : m_datesList->row(selected.constFirst());
}

void TEditRecurringDates::setbuttons()
{
    const bool selected = selectedRow() >= 0;
    m_editButton->setEnabled(selected);
    m_deleteButton->setEnabled(selected);
}

int TEditRecurringDates::addLine(const QString &line)
{
    const int row = int(RecurringStore::sortedPosition(lines(), line));
    m_datesList->insertItem(row, makeRecurringItem(line));
    return row;
}

void TEditRecurringDates::selectRow(int row)
{
    m_datesList->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void TEditRecurringDates::NewClick()
{
    TEditRecurringDateFormula dialog(this);
    dialog.setFormula(QStringLiteral("@"));
    dialog.setEventText(QStringLiteral("[Enter event]"));
    dialog.setWindowTitle(QStringLiteral("Add Recurring Date"));
    if (Dialogs::exec(dialog) == QDialog::Accepted)
        selectRow(addLine(RecurringEntry::makeLine(dialog.eventText(), dialog.formula())));
    setbuttons();
}

void TEditRecurringDates::EditClick()
{
    const int row = selectedRow();
    if (row < 0) {
        QApplication::beep();
        return;
    }
    const QString line = recurringItemLine(m_datesList->item(row));
    const QChar marker = line.size() > RecurringEntry::NameWidth ? line.at(RecurringEntry::NameWidth)
                                                                 : QChar();
    if (marker == QLatin1Char('#'))
        Dialogs::informationBox(this, QStringLiteral("This entry cannot be edited"));
    else if (marker == QLatin1Char('$') || marker == QLatin1Char('%') || marker == QLatin1Char('@'))
        DoEditRecurringFormula();
    setbuttons();
}

void TEditRecurringDates::DoEditRecurringFormula()
{
    const int row = selectedRow();
    if (row < 0) {
        QApplication::beep();
        return;
    }
    const QString line = recurringItemLine(m_datesList->item(row));
    TEditRecurringDateFormula dialog(this);
    dialog.setEventText(RecurringEntry::name(line));
    dialog.setFormula(RecurringEntry::formula(line).left(RecurringEntry::FormulaWidth));
    dialog.setWindowTitle(QStringLiteral("Edit Recurring Date Formula"));
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return;
    const std::unique_ptr<QListWidgetItem> removed(m_datesList->takeItem(row));
    selectRow(addLine(RecurringEntry::makeLine(dialog.eventText(), dialog.formula())));
}

void TEditRecurringDates::DeleteClick()
{
    const int row = selectedRow();
    if (row >= 0)
        const std::unique_ptr<QListWidgetItem> removed(m_datesList->takeItem(row));
    if (m_datesList->count() > 0)
        selectRow(0);
    setbuttons();
}

void TEditRecurringDates::HolidaysClick()
{
    TGetHolidays picker(this);
    if (Dialogs::exec(picker) == QDialog::Accepted) {
        for (const QString &holiday : picker.selectedLines()) {
            if (!holidayListed(lines(), holiday))
                addLine(holiday);
        }
    }
    if (m_datesList->count() > 0 && selectedRow() < 0)
        selectRow(0);
    setbuttons();
}

void TEditRecurringDates::OkClick()
{
    const QString error = RecurringStore::save(m_filePath, lines());
    if (!error.isEmpty()) {
        Dialogs::errorBox(this, QStringLiteral("Recurring Dates"),
                          QStringLiteral("The recurring dates could not be saved.\r") + error);
        return;
    }
    accept();
}
