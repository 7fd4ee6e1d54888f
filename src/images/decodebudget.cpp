// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "decodebudget.h"

namespace {

thread_local DecodeBudget *t_current = nullptr;

} // namespace

bool DecodeBudget::take(QSize size)
{
    if (size.width() < 0 || size.height() < 0)
        return false;
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > m_left)
        return false;
    m_left -= pixels;
    return true;
}

QString DecodeBudget::exceededMessage() const
{
    return QStringLiteral("the pictures of this document need more than %1 megapixels")
        .arg(m_total / 1'000'000);
}

DecodeBudget *DecodeBudget::current()
{
    return t_current;
}

DecodeBudget::Scope::Scope(DecodeBudget &budget) : m_previous(t_current)
{
    t_current = &budget;
}

DecodeBudget::Scope::~Scope()
{
    t_current = m_previous;
}
