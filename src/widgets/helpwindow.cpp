// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include "core/apppaths.h"
#include "core/filebytes.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPointer<HelpWindow> g_window;

// No page of ours comes near this; a larger file is not one of ours.
constexpr qint64 kMaxPageBytes = 1 << 20;
constexpr int kFileRole = Qt::UserRole;

QString plainTextOf(const QString &html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

QString titleOf(const QString &html, const QString &fallback)
{
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption
                                              | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = title.match(html);
    const QString text = m.hasMatch() ? plainTextOf(m.captured(1)) : QString();
    return text.isEmpty() ? fallback : text;
}

QStringList wordsOf(const QString &query)
{
    return query.toLower().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

bool containsAll(const QString &text, const QStringList &words)
{
    return std::all_of(words.begin(), words.end(), [&text](const QString &w) { return text.contains(w); });
}

void addEntries(QTreeWidgetItem *parent, QTreeWidget *tree, const QList<HelpContentsEntry> &entries)
{
    for (const HelpContentsEntry &entry : entries) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, entry.title);
        item->setData(0, kFileRole, entry.file);
        addEntries(item, tree, entry.children);
    }
}

// Top-level windows must go before the application object does.
void deleteHelpWindow()
{
    delete g_window.data();
}

} // namespace

QList<HelpContentsEntry> helpContentsOf(const QString &indexHtml)
{
    // Headings and links in page order; a link before the first heading stands on its own.
    static const QRegularExpression token(
        QStringLiteral("<h2[^>]*>(.*?)</h2>|<a\\s+href=\"([^\":#/]+\\.html)(?:#[^\"]*)?\"[^>]*>(.*?)</a>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QList<HelpContentsEntry> contents;
    HelpContentsEntry *section = nullptr;
    QStringList seen;
    for (auto it = token.globalMatch(indexHtml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(1).isNull()) {
            contents.append({plainTextOf(m.captured(1)), QString(), {}});
            section = &contents.last();
            continue;
        }
        const QString file = m.captured(2);
        // One leaf a page: the same page linked twice in a section is listed once.
        QList<HelpContentsEntry> &into = section ? section->children : contents;
        if (std::any_of(into.begin(), into.end(), [&file](const HelpContentsEntry &e) { return e.file == file; }))
            continue;
        into.append({plainTextOf(m.captured(3)), file, {}});
    }
    return contents;
}

void HelpSearchIndex::load(const QString &folder)
{
    m_pages.clear();
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const FileBytes::ReadResult read = FileBytes::readRegularFile(folder + file, kMaxPageBytes);
        if (!read.ok())
            continue;
        const QString html = QString::fromUtf8(read.bytes);
        const QString title = titleOf(html, file);
        m_pages.append({file, title, (title + QLatin1Char(' ') + plainTextOf(html)).toLower()});
    }
}

QList<HelpSearchIndex::Hit> HelpSearchIndex::find(const QString &query) const
{
    const QStringList words = wordsOf(query);
    if (words.isEmpty())
        return {};
    QList<Hit> inTitle;
    QList<Hit> inText;
    for (const Page &page : m_pages) {
        if (!containsAll(page.text, words))
            continue;
        (containsAll(page.title.toLower(), words) ? inTitle : inText).append({page.file, page.title});
    }
    const auto byTitle = [](const Hit &a, const Hit &b) { return a.title.compare(b.title, Qt::CaseInsensitive) < 0; };
    std::sort(inTitle.begin(), inTitle.end(), byTitle);
    std::sort(inText.begin(), inText.end(), byTitle);
    return inTitle + inText;
}

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)), m_contents(new QTreeWidget(this)),
      m_search(new QLineEdit(this)), m_results(new QListWidget(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Orvane Help"));
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setSearchPaths({helpFolder()});
    m_browser->setOpenExternalLinks(true);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_contents->setHeaderHidden(true);
    m_search->setObjectName(QStringLiteral("HelpSearch"));
    m_search->setPlaceholderText(QStringLiteral("Search"));
    m_search->setClearButtonEnabled(true);
    m_results->setObjectName(QStringLiteral("HelpResults"));
    m_results->hide();

    auto *contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto *back = new QPushButton(QStringLiteral("&Back"), this);
    auto *close = new QPushButton(QStringLiteral("C&lose"), this);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::markCurrentInContents);
    connect(m_contents, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        const QString file = item->data(0, kFileRole).toString();
        if (!file.isEmpty())
            showPage(pageUrl(file));
        else
            item->setExpanded(!item->isExpanded());
    });
    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::runSearch);
    connect(m_results, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        showPage(pageUrl(item->data(kFileRole).toString()));
    });
    back->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *side = new QWidget(this);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(m_search);
    sideLayout->addWidget(m_contents);
    sideLayout->addWidget(m_results);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 640});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);
    buildContents();
    resize(900, 640);
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
    return pageUrl(QString::number(topic) + QStringLiteral(".html"));
}

QUrl HelpWindow::pageUrl(const QString &file)
{
    return QUrl::fromLocalFile(helpFolder() + file);
}

void HelpWindow::buildContents()
{
    m_contents->clear();
    const FileBytes::ReadResult read = FileBytes::readRegularFile(contentsUrl().toLocalFile(), kMaxPageBytes);
    if (!read.ok())
        return;
    addEntries(nullptr, m_contents, helpContentsOf(QString::fromUtf8(read.bytes)));
    m_contents->expandAll();
}

void HelpWindow::runSearch(const QString &query)
{
    m_results->clear();
    const bool searching = !query.trimmed().isEmpty();
    m_contents->setVisible(!searching);
    m_results->setVisible(searching);
    if (!searching)
        return;
    // Read on the first search, not when the window opens: most people never search.
    if (!m_indexLoaded) {
        m_index.load(helpFolder());
        m_indexLoaded = true;
    }
    const QList<HelpSearchIndex::Hit> hits = m_index.find(query);
    for (const HelpSearchIndex::Hit &hit : hits) {
        auto *item = new QListWidgetItem(hit.title, m_results);
        item->setData(kFileRole, hit.file);
    }
    if (hits.isEmpty()) {
        auto *none = new QListWidgetItem(QStringLiteral("No page contains all these words."), m_results);
        none->setFlags(Qt::NoItemFlags);
    }
}

void HelpWindow::markCurrentInContents(const QUrl &url)
{
    const QString file = QFileInfo(url.toLocalFile()).fileName();
    QTreeWidgetItemIterator it(m_contents);
    for (; *it; ++it) {
        if ((*it)->data(0, kFileRole).toString() == file) {
            m_contents->setCurrentItem(*it);
            m_contents->scrollToItem(*it);
            return;
        }
    }
    m_contents->setCurrentItem(nullptr);
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
