// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The platform's style, except that tool tips wait a little longer before they appear.
class HintDelayStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit HintDelayStyle(int wakeUpDelayMs);

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;

private:
    int m_wakeUpDelay;
};
