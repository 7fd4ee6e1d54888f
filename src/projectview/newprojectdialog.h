// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "project/projectbuilder.h"
#include "recurring/holidaycalendar.h"

#include <QDialog>
#include <QStringList>

class PageModel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

// "New Calendar Project": what a project starts from (the page shown or a style sheet on
// it), its months, a cover, what fills the months (recurring dates, a country's holidays,
// iCalendar files), a folder of photos and the clip-art object that takes them, and where
// the project goes.
class TNewProjectDialog : public QDialog
{
    Q_OBJECT

public:
    struct Choices
    {
        // The user's recurring-date list, one entry a line.
        QStringList recurringLines;
        QList<HolidayFiles::Country> countries;
        QString holidayPlace;
        bool holidayLocalNames = false;
        // Where the project file is proposed.
        QString proposedPath;
        // Templates the design may come from instead of the page: their names and files.
        QList<QPair<QString, QString>> templates;
    };
    TNewProjectDialog(const PageModel &design, const Choices &choices, QWidget *parent = nullptr);
    // The help page of calendar projects.
    static constexpr int kHelpTopic = 5000;

    // What the dialog says to make; the cell format is the caller's.
    ProjectBuilder::Recipe recipe() const;
    QString projectPath() const;
    // A style sheet to apply to the design first; empty for the page as it is.
    QString styleSheet() const;
    // The template file the design comes from instead of the page; empty for the page.
    QString templateFile() const;

    void accept() override;

private:
    QWidget *makeStartGroup(const PageModel &design);
    QWidget *makeFillGroup(const Choices &choices);
    QWidget *makePhotoGroup(const PageModel &design);
    void chooseStyleSheet();
    void addCalendarFile();
    void choosePhotos();
    void chooseProjectPath();

    QList<QPair<QString, QString>> m_templates;
    QComboBox *m_start = nullptr;
    QString m_styleSheet;
    QComboBox *m_firstMonth = nullptr;
    QSpinBox *m_firstYear = nullptr;
    QSpinBox *m_months = nullptr;
    QComboBox *m_cover = nullptr;
    QCheckBox *m_fillRecurring = nullptr;
    QListWidget *m_recurring = nullptr;
    QComboBox *m_holidays = nullptr;
    QCheckBox *m_localNames = nullptr;
    QListWidget *m_calendarFiles = nullptr;
    QLineEdit *m_photos = nullptr;
    QComboBox *m_frame = nullptr;
    QLineEdit *m_projectPath = nullptr;
};
