// The entry window opened from the register: what it loads, the customer choice and its question.
#include "module/clsreceiptsshop.h"
#include "module/session.h"
#include "platform/forms/userinput.h"
#include "register/frmmaster.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"
#include "support/testsession.h"

#include <gtest/gtest.h>

namespace {

using receipts::frmReceiptShop;

class EntryWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* sql : {
                 "insert into acurrencymaster (currencyid, currencyname, symbol) values (1, 'MVR', 'Rf'), (2, 'USD', '$')",
                 "insert into acompanymaster (companyid, CurrencyID) values (1, 1)",
                 "insert into adepartmentMaster (DepartmentID, CompanyID, depcurrencyid) values (1, 1, 1)",
                 "insert into ashops (shopid, companyid, departmentid, miscsettings13) values (1, 1, 1, 'ab')",
                 "insert into acustomermaster (customerid, CompanyID, customername, CurrencyID, Active) values "
                 "(3, 1, 'Ali', 1, 1), (4, 1, 'Hawwa', 2, 1), (5, 1, 'Gone', 1, 0), (6, 1, 'Elsewhere', 1, 1)",
                 "insert into ashopcustomerdetails (shopid, customerid) values (1, 3), (1, 4), (1, 5), (2, 6)",
                 "insert into losinvoiceheader (ihshopid, ihinvoiceid, ihtype, ihinvoiceno, ihinvoicedate, "
                 "ihcustomerid, ihcompanyid, ihnetamount) values (1, 10, 'I', 'INV-10', '20261201', 3, 1, 100)",
             })
            database.execute(QString::fromLatin1(sql));
        testing_support::prepareComponent(component, database.connection());
        recorder.backend.onModal = [this](forms::Form& form) { onModal(form); };
        recorder.standingAnswers[QStringLiteral("Save Changes?")] = forms::MsgResult::No;
    }

    // The register opens the entry window with New; the test acts in it, then everything closes.
    void onModal(forms::Form& form) {
        if (auto* master = dynamic_cast<receipts::FrmMaster*>(&form)) {
            forms::user::click(master->cmdnew);
            newClosedWithRegisterOpen = master->isShown();
            master->unload();
            return;
        }
        auto& entry = dynamic_cast<frmReceiptShop&>(form);
        EXPECT_EQ(entry.owner(), &component.frmMaster());
        actInEntry(entry);
        entry.unload();
    }

    void show(std::function<void(frmReceiptShop&)> act) {
        actInEntry = std::move(act);
        component.Show();
    }

    static void choose(frmReceiptShop& entry, const QString& customer) {
        for (int i = 0; i < entry.cboCustomer.listCount(); ++i)
            if (entry.cboCustomer.list(i).startsWith(customer)) return forms::user::select(entry.cboCustomer, i);
        FAIL() << "no customer " << qPrintable(customer);
    }

    testing_support::TestDatabase database;
    testing_support::RecordingBackend recorder;
    module::clsReceiptsShop component;
    std::function<void(frmReceiptShop&)> actInEntry;
    bool newClosedWithRegisterOpen = false;
};

TEST_F(EntryWindowTest, loadListsTheShopsActiveCustomersWithTheirCurrencyAndEveryCurrency) {
    show([](frmReceiptShop& entry) {
        ASSERT_EQ(entry.cboCustomer.listCount(), 2);
        EXPECT_EQ(entry.cboCustomer.list(0), "Ali--->MVR");
        EXPECT_EQ(entry.cboCustomer.itemData(1), 4);
        EXPECT_EQ(entry.cboCurrency.listCount(), 2);
        EXPECT_EQ(entry.txtProcessDate.text(), "06/12/2026");
        EXPECT_EQ(entry.dtpChequeDate.value(), QDate(2026, 12, 6));
        EXPECT_TRUE(entry.txtExchangeRate.visible());
        EXPECT_TRUE(entry.OptSettlement.value());
        EXPECT_EQ(entry.sstbInvoices.tabCaption(0), "Shop Invoices");
        EXPECT_EQ(entry.lvwInvoice.header(5).text, "Invoice Amt");
    });
    EXPECT_TRUE(newClosedWithRegisterOpen);
    EXPECT_EQ(module::session().EntryMode, "N");
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(EntryWindowTest, upperCaseBankLetterHidesTheBankRate) {
    database.execute(QStringLiteral("update ashops set miscsettings13 = 'aB' where shopid = 1"));
    show([](frmReceiptShop& entry) {
        EXPECT_FALSE(entry.txtExchangeRate.visible());
        EXPECT_FALSE(entry.lblExBankRate.visible());
    });
}

TEST_F(EntryWindowTest, choosingACustomerSetsCurrencyCaptionsAndListsTheDocuments) {
    show([](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        EXPECT_EQ(entry.cboCurrency.text(), "MVR");
        EXPECT_EQ(entry.CustomerCurrencyId, 1);
        EXPECT_EQ(entry.lblreceivedamount.caption(), "Recived Amount (Rf):");
        EXPECT_EQ(entry.lblCustEquAmount.caption(), "Cust. Equ. Amount(Rf):");
        EXPECT_EQ(entry.lblAmount.caption(), "Amount(Rf):");
        EXPECT_EQ(entry.lvwInvoice.header(5).text, "Invoice Amt(Rf)");
        EXPECT_EQ(entry.lvwInvoice.header(6).text, "Settlement(Rf)");
        ASSERT_EQ(entry.lvwInvoice.count(), 1);
        EXPECT_EQ(entry.lvwInvoice.cell(1, 2), "INV-10");
        EXPECT_EQ(entry.PreviousCustomerIndex, 0);
    });
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(EntryWindowTest, anotherCustomerAsksBeforeDiscardingAndNoKeepsEverything) {
    recorder.answers = {forms::MsgResult::No, forms::MsgResult::Yes};
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        entry.txtBank.setText(QStringLiteral("BML"));
        choose(entry, QStringLiteral("Hawwa"));
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text, "Related details will be deleted. Do you want to continue?");
        EXPECT_EQ(recorder.messages[0].title, "Shop");
        EXPECT_EQ(recorder.messages[0].buttons, forms::MsgButtons::YesNo);
        EXPECT_EQ(entry.cboCustomer.listIndex(), 0);
        EXPECT_EQ(entry.txtBank.text(), "BML");
        EXPECT_EQ(entry.lvwInvoice.count(), 1);
        choose(entry, QStringLiteral("Hawwa"));
        EXPECT_EQ(entry.txtBank.text(), QString());
        EXPECT_EQ(entry.lvwInvoice.count(), 0);
        EXPECT_EQ(entry.cboCurrency.text(), "USD");
    });
    EXPECT_EQ(recorder.messageTexts().count(QStringLiteral("Related details will be deleted. Do you want to continue?")), 2);
}

TEST_F(EntryWindowTest, sameCustomerAgainAndAdvanceListNothingNew) {
    show([this](frmReceiptShop& entry) {
        forms::user::click(entry.optadvance);
        choose(entry, QStringLiteral("Ali"));
        EXPECT_EQ(entry.lvwInvoice.count(), 0);
        entry.txtBank.setText(QStringLiteral("BML"));
        choose(entry, QStringLiteral("Ali"));
        EXPECT_EQ(entry.txtBank.text(), "BML");
        EXPECT_TRUE(recorder.messages.empty());
    });
    EXPECT_EQ(recorder.messageTexts(), QStringList{QStringLiteral("Save Changes?")});
}

TEST_F(EntryWindowTest, aliasRenamesTheFirstTab) {
    database.execute(QStringLiteral("insert into apackagesettings (companyid, alias) values (1, 1)"));
    database.execute(QStringLiteral("insert into aalias (aliasid, Alias) values (1, 'Outlet')"));
    show([](frmReceiptShop& entry) { EXPECT_EQ(entry.sstbInvoices.tabCaption(0), "Outlet Invoices"); });
    EXPECT_TRUE(module::session().AliasEnabled);
}

TEST_F(EntryWindowTest, clearEntryLeavesOpeningInvoicesRatesAndCustomer) {
    show([](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        entry.lvwOpeningInvoices.addItem(QStringLiteral("1"));
        entry.txtrecamount.setText(QStringLiteral("5"));
        entry.ClearEntry();
        EXPECT_EQ(entry.lvwInvoice.count(), 0);
        EXPECT_EQ(entry.lvwOpeningInvoices.count(), 1);
        EXPECT_EQ(entry.txtrecamount.text(), QString());
        EXPECT_EQ(entry.cboCurrency.listIndex(), -1);
        EXPECT_EQ(entry.cboCustomer.listIndex(), 0);
    });
}

} // namespace
