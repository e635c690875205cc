// The print dialog: its controls, the destination it opens with, and the paper frame of Windows Print.
#include "frmprint.h"

#include "module/filecode.h"
#include "module/reporterror.h"
#include "module/session.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"

namespace output {

namespace {

const QString FormName = QStringLiteral("frmPrint");

// The leading number of a setting, rounded to a whole number; no number (a missing key) gives 0.
qint16 numericSetting(const QString& key) {
    return rt::toInt16(rt::val(module::FileCode(key, module::settingsFilePath())));
}

} // namespace

frmPrint::frmPrint()
    : Form(FormName, QStringLiteral("Print")), fraPrint(*this, "fraPrint"),
      Picture1(*this, "Picture1", &fraPrint), optPrint(*this, "optPrint", &Picture1),
      optScreen(*this, "optScreen", &Picture1), Optwindowsprint(*this, "Optwindowsprint", &Picture1),
      fraPaersize(*this, "fraPaersize"), Picture2(*this, "Picture2", &fraPaersize),
      optA4(*this, "optA4", &Picture2), optA5(*this, "optA5", &Picture2), cmdOK(*this, "cmdOK"),
      cmdCancel(*this, "cmdCancel") {
    layOutControls();
    wireEvents();
    saveDesign();
}

void frmPrint::layOutControls() {
    setSize(4800, 3000);
    optPrint.setCaption(QStringLiteral("To Printer"));
    optScreen.setCaption(QStringLiteral("To Screen"));
    Optwindowsprint.setCaption(QStringLiteral("Windows Print"));
    fraPaersize.setCaption(QStringLiteral("Paper Size"));
    // The paper size only matters to Windows Print, which the dialog does not start with by design.
    fraPaersize.setVisible(false);
    optA4.setCaption(QStringLiteral("A4 "));
    optA5.setCaption(QStringLiteral("A5"));
    cmdOK.setCaption(QStringLiteral("&OK"));
    cmdCancel.setCaption(QStringLiteral("Cancel"));
    int tab = 0;
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &optPrint, &optScreen, &Optwindowsprint, &optA4, &optA5, &cmdOK, &cmdCancel})
        control->setTabIndex(tab++);
}

void frmPrint::wireEvents() {
    optPrint.Click = [this] { fraPaersize.setVisible(false); };
    optScreen.Click = [this] { fraPaersize.setVisible(false); };
    Optwindowsprint.Click = [this] { fraPaersize.setVisible(true); };
}

void frmPrint::Form_Load() {
    module::trapped(name(), QStringLiteral("Form_Load"), [this] {
        module::Session& s = module::session();
        if (!s.formColor) throw rt::RuntimeError::of(rt::err::ObjectNotSet);
        s.formColor->Applyformcolor(*this);
        if (numericSetting(QStringLiteral("windowsprint")) == 1) {
            Optwindowsprint.setVisible(true);
            Optwindowsprint.setValue(true);
        } else {
            Optwindowsprint.setVisible(false);
            Optwindowsprint.setValue(false);
            forms::OptionButton& start =
                numericSetting(QStringLiteral("printtoscreen")) == 1 ? optScreen : optPrint;
            start.setValue(true);
        }
        optA4.setValue(true);
    });
}

} // namespace output
