// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

// "Save as Template": the name and category the page is kept under among the user's templates.
class TSaveTemplateDialog : public QDialog
{
    Q_OBJECT

public:
    TSaveTemplateDialog(const QString &name, const QStringList &categories, QWidget *parent = nullptr);
    QString name() const;
    QString category() const;

private:
    QLineEdit *m_name;
    QComboBox *m_category;
};
