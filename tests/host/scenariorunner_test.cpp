// The runner driving windows in process: nested modal windows, pop-up menus, message boxes, keys and
// lists, on a small window made for the purpose.
#include "host/scenarioparser.h"
#include "host/scenariorunner.h"
#include "host/transcript.h"
#include "qstringprinter.h"

#include "platform/forms/combobox.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/listview.h"
#include "platform/forms/othercontrols.h"
#include "platform/forms/textcontrols.h"
#include "platform/os/applicationfolder.h"
#include "platform/suite/errordetails.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ChildWindow : public forms::Form {
public:
    ChildWindow()
        : Form(QStringLiteral("Child"), QStringLiteral("Child")), cmdOk(*this, QStringLiteral("cmdOk")) {
        cmdOk.Click = [this] { unload(); };
        saveDesign();
    }
    forms::CommandButton cmdOk;
};

class MainWindow : public forms::Form {
public:
    MainWindow()
        : Form(QStringLiteral("Main"), QStringLiteral("Main")), lblResult(*this, QStringLiteral("lblResult")),
          txtCode(*this, QStringLiteral("txtCode")), cboKinds(*this, QStringLiteral("cboKinds")),
          lvwItems(*this, QStringLiteral("lvwItems")), flexRows(*this, QStringLiteral("flexRows")),
          cmdChild(*this, QStringLiteral("cmdChild")), cmdAsk(*this, QStringLiteral("cmdAsk")),
          cmdError(*this, QStringLiteral("cmdError")), cmdClose(*this, QStringLiteral("cmdClose")),
          mnuPopup(*this, QStringLiteral("mnuPopup"), QStringLiteral("Popup")),
          mnuFirst(*this, QStringLiteral("mnuFirst"), QStringLiteral("&First"), &mnuPopup),
          mnuSecond(*this, QStringLiteral("mnuSecond"), QStringLiteral("&Second"), &mnuPopup) {
        cboKinds.addItem(QStringLiteral("Cash"));
        cboKinds.addItem(QStringLiteral("Cheque"));
        lvwItems.addItem(QStringLiteral("one"));
        flexRows.setRows(4);
        wire();
        saveDesign();
    }

    forms::Label lblResult;
    forms::TextBox txtCode;
    forms::ComboBox cboKinds;
    forms::ListView lvwItems;
    forms::Grid flexRows;
    forms::CommandButton cmdChild, cmdAsk, cmdError, cmdClose;
    forms::Menu mnuPopup, mnuFirst, mnuSecond;
    ChildWindow child;

private:
    void wire() {
        cmdChild.Click = [this] { child.showModal(this); };
        cmdAsk.Click = [this] {
            const forms::MsgResult answer = forms::Runtime::msgBox(
                QStringLiteral("Save?"), forms::MsgButtons::YesNo, forms::MsgIcon::Question, QString(), 2);
            lblResult.setCaption(answer == forms::MsgResult::Yes ? QStringLiteral("yes")
                                                                 : QStringLiteral("no"));
        };
        cmdError.Click = [] {
            suite::DatabaseErrorDetails().ErrorTrack(
                QStringLiteral("Main"), QStringLiteral("clerk"), QStringLiteral("cmdError_Click"), 5,
                QStringLiteral("k8tr4072"), QStringLiteral("Invalid procedure call"), QStringLiteral("N"),
                true);
        };
        cmdClose.Click = [this] { unload(); };
        txtCode.KeyPress = [](int& key) {
            if (key >= '0' && key <= '9') key = 0;
        };
        cboKinds.Click = [this] {
            lblResult.setCaption(cboKinds.listIndex() < 0 ? QStringLiteral("none") : cboKinds.text());
        };
        lvwItems.MouseDown = [this](int button, int, float, float) {
            if (button == forms::RightButton) popupMenu(mnuPopup);
        };
        mnuFirst.Click = [this] { lblResult.setCaption(QStringLiteral("first")); };
        mnuSecond.Click = [this] { child.showModal(this); };
        flexRows.DblClick = [this] { lblResult.setCaption(QString::number(flexRows.row())); };
    }
};

class InProcessRun : public testing::Test {
protected:
    int status = -1;
    QStringList lines;

    void run(const QString& text) {
        os::setApplicationFolder(folder.path());
        forms::Runtime::setApplicationName(QStringLiteral("Receipts"));
        const host::Script script = host::ScenarioParser::parse(QStringLiteral("database empty\n") + text);
        QString output;
        QTextStream out(&output);
        host::Transcript transcript(out);
        MainWindow window;
        auto show = [&window](const host::SessionValues&, const ado::ConnectionPtr&) { window.showModal(); };
        host::ScenarioRunner runner(script, transcript, host::HostOptions(), folder.path(), show);
        status = runner.run();
        lines = output.split(u'\n', Qt::SkipEmptyParts);
    }

    QString lastLine() const { return lines.isEmpty() ? QString() : lines.last(); }

private:
    QTemporaryDir folder;
};

} // namespace

TEST_F(InProcessRun, nestedWindowReportsItsOwnerAndBothClose) {
    run(QStringLiteral(
        "show\nclick Main.cmdChild\nexpect window Child open\nclick Child.cmdOk\nclick Main.cmdClose\n"));
    EXPECT_EQ(status, 0) << lastLine().toStdString();
    EXPECT_EQ(lines,
              QStringList({QStringLiteral("OPEN Main modal"), QStringLiteral("OPEN Child modal owner=Main"),
                           QStringLiteral("CLOSE Child"), QStringLiteral("CLOSE Main")}));
}

TEST_F(InProcessRun, ownerCannotBeUsedWhileItsModalChildIsOpen) {
    run(QStringLiteral("show\nclick Main.cmdChild\nclick Main.cmdAsk\n"));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 4: window Main is not the active window (Child is)"));
}

TEST_F(InProcessRun, scriptEndingInsideNestedWindowsFails) {
    run(QStringLiteral("show\nclick Main.cmdChild\n"));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 3: the scenario ended with Main,Child open"));
}

TEST_F(InProcessRun, popupMenuWaitsForTheChosenEntry) {
    run(QStringLiteral(
        "show\nrightclick Main.lvwItems 1\nmenu mnuFirst\nexpect Main.lblResult caption \"first\"\n"
        "rightclick Main.lvwItems 1\nmenu \"Second\"\nexpect window Child open\nclick Child.cmdOk\n"
        "rightclick Main.lvwItems 1\nmenu none\nclick Main.cmdClose\n"));
    EXPECT_EQ(status, 0) << lastLine().toStdString();
    EXPECT_EQ(lines.count(QStringLiteral("NOTE popup Main.mnuPopup: mnuFirst|mnuSecond")), 3);
    EXPECT_TRUE(lines.contains(QStringLiteral("OPEN Child modal owner=Main")));
}

TEST_F(InProcessRun, actingWhileAPopupMenuIsOpenFails) {
    run(QStringLiteral("show\nrightclick Main.lvwItems 1\nclick Main.cmdAsk\n"));
    EXPECT_EQ(lastLine(),
              QStringLiteral("FAIL line 4: a pop-up menu is open; choose an entry with menu first"));
    run(QStringLiteral("show\nmenu mnuFirst\n"));
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 3: no pop-up menu is open"));
    run(QStringLiteral("show\nrightclick Main.lvwItems 1\nmenu mnuThird\n"));
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 4: the pop-up menu mnuPopup has no entry \"mnuThird\""));
    run(QStringLiteral("show\nrightclick Main.lvwItems 1\n"));
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 3: the scenario ended with a pop-up menu open"));
    EXPECT_EQ(status, 1);
}

TEST_F(InProcessRun, answerReachesTheWindowAndIsReported) {
    run(QStringLiteral("show\nanswer \"Save?\" No\nclick Main.cmdAsk\nexpect Main.lblResult caption \"no\"\n"
                       "answer \"Save?\" yes\nclick Main.cmdAsk\nexpect Main.lblResult caption \"yes\"\n"
                       "click Main.cmdClose\n"));
    EXPECT_EQ(status, 0) << lastLine().toStdString();
    EXPECT_EQ(lines[1], QStringLiteral("MSGBOX title=\"Receipts\" icon=question buttons=YesNo default=No "
                                       "text=\"Save?\" -> No"));
}

TEST_F(InProcessRun, typedKeysPassTheKeyHandlers) {
    run(QStringLiteral(
        "show\ntype Main.txtCode \"a1b2\"\nexpect Main.txtCode text \"ab\"\n"
        "key Main.txtCode char 67\nkey Main.txtCode char 55\nexpect Main.txtCode text \"abC\"\n"
        "key Main.txtCode BACKSPACE\nexpect Main.txtCode text \"ab\"\n"
        "paste Main.txtCode \"12\"\nexpect Main.txtCode text \"12\"\nclear Main.txtCode\n"
        "expect Main.txtCode text \"\"\nclick Main.cmdClose\n"));
    EXPECT_EQ(status, 0) << lastLine().toStdString();
}

TEST_F(InProcessRun, comboItemsAreChosenByTextPositionOrNone) {
    run(QStringLiteral("show\nselect Main.cboKinds \"Cheque\"\nexpect Main.lblResult caption \"Cheque\"\n"
                       "select Main.cboKinds #0\nexpect Main.lblResult caption \"Cash\"\n"
                       "select Main.cboKinds none\nexpect Main.lblResult caption \"none\"\n"
                       "expect Main.cboKinds listindex \"-1\"\nclick Main.cmdClose\n"));
    EXPECT_EQ(status, 0) << lastLine().toStdString();
    run(QStringLiteral("show\nselect Main.cboKinds \"cash\"\n"));
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 3: Main.cboKinds has no item \"cash\""));
}

TEST_F(InProcessRun, gridDoubleClickCountsDataRowsBelowTheFixedOnes) {
    run(QStringLiteral(
        "show\ndblclick Main.flexRows 2\nexpect Main.lblResult caption \"2\"\nclick Main.cmdClose\n"));
    EXPECT_EQ(status, 0) << lastLine().toStdString();
}

TEST_F(InProcessRun, actionOnTheWrongKindOfControlFails) {
    run(QStringLiteral("show\nclear Main.cmdAsk\n"));
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 3: Main.cmdAsk is not a text box"));
    run(QStringLiteral("show\ndblclick Main.cmdAsk 1\n"));
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 3: Main.cmdAsk is not a list view or a grid"));
}

TEST_F(InProcessRun, errorsAreReportedAndCounted) {
    run(QStringLiteral("session user 9\nshow\nclick Main.cmdError\nclick Main.cmdError\nexpect errors 2\n"
                       "click Main.cmdClose\n"));
    EXPECT_EQ(status, 0) << lastLine().toStdString();
    EXPECT_EQ(lines[1],
              QStringLiteral("ERROR module=\"Main\" proc=\"cmdError_Click\" number=5 source=\"k8tr4072\" "
                             "description=\"Invalid procedure call\" user=9 mode=\"N\""));
    run(QStringLiteral("show\nclick Main.cmdError\nexpect errors 0\n"));
    EXPECT_EQ(lastLine(), QStringLiteral("FAIL line 4: the number of errors is \"1\", expected \"0\""));
}

TEST_F(InProcessRun, dumpPrintsOneStateLinePerControl) {
    run(QStringLiteral("show\ndump Main\ndump Main.cboKinds\nclick Main.cmdClose\n"));
    EXPECT_EQ(status, 0) << lastLine().toStdString();
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^STATE Main\\."))).size(), 13);
    EXPECT_TRUE(
        lines.contains(QStringLiteral("STATE Main.cboKinds text=\"\" listindex=-1 listcount=2 item(0)=Cash "
                                      "itemdata(0)=0 item(1)=Cheque itemdata(1)=0 enabled=true visible=true "
                                      "tooltip=\"\"")));
}
