// Filling the register grid, its column layout, sorting and search.
#include "frmmaster.h"

#include "platform/core/conversions.h"
#include "platform/core/decimalnumber.h"
#include "platform/forms/runtime.h"
#include "shared/reporterror.h"
#include "store/receiptregister.h"

namespace receiptregister {

using shared::session;

namespace {
constexpr int TwipsPerCharacter = 130;
constexpr int SpareWidthMargin = 315;

// Whether two texts start with the same number, as the screen writes numbers, compared on its decimal
// digits.
bool sameLeadingNumber(const QString& first, const QString& second) {
    const core::DecimalNumber a = core::DecimalNumber::fromDouble(core::leadingNumber(first));
    const core::DecimalNumber b = core::DecimalNumber::fromDouble(core::leadingNumber(second));
    return a.digits() == b.digits() && a.decimalExponent() == b.decimalExponent() &&
           a.isNegative() == b.isNegative();
}
} // namespace

void FrmMaster::GridPopulate(const QString& sqlText, const QString& tableName) {
    flexMaster.clear();
    flexMaster.setFixedRows(1);
    flexMaster.setFixedCols(0);
    flexMaster.setColWidth(0, 960);
    flexMaster.setCols(1);
    flexMaster.setRows(1);
    std::vector<int> lengths;
    fillRows(sqlText, lengths);
    // An empty register shows one blank row.
    if (flexMaster.rows() == 1) flexMaster.setRows(2);
    FormatColumns(tableName, lengths);
    flexMaster.setColWidth(0, 0);
    flexMaster.setColWidth(2, 2500);
}

void FrmMaster::fillRows(const QString& sqlText, std::vector<int>& lengths) {
    store::readListing(
        connection_, sqlText,
        [&](int columns) {
            flexMaster.setCols(columns);
            lengths.assign(columns, 0);
        },
        [&](const std::vector<QStringView>& cells) {
            flexMaster.addRow(cells);
            for (int i = 0; i < int(cells.size()); ++i)
                lengths[i] = std::max(lengths[i], int(cells[i].size()));
        });
}

void FrmMaster::FormatColumns(const QString& tableName, std::vector<int>& lengths) {
    cboColNames.clear();
    cboSearch.clear();
    int headerRows = 0;
    fillHeaders(tableName, lengths, headerRows);
    widenColumns(lengths, headerRows);
    auto gridSetting = suite::Factory::create<suite::ClsMasterGridSetting>(suite::progid::MasterGridSetting);
    gridSetting->fnGridSettings(core::toInt16(session().userId), core::toInt16(session().companyId),
                                flexMaster, connection_);
    flexMaster.setRow(flexMaster.rows() - 1);
    flexMaster.setTopRow(flexMaster.row());
}

// Header texts from atablecolumns: the first row (the hidden id) is skipped.
void FrmMaster::fillHeaders(const QString& tableName, std::vector<int>& lengths, int& headerRows) {
    const QStringList headers = store::columnHeaders(connection_, tableName);
    headerRows = int(headers.size());
    for (int column = 1; column < headerRows; ++column) {
        const QString& header = headers[column];
        if (column < flexMaster.cols()) flexMaster.setTextMatrix(0, column, header);
        for (forms::ComboBox* combo : {&cboColNames, &cboSearch}) {
            combo->addItem(header);
            combo->setItemData(combo->newIndex(), column);
        }
        if (column < int(lengths.size())) lengths[column] = std::max(lengths[column], int(header.size()));
    }
}

void FrmMaster::widenColumns(const std::vector<int>& lengths, int headerRows) {
    for (int column = 0; column < headerRows && column < flexMaster.cols(); ++column) {
        const int wanted = (column < int(lengths.size()) ? lengths[column] : 0) * TwipsPerCharacter;
        if (wanted > flexMaster.colWidth(column)) flexMaster.setColWidth(column, wanted);
    }
    int total = 0;
    for (int column = 0; column < flexMaster.cols(); ++column)
        total += flexMaster.colWidth(column);
    const int spare = flexMaster.width() - total - SpareWidthMargin;
    if (spare > 0) {
        const int share = int(core::roundHalfEven(double(spare) / flexMaster.cols(), 0));
        for (int column = 0; column < flexMaster.cols(); ++column)
            flexMaster.setColWidth(column, flexMaster.colWidth(column) + share);
    }
}

void FrmMaster::cboColNames_Click() {
    shared::trapped(name(), QStringLiteral("cboColNames_Click"), [this] { sortOnChosenColumn(); });
}

void FrmMaster::sortOnChosenColumn() {
    forms::HourglassPointer hourglass;
    if (cboColNames.listIndex() == -1) return;
    const bool byDate = cboColNames.text().contains(QStringLiteral("date"), Qt::CaseInsensitive);
    const int column = byDate ? 0 : cboColNames.itemData(cboColNames.listIndex());
    flexMaster.setCol(column);
    flexMaster.setColSel(column);
    const bool numeric = core::isNumeric(flexMaster.textMatrix(flexMaster.row(), column));
    const bool ascending = optAscend.value();
    if (numeric)
        flexMaster.sort(ascending ? forms::SortGenericAscending : forms::SortGenericDescending);
    else
        flexMaster.sort(ascending ? forms::SortStringAscending : forms::SortStringDescending);
}

void FrmMaster::txtsearch_KeyUp(int& keyCode, int shift) {
    shared::trapped(name(), QStringLiteral("txtsearch_KeyUp"), [this] {
        const bool searched = cboSearch.listIndex() != -1 && !core::trimBlanks(txtsearch.text()).isEmpty();
        // A search that finds nothing says so: the text turns to the error colour.
        txtsearch.setForeColor(searched && !searchGrid() ? forms::ColorRed : forms::SystemWindowText);
        flexMaster_EnterCell();
    });
}

// The grid is sorted on the search column as the search compares, numbers by value and texts without regard
// to case, so that the first row whose cell starts with the typed text is the first match; false when there
// is none.
bool FrmMaster::searchGrid() {
    const int column = cboSearch.itemData(cboSearch.listIndex());
    flexMaster.setCol(column);
    flexMaster.setColSel(column);
    const QString typed = txtsearch.text();
    const QString sought = core::trimBlanks(typed);
    const bool numeric = core::isNumeric(flexMaster.textMatrix(flexMaster.rows() / 2, column));
    flexMaster.sort(numeric ? forms::SortNumericAscending : forms::SortStringNoCaseAscending);
    for (int row = 1; row < flexMaster.rows(); ++row) {
        const QString cell = core::trimBlanks(flexMaster.textMatrix(row, column)).left(typed.size());
        const bool match =
            numeric ? sameLeadingNumber(cell, sought) : cell.compare(sought, Qt::CaseInsensitive) == 0;
        if (!match) continue;
        flexMaster.setRow(row);
        flexMaster.setCol(0);
        flexMaster.setColSel(flexMaster.cols() - 1);
        flexMaster.setTopRow(row);
        return true;
    }
    return false;
}

} // namespace receiptregister
