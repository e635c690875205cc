// The folders and data the report tests share.
#include "reportfixture.h"

#include "platform/os/applicationfolder.h"
#include "platform/report/reportfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace report_testing {

ReportFixture::ReportFixture() : previousInstalled_(report::ReportFiles::installedFolder()) {
    os::setApplicationFolder(app_.path());
    report::ReportFiles::setInstalledFolder(installed_.path());
    database.execute(QStringLiteral(
        "insert into acustomermaster (customerid, CompanyID, customercode, customername, address) values "
        "(1, 1, 'C-02', 'Zahir & Sons', 'Male'), (2, 1, 'C-01', 'Ali Hassan', null), "
        "(3, 1, 'C-03', 'Mariyam', 'Hulhumale'), (4, 2, 'C-09', 'Other Company', 'Addu')"));
}

ReportFixture::~ReportFixture() {
    report::ReportFiles::setInstalledFolder(previousInstalled_);
}

QString ReportFixture::writeFile(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
    return path;
}

QString ReportFixture::writeAppReport(const QString& name, const QString& text) const {
    return writeFile(QDir(app_.path()).filePath(QStringLiteral("reports/") + name), text);
}

QString ReportFixture::writeInstalledReport(const QString& name, const QString& text) const {
    return writeFile(QDir(installed_.path()).filePath(name), text);
}

QString customerReport(const QString& title) {
    return QStringLiteral("[report]\ntitle = ") + title +
           QStringLiteral("\npage = A5\n\n[parameters]\nintCompanyID = number\nstrHeading = text\n\n"
                          "[query]\nselect customername, address from acustomermaster\n"
                          " where CompanyID = {?intCompanyID} order by customername\n\n"
                          "[section codes]\nselect customercode from acustomermaster\n"
                          " where CompanyID = {?intCompanyID} order by customercode\n\n"
                          "[layout]\n<h1>{{?strHeading}}</h1><p>{{customername}}</p>"
                          "{{#codes}}<i>{{customercode}}</i>{{/codes}}\n");
}

} // namespace report_testing
