// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answering file dialogs in tests, whichever of the two file dialogs a command opened: Qt's
// (saving) or our own (opening, where the desktop offers no dialog of its own).

#include "widgets/fileopendialog.h"

#include <QDir>
#include <QFileDialog>

namespace FileDialogs {

inline bool isFileDialog(QDialog &dialog)
{
    return dynamic_cast<QFileDialog *>(&dialog) || dynamic_cast<FileOpenDialog *>(&dialog);
}

// The file the dialog proposes, or its folder when it proposes none.
inline QString proposal(QDialog &dialog)
{
    if (auto *files = dynamic_cast<QFileDialog *>(&dialog))
        return files->selectedFiles().value(0);
    if (auto *own = dynamic_cast<FileOpenDialog *>(&dialog))
        return own->selectedFile().isEmpty() ? own->folder() : own->selectedFile();
    return QString();
}

inline QString folder(QDialog &dialog)
{
    if (auto *files = dynamic_cast<QFileDialog *>(&dialog))
        return files->directory().absolutePath();
    if (auto *own = dynamic_cast<FileOpenDialog *>(&dialog))
        return own->folder();
    return QString();
}

// Chooses path as the user would before pressing Open or Save; false when dialog is no
// file dialog.
inline bool choose(QDialog &dialog, const QString &path)
{
    if (auto *files = dynamic_cast<QFileDialog *>(&dialog)) {
        files->selectFile(path);
        return true;
    }
    if (auto *own = dynamic_cast<FileOpenDialog *>(&dialog)) {
        own->selectFile(path);
        return true;
    }
    return false;
}

} // namespace FileDialogs
