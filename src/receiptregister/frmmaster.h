// The receipt register: the shop's receipts of the date window, sorting, search and commands.
#pragma once

#include "entry/receipt.h"
#include "platform/forms/combobox.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/textcontrols.h"
#include "shared/session.h"

#include <QDateTime>
#include <vector>

namespace receiptregister {

class FrmMaster : public forms::Form, public shared::RegisterWindow {
public:
    FrmMaster();

    // Controls, named as the window layout names them.
    forms::PictureBox Picture1;
    forms::Grid flexMaster;
    forms::Frame fraBrowse;
    forms::ComboBox cboColNames;
    forms::OptionButton optAscend;
    forms::OptionButton optDescend;
    forms::Label lblsearch;
    forms::ComboBox cboSearch;
    forms::TextBox txtsearch;
    forms::CommandButton cmdnew;
    forms::CommandButton CmdEdit;
    forms::CommandButton CmdDelete;
    forms::CommandButton cmdUpdate;
    forms::CommandButton cmdPrint;
    forms::CommandButton CmdClose;

    // Values other windows read or write.
    ado::ConnectionPtr connection;
    QString strGridQuery;
    QString strGridTable;
    QString CancellationReason;
    QString RightsText;
    QDateTime DateBound;

    ado::ConnectionPtr& adocon() override { return connection; }
    forms::Grid& grid() override { return flexMaster; }
    const QString& gridQuery() const override { return strGridQuery; }
    std::pair<QDate, QDate> listedDates() const override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyPress(int& keyAscii) override;

    void GridPopulate(const QString& sqlText, const QString& tableName);
    void UserRights();
    bool fnUserRights(const QString& letter);
    QDateTime fnPopulateDate();

    void flexMaster_EnterCell();
    void flexMaster_SelChange();

    // Commands on the current row.
    void CmdEdit_Click();
    void CmdDelete_Click();
    void cmdUpdate_Click();
    void cmdPrint_Click();

private:
    void layOutControls();
    void wireEvents();
    void createSessionServices();
    void loadRegister();
    bool counterCheckFails();
    void FormatColumns(const QString& tableName, std::vector<int>& lengths);
    void fillHeaders(const QString& tableName, std::vector<int>& lengths, int& headerRows);
    void widenColumns(const std::vector<int>& lengths, int headerRows);
    void selectLastRow();
    // The focus in the list: the arrow keys move in it, and Enter presses no button.
    void returnToList();
    void enterCell();
    void sortOnChosenColumn();
    bool searchGrid();
    bool deleteAllowedByDate() const;

    void cboColNames_Click();
    void txtsearch_KeyUp(int& keyCode, int shift);
    void flexMaster_DblClick();
    void flexMaster_KeyDown(int& keyCode, int shift);
    void flexMaster_KeyPress(int& keyAscii);
    void flexMaster_MouseMove(int button, int shift, float x, float y);
    void cmdnew_Click();
    void CmdClose_Click();

    bool firstActivation_ = false;
    // The days the register looks back, as the date bound was worked out; it looks as far ahead.
    entry::ReceiptDates receiptDates_;
    // Whether the user has a rights row for the receipt screen.
    bool rightsRestricted_ = false;
};

} // namespace receiptregister
