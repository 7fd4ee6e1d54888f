// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// One topic of the quick tips window: the question as its button shows it and the answer
// as simple HTML.
struct QuickTip {
    QString question;
    QString answer;
};

const QList<QuickTip> &quickTips();
