// The runner's contract on a small window M made for the purpose, with a modal child C: clicks, pop-up menus,
// answers to message boxes, keys, lists, set-up commands, the transcript's lines and escapes, the FAIL line.
#include "scenario/scenarioparser.h"
#include "scenario/scenariorunner.h"
#include "scenario/stage.h"
#include "scenario/transcript.h"

#include "platform/forms/combobox.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/listview.h"
#include "platform/forms/menu.h"
#include "platform/forms/textcontrols.h"
#include "platform/os/applicationfolder.h"
#include "platform/os/finishedoutput.h"
#include "shared/services/errordetails.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using forms::MsgResult, os::FinishedOutput;

class Main : public forms::Form {
public:
    Main() : Form("M", "M") {
        lvw.addItem("one");
        off.setEnabled(false);
        ok.Click = [this] { c.unload(); };
        c.saveDesign();
        child.Click = [this] { c.showModal(this); };
        ask.Click = [this] {
            const auto answer = forms::Runtime::msgBox("Save \"it\"?\nNow", forms::MsgButtons::YesNo,
                                                       forms::MsgIcon::Question, QString(), 2);
            lbl.setCaption(answer == MsgResult::Yes ? "yes" : "no");
        };
        // An error trapped and reported, then a file written, viewed and a report run.
        err.Click = [] {
            suite::DatabaseErrorDetails().ErrorTrack("M", "clerk", "err_Click", 5, "k8tr4072", "Invalid call",
                                                     "N", true);
            FinishedOutput::fileWritten("Receipts.txt", 812);
            FinishedOutput::textViewed("Receipts.txt");
            FinishedOutput::reportRun({"reports/r.rpt", "Receipt", {"1", "a\tb"}, 3});
        };
        done.Click = [this] { unload(); };
        lvw.MouseDown = [this](int button, int, float, float) {
            if (button == forms::RightButton) popupMenu(pop);
        };
        first.Click = [this] { lbl.setCaption("first entry"); };
        second.Click = [this] { lbl.setCaption("second"); };
        // The text box takes no digits; the combo box and the grid add what was chosen to the label.
        txt.KeyPress = [](int& key) { key = key >= '0' && key <= '9' ? 0 : key; };
        cbo.addItem("Cash"), cbo.addItem("Cheque"), grid.setRows(5), grid.setFixedRows(2);
        cbo.Click = [this] {
            lbl.setCaption(lbl.caption() + ' ' + (cbo.listIndex() < 0 ? "none" : cbo.text()));
        };
        grid.DblClick = [this] { lbl.setCaption(lbl.caption() + ' ' + QString::number(grid.row())); };
        saveDesign();
    }
    forms::Label lbl{*this, "lbl"};
    forms::ListView lvw{*this, "lvw"};
    forms::CommandButton child{*this, "child"}, ask{*this, "ask"}, err{*this, "err"}, off{*this, "off"},
        done{*this, "done"};
    forms::Menu pop{*this, "pop", "Popup"}, first{*this, "first", "&First", &pop},
        second{*this, "second", "&Second", &pop};
    forms::TextBox txt{*this, "txt"};
    forms::ComboBox cbo{*this, "cbo"};
    forms::Grid grid{*this, "grid"};
    forms::Form c{"C", "C"};
    forms::CommandButton ok{c, "ok"};
};

// Runs the scenario after a first line "database empty"; `show` shows M. The status and the transcript.
std::pair<int, QStringList> run(const QString& text, const QString& folder) {
    os::setApplicationFolder(folder);
    forms::Runtime::setApplicationName("Receipts");
    const scenario::Script script = scenario::ScenarioParser::parse("database empty\n" + text);
    QString output;
    QTextStream out(&output);
    scenario::Transcript transcript(out);
    Main window;
    auto show = [&window](const scenario::SessionValues&, const ado::ConnectionPtr&) { window.showModal(); };
    scenario::HeadlessStage stage;
    const int status = scenario::ScenarioRunner(script, transcript, scenario::SessionValues(), QString(),
                                                folder, show, stage)
                           .run();
    return {status, output.split(u'\n', Qt::SkipEmptyParts)};
}

} // namespace

TEST(ScenarioRunner, actionsReachTheWindowsAndTheTranscriptHasALineForEachEvent) {
    QTemporaryDir folder;
    const auto [status, lines] = run(
        "session user 9\nshow\nclick M.child\nexpect window C open\nclick C.ok\n"
        "answer \"Save \\\"it\\\"?\\nNow\" No\nclick M.ask\nexpect M.lbl caption \"no\"\n"
        "answer \"Save \\\"it\\\"?\\nNow\" yes\nclick M.ask\nexpect M.lbl caption \"yes\"\n"
        "rightclick M.lvw 1\nmenu first\ndump M.lbl\nrightclick M.lvw 1\nmenu \"Second\"\n"
        "rightclick M.lvw 1\nmenu none\nexpect M.lbl caption \"second\"\nexpect M.lvw subitem(1,0) \"one\"\n"
        "type M.txt \"a1b2\"\nkey M.txt char 55\nkey M.txt BACKSPACE\nkey M.txt char 67\n"
        "select M.cbo \"Cheque\"\nselect M.cbo #0\nselect M.cbo none\ndblclick M.grid 2\ndump M\n"
        "click M.err\nclick M.err\nexpect errors 2\nclick M.done\n"
        "sql \"insert into acustomermaster (customerid, customername) values (1, 'Abc\\tLtd')\"\n"
        "sql \"select customerid, customername, address from acustomermaster\"\n"
        "file \"notes/a.txt\"\n>one\n> two\nexpect file \"notes/a.txt\"\n>one\n> two\n>\n"
        "expect sql \"select count(*) from acustomermaster\" \"1\"\nprint \"done\\tnow\"\n",
        folder.path());
    EXPECT_EQ(status, 0) << lines.join(u'\n').toStdString();
    // In this order, each line after the one before.
    QStringList expected = QString(R"(OPEN M modal
OPEN C modal owner=M
CLOSE C
MSGBOX title="Receipts" icon=question buttons=YesNo default=No text="Save \"it\"?\nNow" -> No
NOTE popup M.pop: first|second
STATE M.lbl caption="first entry" enabled=true visible=true tooltip=""
STATE M.lbl caption="second Cheque Cash none 3" enabled=true visible=true tooltip=""
STATE M.txt text=aC enabled=true visible=true tooltip=""
ERROR module="M" proc="err_Click" number=5 source="k8tr4072" description="Invalid call" user=9 mode="N"
FILE Receipts.txt 812
VIEW Receipts.txt
REPORT file="reports/r.rpt" title="Receipt" params=[1|a\tb] records=3
CLOSE M)")
                               .split(u'\n');
    expected << "ROW 1\tAbc\\tLtd\t"
             << "NOTE done\\tnow";
    qsizetype at = 0;
    for (const QString& line : expected)
        EXPECT_GT(at = lines.indexOf(line, at) + 1, 0) << "no line, in its place, " << line.toStdString();
    EXPECT_EQ(lines.filter("STATE M.").size(), 1 + 13) << "dump M.lbl, then dump M of its 13 controls";
    QFile written(folder.filePath("notes/a.txt"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("one\r\n two\r\n"));
}

TEST(ScenarioRunner, aFailingRunEndsWithItsLineAndReason) {
    const std::pair<const char*, const char*> rows[] = {
        {"show\nclick M.child\nclick M.ask", "FAIL line 4: window M is not the active window (C is)"},
        {"show\nclick M.child", "FAIL line 3: the scenario ended with M,C open"},
        {"click M.ask", "FAIL line 2: window M is not open"},
        {"show\nclick M.old", "FAIL line 3: window M has no control old"},
        {"show\nclick M.off\nclick M.done", "FAIL line 3: control M.off is disabled"},
        {"show\nsession shop 2", "FAIL line 3: session changes the session while M is open"},
        {"show\nclick M.ask", R"(FAIL line 3: unexpected message box "Save \"it\"?\nNow")"},
        {"answer \"Other\" Yes\nshow\nclick M.ask",
         R"(FAIL line 4: unexpected message box "Save \"it\"?\nNow"; the answer of line 2 expects "Other")"},
        {"show\nanswer \"Save \\\"it\\\"?\\nNow\" OK\nclick M.ask",
         R"(FAIL line 4: message box "Save \"it\"?\nNow" has no button OK)"},
        {"answer \"Never\" OK\nshow\nclick M.done", R"(FAIL line 2: no message box "Never" appeared)"},
        {"show\nrightclick M.lvw 1\nclick M.ask",
         "FAIL line 4: a pop-up menu is open; choose an entry with menu first"},
        {"show\nmenu first", "FAIL line 3: no pop-up menu is open"},
        {"show\nrightclick M.lvw 1\nmenu third", R"(FAIL line 4: the pop-up menu pop has no entry "third")"},
        {"show\nrightclick M.lvw 1", "FAIL line 3: the scenario ended with a pop-up menu open"},
        {"show\nclear M.ask", "FAIL line 3: M.ask is not a text box"},
        {"show\nselect M.cbo \"cash\"", R"(FAIL line 3: M.cbo has no item "cash")"},
        {"show\ndblclick M.ask 1", "FAIL line 3: M.ask is not a list view or a grid"},
        {"show\nclick M.err\nexpect errors 0", R"(FAIL line 4: the number of errors is "1", expected "0")"},
        {"show\nexpect M.lbl caption \"x\"", R"(FAIL line 3: M.lbl caption is "", expected "x")"},
        {"show\nexpect M.ask colour \"red\"",
         "FAIL line 3: cannot read colour of M.ask: Object doesn't support this property or method"},
        {"expect sql \"select 1\" \"2\"", R"(FAIL line 2: the query is "1", expected "2")"},
        {"file \"b.txt\"\n>one\n>two\nexpect file \"b.txt\"\n>one\n>Two\n>",
         R"(FAIL line 5: line 2 of file b.txt is "two", expected "Two")"},
    };
    QTemporaryDir folder;
    for (const auto& [scenario, fail] : rows) {
        const auto [status, lines] = run(scenario, folder.path());
        EXPECT_EQ(status, 1) << scenario;
        EXPECT_EQ(lines.value(lines.size() - 1).toStdString(), fail) << scenario;
    }
}
