// The runner's behaviours, each checked on a small scenario run by the host program itself.
#include "qstringprinter.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ScenarioRun : public testing::Test {
protected:
    int status = -1;
    QStringList lines;

    QString folder() const { return QDir(work.path()).filePath(QStringLiteral("app")); }

    void run(const QString& scenario) {
        const QString script = QDir(work.path()).filePath(QStringLiteral("test.scn"));
        QFile file(script);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(scenario.toUtf8());
        file.close();
        runFile(script);
    }

    void runFile(const QString& script) {
        QProcess host;
        host.start(QStringLiteral(RECEIPTS_HOST),
                   {QStringLiteral("--script"), script, QStringLiteral("--folder"), folder()});
        ASSERT_TRUE(host.waitForFinished(60000));
        ASSERT_EQ(host.exitStatus(), QProcess::NormalExit) << host.readAllStandardError().constData();
        status = host.exitCode();
        lines = QString::fromUtf8(host.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }

    QString lastLine() const { return lines.isEmpty() ? QString() : lines.last(); }

private:
    QTemporaryDir work;
};

} // namespace

TEST_F(ScenarioRun, passingScenarioReportsTheFolderAndTheRegisterAndEndsWithZero) {
    run(QStringLiteral("database empty\nshow\nexpect FrmMaster.CmdEdit enabled \"false\"\n"
                       "click FrmMaster.CmdClose\nexpect window FrmMaster closed\n"));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(lines,
              QStringList({QStringLiteral("FOLDER ") + folder(), QStringLiteral("OPEN FrmMaster modal"),
                           QStringLiteral("CLOSE FrmMaster")}));
}

TEST_F(ScenarioRun, messageBoxWithoutAnswerFails) {
    run(QStringLiteral(
        "database empty\nsql \"insert into ashops (shopid, CounterLogin) values (1, 1)\"\nshow\n"));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(lastLine(),
              QStringLiteral("FAIL line 3: unexpected message box \" Settings.ini file not found\""));
}

TEST_F(ScenarioRun, messageBoxOtherThanTheNextAnswerFails) {
    run(QStringLiteral("database empty\nsql \"insert into ashops (shopid, CounterLogin) values (1, 1)\"\n"
                       "answer \"Settings.ini file not found\" OK\nshow\n"));
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(
        lastLine().startsWith(QStringLiteral("FAIL line 4: unexpected message box \" Settings.ini file not "
                                             "found\"; the answer of line 3")))
        << lastLine().toStdString();
}

TEST_F(ScenarioRun, answerWithAButtonTheBoxDoesNotHaveFails) {
    run(QStringLiteral("database empty\nsql \"insert into ashops (shopid, CounterLogin) values (1, 1)\"\n"
                       "answer \" Settings.ini file not found\" Yes\nshow\n"));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(lastLine(),
              QStringLiteral("FAIL line 4: message box \" Settings.ini file not found\" has no button Yes"));
}

TEST_F(ScenarioRun, answersLeftAtTheEndFail) {
    run(QStringLiteral("database empty\nanswer \"Never shown\" OK\nshow\nclick FrmMaster.CmdClose\n"));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 2: no message box \"Never shown\" appeared"));
}

TEST_F(ScenarioRun, clickOnADisabledControlFails) {
    run(QStringLiteral("database empty\nshow\nclick FrmMaster.CmdEdit\nclick FrmMaster.CmdClose\n"));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 3: control FrmMaster.CmdEdit is disabled"));
}

TEST_F(ScenarioRun, expectationThatDoesNotHoldFailsWithItsLine) {
    run(QStringLiteral("database empty\nshow\n# the caption as laid out\n"
                       "expect FrmMaster.cmdnew caption \"&Old\"\nclick FrmMaster.CmdClose\n"));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(lastLine(),
              QStringLiteral("FAIL line 4: FrmMaster.cmdnew caption is \"&New\", expected \"&Old\""));
}

TEST_F(ScenarioRun, unknownPropertyOrControlFails) {
    run(QStringLiteral("database empty\nshow\nexpect FrmMaster.cmdnew colour \"red\"\n"));
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(lastLine().startsWith(QStringLiteral("FAIL line 3: cannot read colour of FrmMaster.cmdnew")));
    run(QStringLiteral("database empty\nshow\nclick FrmMaster.cmdOld\n"));
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 3: window FrmMaster has no control cmdOld"));
}

TEST_F(ScenarioRun, windowsLeftOpenAtTheEndFail) {
    run(QStringLiteral("database empty\nshow\n"));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 2: the scenario ended with FrmMaster open"));
}

TEST_F(ScenarioRun, actingOnAWindowThatIsNotOpenFails) {
    run(QStringLiteral("database empty\nclick FrmMaster.cmdnew\n"));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 2: window FrmMaster is not open"));
}

TEST_F(ScenarioRun, sessionCannotChangeWhileTheRegisterIsOpen) {
    run(QStringLiteral("database empty\nshow\nsession shop 2\n"));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 3: session changes the session while FrmMaster is open"));
}

TEST_F(ScenarioRun, parseErrorEndsWithTwoBeforeAnythingRuns) {
    run(QStringLiteral("database empty\nshow\nclick \"FrmMaster.CmdClose\n"));
    EXPECT_EQ(status, 2);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], QStringLiteral("FAIL line 3: the text has no closing quote"));
    EXPECT_FALSE(QFile::exists(QDir(folder()).filePath(QStringLiteral("scenario.db"))));
}

TEST_F(ScenarioRun, unreadableScriptEndsWithTwo) {
    runFile(QDir(folder()).filePath(QStringLiteral("missing.scn")));
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(lastLine().startsWith(QStringLiteral("FAIL line 0: cannot read ")));
}

TEST_F(ScenarioRun, sqlPrintsRowsAndFileWritesCrLfLines) {
    run(QStringLiteral(
        "database empty\n"
        "sql \"insert into acustomermaster (customerid, customername) values (1, 'Abc Ltd')\"\n"
        "sql \"select customerid, customername, address from acustomermaster\"\n"
        "file \"notes/a.txt\"\n>one\n> two\n"
        "expect file \"notes/a.txt\"\n>one\n> two\n>\n"
        "expect sql \"select customername from acustomermaster where customerid = 2\" \"\"\n"
        "expect sql \"select count(*) from acustomermaster\" \"1\"\nprint \"done\"\n"));
    EXPECT_EQ(status, 0) << lastLine().toStdString();
    EXPECT_EQ(lines.mid(1), QStringList({QStringLiteral("ROW 1\tAbc Ltd\t"), QStringLiteral("NOTE done")}));
    QFile written(QDir(folder()).filePath(QStringLiteral("notes/a.txt")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("one\r\n two\r\n"));
}

TEST_F(ScenarioRun, differingFileNamesItsFirstDifferentLine) {
    run(QStringLiteral("database empty\nfile \"a.txt\"\n>one\n>two\nexpect file \"a.txt\"\n>one\n>Two\n>\n"));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 5: line 2 of file a.txt is \"two\", expected \"Two\""));
}

TEST_F(ScenarioRun, trappedErrorsAreReportedWithTheSessionUserAndCounted) {
    run(QStringLiteral(
        "database empty\nsession user 5\nsql \"drop table atablecolumns\"\nshow\nexpect errors 1\n"
        "click FrmMaster.CmdClose\n"));
    EXPECT_EQ(status, 0) << lastLine().toStdString();
    // The register's loading fails before the window shows.
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(
        lines[1].startsWith(QStringLiteral("ERROR module=\"FrmMaster\" proc=\"Form_Load \" number=17900 ")))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(" user=5 mode=\"\""))) << lines[1].toStdString();
    EXPECT_EQ(lines[2], QStringLiteral("OPEN FrmMaster modal"));
}

TEST_F(ScenarioRun, counterMessageWithoutTitleShowsTheApplicationName) {
    run(QStringLiteral(
        "database empty\nsession caption \"Shop Receipts\"\n"
        "sql \"insert into ashops (shopid, CounterLogin) values (1, 1)\"\n"
        "file \"shopsetting.txt\"\n>DefaultCounter :=9\n"
        "answer \"Default counter in the settings file not valid. Can not continue.\" OK\nshow\n"));
    EXPECT_EQ(status, 0) << lastLine().toStdString();
    EXPECT_EQ(lines.mid(1),
              QStringList({QStringLiteral("OPEN FrmMaster modal"),
                           QStringLiteral("MSGBOX title=\"Receipts\" icon=critical buttons=OK default=OK "
                                          "text=\"Default counter in the settings file not valid. Can "
                                          "not continue.\" -> OK"),
                           QStringLiteral("CLOSE FrmMaster")}));
}

TEST_F(ScenarioRun, missingSettingsKeyMessageCarriesTheSessionTitle) {
    run(QStringLiteral(
        "database empty\nsession caption \"Shop Receipts\"\n"
        "sql \"insert into ashops (shopid, CounterLogin) values (1, 1)\"\n"
        "file \"shopsetting.txt\"\n>port :=LPT1\n"
        "answer \"DefaultCounter  invalid parameter in Settings.ini file\" OK\n"
        "answer \"Default counter in the settings file not valid. Can not continue.\" OK\nshow\n"));
    EXPECT_EQ(status, 0) << lastLine().toStdString();
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[2],
              QStringLiteral("MSGBOX title=\"Shop Receipts\" icon=critical buttons=OK default=OK "
                             "text=\"DefaultCounter  invalid parameter in Settings.ini file\" -> OK"));
}
