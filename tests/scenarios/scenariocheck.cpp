// Runs one scenario on the host program, as a test, in a fresh temporary folder. The test passes when
// the host ends with status 0 and its transcript holds the lines the scenario states in comments:
// "#> TEXT" says a transcript line starts with TEXT (after the line the previous such comment found),
// "#!> TEXT" that no line starts with TEXT. The transcript is printed; a failed run keeps its folder.
// With --server the scenario runs on the database server RECEIPTS_TEST_SERVER names; without one it is
// skipped (status 77), and fails when RECEIPTS_CI is set.
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QStringList arguments = QCoreApplication::arguments();
    const bool onServer = arguments.removeAll(QStringLiteral("--server")) > 0;
    if (arguments.size() != 3) {
        out << "usage: scenariocheck [--server] HOST SCENARIO\n";
        return 2;
    }
    if (onServer && qEnvironmentVariableIsEmpty("RECEIPTS_TEST_SERVER")) {
        out << "RECEIPTS_TEST_SERVER names no server\n";
        return qEnvironmentVariableIsEmpty("RECEIPTS_CI") ? Skipped : 1;
    }
    QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("receipts-scenario-XXXXXX")));
    QProcess host;
    host.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Whatever registers the component writes the registry file into the scenario's folder.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral(K8TR4072_REGISTRY_ENV),
                       folder.filePath(QStringLiteral("registry.ini")));
    host.setProcessEnvironment(environment);
    host.start(arguments[1],
               {QStringLiteral("--script"), arguments[2], QStringLiteral("--folder"), folder.path()});
    if (!host.waitForFinished(-1)) {
        out << "the host did not run: " << host.errorString() << '\n';
        return 1;
    }
    const QString transcript = QString::fromUtf8(host.readAllStandardOutput());
    out << transcript;
    QStringList found = faults(transcript.split(u'\n'), statedLines(arguments[2]));
    if (host.exitStatus() != QProcess::NormalExit || host.exitCode() != 0)
        found.prepend(QStringLiteral("the host ended with status %1").arg(host.exitCode()));
    if (found.isEmpty()) return 0;
    for (const QString& fault : found)
        out << "FAULT " << fault << '\n';
    folder.setAutoRemove(false);
    out << "the scenario's folder is kept: " << folder.path() << '\n';
    return 1;
}
