// placeholder until the settlement handlers land
#include "frmreceiptshop.h"
namespace receipts {
void frmReceiptShop::wireSettlementEvents() {}
} // namespace receipts
