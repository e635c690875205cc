// placeholder until the save lands
#include "frmreceiptshop.h"
namespace receipts {
void frmReceiptShop::wireSavingEvents() {}
void frmReceiptShop::Form_QueryUnload(int& cancel, int unloadMode) {}
} // namespace receipts
