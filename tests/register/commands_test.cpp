// The register's Edit and Delete commands, the stored receipt's documents and the deletion reason dialog.
#include "module/clsreceiptsshop.h"
#include "module/session.h"
#include "platform/forms/userinput.h"
#include "register/frmcancelreason.h"
#include "register/frmmaster.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"
#include "support/testsession.h"

#include <gtest/gtest.h>

namespace {

using receipts::frmcancelreason;
using receipts::FrmMaster;
using receipts::frmReceiptShop;
namespace user = forms::user;

// Grid rows of the three receipts: an advance, a settlement and one head office has taken over.
constexpr int AdvanceRow = 1;
constexpr int SettlementRow = 2;
constexpr int ProcessedRow = 3;

class RegisterCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* sql : {
                 "insert into acurrencymaster (currencyid, currencyname, symbol) values (1, 'MVR', 'Rf'), "
                 "(2, 'USD', '$')",
                 "insert into acompanymaster (companyid, CurrencyID) values (1, 1)",
                 "insert into adepartmentMaster (DepartmentID, CompanyID, depcurrencyid) values (1, 1, 1)",
                 "insert into ashops (shopid, companyid, departmentid, miscsettings13, futureint) values (1, "
                 "1, 1, 'b', 0)",
                 "insert into LOsSettings (shopid, sNoofBackDays) values (1, 7)",
                 "insert into acustomermaster (customerid, CompanyID, customername, CurrencyID, Active) "
                 "values "
                 "(3, 1, 'Ali', 1, 1)",
                 "insert into ashopcustomerdetails (shopid, customerid) values (1, 3)",
                 "insert into LosDummyReceiptHeader (drShopid, drID, drNo, drdate, drcustomerid, drbankname, "
                 "drremarks, "
                 "drchequeno, drchequedate, dramount, drreccurrencyid, drrecamount, drBankExchangeRate, "
                 "drExchangeRate, "
                 "drCancelled) values "
                 "(1, 1, 'RC-1', '20261206', 3, 'BML', 'On account', 'CHQ-1', '2026-12-01 10:30:00', 100, 2, "
                 "0, 15.42, "
                 "0.0648, 0), "
                 "(1, 2, 'RC-2', '20261206', 3, 'Cash', 'Bills', 'NA', '20261206', 132.75, 1, 132.75, 1, 1, "
                 "0), "
                 "(1, 3, 'RC-3', '20261206', 3, 'Cash', 'Old', 'NA', '20261206', 5, 1, 0, 1, 1, 0)",
                 "update LosDummyReceiptHeader set drCancelledRemarks = 'Taken over by head office' where "
                 "drID = 3",
                 "insert into losinvoiceheader (ihshopid, ihinvoiceid, ihtype, ihinvoiceno, ihinvoicedate, "
                 "ihRemarks) "
                 "values (1, 10, 'I', 'INV-10', '20261201', 'Part paid')",
                 "insert into AccountsInvoiceHeader (companyid, invoiceid, invoiceno, invoicedate, "
                 "Referenceno, "
                 "FinancialID, cashinvoice) values (1, 40, 'OP-40', '20260105', 'REF-40', 0, 0)",
                 "insert into afineheader (fhshopid, fhfineid, fhfineno, fhfinedate) values (1, 7, 'F-7', "
                 "'20261202')",
                 "insert into losPosFandBHeader (poshShopID, poshBillID, poshBillNo, poshBillDate) values "
                 "(1, 8, 'FB-8', '20261203')",
                 "insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid, drdinvoiceid, "
                 "drdaccinvoiceid, "
                 "drdfineid, drdfandbInvoiceID, drdinvoiceamount, drdsettledamount) values "
                 "(1, 2, 1, 10, null, null, null, 100, 60), (1, 2, 2, null, 40, null, null, 75, 40.5), "
                 "(1, 2, 4, null, null, 7, null, 20, 20), (1, 2, 5, null, null, null, 8, 30, 12.25)",
             })
            database.execute(QString::fromLatin1(sql));
        testing_support::prepareComponent(component, database.connection());
        recorder.backend.onModal = [this](forms::Form& form) { onModal(form); };
    }

    void onModal(forms::Form& form) {
        opened << form.name();
        if (auto* master = dynamic_cast<FrmMaster*>(&form)) {
            inRegister(*master);
        } else if (auto* entry = dynamic_cast<frmReceiptShop*>(&form)) {
            inEntry(*entry);
        } else if (auto* dialog = dynamic_cast<frmcancelreason*>(&form)) {
            EXPECT_EQ(dialog->owner(), &component.frmMaster());
            inReason(*dialog);
        }
        if (form.isShown()) form.unload();
    }

    // Shows the register; `act` runs in it, then every window closes.
    void run(std::function<void(FrmMaster&)> act) {
        inRegister = std::move(act);
        component.Show();
    }

    // Edit on one row; `inspect` looks at the entry window it opens.
    void edit(int row, std::function<void(frmReceiptShop&)> inspect) {
        inEntry = std::move(inspect);
        run([row](FrmMaster& master) {
            user::clickCell(master.flexMaster, row, 1);
            user::click(master.CmdEdit);
        });
        EXPECT_TRUE(opened.contains(QStringLiteral("frmReceiptShop")));
    }

    // Delete on one row answered with Yes; `reason` acts in the reason dialog, `after` looks at the
    // register once Delete is done.
    void cancel(
        int row, std::function<void(frmcancelreason&)> reason,
        std::function<void(FrmMaster&)> after = [](FrmMaster&) {}) {
        inReason = std::move(reason);
        recorder.answers = {forms::MsgResult::Yes};
        run([row, after](FrmMaster& master) {
            user::clickCell(master.flexMaster, row, 1);
            user::click(master.CmdDelete);
            after(master);
        });
    }

    static void typeReason(frmcancelreason& dialog, const QString& reason) {
        user::type(dialog.txtcanreason, reason);
        user::click(dialog.cmdok);
    }

    QString scalar(const QString& sql) const { return database.scalar(sql); }
    QString receiptColumn(const char* column, int id) const {
        return scalar(QStringLiteral("select %1 from LosDummyReceiptHeader where drShopid = 1 and drID = %2")
                          .arg(QLatin1String(column))
                          .arg(id));
    }

    static QStringList row(const forms::ListView& list, int item) {
        QStringList cells;
        for (int column = 0; column < list.columnCount(); ++column)
            cells << list.cell(item, column);
        return cells;
    }

    testing_support::TestDatabase database;
    testing_support::RecordingBackend recorder;
    module::clsReceiptsShop component;
    std::function<void(FrmMaster&)> inRegister;
    std::function<void(frmReceiptShop&)> inEntry = [](frmReceiptShop&) {};
    std::function<void(frmcancelreason&)> inReason;
    QStringList opened;
};

TEST_F(RegisterCommandsTest, editShowsTheStoredAdvanceLockedWithItsStoredRates) {
    edit(AdvanceRow, [](frmReceiptShop& entry) {
        EXPECT_EQ(entry.cboCustomer.text(), "Ali--->MVR");
        EXPECT_EQ(entry.txtBank.text(), "BML");
        EXPECT_EQ(entry.txtRemarks.text(), "On account");
        EXPECT_EQ(entry.txtAmount.text(), "0.00");
        EXPECT_EQ(entry.txtchequeno.text(), "CHQ-1");
        EXPECT_EQ(entry.txtreceiptno.text(), "RC-1");
        EXPECT_EQ(entry.txtProcessDate.text(), "06/12/2026");
        EXPECT_EQ(entry.dtpChequeDate.value(), QDate(2026, 12, 1));
        EXPECT_EQ(entry.cboCurrency.text(), "USD");
        EXPECT_EQ(entry.txtExchangeRate.text(), "15.42");
        EXPECT_EQ(entry.txtCompExchangeRate.text(), "0.0648");
        EXPECT_EQ(entry.txtrecamount.text(), "100.00");
        EXPECT_TRUE(entry.optadvance.value());
        EXPECT_EQ(entry.lvwInvoice.count() + entry.lvwOpeningInvoices.count(), 0);
        for (const forms::Control* control : std::initializer_list<const forms::Control*>{
                 &entry.cboCustomer, &entry.txtRemarks, &entry.txtBank, &entry.txtchequeno,
                 &entry.dtpChequeDate, &entry.cmdok, &entry.cboCurrency, &entry.txtExchangeRate,
                 &entry.txtrecamount})
            EXPECT_FALSE(control->enabled()) << qPrintable(control->name());
        EXPECT_TRUE(entry.cmdCancel.enabled());
        EXPECT_EQ(module::session().EntryMode, "E");
    });
    EXPECT_TRUE(recorder.errors.empty());
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(RegisterCommandsTest, editListsTheStoredDocumentsInBothListsEachNumberedFromOne) {
    edit(SettlementRow, [this](frmReceiptShop& entry) {
        EXPECT_TRUE(entry.OptSettlement.value());
        EXPECT_EQ(entry.txtAmount.text(), "132.75");
        ASSERT_EQ(entry.lvwInvoice.count(), 3);
        EXPECT_EQ(row(entry.lvwInvoice, 1), QStringList({"1", "Sales Invoice", "INV-10", "01/12/2026",
                                                         "100.00", "60.00", "10", "Part paid"}));
        EXPECT_EQ(row(entry.lvwInvoice, 2), QStringList({"2", "Fine", "F-7", "", "20.00", "20.00", "7", ""}));
        EXPECT_EQ(row(entry.lvwInvoice, 3),
                  QStringList({"3", "FandB Invoice", "FB-8", "03/12/2026", "30.00", "12.25", "8", ""}));
        ASSERT_EQ(entry.lvwOpeningInvoices.count(), 1);
        EXPECT_EQ(row(entry.lvwOpeningInvoices, 1), QStringList({"1", "Opening Invoice", "OP-40", "REF-40",
                                                                 "05/01/2026", "75.00", "40.50", "40"}));
        // A stored receipt is not settled again.
        user::doubleClickItem(entry.lvwInvoice, 1);
        user::doubleClickItem(entry.lvwOpeningInvoices, 1);
        EXPECT_FALSE(opened.contains(QStringLiteral("frmInvoiceEntry")));
    });
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(RegisterCommandsTest, everyShopKindIsLabelledAndLookedUpInItsOwnTable) {
    struct Case {
        const char* document;
        const char* detailColumn;
        QStringList shown;
    };
    const Case cases[] = {
        {"insert into losaccountsinvoiceheader (aishopid, aiinvoiceid, aiinvoiceno, aiinvoicedate) values "
         "(1, 21, 'SV-21', '20261102')",
         "drdserviceinvoiceid",
         {"Service Invoice", "SV-21", "02/11/2026", "21"}},
        {"insert into losspecialinvoiceheader (ihshopid, ihinvoiceid, ihinvoiceno, ihinvoicedate) values "
         "(1, 22, 'SP-22', '20261103')",
         "drdsplinvoiceid",
         {"Special Invoice", "SP-22", "03/11/2026", "22"}},
        {"insert into losApartmentBillHeader (abhshopid, abhBillID, abhBillNo, abhBillDate) values "
         "(1, 23, 'RB-23', '20261104')",
         "drdRoomBillID",
         {"Room Bill", "RB-23", "04/11/2026", "23"}},
        {"insert into losTenantServiceBillHeader (tbhshopid, tbhBillID, tbhBillNo, tbhBillDate) values "
         "(1, 24, 'UB-24', '20261105')",
         "drdUtilityBillID",
         {"Utility Bill", "UB-24", "05/11/2026", "24"}},
        {"insert into losserviceinvheader (serinvhshopid, serinvhid, serinvno, serinvhdate) values "
         "(1, 25, 'BS-25', '20261106')",
         "drdbookserinvoiceid",
         {"Book Service Invoice", "BS-25", "06/11/2026", "25"}},
    };
    int line = 10;
    for (const Case& kind : cases) {
        database.execute(QString::fromLatin1(kind.document));
        database.execute(
            QStringLiteral("insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid, %1, "
                           "drdinvoiceamount, drdsettledamount) values (1, 1, %2, %3, 9, 1)")
                .arg(QLatin1String(kind.detailColumn))
                .arg(line++)
                .arg(kind.shown.last()));
    }
    edit(AdvanceRow, [&](frmReceiptShop& entry) {
        EXPECT_TRUE(entry.OptSettlement.value());
        ASSERT_EQ(entry.lvwInvoice.count(), int(std::size(cases)));
        for (int item = 1; item <= entry.lvwInvoice.count(); ++item) {
            const QStringList& shown = cases[item - 1].shown;
            EXPECT_EQ(
                row(entry.lvwInvoice, item).mid(0, 7),
                QStringList({QString::number(item), shown[0], shown[1], shown[2], "9.00", "1.00", shown[3]}));
        }
    });
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(RegisterCommandsTest, aDetailWithoutKindShowsOnlyItsNumberAndAmounts) {
    database.execute(
        QStringLiteral("insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid, drddcnid, "
                       "drdinvoiceamount, drdsettledamount) values (1, 1, 1, 99, 12.5, 3)"));
    edit(AdvanceRow, [](frmReceiptShop& entry) {
        ASSERT_EQ(entry.lvwInvoice.count(), 1);
        EXPECT_EQ(row(entry.lvwInvoice, 1), QStringList({"1", "", "", "", "12.50", "3.00", "", ""}));
    });
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(RegisterCommandsTest, aDocumentGoneSinceStopsTheLoadingThereAndTheWindowStillOpens) {
    database.execute(QStringLiteral("delete from afineheader"));
    edit(SettlementRow, [](frmReceiptShop& entry) {
        ASSERT_EQ(entry.lvwInvoice.count(), 2);
        EXPECT_EQ(entry.lvwInvoice.cell(1, 2), "INV-10");
        EXPECT_EQ(row(entry.lvwInvoice, 2), QStringList({"2", "Fine", "", "", "", "", "", ""}));
        EXPECT_EQ(entry.lvwOpeningInvoices.count(), 1);
        EXPECT_FALSE(entry.cmdok.enabled());
    });
    ASSERT_EQ(recorder.errors.size(), 1u);
    EXPECT_EQ(recorder.errors[0].moduleName, "FrmMaster");
    EXPECT_EQ(recorder.errors[0].procedureName, "DisplayDetails");
    EXPECT_EQ(recorder.errors[0].number, 3021);
}

TEST_F(RegisterCommandsTest, anOpeningInvoiceNoLongerOpeningOrANullNumberStopsTheLoading) {
    database.execute(QStringLiteral("update AccountsInvoiceHeader set cashinvoice = 1"));
    edit(SettlementRow, [](frmReceiptShop& entry) {
        EXPECT_EQ(entry.lvwInvoice.count(), 1);
        EXPECT_EQ(row(entry.lvwOpeningInvoices, 1).mid(0, 3), QStringList({"1", "Opening Invoice", ""}));
    });
    database.execute(QStringLiteral("update losinvoiceheader set ihinvoiceno = null, ihRemarks = null"));
    edit(SettlementRow, [](frmReceiptShop& entry) {
        EXPECT_EQ(entry.lvwInvoice.count(), 1);
        EXPECT_EQ(entry.lvwOpeningInvoices.count(), 0);
    });
    ASSERT_EQ(recorder.errors.size(), 2u);
    EXPECT_EQ(recorder.errors[0].number, 3021);
    EXPECT_EQ(recorder.errors[1].number, 94);
    EXPECT_EQ(recorder.errors[1].procedureName, "DisplayDetails");
}

TEST_F(RegisterCommandsTest, deleteCancelsWithTheReasonAndKeepsTheRowInRed) {
    cancel(
        AdvanceRow, [](frmcancelreason& dialog) { typeReason(dialog, QStringLiteral("Wrong customer")); },
        [](FrmMaster& master) {
            const forms::Grid& grid = master.flexMaster;
            EXPECT_EQ(grid.rows(), 4);
            EXPECT_EQ(grid.textMatrix(AdvanceRow, 1), "RC-1");
            EXPECT_EQ(grid.textMatrix(AdvanceRow, 5), "Yes");
            for (int col = 0; col <= 5; ++col)
                EXPECT_EQ(grid.cellForeColorAt(AdvanceRow, col), forms::ColorRed) << col;
            EXPECT_EQ(grid.cellForeColorAt(SettlementRow, 1), 0);
            EXPECT_EQ(grid.row(), AdvanceRow);
            EXPECT_EQ(grid.topRow(), AdvanceRow);
            EXPECT_EQ(grid.colSel(), 5);
            EXPECT_EQ(grid.foreColorSel(), forms::ColorRed);
            EXPECT_FALSE(master.CmdDelete.enabled());
            EXPECT_TRUE(master.CmdEdit.enabled());
        });
    ASSERT_EQ(recorder.messages.size(), 1u);
    const forms::MessageBoxRequest& question = recorder.messages[0];
    EXPECT_EQ(question.text, "Are you sure you want to Delete the entry of - RC-1 ?");
    EXPECT_EQ(question.title, "Shop");
    EXPECT_EQ(question.buttons, forms::MsgButtons::YesNo);
    EXPECT_EQ(question.icon, forms::MsgIcon::Question);
    EXPECT_EQ(question.defaultButton, 2);
    EXPECT_EQ(receiptColumn("drcancelled", 1), "1");
    EXPECT_EQ(receiptColumn("drCancelledRemarks", 1), "Wrong customer");
    EXPECT_EQ(scalar("select documentno || '/' || mode from aUserAuditing where documentid = 1"), "RC-1/D");
    EXPECT_EQ(receiptColumn("drcancelled", 2), "0");
    EXPECT_EQ(module::session().EntryMode, "E");
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(RegisterCommandsTest, aReceiptWithRemarksIsRefusedAndNothingChanges) {
    cancel(ProcessedRow, [](frmcancelreason&) { ADD_FAILURE() << "no reason is asked"; });
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "The Receipt is processed in HQ, Cannot Delete");
    EXPECT_EQ(recorder.messages[0].icon, forms::MsgIcon::Information);
    EXPECT_EQ(recorder.messages[0].buttons, forms::MsgButtons::OK);
    EXPECT_EQ(recorder.messages[0].title, "Shop");
    EXPECT_EQ(receiptColumn("drcancelled", 3), "0");
    EXPECT_EQ(scalar("select count(*) from aUserAuditing"), "0");
}

TEST_F(RegisterCommandsTest, aRefusedCancellationIsRolledBackAndReported) {
    auto cancelAndExpectRefusal = [this](qint64 number) {
        recorder.errors.clear();
        cancel(
            AdvanceRow, [](frmcancelreason& dialog) { typeReason(dialog, QStringLiteral("Twice")); },
            [](FrmMaster& master) {
                EXPECT_EQ(master.flexMaster.textMatrix(AdvanceRow, 5), "No");
                EXPECT_EQ(master.flexMaster.cellForeColorAt(AdvanceRow, 1), 0);
            });
        ASSERT_EQ(recorder.errors.size(), 1u);
        EXPECT_EQ(recorder.errors[0].procedureName, "CmdDelete_Click ");
        EXPECT_EQ(recorder.errors[0].number, number);
        EXPECT_EQ(receiptColumn("drcancelled", 1), "0");
        EXPECT_EQ(receiptColumn("isnull(drCancelledRemarks, '-')", 1), "-");
        EXPECT_EQ(database.connection()->transactionLevel(), 0);
    };
    // The audit entry fails after the update went through: the update goes too. The error log keeps
    // the last five digits of a database error's number.
    database.execute(QStringLiteral("drop table aUserAuditing"));
    cancelAndExpectRefusal(17900);
    // A posted receipt is frozen by the database itself.
    database.execute(QStringLiteral("update LosDummyReceiptHeader set drposted = 1 where drID = 1"));
    cancelAndExpectRefusal(17873);
}

TEST_F(RegisterCommandsTest, theGridsKeysAndDoubleClickRunEditAndDelete) {
    recorder.answers = {forms::MsgResult::No, forms::MsgResult::No};
    run([](FrmMaster& master) {
        user::doubleClickRow(master.flexMaster, AdvanceRow);
        user::pressKey(master.flexMaster, forms::keys::Enter);
        user::pressKey(master.flexMaster, forms::keys::Delete);
    });
    EXPECT_EQ(opened.count(QStringLiteral("frmReceiptShop")), 2);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "Are you sure you want to Delete the entry of - RC-1 ?");
}

class ReasonDialogTest : public RegisterCommandsTest {};

TEST_F(ReasonDialogTest, activationRenamesResizesAndForgetsTheLastReason) {
    component.frmMaster().CancellationReason = QStringLiteral("earlier");
    cancel(AdvanceRow, [this](frmcancelreason& dialog) {
        EXPECT_EQ(dialog.caption(), "Reason for deletion");
        EXPECT_EQ(dialog.width(), 6480);
        EXPECT_EQ(dialog.height(), 915);
        EXPECT_EQ(component.frmMaster().CancellationReason, QString());
        EXPECT_FALSE(dialog.cmdok.enabled());
        EXPECT_EQ(dialog.Label1.caption(), "&Reason :");
        EXPECT_EQ(dialog.cmdok.caption(), "&OK");
    });
}

TEST_F(ReasonDialogTest, blanksKeepOkDisabledApostrophesAreSwallowedAndLeadingBlanksStay) {
    cancel(AdvanceRow, [](frmcancelreason& dialog) {
        user::type(dialog.txtcanreason, QStringLiteral("  "));
        EXPECT_FALSE(dialog.cmdok.enabled());
        user::type(dialog.txtcanreason, QStringLiteral("Customer's error"));
        EXPECT_EQ(dialog.txtcanreason.text(), "  Customers error");
        EXPECT_TRUE(dialog.cmdok.enabled());
        user::pressKey(dialog.txtcanreason, forms::keys::Enter);
        EXPECT_EQ(dialog.activeControl(), &dialog.cmdok);
        user::click(dialog.cmdok);
    });
    EXPECT_EQ(receiptColumn("drCancelledRemarks", 1), "  Customers error");
}

TEST_F(ReasonDialogTest, okWithABlankReasonAsksForOneAndStaysOpen) {
    cancel(AdvanceRow, [this](frmcancelreason& dialog) {
        user::type(dialog.txtcanreason, QStringLiteral("x"));
        user::clear(dialog.txtcanreason);
        user::click(dialog.cmdok);
        EXPECT_TRUE(dialog.isShown());
        EXPECT_EQ(dialog.activeControl(), &dialog.txtcanreason);
        ASSERT_EQ(recorder.messages.size(), 2u);
        EXPECT_EQ(recorder.messages[1].text, "Enter reason for deletion");
        EXPECT_EQ(recorder.messages[1].icon, forms::MsgIcon::Information);
        typeReason(dialog, QStringLiteral("Typo"));
    });
    EXPECT_EQ(receiptColumn("drCancelledRemarks", 1), "Typo");
}

} // namespace
