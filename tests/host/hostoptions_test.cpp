// The host's command line and the settings file of a first run.
#include "host/defaultsettings.h"
#include "host/hostoptions.h"
#include "module/filecode.h"
#include "qstringprinter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using host::HostOptions;
using host::OptionError;

TEST(HostOptions, defaultsAreTheFirstShopOfTodayWithoutScript) {
    const HostOptions options = HostOptions::parse({});
    EXPECT_EQ(options.session.companyId, 1);
    EXPECT_EQ(options.session.shopId, 1);
    EXPECT_EQ(options.session.userId, 1);
    EXPECT_EQ(options.session.financialId, 1);
    EXPECT_EQ(options.session.processDate, QDate::currentDate());
    EXPECT_EQ(options.session.caption, QStringLiteral("Receipts"));
    EXPECT_TRUE(options.script.isEmpty());
    EXPECT_TRUE(options.database.isEmpty());
    EXPECT_TRUE(options.folder.isEmpty());
    EXPECT_TRUE(options.component.isEmpty());
}

TEST(HostOptions, everyOptionSetsItsValue) {
    const HostOptions options =
        HostOptions::parse({QStringLiteral("--database"),  QStringLiteral("/tmp/shop.db"),
                            QStringLiteral("--company"),   QStringLiteral("2"),
                            QStringLiteral("--shop"),      QStringLiteral("3"),
                            QStringLiteral("--user"),      QStringLiteral("4"),
                            QStringLiteral("--financial"), QStringLiteral("5"),
                            QStringLiteral("--date"),      QStringLiteral("2024-03-10"),
                            QStringLiteral("--caption"),   QStringLiteral("Shop 3"),
                            QStringLiteral("--folder"),    QStringLiteral("/tmp/app"),
                            QStringLiteral("--script"),    QStringLiteral("run.scn"),
                            QStringLiteral("--component"), QStringLiteral("/opt/libk8tr4072.so")});
    EXPECT_EQ(options.database, QStringLiteral("/tmp/shop.db"));
    EXPECT_EQ(options.session.companyId, 2);
    EXPECT_EQ(options.session.shopId, 3);
    EXPECT_EQ(options.session.userId, 4);
    EXPECT_EQ(options.session.financialId, 5);
    EXPECT_EQ(options.session.processDate, QDate(2024, 3, 10));
    EXPECT_EQ(options.session.caption, QStringLiteral("Shop 3"));
    EXPECT_EQ(options.folder, QStringLiteral("/tmp/app"));
    EXPECT_EQ(options.script, QStringLiteral("run.scn"));
    EXPECT_EQ(options.component, QStringLiteral("/opt/libk8tr4072.so"));
}

TEST(HostOptions, wrongOptionsAreRefused) {
    EXPECT_THROW(HostOptions::parse({QStringLiteral("--shop")}), OptionError);
    EXPECT_THROW(HostOptions::parse({QStringLiteral("--shop"), QStringLiteral("two")}), OptionError);
    EXPECT_THROW(HostOptions::parse({QStringLiteral("--date"), QStringLiteral("10/03/2024")}), OptionError);
    EXPECT_THROW(HostOptions::parse({QStringLiteral("--colour"), QStringLiteral("red")}), OptionError);
    EXPECT_THROW(HostOptions::parse({QStringLiteral("--component")}), OptionError);
    EXPECT_TRUE(HostOptions::parse({QStringLiteral("--help")}).help);
}

TEST(DefaultSettings, everyLineIsKeyBlankAssignValueWithCrLf) {
    const QString text = QString::fromLatin1(host::DefaultSettings::text());
    ASSERT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    EXPECT_EQ(text.count(u'\n'), text.count(QStringLiteral("\r\n")));
    const QStringList lines = text.chopped(2).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.size(), 22);
    for (const QString& line : lines) {
        const qsizetype assign = line.indexOf(QStringLiteral(":="));
        ASSERT_GT(assign, 1) << line.toStdString();
        EXPECT_EQ(line[assign - 1], u' ') << line.toStdString();
        EXPECT_NE(line[assign - 2], u' ') << line.toStdString();
    }
}

TEST(DefaultSettings, firstRunWritesAFileTheModuleReadsAndKeepsAnExistingOne) {
    QTemporaryDir folder;
    ASSERT_TRUE(host::DefaultSettings::writeIfMissing(folder.path()));
    const QString path = QDir(folder.path()).filePath(QStringLiteral("shopsetting.txt"));
    EXPECT_EQ(module::FileCode(QStringLiteral("defaultcounter"), path), QStringLiteral("1"));
    EXPECT_EQ(module::FileCode(QStringLiteral("printtoscreen"), path), QStringLiteral("1"));
    EXPECT_EQ(module::FileCode(QStringLiteral("port"), path), QStringLiteral("LPT1"));
    for (const char* key : {"windowsprint", "defaultprint", "Pagewidth", "clength", "reflength", "printadd3",
                            "nooflinebeforetextReceipt", "linetoskipatlast", "printfooterineachpage"})
        EXPECT_NE(module::FileCode(QLatin1String(key), path), module::KeyNotFound) << key;

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("DefaultCounter :=7\r\n");
    file.close();
    ASSERT_TRUE(host::DefaultSettings::writeIfMissing(folder.path()));
    EXPECT_EQ(module::FileCode(QStringLiteral("DefaultCounter"), path), QStringLiteral("7"));
}
