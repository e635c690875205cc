// The forms runtime: events from code and from the user, modal windows, message boxes, lists and grids.

#include "platform/core/runtimeerror.h"
#include "platform/forms/combobox.h"
#include "platform/forms/datepicker.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/headlessbackend.h"
#include "platform/forms/image.h"
#include "platform/forms/listview.h"
#include "platform/forms/menu.h"
#include "platform/forms/tabcontrol.h"
#include "platform/forms/textcontrols.h"
#include "platform/forms/userinput.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

using namespace forms;

struct BackendScope : HeadlessBackend { // the runtime's backend while it lives
    BackendScope() { Runtime::setBackend(this); }
    ~BackendScope() override { Runtime::setBackend(nullptr); }
};

// Logs every event as "control.Event(arguments)" and its own as "frmName.Event(arguments)".
struct ShopForm : Form {
    explicit ShopForm(const QString& name = "frmShop", QStringList* sharedLog = nullptr)
        : Form(name, "Caption of " + name), log(sharedLog ? *sharedLog : ownLog) {
        cbo.addItem("one"), cbo.addItem("two"), lvw.addItem("first"), lvw.addItem("second"),
            lvw.addItem("third");
        flex.setRows(4), flex.setCols(3), txtA.setText("designed"), img.setPicture("information");
        tab.addTab("General"), tab.addTab("Invoices");
        saveDesign();
        for (Control* control : controls()) {
            const QString n = control->name() + '.';
            control->KeyDown = [=, this](int& code, int shift) { say(n + "KeyDown", code, shift); };
            control->KeyPress = [=, this](int& ascii) { say(n + "KeyPress", ascii); };
            control->KeyUp = [=, this](int& code, int) { say(n + "KeyUp", code); };
            control->MouseDown = [=, this](int button, int, float, float) { say(n + "MouseDown", button); };
            control->MouseUp = [=, this](int button, int, float, float) { say(n + "MouseUp", button); };
            control->Click = [=, this] { say(n + "Click"); };
            control->DblClick = [=, this] { say(n + "DblClick"); };
            control->GotFocus = [=, this] { say(n + "GotFocus"); };
            control->LostFocus = [=, this] { say(n + "LostFocus"); };
        }
        txtA.Change = [this] { say("txtA.Change", txtA.text()); };
        txtB.Change = [this] { say("txtB.Change", txtB.text()); };
        cbo.Click = [this] { say("cbo.Click", cbo.text()); };
        optFirst.Click = [this] { say("optFirst.Click", optSecond.value(), optOutside.value()); };
        dtp.Change = [this] { say("dtp.Change", dtp.property("value")); };
        lvw.ItemClick = [this](int item) { say("lvw.ItemClick", item, lvw.selectedItem()); };
        flex.EnterCell = [this] { say("flex.EnterCell", flex.row(), flex.col()); };
        flex.LeaveCell = [this] { say("flex.LeaveCell", flex.row()); };
        flex.RowColChange = [this] { say("flex.RowColChange"); };
        flex.SelChange = [this] { say("flex.SelChange", flex.row(), flex.rowSel()); };
        flex.MouseMove = [this](auto...) { say("flex.MouseMove", flex.mouseRow(), flex.mouseCol()); };
    }
    QStringList ownLog;
    QStringList& log; // the window's own log, or one shared with other windows
    static QString str(const QString& text) { return text; }
    static QString str(int number) { return QString::number(number); }
    template <typename... Args> void say(const QString& event, Args... args) {
        const QStringList parts{str(args)...};
        log << (parts.isEmpty() ? event : event + '(' + parts.join(',') + ')');
    }
    int cancelQuery = 0, cancelUnload = 0;
    int keptField = 0; // the window's own field: unloading leaves it alone
    std::function<void()> onLoad = [] {}, onActivate = [] {};
    std::function<void(int&)> onKeyPress = [](int&) {};

    TextBox txtA{*this, "txtA"}, txtB{*this, "txtB"};
    Frame fra{*this, "fra"};
    OptionButton optFirst{*this, "optFirst", &fra}, optSecond{*this, "optSecond", &fra},
        optOutside{*this, "optOutside"};
    CommandButton cmdOk{*this, "cmdOk"}, cmdCancel{*this, "cmdCancel"};
    ComboBox cbo{*this, "cbo"};
    ListView lvw{*this, "lvw"};
    Grid flex{*this, "flex"};
    DatePicker dtp{*this, "dtp"};
    Image img{*this, "img"};
    TabControl tab{*this, "tab"};
    Menu mnuPopup{*this, "mnuPopup", "Popup"}, mnuPreview{*this, "mnuPreview", "Preview", &mnuPopup};

    void Form_Load() override { say(name() + ".Load"), onLoad(); }
    void Form_Activate() override { say(name() + ".Activate"), onActivate(); }
    void Form_QueryUnload(int& cancel, int mode) override {
        say(name() + ".QueryUnload", mode), cancel = cancelQuery;
    }
    void Form_Unload(int& cancel) override { say(name() + ".Unload"), cancel = cancelUnload; }
    void Form_KeyDown(int& code, int) override { say(name() + ".KeyDown", code); }
    void Form_KeyPress(int& ascii) override { say(name() + ".KeyPress", ascii), onKeyPress(ascii); }
    void Form_KeyUp(int& code, int) override { say(name() + ".KeyUp", code); }
};

std::string rowsOf(const Grid& grid) { // data rows by " ", cells by ","; "*" marks a colour of its own
    QStringList cells;
    for (int row = grid.fixedRows(); row < grid.rows(); ++row)
        for (int col = 0; col < grid.cols(); ++col)
            cells << grid.textMatrix(row, col) + (grid.cellForeColorAt(row, col) ? "*" : "") +
                         (col + 1 < grid.cols() ? "," : " ");
    return cells.join("").trimmed().toStdString();
}

// What an action returns, or "error NUMBER" of the error it raises.
std::string outcome(const std::function<QString()>& action) {
    try {
        return action().toStdString();
    } catch (const core::RuntimeError& error) {
        return "error " + std::to_string(error.number());
    }
}

const auto the = [](ShopForm& f, const QString& name) -> Control& { return *f.findControl(name); };
const auto num = [](const QStringList& a, int i) { return a.value(i).toInt(); };

// The verbs of the scripts below, each with its arguments; "show" runs the rest while the window is shown.
const std::map<QString, std::function<void(ShopForm&, const QStringList&)>> verbs = {
    {"text", [](auto& f, auto& a) { dynamic_cast<TextBox&>(the(f, a[1])).setText(a.value(2)); }},
    {"index", [](auto& f, auto& a) { f.cbo.setListIndex(num(a, 1)); }},
    {"clear", [](auto& f, auto& a) { f.cbo.clear(), f.say("cbo", f.cbo.listIndex(), f.cbo.listCount()); }},
    {"option", [](auto& f, auto& a) { dynamic_cast<OptionButton&>(the(f, a[1])).setValue(num(a, 2)); }},
    {"date", [](auto& f, auto& a) { f.dtp.setValue(QDate::fromString(a[1], Qt::ISODate)); }},
    {"move", [](auto& f, auto& a) { f.flex.setRow(3), f.flex.setCol(2), f.lvw.setSelectedItem(2); }},
    {"tabindex", [](auto& f, auto& a) { the(f, a[1]).setTabIndex(num(a, 2)); }},
    {"tabstop", [](auto& f, auto& a) { the(f, a[1]).setTabStop(false); }},
    {"hide", [](auto& f, auto& a) { the(f, a[1]).setVisible(false); }},
    {"disable", [](auto& f, auto& a) { the(f, a[1]).setEnabled(false); }},
    {"home", [](auto& f, auto& a) { f.setFocusHome(&the(f, a[1])); }},
    {"buttons", [](auto& f, auto& a) { f.cmdOk.isDefault = f.cmdCancel.isCancel = true; }},
    {"sel", [](auto& f, auto& a) { f.txtB.setSelStart(num(a, 1)), f.txtB.setSelLength(num(a, 2)); }},
    {"limits", [](auto& f, auto& a) { f.txtB.maxLength = num(a, 1), f.txtB.locked = num(a, 2); }},
    {"caret",
     [](auto& f, auto& a) {
         f.log.clear(), f.say("txtB", f.txtB.text(), f.txtB.selStart(), f.txtB.selLength());
     }},
    {"ask",
     [](auto& f, auto& a) { // BUTTONS DEFAULT [TITLE]: OK, OK/Cancel, Yes/No, Yes/No/Cancel
         f.say("answer",
               int(Runtime::msgBox("?", MsgButtons(num(a, 1)), MsgIcon::Question, a.value(3), num(a, 2))));
     }},
    {"cancel", [](auto& f, auto& a) { f.cancelQuery = num(a, 1), f.cancelUnload = num(a, 2); }},
    {"unload", [](auto& f, auto& a) { f.say("unloaded", f.unload()); }},
    {"change",
     [](auto& f, auto& a) { // all that unloading puts back as designed, and a field of the window
         f.txtA.setText("typed"), f.txtA.setEnabled(false), f.cbo.addItem("added"), f.cbo.setListIndex(2);
         f.optFirst.setValue(true), f.flex.setRows(9), f.flex.setTextMatrix(1, 2, u"x"), f.img.setPicture("");
         f.flex.setColWidth(2, 0), f.setCaption("changed"), f.keptField = 7, f.log.clear();
     }},
    {"state",
     [](auto& f, auto& a) { // CONTROL PROPERTY [ARGUMENTS], ...
         for (const QString& what : a.mid(1).join(' ').split(", ")) {
             const QStringList w = what.split(' ');
             f.say(what, the(f, w[0]).property(w[1], {w.value(2).toInt(), w.value(3).toInt()}));
         }
         f.say(f.caption(), f.keptField);
     }},
    {"nesting",
     [](auto& f, auto& a) { f.txtA.Change = [&] { f.say("A"), f.txtB.setText("x"), f.say("A ends"); }; }},
    {"closing", [](auto& f, auto& a) { (a[1] == "load" ? f.onLoad : f.onActivate) = [&] { f.unload(); }; }},
    {"menu", [](auto& f, auto& a) { f.lvw.MouseDown = [&](auto...) { f.popupMenu(f.mnuPopup); }; }},
    {"mousecell",
     [](auto& f, auto& a) {
         f.flex.Click = [&] { f.say("flex.Click", f.flex.mouseRow(), f.flex.mouseCol()); };
     }},
    {"filters",
     [](auto& f, auto& a) {
         f.setKeyPreview(true), f.onKeyPress = [](int& c) { c = c == 'y' ? 0 : c; };
         f.txtB.KeyPress = [](int& c) { c = c == 'z' ? 0 : QChar(c).toUpper().unicode(); };
     }},
    {"child",
     [](auto& f, auto& a) { // a second window shown over this one, closing as soon as it is active
         ShopForm child("frmChild", &f.log);
         child.onActivate = [&] { f.say("owner", child.owner()->name()), user::closeWindow(child); };
         child.showModal(&f);
         f.say("owner", child.owner() ? "kept" : "cleared", Runtime::activeForm()->name());
     }},
    {"keycloses", [](auto& f, auto& a) { f.txtA.KeyDown = [&](auto&&...) { f.unload(); }; }},
    {"click", [](auto& f, auto& a) { user::click(the(f, a[1])); }},
    {"focus", [](auto& f, auto& a) { user::focus(the(f, a[1])); }},
    {"choose", [](auto& f, auto& a) { user::chooseMenu(dynamic_cast<Menu&>(the(f, a[1]))); }},
    {"close", [](auto& f, auto& a) { user::closeWindow(f); }},
    {"select", [](auto& f, auto& a) { user::select(f.cbo, num(a, 1)); }},
    {"pick", [](auto& f, auto& a) { user::pickDate(f.dtp, QDate::fromString(a[1], Qt::ISODate)); }},
    {"paste", [](auto& f, auto& a) { user::paste(f.txtB, a.value(1)); }},
    {"item", [](auto& f, auto& a) { user::clickItem(f.lvw, num(a, 1)); }},
    {"dblitem", [](auto& f, auto& a) { user::doubleClickItem(f.lvw, num(a, 1)); }},
    {"rightitem", [](auto& f, auto& a) { user::rightClickItem(f.lvw, num(a, 1)); }},
    {"cell", [](auto& f, auto& a) { user::clickCell(f.flex, num(a, 1), num(a, 2)); }},
    {"dblrow", [](auto& f, auto& a) { user::doubleClickRow(f.flex, num(a, 1)); }},
    {"drag", [](auto& f, auto& a) { user::dragRows(f.flex, num(a, 1), num(a, 2)); }},
    {"hover", [](auto& f, auto& a) { user::hoverCell(f.flex, num(a, 1), num(a, 2)); }},
    {"header", [](auto& f, auto& a) { user::clickHeader(f.flex, num(a, 1)); }},
    {"type", [](auto& f, auto& a) { user::type(the(f, a[1]), a.value(2)); }},
    {"sendtab", [](auto& f, auto& a) { Runtime::sendTab(); }},
    {"taborder",
     [](auto& f, auto& a) { // from the control with the focus round to it again
         for (Control* at = f.activeControl(); !f.log.contains(at->name()); at = f.nextInTabOrder(at))
             f.log << at->name();
     }},
    {"key", [](auto& f, auto& a) { user::pressKey(the(f, a[1]), num(a, 2), num(a, 3)); }},
};

// A script, commands separated by "; ", and the log it leaves; a failure ends it with error(NUMBER,TEXT).
const std::pair<const char*, const char*> rows[] = {
    // From code: an event only for a real change, none for moving a grid's cell or a list's choice.
    {"text txtA abc; text txtA abc; text txtA; date 2024-03-05; date 2024-03-05; move",
     "txtA.Change(abc) txtA.Change() dtp.Change(2024-03-05)"},
    {"nesting; text txtA y", "A txtB.Change(x) A ends"}, // a nested Change runs before its handler goes on
    {"index 1; index 1; index -1; index 0; clear", "cbo.Click(two) cbo.Click() cbo.Click(one) cbo(-1,0)"},
    {"option optSecond 1; option optOutside 1; option optFirst 1; option optFirst 1; option optFirst 0",
     "optSecond.Click optOutside.Click optFirst.Click(0,1)"}, // its sibling in the frame cleared before Click
    // The window: shown it activates and gives the focus to the first control; closing asks first.
    {"unload; show; close", "frmShop.QueryUnload(1) frmShop.Unload unloaded(1) frmShop.Load frmShop.Activate "
                            "txtA.GotFocus frmShop.QueryUnload(0) frmShop.Unload"},
    {"cancel 1 0; unload; close; cancel 0 1; unload; cancel 0 0; unload; unload",
     "frmShop.QueryUnload(1) unloaded(0) frmShop.QueryUnload(0) frmShop.QueryUnload(1) frmShop.Unload "
     "unloaded(0) frmShop.QueryUnload(1) frmShop.Unload unloaded(1) unloaded(1)"},
    {"closing load; unload; show; close", // not shown
     "frmShop.QueryUnload(1) frmShop.Unload unloaded(1) frmShop.Load frmShop.QueryUnload(1) frmShop.Unload"},
    {"closing activate; show; close", "frmShop.Activate frmShop.QueryUnload(1) frmShop.Unload"}, // not run
    {"show; child; close",
     "frmShop.Activate txtA.GotFocus frmChild.Load frmChild.Activate owner(frmShop) frmChild.QueryUnload(0) "
     "frmChild.Unload frmShop.Activate owner(cleared,frmShop) frmShop.QueryUnload(0) frmShop.Unload"},
    {"show; show", "frmShop.Activate txtA.GotFocus error(400,Form already displayed; can't show modally)"},
    {"show; index 1", "frmShop.Activate txtA.GotFocus cbo.Click(two) error(5,window frmShop is still open)"},
    {"change; unload; state txtA text, txtA enabled, cbo listcount, cbo listindex, optFirst value, flex "
     "rows, flex colwidth 2, flex cell 1 2, img picture",
     "frmShop.QueryUnload(1) frmShop.Unload unloaded(1) txtA text(designed) txtA enabled(true) cbo "
     "listcount(2) cbo listindex(-1) optFirst value(false) flex rows(4) flex colwidth 2(960) flex cell 1 2() "
     "img picture(information) Caption of frmShop(7)"}, // no Change or Click while
                                                        // unloading
    // The user: the focus moves first, then the action's events; what a user cannot do fails.
    {"click cmdOk; click optFirst; click optFirst; disable fra; click optFirst",
     "cmdOk.GotFocus cmdOk.Click cmdOk.LostFocus optFirst.GotFocus optFirst.Click(0,0) optFirst.LostFocus "
     "optOutside.GotFocus error(5,control frmShop.optFirst is inside frmShop.fra, which is disabled)"},
    {"select 1; select 1; select -1; select -1; pick 2023-12-31; paste pasted",
     "cbo.GotFocus cbo.Click(two) cbo.Click(two) cbo.Click() cbo.LostFocus dtp.GotFocus "
     "dtp.Change(2023-12-31) dtp.LostFocus txtB.GotFocus txtB.Change(pasted)"},
    {"item 2; dblitem 3; menu; rightitem 1",
     "lvw.GotFocus lvw.MouseDown(1) lvw.ItemClick(2,2) lvw.MouseUp(1) lvw.Click lvw.MouseDown(1) "
     "lvw.ItemClick(3,3) lvw.MouseUp(1) lvw.Click lvw.DblClick popup(mnuPopup,1) mnuPreview.Click "
     "lvw.MouseUp(2)"},
    {"cell 3 2; dblrow 2",
     "flex.GotFocus flex.LeaveCell(1) flex.EnterCell(3,2) flex.RowColChange flex.SelChange(3,3) "
     "flex.MouseDown(1) flex.MouseUp(1) flex.Click flex.LeaveCell(3) flex.EnterCell(2,2) flex.RowColChange "
     "flex.SelChange(2,2) flex.MouseDown(1) flex.MouseUp(1) flex.Click flex.DblClick"},
    {"mousecell; drag 1 3; hover 2 1; header 2; cell 0 1",
     "flex.GotFocus flex.EnterCell(1,1) flex.SelChange(1,3) flex.MouseMove(2,1) flex.MouseDown(1) "
     "flex.MouseUp(1) flex.Click(0,2) error(5,control frmShop.flex cell (0, 1) is a fixed cell)"},
    // Refused: what a user cannot reach, a window that is not open, an item or a cell that is not there.
    {"disable cmdOk; click cmdOk", "error(5,control frmShop.cmdOk is disabled)"},
    {"hide cmdOk; click cmdOk", "error(5,control frmShop.cmdOk is hidden)"},
    {"unload; click cmdOk",
     "frmShop.QueryUnload(1) frmShop.Unload unloaded(1) error(5,control frmShop.cmdOk is on a window that is "
     "not open)"},
    {"unload; close",
     "frmShop.QueryUnload(1) frmShop.Unload unloaded(1) error(5,window frmShop is not open)"},
    {"focus fra", "error(5,control frmShop.fra cannot take the focus)"},
    {"select 2", "cbo.GotFocus error(5,control frmShop.cbo has no item 2)"},
    {"item 4", "lvw.GotFocus error(5,control frmShop.lvw has no item 4)"},
    {"rightitem 0", "lvw.GotFocus error(5,control frmShop.lvw has no item 0)"},
    {"cell 4 0", "flex.GotFocus error(5,control frmShop.flex has no cell (4, 0))"},
    {"disable mnuPreview; choose mnuPreview", "error(5,control frmShop.mnuPreview is disabled)"},
    // Message boxes: the application's title when untitled; answered with the default button, else the first.
    {"ask 2 2; ask 3 3 Shop; ask 1 3",
     "asked(Receipts) answer(7) asked(Shop) answer(2) asked(Receipts) answer(1)"},
    // Keys: KeyDown, KeyPress (a handler may change or swallow it), change, KeyUp; key preview: window first.
    {"type txtA aB",
     "txtA.GotFocus txtA.KeyDown(65,0) txtA.KeyPress(97) txtA.Change(designeda) txtA.KeyUp(65) "
     "txtA.KeyDown(66,1) txtA.KeyPress(66) txtA.Change(designedaB) txtA.KeyUp(66)"},
    {"filters; type txtB xyz", // the window swallows y, the box z, and the box makes x a capital
     "txtB.GotFocus frmShop.KeyDown(88) txtB.KeyDown(88,0) frmShop.KeyPress(120) txtB.Change(X) "
     "frmShop.KeyUp(88) txtB.KeyUp(88) frmShop.KeyDown(89) txtB.KeyDown(89,0) frmShop.KeyPress(121) "
     "frmShop.KeyUp(89) txtB.KeyUp(89) frmShop.KeyDown(90) txtB.KeyDown(90,0) frmShop.KeyPress(122) "
     "frmShop.KeyUp(90) txtB.KeyUp(90)"},
    {"buttons; key txtA 13; key txtA 27; disable cmdOk; key txtA 13; key txtA 9",
     "txtA.GotFocus cmdOk.Click cmdCancel.Click txtA.KeyDown(13,0) txtA.KeyPress(13) txtA.KeyUp(13) "
     "txtA.LostFocus txtB.GotFocus"}, // Enter and Escape press the usable default and cancel buttons
    // Tab order: by tab index, then as laid out, round to the first again; only what can take the focus.
    {"tabindex cmdCancel 1; tabindex txtA 2; hide fra; tabstop lvw; show; sendtab; taborder; close",
     "frmShop.Activate txtB.GotFocus txtB.LostFocus optOutside.GotFocus optOutside cmdOk cbo flex dtp tab "
     "cmdCancel txtA txtB frmShop.QueryUnload(0) frmShop.Unload"},
    // A control disabled or hidden with the focus (itself or its frame) passes it on in tab order, or home.
    {"focus cmdOk; disable cmdOk; focus optFirst; disable fra; home flex; focus cmdCancel; hide cmdCancel",
     "cmdOk.GotFocus cmdOk.LostFocus cmdCancel.GotFocus cmdCancel.LostFocus optFirst.GotFocus "
     "optFirst.LostFocus optOutside.GotFocus optOutside.LostFocus cmdCancel.GotFocus cmdCancel.LostFocus "
     "flex.GotFocus"},
    // Ctrl+Enter and Ctrl+D give characters of their own; F10 and Delete give none.
    {"key flex 13 2; key flex 68 2; key flex 121; key flex 46",
     "flex.GotFocus flex.KeyDown(13,2) flex.KeyPress(10) flex.KeyUp(13) flex.KeyDown(68,2) flex.KeyPress(4) "
     "flex.KeyUp(68) flex.KeyDown(121,0) flex.KeyUp(121) flex.KeyDown(46,0) flex.KeyUp(46)"},
    {"keycloses; type txtA q", "txtA.GotFocus frmShop.QueryUnload(1) frmShop.Unload"}, // the key ends there
    // Typing appends; keys edit at the caret, replacing the selection, within limits; "caret" clears the log.
    {"text txtB 124; sel 0 2; type txtB 3.5; caret", "txtB(1243.5,6,0)"},
    {"text txtB 124; sel 0 1; key txtB 57; key txtB 56; caret", "txtB(9824,2,0)"},
    {"text txtB 124; sel 1 9; caret", "txtB(124,1,2)"}, // the selection stays inside the text
    {"text txtB 124; sel 1 1; key txtB 8; key txtB 8; key txtB 8; caret", "txtB(4,0,0)"}, // Backspace
    {"text txtB 124; limits 4 0; type txtB 56; caret", "txtB(1245,4,0)"},
    {"text txtB 124; limits 0 1; type txtB 5; key txtB 8; caret; paste z",
     "txtB(124,3,0) error(5,control frmShop.txtB is locked)"},
};

} // namespace

TEST(Events, eachScriptRaisesItsEventsInOrder) {
    BackendScope backend;
    Runtime::setApplicationName("Receipts");
    for (const auto& [script, expected] : rows) {
        ShopForm form;
        QStringList shown; // what the script does while the window is shown
        std::function<void(QStringList)> run = [&](QStringList commands) {
            QString command;
            while (!commands.isEmpty() && (command = commands.takeFirst()) != "show")
                verbs.at(command.section(' ', 0, 0))(form, command.split(' '));
            if (command == "show") shown = commands, form.showModal();
        };
        backend.onModal = [&](Form&) { run(std::exchange(shown, {})); };
        backend.onMessage = [&](auto& box) { return form.say("asked", box.title), box.defaultResult(); };
        backend.onPopup = [&](Form&, Menu& menu) {
            form.say("popup", menu.name(), form.lvw.selectedItem()), user::chooseMenu(*menu.entries()[0]);
        };
        form.load();
        form.log.clear();
        try {
            run(QString(script).split("; "));
        } catch (const core::RuntimeError& error) {
            form.say("error", int(error.number()), error.description());
        }
        EXPECT_EQ(form.log.join(' ').toStdString(), expected) << script;
    }
}

TEST(Grid, keepsCellsWidthsAndColoursThroughResizingAndTheSelectionFollowsTheCurrentCell) {
    ShopForm f;
    f.flex.setTextMatrix(1, 2, u"kept"), f.flex.setColWidth(2, 2500), f.flex.setRows(5), f.flex.setCols(4);
    f.flex.setRow(4), f.flex.setCol(3), f.flex.setText("here"), f.flex.setCellForeColor(ColorRed);
    EXPECT_EQ(rowsOf(f.flex) +
                  QString(" %1 %2").arg(f.flex.colWidth(2)).arg(f.flex.colWidth(3)).toStdString(),
              ",,kept, ,,, ,,, ,,,here* 2500 960");
    f.flex.setRows(3), f.flex.setCellForeColor(ColorRed); // the current cell moved back into the grid
    f.flex.clear(), f.flex.addItem("7\tR-7\tbeyond\tcell\textra"), f.flex.addItem("8");
    EXPECT_EQ(rowsOf(f.flex), ",,, ,,, 7,R-7,beyond,cell 8,,,");
    f.flex.setRow(1), f.flex.setRowSel(3), f.flex.setColSel(3), f.flex.setCol(2); // collapses the selection
    EXPECT_EQ(QString("%1 %2").arg(f.flex.rowSel()).arg(f.flex.colSel()).toStdString(), "1 2");
    f.flex.setColSel(3), f.flex.setRow(4);
    EXPECT_EQ(QString("%1 %2").arg(f.flex.rowSel()).arg(f.flex.colSel()).toStdString(), "4 2");
}

// Texts are kept in shared blocks: a text longer than a block, many texts over several blocks, and a cell
// that held the text of the cell above when that one changed.
TEST(Grid, keepsEveryTextItHoldsWhateverItsLengthAndItsNeighbours) {
    ShopForm f;
    f.flex.setRows(4);
    const QString longText(100000, QLatin1Char('x'));
    f.flex.setTextMatrix(1, 1, u"same"), f.flex.setTextMatrix(2, 1, u"same"),
        f.flex.setTextMatrix(1, 1, u"new");
    f.flex.setTextMatrix(3, 1, longText);
    const int rows = 30000;
    for (int row = 4; row < rows; ++row)
        f.flex.addRow({QString("row %1").arg(row), row % 3 ? u"kept" : u"other"});
    f.flex.setTextMatrix(4, 1, u"changed");
    int wrong = 0;
    for (int row = 5; row < rows; ++row)
        wrong += f.flex.textMatrix(row, 0) + f.flex.textMatrix(row, 1) !=
                 QString("row %1%2").arg(row).arg(row % 3 ? "kept" : "other");
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(f.flex.textMatrix(1, 1) + f.flex.textMatrix(2, 1) + f.flex.textMatrix(4, 1), "newsamechanged");
    EXPECT_EQ(f.flex.textMatrix(3, 1), longText);
    EXPECT_EQ(f.flex.rows(), rows);
}

TEST(GridSort, sortsTheSelectedRowsByTheKeyColumnsAsItsCodeSaysMovingWholeRows) {
    const std::tuple<int, int, int, const char*, const char*> rows[] = {
        // code, row sel, last key col
        {SortGenericAscending, 1, 0, "10 9 b 100 A 2.5", "2.5 9 10 100 A b"}, // numbers as numbers
        {SortGenericDescending, 1, 0, "10 9 b 100 A 2.5", "b A 100 10 9 2.5"},
        {SortStringAscending, 1, 0, "b B 10 a 9 A", "10 9 A B a b"}, // letter case counts
        {SortStringDescending, 1, 0, "b B 10 a 9 A", "b a B A 9 10"},
        {SortStringNoCaseAscending, 1, 0, "b B 10 a 9 A", "10 9 a A b B"},
        {SortNumericAscending, 1, 0, "10 9 x 2.5", "x 2.5 9 10"}, // a text without a number counts as 0
        {SortGenericAscending, 1, 1, "x,2,1 y,1,2 x,1,3 y,1,4 x,2,5", "x,1,3 x,2,1 x,2,5 y,1,2 y,1,4"},
        {SortGenericDescending, 1, 0, "x,2,1 y,1,2 x,1,3 y,1,4* x,2,5", "y,1,2 y,1,4* x,2,1 x,1,3 x,2,5"},
        {SortGenericAscending, 4, 0, "5 4 3 2 1", "5 2 3 4 1"}, // rows 2 to 4 are selected
    };
    for (const auto& [code, rowSel, lastKey, lines, expected] : rows) {
        ShopForm f;
        f.flex.setCols(int(QString(lines).section(' ', 0, 0).count(',')) + 1), f.flex.setRows(1);
        f.flex.setTextMatrix(0, 0, u"fixed");
        for (const QString& line : QString(lines).split(' ')) {
            f.flex.addItem(QString(line).remove('*').replace(',', '\t'));
            if (line.endsWith('*'))
                f.flex.setRow(f.flex.rows() - 1), f.flex.setCol(2), f.flex.setCellForeColor(255);
        }
        f.flex.setRow(rowSel == 1 ? 1 : 2), f.flex.setCol(0), f.flex.setRowSel(rowSel),
            f.flex.setColSel(lastKey);
        f.flex.sort(code);
        EXPECT_EQ(rowsOf(f.flex) + " " + f.flex.textMatrix(0, 0).toStdString(),
                  std::string(expected) + " fixed")
            << lines;
    }
}

TEST(GridSort, keepsTheOrderOfEqualKeysInLargeGrids) {
    ShopForm f;
    f.flex.setRows(1), f.flex.setCols(2);
    for (int i = 0; i < 500; ++i)
        f.flex.addItem(QString("%1\t%2").arg(i * 37 % 5).arg(i, 3, 10, QChar('0')));
    f.flex.setRow(1), f.flex.setCol(0), f.flex.sort(SortGenericDescending);
    const QStringList sorted =
        QString::fromStdString(rowsOf(f.flex)).split(' '); // by key, equal keys in the order they had
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(),
                               [](auto& a, auto& b) { return a[0] > b[0] || (a[0] == b[0] && a < b); }));
}

TEST(Lists, itemsSubItemsToolTipsAndTheChoiceFollowAddingAndRemoving) {
    ShopForm f; // lvw: first, second, third; cbo: one, two
    f.lvw.addColumn("Name", 1500), f.lvw.addColumn("Amount", 900, Alignment::Right);
    EXPECT_EQ(f.lvw.addItem("fourth"), 4);
    f.lvw.setCell(2, 3, "far"), f.lvw.setCellToolTip(2, 4, "tip"), f.lvw.setSelectedItem(3),
        f.lvw.removeItem(1);
    EXPECT_EQ(QStringList({f.lvw.cell(1, 0), f.lvw.cell(1, 2), f.lvw.cell(1, 3), f.lvw.cell(3, 5),
                           f.lvw.cellToolTip(1, 4), f.lvw.cellToolTip(1, 3), f.lvw.cell(1, 4),
                           f.lvw.header(2).text, QString::number(f.lvw.selectedItem())})
                  .join(',')
                  .toStdString(),
              "second,,far,,tip,,,Amount,2");
    f.lvw.removeItem(2), f.lvw.clear(), f.lvw.addItem("new");
    EXPECT_EQ(f.lvw.cellToolTip(1, 4).toStdString() + std::to_string(f.lvw.selectedItem()), "0");
    EXPECT_THROW(f.lvw.cell(2, 0), core::RuntimeError);
    f.cbo.addItem("c"), f.cbo.setItemData(f.cbo.newIndex(), 25), f.cbo.setListIndex(2), f.cbo.removeItem(0);
    EXPECT_EQ(
        QString("%1 %2 %3").arg(f.cbo.listIndex()).arg(f.cbo.list(-1)).arg(f.cbo.itemData(1)).toStdString(),
        "1 c 25");
    f.cbo.removeItem(1);
    EXPECT_EQ(f.cbo.listIndex(), -1);
}

TEST(Indexes, badIndexesSetFromCodeRaiseInvalidPropertyValueOrSubscriptOutOfRange) {
    const std::tuple<const char*, const char*, std::function<void(ShopForm&)>> rows[] = {
        {"cbo.setListIndex(2)", "error 380", [](auto& f) { f.cbo.setListIndex(2); }},
        {"cbo.setListIndex(-2)", "error 380", [](auto& f) { f.cbo.setListIndex(-2); }},
        {"cbo.setItemData(2)", "error 9", [](auto& f) { f.cbo.setItemData(2, 5); }},
        {"cbo.removeItem(-1)", "error 9", [](auto& f) { f.cbo.removeItem(-1); }},
        {"lvw.header(0)", "error 9", [](auto& f) { f.lvw.addColumn("Name", 900), f.lvw.header(0); }},
        {"lvw.setHeaderText(2)", "error 9",
         [](auto& f) { f.lvw.addColumn("Name", 900), f.lvw.setHeaderText(2, "x"); }},
        {"lvw.cellToolTip(4, 0)", "error 9", [](auto& f) { f.lvw.cellToolTip(4, 0); }},
        {"lvw.setCellToolTip(1, -1)", "error 9", [](auto& f) { f.lvw.setCellToolTip(1, -1, "x"); }},
        {"tab.setCurrentTab(2)", "error 9", [](auto& f) { f.tab.setCurrentTab(2); }},
        {"tab.setCurrentTab(-1)", "error 9", [](auto& f) { f.tab.setCurrentTab(-1); }},
        {"flex.textMatrix(4, 0)", "error 9", [](auto& f) { f.flex.textMatrix(4, 0); }},
        {"flex.setTextMatrix(0, 3)", "error 9", [](auto& f) { f.flex.setTextMatrix(0, 3, u"x"); }},
        {"flex.setRows(0)", "error 380", [](auto& f) { f.flex.setRows(0); }},
        {"flex.sort(9)", "error 380", [](auto& f) { f.flex.sort(9); }}, // no such sort code
        {"flex.setRows(1)", "", [](auto& f) { f.flex.setRows(1); }},    // the fixed row alone is allowed
    };
    for (const auto& [action, expected, run] : rows) {
        ShopForm f;
        EXPECT_EQ(outcome([&] { return run(f), QString(); }), expected) << action;
    }
}

// What a scenario reads: "CONTROL PROPERTY [ARGUMENTS]" -> the text, all of "dump", or "error NUMBER".
TEST(Properties, readAsScenariosSeeThemWithTheirErrors) {
    const std::pair<const char*, const char*> rows[] = {
        {"flex cellcolor 1 1", "255"},
        {"flex selcolor", "2147483656"}, // system colours unsigned
        {"txtA tooltip", "1,234.50"},
        {"optFirst caption", "&First"},
        {"cbo item 1", "two"},
        {"cbo itemdata 1", "42"},
        {"CBO ListCount", "2"}, // names in any letter case
        {"lvw header 2", "Amount"},
        {"lvw subitem 2 3", "far"},
        {"lvw subitemtooltip 3 0", "third"},
        {"tab tab 0", "General"}, // tabs count from 0
        {"fra text", "error 438"},
        {"cbo item", "error 450"},
        {"cbo dump",
         "text=two listindex=1 listcount=2 item(0)=one itemdata(0)=0 item(1)=two itemdata(1)=42 enabled=true "
         "visible=true tooltip="},
        {"lvw dump",
         "count=3 header(1)=Name header(2)=Amount subitem(1,0)=first subitem(1,1)= subitem(2,0)=second "
         "subitem(2,1)= subitem(2,2)= subitem(2,3)=far subitem(3,0)=third subitem(3,1)= enabled=true "
         "visible=true tooltip="},
        {"flex dump", // cells only with a text or a colour of their own
         "rows=4 cols=3 row=1 col=1 rowsel=1 colsel=1 toprow=1 selcolor=2147483656 colwidth(0)=960 "
         "colwidth(1)=0 colwidth(2)=960 cell(1,1)=here cellcolor(1,1)=255 cell(3,2)=x enabled=true "
         "visible=true tooltip="},
        {"tab dump", "value=1 tab(0)=General tab(1)=Invoices enabled=true visible=true tooltip="},
        {"img dump", "picture=information enabled=true visible=true tooltip="},
    };
    ShopForm f;
    f.cbo.setItemData(1, 42), f.cbo.setListIndex(1), f.optFirst.setCaption("&First");
    f.txtA.setToolTipText("1,234.50"), f.tab.setCurrentTab(1);
    f.lvw.addColumn("Name", 1500), f.lvw.addColumn("Amount", 900), f.lvw.setCell(2, 3, "far");
    f.lvw.setCellToolTip(3, 0, "third"), f.flex.setColWidth(1, 0), f.flex.setTextMatrix(3, 2, u"x");
    f.flex.setRow(1), f.flex.setCol(1), f.flex.setText("here"), f.flex.setCellForeColor(ColorRed);
    f.flex.setForeColorSel(SystemWindowText);
    for (const auto& [read, expected] : rows) {
        const QStringList w = QString(read).split(' ');
        QList<int> args;
        for (const QString& number : w.mid(2))
            args << number.toInt();
        EXPECT_EQ(outcome([&] {
                      const Control* control = f.findControl(w[0]);
                      return !control         ? QString("no control " + w[0])
                             : w[1] == "dump" ? control->dump().join(' ')
                                              : control->property(w[1], args);
                  }),
                  expected)
            << read;
    }
}

TEST(Runtime, tellsTheBackendOfLoadsUnloadsAndTheHourglassOnlyAtItsOuterEdges) {
    {
        struct Told : BackendScope {
            QStringList log;
            void busyChanged(bool busy) override { log << (busy ? "busy" : "idle"); }
        } backend;
        backend.onLoaded = [&](Form& w) { backend.log << "loaded " + w.name(); };
        backend.onUnloaded = [&](Form& w) { backend.log << "unloaded " + w.name(); };
        ShopForm form("frmShop", &backend.log);
        form.load(), form.load();
        {
            HourglassPointer outer;
            { HourglassPointer inner; }
            backend.log << QString("still %1").arg(HourglassPointer::busy());
        }
        backend.log << QString("then %1").arg(HourglassPointer::busy());
        form.unload(), form.unload();
        EXPECT_EQ(backend.log.join(' '), "loaded frmShop frmShop.Load busy still 1 idle then 0 "
                                         "frmShop.QueryUnload(1) frmShop.Unload unloaded frmShop");
    }
    // With no backend set, a screenless one answers with the default button.
    EXPECT_NE(dynamic_cast<HeadlessBackend*>(&Runtime::backend()), nullptr);
    EXPECT_EQ(Runtime::msgBox("Delete?", MsgButtons::YesNo, MsgIcon::Question, "", 2), MsgResult::No);
}
