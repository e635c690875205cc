// placeholder until Post Ledgers and Print land
#include "frmmaster.h"
namespace receipts {
void FrmMaster::cmdUpdate_Click() {}
void FrmMaster::cmdPrint_Click() {}
} // namespace receipts
