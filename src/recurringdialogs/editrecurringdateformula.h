// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// Builds one recurring-date formula from the user's choices: a day of the month, a set of
// weekdays, or the nth weekday of a month. The controls carry the object names the rest of
// the program and the tests look them up by ("Event", "rbSpecial", "SpecialMonth", ...).
// Accepted only when formula() holds a valid new formula.
class TEditRecurringDateFormula : public QDialog
{
    Q_OBJECT

public:
    explicit TEditRecurringDateFormula(QWidget *parent = nullptr);

    QString eventText() const;
    void setEventText(const QString &text);

    QString formula() const { return m_formula; }
    // Stores the formula and loads it into the controls, so they show it whenever the
    // dialog appears.
    void setFormula(const QString &formula);

    // Loads the formula into the controls; fields that do not convert leave them as they are.
    void SetEmUp();
    // Enables the controls of the checked kind and shows its caption bold.
    void SetRecurType();
    void AllDaysCheckClick();
    // Builds the formula from the controls, or reports why it cannot.
    bool DetermineFormulaString();
    void OkbuttonClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void createDayOfMonthControls();
    void createWeekdayControls();
    void createSpecialControls();
    void createLayout();
    void connectControls();
    void loadSpecial();
    void loadDayOfMonth();
    void loadWeekdays();
    bool determineDayOfMonth();
    bool determineSpecial();
    bool determineWeekdays();

    QString m_formula;
    QLineEdit *m_event = nullptr;
    QRadioButton *m_rbDayOfMonth = nullptr;
    QSpinBox *m_dayOfMonthDay = nullptr;
    QComboBox *m_dayOfMonthMonth = nullptr;
    QRadioButton *m_rbDayOfWeek = nullptr;
    std::array<QCheckBox *, 7> m_weekdays{}; // Sunday first
    QCheckBox *m_allDaysCheck = nullptr;
    QRadioButton *m_rbSpecial = nullptr;
    QComboBox *m_specialOccurrance = nullptr;
    QComboBox *m_specialDayOfWeek = nullptr;
    QComboBox *m_specialMonth = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
