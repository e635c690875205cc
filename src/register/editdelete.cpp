// placeholder until Edit and Delete land
#include "frmmaster.h"
namespace receipts {
void FrmMaster::CmdEdit_Click() {}
void FrmMaster::CmdDelete_Click() {}
void FrmMaster::DisplayDetails() {}
} // namespace receipts
