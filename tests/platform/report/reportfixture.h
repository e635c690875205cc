// An application folder and a program report folder of their own, and a database with a few customers.
#pragma once

#include "support/testdatabase.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace report_testing {

class ReportFixture : public ::testing::Test {
protected:
    ReportFixture();
    ~ReportFixture() override;

    QString appFolder() const { return app_.path(); }
    QString installedFolder() const { return installed_.path(); }
    // Writes a file under reports/ of the application folder, or into the program's report folder.
    QString writeAppReport(const QString& name, const QString& text) const;
    QString writeInstalledReport(const QString& name, const QString& text) const;
    static QString writeFile(const QString& path, const QString& text);

    testing_support::TestDatabase database;

private:
    QTemporaryDir app_;
    QTemporaryDir installed_;
    QString previousInstalled_;
};

// A report over the customers of a company: a parameter of each type, a section, fields in both.
QString customerReport(const QString& title = QStringLiteral("Customers"));

} // namespace report_testing
