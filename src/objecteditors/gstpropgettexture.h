// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "objects/tgsupertext.h"

#include <QDialog>

#include <functional>
#include <memory>

class ObjectPreview;
class QComboBox;
class QFileSystemModel;
class QListWidget;
class QPushButton;
class QTreeView;

// The texture browser: a folder tree, the picture files of the chosen folder and an example
// text filled with the picture selected. The caller takes the example's Image on OK.
class TSuperTextBrushImageBrowser : public QDialog
{
    Q_OBJECT

public:
    // preview: the properties dialog's preview, whose settings the example copies.
    TSuperTextBrushImageBrowser(const TGSuperText &preview,
                                const QString &lastBitmapFileNameandPath,
                                QWidget *parent = nullptr);
    ~TSuperTextBrushImageBrowser() override;

    // The file patterns of the file list, matched without regard to case.
    static QStringList fileMask();
    // Where the browser opens without a last file: "bmbrush" in the data folder, else
    // "Textures" there, else the data folder itself.
    static QString startFolder();

    TGSuperText &SuperTextExample() { return m_example; }
    const TGSuperText &SuperTextExample() const { return m_example; }
    QString folder() const { return m_folder; }
    void setFolder(const QString &folder);
    // Selects and loads a file; it opens the file's folder first.
    void selectFile(const QString &path);
    QString selectedFile() const { return m_selectedFile; }
    QListWidget *fileList() const { return m_fileList; }
    QComboBox *driveCombo() const { return m_driveCombo; }
    // How "Help" shows its topic; the program's help window unless replaced.
    void setHelpHandler(std::function<void(int)> handler) { m_help = std::move(handler); }

private:
    void fileChosen();
    void loadExample(const QString &path);

    TGSuperText m_example;
    QString m_folder;
    QString m_selectedFile;
    std::function<void(int)> m_help;
    QComboBox *m_driveCombo = nullptr;
    QFileSystemModel *m_folders = nullptr;
    QTreeView *m_folderTree = nullptr;
    QListWidget *m_fileList = nullptr;
    ObjectPreview *m_exampleView = nullptr;
};
