// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/tcolor.h"
#include "graphics/tfont.h"

#include <QDialog>
#include <QFileIconProvider>
#include <QFont>
#include <QMimeDatabase>
#include <QString>

#include <optional>

class QFileDialog;
class QFontDialog;
class QLabel;
class QPushButton;

// The font dialog: face, size and style, plus the colour, which documents keep with the
// font. Shown through the dialog service like every other dialog.
class FontChooser : public QDialog
{
    Q_OBJECT
public:
    FontChooser(const TFont &font, int ppi, QWidget *parent = nullptr);

    TFont font() const;
    void setChosenFont(const TFont &font);
    void setChosenColor(TColor color);
    // The installed family shown for a stored one ("Times New Roman" as Liberation Serif).
    static QString displayFamily(const QString &family);
    QFontDialog *fontDialog() const { return m_fonts; }

private:
    void pickColor();
    void showColor();

    QFontDialog *m_fonts;
    QLabel *m_standIn;
    QPushButton *m_colorButton;
    TColor m_color;
    int m_ppi;
    // The font as given and as first shown: OK without a change gives the given font back
    // exactly, and a family shown under a metric-compatible stand-in keeps its stored name.
    TFont m_original;
    QFont m_shown;
};

// Icons and type names of the files a file dialog lists, told by their names alone. Qt's
// own provider reads a file to tell its type, and reading a special file (a kernel file
// of /proc, a device) can block the window for good or disturb what the file serves.
class NameOnlyIconProvider : public QFileIconProvider
{
public:
    NameOnlyIconProvider();
    QIcon icon(const QFileInfo &info) const override;
    using QFileIconProvider::icon;
    QString type(const QFileInfo &info) const override;

private:
    QMimeDatabase m_mimeTypes;
};

namespace Choosers {

// Every file dialog of the program is prepared by this: it never reads the files it lists.
void prepareFileDialog(QFileDialog &dialog);

// Each returns nothing when the user cancels.
std::optional<TFont> chooseFont(QWidget *parent, const TFont &font, int ppi);
std::optional<TColor> chooseColor(QWidget *parent, TColor color);
// Filters are "Description|*.EXT" as the program states them. Where the desktop offers no
// file dialog of its own, files are opened through FileOpenDialog, which lists every name.
std::optional<QString> chooseOpenFile(QWidget *parent, const QString &title,
                                      const QString &folder, const QString &filter);
std::optional<QString> chooseSaveFile(QWidget *parent, const QString &title,
                                      const QString &proposedPath, const QString &filter,
                                      const QString &defaultSuffix);
std::optional<QString> chooseFolder(QWidget *parent, const QString &title, const QString &folder);
// Whether the file dialog shows Qt's own widgets rather than the desktop's dialog.
bool showsQtsOwnWidgets(const QFileDialog &dialog);
// Where document and style-sheet dialogs start: the user's documents folder.
QString documentsFolder();
// Qt names files in UTF-8 only: a name that is not UTF-8 shows with replacement characters,
// and the path a file dialog gives back for it does not exist. This finds, folder by folder,
// the entry the dialog showed; a path that exists, or matches no entry or several, stays.
QString realPath(const QString &chosen);
// "Calendar File|*.OVF" becomes "Calendar File (*.OVF)".
QString qtFilter(const QString &filter);

} // namespace Choosers
