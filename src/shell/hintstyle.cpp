// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hintstyle.h"

HintDelayStyle::HintDelayStyle(int wakeUpDelayMs) : m_wakeUpDelay(wakeUpDelayMs)
{
}

int HintDelayStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                              QStyleHintReturn *returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay)
        return m_wakeUpDelay;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
