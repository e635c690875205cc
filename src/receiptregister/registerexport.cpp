// Export: the rows the register shows, in the order shown, to a comma-separated file of the user's choice.
#include "frmmaster.h"

#include "platform/core/conversions.h"
#include "platform/core/csv.h"
#include "platform/core/money.h"
#include "platform/forms/runtime.h"
#include "platform/forms/tablecopy.h"
#include "platform/os/outputfile.h"
#include "shared/registergrid.h"
#include "shared/reporterror.h"

namespace receiptregister {

namespace {

const forms::SaveFileRequest ExportChooser{QStringLiteral("Export the register"),
                                           QStringLiteral("receipts.csv"),
                                           QStringLiteral("CSV files (*.csv)")};

// A shown amount as the file writes it, exactly: a point and two decimals, whatever the locale.
QString exportedAmount(QString shown) {
    shown.replace(core::regional().decimalPoint, u'.');
    return core::ExactAmount::of(QVariant(shown)).rounded().text();
}

// A cell as the file writes it: the receipt's date as yyyy-mm-dd and its amount with a point and two
// decimals; every other cell as the register shows it.
QString exportedCell(int column, const QString& shown) {
    if (shown.isEmpty()) return shown;
    if (column == shared::gridcol::ReceiptDate)
        return core::toDateTime(shown).date().toString(QStringLiteral("yyyy-MM-dd"));
    if (column == shared::gridcol::Amount) return exportedAmount(shown);
    return shown;
}

// The header line, then a line for each receipt listed; an empty register writes the header alone.
void writeRows(const forms::Grid& grid, os::OutputFile& file) {
    const QList<int> columns = forms::shownColumns(grid);
    QStringList headers;
    for (int column : columns)
        headers << grid.textMatrix(0, column);
    file.writeLine(core::csvRecord(headers));
    for (int row = grid.fixedRows(); row < grid.rows(); ++row) {
        if (grid.textMatrix(row, shared::gridcol::ReceiptId).isEmpty()) continue;
        QStringList cells;
        for (int column : columns)
            cells << exportedCell(column, grid.textMatrix(row, column));
        file.writeLine(core::csvRecord(cells));
    }
}

} // namespace

void FrmMaster::cmdExport_Click() {
    shared::trapped(name(), QStringLiteral("cmdExport_Click"), [this] {
        const std::optional<QString> path = forms::Runtime::backend().saveFileName(ExportChooser);
        if (!path) return;
        os::OutputFile file(*path, QStringConverter::Utf8);
        writeRows(flexMaster, file);
        file.close();
    });
}

} // namespace receiptregister
