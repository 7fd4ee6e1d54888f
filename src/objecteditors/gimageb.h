// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/picture.h"

#include <QDialog>

class ClipArtModel;
class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QScrollArea;
class QStackedWidget;
class QTreeView;
class PicturePreview;

// "Load Image File ": places and folders on the left, the picture files of the folder in
// the middle, a preview of the file selected and the two sizing options. The caller takes
// the preview's picture and the options on OK.
//
// When the clip-art library is installed (clipArtFolder()), it is one of the places: inside
// it the middle shows the pictures of the folder and every folder below it with thumbnails
// (ClipArtModel) and a filter over their names that narrows the list as it is typed.
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
    // The clip-art library's folder ("/usr/share/openclipart"); tests set their own before
    // opening a browser.
    static QString clipArtFolder();
    static void setClipArtFolder(const QString &folder);
    // Whether the middle shows the clip-art library's thumbnails rather than a folder's files.
    bool showsClipArt() const;

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
    QWidget *buildClipArtView();
    void showClipArt(bool shown);
    QStringList shownPatterns() const;

    QComboBox *m_places;
    QComboBox *m_fileTypes;
    QTreeView *m_folders;
    QListView *m_files;
    QStackedWidget *m_fileViews;
    QLineEdit *m_clipArtFilter;
    QListView *m_clipArtList;
    ClipArtModel *m_clipArt;
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
