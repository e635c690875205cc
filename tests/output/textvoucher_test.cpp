// The text voucher (layouts against golden files, outputs, failures) and the print dialog it asks.
#include "entry/frmreceiptshop.h"
#include "module/session.h"
#include "module/stubregister.h"
#include "module/windows.h"
#include "output/amountinwords.h"
#include "output/frmprint.h"
#include "platform/forms/userinput.h"
#include "platform/os/applicationfolder.h"
#include "platform/os/outputevents.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"
#include "support/testsession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using receipts::frmReceiptShop;

constexpr qint32 ReceiptId = 7;
const QString PortFile = QStringLiteral("voucher.prn");

TEST(PadSpaces, givesThatManyBlanksAndNoneForZeroOrLess) {
    EXPECT_EQ(frmReceiptShop::PadSpaces(5), "     ");
    EXPECT_EQ(frmReceiptShop::PadSpaces(1), " ");
    EXPECT_EQ(frmReceiptShop::PadSpaces(0), "");
    EXPECT_EQ(frmReceiptShop::PadSpaces(-7), "");
}

TEST(CentreText, precedesTheTextWithHalfTheWidthLessHalfItsTrimmedLength) {
    EXPECT_EQ(frmReceiptShop::CentreText(QStringLiteral("CASH RECEIPT"), 40),
              QString(14, u' ') + "CASH RECEIPT");
    // Both halves are rounded down: 7 / 2 gives 3 and 3 / 2 gives 1.
    EXPECT_EQ(frmReceiptShop::CentreText(QStringLiteral("abc"), 7), "  abc");
    EXPECT_EQ(frmReceiptShop::CentreText(QString(), 6), "   ");
}

TEST(CentreText, measuresWithoutOuterBlanksButKeepsThem) {
    EXPECT_EQ(frmReceiptShop::CentreText(QStringLiteral("  ab  "), 10), "      ab  ");
}

TEST(CentreText, addsNothingWhenTheTextIsWiderThanTheWidth) {
    EXPECT_EQ(frmReceiptShop::CentreText(QStringLiteral("PARTICULARS"), 10), "PARTICULARS");
    EXPECT_EQ(frmReceiptShop::CentreText(QStringLiteral("PARTICULARS"), -14), "PARTICULARS");
    EXPECT_EQ(frmReceiptShop::CentreText(QStringLiteral("ab"), 2), "ab");
}

// The settings every voucher test starts from; a test changes or removes keys before printing.
std::vector<std::pair<QString, QString>> baseSettings() {
    return {
        {"printheadertopline", "1"},
        {"printheaderbottomline", "1"},
        {"printdetailbottomline", "1"},
        {"spaceinlinecode", "0"},
        {"printfooterineachpage", "0"},
        {"headerleftmargin", "0"},
        {"noofcopiesreceipt", "1"},
        {"Pagewidth", "40"},
        {"clength", "19"},
        {"reflength", "20"},
        {"nooflinebeforetextReceipt", "0"},
        {"linetoskipatlast", "0"},
        {"port", PortFile},
        {"linetoskipfirst", "1"},
        {"PrintCompanyName", "1"},
        {"printadd1", "1"},
        {"printadd2", "1"},
        {"printadd3", "0"},
        {"windowsprint", "0"},
        {"printtoscreen", "0"},
    };
}

class VoucherTest : public ::testing::Test {
protected:
    void SetUp() override {
        os::setApplicationFolder(folder.path());
        module::windows().clear();
        stub.connection = database.connection();
        testing_support::startSession(stub, database.connection());
        os::OutputEvents::setFileWritten(
            [this](const QString& path, qint64 bytes) { written.emplace_back(path, bytes); });
        seedReceipt();
    }
    void TearDown() override {
        os::OutputEvents::setFileWritten(nullptr);
        module::windows().clear();
        module::session().registerWindow = nullptr;
    }

    void seedReceipt() {
        for (
            const char* sql : {
                "insert into acompanymaster (companyID, name, Address1, Address2, Address3) values "
                "(1, 'Island Traders', 'H. Coral Villa', 'Majeedhee Magu', 'Male')",
                "insert into ashops (shopid, companyid, shopname, address, shoplocation, telephoneno, faxno) "
                "values (1, 1, 'Main Store', 'Orchid Mg', 'Male', '3301122', '3301123')",
                "insert into acustomermaster (customerid, CompanyID, customername) values (3, 1, 'Ali "
                "Hassan')",
                "insert into LosDummyReceiptHeader (drshopid, drid, drcompanyid, drno, drdate, drcustomerid, "
                "drbankname, drremarks, drchequeno, drchequedate, dramount) values (1, 7, 1, 'RC/0007', "
                "'2024/03/05', 3, 'BML', 'Settlement', '004512', '2024/03/05', 1234.5)",
            })
            database.execute(QString::fromLatin1(sql));
    }

    void set(const QString& key, const QString& value) {
        for (auto& entry : settings)
            if (entry.first == key) return void(entry.second = value);
        settings.emplace_back(key, value);
    }
    void remove(const QString& key) {
        std::erase_if(settings, [&](const auto& entry) { return entry.first == key; });
    }
    void writeSettings() {
        QByteArray text;
        for (const auto& [key, value] : settings)
            text += (key + QStringLiteral(" :=") + value + QStringLiteral("\r\n")).toLatin1();
        writeFile(QStringLiteral("shopsetting.txt"), text);
    }
    void writeFile(const QString& name, const QByteArray& content) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    frmReceiptShop& entry() { return module::windows().get<frmReceiptShop>(); }
    output::frmPrint& dialog() { return module::windows().get<output::frmPrint>(); }

    // Writes the settings and prints the seeded receipt; returns what reached the named file.
    std::string print(const QString& file = PortFile, qint32 receiptId = ReceiptId) {
        writeSettings();
        entry().printRvoucher(receiptId);
        return read(file);
    }
    std::string read(const QString& name) const {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }
    bool exists(const QString& name) const { return QFile::exists(folder.filePath(name)); }
    static std::string golden(const char* name) {
        QFile file(QStringLiteral(GOLDEN_DIR "/voucher/") + QLatin1String(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return file.readAll().toStdString();
    }
    // The voucher's lines without their CR LF.
    static std::vector<std::string> lines(const std::string& text) {
        std::vector<std::string> result;
        for (size_t start = 0, end; start < text.size(); start = end + 2) {
            end = text.find("\r\n", start);
            if (end == std::string::npos) end = text.size();
            result.push_back(text.substr(start, end - start));
        }
        return result;
    }
    // The separator line printed above the particulars heading (only that separator switched on).
    std::string separatorFor(const char* pageWidth, const char* spaceInLineCode) {
        set("Pagewidth", pageWidth);
        set("spaceinlinecode", spaceInLineCode);
        set("printheaderbottomline", "0");
        set("printdetailbottomline", "0");
        const std::vector<std::string> text = lines(print());
        for (size_t i = 1; i < text.size(); ++i)
            if (text[i].find("PARTICULARS") != std::string::npos) return text[i - 1];
        ADD_FAILURE() << "no particulars heading";
        return {};
    }
    void expectReported(qint64 number) {
        ASSERT_EQ(ui.errors.size(), 1u);
        EXPECT_EQ(ui.errors[0].moduleName, "frmReceiptShop");
        EXPECT_EQ(ui.errors[0].procedureName, "printRvoucher");
        EXPECT_EQ(ui.errors[0].number, number);
    }

    QTemporaryDir folder;
    testing_support::TestDatabase database;
    testing_support::RecordingBackend ui;
    testing_support::StubRegister stub;
    std::vector<std::pair<QString, QString>> settings = baseSettings();
    std::vector<std::pair<QString, qint64>> written;
};

// Layouts, each compared byte for byte with a golden file.

TEST_F(VoucherTest, standardLayoutMatchesItsGoldenFile) {
    EXPECT_EQ(print(), golden("standard.txt"));
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(VoucherTest, twoCopiesRepeatTheWholeVoucherInOneOutput) {
    set("noofcopiesreceipt", "2");
    set("headerleftmargin", "2");
    set("linetoskipfirst", "2");
    set("printadd3", "1");
    const std::string text = print();
    EXPECT_EQ(text, golden("twocopies.txt"));
    EXPECT_EQ(text.substr(0, text.size() / 2), text.substr(text.size() / 2));
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].second, qint64(text.size()));
}

TEST_F(VoucherTest, separatorsSwitchedOffLeaveTheirLinesOut) {
    set("printheadertopline", "0");
    set("printheaderbottomline", " 0 ");
    set("printdetailbottomline", "0");
    EXPECT_EQ(print(), golden("noseparators.txt"));
}

TEST_F(VoucherTest, oneBlankBetweenDashesWhenSpaceInLineCodeIsOne) {
    set("spaceinlinecode", "1");
    EXPECT_EQ(print(), golden("spaced.txt"));
}

TEST_F(VoucherTest, pageWidthOneGivesEmptySeparatorsAndNoPadding) {
    set("Pagewidth", "1");
    EXPECT_EQ(print(), golden("narrow.txt"));
}

TEST_F(VoucherTest, longReceiptAndChequeNumbersPushTheirBlocksOut) {
    database.execute(QStringLiteral("update LosDummyReceiptHeader set drno = 'RC/2024/0000123', "
                                    "drchequeno = 'CHQ-0045120099887' where drid = 7"));
    EXPECT_EQ(print(), golden("longnumbers.txt"));
}

TEST_F(VoucherTest, companyNameOffSkipsTheAddressLinesToo) {
    set("PrintCompanyName", "0");
    set("printadd3", "1");
    EXPECT_EQ(print(), golden("nocompany.txt"));
}

TEST_F(VoucherTest, onlyExactlyOneSwitchesALineOn) {
    set("printheadertopline", "2");
    set("printdetailbottomline", "2");
    set("printadd1", "2");
    EXPECT_EQ(print(), golden("flagtwo.txt"));
}

// Lines checked against the layout rules themselves.

TEST_F(VoucherTest, rightAlignedLinesEndAtThePageWidth) {
    const std::vector<std::string> text = lines(print());
    ASSERT_GE(text.size(), 17u);
    EXPECT_EQ(text[5], "Orchid Mg" + std::string(9, ' ') + "Date : " + std::string(5, ' ') + "05/03/2024");
    EXPECT_EQ(text[6], "Male" + std::string(16, ' ') + "No : " + std::string(8, ' ') + "RC/0007");
    EXPECT_EQ(text[8], std::string(14, ' ') + "CASH RECEIPT");
    EXPECT_EQ(text.back(), "\f");
    EXPECT_EQ(text[text.size() - 2], std::string(20, ' ') + "Authorised Signature");
}

TEST_F(VoucherTest, amountIsRightAlignedInItsColumnAndSpelledFromItsText) {
    const std::vector<std::string> text = lines(print());
    const auto detail = std::find_if(text.begin(), text.end(),
                                     [](const std::string& line) { return line.starts_with("Settlement"); });
    ASSERT_NE(detail, text.end());
    EXPECT_EQ(*detail, "Settlement" + std::string(23, ' ') + "1234.50");
    EXPECT_EQ(detail[1], std::string(40, '-'));
    EXPECT_EQ(detail[2], output::ToWords(QStringLiteral("1234.50")).toStdString());
}

TEST_F(VoucherTest, separatorCountRoundsHalvesToEven) {
    EXPECT_EQ(separatorFor("40", "2"),
              QStringList(13, QStringLiteral("-")).join(QStringLiteral("  ")).toStdString());
    EXPECT_EQ(separatorFor("45", "1"),
              QStringList(22, QStringLiteral("-")).join(QStringLiteral(" ")).toStdString());
    EXPECT_EQ(separatorFor("35", "1"),
              QStringList(18, QStringLiteral("-")).join(QStringLiteral(" ")).toStdString());
}

TEST_F(VoucherTest, aSingleDashIsNoSeparator) {
    EXPECT_EQ(separatorFor("3", "2"), "");
    EXPECT_EQ(separatorFor("1", "0"), "");
}

TEST_F(VoucherTest, spaceInLineCodeOfMinusOneDividesByZero) {
    set("spaceinlinecode", "-1");
    print();
    expectReported(11);
    EXPECT_FALSE(exists(PortFile));
}

// Keys that are missing or wrong.

TEST_F(VoucherTest, missingIntegerKeyStopsTheVoucherBeforeAnythingIsWritten) {
    remove(QStringLiteral("Pagewidth"));
    print();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Pagewidth  invalid parameter in Settings.ini file");
    expectReported(13);
    EXPECT_FALSE(exists(PortFile));
    EXPECT_FALSE(dialog().isLoaded());
    EXPECT_TRUE(written.empty());
}

TEST_F(VoucherTest, unusedKeysMustStillConvert) {
    set("linetoskipatlast", "none");
    print();
    expectReported(13);
    EXPECT_FALSE(exists(PortFile));
}

TEST_F(VoucherTest, missingSpaceInLineCodeCountsAsZero) {
    remove(QStringLiteral("spaceinlinecode"));
    remove(QStringLiteral("printfooterineachpage"));
    const std::string text = print();
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_NE(text.find("\r\n" + std::string(40, '-') + "\r\n"), std::string::npos);
}

TEST_F(VoucherTest, missingPortIsUsedAsTheNameNotFound) {
    remove(QStringLiteral("port"));
    EXPECT_EQ(print(QStringLiteral("NotFound")), golden("standard.txt"));
}

TEST_F(VoucherTest, failureInsideACopyKeepsTheLinesWrittenAndReleasesTheOutput) {
    remove(QStringLiteral("printadd2"));
    const std::vector<std::string> text = lines(print());
    expectReported(13);
    EXPECT_EQ(text, (std::vector<std::string>{"", "\x0e\x0fIsland Traders", "H. Coral Villa"}));
    EXPECT_TRUE(written.empty());
    set("printadd2", "0");
    EXPECT_EQ(lines(print()).back(), "\f");
    EXPECT_EQ(written.size(), 1u);
}

TEST_F(VoucherTest, nullPrintedFieldFailsAtItsLine) {
    database.execute(QStringLiteral("update LosDummyReceiptHeader set drremarks = null where drid = 7"));
    const std::vector<std::string> text = lines(print());
    expectReported(94);
    const auto heading = std::find_if(text.begin(), text.end(), [](const std::string& line) {
        return line.find("PARTICULARS") != std::string::npos;
    });
    ASSERT_NE(heading, text.end());
    // The heading, its bottom separator and the empty line stay; the detail line never comes.
    EXPECT_EQ(text.end() - heading, 3);
    EXPECT_EQ(text.back(), "");
}

// Receipts that are not found.

TEST_F(VoucherTest, unknownReceiptWritesNothingAndNeverOpensTheOutput) {
    set("printtoscreen", "1");
    print(PortFile, 99);
    EXPECT_FALSE(exists(PortFile));
    EXPECT_FALSE(exists(QStringLiteral("Receipts.txt")));
    EXPECT_FALSE(dialog().isLoaded());
    EXPECT_TRUE(written.empty());
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(VoucherTest, anotherShopsReceiptIsNotFound) {
    module::session().shopId = 2;
    print();
    EXPECT_FALSE(exists(PortFile));
    EXPECT_TRUE(ui.errors.empty());
}

// Where the voucher goes.

TEST_F(VoucherTest, toScreenReplacesReceiptsTxtInTheApplicationFolder) {
    writeFile(QStringLiteral("Receipts.txt"), QByteArray(5000, 'x'));
    set("printtoscreen", "1");
    EXPECT_EQ(print(QStringLiteral("Receipts.txt")), golden("standard.txt"));
    EXPECT_FALSE(exists(PortFile));
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].first, "Receipts.txt");
    EXPECT_EQ(written[0].second, qint64(golden("standard.txt").size()));
}

TEST_F(VoucherTest, portNamesAFileRelativeToTheApplicationFolder) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("spool")));
    set("port", "spool\\voucher.prn  ");
    EXPECT_EQ(print(QStringLiteral("spool/voucher.prn")), golden("standard.txt"));
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].first, "spool/voucher.prn");
}

TEST_F(VoucherTest, portMayBeAnAbsolutePath) {
    QTemporaryDir elsewhere;
    const QString path = elsewhere.filePath(QStringLiteral("lp0"));
    set("port", path);
    print();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), golden("standard.txt"));
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].first, path);
}

TEST_F(VoucherTest, portStartingWithABarPipesIntoACommand) {
    set("port", "|cat > piped.txt");
    EXPECT_EQ(print(QStringLiteral("piped.txt")), golden("standard.txt"));
    EXPECT_TRUE(ui.errors.empty());
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].first, "|cat > piped.txt");
}

TEST_F(VoucherTest, failingPrintCommandIsReported) {
    set("port", "|cat > /dev/null; echo no printer >&2; exit 3");
    print();
    expectReported(75);
    EXPECT_NE(ui.errors[0].description.indexOf(QStringLiteral("no printer")), -1);
    EXPECT_TRUE(written.empty());
}

TEST_F(VoucherTest, portThatCannotBeOpenedIsReported) {
    set("port", "missing/voucher.prn");
    print();
    expectReported(75);
    EXPECT_TRUE(written.empty());
}

TEST_F(VoucherTest, zeroCopiesStillOpensAndClosesTheOutput) {
    writeFile(PortFile, "old");
    set("noofcopiesreceipt", "0");
    EXPECT_EQ(print(), "");
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].second, 0);
}

TEST_F(VoucherTest, textIsWrittenInTheSingleByteCodePage) {
    database.execute(
        QStringLiteral("update acustomermaster set customername = 'Naz\u00e9 \u0787' where customerid = 3"));
    const std::string text = print();
    EXPECT_NE(text.find("Received : Naz\xe9 ?"), std::string::npos);
}

// The print dialog as the voucher asks it.

TEST_F(VoucherTest, dialogLoadedOnlyForTheQuestionIsUnloadedAgain) {
    set("printtoscreen", "1");
    print(QStringLiteral("Receipts.txt"));
    EXPECT_FALSE(dialog().isLoaded());
    EXPECT_TRUE(exists(QStringLiteral("Receipts.txt")));
    // The next voucher loads the dialog afresh, so changed settings decide again.
    set("printtoscreen", "0");
    EXPECT_EQ(print(), golden("standard.txt"));
    EXPECT_FALSE(dialog().isLoaded());
}

TEST_F(VoucherTest, loadedDialogKeepsTheUsersChoice) {
    set("printtoscreen", "1");
    writeSettings();
    dialog().load();
    forms::user::click(dialog().optPrint);
    entry().printRvoucher(ReceiptId);
    EXPECT_EQ(read(PortFile), golden("standard.txt"));
    EXPECT_FALSE(exists(QStringLiteral("Receipts.txt")));
    EXPECT_TRUE(dialog().isLoaded());
    EXPECT_TRUE(dialog().optPrint.value());
}

// The print dialog's own opening.

class PrintDialogTest : public VoucherTest {
protected:
    output::frmPrint& load() {
        writeSettings();
        dialog().load();
        return dialog();
    }
};

TEST_F(PrintDialogTest, controlsCarryTheirCaptionsAndContainers) {
    output::frmPrint& d = dialog();
    EXPECT_EQ(d.caption(), "Print");
    EXPECT_EQ(d.optPrint.caption(), "To Printer");
    EXPECT_EQ(d.optScreen.caption(), "To Screen");
    EXPECT_EQ(d.Optwindowsprint.caption(), "Windows Print");
    EXPECT_EQ(d.fraPaersize.caption(), "Paper Size");
    EXPECT_EQ(d.optA4.caption(), "A4 ");
    EXPECT_EQ(d.optA5.caption(), "A5");
    EXPECT_EQ(d.cmdOK.caption(), "&OK");
    EXPECT_EQ(d.cmdCancel.caption(), "Cancel");
    EXPECT_EQ(d.optScreen.container(), &d.Picture1);
    EXPECT_EQ(d.Picture1.container(), &d.fraPrint);
    EXPECT_EQ(d.optA5.container(), &d.Picture2);
    EXPECT_EQ(d.Picture2.container(), &d.fraPaersize);
}

TEST_F(PrintDialogTest, windowsPrintOneShowsAndSelectsItWithThePaperFrame) {
    set("windowsprint", "1");
    set("printtoscreen", "1");
    output::frmPrint& d = load();
    EXPECT_TRUE(d.Optwindowsprint.visible());
    EXPECT_TRUE(d.Optwindowsprint.value());
    EXPECT_FALSE(d.optScreen.value());
    EXPECT_FALSE(d.optPrint.value());
    EXPECT_TRUE(d.fraPaersize.visible());
    EXPECT_TRUE(d.optA4.value());
    EXPECT_FALSE(d.optA5.value());
}

TEST_F(PrintDialogTest, otherwiseWindowsPrintIsHiddenAndPrintToScreenChoosesTheScreen) {
    set("printtoscreen", "1");
    output::frmPrint& d = load();
    EXPECT_FALSE(d.Optwindowsprint.visible());
    EXPECT_FALSE(d.Optwindowsprint.value());
    EXPECT_TRUE(d.optScreen.value());
    EXPECT_FALSE(d.fraPaersize.visible());
    EXPECT_TRUE(d.optA4.value());
}

TEST_F(PrintDialogTest, bothKeysMissingStartsWithToPrinter) {
    remove(QStringLiteral("windowsprint"));
    remove(QStringLiteral("printtoscreen"));
    output::frmPrint& d = load();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "windowsprint  invalid parameter in Settings.ini file");
    EXPECT_EQ(ui.messages[1].text, "printtoscreen  invalid parameter in Settings.ini file");
    EXPECT_TRUE(d.optPrint.value());
    EXPECT_FALSE(d.Optwindowsprint.visible());
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(PrintDialogTest, leadingNumberIsRoundedBeforeItIsCompared) {
    set("windowsprint", " 1.4 copies");
    EXPECT_TRUE(load().Optwindowsprint.value());
    dialog().unload();
    set("windowsprint", "0.5");
    set("printtoscreen", "1.5");
    EXPECT_FALSE(load().Optwindowsprint.visible());
    EXPECT_TRUE(dialog().optPrint.value());
}

TEST_F(PrintDialogTest, choosingADestinationShowsThePaperFrameOnlyForWindowsPrint) {
    set("windowsprint", "1");
    output::frmPrint& d = load();
    forms::user::click(d.optScreen);
    EXPECT_FALSE(d.fraPaersize.visible());
    forms::user::click(d.Optwindowsprint);
    EXPECT_TRUE(d.fraPaersize.visible());
    forms::user::click(d.optPrint);
    EXPECT_FALSE(d.fraPaersize.visible());
}

TEST_F(PrintDialogTest, loadWithoutTheColourHelperIsReported) {
    module::session().formColor.reset();
    load();
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].moduleName, "frmPrint");
    EXPECT_EQ(ui.errors[0].procedureName, "Form_Load");
    EXPECT_EQ(ui.errors[0].number, 91);
}

} // namespace
