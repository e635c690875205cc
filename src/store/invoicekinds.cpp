// The catalogue of invoice kinds.
#include "invoicekinds.h"

#include <QStringList>

namespace store {

const std::vector<InvoiceKind>& invoiceKinds() {
    static const std::vector<InvoiceKind> kinds = {
        {"Opening Invoice", "Opening Invoice", "drdaccinvoiceid", "", "hqaccountsinvoiceid", "AccountsInvoiceHeader",
         "companyid", "invoiceid", "invoiceno", "invoicedate"},
        {"Sales Invoice", "Sales Invoice", "drdinvoiceid", "PCI", "posinvoiceid", "losinvoiceheader", "ihshopid",
         "ihinvoiceid", "ihinvoiceno", "ihinvoicedate"},
        {"Service Invoice", "Service Invoice", "drdserviceinvoiceid", "PSI", "Posserviceinvoiceid",
         "losaccountsinvoiceheader", "aishopid", "aiinvoiceid", "aiinvoiceno", "aiinvoicedate"},
        {"Special Invoice", "Special Invoice", "drdsplinvoiceid", "PDI", "posspinvoiceid", "losspecialinvoiceheader",
         "ihshopid", "ihinvoiceid", "ihinvoiceno", "ihinvoicedate"},
        {"Room Bill", "Room Bill", "drdRoomBillID", "RBI", "RoomBillID", "losApartmentBillHeader", "abhshopid",
         "abhBillID", "abhBillNo", "abhBillDate"},
        {"Utility Bill", "Utility Bill", "drdUtilityBillID", "UTB", "UtilityBillID", "losTenantServiceBillHeader",
         "tbhshopid", "tbhBillID", "tbhBillNo", "tbhBillDate"},
        {"Book Service Invoice", "Book Service Invoice", "drdbookserinvoiceid", "SBI", "Posserviceinvoiceid",
         "losserviceinvheader", "serinvhshopid", "serinvhid", "serinvno", "serinvhdate"},
        {"Fine", "Fine", "drdfineid", "FINE", "fineid", "afineheader", "fhshopid", "fhfineid", "fhfineno", ""},
        {"FandB", "FandB Invoice", "drdfandbInvoiceID", "fandb", "fandbInvoiceID", "losPosFandBHeader", "poshShopID",
         "poshBillID", "poshBillNo", "poshBillDate"},
    };
    return kinds;
}

std::optional<InvoiceKind> kindOfText(const QString& kindText) {
    for (const InvoiceKind& kind : invoiceKinds())
        if (kind.kindText == kindText) return kind;
    return std::nullopt;
}

std::optional<InvoiceKind> kindOfViewType(const QString& viewType) {
    for (const InvoiceKind& kind : invoiceKinds())
        if (!kind.viewType.isEmpty() && kind.viewType == viewType) return kind;
    return std::nullopt;
}

bool isUnlistedViewType(const QString& viewType) {
    static const QStringList unlisted = {"PAYMENT", "RE", "HQI", "SDEBIT", "HDEBIT"};
    return unlisted.contains(viewType);
}

} // namespace store
