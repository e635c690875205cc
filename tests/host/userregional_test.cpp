// Regional settings of the register on the screen and its application folder.
#include "host/userfolder.h"
#include "host/userregional.h"
#include "qstringprinter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using host::UserRegional;

TEST(UserRegional, twoDigitYearsAreWidenedToFourAndFourStay) {
    // en_US writes M/d/yy, de_DE dd.MM.yy; Qt's C locale already writes the year in full.
    EXPECT_EQ(UserRegional::of(QLocale(QLocale::English, QLocale::UnitedStates)).shortDateFormat,
              QStringLiteral("M/d/yyyy"));
    EXPECT_EQ(UserRegional::of(QLocale(QLocale::German, QLocale::Germany)).shortDateFormat,
              QStringLiteral("dd.MM.yyyy"));
    const QString full = QLocale(QLocale::Japanese, QLocale::Japan).dateFormat(QLocale::ShortFormat);
    ASSERT_TRUE(full.contains(QStringLiteral("yyyy")));
    EXPECT_EQ(UserRegional::of(QLocale(QLocale::Japanese, QLocale::Japan)).shortDateFormat, full);
}

TEST(UserRegional, decimalPointAndGroupSeparatorFollowTheLocale) {
    const rt::Regional german = UserRegional::of(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.decimalPoint, QLatin1Char(','));
    EXPECT_EQ(german.thousandsSeparator, QLatin1Char('.'));
    const rt::Regional english = UserRegional::of(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(english.decimalPoint, QLatin1Char('.'));
    EXPECT_EQ(english.thousandsSeparator, QLatin1Char(','));
}

TEST(UserFolder, aRequestedFolderIsCreatedWithTheSettingsAndKeepsAnExistingFile) {
    QTemporaryDir root;
    const QString requested = QDir(root.path()).filePath(QStringLiteral("a/b"));
    const QString folder = host::UserFolder::prepare(requested);
    EXPECT_EQ(folder, QDir(requested).absolutePath());
    ASSERT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("shopsetting.txt"))));
    QFile settings(QDir(folder).filePath(QStringLiteral("shopsetting.txt")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("DefaultCounter :=7\r\n");
    settings.close();
    host::UserFolder::prepare(requested);
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(), QByteArray("DefaultCounter :=7\r\n"));
}
