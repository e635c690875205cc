// The catalogue of invoice kinds.
#include "invoicekinds.h"

namespace store {

namespace {

// The look-ups of the shop kinds differ only in their blanks and in what they show; each keeps the text
// its kind has always run.
const char* const ShopLookup = "select :number, :date from :table where :shop = :scope and :id = :document";
const char* const ShopBillLookup =
    "select :number, :date from :table where :shop = :scope and :id= :document";

} // namespace

const std::vector<InvoiceKind>& invoiceKinds() {
    static const std::vector<InvoiceKind> kinds = {
        {.kindText = "Opening Invoice",
         .storedKindText = "Opening Invoice",
         .detailColumn = "drdaccinvoiceid",
         .headOfficeColumn = "hqaccountsinvoiceid",
         .sourceTable = "AccountsInvoiceHeader",
         .shopColumn = "companyid",
         .idColumn = "invoiceid",
         .numberColumn = "invoiceno",
         .dateColumn = "invoicedate",
         .referenceColumn = "Referenceno",
         .companyWide = true,
         .lookupStatement = "select :id,:number,:date, :reference from  :table where  :id = :document  and "
                            "cashinvoice = 0 and :shop = :scope  and FinancialID=0"},
        {.kindText = "Sales Invoice",
         .storedKindText = "Sales Invoice",
         .detailColumn = "drdinvoiceid",
         .viewType = "PCI",
         .headOfficeColumn = "posinvoiceid",
         .sourceTable = "losinvoiceheader",
         .shopColumn = "ihshopid",
         .idColumn = "ihinvoiceid",
         .numberColumn = "ihinvoiceno",
         .dateColumn = "ihinvoicedate",
         .remarksColumn = "ihRemarks",
         .lookupStatement = "select :number, :date,:remarks from :table where ihtype='I' and :shop = :scope "
                            "and :id = :document"},
        {.kindText = "Service Invoice",
         .storedKindText = "Service Invoice",
         .detailColumn = "drdserviceinvoiceid",
         .viewType = "PSI",
         .headOfficeColumn = "Posserviceinvoiceid",
         .sourceTable = "losaccountsinvoiceheader",
         .shopColumn = "aishopid",
         .idColumn = "aiinvoiceid",
         .numberColumn = "aiinvoiceno",
         .dateColumn = "aiinvoicedate",
         .lookupStatement = ShopLookup},
        {.kindText = "Special Invoice",
         .storedKindText = "Special Invoice",
         .detailColumn = "drdsplinvoiceid",
         .viewType = "PDI",
         .headOfficeColumn = "posspinvoiceid",
         .sourceTable = "losspecialinvoiceheader",
         .shopColumn = "ihshopid",
         .idColumn = "ihinvoiceid",
         .numberColumn = "ihinvoiceno",
         .dateColumn = "ihinvoicedate",
         .lookupStatement = ShopLookup},
        {.kindText = "Room Bill",
         .storedKindText = "Room Bill",
         .detailColumn = "drdRoomBillID",
         .viewType = "RBI",
         .headOfficeColumn = "RoomBillID",
         .sourceTable = "losApartmentBillHeader",
         .shopColumn = "abhshopid",
         .idColumn = "abhBillID",
         .numberColumn = "abhBillNo",
         .dateColumn = "abhBillDate",
         .lookupStatement = ShopBillLookup},
        {.kindText = "Utility Bill",
         .storedKindText = "Utility Bill",
         .detailColumn = "drdUtilityBillID",
         .viewType = "UTB",
         .headOfficeColumn = "UtilityBillID",
         .sourceTable = "losTenantServiceBillHeader",
         .shopColumn = "tbhshopid",
         .idColumn = "tbhBillID",
         .numberColumn = "tbhBillNo",
         .dateColumn = "tbhBillDate",
         .lookupStatement = ShopBillLookup},
        {.kindText = "Book Service Invoice",
         .storedKindText = "Book Service Invoice",
         .detailColumn = "drdbookserinvoiceid",
         .viewType = "SBI",
         .headOfficeColumn = "Posserviceinvoiceid",
         .sourceTable = "losserviceinvheader",
         .shopColumn = "serinvhshopid",
         .idColumn = "serinvhid",
         .numberColumn = "serinvno",
         .dateColumn = "serinvhdate",
         .lookupStatement = ShopBillLookup},
        {.kindText = "Fine",
         .storedKindText = "Fine",
         .detailColumn = "drdfineid",
         .viewType = "FINE",
         .headOfficeColumn = "fineid",
         .sourceTable = "afineheader",
         .shopColumn = "fhshopid",
         .idColumn = "fhfineid",
         .numberColumn = "fhfineno",
         .lookupStatement = "select :number from :table where :shop = :scope and :id= :document"},
        {.kindText = "FandB",
         .storedKindText = "FandB Invoice",
         .detailColumn = "drdfandbInvoiceID",
         .viewType = "fandb",
         .headOfficeColumn = "fandbInvoiceID",
         .sourceTable = "losPosFandBHeader",
         .shopColumn = "poshShopID",
         .idColumn = "poshBillID",
         .numberColumn = "poshBillNo",
         .dateColumn = "poshBillDate",
         .lookupStatement = "select :number,:date from :table where :shop = :scope and :id= :document"},
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

// Tested first, the opening invoices head the catalogue.
const InvoiceKind& openingInvoiceKind() {
    return invoiceKinds().front();
}

} // namespace store
