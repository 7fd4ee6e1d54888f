// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "icons/iconlistmodel.h"

#include <QListView>

// What the two icon list boxes share: a list of the icons of one file in fixed cells,
// filled top to bottom and then column by column, each icon drawn centred in its cell.
// Pressing on an icon selects it and dragging it away carries the icon (IconDrag).
class IconListView : public QListView
{
    Q_OBJECT

public:
    // cellMargin: what a cell adds to the system's icon size in each direction.
    IconListView(int cellMargin, QWidget *parent);

    const QString &FileName() const { return m_fileName; }
    // A different name (letter case aside) loads that file and raises fileChange.
    void SetFileName(const QString &fileName);
    bool AutoDisable() const { return m_autoDisable; }
    void SetAutoDisable(bool on);
    bool EnableCaching() const { return m_enableCaching; }
    // Switching caching off reads the whole file now; switching it on waits for the next load.
    void SetEnableCaching(bool on);
    int NumberOfIcons() const { return m_model->numberOfIcons(); }

    // The icon of the selected item, read now if needed; null when nothing is selected.
    QImage selectedIcon() const;
    int selectedIndex() const;
    IconListModel &iconModel() const { return *m_model; }

    // Cell metrics in pixels.
    int itemHeight() const;
    int columnWidth() const;
    static QSize systemIconSize();

signals:
    // After a new file name has been loaded.
    void fileChange();

protected:
    void reload();
    void applyAutoDisable();

private:
    IconListModel *m_model; // a child of the view
    QString m_fileName;
    int m_cellMargin;
    bool m_autoDisable = true;
    bool m_enableCaching = true;
};
