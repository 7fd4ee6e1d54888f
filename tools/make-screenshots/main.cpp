// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the manual's screenshots from the real dialogs, on the offscreen platform:
//   make-screenshots data/help/images          writes <name>.png and <name>.txt
//   make-screenshots --check data/help/images  fails naming each dialog whose structure
//                                              differs from its committed <name>.txt
#include "shots.h"

#include "core/apppaths.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Idle work (the gallery's pictures) gets this long before the grab.
constexpr int kSettleMs = 1500;

void settle()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kSettleMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool check = args.removeAll(QStringLiteral("--check")) > 0;
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: make-screenshots [--check] <folder>\n");
        return 2;
    }
    const QString folder = QDir(args.first()).absolutePath() + QLatin1Char('/');
    QTemporaryDir user;
    AppPaths::setUserFolderOverride(user.path());
    if (!check)
        QDir().mkpath(folder);

    QStringList stale;
    for (const Shot &shot : manualShots()) {
        std::unique_ptr<QWidget> widget = shot.make();
        const QByteArray fingerprint = widgetFingerprint(*widget).toUtf8();
        const QString base = folder + shot.name;
        if (check) {
            if (readAll(base + QStringLiteral(".txt")) != fingerprint)
                stale << shot.name;
            continue;
        }
        widget->resize(shot.size.isValid() ? shot.size : widget->sizeHint().expandedTo(widget->minimumSize()));
        widget->show();
        settle();
        if (!widget->grab().save(base + QStringLiteral(".png")) || !writeAll(base + QStringLiteral(".txt"), fingerprint)) {
            std::fprintf(stderr, "make-screenshots: cannot write %s\n", qPrintable(base));
            return 1;
        }
        widget->close();
    }
    for (const QString &name : stale)
        std::fprintf(stderr, "%s changed: run make-screenshots %s and commit its pictures\n", qPrintable(name),
                     qPrintable(folder));
    return stale.isEmpty() ? 0 : 1;
}
