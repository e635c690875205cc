// The test window's layout, contents and logging handlers.
#include "testform.h"

namespace qttest {

TestForm::TestForm(int dataRows)
    : forms::Form(QStringLiteral("TestForm"), QStringLiteral("Test window")),
      lblTitle(*this, QStringLiteral("lblTitle")), txtName(*this, QStringLiteral("txtName")),
      cmdOk(*this, QStringLiteral("cmdOk")), cboKind(*this, QStringLiteral("cboKind")),
      fraOptions(*this, QStringLiteral("fraOptions")),
      optFirst(*this, QStringLiteral("optFirst"), &fraOptions),
      optSecond(*this, QStringLiteral("optSecond"), &fraOptions), flexList(*this, QStringLiteral("flexList")),
      lstItems(*this, QStringLiteral("lstItems")), dtpDate(*this, QStringLiteral("dtpDate")),
      tabPages(*this, QStringLiteral("tabPages")), picButtons(*this, QStringLiteral("picButtons")),
      cmdCancel(*this, QStringLiteral("cmdCancel"), &picButtons),
      mnuPopup(*this, QStringLiteral("mnuPopup"), QStringLiteral("Popup")),
      mnuOpen(*this, QStringLiteral("mnuOpen"), QStringLiteral("&Open"), &mnuPopup),
      mnuSeparator(*this, QStringLiteral("mnuSeparator"), QStringLiteral("-"), &mnuPopup),
      mnuDelete(*this, QStringLiteral("mnuDelete"), QStringLiteral("&Delete"), &mnuPopup) {
    lblTitle.setCaption(QStringLiteral("Customer"));
    txtName.setText(QStringLiteral("Anna"));
    cmdOk.setCaption(QStringLiteral("&OK"));
    cmdCancel.setCaption(QStringLiteral("Cancel"));
    for (int index = 0; index < int(controls().size()); ++index)
        controls()[index]->setTabIndex(index);
    for (const char* kind : {"Cash", "Cheque", "Card"})
        cboKind.addItem(QLatin1String(kind));
    fraOptions.setCaption(QStringLiteral("Order"));
    optFirst.setCaption(QStringLiteral("First"));
    optSecond.setCaption(QStringLiteral("Second"));
    lstItems.addColumn(QStringLiteral("Invoice"), 1500);
    lstItems.addColumn(QStringLiteral("Amount"), 1200, forms::Alignment::Right);
    tabPages.addTab(QStringLiteral("General"));
    tabPages.addTab(QStringLiteral("Details"));
    dtpDate.setValue(QDate(2024, 3, 5));
    fillGrid(dataRows);
    saveDesign();
    connectHandlers();
}

void TestForm::fillGrid(int dataRows) {
    flexList.setCols(GridCols);
    flexList.setRows(dataRows + 1);
    for (int col = 0; col < GridCols; ++col)
        flexList.setTextMatrix(0, col, QStringLiteral("Head %1").arg(col));
    flexList.setColWidth(0, 300);
    flexList.setColWidth(GridCols - 1, 0);
    for (int row = 1; row <= dataRows; ++row) {
        flexList.setTextMatrix(row, 1, QStringLiteral("R%1").arg(row));
        flexList.setTextMatrix(row, 2, QString::number(row * 10));
    }
    for (int row : {1, 7, dataRows}) {
        flexList.setRow(row);
        flexList.setCol(1);
        flexList.setCellForeColor(forms::ColorRed);
    }
    flexList.setRow(1);
    flexList.setCol(1);
}

void TestForm::connectHandlers() {
    txtName.KeyDown = [this](int& keyCode, int) { log << QStringLiteral("txtName_KeyDown %1").arg(keyCode); };
    txtName.KeyPress = [this](int& keyAscii) {
        log << QStringLiteral("txtName_KeyPress %1").arg(keyAscii);
        if (swallowed.contains(QChar(keyAscii))) keyAscii = 0;
    };
    txtName.Change = [this] { log << QStringLiteral("txtName_Change ") + txtName.text(); };
    txtName.GotFocus = [this] { log << QStringLiteral("txtName_GotFocus"); };
    cmdOk.Click = [this] { log << QStringLiteral("cmdOk_Click"); };
    cmdCancel.Click = [this] { log << QStringLiteral("cmdCancel_Click"); };
    cboKind.Click = [this] { log << QStringLiteral("cboKind_Click ") + cboKind.text(); };
    optFirst.Click = [this] { log << QStringLiteral("optFirst_Click"); };
    optSecond.Click = [this] { log << QStringLiteral("optSecond_Click"); };
    flexList.EnterCell = [this] {
        log << QStringLiteral("flexList_EnterCell %1 %2").arg(flexList.row()).arg(flexList.col());
    };
    flexList.Click = [this] { log << QStringLiteral("flexList_Click"); };
    flexList.DblClick = [this] { log << QStringLiteral("flexList_DblClick %1").arg(flexList.row()); };
    flexList.SelChange = [this] {
        log << QStringLiteral("flexList_SelChange %1 %2").arg(flexList.row()).arg(flexList.rowSel());
    };
    flexList.MouseUp = [this](int, int, float, float) {
        if (flexList.mouseRow() == 0)
            log << QStringLiteral("flexList_HeaderClick %1").arg(flexList.mouseCol());
    };
    flexList.MouseMove = [this](int, int, float, float) {
        flexList.setToolTipText(
            QStringLiteral("Cell %1,%2").arg(flexList.mouseRow()).arg(flexList.mouseCol()));
    };
    lstItems.ItemClick = [this](int item) { log << QStringLiteral("lstItems_ItemClick %1").arg(item); };
    lstItems.DblClick = [this] { log << QStringLiteral("lstItems_DblClick"); };
    lstItems.MouseUp = [this](int button, int, float, float) {
        if (button == forms::RightButton)
            log << QStringLiteral("lstItems_RightClick %1").arg(lstItems.selectedItem());
    };
    dtpDate.Change = [this] {
        log << QStringLiteral("dtpDate_Change ") + dtpDate.value().toString(Qt::ISODate);
    };
    tabPages.Click = [this] { log << QStringLiteral("tabPages_Click %1").arg(tabPages.currentTab()); };
    mnuOpen.Click = [this] { log << QStringLiteral("mnuOpen_Click"); };
    mnuDelete.Click = [this] { log << QStringLiteral("mnuDelete_Click"); };
}

void TestForm::Form_Load() {
    log << QStringLiteral("Form_Load");
}

void TestForm::Form_Activate() {
    log << QStringLiteral("Form_Activate");
}

void TestForm::Form_QueryUnload(int& cancel, int unloadMode) {
    log << QStringLiteral("Form_QueryUnload %1").arg(unloadMode);
    if (refuseClose) cancel = 1;
}

} // namespace qttest
