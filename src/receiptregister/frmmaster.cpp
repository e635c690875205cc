// The register window: layout, loading, activation and the counter check, keyboard and mouse.
#include "frmmaster.h"

#include "entry/entrycommands.h"
#include "platform/core/conversions.h"
#include "platform/forms/runtime.h"
#include "platform/forms/userinput.h"
#include "shared/filecode.h"
#include "shared/formhelpers.h"
#include "shared/reporterror.h"
#include "shared/windows.h"
#include "store/receiptregister.h"
#include "store/shopdatabasecheck.h"

namespace receiptregister {

using shared::session;
using shared::trapped;

namespace {
constexpr int GridWidthTwips = 13200;
} // namespace

FrmMaster::FrmMaster()
    : Form(shared::RegisterWindowName, QStringLiteral("Receipts")),
      Picture1(*this, QStringLiteral("Picture1")), flexMaster(*this, QStringLiteral("flexMaster")),
      fraBrowse(*this, QStringLiteral("fraBrowse")),
      cboColNames(*this, QStringLiteral("cboColNames"), &fraBrowse),
      optAscend(*this, QStringLiteral("optAscend"), &fraBrowse),
      optDescend(*this, QStringLiteral("optDescend"), &fraBrowse),
      lblsearch(*this, QStringLiteral("lblsearch")), cboSearch(*this, QStringLiteral("cboSearch")),
      txtsearch(*this, QStringLiteral("txtsearch")), cmdnew(*this, QStringLiteral("cmdnew"), &Picture1),
      CmdEdit(*this, QStringLiteral("CmdEdit"), &Picture1),
      CmdDelete(*this, QStringLiteral("CmdDelete"), &Picture1),
      cmdUpdate(*this, QStringLiteral("cmdUpdate"), &Picture1),
      cmdPrint(*this, QStringLiteral("cmdPrint"), &Picture1),
      cmdExport(*this, QStringLiteral("cmdExport"), &Picture1),
      CmdClose(*this, QStringLiteral("CmdClose"), &Picture1) {
    layOutControls();
    wireEvents();
    saveDesign();
}

void FrmMaster::layOutControls() {
    setKeyPreview(true);
    // A command that disables its own button leaves the focus on the grid, not on the next command.
    setFocusHome(&flexMaster);
    setSize(13500, 9000);
    fraBrowse.setCaption(QStringLiteral("Browse"));
    optAscend.setCaption(QStringLiteral("Ascending"));
    optAscend.setValue(true);
    optDescend.setCaption(QStringLiteral("Descending"));
    lblsearch.setCaption(QStringLiteral("&Search On:"));
    cmdnew.setCaption(QStringLiteral("&New"));
    CmdEdit.setCaption(QStringLiteral("&Edit"));
    CmdDelete.setCaption(QStringLiteral("&Delete"));
    cmdUpdate.setCaption(QStringLiteral("&Post Ledgers"));
    cmdPrint.setCaption(QStringLiteral("&Print"));
    cmdExport.setCaption(QStringLiteral("E&xport"));
    CmdClose.setCaption(QStringLiteral("&Close"));
    flexMaster.setWidth(GridWidthTwips);
    int tab = 0;
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &cboColNames, &optAscend, &optDescend, &cboSearch, &txtsearch, &flexMaster, &cmdnew, &CmdEdit,
             &CmdDelete, &cmdUpdate, &cmdPrint, &cmdExport, &CmdClose})
        control->setTabIndex(tab++);
}

void FrmMaster::wireEvents() {
    cboColNames.Click = [this] { cboColNames_Click(); };
    optAscend.Click = [this] { cboColNames.setListIndex(-1); };
    optDescend.Click = [this] { cboColNames.setListIndex(-1); };
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &cboColNames, &cboSearch, &optAscend, &optDescend, &txtsearch})
        control->KeyPress = [](int& keyAscii) { shared::SendTabOnEnter(keyAscii); };
    txtsearch.KeyUp = [this](int& keyCode, int shift) { txtsearch_KeyUp(keyCode, shift); };
    flexMaster.EnterCell = [this] { flexMaster_EnterCell(); };
    flexMaster.SelChange = [this] { flexMaster_SelChange(); };
    flexMaster.DblClick = [this] { flexMaster_DblClick(); };
    flexMaster.KeyDown = [this](int& keyCode, int shift) { flexMaster_KeyDown(keyCode, shift); };
    flexMaster.KeyPress = [this](int& keyAscii) { flexMaster_KeyPress(keyAscii); };
    flexMaster.MouseMove = [this](int button, int shift, float x, float y) {
        flexMaster_MouseMove(button, shift, x, y);
    };
    cmdnew.Click = [this] { cmdnew_Click(); };
    CmdEdit.Click = [this] { CmdEdit_Click(); };
    CmdDelete.Click = [this] { CmdDelete_Click(); };
    cmdUpdate.Click = [this] { cmdUpdate_Click(); };
    cmdPrint.Click = [this] { cmdPrint_Click(); };
    cmdExport.Click = [this] { cmdExport_Click(); };
    CmdClose.Click = [this] { CmdClose_Click(); };
}

// A register whose database could not be read offers Close only: the error already said why.
void FrmMaster::Form_Load() {
    createSessionServices();
    if (!trapped(name(), QStringLiteral("Form_Load "), [this] { loadRegister(); })) {
        for (forms::CommandButton* command :
             {&cmdnew, &CmdEdit, &CmdDelete, &cmdUpdate, &cmdPrint, &cmdExport})
            command->setEnabled(false);
    }
}

// The suite's services the commands use, made before the first read so that none is missing when it fails.
void FrmMaster::createSessionServices() {
    shared::Session& s = session();
    s.registerWindow = this;
    if (connection_) connection_->setWaitingSign([] { return std::make_shared<forms::HourglassPointer>(); });
    s.commonDb = suite::Factory::create<suite::ClsCommonDb>(suite::progid::CommonDb);
    s.commonDb->adocon = connection_;
    s.commonGen = suite::Factory::create<suite::ClsCommonGen>(suite::progid::CommonGen);
    s.formColor = suite::Factory::create<suite::ClsFormcolor>(suite::progid::FormColor);
    s.formColor->adocon = connection_;
    s.userAuditing = suite::Factory::create<suite::ClsUserAuditing>(suite::progid::UserAuditing);
    s.userAuditing->OpenObject(connection_, s.companyId, s.shopId, s.userId, shared::ReceiptInterfaceId,
                               QDateTime::currentDateTime());
}

store::RegisterLookups registerLookups() {
    const shared::Session& s = shared::session();
    return store::RegisterLookups(*s.commonDb, s.shopId);
}

void FrmMaster::loadRegister() {
    shared::Session& s = session();
    store::checkShopDatabase(connection_);
    rights_.reset();
    s.formColor->Applyformcolor(*this);
    if (registerLookups().countersLogIn()) s.CounterLoginEnabled = true;
    const QDateTime dateBound = fnPopulateDate();
    strGridQuery_ = store::registerListing(dateBound, s.shopId);
    GridPopulate(strGridQuery_, store::RegisterTable);
    UserRights();
    if (flexMaster.textMatrix(1, 1).isEmpty()) {
        CmdEdit.setEnabled(false);
        CmdDelete.setEnabled(false);
        cmdUpdate.setEnabled(false);
    }
    shared::MarkCancelledRows();
    selectRow(flexMaster.rows() - 1);
    flexMaster_SelChange();
    // The register opens with the arrow keys moving in the list.
    returnToList();
    firstActivation_ = true;
}

void FrmMaster::selectRow(int row) {
    flexMaster.setRow(row);
    flexMaster.setTopRow(row);
    flexMaster.setCol(0);
    flexMaster.setColSel(flexMaster.cols() - 1);
}

void FrmMaster::Form_Activate() {
    trapped(name(), QStringLiteral("Form_Activate"), [this] {
        if (firstActivation_) {
            firstActivation_ = false;
            if (session().CounterLoginEnabled && counterCheckFails()) {
                forms::Runtime::msgBox(
                    QStringLiteral("Default counter in the settings file not valid. Can not "
                                   "continue."),
                    forms::MsgButtons::OK, forms::MsgIcon::Critical);
                unload();
                return;
            }
        }
        flexMaster_EnterCell();
    });
}

bool FrmMaster::counterCheckFails() {
    shared::Session& s = session();
    s.CounterId = core::toInt32(
        core::val(shared::FileCode(QStringLiteral("DefaultCounter"), shared::settingsFilePath())));
    return registerLookups().counterName(s.CounterId).isEmpty();
}

void FrmMaster::Form_KeyPress(int& keyAscii) {
    trapped(name(), QStringLiteral("Form_KeyPress"), [&] {
        if (keyAscii == forms::keys::CtrlD) {
            flexMaster.setEnabled(true);
            flexMaster.setFocus();
        } else if (keyAscii == forms::keys::CtrlEnter && cmdnew.enabled()) {
            cmdnew_Click();
        }
    });
}

void FrmMaster::flexMaster_DblClick() {
    trapped(name(), QStringLiteral("flexMaster_DblClick"), [this] {
        if (CmdEdit.enabled()) CmdEdit_Click();
    });
}

void FrmMaster::flexMaster_KeyDown(int& keyCode, int shift) {
    trapped(name(), QStringLiteral("flexMaster_KeyDown"), [&] {
        if (keyCode == forms::keys::Delete && CmdDelete.enabled()) CmdDelete_Click();
    });
}

void FrmMaster::flexMaster_KeyPress(int& keyAscii) {
    trapped(name(), QStringLiteral("flexMaster_KeyPress"), [&] {
        if (keyAscii == forms::keys::Enter && CmdEdit.enabled() && !flexMaster.textMatrix(1, 0).isEmpty())
            CmdEdit_Click();
    });
}

void FrmMaster::flexMaster_MouseMove(int button, int shift, float x, float y) {
    flexMaster.setToolTipText(flexMaster.textMatrix(flexMaster.mouseRow(), flexMaster.mouseCol()));
}

void FrmMaster::cmdnew_Click() {
    trapped(name(), QStringLiteral("cmdNew_Click"), [this] {
        session().EntryMode = QStringLiteral("N");
        session().userAuditing->LoggedTime = QDateTime::currentDateTime();
        entry::enterNewReceipt(connection_, *this);
        flexMaster_SelChange();
        returnToList();
    });
}

void FrmMaster::returnToList() {
    if (flexMaster.canFocus()) flexMaster.setFocus();
}

void FrmMaster::CmdClose_Click() {
    unload();
}

} // namespace receiptregister
