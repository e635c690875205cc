// The print scenarios run by the host program, with the transcript lines each one states it produces.
//
// In a scenario of tests/scenarios/print, a comment "#> TEXT" says a transcript line starts with TEXT
// (after the line the previous such comment found), "#!> TEXT" that no line starts with TEXT.
#include "host/qstringprinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList scenarioNames() {
    return QDir(QStringLiteral(PRINT_SCENARIOS))
        .entryList({QStringLiteral("*.scn")}, QDir::Files, QDir::Name);
}

struct ScenarioExpectations {
    QStringList present;
    QStringList absent;
};

ScenarioExpectations expectationsOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    ScenarioExpectations expectations;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(QLatin1String("#> "))) expectations.present << line.mid(3);
        if (line.startsWith(QLatin1String("#!> "))) expectations.absent << line.mid(4);
    }
    return expectations;
}

class PrintScenario : public ::testing::TestWithParam<QString> {};

TEST_P(PrintScenario, runsToItsEndWithTheTranscriptLinesItStates) {
    const QString script = QDir(QStringLiteral(PRINT_SCENARIOS)).filePath(GetParam());
    const ScenarioExpectations expectations = expectationsOf(script);
    ASSERT_FALSE(expectations.present.isEmpty()) << "the scenario states no transcript line";
    QTemporaryDir folder;
    QProcess host;
    host.start(QStringLiteral(RECEIPTS_HOST),
               {QStringLiteral("--script"), script, QStringLiteral("--folder"), folder.path()});
    ASSERT_TRUE(host.waitForFinished(60000));
    const QStringList transcript = QString::fromUtf8(host.readAllStandardOutput()).split(u'\n');
    ASSERT_EQ(host.exitCode(), 0) << transcript.join(u'\n').toStdString();
    qsizetype next = 0;
    for (const QString& wanted : expectations.present) {
        while (next < transcript.size() && !transcript[next].startsWith(wanted))
            ++next;
        ASSERT_LT(next, transcript.size()) << "no line " << wanted.toStdString() << " in order in\n"
                                           << transcript.join(u'\n').toStdString();
        ++next;
    }
    for (const QString& unwanted : expectations.absent)
        for (const QString& line : transcript)
            EXPECT_FALSE(line.startsWith(unwanted)) << line.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Print, PrintScenario, ::testing::ValuesIn(scenarioNames()),
                         [](const ::testing::TestParamInfo<QString>& info) {
                             return QFileInfo(info.param).completeBaseName().toStdString();
                         });

} // namespace
