// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "configreport.h"

#include <QFile>
#include <QGuiApplication>
#include <QInputDevice>
#include <QLocale>
#include <QPrinterInfo>
#include <QScreen>
#include <QSysInfo>

#include <cmath>

namespace {

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QByteArray readProcFile(const QString &path)
{
    QFile file(path);
    // /proc files report a size of 0, so read until the end.
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString cpuDescription()
{
    QString model;
    int processors = 0;
    for (const QByteArray &line : readProcFile(QStringLiteral("/proc/cpuinfo")).split('\n')) {
        if (line.startsWith("processor"))
            ++processors;
        else if (model.isEmpty() && line.startsWith("model name"))
            model = QString::fromUtf8(line.mid(line.indexOf(':') + 1)).trimmed();
    }
    QString text = model.isEmpty() ? QSysInfo::currentCpuArchitecture() : model;
    if (processors > 0)
        text += QStringLiteral(", %1 processors").arg(processors);
    return text + QStringLiteral(" (%1)").arg(QSysInfo::currentCpuArchitecture());
}

QString videoDescription()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QStringLiteral("no screen");
    const QSize size = screen->size();
    return QStringLiteral("%1 x %2, %3-bit colour, %4 Hz")
        .arg(size.width())
        .arg(size.height())
        .arg(screen->depth())
        .arg(std::lround(screen->refreshRate()));
}

QString sizeText(qint64 kilobytes)
{
    return QLocale::system().formattedDataSize(kilobytes * 1024);
}

QString totalAndAvailable(qint64 total, qint64 available)
{
    return QStringLiteral("Total: %1  Available: %2").arg(sizeText(total), sizeText(qMax<qint64>(available, 0)));
}

void addMemoryLines(QStringList &lines)
{
    const QHash<QString, qint64> mem =
        ConfigurationReport::parseMeminfo(readProcFile(QStringLiteral("/proc/meminfo")));
    const qint64 total = mem.value(QStringLiteral("MemTotal"));
    const qint64 available = mem.value(QStringLiteral("MemAvailable"), mem.value(QStringLiteral("MemFree")));
    if (total <= 0) {
        lines << QStringLiteral("Memory Load: \tunknown");
        return;
    }
    lines << QStringLiteral("Memory Load: \t%1%").arg((total - available) * 100 / total);
    lines << QStringLiteral("Phys Memory: \t") + totalAndAvailable(total, available);
    lines << QStringLiteral("Page File:   \t")
                 + totalAndAvailable(mem.value(QStringLiteral("SwapTotal")), mem.value(QStringLiteral("SwapFree")));
    const qint64 commitLimit = mem.value(QStringLiteral("CommitLimit"));
    lines << QStringLiteral("Virt Memory: \t")
                 + totalAndAvailable(commitLimit, commitLimit - mem.value(QStringLiteral("Committed_AS")));
}

void addLocaleLines(QStringList &lines)
{
    const QLocale locale = QLocale::system();
    lines << QStringLiteral("Language:    \t%1 (%2)").arg(QLocale::languageToString(locale.language()), locale.name());
    lines << QStringLiteral("Country:     \t") + QLocale::territoryToString(locale.territory());
    lines << QStringLiteral("Date Format: \tShort: %1  Long: %2")
                 .arg(locale.dateFormat(QLocale::ShortFormat), locale.dateFormat(QLocale::LongFormat));
    lines << QStringLiteral("Time Format: \tShort: ") + locale.timeFormat(QLocale::ShortFormat);
}

QStringList printerLines()
{
    QStringList lines{QStringLiteral("[Printers]")};
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    for (const QPrinterInfo &printer : QPrinterInfo::availablePrinters()) {
        QString line = printer.printerName() + QLatin1Char('=') + printer.makeAndModel();
        if (!printer.location().isEmpty())
            line += QStringLiteral(", ") + printer.location();
        lines << line;
    }
    if (lines.size() == 1)
        lines << QStringLiteral("(no printers)");
    lines << QStringLiteral("Default=") + (defaultName.isEmpty() ? QStringLiteral("(none)") : defaultName);
    return lines;
}

QStringList screenLines()
{
    QStringList lines{QStringLiteral("[Screens]")};
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        lines << QStringLiteral("%1=%2 x %3 at %4,%5; %6 dpi logical, %7 dpi physical, scale %8")
                     .arg(screen->name(), QString::number(g.width()), QString::number(g.height()),
                          QString::number(g.x()), QString::number(g.y()),
                          QString::number(std::lround(screen->logicalDotsPerInch())),
                          QString::number(std::lround(screen->physicalDotsPerInch())),
                          QString::number(screen->devicePixelRatio()));
    }
    return lines;
}

QStringList internationalLines()
{
    const QLocale locale = QLocale::system();
    return {QStringLiteral("[International]"),
            QStringLiteral("Decimal=") + locale.decimalPoint(),
            QStringLiteral("Thousands=") + locale.groupSeparator(),
            QStringLiteral("Currency=") + locale.currencySymbol(),
            QStringLiteral("Measurement=")
                + (locale.measurementSystem() == QLocale::MetricSystem ? QStringLiteral("Metric")
                                                                       : QStringLiteral("Imperial")),
            QStringLiteral("FirstDayOfWeek=") + locale.dayName(int(locale.firstDayOfWeek())),
            QStringLiteral("AM=%1 PM=%2").arg(locale.amText(), locale.pmText())};
}

QString deviceNames(QInputDevice::DeviceTypes types)
{
    QStringList names;
    for (const QInputDevice *device : QInputDevice::devices()) {
        if (types.testFlag(device->type()))
            names << device->name();
    }
    return names.isEmpty() ? QStringLiteral("(none reported)") : names.join(QStringLiteral("; "));
}

} // namespace

namespace ConfigurationReport {

QHash<QString, qint64> parseMeminfo(const QByteArray &text)
{
    QHash<QString, qint64> fields;
    for (const QByteArray &line : text.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QList<QByteArray> value = line.mid(colon + 1).simplified().split(' ');
        bool ok = false;
        const qint64 number = value.first().toLongLong(&ok);
        if (ok)
            fields.insert(QString::fromLatin1(line.left(colon)), number);
    }
    return fields;
}

QString fontSizeText(int dpi)
{
    if (dpi == 96)
        return QStringLiteral("Small Fonts in use");
    if (dpi == 120)
        return QStringLiteral("Large Fonts in use");
    return QStringLiteral("Custom font size in use");
}

QStringList environmentLines()
{
    QStringList lines;
    lines << QStringLiteral("System:      \t%1 (%2 %3)")
                 .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion());
    lines << QStringLiteral("CPU:         \t") + cpuDescription();
    lines << QStringLiteral("Video:       \t") + videoDescription();
    const QScreen *screen = QGuiApplication::primaryScreen();
    lines << QStringLiteral("Font:        \t") + fontSizeText(screen ? int(std::lround(screen->logicalDotsPerInch())) : 96);
    addMemoryLines(lines);
    addLocaleLines(lines);
    for (const QStringList &section : {printerLines(), screenLines(), internationalLines()})
        lines << QString() << section;
    lines << QString();
    lines << QStringLiteral("Video Driver:\t") + QGuiApplication::platformName();
    lines << QStringLiteral("Keyboard:    \t") + deviceNames(QInputDevice::DeviceType::Keyboard);
    lines << QStringLiteral("Mouse:       \t")
                 + deviceNames(QInputDevice::DeviceType::Mouse | QInputDevice::DeviceType::TouchPad);
    return lines;
}

QString build(const QString &version, const Settings &settings, const QStringList &environment,
              const QDate &today)
{
    const Preferences &p = settings.preferences;
    const DefaultFontSetting &f = p.defaultFont;
    QStringList lines;
    lines << QLocale::system().toString(today, QLocale::LongFormat) << QString();
    lines << QStringLiteral("[Product]") << QStringLiteral("Program:     \tOrvane")
          << QStringLiteral("Version:     \t") + version << QString();
    lines << QStringLiteral("[Environment]") << environment << QString();
    lines << QStringLiteral("[OV.INI]") << QString();
    lines << QStringLiteral("LastZoom:    \t%1/%2").arg(p.mainZoomPercent).arg(p.propZoomPercent);
    // One pass over the placeholders, so a '%' in the font name stays text.
    lines << QStringLiteral("DeFFont      \t%1,%2,%3,%4,%5,%6")
                 .arg(f.name, QString::number(f.size), flag(f.bold), flag(f.italic),
                      flag(f.underline), QString::number(f.color));
    lines << QStringLiteral("LastIconFile:\t") + p.iconFile;
    lines << QStringLiteral("IconShowing :\t") + flag(p.iconsVisible);
    lines << QStringLiteral("ShowHint:   :\t") + flag(p.hintsOn);
    return lines.join(QLatin1Char('\n'));
}

} // namespace ConfigurationReport
