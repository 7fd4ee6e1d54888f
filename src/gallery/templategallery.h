// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "templates/templates.h"

#include <QDialog>
#include <QTimer>

#include <deque>
#include <optional>

class QCheckBox;
class QComboBox;
class QListWidget;
class QSpinBox;

// "New from Template": the templates as pictures of their pages, by category, drawn one by
// one while the dialog is idle, with the month and year the new calendar starts at (next
// month unless chosen otherwise).
class TTemplateGallery : public QDialog
{
    Q_OBJECT

public:
    TTemplateGallery(QList<Templates::Info> templates, const QDate &today, QWidget *parent = nullptr);

    std::optional<Templates::Info> chosen() const;
    int month() const;
    int year() const;
    // The "Show this gallery when Orvane starts" box; hidden unless shown at start.
    void setStartChoice(bool visible, bool checked);
    bool showAtStart() const;
    // Draws every waiting picture now (tests, screenshots).
    void drawPending();

    static constexpr int kThumbnailSize = 170;

private:
    void showCategory(int row);
    void drawNext();

    QList<Templates::Info> m_templates;
    QListWidget *m_categories = nullptr;
    QListWidget *m_designs = nullptr;
    QComboBox *m_month = nullptr;
    QSpinBox *m_year = nullptr;
    QCheckBox *m_atStart = nullptr;
    std::deque<int> m_waiting;
    QTimer m_drawTimer;
};
