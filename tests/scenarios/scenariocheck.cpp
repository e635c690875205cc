// Runs one scenario on the host program, as a test, in a fresh temporary folder. The test passes when
// the host ends with status 0 and its transcript holds the lines the scenario states in comments:
// "#> TEXT" says a transcript line starts with TEXT (after the line the previous such comment found),
// "#!> TEXT" that no line starts with TEXT. The transcript is printed; a failed run keeps its folder.
// With --server the scenario runs on the database server RECEIPTS_TEST_SERVER names; without one it is
// skipped (status 77), and fails when RECEIPTS_CI is set. With --screen LOCALE it runs twice, headless and
// through the Qt windows in that locale, and the two transcripts must be the same line for line.
#include "k8tr4072.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

struct StatedLines {
    QStringList present;
    QStringList absent;
};

StatedLines statedLines(const QString& script) {
    QFile file(script);
    StatedLines lines;
    if (!file.open(QIODevice::ReadOnly)) return lines;
    for (QString line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.startsWith(QLatin1String("#> "))) lines.present << line.mid(3);
        if (line.startsWith(QLatin1String("#!> "))) lines.absent << line.mid(4);
    }
    return lines;
}

// What is wrong with the transcript, or nothing.
QStringList faults(const QStringList& transcript, const StatedLines& stated) {
    QStringList found;
    qsizetype next = 0;
    for (const QString& wanted : stated.present) {
        while (next < transcript.size() && !transcript[next].startsWith(wanted))
            ++next;
        if (next == transcript.size()) {
            found << QStringLiteral("no line starting with \"%1\" in its place").arg(wanted);
            next = 0;
            continue;
        }
        ++next;
    }
    for (const QString& unwanted : stated.absent)
        for (const QString& line : transcript)
            if (line.startsWith(unwanted)) found << QStringLiteral("an unwanted line: %1").arg(line);
    return found;
}

// Exit status that ctest reports as a skip (the test's SKIP_RETURN_CODE).
constexpr int Skipped = 77;

struct Run {
    int status = -1;
    QString transcript;
};

// The host run on the scenario in a fresh folder, which also holds the component's registry file; the
// folder's path reads FOLDER in the transcript, so that two runs' transcripts compare. A failed run keeps
// its folder.
Run runHost(const QString& host, const QString& scenario, const QStringList& options, QTextStream& out) {
    QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("receipts-scenario-XXXXXX")));
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral(K8TR4072_REGISTRY_ENV),
                       folder.filePath(QStringLiteral("registry.ini")));
    process.setProcessEnvironment(environment);
    process.start(
        host, QStringList{QStringLiteral("--script"), scenario, QStringLiteral("--folder"), folder.path()} +
                  options);
    if (!process.waitForFinished(-1)) {
        out << "the host did not run: " << process.errorString() << '\n';
        return {};
    }
    Run run{
        process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardOutput()).replace(folder.path(), QStringLiteral("FOLDER"))};
    if (run.status != 0) {
        folder.setAutoRemove(false);
        out << "the scenario's folder is kept: " << folder.path() << '\n';
    }
    return run;
}

// The first line where the screen's transcript parts from the headless one.
QStringList disagreement(const QString& headless, const QString& screen) {
    const QStringList a = headless.split(u'\n');
    const QStringList b = screen.split(u'\n');
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i)
        if (a.value(i) != b.value(i))
            return {QStringLiteral("the transcripts part at line %1: headless \"%2\", on the screen \"%3\"")
                        .arg(i + 1)
                        .arg(a.value(i), b.value(i))};
    return {};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QStringList arguments = QCoreApplication::arguments();
    const bool onServer = arguments.removeAll(QStringLiteral("--server")) > 0;
    const qsizetype screenAt = arguments.indexOf(QStringLiteral("--screen"));
    const QString locale = screenAt > 0 ? arguments.value(screenAt + 1) : QString();
    if (screenAt > 0) arguments.remove(screenAt, 2);
    if (arguments.size() != 3 || (screenAt > 0 && locale.isEmpty())) {
        out << "usage: scenariocheck [--server | --screen LOCALE] HOST SCENARIO\n";
        return 2;
    }
    if (onServer && qEnvironmentVariableIsEmpty("RECEIPTS_TEST_SERVER")) {
        out << "RECEIPTS_TEST_SERVER names no server\n";
        return qEnvironmentVariableIsEmpty("RECEIPTS_CI") ? Skipped : 1;
    }
    const QString& host = arguments[1];
    const QString& scenario = arguments[2];
    QStringList found;
    Run run = runHost(host, scenario, {}, out);
    if (screenAt > 0) {
        const Run headless = run;
        run = runHost(host, scenario, {QStringLiteral("--screen"), QStringLiteral("--locale"), locale}, out);
        if (headless.status == 0 && run.status == 0)
            found << disagreement(headless.transcript, run.transcript);
    }
    out << run.transcript;
    found = faults(run.transcript.split(u'\n'), statedLines(scenario)) + found;
    if (run.status != 0) found.prepend(QStringLiteral("the host ended with status %1").arg(run.status));
    for (const QString& fault : found)
        out << "FAULT " << fault << '\n';
    return found.isEmpty() ? 0 : 1;
}
