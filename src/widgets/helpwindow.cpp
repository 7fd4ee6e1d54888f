// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include "core/apppaths.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QPointer<HelpWindow> g_window;

// Top-level windows must go before the application object does.
void deleteHelpWindow()
{
    delete g_window.data();
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Orvane Help"));
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setSearchPaths({helpFolder()});
    m_browser->setOpenExternalLinks(true);
    auto *contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto *back = new QPushButton(QStringLiteral("&Back"), this);
    auto *close = new QPushButton(QStringLiteral("C&lose"), this);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    back->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    resize(640, 560);
}

HelpWindow &HelpWindow::instance()
{
    // While a modal dialog runs, only its own windows take input: help asked for from a
    // dialog opens as a window of that dialog, above it and usable, and goes with it.
    if (QWidget *modal = QApplication::activeModalWidget()) {
        auto *own = modal->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
        if (!own)
            own = new HelpWindow(modal);
        return *own;
    }
    if (!g_window) {
        g_window = new HelpWindow;
        static bool routineAdded = false;
        if (!routineAdded) {
            qAddPostRoutine(deleteHelpWindow);
            routineAdded = true;
        }
    }
    return *g_window;
}

void HelpWindow::closeIfOpen()
{
    if (g_window)
        g_window->close();
}

QString HelpWindow::helpFolder()
{
    return AppPaths::dataFolder() + QStringLiteral("help/");
}

QUrl HelpWindow::contentsUrl()
{
    return QUrl::fromLocalFile(helpFolder() + QStringLiteral("index.html"));
}

QUrl HelpWindow::topicUrl(int topic)
{
    return QUrl::fromLocalFile(helpFolder() + QString::number(topic) + QStringLiteral(".html"));
}

void HelpWindow::showContents()
{
    showPage(contentsUrl());
}

void HelpWindow::showTopic(int topic)
{
    const QUrl url = topicUrl(topic);
    if (QFileInfo::exists(url.toLocalFile())) {
        showPage(url);
        return;
    }
    showContents();
    m_browser->append(QStringLiteral("<p><i>There is no help page for topic %1.</i></p>").arg(topic));
}

QUrl HelpWindow::currentPage() const
{
    return m_browser->source();
}

void HelpWindow::showPage(const QUrl &url)
{
    if (!QFileInfo::exists(url.toLocalFile())) {
        m_browser->setHtml(QStringLiteral("<p>The help pages were not found in %1.</p>")
                               .arg(helpFolder().toHtmlEscaped()));
    } else {
        m_browser->setSource(url);
    }
    if (!isVisible())
        placeOnActiveScreen();
    show();
    raise();
    activateWindow();
}

void HelpWindow::placeOnActiveScreen()
{
    // Beside the window the user is working in, on the same screen.
    const QWidget *active = QApplication::activeWindow();
    QScreen *screen = active ? active->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void ShowHelpTopic(int topic)
{
    HelpWindow::instance().showTopic(topic);
}

void ShowHelpContents()
{
    HelpWindow::instance().showContents();
}
