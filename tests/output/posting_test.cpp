// Post Ledgers and Print from the register: the question, the posting window and its transaction, the reload.
#include "module/clsreceiptsshop.h"
#include "module/session.h"
#include "module/windows.h"
#include "output/frmprint.h"
#include "output/frmstatus.h"
#include "platform/forms/userinput.h"
#include "platform/os/applicationfolder.h"
#include "register/frmmaster.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"
#include "support/testsession.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using output::frmStatus;
using receipts::FrmMaster;

const QString PostQuestion = QStringLiteral(
    "Posted entries cannot be deleted or modified\r\nAre you sure you want to Post the entry(s) ?");
// A body that posts the shop's receipts and then fails: nothing of it may outlive the rollback.
const QString FailingBody =
    QStringLiteral("UPDATE LosDummyReceiptHeader SET drposted = 1 WHERE drShopid = ?2 AND drCancelled = 0; "
                   "INSERT INTO aNoSuchLedger (companyid) VALUES (?1)");
const QString StaleText = QStringLiteral("stale");

// Shop 1 of company 1 holds two active receipts and a cancelled one, and one active receipt of company
// 2; shop 2 of company 1 holds one active receipt. The session is company 1, shop 1.
class PostLedgers : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* sql : {
                 "insert into ashops (shopid, companyid, futureint, cashaccountid) values (1, 1, 0, 1001), "
                 "(2, 1, 0, 1002)",
                 "insert into aSettings (CompanyID, debtorsaccountid) values (1, 1200)",
                 "insert into LOsSettings (shopid, sNoofBackDays) values (1, 7)",
                 "insert into acustomermaster (customerid, CompanyID, customername) values (3, 1, 'Ali'), "
                 "(4, 1, 'Hawwa')",
                 "insert into LosDummyReceiptHeader (drShopid, drID, drCompanyID, drNo, drdate, "
                 "drcustomerid, "
                 "dramount, drExchangeRate, drCancelled) values "
                 "(1, 1, 1, 'R-1', '20261205', 3, 10, 1, 0), (1, 2, 1, 'R-2', '20261205', 4, 20, 1, 0), "
                 "(1, 3, 1, 'R-3', '20261206', 3, 30, 1, 1), (1, 4, 2, 'R-4', '20261206', 4, 40, 1, 0), "
                 "(2, 1, 1, 'S-1', '20261206', 3, 50, 1, 0)",
             })
            database.execute(QString::fromLatin1(sql));
        testing_support::prepareComponent(component, database.connection());
        recorder.backend.onModal = [this](forms::Form& form) { onModal(form); };
        recorder.backend.onLoaded = [this](forms::Form& form) { loaded << form.name(); };
    }

    void onModal(forms::Form& form) {
        if (auto* master = dynamic_cast<FrmMaster*>(&form)) {
            inRegister(*master);
            master->unload();
        } else if (auto* status = dynamic_cast<frmStatus*>(&form)) {
            statusStayedOpen = true;
            if (inStatus) inStatus(*status);
            if (status->isShown()) forms::user::closeWindow(*status);
        } else if (auto* print = dynamic_cast<output::frmPrint*>(&form)) {
            if (inPrint) inPrint(*print);
            forms::user::closeWindow(*print);
        } else {
            ADD_FAILURE() << "unexpected window " << form.name().toStdString();
            form.unload();
        }
    }

    // Shows the register; `act` runs in it, then it closes.
    void show(std::function<void(FrmMaster&)> act) {
        inRegister = std::move(act);
        component.Show();
    }

    // Marks the grid so that a reload shows, then answers the question and clicks Post Ledgers.
    void post(FrmMaster& master, forms::MsgResult answer = forms::MsgResult::Yes) {
        master.flexMaster.setTextMatrix(1, 3, StaleText);
        recorder.answers.push_back(answer);
        forms::user::click(master.cmdUpdate);
    }

    void breakProcedure() {
        database.execute(QStringLiteral("update dbprocedures set body = '") +
                         QString(FailingBody).replace("'", "''") +
                         QStringLiteral("' where name = 'spUpdateLedgersPOSReceipts'"));
    }

    QString postedReceipts() const {
        return database.scalar(
            QStringLiteral("select group_concat(drNo, ',') from (select drNo from "
                           "LosDummyReceiptHeader where drposted = 1 order by drShopid, drID)"));
    }
    int ledgerLines(const QString& where = QStringLiteral("1 = 1")) const {
        return database.scalar(QStringLiteral("select count(*) from aGeneralLedger where ") + where).toInt();
    }
    int transactionLevel() const { return database.connection()->transactionLevel(); }

    testing_support::TestDatabase database;
    testing_support::RecordingBackend recorder;
    module::clsReceiptsShop component;
    std::function<void(FrmMaster&)> inRegister;
    std::function<void(frmStatus&)> inStatus;
    std::function<void(output::frmPrint&)> inPrint;
    QStringList loaded;
    bool statusStayedOpen = false;
};

TEST_F(PostLedgers, asksWithTheInformationIconYesNoAndTheSessionTitle) {
    show([this](FrmMaster& master) { post(master, forms::MsgResult::No); });
    ASSERT_EQ(recorder.messages.size(), 1u);
    const forms::MessageBoxRequest& question = recorder.messages[0];
    EXPECT_EQ(question.text, PostQuestion);
    EXPECT_EQ(question.title, "Shop");
    EXPECT_EQ(question.buttons, forms::MsgButtons::YesNo);
    EXPECT_EQ(question.icon, forms::MsgIcon::Information);
}

TEST_F(PostLedgers, answeringNoOpensNothingPostsNothingAndKeepsTheButtonsAndGrid) {
    show([this](FrmMaster& master) {
        post(master, forms::MsgResult::No);
        EXPECT_TRUE(master.cmdUpdate.enabled());
        EXPECT_TRUE(master.CmdDelete.enabled());
        EXPECT_EQ(master.flexMaster.textMatrix(1, 3), StaleText);
    });
    EXPECT_FALSE(loaded.contains("frmStatus"));
    EXPECT_EQ(postedReceipts(), "");
    EXPECT_EQ(ledgerLines(), 0);
}

TEST_F(PostLedgers, postsOnlyTheSessionCompanysShopAndClosesTheWindowAfterTheCommit) {
    show([this](FrmMaster& master) { post(master); });
    EXPECT_TRUE(loaded.contains("frmStatus"));
    EXPECT_FALSE(statusStayedOpen) << "a committed posting closes its window while it is being shown";
    EXPECT_FALSE(module::windows().get<frmStatus>().isLoaded());
    EXPECT_EQ(postedReceipts(), "R-1,R-2");
    EXPECT_EQ(ledgerLines(), 4);
    EXPECT_EQ(ledgerLines("companyid = 1 and shopid = 1 and documentid in (1, 2)"), 4);
    EXPECT_EQ(transactionLevel(), 0);
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(PostLedgers, procedureGetsTheCompanyFirstAndTheShopSecondAndItsWorkIsCommitted) {
    database.execute(
        "update dbprocedures set body = 'INSERT INTO aGeneralLedger (companyid, shopid, narration) "
        "VALUES (?1, ?2, ''probe'')' where name = 'spUpdateLedgersPOSReceipts'");
    component.intCompanyID = 7;
    show([this](FrmMaster& master) { post(master); });
    EXPECT_EQ(
        database.scalar("select companyid || '/' || shopid from aGeneralLedger where narration = 'probe'"),
        "7/1");
    EXPECT_EQ(transactionLevel(), 0);
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(PostLedgers, nothingToPostStillCommitsAndClosesTheWindow) {
    component.intCompanyID = 3;
    show([this](FrmMaster& master) { post(master); });
    EXPECT_TRUE(loaded.contains("frmStatus"));
    EXPECT_FALSE(statusStayedOpen);
    EXPECT_EQ(postedReceipts(), "");
    EXPECT_EQ(ledgerLines(), 0);
    EXPECT_EQ(transactionLevel(), 0);
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(PostLedgers, afterPostingTheGridIsReloadedAndPostAndDeleteAreDisabled) {
    show([this](FrmMaster& master) {
        post(master);
        EXPECT_EQ(master.flexMaster.rows(), 5);
        EXPECT_EQ(master.flexMaster.textMatrix(1, 3), "Ali");
        EXPECT_EQ(master.flexMaster.row(), 4);
        EXPECT_FALSE(master.cmdUpdate.enabled());
        EXPECT_FALSE(master.CmdDelete.enabled());
        EXPECT_TRUE(master.CmdEdit.enabled());
        EXPECT_TRUE(master.cmdPrint.enabled());
    });
}

TEST_F(PostLedgers, procedureFailureIsRolledBackReportedAndLeavesTheWindowOpen) {
    breakProcedure();
    show([this](FrmMaster& master) {
        inStatus = [this, &master](frmStatus& status) {
            EXPECT_EQ(status.owner(), &master);
            EXPECT_EQ(status.caption(), "Posting Entries");
            EXPECT_EQ(status.lblStatus.caption(), "Posting Ledgers may take few minutes. Please Wait...");
            EXPECT_FALSE(status.imgPost.picture().isEmpty());
            EXPECT_EQ(postedReceipts(), "");
            EXPECT_EQ(ledgerLines(), 0);
            EXPECT_EQ(transactionLevel(), 0);
            ASSERT_EQ(recorder.errors.size(), 1u);
            EXPECT_EQ(recorder.errors[0].moduleName, "frmStatus");
            EXPECT_EQ(recorder.errors[0].procedureName, "updateledgers ");
            EXPECT_EQ(recorder.errors[0].number, 17900);
            EXPECT_EQ(recorder.messages.size(), 1u) << "the window shows no message of its own";
        };
        post(master);
        EXPECT_FALSE(module::windows().get<frmStatus>().isLoaded());
        EXPECT_EQ(master.flexMaster.textMatrix(1, 3), "Ali");
        EXPECT_FALSE(master.cmdUpdate.enabled());
        EXPECT_FALSE(master.CmdDelete.enabled());
    });
    EXPECT_TRUE(statusStayedOpen);
    EXPECT_EQ(recorder.errors.size(), 1u);
}

TEST_F(PostLedgers, everyActivationOfTheOpenWindowPostsAgain) {
    const QString body =
        database.scalar("select body from dbprocedures where name = 'spUpdateLedgersPOSReceipts'");
    breakProcedure();
    show([&](FrmMaster& master) {
        inStatus = [&](frmStatus& status) {
            database.execute(QStringLiteral("update dbprocedures set body = '") +
                             QString(body).replace("'", "''") +
                             QStringLiteral("' where name = 'spUpdateLedgersPOSReceipts'"));
            status.activate();
            EXPECT_FALSE(status.isShown());
        };
        post(master);
    });
    EXPECT_EQ(postedReceipts(), "R-1,R-2");
    EXPECT_EQ(recorder.errors.size(), 1u);
}

TEST_F(PostLedgers, loadAppliesTheWindowsColourScheme) {
    database.execute(
        "insert into aFormColor (formname, backcolor, forecolor) values ('frmStatus', 12632256, 0)");
    breakProcedure();
    int labelColour = 0;
    show([&](FrmMaster& master) {
        inStatus = [&](frmStatus& status) { labelColour = status.lblStatus.backColor(); };
        post(master);
    });
    EXPECT_EQ(labelColour, 12632256);
}

TEST_F(PostLedgers, loadFailureIsReportedAsFormLoadAndThePostingStillRuns) {
    show([this](FrmMaster& master) {
        module::session().formColor.reset();
        post(master);
    });
    ASSERT_EQ(recorder.errors.size(), 1u);
    EXPECT_EQ(recorder.errors[0].moduleName, "frmStatus");
    EXPECT_EQ(recorder.errors[0].procedureName, "Form_Load");
    EXPECT_EQ(recorder.errors[0].number, 91);
    EXPECT_EQ(postedReceipts(), "R-1,R-2");
}

TEST_F(PostLedgers, failureAfterThePostingIsReportedUnderTheCommandsName) {
    show([this](FrmMaster& master) {
        master.strGridQuery = QStringLiteral("select drid from aNoSuchTable");
        post(master);
        EXPECT_TRUE(master.cmdUpdate.enabled()) << "the command ended before disabling its buttons";
    });
    ASSERT_EQ(recorder.errors.size(), 1u);
    EXPECT_EQ(recorder.errors[0].moduleName, "FrmMaster");
    EXPECT_EQ(recorder.errors[0].procedureName, "cmdUpdate_Click ");
    EXPECT_EQ(postedReceipts(), "R-1,R-2") << "the posting had committed before";
}

TEST_F(PostLedgers, printOpensThePrintDialogOwnedByTheRegisterAndReturnsWhenItCloses) {
    const QString previousFolder = os::applicationFolder();
    os::setApplicationFolder(database.folder());
    QFile settings(database.folder() + QStringLiteral("/shopsetting.txt"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("windowsprint :=0\r\nprinttoscreen :=1\r\n");
    settings.close();
    bool printShown = false;
    show([&](FrmMaster& master) {
        inPrint = [&](output::frmPrint& print) {
            printShown = true;
            EXPECT_EQ(print.owner(), &master);
            EXPECT_EQ(print.caption(), "Print");
        };
        forms::user::click(master.cmdPrint);
        EXPECT_FALSE(module::windows().get<output::frmPrint>().isLoaded());
    });
    os::setApplicationFolder(previousFolder);
    EXPECT_TRUE(printShown);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_TRUE(recorder.errors.empty());
    EXPECT_FALSE(loaded.contains("frmStatus"));
}

} // namespace
