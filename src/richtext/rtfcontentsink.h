// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>

// Receives what the RTF parser reads, in text order.
class RtfContentSink
{
public:
    virtual ~RtfContentSink() = default;

    virtual void text(const QString &text, const QTextCharFormat &format) = 0;
    // Ends the current paragraph. A paragraph break at the very end of the text opens no
    // further paragraph: "a\par" is one paragraph, "\par\par" two.
    // mark is the format of the paragraph mark, which sets an empty paragraph's height.
    virtual void paragraphEnd(const QTextBlockFormat &format, const QTextCharFormat &mark) = 0;
    // image is null when the picture could not be decoded.
    virtual void picture(const QImage &image, const QSizeF &size, const QTextCharFormat &format)
            = 0;
    // Lets a sink that has seen enough stop the parse early.
    virtual bool satisfied() const { return false; }
    // A sink that only needs to know a picture is there spares the parser the decoding.
    virtual bool wantsImages() const { return true; }
};
