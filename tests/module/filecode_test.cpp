// The settings-file reader: key matching, values kept as written, failures and their reports.
#include "module/filecode.h"

#include "support/recordingbackend.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FileCodeTest : public ::testing::Test {
protected:
    QString write(const QByteArray& content) {
        const QString path = dir.filePath(QStringLiteral("shopsetting.txt"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }
    QTemporaryDir dir;
    testing_support::RecordingBackend ui;
};

TEST_F(FileCodeTest, keyMatchesWithoutRegardToCase) {
    EXPECT_EQ(module::FileCode(QStringLiteral("defaultcounter"), write("DefaultCounter :=2\r\n")), "2");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FileCodeTest, keyNeedsExactlyOneSeparatorBeforeAssign) {
    const QString path = write("DefaultCounter:=2\r\n");
    EXPECT_EQ(module::FileCode(QStringLiteral("DefaultCounter"), path), module::KeyNotFound);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "DefaultCounter  invalid parameter in Settings.ini file");
    EXPECT_EQ(ui.messages[0].icon, forms::MsgIcon::Critical);
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(FileCodeTest, valueKeepsItsTrailingBlanksAndFirstLineWins) {
    const QString path = write("port :=LPT1  \r\nport :=LPT2\r\n");
    EXPECT_EQ(module::FileCode(QStringLiteral("PORT"), path), "LPT1  ");
}

TEST_F(FileCodeTest, valueMayContainFurtherAssignments) {
    EXPECT_EQ(module::FileCode(QStringLiteral("a"), write("a :=b:=c\n")), "b:=c");
}

TEST_F(FileCodeTest, blankLineBeforeTheKeyFailsAndIsReported) {
    const QString path = write("port :=LPT1\r\n\r\nDefaultCounter :=2\r\n");
    EXPECT_EQ(module::FileCode(QStringLiteral("DefaultCounter"), path), QString());
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].moduleName, "basReceiptsShop");
    EXPECT_EQ(ui.errors[0].procedureName, "FileCode");
    EXPECT_EQ(ui.errors[0].number, 5);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FileCodeTest, assignAtTheStartOfALineCannotBeSplit) {
    EXPECT_EQ(module::FileCode(QStringLiteral("x"), write(":=1\r\n")), QString());
    EXPECT_EQ(ui.errors.size(), 1u);
}

TEST_F(FileCodeTest, missingFileIsToldThenReported) {
    EXPECT_EQ(module::FileCode(QStringLiteral("port"), dir.filePath(QStringLiteral("none.txt"))), QString());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, " Settings.ini file not found");
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].number, 53);
}

TEST_F(FileCodeTest, fileIsClosedAfterAMissingKey) {
    const QString path = write("port :=LPT1\r\nDefaultCounter :=3\r\n");
    EXPECT_EQ(module::FileCode(QStringLiteral("nokey"), path), module::KeyNotFound);
    EXPECT_EQ(module::FileCode(QStringLiteral("DefaultCounter"), path), "3");
    EXPECT_TRUE(QFile::remove(path));
}

} // namespace
