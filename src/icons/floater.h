// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QMenuBar;
class TIconListBox;

// The floating icons window: the icons of one library in a TIconListBox, and a "File" menu
// that picks the shipped libraries, the bonus sets or any other icon file. It is a tool
// window of the main window (its parent), so it stays above it and goes with it; it has no
// close button and is shown and hidden by the main window only.
class TFloatingPalette : public QWidget
{
    Q_OBJECT

public:
    // Asks for an icon file to show; nothing when the user cancels.
    using FileChooser = std::function<std::optional<QString>(QWidget *parent)>;

    explicit TFloatingPalette(QWidget *mainWindow);
    ~TFloatingPalette() override;

    TIconListBox &IconListBox() const { return *m_iconListBox; }
    QMenu &fileMenu() const { return *m_fileMenu; }
    QMenu &bonusMenu() const { return *m_bonusMenu; }
    // The file shown, with its path.
    QString currentFile() const;

    // Marks the menu item of the file shown; a named file that exists and is not shown is
    // loaded first (this is how the stored library reaches the window at start-up), and
    // an empty library gives way to "Misc1.icl".
    void CheckIconMenu(const QString &fileName);
    // Shows a file; names are found without regard to letter case.
    void loadFile(const QString &fileName);

    // The "Other..." command: OpenIconCollectionDialog through the dialog service unless
    // replaced (tests).
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    static std::optional<QString> OpenIconCollectionDialog(QWidget *parent);
    static const char *const kDialogFilter;
    // Run when the window is about to be destroyed, e.g. to store its placement.
    void setBeforeDestroy(std::function<void(TFloatingPalette &)> hook)
    {
        m_beforeDestroy = std::move(hook);
    }

    void ActivitiesClick();
    void EventsClick();
    void HolidaysClick();
    void Miscellaneous1Click();
    void Miscellaneous2Click();
    void BonusIconSetsClick();
    void OtherClick();

signals:
    // The window was shown or hidden; the main window updates its Show/Hide button.
    void visibilityChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenu();
    QAction *addFileItem(const QString &caption, void (TFloatingPalette::*slot)());
    void buildBonusMenu();
    void loadShipped(const QString &name);
    void markMenu(const QString &fileName);
    bool shownIsEmpty() const;

    TIconListBox *m_iconListBox;
    QMenuBar *m_menuBar;
    QMenu *m_fileMenu;
    QMenu *m_bonusMenu;
    QAction *m_bonusAction = nullptr;
    QAction *m_otherAction = nullptr;
    QList<QAction *> m_fixedItems;
    FileChooser m_chooseFile;
    std::function<void(TFloatingPalette &)> m_beforeDestroy;
};
