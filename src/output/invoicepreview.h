// The report preview of an outstanding shop invoice: the report of its kind with its parameters.
#pragma once

#include "platform/ado/connection.h"
#include "platform/report/reportengine.h"

#include <QString>
#include <functional>
#include <memory>

namespace output {

class InvoicePreview {
public:
    // Looks the session's user up and logs the report engine on over the connection.
    explicit InvoicePreview(const ado::ConnectionPtr& connection);

    // Previews the report of the invoice's kind with its parameters; a kind without a report fails on
    // opening an unnamed file. The inventory rate is worked out only for a sales invoice, whose report
    // needs it. A report that finds no rows closes its preview again and says so.
    void show(const QString& kindText, const QString& invoiceId,
              const std::function<double()>& inventoryRate);

private:
    QString userName_;
    std::unique_ptr<report::ReportEngine> engine_;
};

} // namespace output
