// The receipt register: the shop's receipts of the date window, sorting, search and commands.
#pragma once

#include "entry/receipt.h"
#include "platform/forms/combobox.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/textcontrols.h"
#include "shared/session.h"
#include "store/registerlookups.h"

#include <QDateTime>
#include <optional>
#include <vector>

namespace receiptregister {

// The register's look-ups in the session's shop.
store::RegisterLookups registerLookups();

class FrmMaster : public forms::Form, public shared::RegisterWindow {
public:
    FrmMaster();

    // The connection the register and the windows it opens work on, handed over before it is shown.
    void setConnection(const ado::ConnectionPtr& connection) { connection_ = connection; }

    ado::ConnectionPtr& adocon() override { return connection_; }
    forms::Grid& grid() override { return flexMaster; }
    const QString& gridQuery() const override { return strGridQuery_; }
    std::pair<QDate, QDate> listedDates() const override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyPress(int& keyAscii) override;

private:
    void layOutControls();
    void wireEvents();
    void createSessionServices();
    void loadRegister();
    bool counterCheckFails();

    void GridPopulate(const QString& sqlText, const QString& tableName);
    void fillRows(const QString& sqlText, std::vector<int>& lengths);
    void FormatColumns(const QString& tableName, std::vector<int>& lengths);
    void fillHeaders(const QString& tableName, std::vector<int>& lengths, int& headerRows);
    void widenColumns(const std::vector<int>& lengths, int headerRows);
    // The focus in the list: the arrow keys move in it, and Enter presses no button.
    void returnToList();
    void sortOnChosenColumn();
    bool searchGrid();

    void UserRights();
    bool fnUserRights(const QString& letter);
    QDateTime fnPopulateDate();
    void enterCell();
    bool deleteAllowedByDate() const;
    // Selects the row again from its first to its last column, as after loading.
    void selectRow(int row);

    void flexMaster_EnterCell();
    void flexMaster_SelChange();
    void cboColNames_Click();
    void txtsearch_KeyUp(int& keyCode, int shift);
    void flexMaster_DblClick();
    void flexMaster_KeyDown(int& keyCode, int shift);
    void flexMaster_KeyPress(int& keyAscii);
    void flexMaster_MouseMove(int button, int shift, float x, float y);

    // Commands on the current row.
    void cmdnew_Click();
    void CmdEdit_Click();
    void CmdDelete_Click();
    void cmdUpdate_Click();
    void cmdPrint_Click();
    void cmdExport_Click();
    void CmdClose_Click();

    // Controls, named as the window layout names them: tests and scenarios find them by these names.
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
    forms::CommandButton cmdExport;
    forms::CommandButton CmdClose;

    ado::ConnectionPtr connection_;
    // The listing the grid was last filled with.
    QString strGridQuery_;
    // The letters of the user's rights on the receipt screen; nothing when the user has no rights row for it,
    // and is not restricted.
    std::optional<QString> rights_;
    bool firstActivation_ = false;
    // The days the register looks back, as the date bound was worked out; it looks as far ahead.
    entry::ReceiptDates receiptDates_;
};

} // namespace receiptregister
