// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "splashform.h"

#include "shell/toolicons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TSplashform::TSplashform(const QString &version, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Splashform"));
    setWindowTitle(QStringLiteral("About Orvane"));
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramPicture"));
    picture->setPixmap(ToolIcons::programPicture(96));
    auto *name = new QLabel(QStringLiteral("<b style='font-size:18pt'>Orvane</b>"), this);
    auto *text = new QLabel(QStringLiteral("Calendar pages designed and printed your way.<br>"
                                           "Version %1<br><br>"
                                           "Free software under the GNU General Public "
                                           "License, version 3 or later.<br><br>"
                                           "<small>The holidays of countries come from the "
                                           "date-holidays package by commenthol and its "
                                           "contributors (ISC licence); its data, drawn from "
                                           "Wikipedia, is under Creative Commons "
                                           "Attribution-ShareAlike 3.0 (CC BY-SA 3.0).</small>")
                                .arg(version.toHtmlEscaped()),
                            this);
    text->setObjectName(QStringLiteral("VersionText"));
    text->setWordWrap(true);
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(text);
    texts->addStretch(1);
    auto *top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setMinimumWidth(380);
}
