// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "renderprocess.h"

namespace {

struct GoldenCase
{
    const char *name;
    QStringList arguments;
};

} // namespace

class RenderGolden : public testing::TestWithParam<GoldenCase>
{
};

TEST_P(RenderGolden, GeometryMatchesReference)
{
    const GoldenCase &c = GetParam();
    const RunResult run = render(QStringList{QStringLiteral("--geometry")} + c.arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QString base = QStringLiteral(ORVANE_RENDER_REF_DIR "/") + QString::fromLatin1(c.name);
    QFile ref(base + QStringLiteral(".ref"));
    const QByteArray expected = ref.open(QIODevice::ReadOnly) ? ref.readAll() : QByteArray();
    if (expected != run.out) {
        QFile out(base + QStringLiteral(".out"));
        if (out.open(QIODevice::WriteOnly))
            out.write(run.out);
        FAIL() << c.name << ".ref differs; the output is in " << c.name << ".out";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RenderGolden,
    testing::Values(GoldenCase{"letter-month-border-missing",
                                {"--layout", "0", "--month", "1", "--year", "1997", "--margins",
                                 "0.5,0.5,0.5,0.5", "--border", "NoSuchBorder", "--language",
                                 "english"}},
                    GoldenCase{"a4-landscape-6before6after",
                                {"--layout", "5", "--paper", "a4", "--month", "1", "--year", "1998",
                                 "--language", "german"}},
                    GoldenCase{"week-planner-two-years",
                                {"--layout", "18", "--month", "12", "--year", "1997", "--day", "29",
                                 "--language", "english"}},
                    GoldenCase{"day-planner-french",
                                {"--layout", "21", "--month", "1", "--year", "1997", "--day", "6",
                                 "--language", "french", "--week-start", "2"}},
                    GoldenCase{"mini-sheet-120ppi",
                                {"--layout", "8", "--month", "11", "--year", "1999", "--ppi", "120",
                                 "--zoom", "0.7", "--language", "english"}}),
    [](const testing::TestParamInfo<GoldenCase> &info) {
        return QString::fromLatin1(info.param.name)
            .replace(QLatin1Char('-'), QLatin1Char('_'))
            .toStdString();
    });

TEST(Render, GeometryIsStructuredJson)
{
    const RunResult run = render({QStringLiteral("--geometry"), QStringLiteral("--layout"),
                                  QStringLiteral("16"), QStringLiteral("--paper"),
                                  QStringLiteral("a4")});
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json.value(QStringLiteral("pageWidth")).toInt(), 793);
    EXPECT_EQ(json.value(QStringLiteral("orientation")).toString(), QStringLiteral("portrait"));
    EXPECT_EQ(json.value(QStringLiteral("minis")).toArray().size(), 60);
    EXPECT_FALSE(json.value(QStringLiteral("showMainCalendar")).toBool());
    EXPECT_EQ(json.value(QStringLiteral("marginRect")).toArray().size(), 4);
}

TEST(Render, BadOptionsExitWithStatusTwo)
{
    const QList<QStringList> bad = {
        {QStringLiteral("--layout"), QStringLiteral("22")},
        {QStringLiteral("--paper"), QStringLiteral("legal")},
        {QStringLiteral("--month"), QStringLiteral("0")},
        {QStringLiteral("--week-start"), QStringLiteral("3")},
        {QStringLiteral("--margins"), QStringLiteral("1,2,3")},
        {QStringLiteral("--language"), QStringLiteral("klingon")},
        {QStringLiteral("--zoom"), QStringLiteral("nan")},
        {QStringLiteral("--no-such-option")},
    };
    for (const QStringList &arguments : bad) {
        const RunResult run = render(arguments);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(arguments.join(u' '));
        const QString option = arguments.first().mid(2);
        EXPECT_TRUE(QString::fromLocal8Bit(run.err).contains(option)) << run.err.constData();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(Render, LocaleDatesAreAskedForOnTheCommandLine)
{
    const QStringList planner = {QStringLiteral("--geometry"), QStringLiteral("--layout"), QStringLiteral("19"),
                                 QStringLiteral("--month"), QStringLiteral("12"), QStringLiteral("--year"),
                                 QStringLiteral("2026"), QStringLiteral("--day"), QStringLiteral("28"),
                                 QStringLiteral("--language"), QStringLiteral("german")};
    const auto title = [](const RunResult &run) {
        return QJsonDocument::fromJson(run.out).object().value(QStringLiteral("title")).toString();
    };
    EXPECT_EQ(title(render(planner)), QStringLiteral("Dezember 28, 2026 - Januar 10, 2027"))
        << "pages made here keep the classic texts unless asked";
    EXPECT_EQ(title(render(planner + QStringList{QStringLiteral("--locale-dates"), QStringLiteral("on")})),
              QStringLiteral("28. Dezember 2026 \u2013 10. Januar 2027"));
    const RunResult polish = render({QStringLiteral("--geometry"), QStringLiteral("--layout"), QStringLiteral("20"),
                                     QStringLiteral("--month"), QStringLiteral("1"), QStringLiteral("--year"),
                                     QStringLiteral("2027"), QStringLiteral("--day"), QStringLiteral("25"),
                                     QStringLiteral("--language"), QStringLiteral("pl"),
                                     QStringLiteral("--locale-dates"), QStringLiteral("on")});
    EXPECT_EQ(title(polish), QStringLiteral("Poniedzia\u0142ek, 25 stycznia 2027"));
    const RunResult bad = render({QStringLiteral("--locale-dates"), QStringLiteral("maybe")});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("locale-dates"));
}
