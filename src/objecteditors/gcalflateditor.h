// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/tcolor.h"
#include "objects/objecttypes.h"

#include <QDate>
#include <QDialog>

class ObjectPreview;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QSpinBox;
class TFont;
class TGFlatCalendar;

// Edits a floating calendar's look on a preview sample: every control acts on the sample
// at once. The sample is borrowed; the caller copies it back to the object on OK.
class TFlatCalendarEditor : public QDialog
{
    Q_OBJECT

public:
    // today sets the year spinner before the sample's values are loaded.
    TFlatCalendarEditor(TGFlatCalendar &sample, QWidget *parent = nullptr,
                        const QDate &today = QDate::currentDate());

    TGFlatCalendar &Sample() const { return m_sample; }

    QComboBox *monthList() const { return m_month; }
    QSpinBox *yearSpinner() const { return m_year; }
    QCheckBox *showYearBox() const { return m_showYear; }
    QButtonGroup *weekStart() const { return m_weekStart; }
    QComboBox *headerStyleList() const { return m_headerStyle; }
    QComboBox *languageList() const { return m_language; }
    QComboBox *calendarBorderList() const { return m_calendarBorder; }
    QComboBox *headerBorderList() const { return m_headerBorder; }
    QComboBox *cellBorderList() const { return m_cellBorder; }
    QCheckBox *transparentBox() const { return m_transparent; }
    QComboBox *orientationList() const { return m_orientation; }
    QSpinBox *depthSpinner() const { return m_depth; }

private:
    QWidget *createDateGroup();
    QWidget *createNamesGroup();
    QWidget *createBordersGroup();
    QWidget *createColorsGroup();
    QWidget *createShadowGroup();
    QWidget *createFontsGroup();
    QComboBox *borderList(QWidget *parent);
    void calendarBorderChosen(int index);
    void headerBorderChosen(int index);
    void cellBorderChosen(int index);
    void chooseColor(TColor (TGFlatCalendar::*get)() const,
                     void (TGFlatCalendar::*set)(TColor));
    void chooseFont(const TFont &(TGFlatCalendar::*get)() const,
                    void (TGFlatCalendar::*set)(const TFont &));
    void loadControls();
    void sampleChanged();

    TGFlatCalendar &m_sample;
    ObjectPreview *m_preview = nullptr;
    QComboBox *m_month = nullptr;
    QSpinBox *m_year = nullptr;
    QCheckBox *m_showYear = nullptr;
    QButtonGroup *m_weekStart = nullptr;
    QComboBox *m_headerStyle = nullptr;
    QComboBox *m_language = nullptr;
    QComboBox *m_weekNumbers = nullptr;
    QComboBox *m_calendarBorder = nullptr;
    QComboBox *m_headerBorder = nullptr;
    QComboBox *m_cellBorder = nullptr;
    QCheckBox *m_transparent = nullptr;
    QComboBox *m_orientation = nullptr;
    QSpinBox *m_depth = nullptr;
};
