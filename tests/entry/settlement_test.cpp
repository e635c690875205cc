// Settling a receipt against the listed documents: the settle dialog, the options, the amounts and the popup.
#include "entry/frminvoiceentry.h"
#include "entry/frmreceiptshop.h"
#include "module/clsreceiptsshop.h"
#include "module/session.h"
#include "module/windows.h"
#include "platform/forms/userinput.h"
#include "register/frmmaster.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"
#include "support/testsession.h"

#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

using forms::MsgResult;
using receipts::frmInvoiceEntry;
using receipts::frmReceiptShop;
namespace user = forms::user;

// Ali (MVR) owes three sales invoices and two opening invoices; Hawwa (USD) only an opening invoice.
// A dollar sells at a quarter of the rufiyaa's rate, so ten dollars are forty rufiyaa.
const char* const Rows[] = {
    "insert into acurrencymaster (currencyid, currencyname, symbol, companyid) values (1, 'MVR', 'Rf', 1), "
    "(2, 'USD', '$', 1)",
    "insert into acompanymaster (companyid, CurrencyID) values (1, 1)",
    "insert into adepartmentMaster (DepartmentID, CompanyID, depcurrencyid) values (1, 1, 1)",
    "insert into aSettings (CompanyID, CashGroupID) values (1, 1)",
    "insert into ExchangeRate (ExchangeID, CompanyID) values (1, 1)",
    "insert into ExchangeRateDetail (CompanyID, ExchangeID, CurrencyID, SellingRate) values (1, 1, 1, 1), "
    "(1, 1, 2, 0.25)",
    "insert into ashops (shopid, companyid, departmentid, miscsettings13) values (1, 1, 1, 'ab')",
    "insert into acustomermaster (customerid, CompanyID, customername, CurrencyID, Active) values "
    "(3, 1, 'Ali', 1, 1), (4, 1, 'Hawwa', 2, 1)",
    "insert into ashopcustomerdetails (shopid, customerid) values (1, 3), (1, 4)",
    "insert into losinvoiceheader (ihshopid, ihinvoiceid, ihtype, ihinvoiceno, ihinvoicedate, ihcustomerid, "
    "ihcompanyid, ihnetamount) values (1, 10, 'I', 'INV-10', '20261201', 3, 1, 100), "
    "(1, 11, 'I', 'INV-11', '20261202', 3, 1, 1250.5), (1, 12, 'I', 'INV-12', '20261203', 3, 1, 40)",
    "insert into AccountsInvoiceHeader (companyid, invoiceid, invoiceno, invoicedate, customerid, "
    "departmentid, "
    "FinancialID, discount, dueperiod, Referenceno) values (1, 31, 'OP-31', '20261101', 3, 1, 0, 10, 30, "
    "'REF-9'), "
    "(1, 32, 'OP-32', '20261102', 3, 1, 0, 0, 30, 'REF-10'), (1, 33, 'OP-33', '20261103', 4, 1, 0, 0, 30, "
    "'REF-11')",
    "insert into serviceinvoicedetails (companyid, invoiceid, serviceline, servicename, serviceqty, amount) "
    "values "
    "(1, 31, 1, 'Rent', 2, 45), (1, 32, 1, 'Rent', 1, 60), (1, 33, 1, 'Rent', 1, 75)",
};

class SettlementTest : public ::testing::Test {
protected:
    void SetUp() override {
        module::session() = module::Session();
        for (const char* sql : Rows)
            database.execute(QString::fromLatin1(sql));
        testing_support::prepareComponent(component, database.connection());
        recorder.backend.onModal = [this](forms::Form& form) { onModal(form); };
    }

    // The register opens the entry window with New; the entry window may open the settle dialog.
    void onModal(forms::Form& form) {
        if (auto* master = dynamic_cast<receipts::FrmMaster*>(&form)) {
            user::click(master->cmdnew);
            master->unload();
        } else if (auto* dialog = dynamic_cast<frmInvoiceEntry*>(&form)) {
            ++dialogRuns;
            EXPECT_EQ(dialog->owner(), &module::windows().get<frmReceiptShop>());
            if (inDialog) inDialog(*dialog);
            if (dialog->isShown()) {
                ADD_FAILURE() << "the settle dialog stayed open";
                dialog->unload();
            }
        } else {
            auto& entry = dynamic_cast<frmReceiptShop&>(form);
            actInEntry(entry);
            // Whatever was settled is left unsaved.
            recorder.answers = {MsgResult::No};
            entry.unload();
        }
    }

    void show(std::function<void(frmReceiptShop&)> act) {
        actInEntry = std::move(act);
        component.Show();
    }

    void settle(forms::ListView& list, int row, std::function<void(frmInvoiceEntry&)> act) {
        inDialog = std::move(act);
        user::doubleClickItem(list, row);
    }

    static void choose(frmReceiptShop& entry, const QString& customer) {
        for (int i = 0; i < entry.cboCustomer.listCount(); ++i)
            if (entry.cboCustomer.list(i).startsWith(customer)) return user::select(entry.cboCustomer, i);
        FAIL() << "no customer " << qPrintable(customer);
    }

    static void confirm(frmInvoiceEntry& dialog, const QString& amount) {
        user::paste(dialog.txtSettleAmt, amount);
        user::click(dialog.cmdok);
    }

    static QString moveButtons(const frmInvoiceEntry& dialog) {
        QString states;
        for (const forms::CommandButton* button :
             {&dialog.cmdFirst, &dialog.cmdPrevious, &dialog.cmdNext, &dialog.cmdLast})
            states += button->enabled() ? QLatin1Char('1') : QLatin1Char('0');
        return states;
    }

    testing_support::TestDatabase database;
    testing_support::RecordingBackend recorder;
    module::clsReceiptsShop component;
    std::function<void(frmReceiptShop&)> actInEntry;
    std::function<void(frmInvoiceEntry&)> inDialog;
    int dialogRuns = 0;
};

TEST_F(SettlementTest, doubleClickOpensTheDialogOnTheShopRowWithItsCells) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        settle(entry.lvwInvoice, 2, [&](frmInvoiceEntry& dialog) {
            EXPECT_EQ(dialog.caption(), "Invoice Details");
            EXPECT_EQ(dialog.txtInvType.text(), "Sales Invoice");
            EXPECT_EQ(dialog.txtInvNo.text(), "INV-11");
            EXPECT_EQ(dialog.txtAmount.text(), "1250.50");
            EXPECT_EQ(dialog.txtSettleAmt.text(), "0.00");
            EXPECT_EQ(dialog.adocon(), entry.adocon());
            EXPECT_EQ(module::session().SettleListKind, "ShopInvoice");
            EXPECT_EQ(entry.CurrentInvoiceIndex, 2);
            EXPECT_EQ(moveButtons(dialog), "1111");
            EXPECT_EQ(dialog.tag(), "Loaded");
            ASSERT_TRUE(dialog.txtSettleAmt.hasFocus());
            EXPECT_EQ(dialog.txtSettleAmt.selLength(), 4);
            user::paste(dialog.txtSettleAmt, QStringLiteral("9"));
            user::click(dialog.cmdCancel);
            EXPECT_EQ(dialog.tag(), QString());
        });
        EXPECT_EQ(dialogRuns, 1);
        EXPECT_EQ(entry.lvwInvoice.cell(2, 5), "0.00");
        EXPECT_EQ(entry.txtAmount.text(), QString());
    });
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(SettlementTest, openingRowShowsItsReferenceNumberAndItsOwnColumns) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        ASSERT_EQ(entry.lvwOpeningInvoices.count(), 2);
        settle(entry.lvwOpeningInvoices, 1, [&](frmInvoiceEntry& dialog) {
            EXPECT_EQ(dialog.txtInvType.text(), "Opening Invoice");
            EXPECT_EQ(dialog.txtInvNo.text(), "REF-9");
            EXPECT_EQ(dialog.txtAmount.text(), "80.00");
            EXPECT_EQ(module::session().SettleListKind, "OpeningInvoice");
            confirm(dialog, QStringLiteral("80"));
            user::click(dialog.cmdCancel);
        });
        EXPECT_EQ(entry.lvwOpeningInvoices.cell(1, 6), "80.00");
        EXPECT_EQ(entry.lvwInvoice.cell(1, 5), "0.00");
    });
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(SettlementTest, rowsOfAReceiptThatCannotBeSavedDoNotOpenTheDialog) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        entry.cmdok.setEnabled(false);
        settle(entry.lvwInvoice, 1, {});
        settle(entry.lvwOpeningInvoices, 1, {});
        user::pressKey(entry.lvwInvoice, forms::keys::Enter);
        EXPECT_EQ(dialogRuns, 0);
        EXPECT_FALSE(module::windows().get<frmInvoiceEntry>().isLoaded());
        EXPECT_TRUE(recorder.messages.empty());
    });
}

TEST_F(SettlementTest, enterInTheShopListAndF10OpenTheDialogButEnterInTheOpeningListDoesNot) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        inDialog = [](frmInvoiceEntry& dialog) { user::click(dialog.cmdCancel); };
        user::clickItem(entry.lvwInvoice, 3);
        user::pressKey(entry.lvwInvoice, forms::keys::Enter);
        EXPECT_EQ(dialogRuns, 1);
        EXPECT_EQ(entry.CurrentInvoiceIndex, 3);
        user::pressKey(entry.txtBank, forms::keys::F10);
        EXPECT_EQ(dialogRuns, 2);
        user::clickItem(entry.lvwOpeningInvoices, 1);
        user::pressKey(entry.lvwOpeningInvoices, forms::keys::Enter);
        EXPECT_EQ(dialogRuns, 2);
    });
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(SettlementTest, settleAmountUpToTheBillIsAcceptedAndACentMoreRefused) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        settle(entry.lvwInvoice, 3, [&](frmInvoiceEntry& dialog) {
            confirm(dialog, QStringLiteral("40.01"));
            ASSERT_EQ(recorder.messages.size(), 1u);
            EXPECT_EQ(recorder.messages[0].text, "Settling Amount cannot be greater than Bill Amount");
            EXPECT_EQ(recorder.messages[0].icon, forms::MsgIcon::Information);
            EXPECT_EQ(recorder.messages[0].buttons, forms::MsgButtons::OK);
            EXPECT_EQ(recorder.messages[0].title, "Shop");
            EXPECT_TRUE(dialog.isShown());
            EXPECT_TRUE(dialog.txtSettleAmt.hasFocus());
            EXPECT_EQ(entry.lvwInvoice.cell(3, 5), "0.00");
            confirm(dialog, QStringLiteral("40"));
            EXPECT_FALSE(dialog.isShown());
        });
        EXPECT_EQ(entry.lvwInvoice.cell(3, 5), "40.00");
        EXPECT_EQ(entry.txtAmount.text(), "40.00");
        EXPECT_EQ(recorder.messages.size(), 1u);
    });
}

TEST_F(SettlementTest, okMovesToTheNextRowUntilTheLastWhichCloses) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        settle(entry.lvwInvoice, 1, [&](frmInvoiceEntry& dialog) {
            confirm(dialog, QStringLiteral("5"));
            ASSERT_TRUE(dialog.isShown());
            EXPECT_EQ(entry.CurrentInvoiceIndex, 2);
            EXPECT_EQ(entry.lvwInvoice.selectedItem(), 2);
            EXPECT_EQ(dialog.txtInvNo.text(), "INV-11");
            EXPECT_EQ(dialog.txtAmount.text(), "1250.50");
            EXPECT_TRUE(dialog.txtSettleAmt.hasFocus());
            EXPECT_EQ(moveButtons(dialog), "1111");
            confirm(dialog, QStringLiteral("1250.5"));
            EXPECT_EQ(dialog.txtInvNo.text(), "INV-12");
            EXPECT_EQ(moveButtons(dialog), "1100");
            confirm(dialog, QString());
            EXPECT_FALSE(dialog.isShown());
        });
        EXPECT_EQ(dialogRuns, 1);
        EXPECT_EQ(entry.lvwInvoice.cell(1, 5), "5.00");
        EXPECT_EQ(entry.lvwInvoice.cell(2, 5), "1250.50");
        EXPECT_EQ(entry.lvwInvoice.cell(3, 5), "0.00");
    });
}

TEST_F(SettlementTest, emptySettleAmountReplacesAnEarlierOneWithZero) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        settle(entry.lvwInvoice, 1, [](frmInvoiceEntry& dialog) {
            confirm(dialog, QStringLiteral("12"));
            user::click(dialog.cmdPrevious);
            EXPECT_EQ(dialog.txtSettleAmt.text(), "12.00");
            confirm(dialog, QString());
            user::click(dialog.cmdCancel);
        });
        EXPECT_EQ(entry.lvwInvoice.cell(1, 5), "0.00");
        EXPECT_EQ(entry.txtAmount.text(), "0.00");
    });
}

TEST_F(SettlementTest, moveCommandsStepThroughTheRowsAndStopAtEitherEnd) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        settle(entry.lvwInvoice, 2, [&](frmInvoiceEntry& dialog) {
            user::click(dialog.cmdFirst);
            EXPECT_EQ(entry.CurrentInvoiceIndex, 1);
            EXPECT_EQ(dialog.txtInvNo.text(), "INV-10");
            EXPECT_EQ(moveButtons(dialog), "0011");
            dialog.txtSettleAmt.setText(QStringLiteral("7"));
            dialog.cmdPrevious_Click();
            EXPECT_EQ(entry.CurrentInvoiceIndex, 1);
            EXPECT_EQ(dialog.txtSettleAmt.text(), "7");
            EXPECT_EQ(moveButtons(dialog), "0011");
            user::click(dialog.cmdNext);
            EXPECT_EQ(dialog.txtInvNo.text(), "INV-11");
            EXPECT_EQ(moveButtons(dialog), "1111");
            user::click(dialog.cmdLast);
            EXPECT_EQ(entry.CurrentInvoiceIndex, 3);
            EXPECT_EQ(entry.lvwInvoice.selectedItem(), 3);
            EXPECT_EQ(moveButtons(dialog), "1100");
            dialog.cmdNext_Click();
            EXPECT_EQ(entry.CurrentInvoiceIndex, 3);
            EXPECT_EQ(dialog.txtInvNo.text(), "INV-12");
            user::click(dialog.cmdPrevious);
            EXPECT_EQ(dialog.txtInvNo.text(), "INV-11");
            EXPECT_EQ(moveButtons(dialog), "1111");
            user::click(dialog.cmdPrevious);
            EXPECT_EQ(moveButtons(dialog), "0011");
            user::click(dialog.cmdCancel);
        });
        EXPECT_EQ(entry.lvwInvoice.cell(1, 5), "0.00");
    });
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(SettlementTest, theOpeningListsOwnLengthEndsNextAndLast) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        ASSERT_EQ(entry.lvwInvoice.count(), 3);
        settle(entry.lvwOpeningInvoices, 1, [&](frmInvoiceEntry& dialog) {
            user::click(dialog.cmdNext);
            EXPECT_EQ(entry.CurrentInvoiceIndex, 2);
            EXPECT_EQ(dialog.txtInvNo.text(), "REF-10");
            EXPECT_EQ(moveButtons(dialog), "1100");
            user::click(dialog.cmdFirst);
            user::click(dialog.cmdLast);
            EXPECT_EQ(entry.CurrentInvoiceIndex, 2);
            EXPECT_EQ(entry.lvwOpeningInvoices.selectedItem(), 2);
            confirm(dialog, QStringLiteral("60"));
            EXPECT_FALSE(dialog.isShown());
        });
        EXPECT_EQ(entry.lvwOpeningInvoices.cell(2, 6), "60.00");
    });
}

TEST_F(SettlementTest, amountIsTheSumOfBothListsSettlements) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        settle(entry.lvwInvoice, 1, [](frmInvoiceEntry& dialog) {
            confirm(dialog, QStringLiteral("12.5"));
            user::click(dialog.cmdCancel);
        });
        EXPECT_EQ(entry.txtAmount.text(), "12.50");
        settle(entry.lvwOpeningInvoices, 1, [&](frmInvoiceEntry& dialog) {
            confirm(dialog, QStringLiteral("30"));
            EXPECT_EQ(entry.txtAmount.text(), "42.50");
            confirm(dialog, QStringLiteral("20.25"));
        });
        EXPECT_EQ(entry.txtAmount.text(), "62.75");
        settle(entry.lvwInvoice, 1, [](frmInvoiceEntry& dialog) {
            confirm(dialog, QStringLiteral("2"));
            user::click(dialog.cmdCancel);
        });
        EXPECT_EQ(entry.txtAmount.text(), "52.25");
    });
}

TEST_F(SettlementTest, confirmingAChangedRowMarksTheEntryChanged) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        settle(entry.lvwInvoice, 1, [](frmInvoiceEntry& dialog) { user::click(dialog.cmdCancel); });
        EXPECT_FALSE(module::session().EntryChanged);
        settle(entry.lvwInvoice, 1, [](frmInvoiceEntry& dialog) {
            confirm(dialog, QStringLiteral("3"));
            user::click(dialog.cmdCancel);
        });
        EXPECT_TRUE(module::session().EntryChanged);
    });
}

TEST_F(SettlementTest, settleAmountKeysAreFilteredAndEnterMovesToOk) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        settle(entry.lvwInvoice, 2, [](frmInvoiceEntry& dialog) {
            user::clear(dialog.txtSettleAmt);
            user::type(dialog.txtSettleAmt, QStringLiteral("12a.345"));
            EXPECT_EQ(dialog.txtSettleAmt.text(), "12.34");
            user::clear(dialog.txtSettleAmt);
            user::type(dialog.txtSettleAmt, QStringLiteral("1234567890123"));
            EXPECT_EQ(dialog.txtSettleAmt.text(), "123456789012");
            user::pressKey(dialog.txtSettleAmt, forms::keys::Enter);
            EXPECT_TRUE(dialog.cmdok.hasFocus());
            // A key press sees the text before its own key.
            dialog.cmdok.setEnabled(false);
            user::clear(dialog.txtSettleAmt);
            user::type(dialog.txtSettleAmt, QStringLiteral("5"));
            EXPECT_FALSE(dialog.cmdok.enabled());
            user::type(dialog.txtSettleAmt, QStringLiteral("0"));
            EXPECT_TRUE(dialog.cmdok.enabled());
            user::click(dialog.cmdCancel);
        });
    });
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(SettlementTest, amountFieldsShowFormattedToolTips) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        settle(entry.lvwInvoice, 2, [](frmInvoiceEntry& dialog) {
            user::hover(dialog.txtAmount);
            EXPECT_EQ(dialog.txtAmount.toolTipText(), "1,250.50");
            user::paste(dialog.txtSettleAmt, QStringLiteral("1000.125"));
            user::hover(dialog.txtSettleAmt);
            EXPECT_EQ(dialog.txtSettleAmt.toolTipText(), "1,000.125");
            user::click(dialog.cmdCancel);
        });
    });
}

TEST_F(SettlementTest, clickingAShopRowSetsToolTipsOnItsFilledCells) {
    show([](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        EXPECT_EQ(entry.lvwInvoice.cellToolTip(2, 4), QString());
        user::clickItem(entry.lvwInvoice, 2);
        EXPECT_EQ(entry.lvwInvoice.cellToolTip(2, 1), "Sales Invoice");
        EXPECT_EQ(entry.lvwInvoice.cellToolTip(2, 2), "INV-11");
        EXPECT_EQ(entry.lvwInvoice.cellToolTip(2, 3), "02/12/2026");
        EXPECT_EQ(entry.lvwInvoice.cellToolTip(2, 4), "1,250.50");
        EXPECT_EQ(entry.lvwInvoice.cellToolTip(2, 5), "0.00");
        EXPECT_EQ(entry.lvwInvoice.cellToolTip(2, 0), QString());
        EXPECT_EQ(entry.lvwInvoice.cellToolTip(1, 4), QString());
        entry.lvwInvoice.setCell(3, 2, QString());
        user::clickItem(entry.lvwInvoice, 3);
        EXPECT_EQ(entry.lvwInvoice.cellToolTip(3, 2), QString());
        EXPECT_EQ(entry.lvwInvoice.cellToolTip(3, 4), "40.00");
    });
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(SettlementTest, rightButtonPopsUpTheMenuWithPreviewOnlyForPreviewableKinds) {
    int popups = 0;
    recorder.backend.onPopup = [&](forms::Form&, forms::Menu& menu) {
        EXPECT_EQ(menu.name(), "mnuPopup");
        ++popups;
    };
    show([&](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        // A kind outside both groups (Fine, no kind at all) leaves Preview as the row before set it.
        const std::pair<const char*, bool> kinds[] = {{"Book Service Invoice", false},
                                                      {"Sales Invoice", true},
                                                      {"Room Bill", false},
                                                      {"Special Invoice", true},
                                                      {"Utility Bill", false},
                                                      {"Service Invoice", true},
                                                      {"Fine", true}};
        for (const auto& [kind, preview] : kinds) {
            entry.lvwInvoice.setCell(1, 1, QString::fromLatin1(kind));
            user::rightClickItem(entry.lvwInvoice, 1);
            EXPECT_EQ(entry.mnuPreview.enabled(), preview) << kind;
        }
        entry.lvwInvoice.setCell(1, 1, QStringLiteral("Room Bill"));
        user::rightClickItem(entry.lvwInvoice, 1);
        entry.lvwInvoice.setCell(1, 1, QString());
        user::rightClickItem(entry.lvwInvoice, 1);
        EXPECT_FALSE(entry.mnuPreview.enabled());
        EXPECT_EQ(popups, 9);
        user::clickItem(entry.lvwInvoice, 1);
        EXPECT_EQ(popups, 9);
    });
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(SettlementTest, advanceWithListedDocumentsAsksAndNoPutsSettlementBackWithoutAskingAgain) {
    recorder.answers = {MsgResult::No};
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        user::click(entry.optadvance);
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text, "Related details will be deleted. Do you want to continue?");
        EXPECT_EQ(recorder.messages[0].buttons, forms::MsgButtons::YesNo);
        EXPECT_EQ(recorder.messages[0].icon, forms::MsgIcon::Question);
        EXPECT_EQ(recorder.messages[0].defaultButton, 2);
        EXPECT_EQ(recorder.messages[0].title, "Shop");
        EXPECT_TRUE(entry.OptSettlement.value());
        EXPECT_FALSE(entry.optadvance.value());
        EXPECT_FALSE(entry.OptionGuard);
        EXPECT_EQ(entry.cboCustomer.listIndex(), 0);
        EXPECT_EQ(entry.lvwInvoice.count(), 3);
        EXPECT_TRUE(entry.txtAmount.enabled());
    });
}

TEST_F(SettlementTest, advanceAcceptedClearsTheCustomerAndTheShopList) {
    recorder.answers = {MsgResult::Yes};
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        user::paste(entry.txtBank, QStringLiteral("BML"));
        user::click(entry.optadvance);
        EXPECT_EQ(recorder.messages.size(), 1u);
        EXPECT_TRUE(entry.optadvance.value());
        EXPECT_EQ(entry.cboCustomer.listIndex(), -1);
        EXPECT_EQ(entry.PreviousCustomerIndex, -1);
        EXPECT_EQ(entry.lvwInvoice.count(), 0);
        EXPECT_EQ(entry.lvwOpeningInvoices.count(), 2);
        EXPECT_EQ(entry.txtBank.text(), QString());
        EXPECT_FALSE(entry.txtAmount.enabled());
    });
}

TEST_F(SettlementTest, advanceWithAnEmptyShopListClearsWithoutAskingEvenWithOpeningSettlements) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Hawwa"));
        ASSERT_EQ(entry.lvwInvoice.count(), 0);
        settle(entry.lvwOpeningInvoices, 1,
               [](frmInvoiceEntry& dialog) { confirm(dialog, QStringLiteral("75")); });
        EXPECT_EQ(entry.txtAmount.text(), "75.00");
        user::click(entry.optadvance);
        EXPECT_TRUE(recorder.messages.empty());
        EXPECT_EQ(entry.cboCustomer.listIndex(), -1);
        EXPECT_EQ(entry.txtAmount.text(), QString());
        EXPECT_EQ(entry.lvwOpeningInvoices.cell(1, 6), "75.00");
        EXPECT_FALSE(entry.txtAmount.enabled());
    });
}

TEST_F(SettlementTest, settlementWithACustomerAsksWithYesAsDefaultAndNoPutsAdvanceBack) {
    recorder.answers = {MsgResult::No, MsgResult::Yes};
    show([this](frmReceiptShop& entry) {
        user::click(entry.optadvance);
        choose(entry, QStringLiteral("Ali"));
        EXPECT_EQ(entry.lvwInvoice.count(), 0);
        user::click(entry.OptSettlement);
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text, "Related details will be deleted. Do you want to continue?");
        EXPECT_EQ(recorder.messages[0].defaultButton, 1);
        EXPECT_EQ(recorder.messages[0].icon, forms::MsgIcon::Question);
        EXPECT_TRUE(entry.optadvance.value());
        EXPECT_EQ(entry.cboCustomer.listIndex(), 0);
        user::click(entry.OptSettlement);
        EXPECT_EQ(recorder.messages.size(), 2u);
        EXPECT_TRUE(entry.OptSettlement.value());
        EXPECT_EQ(entry.cboCustomer.listIndex(), -1);
        choose(entry, QStringLiteral("Ali"));
        EXPECT_EQ(entry.lvwInvoice.count(), 3);
    });
}

TEST_F(SettlementTest, settlementWithoutCustomerOrAmountJustDisablesTheAmount) {
    show([this](frmReceiptShop& entry) {
        user::click(entry.optadvance);
        EXPECT_TRUE(recorder.messages.empty());
        entry.txtAmount.setEnabled(true);
        user::click(entry.OptSettlement);
        EXPECT_TRUE(recorder.messages.empty());
        EXPECT_FALSE(entry.txtAmount.enabled());
    });
}

TEST_F(SettlementTest, receivedAmountIsConvertedOnlyOnceCurrencyAndCustomerAreChosen) {
    show([](frmReceiptShop& entry) {
        user::type(entry.txtrecamount, QStringLiteral("10"));
        EXPECT_EQ(entry.txtCustEquAmount.text(), QString());
        user::select(entry.cboCurrency, 1);
        const QString beforeCustomer = entry.txtCustEquAmount.text();
        user::type(entry.txtrecamount, QStringLiteral("5"));
        EXPECT_EQ(entry.txtCustEquAmount.text(), beforeCustomer);
        choose(entry, QStringLiteral("Ali"));
        user::select(entry.cboCurrency, 1);
        user::type(entry.txtrecamount, QStringLiteral("10"));
        EXPECT_EQ(entry.txtCustEquAmount.text(), "40.00");
        user::select(entry.cboCurrency, 0);
        user::paste(entry.txtrecamount, QStringLiteral("0.125"));
        EXPECT_EQ(entry.txtCustEquAmount.text(), "0.12");
    });
}

TEST_F(SettlementTest, receivedAmountKeysAreFilteredAndEnterMovesOn) {
    show([](frmReceiptShop& entry) {
        user::type(entry.txtrecamount, QStringLiteral("1x2.345"));
        EXPECT_EQ(entry.txtrecamount.text(), "12.34");
        user::clear(entry.txtrecamount);
        user::type(entry.txtrecamount, QStringLiteral("12345678901234567890"));
        EXPECT_EQ(entry.txtrecamount.text(), "123456789012345678");
        user::pressKey(entry.txtrecamount, forms::keys::Enter);
        EXPECT_TRUE(entry.txtCustEquAmount.hasFocus());
    });
}

// The Qt view builds the dialog from its window file by control name.
TEST(SettleDialogLayout, windowFileHoldsAWidgetOfTheRightClassForEveryControl) {
    QFile file(QStringLiteral(":/forms/frmInvoiceEntry.ui"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QMap<QString, QString> widgetClasses;
    QString title;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == QLatin1String("widget"))
            widgetClasses.insert(xml.attributes().value(QLatin1String("name")).toString(),
                                 xml.attributes().value(QLatin1String("class")).toString());
        if (xml.name() == QLatin1String("property") &&
            xml.attributes().value(QLatin1String("name")) == QLatin1String("windowTitle")) {
            xml.readNextStartElement();
            title = xml.readElementText();
        }
    }
    const QMap<forms::ControlKind, QString> classOfKind = {
        {forms::ControlKind::Frame, "QGroupBox"},
        {forms::ControlKind::Label, "QLabel"},
        {forms::ControlKind::TextBox, "QLineEdit"},
        {forms::ControlKind::CommandButton, "QPushButton"}};
    frmInvoiceEntry dialog;
    EXPECT_EQ(title, dialog.caption());
    EXPECT_EQ(widgetClasses.value(dialog.name()), "QWidget");
    ASSERT_EQ(dialog.controls().size(), 15u);
    for (const forms::Control* control : dialog.controls())
        EXPECT_EQ(widgetClasses.value(control->name()), classOfKind.value(control->kind()))
            << control->name().toStdString();
}

} // namespace
