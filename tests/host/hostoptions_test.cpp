// The host's start: its command line, the folder and settings file of a first run, its regional settings.
#include "host/hostoptions.h"
#include "platform/os/userregional.h"
#include "shared/filecode.h"
#include "shared/userfolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(HostOptions, eachOptionSetsItsOwnValue) {
    // The options a scenario cannot show; wrong options and the others are tried on the program itself.
    const host::HostOptions o = host::HostOptions::parse(
        QString("--database /s.db --company 2 --shop 3 --user 4 --financial 5 --help --create-demo")
            .split(u' '));
    const scenario::SessionValues& s = o.session;
    const QString ids =
        QString("%1 %2 %3 %4").arg(s.companyId).arg(s.shopId).arg(s.userId).arg(s.financialId);
    EXPECT_EQ(o.database + ' ' + ids + (o.help ? " help" : "") + (o.createDemo ? " demo" : ""),
              "/s.db 2 3 4 5 help demo");
    // Without --date the register works on today: any valid day will do here.
    EXPECT_TRUE(host::HostOptions::parse({}).session.processDate.isValid());
}

TEST(UserFolder, aFirstRunWritesSettingsTheModuleReadsAndKeepsAnExistingFile) {
    QTemporaryDir root;
    const QString folder = root.filePath("a/b"), path = folder + "/shopsetting.txt";
    ASSERT_EQ(shared::UserFolder::prepare(folder), folder);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
    // Every key of the settings table, each read back as its line's value; counter 1, the voucher on screen.
    EXPECT_EQ(lines.size(), 23);
    for (const QString& line : lines)
        EXPECT_EQ(shared::FileCode(line.section(" :=", 0, 0), path), line.section(" :=", 1))
            << line.toStdString();
    EXPECT_EQ(shared::FileCode("defaultcounter", path) + shared::FileCode("PrintToScreen", path), "11");
    file.resize(0);
    file.write("DefaultCounter :=7\r\n");
    file.close();
    shared::UserFolder::prepare(folder);
    EXPECT_EQ(shared::FileCode("DefaultCounter", path) + shared::FileCode("port", path),
              "7" + shared::KeyNotFound);
}

TEST(UserRegional, yearsAreShownInFullAndTheSeparatorsFollowTheLocale) {
    // Locales named, so that the machine's own does not count; Japanese writes the year in full already.
    for (const QString row : {"en_US M/d/yyyy . ,", "de_DE dd.MM.yyyy , .", "ja_JP yyyy/MM/dd . ,"}) {
        const QString name = row.section(u' ', 0, 0);
        const core::Regional r = os::UserRegional::of(QLocale(name));
        const QString got =
            QString("%1 %2 %3 %4").arg(name, r.shortDateFormat, r.decimalPoint, r.thousandsSeparator);
        EXPECT_EQ(got.toStdString(), row.toStdString());
    }
}
