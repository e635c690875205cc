// Filling the register grid, its column layout, sorting and search.
#include "frmmaster.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/decimalnumber.h"
#include "platform/core/statement.h"
#include "platform/forms/runtime.h"
#include "shared/reporterror.h"

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
const char* const HeadersStatement =
    "select tc.columnheader,tc.columnname from atables t,atablecolumns tc where t.tableid = tc.tableid and "
    "tablename =':table'";
} // namespace

void FrmMaster::GridPopulate(const QString& sqlText, const QString& tableName) {
    flexMaster.clear();
    flexMaster.setFixedRows(1);
    flexMaster.setFixedCols(0);
    flexMaster.setColWidth(0, 960);
    flexMaster.setCols(1);
    flexMaster.setRows(2);
    ado::Recordset rs;
    rs.open(sqlText, connection, ado::CursorType::Keyset, ado::LockType::Optimistic);
    const int fields = rs.fieldCount();
    flexMaster.setCols(fields);
    std::vector<int> lengths(fields, 0);
    // A text the same as the one above it (a yes or no, the date of a day's receipts) is kept once for
    // both cells: a long register takes less memory, and reading a column down stays in the cache.
    std::vector<QString> above(fields);
    for (int row = 1; !rs.eof(); rs.moveNext(), ++row) {
        if (row > 1) flexMaster.setRows(row + 1);
        for (int i = 0; i < fields; ++i) {
            QString text = core::trimBlanks(core::nullAsEmpty(rs.field(i)));
            if (text == above[i])
                text = above[i];
            else
                above[i] = text;
            flexMaster.setTextMatrix(row, i, text);
            lengths[i] = std::max(lengths[i], int(text.size()));
        }
    }
    FormatColumns(tableName, lengths);
    flexMaster.setColWidth(0, 0);
    flexMaster.setColWidth(2, 2500);
    rs.close();
}

void FrmMaster::FormatColumns(const QString& tableName, std::vector<int>& lengths) {
    cboColNames.clear();
    cboSearch.clear();
    int headerRows = 0;
    fillHeaders(tableName, lengths, headerRows);
    widenColumns(lengths, headerRows);
    auto gridSetting = suite::Factory::create<suite::ClsMasterGridSetting>(suite::progid::MasterGridSetting);
    gridSetting->fnGridSettings(core::toInt16(session().userId), core::toInt16(session().companyId),
                                flexMaster, connection);
    flexMaster.setRow(flexMaster.rows() - 1);
    flexMaster.setTopRow(flexMaster.row());
}

// Header texts from atablecolumns: the first row (the hidden id) is skipped.
void FrmMaster::fillHeaders(const QString& tableName, std::vector<int>& lengths, int& headerRows) {
    ado::Recordset rs;
    rs.open(core::statement(HeadersStatement, {{"table", tableName}}), connection);
    headerRows = int(rs.recordCount());
    if (!rs.eof()) rs.moveNext();
    for (int column = 1; !rs.eof(); rs.moveNext(), ++column) {
        const QString header = core::nullAsEmpty(rs.field(QStringLiteral("columnheader")));
        if (column < flexMaster.cols()) flexMaster.setTextMatrix(0, column, header);
        for (forms::ComboBox* combo : {&cboColNames, &cboSearch}) {
            combo->addItem(header);
            combo->setItemData(combo->newIndex(), column);
        }
        if (column < int(lengths.size())) lengths[column] = std::max(lengths[column], int(header.size()));
    }
    rs.close();
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
