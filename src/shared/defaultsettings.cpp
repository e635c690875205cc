// Default values of shopsetting.txt.
#include "defaultsettings.h"

#include "platform/os/applicationfolder.h"

#include <QDir>
#include <QFile>
#include <utility>

namespace shared {
namespace {

const char* const FileName = "shopsetting.txt";

// Counter 1 of the demo shop; the voucher goes to the screen, 60 characters wide, with the company
// name, two address lines and the separator lines, in the line printers' Latin-1.
const std::pair<const char*, const char*> Defaults[] = {
    {"DefaultCounter", "1"},
    {"defaultprint", "0"},
    {"windowsprint", "0"},
    {"printtoscreen", "1"},
    {"printheadertopline", "1"},
    {"printheaderbottomline", "1"},
    {"printdetailbottomline", "1"},
    {"headerleftmargin", "2"},
    {"spaceinlinecode", "0"},
    {"printfooterineachpage", "0"},
    {"noofcopiesreceipt", "1"},
    {"Pagewidth", "60"},
    {"clength", "25"},
    {"reflength", "25"},
    {"nooflinebeforetextReceipt", "0"},
    {"linetoskipatlast", "0"},
    {"linetoskipfirst", "1"},
    {"PrintCompanyName", "1"},
    {"printadd1", "1"},
    {"printadd2", "1"},
    {"printadd3", "0"},
    {"port", "LPT1"},
    {"VoucherEncoding", "Latin-1"},
};

} // namespace

QByteArray DefaultSettings::text() {
    QByteArray text;
    for (const auto& [key, value] : Defaults)
        text += QByteArray(key) + " :=" + value + "\r\n";
    return text;
}

bool DefaultSettings::writeIfMissing(const QString& folder) {
    const QString path = os::resolveWithoutCase(QDir(folder).filePath(QLatin1String(FileName)));
    if (QFile::exists(path)) return true;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text()) == text().size();
}

} // namespace shared
