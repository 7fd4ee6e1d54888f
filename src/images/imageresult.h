// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Pictures wider or taller than this are refused before anything is allocated for them.
inline constexpr int MaxPictureSide = 10000;
// Picture files are read whole; larger files are refused.
inline constexpr qint64 MaxPictureFileBytes = 64 * 1024 * 1024;

// A decoded picture, or why there is none.
struct ImageResult
{
    QImage image;
    QString error;

    bool ok() const { return error.isEmpty(); }
    static ImageResult failed(const QString &message) { return {QImage(), message}; }
};

// The bytes of a file, or why they could not be read.
struct BytesResult
{
    QByteArray bytes;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// Whether an operation worked; message says why not.
struct ImageStatus
{
    QString error;
    // The picture was refused because the document's pictures need too many pixels.
    bool overBudget = false;

    bool ok() const { return error.isEmpty(); }
    static ImageStatus failed(const QString &message) { return {message}; }
};

// The size a picture declares, checked but not decoded, or why it cannot be read.
struct SizeResult
{
    QSize size;
    QString error;

    bool ok() const { return error.isEmpty(); }
};
