// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/picture.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QListView;
class QScrollArea;
class QTreeView;
class PicturePreview;

// "Load Image File ": places and folders on the left, the picture files of the folder in
// the middle, a preview of the file selected and the two sizing options. The caller takes
// the preview's picture and the options on OK.
class TGImageBrowser : public QDialog
{
    Q_OBJECT

public:
    TGImageBrowser(bool stretch, bool autoSize, QWidget *parent = nullptr);

    // The file patterns the list shows, compared without regard to case.
    static QStringList fileMask();
    // Shows every file instead of the picture files of the mask.
    void setShowAllFiles(bool all);
    // Where the lists open: the folder used last in this session, else the shipped data.
    static QString startFolder();

    void openFolder(const QString &folder);
    QString currentFolder() const { return m_folder; }
    // Selects a file and loads it into the preview, as a click in the list does.
    void selectFile(const QString &path);
    QString selectedFile() const { return m_file; }
    const Picture &preview() const { return m_preview; }
    QString loadError() const { return m_error; }

    bool stretch() const;
    bool autoSize() const;

    // Why Ok cannot take the selection (no file, a folder, a file that gave no picture), or
    // empty when it can.
    QString refusal() const;
    // Refuses with a message, and stays open, while refusal() gives a reason.
    void accept() override;

private:
    void buildPlaces();
    void stretchClicked(bool checked);
    void autoSizeClicked(bool checked);
    void updatePreviewSize();
    void showCurrentFolder();

    QComboBox *m_places;
    QComboBox *m_fileTypes;
    QTreeView *m_folders;
    QListView *m_files;
    QFileSystemModel *m_folderModel;
    QFileSystemModel *m_fileModel;
    QScrollArea *m_scroll;
    PicturePreview *m_previewWidget;
    QLabel *m_status;
    QCheckBox *m_stretch;
    QCheckBox *m_autoSize;
    QString m_folder;
    QString m_file;
    QString m_error;
    Picture m_preview;
};
