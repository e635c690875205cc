// The text voucher: layouts against golden files, blank and separator rules, where it goes, where it stops.
#include "outputshop.h"

#include "entry/frmreceiptshop.h"
#include "output/frmprint.h"
#include "output/textvoucher.h"
#include "platform/ado/recordset.h"
#include "platform/forms/userinput.h"
#include "platform/os/finishedoutput.h"
#include "receiptregister/frmmaster.h"
#include "shared/windows.h"
#include "support/entrywindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using entry::frmReceiptShop;
using Written = std::vector<std::pair<QString, qint64>>;

// The voucher's usual settings; a test changes them with "key=value" words ("key=" with nothing after
// it leaves the key out, "%1" stands for the application folder, "_" for a blank).
const QString UsualSettings = QStringLiteral(
    "printheadertopline=1 printheaderbottomline=1 printdetailbottomline=1 spaceinlinecode=0 "
    "printfooterineachpage=0 headerleftmargin=0 noofcopiesreceipt=1 Pagewidth=40 clength=19 reflength=20 "
    "nooflinebeforetextReceipt=0 linetoskipatlast=0 port=voucher.prn linetoskipfirst=1 PrintCompanyName=1 "
    "printadd1=1 printadd2=1 printadd3=0 windowsprint=0 printtoscreen=0");

TEST(VoucherText, padsAndCentresTheWayTheLayoutNeeds) {
    // clang-format off
    const struct { const char* text; qint16 width; const char* expected; } rows[] = {
        {nullptr, 5, "     "}, {nullptr, 1, " "}, {nullptr, 0, ""}, {nullptr, -7, ""}, // PadSpaces
        {"CASH RECEIPT", 40, "              CASH RECEIPT"},
        {"abc", 7, "  abc"},            // both halves rounded down: 7 / 2 gives 3 and 3 / 2 gives 1
        {"", 6, "   "},
        {"  ab  ", 10, "      ab  "},   // measured without its outer blanks, which stay
        {"PARTICULARS", 10, "PARTICULARS"},
        {"PARTICULARS", -14, "PARTICULARS"},
        {"ab", 2, "ab"}};
    // clang-format on
    for (const auto& row : rows) {
        const QString result = row.text ? output::CentreText(QString::fromLatin1(row.text), row.width)
                                        : output::PadSpaces(row.width);
        EXPECT_EQ(result, QString::fromLatin1(row.expected))
            << (row.text ? row.text : "") << ' ' << row.width;
    }
}

// Receipt 7 of the shop printed from the entry window, with the usual settings changed as a test asks.
class Voucher : public testing_support::EntryWindowTest {
protected:
    Voucher() : folder(database.folder()) {
        output_testing::addOutputs(database);
        os::FinishedOutput::setFileWritten(
            [this](const QString& path, qint64 size) { written.emplace_back(path, size); });
        os::FinishedOutput::setTextViewed([this](const QString& path) { viewed << path; });
    }
    ~Voucher() override {
        os::FinishedOutput::setFileWritten(nullptr);
        os::FinishedOutput::setTextViewed(nullptr);
    }

    // Writes the usual settings with the changes into shopsetting.txt.
    void settle(const QString& changes) const {
        QMap<QString, QString> values;
        for (const QString& setting : (UsualSettings + u' ' + changes).split(u' ', Qt::SkipEmptyParts))
            values[setting.section(u'=', 0, 0)] = setting.section(u'=', 1).replace(u'_', u' ');
        QByteArray text;
        for (auto [key, value] : values.asKeyValueRange())
            if (!value.isEmpty())
                text += (key + " :=" + value.replace("%1", folder.path())).toLatin1() + "\r\n";
        QFile file(folder.filePath(QStringLiteral("shopsetting.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    // Prints receipt 7 with the changed settings; what reached the file.
    std::string print(const QString& changes, const QString& file = QStringLiteral("voucher.prn")) {
        settle(changes);
        inEntry([](testing_support::EntryControls&) { output::printRvoucher(7); });
        QFile out(QDir(folder.path()).absoluteFilePath(QString(file).replace("%1", folder.path())));
        return out.open(QIODevice::ReadOnly) ? out.readAll().toStdString() : std::string();
    }
    static std::string golden(const char* name) {
        QFile file(QStringLiteral(GOLDEN_DIR "/voucher/") + QLatin1String(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return file.readAll().toStdString();
    }
    // Each key left out is reported by name; the print dialog, when loaded only to ask it, is unloaded again.
    void expectOutcome(const QString& changes, qint64 error, const char* described = "") {
        QStringList missing;
        for (const QString& setting : changes.split(u' ', Qt::SkipEmptyParts))
            if (setting.endsWith(u'='))
                missing << setting.chopped(1) + QStringLiteral("  invalid parameter in Settings.ini file");
        EXPECT_EQ(ui.messageTexts(), missing);
        ASSERT_EQ(ui.errors.size(), error ? 1u : 0u);
        if (error) {
            EXPECT_EQ(ui.errors[0].moduleName + '.' + ui.errors[0].procedureName,
                      "frmReceiptShop.printRvoucher");
            EXPECT_EQ(ui.errors[0].number, error);
            EXPECT_TRUE(ui.errors[0].description.contains(QString::fromLatin1(described)));
        }
        EXPECT_FALSE(shared::windows().get<output::frmPrint>().isLoaded());
    }

    const QDir folder;
    Written written;
    QStringList viewed;
};

struct Row {
    const char* name;
    const char* changes;
    // The golden file ("" for none). After a failure: nullptr when the file keeps what it held, else the
    // text a print command received before the line that failed.
    const char* expected;
    const char* file = "voucher.prn";
    const char* opened = "voucher.prn"; // the path the output reports; after a failure, what it says
    qint64 error = 0;
    const char* sql = nullptr; // a change of the receipt before it is printed
};
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class Printed : public Voucher, public testing::WithParamInterface<Row> {};

// Every key is read and converted before the output opens. Only a whole voucher replaces what a file
// held, and only a whole one on the screen file is viewed; a print command receives the lines before a
// failure. The output is released either way, so that the next voucher is written whole, and no
// temporary file stays beside the target.
TEST_P(Printed, writesTheWholeVoucherOrStopsAtItsPlace) {
    const Row& row = GetParam();
    const QString opened = QString::fromLatin1(row.opened).replace("%1", folder.path());
    const QFileInfo target(
        folder.absoluteFilePath(QString::fromLatin1(row.file).replace("%1", folder.path())));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("spool")));
    const std::string earlier = *row.file ? std::string(5000, 'x') : std::string();
    if (*row.file) {
        QFile file(target.filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(earlier.c_str()) > 0);
    }
    if (row.sql) database.execute(QString::fromUtf8(row.sql));
    const std::string text = print(QString::fromLatin1(row.changes), QString::fromLatin1(row.file));
    const std::string standard = golden("standard.txt");
    if (!row.error && row.expected) {
        EXPECT_EQ(text, *row.expected ? golden(row.expected) : std::string());
        EXPECT_EQ(written, Written({{opened, qint64(text.size())}}));
    } else {
        EXPECT_EQ(text, row.expected ? standard.substr(0, standard.find(row.expected)) : earlier);
        EXPECT_TRUE(written.empty());
    }
    EXPECT_EQ(target.dir().entryList({target.fileName() + ".*"}), QStringList());
    const bool viewable = !row.error && row.expected && opened == QLatin1String("Receipts.txt");
    EXPECT_EQ(viewed, viewable ? QStringList{opened} : QStringList());
    expectOutcome(QString::fromLatin1(row.changes), row.error, row.error ? row.opened : "");
    if (!row.error || row.sql) return;
    ui.messages.clear();
    EXPECT_EQ(print(QString()), standard);
    EXPECT_EQ(written.size(), 1u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Layouts, Printed, testing::Values(
    Row{"Standard", "", "standard.txt"},
    Row{"TwoCopies", "noofcopiesreceipt=2 headerleftmargin=2 linetoskipfirst=2 printadd3=1", "twocopies.txt"},
    Row{"NoSeparators", "printheadertopline=0 printheaderbottomline=_0_ printdetailbottomline=0",
        "noseparators.txt"},
    Row{"Spaced", "spaceinlinecode=1", "spaced.txt"},
    Row{"Narrow", "Pagewidth=1", "narrow.txt"},
    Row{"LongNumbers", "", "longnumbers.txt", "voucher.prn", "voucher.prn", 0,
        "update LosDummyReceiptHeader set drno = 'RC/2024/0000123', drchequeno = 'CHQ-0045120099887' "
        "where drid = 7"},
    // The company name switched off takes its address lines with it; only exactly 1 switches a line on.
    Row{"NoCompany", "PrintCompanyName=0 printadd3=1", "nocompany.txt"},
    Row{"FlagTwo", "printheadertopline=2 printdetailbottomline=2 printadd1=2", "flagtwo.txt"},
    // Latin-1, a character it lacks written as "?".
    Row{"Latin1", "", "latin1.txt", "voucher.prn", "voucher.prn", 0,
        "update acustomermaster set customername = 'Ali Hassan \u0787\u00e9'"},
    // Each copy of a cancelled receipt starts with the mark and the reason stored with it.
    Row{"Cancelled", "noofcopiesreceipt=2", "cancelled.txt", "voucher.prn", "voucher.prn", 0,
        "update LosDummyReceiptHeader set drcancelled = 1, drcancelledremarks = '  Entered twice' "
        "where drid = 7"}));

INSTANTIATE_TEST_SUITE_P(Outputs, Printed, testing::Values(
    Row{"ToScreenReplacesReceiptsTxt", "printtoscreen=1", "standard.txt", "Receipts.txt", "Receipts.txt"},
    Row{"RelativeFile", "port=spool\\voucher.prn__", "standard.txt", "spool/voucher.prn",
        "spool/voucher.prn"},
    Row{"AbsolutePath", "port=%1/lp0", "standard.txt", "%1/lp0", "%1/lp0"},
    Row{"Command", "port=|cat_>_piped.txt", "standard.txt", "piped.txt", "|cat > piped.txt"},
    Row{"NoPortKey", "port=", "standard.txt", "NotFound", "NotFound"},
    Row{"NoCopiesStillOpenAndCloseTheOutput", "noofcopiesreceipt=0", ""},
    // A port that fails is named with the cause.
    Row{"FailingCommand", "port=|cat_>_/dev/null;_echo_no_printer_>&2;_exit_3", nullptr, "",
        "on \"|cat > /dev/null; echo no printer >&2; exit 3\": the print command ended with exit code 3: "
        "no printer", 75},
    Row{"KilledCommand", "port=|cat_>_/dev/null;_kill_-9_$$", nullptr, "", "was ended by a signal", 75},
    Row{"PortInAMissingFolder", "port=missing/voucher.prn", nullptr, "",
        "on \"missing/voucher.prn\": No such file or directory", 75},
    Row{"DeviceThatRefuses", "port=spool", nullptr, "", "on \"spool\": Is a directory", 75},
    Row{"DeviceThatRefusesTheBytes", "port=/dev/full", nullptr, "", "on \"/dev/full\": No space left", 75}));

INSTANTIATE_TEST_SUITE_P(Stops, Printed, testing::Values(
    Row{"MissingKey", "Pagewidth=", nullptr, "voucher.prn", "", 13},
    Row{"UnusedKeyNoNumber", "linetoskipatlast=none", nullptr, "voucher.prn", "", 13},
    Row{"DivisionByZero", "spaceinlinecode=-1", nullptr, "voucher.prn", "", 11},
    Row{"KeyMissingInsideACopy", "printadd2=", nullptr, "voucher.prn", "", 13},
    Row{"NullPrintedFieldToACommand", "port=|cat_>_piped.txt", "Settlement", "piped.txt", "", 94,
        "update LosDummyReceiptHeader set drremarks = null where drid = 7"},
    Row{"NullPrintedFieldToTheScreen", "printtoscreen=1", nullptr, "Receipts.txt", "", 94,
        "update LosDummyReceiptHeader set drremarks = null where drid = 7"},
    Row{"UnknownReceipt", "printtoscreen=1", nullptr, "Receipts.txt", "", 0,
        "update LosDummyReceiptHeader set drid = 99 where drid = 7"},
    Row{"AnotherShopsReceipt", "", nullptr, "voucher.prn", "", 0,
        "update LosDummyReceiptHeader set drshopid = 2 where drid = 7"}));
// clang-format on

// The separator above the particulars heading: page width divided by one more than spaceinlinecode
// (halves to even) dashes, that many blanks between two of them; a single dash is no line.
TEST_F(Voucher, separatorFitsThePageWidth) {
    // clang-format off
    const struct { const char* changes; int dashes; int gap; } rows[] = {
        {"Pagewidth=40 spaceinlinecode=2", 13, 2}, {"Pagewidth=45 spaceinlinecode=1", 22, 1},
        {"Pagewidth=35 spaceinlinecode=1", 18, 1}, {"Pagewidth=3 spaceinlinecode=2", 0, 2},
        {"Pagewidth=1 spaceinlinecode=0", 0, 0},
        {"spaceinlinecode= printfooterineachpage=", 40, 0}}; // read as numbers: a missing key counts as 0
    // clang-format on
    for (const auto& row : rows) {
        ui.messages.clear();
        const std::string text = print(QString::fromLatin1(row.changes) +
                                       QStringLiteral(" printheaderbottomline=0 printdetailbottomline=0"));
        const size_t end = text.rfind("\r\n", text.find("PARTICULARS"));
        const size_t start = text.rfind("\r\n", end - 1) + 2;
        std::string expected = row.dashes ? "-" : "";
        for (int i = 1; i < row.dashes; ++i)
            expected += std::string(row.gap, ' ') + '-';
        EXPECT_EQ(text.substr(start, end - start), expected) << row.changes;
        expectOutcome(QString::fromLatin1(row.changes), 0);
    }
}

// A device is written in place, not replaced: a named pipe stays one, and its reader gets the voucher.
TEST_F(Voucher, writesADeviceInPlace) {
    const QString pipe = folder.filePath(QStringLiteral("lp0"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QProcess reader;
    reader.setStandardOutputFile(folder.filePath(QStringLiteral("printed.txt")));
    reader.start(QStringLiteral("cat"), {pipe});
    ASSERT_TRUE(reader.waitForStarted());
    print(QStringLiteral("port=%1/lp0"));
    const bool finished = reader.waitForFinished(5000);
    if (!finished) reader.kill();
    EXPECT_TRUE(finished);
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    QFile printed(folder.filePath(QStringLiteral("printed.txt")));
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_EQ(printed.readAll().toStdString(), golden("standard.txt"));
    EXPECT_EQ(written, Written({{pipe, qint64(printed.size())}}));
}

// Receipt 7's customer, bank and remarks in Arabic and Thaana, each in place of a text of the standard
// voucher as long as itself ("Settlement" with the blank the remark's one more character takes), and as
// Latin-1 prints them.
const struct {
    const char* standard;
    const char* text;
    const char* inLatin1;
} NonLatinTexts[] = {
    {"Ali Hassan", "\u0639\u0644\u064a \u0627\u0644\u062d\u0633\u0646\u064a", "??? ??????"},
    {"BML", "\u0628\u0646\u0643", "???"},
    {"Settlement ", "\u078a\u07a6\u0787\u07a8\u0790\u07a7 \u0796\u07a6\u0789\u07a7", "?????? ????"}};

// The voucher is written in the encoding the settings name. UTF-8 holds the texts byte for byte; Latin-1,
// also when the key is missing, empty or unknown, prints "?" for each character and the error log names
// the receipt and each field that lost characters, and an unknown name once.
TEST_F(Voucher, writesTheEncodingTheSettingsNameAndLogsWhatLatin1Loses) {
    const auto& [customer, bank, remarks] = NonLatinTexts;
    database.execute(
        filled("update acustomermaster set customername = '%1' where customerid = 3", customer.text));
    database.execute(
        filled("update LosDummyReceiptHeader set drbankname = '%1', drremarks = '%2' where drid = 7",
               bank.text, remarks.text));
    const QString lost = QStringLiteral("frmReceiptShop.printRvoucher Voucher of receipt RC/0007: %1 has "
                                        "characters Latin-1 cannot hold");
    const QStringList lostFields = {lost.arg("Customer Name"), lost.arg("Bank Name"), lost.arg("Remarks")};
    const QString unknown = QStringLiteral("frmReceiptShop.printRvoucher VoucherEncoding \"EBCDIC\" is not "
                                           "known; the voucher is written in Latin-1");
    const struct {
        const char* changes;
        bool utf8;
        QStringList logged;
    } rows[] = {{"VoucherEncoding=UTF-8", true, {}},
                {"VoucherEncoding=_utf8_", true, {}},
                {"", false, lostFields},
                {"VoucherEncoding=_", false, lostFields},
                {"VoucherEncoding=latin-1", false, lostFields},
                {"VoucherEncoding=EBCDIC", false, QStringList{unknown} + lostFields},
                {"VoucherEncoding=EBCDIC", false, lostFields}};
    for (const auto& row : rows) {
        database.execute("delete from aErrorLog");
        std::string expected = golden("standard.txt");
        for (const auto& texts : NonLatinTexts)
            expected.replace(expected.find(texts.standard), strlen(texts.standard),
                             row.utf8 ? texts.text : texts.inLatin1);
        EXPECT_EQ(print(QString::fromLatin1(row.changes)), expected) << row.changes;
        ado::Recordset log;
        log.open("select modulename + '.' + procedurename + ' ' + errordescription from aErrorLog order by "
                 "errorid",
                 database.connection());
        QStringList logged;
        for (; !log.eof(); log.moveNext())
            logged << log.field(0).toString();
        EXPECT_EQ(logged, row.logged) << row.changes;
        expectOutcome(QString::fromLatin1(row.changes), 0);
    }
}

// The register's Print on To Printer writes the voucher to the port and views nothing, without the entry
// window and without asking anything.
// The entry window writes the voucher: it loads unseen (its load sets the long command time-out) and unloads.
TEST_F(Voucher, toPrinterFromTheRegisterViewsNothingAndLeavesNoEntryWindowLoaded) {
    settle(QString());
    database.connection()->setCommandTimeout(30);
    ui.backend.onModal = [](forms::Form& form) {
        if (auto* master = dynamic_cast<receiptregister::FrmMaster*>(&form)) {
            forms::user::click(testing_support::RegisterControls(*master).cmdPrint);
            EXPECT_FALSE(shared::windows().get<frmReceiptShop>().isLoaded());
            master->unload();
        } else if (auto* dialog = dynamic_cast<output::frmPrint*>(&form)) {
            forms::user::click(dialog->cmdOK);
        }
    };
    component.Show();
    EXPECT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].first, "voucher.prn");
    EXPECT_EQ(database.connection()->commandTimeout(), 12000);
    EXPECT_TRUE(viewed.isEmpty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.errors.empty());
}

} // namespace
