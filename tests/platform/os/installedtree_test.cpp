// The installed tree's root as found from the folder of a program or of the component library.
#include "platform/os/installedtree.h"

#include <gtest/gtest.h>

namespace {

TEST(InstalledTree, RootOfTheProgramsAndTheLibraryFolder) {
    const std::pair<QString, QString> rows[] = {
        {"/usr/bin", "/usr"},
        {"/tmp/unpacked/usr/lib/receipts", "/tmp/unpacked/usr"},
        {"/opt/shop/bin/", "/opt/shop"},
        {"/opt/shop/lib/receipts/../receipts", "/opt/shop"},
        {"/bin", "/"},
        {"/usr/sbin", ""},
        {"/usr/lib", ""},
        {"/usr/lib/receipts/plugins", ""},
        {"/work/build/src/host", ""},
        {"/work/build/src/component", ""},
    };
    for (const auto& [folder, root] : rows)
        EXPECT_EQ(os::installedRoot(folder).toStdString(), root.toStdString()) << folder.toStdString();
}

} // namespace
