// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

// How many pixels the pictures of one document may decode to, all together. A few bytes of
// run-length data can declare a picture of many megabytes, so the size each picture declares
// is taken from the budget before anything is allocated for it, and a picture that does not
// fit is refused with a message naming the limit.
//
// Document reading installs a budget with a Scope for as long as it reads; picture reading
// charges the budget of the innermost scope on the same thread, and nothing outside one.
class DecodeBudget
{
public:
    static constexpr qint64 kDocumentPixels = 400'000'000;

    explicit DecodeBudget(qint64 pixels = kDocumentPixels) : m_left(pixels), m_total(pixels) {}

    // Takes the pixels of a picture of this size; false, taking nothing, when they don't fit.
    bool take(QSize size);
    qint64 left() const { return m_left; }
    // "the pictures of this document need more than 400 megapixels"
    QString exceededMessage() const;

    // The budget of the innermost scope, or null.
    static DecodeBudget *current();

    class Scope
    {
    public:
        explicit Scope(DecodeBudget &budget);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        DecodeBudget *m_previous;
    };

private:
    qint64 m_left;
    qint64 m_total;
};
