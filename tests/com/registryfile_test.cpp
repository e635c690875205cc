// The registry file: our two sections written, replaced and removed, other entries left alone.
#include "platform/com/registryfile.h"

#include "k8tr4072.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

class RegistryFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        file = dir.filePath(QStringLiteral("sub/registry.ini"));
        qputenv(K8TR4072_REGISTRY_ENV, file.toLocal8Bit());
    }
    void TearDown() override { qunsetenv(K8TR4072_REGISTRY_ENV); }

    QString text() const {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
    }
    void write(const QByteArray& content) const {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    static std::string lookup(const char* section, const char* key) {
        char value[256];
        return k8tr4072_RegistryValue(section, key, value, sizeof value) ? value : "<none>";
    }

    QTemporaryDir dir;
    QString file;
    const com::Registration entry{QStringLiteral("a.B"), QStringLiteral("{1}"), QStringLiteral("/lib/x.so"),
                                  QStringLiteral("Help"), QStringLiteral("_B")};
};

TEST_F(RegistryFileTest, addCreatesFolderAndBothSections) {
    ASSERT_TRUE(com::RegistryFile::add(entry));
    EXPECT_EQ(com::RegistryFile::path(), file);
    EXPECT_EQ(lookup("ProgID a.B", "CLSID"), "{1}");
    EXPECT_EQ(lookup("CLSID {1}", "InprocServer"), "/lib/x.so");
    EXPECT_EQ(lookup("CLSID {1}", "HelpString"), "Help");
    EXPECT_EQ(lookup("CLSID {1}", "DefaultInterface"), "_B");
    EXPECT_EQ(lookup("CLSID {1}", "ProgID"), "a.B");
}

TEST_F(RegistryFileTest, addingAgainReplacesInsteadOfDuplicating) {
    ASSERT_TRUE(com::RegistryFile::add(entry));
    com::Registration moved = entry;
    moved.libraryPath = QStringLiteral("/other/x.so");
    ASSERT_TRUE(com::RegistryFile::add(moved));
    EXPECT_EQ(text().count(QStringLiteral("[ProgID a.B]")), 1);
    EXPECT_EQ(text().count(QStringLiteral("[CLSID {1}]")), 1);
    EXPECT_EQ(lookup("CLSID {1}", "InprocServer"), "/other/x.so");
}

TEST_F(RegistryFileTest, removeLeavesOtherEntriesWordForWord) {
    QDir().mkpath(dir.filePath(QStringLiteral("sub")));
    write("; kept\n[ProgID c.D]\nCLSID={2}\n\n[CLSID {2}]\nInprocServer=/d.so\n");
    const QString before = text();
    ASSERT_TRUE(com::RegistryFile::add(entry));
    ASSERT_TRUE(com::RegistryFile::remove(entry.progId, entry.clsid));
    EXPECT_EQ(text(), before);
    EXPECT_EQ(lookup("ProgID a.B", "CLSID"), "<none>");
    EXPECT_EQ(lookup("CLSID {2}", "InprocServer"), "/d.so");
}

TEST_F(RegistryFileTest, removeTwiceOrWithoutFileSucceeds) {
    EXPECT_TRUE(com::RegistryFile::remove(entry.progId, entry.clsid));
    EXPECT_FALSE(QFile::exists(file));
    ASSERT_TRUE(com::RegistryFile::add(entry));
    EXPECT_TRUE(com::RegistryFile::remove(entry.progId, entry.clsid));
    EXPECT_TRUE(com::RegistryFile::remove(entry.progId, entry.clsid));
    EXPECT_TRUE(text().isEmpty());
}

TEST_F(RegistryFileTest, lookupNeedsTheWholeKeyAndSection) {
    ASSERT_TRUE(com::RegistryFile::add(entry));
    EXPECT_EQ(lookup("CLSID {1}", "Help"), "<none>");
    EXPECT_EQ(lookup("CLSID {", "HelpString"), "<none>");
    EXPECT_EQ(lookup("ProgID a.B", "InprocServer"), "<none>");
}

TEST(RegistryPath, environmentVariableWinsThenConfigFolder) {
    char path[512];
    qputenv(K8TR4072_REGISTRY_ENV, "/tmp/elsewhere.ini");
    ASSERT_TRUE(k8tr4072_RegistryPath(path, sizeof path));
    EXPECT_STREQ(path, "/tmp/elsewhere.ini");
    qunsetenv(K8TR4072_REGISTRY_ENV);
    if (geteuid() == 0) {
        ASSERT_TRUE(k8tr4072_RegistryPath(path, sizeof path));
        EXPECT_STREQ(path, "/etc/k8tr4072/registry.ini");
        return;
    }
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/cfg");
    ASSERT_TRUE(k8tr4072_RegistryPath(path, sizeof path));
    EXPECT_STREQ(path, "/cfg/k8tr4072/registry.ini");
    qputenv("XDG_CONFIG_HOME", config);
}

TEST(RegistryPath, tooSmallBufferFails) {
    std::vector<char> path(8);
    qputenv(K8TR4072_REGISTRY_ENV, "/tmp/elsewhere.ini");
    EXPECT_FALSE(k8tr4072_RegistryPath(path.data(), path.size()));
    qunsetenv(K8TR4072_REGISTRY_ENV);
}

TEST(GuidText, parsesOnlyTheBracedForm) {
    K8Guid guid;
    ASSERT_TRUE(k8tr4072_GuidFromText(K8TR4072_CLSID_TEXT, &guid));
    EXPECT_TRUE(k8tr4072_GuidEqual(&guid, &K8_CLSID_clsReceiptsShop));
    EXPECT_FALSE(k8tr4072_GuidFromText("6B3F2E51-4072-4C8A-9E11-52C3A0D1B7E4", &guid));
    EXPECT_FALSE(k8tr4072_GuidFromText("{6B3F2E51-4072-4C8A-9E11-52C3A0D1B7E4}x", &guid));
    EXPECT_FALSE(k8tr4072_GuidFromText("{6B3F2E51-4072-4C8A-9E11-52C3A0D1B7}", &guid));
}

} // namespace
