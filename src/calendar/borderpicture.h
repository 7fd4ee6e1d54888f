// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "metafile/metafilepicture.h"

#include <QByteArray>
#include <QString>

// The decorative border: a Windows metafile, checked for a metafile header when loaded.
class BorderPicture
{
public:
    bool isEmpty() const { return m_picture.isEmpty(); }
    QByteArray bytes() const { return m_picture.bytes(); }
    const MetafilePicture &picture() const { return m_picture; }
    void clear() { m_picture.clear(); }

    // Replaces the picture with a file's bytes; on failure the picture is unchanged and
    // error (when given) says why.
    bool loadFromFile(const QString &path, QString *error = nullptr);
    // Whether bytes start like a Windows metafile (placeable or plain header).
    static bool looksLikeMetafile(const QByteArray &bytes);

    // The file of a border by name: "Borders/" in the data folder, ".wpo" for portrait
    // and ".wls" for landscape pages, the name compared without regard to case. Empty
    // when there is no such file or the name is not a plain file name.
    static QString findFile(const QString &name, bool landscape);

    friend bool operator==(const BorderPicture &, const BorderPicture &) = default;

private:
    MetafilePicture m_picture;
};
