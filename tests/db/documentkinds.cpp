// The kinds of shop documents and the module's statements over them.
#include "documentkinds.h"

namespace dbtest {

const QList<Kind>& documentKinds() {
    static const QList<Kind> kinds = {
        {"PCI", "losinvoiceheader",
         "ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate, ihcustomerid, ihnetamount",
         "posinvoiceid", "drdinvoiceid"},
        {"PSI", "losaccountsinvoiceheader",
         "aishopid, aiinvoiceid, aicompanyid, aiinvoiceno, aiinvoicedate, aicustomerid, ainetamount",
         "Posserviceinvoiceid", "drdserviceinvoiceid"},
        {"PDI", "losspecialinvoiceheader",
         "ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate, ihcustomerid, ihnetamount",
         "posspinvoiceid", "drdsplinvoiceid"},
        {"RBI", "losApartmentBillHeader",
         "abhshopid, abhBillID, abhcompanyid, abhBillNo, abhBillDate, abhcustomerid, abhnetamount",
         "RoomBillID", "drdRoomBillID"},
        {"UTB", "losTenantServiceBillHeader",
         "tbhshopid, tbhBillID, tbhcompanyid, tbhBillNo, tbhBillDate, tbhcustomerid, tbhnetamount",
         "UtilityBillID", "drdUtilityBillID"},
        {"SBI", "losserviceinvheader",
         "serinvhshopid, serinvhid, serinvhcompanyid, serinvno, serinvhdate, serinvhcustomerid, "
         "serinvhnetamount",
         "Posserviceinvoiceid", "drdbookserinvoiceid"},
        {"FINE", "afineheader",
         "fhshopid, fhfineid, fhcompanyid, fhfineno, fhfinedate, fhcustomerid, fhamount", "fineid",
         "drdfineid"},
        {"fandb", "losPosFandBHeader",
         "poshShopID, poshBillID, poshCompanyID, poshBillNo, poshBillDate, poshCustomerID, poshNetAmount",
         "fandbInvoiceID", "drdfandbInvoiceID"},
    };
    return kinds;
}

Kind kindOfCode(const QString& code) {
    for (const Kind& kind : documentKinds())
        if (kind.code == code) return kind;
    return {code, QString(), QString(),
            "coalesce(hqAccountsInvoiceID,posaccountsInvoiceID,posinvoiceid,posspinvoiceid,"
            "Posserviceinvoiceid,dcnid,"
            "phpaymentid,losdcnid,posexportid,RoomBillID,UtilityBillID,fineid,AccInvoiceID)",
            "coalesce(drdinvoiceid,drdsplinvoiceid,drdserviceinvoiceid,drdbookserinvoiceid,drddcnid,"
            "drdUtilityBillID,"
            "drdRoomBillID,drdFineid,drdaccInvoiceID)"};
}

QString shopDocumentsQuery(int shop, int customer) {
    return QString(" Select invoiceId ihInvoiceId, invoiceno ihInvoiceno, invoicedate ") +
           " ihinvoicedate, invoiceamt - settled Amount, shopid ihShopId, type, ihRemarks from " +
           " vwTotalInvoiceReceiptAmount vw left join losInvoiceHeader ih " +
           " on vw.Type='PCI' and vw.shopid=ih.ihShopId and vw.invoiceid=ih.ihInvoiceId " +
           " where Type not in ('PAYMENT', 'RE', 'HQI', 'SDEBIT', 'HDEBIT') and " +
           " invoiceamt > settled and shopid = " + QString::number(shop) +
           " and CUstomerId = " + QString::number(customer) + " Order by InvoiceId, shopid";
}

QString receiptsSettledQuery(const Kind& kind, int document, int shop, int company) {
    QString id = QString::number(document), shopText = QString::number(shop);
    return QString("select isnull(sum(drdsettledamount),0) as amt ") +
           " from losdummyreceiptdetail rd,losdummyreceiptheader rh where " +
           " rd.drdid = rh.drid and rh.drcancelled = 0 and rd.drdshopid= rh.drshopid" + " and " +
           kind.receiptColumn + "=" + id + " and  rd.drdshopid=" + shopText +
           " and  rh.drid not in(select rh.dummyreceiptid from receiptvoucherdetails rd,receiptvoucherheader "
           "rh "
           "where rd.companyid = " +
           QString::number(company) + " and " +
           " rd.receiptid = rh.receiptid and rd.companyid = rh.companyid and cancelled = 0 " + " and " +
           kind.paymentColumn + "= " + id + " and rd.shopid=" + shopText + "  )";
}

} // namespace dbtest
