// A shop with a stored receipt and open invoices, a register grid, and what the module printed, viewed and
// ran.
#pragma once

#include "host/qstringprinter.h"
#include "module/stubregister.h"
#include "platform/os/outputevents.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace output_testing {

class ReportOutputTest : public ::testing::Test {
protected:
    ReportOutputTest();
    ~ReportOutputTest() override;

    // Rows of the register grid, one receipt id each; the current row counts from 1.
    void showReceipts(const QStringList& ids, int currentRow);
    // shopsetting.txt with the voucher's layout keys, these keys taking their place or added.
    void writeSettings(const std::vector<std::pair<QString, QString>>& extra) const;
    QString pathOf(const QString& name) const;
    QByteArray contentOf(const QString& name) const;
    QStringList errorProcedures() const;

    QTemporaryDir folder;
    testing_support::TestDatabase database;
    testing_support::RecordingBackend ui;
    testing_support::StubRegister master;
    std::vector<os::ReportRun> runs;
    QStringList viewed;
    QStringList written;
};

} // namespace output_testing
