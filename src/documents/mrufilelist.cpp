// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mrufilelist.h"

#include "core/filebytes.h"
#include "core/inifile.h"

#include <QMenu>
#include <QStringDecoder>

#include <algorithm>

namespace {

// The preferences file is UTF-8 text. A name that is UTF-8 is written as it is, as it always
// was; any other name (and one with control characters, or one that would read as such an
// entry) is written as its bytes, percent-encoded after this mark, so it comes back as the
// file system holds it.
const QString kBytesMark = QStringLiteral("bytes:");

QString storedName(const QString &path)
{
    const QByteArray bytes = FileBytes::encodeName(path);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    const bool control = std::any_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x20; });
    if (!utf8.hasError() && !control && !text.startsWith(kBytesMark))
        return text;
    return kBytesMark + QString::fromLatin1(bytes.toPercentEncoding("/"));
}

QString nameFromStored(const QString &value)
{
    if (!value.startsWith(kBytesMark))
        return value;
    return FileBytes::decodeName(QByteArray::fromPercentEncoding(value.mid(kBytesMark.size()).toLatin1()));
}

} // namespace

TMRUFileList::TMRUFileList(QObject *parent) : QObject(parent)
{
}

void TMRUFileList::SetMaximum(int maximum)
{
    if (maximum == m_maximum)
        return;
    const bool lower = maximum < m_maximum;
    m_maximum = maximum;
    if (lower) {
        trimToMaximum();
        RebuildMenu();
    }
}

void TMRUFileList::SetUseSubmenu(bool on)
{
    if (on == m_useSubmenu)
        return;
    m_useSubmenu = on;
    RebuildMenu();
}

void TMRUFileList::SetSubmenuName(const QString &name)
{
    if (name == m_submenuName)
        return;
    m_submenuName = name;
    RebuildMenu();
}

void TMRUFileList::SetEntriesEnabled(bool enabled)
{
    if (enabled == m_entriesEnabled)
        return;
    m_entriesEnabled = enabled;
    RebuildMenu();
}

void TMRUFileList::SetFileMenu(QMenu *menu)
{
    if (menu == m_fileMenu)
        return;
    removeItems();
    m_fileMenu = menu;
    RebuildMenu();
}

void TMRUFileList::trimToMaximum()
{
    while (m_files.size() > std::max(m_maximum, 0))
        m_files.removeLast();
}

void TMRUFileList::AddFile(const QString &path)
{
    const auto sameFile = [&path](const QString &f) { return f.compare(path, Qt::CaseInsensitive) == 0; };
    const auto found = std::find_if(m_files.cbegin(), m_files.cend(), sameFile);
    const qsizetype existing = found == m_files.cend() ? -1 : found - m_files.cbegin();
    if (existing >= 0)
        m_files.removeAt(existing);
    m_files.prepend(path);
    trimToMaximum();
    RebuildMenu();
}

void TMRUFileList::LoadList()
{
    if (m_autoSaveName.isEmpty() || m_autoSaveKey.isEmpty())
        return;
    m_files.clear();
    const IniFile ini(m_autoSaveName);
    for (const QString &line : ini.readSection(m_autoSaveKey))
        m_files << nameFromStored(line.mid(line.indexOf(QLatin1Char('=')) + 1));
    RebuildMenu();
}

bool TMRUFileList::SaveList() const
{
    if (m_autoSaveName.isEmpty() || m_autoSaveKey.isEmpty())
        return true;
    IniFile ini(m_autoSaveName);
    bool ok = ini.eraseSection(m_autoSaveKey);
    for (int i = 0; i < m_files.size(); ++i)
        ok = ini.writeString(m_autoSaveKey, QStringLiteral("F%1").arg(i), storedName(m_files[i])) && ok;
    return ok;
}

void TMRUFileList::removeItems()
{
    if (!m_fileMenu)
        return;
    for (QAction *action : m_fileMenu->actions()) {
        if (qobject_cast<TMRUMenuItem *>(action)) {
            m_fileMenu->removeAction(action);
            action->deleteLater();
        }
    }
    if (m_submenu) {
        m_fileMenu->removeAction(m_submenu->menuAction());
        m_submenu->deleteLater();
        m_submenu = nullptr;
    }
}

void TMRUFileList::RebuildMenu()
{
    if (!m_fileMenu)
        return;
    removeItems();
    if (m_files.isEmpty())
        return;
    auto *separator = new TMRUMenuItem(0, m_fileMenu);
    separator->setSeparator(true);
    m_fileMenu->addAction(separator);
    QMenu *target = m_fileMenu;
    if (m_useSubmenu) {
        m_submenu = new QMenu(m_submenuName, m_fileMenu);
        m_fileMenu->addMenu(m_submenu);
        target = m_submenu;
    }
    for (int n = 1; n <= m_files.size(); ++n) {
        auto *item = new TMRUMenuItem(n, target);
        // An '&' in a path is text, not an access key.
        // Bytes of a name that are not UTF-8 show as replacement characters.
        QString path = QString::fromUtf8(FileBytes::encodeName(m_files[n - 1]));
        path.replace(QLatin1Char('&'), QLatin1String("&&"));
        item->setText(QStringLiteral("&%1 %2").arg(n).arg(path));
        item->setEnabled(m_entriesEnabled);
        connect(item, &QAction::triggered, this, [this, n] { clickEntry(n); });
        target->addAction(item);
    }
}

void TMRUFileList::clickEntry(int number)
{
    if (!m_entriesEnabled || number < 1 || number > m_files.size())
        return;
    const QString path = m_files[number - 1];
    if (m_removeOnClick) {
        m_files.removeAt(number - 1);
        RebuildMenu();
    }
    emit OnMRUItemClick(path);
}
