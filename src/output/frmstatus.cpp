// The posting window: its wait message and the ledger posting procedure it runs when it becomes active.
#include "frmstatus.h"

#include "platform/ado/command.h"
#include "platform/ado/transaction.h"
#include "platform/core/runtimeerror.h"
#include "shared/reporterror.h"
#include "shared/session.h"

namespace output {

namespace {
const QString FormName = QStringLiteral("frmStatus");
const QString PostingProcedure = QStringLiteral("spUpdateLedgersPOSReceipts");
} // namespace

frmStatus::frmStatus()
    : Form(FormName, QStringLiteral("Posting Entries")), imgPost(*this, QStringLiteral("imgPost")),
      lblStatus(*this, QStringLiteral("lblStatus")) {
    layOutControls();
    saveDesign();
}

void frmStatus::layOutControls() {
    setSize(5400, 1500);
    imgPost.setPicture(QStringLiteral("information"));
    lblStatus.setCaption(QStringLiteral("Posting Ledgers may take few minutes. Please Wait..."));
}

void frmStatus::Form_Load() {
    shared::trapped(name(), QStringLiteral("Form_Load"), [this] {
        shared::Session& s = shared::session();
        if (!s.formColor) throw core::RuntimeError::of(core::err::ObjectNotSet);
        s.formColor->Applyformcolor(*this);
    });
}

void frmStatus::Form_Activate() {
    shared::trapped(name(), QStringLiteral("Form_Activate"), [this] { updateledgers(); });
}

// The procedure decides which receipts it posts; the window only hands it the company and shop.
void frmStatus::updateledgers() {
    shared::trapped(name(), QStringLiteral("updateledgers "), [this] {
        const shared::Session& s = shared::session();
        const ado::ConnectionPtr connection = shared::registerConnection();
        ado::Transaction transaction(connection);
        ado::Command command;
        command.setActiveConnection(connection);
        command.setCommandType(ado::CommandType::StoredProcedure);
        command.setCommandText(PostingProcedure);
        command.appendParameter(s.companyId);
        command.appendParameter(s.shopId);
        command.execute();
        transaction.commit();
        unload();
    });
}

} // namespace output
