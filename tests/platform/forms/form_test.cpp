// Windows: load, modal show and activation, the close check, unload to the designed state, runtime services.
#include "formstestsupport.h"
#include "platform/forms/combobox.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/textcontrols.h"
#include "platform/forms/userinput.h"

using namespace forms;
using forms::test::BackendScope;
using forms::test::EventLog;
using forms::test::failure;

namespace {

// Logs its lifecycle handlers into a log shared between windows.
struct LifeForm : Form {
    LifeForm(const QString& name, EventLog& log) : Form(name, "Caption of " + name), log(log) {
        txtName.setText("designed");
        cboKind.addItem("designed item");
        flexList.setCols(3);
        saveDesign();
    }
    EventLog& log;
    int cancelQuery = 0;
    int cancelUnload = 0;
    int keptField = 0; // a window's own field: unloading leaves it alone
    std::function<void()> onLoad, onActivate;
    TextBox txtName{*this, "txtName"};
    ComboBox cboKind{*this, "cboKind"};
    OptionButton optOn{*this, "optOn"};
    Grid flexList{*this, "flexList"};

    void Form_Load() override {
        log.events << name() + ".Load";
        if (onLoad) onLoad();
    }
    void Form_Activate() override {
        log.events << name() + ".Activate";
        if (onActivate) onActivate();
    }
    void Form_QueryUnload(int& cancel, int mode) override {
        log.events << QString("%1.QueryUnload(%2)").arg(name()).arg(mode);
        cancel = cancelQuery;
    }
    void Form_Unload(int& cancel) override {
        log.events << name() + ".Unload";
        cancel = cancelUnload;
    }
};

} // namespace

TEST(FormLoad, runsFormLoadOnceAndTellsTheBackendFirst) {
    BackendScope backend;
    EventLog log;
    LifeForm form("frmA", log);
    backend.onLoaded = [&](Form& loaded) { log.events << "backend loaded " + loaded.name(); };
    form.load();
    form.load();
    EXPECT_EQ(log.text(), "backend loaded frmA frmA.Load");
    EXPECT_TRUE(form.isLoaded());
    EXPECT_FALSE(form.isShown());
}

TEST(FormUnload, ofAWindowThatIsNotLoadedDoesNothing) {
    EventLog log;
    LifeForm form("frmA", log);
    EXPECT_TRUE(form.unload());
    EXPECT_TRUE(log.events.isEmpty());
}

TEST(FormUnload, queryUnloadLearnsTheModeAndMayCancel) {
    EventLog log;
    LifeForm form("frmA", log);
    form.load();
    form.cancelQuery = 1;
    EXPECT_FALSE(form.unload());
    user::closeWindow(form);
    EXPECT_TRUE(form.isLoaded());
    form.cancelQuery = 0;
    form.cancelUnload = 1;
    EXPECT_FALSE(form.unload());
    EXPECT_TRUE(form.isLoaded());
    EXPECT_EQ(log.text(),
              "frmA.Load frmA.QueryUnload(1) frmA.QueryUnload(0) frmA.QueryUnload(1) frmA.Unload");
}

TEST(FormUnload, controlsReturnToTheirDesignedStateWhileFieldsSurvive) {
    BackendScope backend;
    EventLog log;
    LifeForm form("frmA", log);
    bool unloadedTold = false;
    backend.onUnloaded = [&](Form&) { unloadedTold = true; };
    form.load();
    form.txtName.setText("typed");
    form.txtName.setEnabled(false);
    form.cboKind.addItem("added");
    form.cboKind.setListIndex(1);
    form.optOn.setValue(true);
    form.flexList.setRows(10);
    form.flexList.setTextMatrix(5, 2, "cell");
    form.flexList.setColWidth(2, 0);
    form.setCaption("changed caption");
    form.keptField = 7;
    int changes = 0;
    form.txtName.Change = [&] { ++changes; };
    ASSERT_TRUE(form.unload());
    EXPECT_TRUE(unloadedTold);
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(form.txtName.text(), "designed");
    EXPECT_TRUE(form.txtName.enabled());
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(form.cboKind.listCount(), 1);
    EXPECT_EQ(form.cboKind.listIndex(), -1);
    EXPECT_FALSE(form.optOn.value());
    EXPECT_EQ(form.flexList.rows(), 2);
    EXPECT_EQ(form.flexList.cols(), 3);
    EXPECT_EQ(form.flexList.colWidth(2), 960);
    EXPECT_EQ(form.flexList.textMatrix(1, 2), "");
    EXPECT_EQ(form.caption(), "Caption of frmA");
    EXPECT_EQ(form.keptField, 7);
    form.load();
    EXPECT_EQ(log.events.count("frmA.Load"), 2);
}

TEST(FormShowModal, loadsActivatesRunsAndReturnsWhenUnloaded) {
    BackendScope backend;
    EventLog log;
    LifeForm form("frmA", log);
    backend.onModal = [&](Form& shown) {
        log.events << "running " + shown.name();
        EXPECT_TRUE(shown.isShown());
        EXPECT_EQ(Runtime::activeForm(), &shown);
        user::closeWindow(shown);
    };
    form.showModal();
    EXPECT_EQ(log.text(), "frmA.Load frmA.Activate running frmA frmA.QueryUnload(0) frmA.Unload");
    EXPECT_EQ(Runtime::activeForm(), nullptr);
    EXPECT_FALSE(form.isShown());
}

TEST(FormShowModal, ownerIsActivatedAgainAfterItsModalChildCloses) {
    BackendScope backend;
    EventLog log;
    LifeForm owner("frmOwner", log);
    LifeForm child("frmChild", log);
    backend.onModal = [&](Form& shown) {
        if (&shown == &owner) {
            child.showModal(&owner);
            EXPECT_EQ(child.owner(), nullptr); // cleared by the unload
            owner.unload();
        } else {
            EXPECT_EQ(shown.owner(), &owner);
            shown.unload();
        }
    };
    owner.showModal();
    EXPECT_EQ(log.text(),
              "frmOwner.Load frmOwner.Activate frmChild.Load frmChild.Activate frmChild.QueryUnload(1) "
              "frmChild.Unload frmOwner.Activate frmOwner.QueryUnload(1) frmOwner.Unload");
}

TEST(FormShowModal, aWindowClosedWhileActivatingIsNotRun) {
    BackendScope backend;
    EventLog log;
    LifeForm form("frmA", log);
    form.onActivate = [&] { form.unload(); };
    backend.onModal = [&](Form&) { log.events << "ran"; };
    form.showModal();
    EXPECT_FALSE(log.events.contains("ran"));
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(Runtime::activeForm(), nullptr);
}

TEST(FormShowModal, aWindowClosedWhileLoadingIsNotShown) {
    BackendScope backend;
    EventLog log;
    LifeForm form("frmA", log);
    form.onLoad = [&] { form.unload(); };
    backend.onModal = [&](Form&) { log.events << "ran"; };
    form.showModal();
    EXPECT_EQ(log.text(), "frmA.Load frmA.QueryUnload(1) frmA.Unload");
}

TEST(FormShowModal, headlessWithoutADriverFailsAndLeavesNoModalWindow) {
    BackendScope backend;
    EventLog log;
    LifeForm form("frmA", log);
    EXPECT_EQ(failure([&] { form.showModal(); }), "window frmA stays open: nothing acts on it");
    EXPECT_EQ(Runtime::activeForm(), nullptr);
    backend.onModal = [](Form&) {};
    form.unload();
    EXPECT_EQ(failure([&] { form.showModal(); }), "window frmA is still open");
}

TEST(FormShowModal, aShownWindowCannotBeShownAgain) {
    BackendScope backend;
    EventLog log;
    LifeForm form("frmA", log);
    QString error;
    backend.onModal = [&](Form& shown) {
        error = failure([&] { shown.showModal(); }, 400);
        shown.unload();
    };
    form.showModal();
    EXPECT_EQ(error, "Form already displayed; can't show modally");
}

TEST(FormControls, foundByNameWithoutRegardToCase) {
    EventLog log;
    LifeForm form("frmA", log);
    EXPECT_EQ(form.findControl("TXTNAME"), &form.txtName);
    EXPECT_EQ(form.findControl("missing"), nullptr);
    {
        TextBox temporary(form, "txtTemporary");
        temporary.setFocus();
        EXPECT_EQ(form.activeControl(), &temporary);
    }
    EXPECT_EQ(form.findControl("txtTemporary"), nullptr);
    EXPECT_EQ(form.activeControl(), nullptr);
}

TEST(MessageBox, emptyTitleIsTheApplicationNameAndDefaultsAnswer) {
    BackendScope backend;
    Runtime::setApplicationName("Receipts");
    MessageBoxRequest seen;
    backend.onMessage = [&](const MessageBoxRequest& request) {
        seen = request;
        return request.defaultResult();
    };
    EXPECT_EQ(Runtime::msgBox("Sure?", MsgButtons::YesNo, MsgIcon::Question, "", 2), MsgResult::No);
    EXPECT_EQ(seen.title, "Receipts");
    EXPECT_EQ(seen.text, "Sure?");
    EXPECT_EQ(seen.icon, MsgIcon::Question);
    Runtime::msgBox("Saved", MsgButtons::OK, MsgIcon::Information, "Shop");
    EXPECT_EQ(seen.title, "Shop");
    backend.onMessage = nullptr;
    EXPECT_EQ(Runtime::msgBox("Go on?", MsgButtons::YesNoCancel, MsgIcon::None, "", 3), MsgResult::Cancel);
    EXPECT_EQ(Runtime::msgBox("Go on?", MsgButtons::OKCancel, MsgIcon::None, "", 3), MsgResult::OK);
}

TEST(HourglassPointer, nestedPointersTellTheBackendOnlyAtTheOuterEdges) {
    struct BusyBackend : BackendScope {
        QList<bool> changes;
        void busyChanged(bool busy) override { changes << busy; }
    } backend;
    EXPECT_FALSE(HourglassPointer::busy());
    {
        HourglassPointer outer;
        {
            HourglassPointer inner;
            EXPECT_TRUE(HourglassPointer::busy());
        }
        EXPECT_TRUE(HourglassPointer::busy());
    }
    EXPECT_FALSE(HourglassPointer::busy());
    EXPECT_EQ(backend.changes, QList<bool>({true, false}));
}

TEST(Runtime, withoutABackendUsesAHeadlessOne) {
    Runtime::setBackend(nullptr);
    EXPECT_NE(dynamic_cast<HeadlessBackend*>(&Runtime::backend()), nullptr);
    EXPECT_EQ(Runtime::msgBox("Delete?", MsgButtons::YesNo, MsgIcon::Question, "", 2), MsgResult::No);
}
