// Transcript lines, exactly as integrators read them.
#include "host/transcript.h"
#include "qstringprinter.h"

#include "platform/forms/runtime.h"
#include "platform/os/outputevents.h"
#include "platform/suite/errordetails.h"

#include <gtest/gtest.h>

namespace {

class TranscriptLines : public testing::Test {
protected:
    QString text;
    QTextStream out{&text};
    host::Transcript transcript{out};
};

} // namespace

TEST_F(TranscriptLines, windowsOpenWithOwnerAndClose) {
    transcript.open(QStringLiteral("FrmMaster"), true, QString());
    transcript.open(QStringLiteral("frmReceiptShop"), true, QStringLiteral("FrmMaster"));
    transcript.close(QStringLiteral("frmReceiptShop"));
    EXPECT_EQ(text, QStringLiteral("OPEN FrmMaster modal\nOPEN frmReceiptShop modal owner=FrmMaster\n"
                                   "CLOSE frmReceiptShop\n"));
}

TEST_F(TranscriptLines, messageBoxNamesIconButtonsDefaultAndAnswer) {
    forms::MessageBoxRequest request{QStringLiteral("Print \"this\"?\nNow"), QStringLiteral("Receipts"),
                                     forms::MsgButtons::YesNo, forms::MsgIcon::Question, 2};
    transcript.messageBox(request, forms::MsgResult::Yes);
    EXPECT_EQ(text, QStringLiteral("MSGBOX title=\"Receipts\" icon=question buttons=YesNo default=No "
                                   "text=\"Print \\\"this\\\"?\\nNow\" -> Yes\n"));
}

TEST_F(TranscriptLines, errorCarriesTheSessionUser) {
    suite::ErrorRecord record{QStringLiteral("FrmMaster"),  QStringLiteral("admin"),
                              QStringLiteral("Form_Load "), 17900,
                              QStringLiteral("sqlite"),     QStringLiteral("no such table: x"),
                              QStringLiteral("N")};
    transcript.error(record, 7);
    EXPECT_EQ(text,
              QStringLiteral("ERROR module=\"FrmMaster\" proc=\"Form_Load \" number=17900 source=\"sqlite\" "
                             "description=\"no such table: x\" user=7 mode=\"N\"\n"));
}

TEST_F(TranscriptLines, outputEventsAndRows) {
    transcript.fileWritten(QStringLiteral("Receipts.txt"), 812);
    transcript.viewed(QStringLiteral("Receipts.txt"));
    transcript.report(os::ReportRun{QStringLiteral("reports/receipt.rpt"),
                                    QStringLiteral("Receipt"),
                                    {QStringLiteral("1"), QStringLiteral("2024/03/10")},
                                    3});
    transcript.row({QStringLiteral("1"), QString(), QStringLiteral("a\tb")});
    EXPECT_EQ(text,
              QStringLiteral(
                  "FILE Receipts.txt 812\nVIEW Receipts.txt\n"
                  "REPORT file=\"reports/receipt.rpt\" title=\"Receipt\" params=[1|2024/03/10] records=3\n"
                  "ROW 1\t\ta\\tb\n"));
}

TEST_F(TranscriptLines, stateQuotesOnlyValuesThatNeedIt) {
    transcript.state(
        QStringLiteral("FrmMaster.CmdEdit"),
        {QStringLiteral("caption=&Edit"), QStringLiteral("tooltip="), QStringLiteral("cell(1,3)=Abc Ltd")});
    EXPECT_EQ(text,
              QStringLiteral("STATE FrmMaster.CmdEdit caption=&Edit tooltip=\"\" cell(1,3)=\"Abc Ltd\"\n"));
}

TEST_F(TranscriptLines, noteFolderAndFail) {
    transcript.folder(QStringLiteral("/tmp/run"));
    transcript.note(QStringLiteral("two\nlines"));
    transcript.fail(12, QStringLiteral("window X is not open"));
    EXPECT_EQ(text,
              QStringLiteral("FOLDER /tmp/run\nNOTE two\\nlines\nFAIL line 12: window X is not open\n"));
}
