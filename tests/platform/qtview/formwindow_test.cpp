// A form's window on the toolkit: widgets bound to its controls by name, state both ways, the user's mouse
// and keys reaching the controls' events, the modal loop, focus, pop-up menus and message boxes.
#include "output/frmprint.h"
#include "output/frmstatus.h"
#include "platform/forms/combobox.h"
#include "platform/forms/datepicker.h"
#include "platform/forms/grid.h"
#include "platform/forms/image.h"
#include "platform/forms/listview.h"
#include "platform/forms/menu.h"
#include "platform/forms/tabcontrol.h"
#include "platform/qtview/binderfactory.h"
#include "platform/qtview/colors.h"
#include "platform/qtview/controlbinder.h"
#include "platform/qtview/formwindow.h"
#include "platform/qtview/qtbackend.h"
#include "platform/qtview/uiloader.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

// Failures show texts as text.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

using namespace forms;

// One control of every kind. Its handlers log what they see: "cmdOk_Click", "txtName_KeyDown 88",
// "lstItems_MouseUp 2" (the button), "flexList_MouseUp 0 2" (the grid's mouse cell).
struct TestForm : Form {
    Label lblTitle{*this, "lblTitle"};
    TextBox txtName{*this, "txtName"};
    CommandButton cmdOk{*this, "cmdOk"};
    ComboBox cboKind{*this, "cboKind"};
    Frame fraOptions{*this, "fraOptions"};
    OptionButton optFirst{*this, "optFirst", &fraOptions};
    OptionButton optSecond{*this, "optSecond", &fraOptions};
    Grid flexList{*this, "flexList"};
    ListView lstItems{*this, "lstItems"};
    DatePicker dtpDate{*this, "dtpDate"};
    TabControl tabPages{*this, "tabPages"};
    Image imgSign{*this, "imgSign"};
    PictureBox picButtons{*this, "picButtons"};
    CommandButton cmdCancel{*this, "cmdCancel", &picButtons};
    Menu mnuPopup{*this, "mnuPopup", "Popup"};
    Menu mnuOpen{*this, "mnuOpen", "&Open", &mnuPopup};
    Menu mnuSeparator{*this, "mnuSeparator", "-", &mnuPopup};
    Menu mnuDelete{*this, "mnuDelete", "&Delete", &mnuPopup};
    QStringList log;
    QString swallowed = "#"; // characters every KeyPress handler refuses
    bool refuseClose = false;

    // The grid has a header row and 20 data rows; column 1 of data rows 1, 7 and 20 is red.
    TestForm() : Form("TestForm", "Test window") {
        txtName.setText("Anna");
        for (const char* kind : {"Cash", "Cheque", "Card"})
            cboKind.addItem(kind);
        tabPages.addTab("General");
        tabPages.addTab("Details");
        dtpDate.setValue(QDate(2024, 3, 5));
        lstItems.addColumn("Invoice", 1500);
        lstItems.addColumn("Amount", 1200, Alignment::Right);
        for (int item = 1; item <= 3; ++item)
            lstItems.setCell(lstItems.addItem(QString("INV%1").arg(item)), 1,
                             QString("%1.00").arg(item * 10));
        lstItems.setCellToolTip(2, 1, "20.00 due");
        flexList.setCols(6);
        flexList.setRows(21);
        flexList.setColWidth(0, 300);
        flexList.setColWidth(5, 0);
        for (int row = 0; row <= 20; ++row) {
            flexList.setTextMatrix(row, 1, row ? QString("R%1").arg(row) : "Head 1");
            flexList.setTextMatrix(row, 2, row ? QString::number(row * 10) : "Head 2");
        }
        for (int row : {1, 7, 20})
            flexList.setRow(row), flexList.setCellForeColor(ColorRed);
        flexList.setRow(1);
        saveDesign();
        auto logs = [this](const QString& event) { return [this, event] { log << event; }; };
        for (Control* control : controls()) {
            const QString name = control->name() + '_';
            control->Click = logs(name + "Click");
            control->DblClick = logs(name + "DblClick");
            control->GotFocus = logs(name + "GotFocus");
            control->KeyDown = [this, name](int& key, int) { log << name + QString("KeyDown %1").arg(key); };
            control->KeyPress = [this, name](int& key) {
                log << name + QString("KeyPress %1").arg(key);
                key = swallowed.contains(QChar(key)) ? 0 : key;
            };
            control->MouseUp = [this, name](int button, int, float, float) {
                log << name + QString("MouseUp %1").arg(button);
            };
        }
        txtName.Change = [this] { log << "txtName_Change " + txtName.text(); };
        dtpDate.Change = logs("dtpDate_Change");
        flexList.EnterCell = logs("flexList_EnterCell");
        flexList.SelChange = logs("flexList_SelChange");
        flexList.MouseUp = [this](int, int, float, float) {
            log << QString("flexList_MouseUp %1 %2").arg(flexList.mouseRow()).arg(flexList.mouseCol());
        };
        flexList.MouseMove = [this](int, int, float, float) {
            flexList.setToolTipText(QString("Cell %1,%2").arg(flexList.mouseRow()).arg(flexList.mouseCol()));
        };
        lstItems.ItemClick = [this](int item) { log << QString("lstItems_ItemClick %1").arg(item); };
    }
    void Form_QueryUnload(int& cancel, int mode) override {
        log << QString("Form_QueryUnload %1").arg(mode);
        cancel = refuseClose;
    }
};

class QtWindow : public ::testing::Test {
protected:
    void SetUp() override { Runtime::setBackend(&backend); }
    void TearDown() override {
        ownWindow_.reset();
        form->refuseClose = false;
        form->unload();
        Runtime::setBackend(nullptr);
    }
    // Loads the form and shows its window without a modal loop.
    qtview::FormWindow& openWindow() {
        form->load();
        ownWindow_ = std::make_unique<qtview::FormWindow>(*form, nullptr);
        (window_ = ownWindow_.get())->show();
        settle();
        form->log.clear();
        return *window_;
    }
    // Shows the form modally; script runs inside the modal loop and must end by unloading the form.
    // A window it leaves open is closed, so that a failing test ends instead of waiting for a user.
    void runModal(const std::function<void(qtview::FormWindow&)>& script) {
        QTimer::singleShot(0, [&] {
            if ((window_ = backend.windowOf(*form))) script(*window_);
            EXPECT_FALSE(form->isShown()) << "the window stayed open";
            form->refuseClose = false;
            form->unload();
        });
        form->showModal();
    }
    template <class W = QWidget> W& widget(const QString& name) const {
        return *window_->findChild<W*>(name);
    }
    QTableView& grid() { return widget<QTableView>("flexList"); }
    QTreeView& list() { return widget<QTreeView>("lstItems"); }
    QLineEdit& edit() { return widget<QLineEdit>("txtName"); }
    // Lets queued refreshes run.
    static void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    // "w.WIDGET.WHAT": a widget's property, or a view's ("w.flexList.[0,1]": that cell's
    // text|colour|alignment|tool tip); "CONTROL.PROPERTY": as the runtime reads it ("flexList.colwidth(2)").
    QString shown(const QString& path) {
        const QStringList part = path.split('.');
        if (part[1] == "selection")
            return QString("%1,%2").arg(form->txtName.selStart()).arg(form->txtName.selLength());
        if (part[1] == "item") return QString::number(form->lstItems.selectedItem());
        const QStringList call = part[1].split(QRegularExpression("[()]"));
        if (part[0] != "w")
            return form->findControl(part[0])->property(call[0], {call.value(1, "0").toInt()});
        QWidget& w = widget(part[1]);
        const QString what = part[2];
        if (const QVariant value = w.property(qPrintable(what)); value.isValid()) return value.toString();
        if (what == "picture") return QString::number(static_cast<QLabel&>(w).pixmap().width());
        if (what == "tab0") return static_cast<QTabWidget&>(w).tabText(0);
        auto& view = static_cast<QAbstractItemView&>(w);
        const QAbstractItemModel& model = *view.model();
        auto* table = qobject_cast<QTableView*>(&view);
        QHeaderView& header = table ? *table->horizontalHeader() : *static_cast<QTreeView&>(view).header();
        QStringList values;
        for (int col = 0; col < model.columnCount(); ++col) {
            if (what == "widths")
                values << QString::number(header.isSectionHidden(col) ? 0 : header.sectionSize(col));
            for (int row = 0; row < model.rowCount() && what == "selection"; ++row)
                if (view.selectionModel()->isSelected(model.index(row, col)))
                    values << QString("%1,%2").arg(row).arg(col);
        }
        if (what == "rows") return QString::number(model.rowCount());
        if (what == "top") return QString::number(view.indexAt({2, 2}).row());
        if (what == "highlight") return view.palette().color(QPalette::HighlightedText).name();
        if (what.startsWith("head")) return model.headerData(what.mid(4).toInt(), Qt::Horizontal).toString();
        if (what.startsWith('[')) {
            const QModelIndex cell =
                model.index(what.mid(1).section(',', 0, 0).toInt(), what.section(',', 1).chopped(1).toInt());
            values << cell.data().toString() << cell.data(Qt::ForegroundRole).value<QColor>().name()
                   << (cell.data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight ? "right" : "left")
                   << cell.data(Qt::ToolTipRole).toString();
            return values.join('|');
        }
        return values.join(' ');
    }
    // "; "-separated: "PATH=VALUE" as shown() reads it, "EVENT" that must be in the log, "!EVENT" one that
    // must not; then the log starts again.
    void expectSeen(const QString& entries) {
        settle();
        for (const QString& entry : entries.split("; ")) {
            if (entry.contains('='))
                EXPECT_EQ(shown(entry.section('=', 0, 0)), entry.section('=', 1)) << qPrintable(entry);
            else
                EXPECT_NE(form->log.contains(entry.mid(entry.startsWith('!'))), entry.startsWith('!'))
                    << qPrintable(entry + " in " + form->log.join(','));
        }
        form->log.clear();
    }
    static QPoint at(QAbstractItemView& view, int row, int col) {
        return view.visualRect(view.model()->index(row, col)).center();
    }
    static void click(QAbstractItemView& view, int row, int col) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(view, row, col));
    }
    // Press, release, double click and release, as the window system delivers a double click.
    static void doubleClick(QAbstractItemView& view, int row, int col) {
        click(view, row, col);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at(view, row, col));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at(view, row, col));
    }

    qtview::QtBackend backend;
    std::unique_ptr<TestForm> form = std::make_unique<TestForm>();

private:
    std::unique_ptr<qtview::FormWindow> ownWindow_;
    qtview::FormWindow* window_ = nullptr;
};

// One of each element and property kind the module's window files use.
TEST(UiLoader, buildsTheFilesWidgetsLayoutsAndPropertiesAndRefusesABrokenFile) {
    QWidget root;
    qtview::UiLoader::loadInto(root, ":/forms/TestForm.ui");
    auto child = [&](const char* name) { return root.findChild<QWidget*>(name); };
    auto& buttons = *static_cast<QHBoxLayout*>(child("picButtons")->layout());
    EXPECT_EQ(root.size(), QSize(640, 480));
    EXPECT_EQ(static_cast<QLabel*>(child("lblTitle"))->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(static_cast<QLabel*>(child("lblTitle"))->buddy(), child("txtName"));
    EXPECT_EQ(child("txtName")->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(child("txtName")->sizePolicy().horizontalStretch(), 2);
    EXPECT_EQ(child("CMDOK")->font().pointSize() * child("CMDOK")->font().bold(), 13);
    EXPECT_EQ(static_cast<QFrame*>(child("picButtons"))->frameShape(), QFrame::StyledPanel);
    EXPECT_EQ(child("picButtons")->minimumHeight(), 40);
    EXPECT_EQ(child("chkPlaced")->geometry(), QRect(5, 6, 70, 24));
    EXPECT_EQ(static_cast<QTabWidget*>(child("tabPages"))->tabText(1), "Page 2");
    EXPECT_EQ(std::tuple(buttons.spacing(), buttons.stretch(0), buttons.contentsMargins().left()),
              std::tuple(7, 1, 11));
    EXPECT_EQ(buttons.contentsMargins().top(),
              root.style()->pixelMetric(QStyle::PM_LayoutTopMargin, nullptr, child("picButtons")));
    EXPECT_EQ(buttons.itemAt(0)->spacerItem()->sizeHint(), QSize(25, 10));
    auto& cells = *static_cast<QGridLayout*>(root.layout());
    int row, col, rowSpan, colSpan;
    cells.getItemPosition(cells.indexOf(child("lstItems")), &row, &col, &rowSpan, &colSpan);
    EXPECT_EQ(std::tuple(row, col, colSpan, cells.columnStretch(1), cells.rowStretch(2)),
              std::tuple(3, 0, 2, 3, 1));
    for (const auto& [path, error, named] :
         {std::tuple{":/forms/NoSuchWindow.ui", core::err::FileNotFound, "NoSuchWindow.ui"},
          {":/forms/NotXml.ui", core::err::BadFileName, "NotXml.ui"},
          {":/forms/Broken.ui", core::err::BadFileName, "QCalendarWidget"}}) {
        try {
            QWidget fresh;
            qtview::UiLoader::loadInto(fresh, path);
            ADD_FAILURE() << path << " loaded";
        } catch (const core::RuntimeError& failure) {
            EXPECT_EQ(failure.number(), error) << path;
            EXPECT_TRUE(failure.description().contains(named))
                << path << ": " << qPrintable(failure.description());
        }
    }
}

// Every control of the test window and of the module's windows no other test opens on the toolkit has a
// widget: the one of its name in any letter case, when of a class that fits the control.
TEST_F(QtWindow, bindsEachControlToTheWidgetOfItsName) {
    output::frmStatus posting;
    output::frmPrint printing;
    for (Form* window : std::initializer_list<Form*>{form.get(), &posting, &printing}) {
        qtview::FormWindow shown(*window, nullptr);
        for (Control* control : window->controls())
            EXPECT_EQ(!shown.widgetFor(control), control->kind() == ControlKind::Menu)
                << qPrintable(window->name() + '.' + control->name());
    }
    qtview::FormWindow& window = openWindow();
    EXPECT_EQ(window.widgetFor(&form->cmdOk), &widget("CMDOK"));
    QLabel label;
    QLineEdit edit;
    EXPECT_EQ(qtview::bindControl(form->txtName, label), nullptr);
    EXPECT_EQ(qtview::bindControl(form->imgSign, edit), nullptr);
    Form lonely("NoWindowFile", "Lonely");
    EXPECT_THROW(lonely.showModal(), core::RuntimeError);
    EXPECT_EQ(backend.windowOf(lonely), nullptr);
    lonely.unload();
}

// The grid's last column shown fills the grid's width: 390 pixels here.
TEST_F(QtWindow, stateSetByCodeShowsInTheWidgets) {
    openWindow();
    expectSeen(
        "w.flexList.head1=Head 1; w.flexList.[0,1]=R1|#ff0000|left|; w.flexList.[6,1]=R7|#ff0000|left|; "
        "w.flexList.[19,1]=R20|#ff0000|left|; w.flexList.[1,1]=R2|#000000|left|; w.flexList.rows=20; "
        "w.flexList.[19,2]=200|#000000|right|; w.flexList.widths=20 64 64 64 390 0; w.lstItems.rows=3; "
        "w.lstItems.head1=Amount; w.lstItems.[1,0]=INV2|#000000|left|; "
        "w.lstItems.[1,1]=20.00|#000000|right|20.00 due; w.lstItems.[2,1]=30.00|#000000|right|");
    form->lblTitle.setCaption("Customer");
    form->lblTitle.setToolTipText("Paid by");
    form->txtName.setSelStart(1);
    form->txtName.setSelLength(2);
    form->cmdOk.setCaption("&Save");
    form->fraOptions.setCaption("Order");
    form->optSecond.setValue(true);
    form->optSecond.setCaption("2");
    form->cboKind.addItem("Voucher");
    form->cboKind.setListIndex(3);
    form->dtpDate.setValue(QDate(2023, 12, 31));
    form->tabPages.setTabCaption(0, "Main");
    form->tabPages.setCurrentTab(1);
    form->imgSign.setPicture("WARNING");
    form->cmdCancel.setEnabled(false);
    form->fraOptions.setEnabled(false);
    form->txtName.setVisible(false);
    expectSeen(
        "w.lblTitle.text=Customer; w.lblTitle.toolTip=Paid by; w.txtName.selectedText=nn; "
        "w.CMDOK.text=&Save; w.fraOptions.title=Order; w.optSecond.checked=true; w.optSecond.text=2; "
        "w.optFirst.checked=false; w.cboKind.count=4; w.cboKind.currentText=Voucher; "
        "w.dtpDate.date=2023-12-31; w.tabPages.tab0=Main; w.tabPages.currentIndex=1; w.imgSign.picture=32; "
        "w.cmdCancel.enabled=false; w.CMDOK.enabled=true; w.optFirst.enabled=false; w.txtName.visible=false");
    QSignalSpy changed(grid().model(), &QAbstractItemModel::dataChanged);
    QSignalSpy reset(grid().model(), &QAbstractItemModel::modelReset);
    form->cboKind.clear();
    form->imgSign.setPicture("sunset");
    form->cmdCancel.setEnabled(true);
    form->picButtons.setEnabled(false);
    form->flexList.setColWidth(5, 1500);
    form->flexList.setColWidth(2, 0);
    form->flexList.setForeColorSel(ColorCyan);
    form->flexList.setRow(3);
    form->flexList.setCol(3);
    form->flexList.setRowSel(4);
    form->flexList.setTopRow(5);
    for (int row = 1; row <= 20; ++row)
        form->flexList.setTextMatrix(row, 3, u"x");
    form->lstItems.setSelectedItem(2);
    expectSeen(
        "w.cboKind.count=0; w.cboKind.currentIndex=-1; w.imgSign.picture=0; w.cmdCancel.enabled=false; "
        "w.flexList.widths=20 64 0 64 64 390; w.flexList.highlight=#00ffff; w.flexList.selection=2,0 3,0 2,1 "
        "3,1 2,2 3,2 2,3 3,3 2,4 3,4 2,5 3,5; "
        "w.flexList.top=4; w.flexList.[19,3]=x|#000000|left|; w.lstItems.selection=1,0 1,1");
    EXPECT_GE(qtview::contrastRatio(grid().palette().color(QPalette::Highlight), Qt::cyan), 4.5);
    EXPECT_EQ(changed.count(), 1); // the changes made in one go come to one refresh,
    EXPECT_EQ(reset.count(), 0);   // and a reset only with a new shape
    form->flexList.addItem("\tNew");
    form->lstItems.setSelectedItem(0);
    form->optSecond.setValue(false);
    expectSeen(
        "w.flexList.rows=21; w.lstItems.selection=; w.optSecond.checked=false; w.optFirst.checked=false");
    form->lstItems.clear();
    expectSeen("w.lstItems.rows=0");
}

TEST_F(QtWindow, gridTakesClicksDragsKeysAndScrolling) {
    openWindow();
    click(grid(), 2, 1);
    expectSeen(
        "flexList_EnterCell; flexList_Click; flexList.row=3; w.flexList.selection=2,0 2,1 2,2 2,3 2,4 2,5");
    click(grid(), 4, 0);
    expectSeen("!flexList_Click; flexList.row=3"); // a fixed cell
    doubleClick(grid(), 4, 2);
    expectSeen("flexList_DblClick; flexList.row=5; flexList.col=2");
    QTest::mousePress(grid().viewport(), Qt::LeftButton, {}, at(grid(), 1, 1));
    QTest::mouseRelease(grid().viewport(), Qt::LeftButton, {}, at(grid(), 4, 1));
    expectSeen("flexList_SelChange; flexList.row=2; flexList.rowsel=5; w.flexList.selection=1,0 2,0 3,0 4,0 "
               "1,1 2,1 3,1 4,1 1,2 2,2 3,2 4,2 1,3 2,3 3,3 4,3 1,4 2,4 3,4 4,4 1,5 2,5 3,5 4,5");
    QHeaderView& header = *grid().horizontalHeader();
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                      QPoint(header.sectionViewportPosition(2) + 5, 5));
    expectSeen("flexList_Click; flexList_MouseUp 0 2");
    QMouseEvent move(QEvent::MouseMove, at(grid(), 3, 2), grid().viewport()->mapToGlobal(at(grid(), 3, 2)),
                     Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(grid().viewport(), &move);
    header.resizeSection(2, 90);
    grid().verticalScrollBar()->setSliderPosition(3);
    expectSeen(
        "flexList.tooltip=Cell 4,2; w.flexList.[3,2]=40|#000000|right|Cell 4,2; flexList.colwidth(2)=1350; "
        "flexList.toprow=4");
    QTest::keyClick(&grid(), Qt::Key_Down);
    QTest::keyClick(&grid(), Qt::Key_Right);
    expectSeen("flexList_EnterCell; !flexList_Click; flexList.row=3; flexList.col=3");
    QTest::keyClick(&grid(), Qt::Key_Down, Qt::ShiftModifier);
    expectSeen("flexList_SelChange; flexList.row=3; flexList.rowsel=4; w.flexList.selection=2,0 3,0 2,1 3,1 "
               "2,2 3,2 2,3 3,3 2,4 3,4 2,5 3,5");
    QTest::keyClick(&grid(), Qt::Key_End, Qt::ControlModifier);
    expectSeen("flexList.row=20; flexList.col=3");
    EXPECT_GT(form->flexList.topRow(),
              4); // the view scrolled to the cell the key reached, and the grid knows
    // The view asks the model for the rows on screen only: no widget and no row size of its own per row.
    EXPECT_LT(grid().findChildren<QWidget*>().size(), 30);
    EXPECT_EQ(grid().verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
}

TEST_F(QtWindow, listTakesClicksAndKeys) {
    openWindow();
    click(list(), 1, 0);
    expectSeen("lstItems_ItemClick 2; lstItems.item=2; w.lstItems.selection=1,0 1,1");
    doubleClick(list(), 2, 0);
    expectSeen("lstItems_DblClick; lstItems.item=3");
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at(list(), 0, 0),
                           list().viewport()->mapToGlobal(at(list(), 0, 0)));
    QApplication::sendEvent(list().viewport(), &menu);
    expectSeen("lstItems_MouseUp 2; lstItems.item=1");
    for (auto key : {Qt::Key_Down, Qt::Key_End, Qt::Key_Down, Qt::Key_Home})
        QTest::keyClick(&list(), key);
    EXPECT_EQ(form->log.filter("ItemClick").join(','),
              "lstItems_ItemClick 2,lstItems_ItemClick 3,lstItems_ItemClick 1");
    expectSeen("lstItems_KeyDown 35; w.lstItems.selection=0,0 0,1");
}

// A column as designed fits its texts; one the program or the user sized keeps that width; the last
// column takes the rest of the view, whatever the user does to it.
TEST_F(QtWindow, listColumnsFitTheirTextsAndTheLastFillsTheView) {
    openWindow();
    QHeaderView& header = *list().header();
    const auto fills = [&] {
        return header.sectionSize(0) + header.sectionSize(1) == list().viewport()->width();
    };
    EXPECT_GE(header.sectionSize(0), list().fontMetrics().horizontalAdvance("Invoice"));
    EXPECT_LT(header.sectionSize(0), 100); // narrower than designed
    EXPECT_TRUE(fills());
    form->lstItems.setHeaderWidth(1, 3000);
    settle();
    EXPECT_EQ(header.sectionSize(0), 200);
    header.resizeSection(0, 120);
    header.resizeSection(1, 10);
    settle();
    EXPECT_EQ(form->lstItems.header(1).width, 120 * forms::TwipsPerPixel);
    EXPECT_EQ(form->lstItems.header(2).width, 1200);
    form->lstItems.setHeaderWidth(2, 0);
    settle();
    EXPECT_TRUE(header.isSectionHidden(1));
}

// A list's frame shows the focus, whether or not a row is current.
TEST_F(QtWindow, listFrameShowsTheFocus) {
    openWindow();
    const auto frameColour = [this] {
        settle();
        return list().grab().toImage().pixelColor(0, list().height() / 2);
    };
    const QColor highlight = list().palette().color(QPalette::Highlight);
    EXPECT_NE(frameColour(), highlight);
    form->lstItems.clear();
    list().setFocus();
    EXPECT_EQ(frameColour(), highlight);
}

TEST_F(QtWindow, typingReachesTheTextAtTheCaret) {
    openWindow();
    edit().end(false);
    QTest::keyClicks(&edit(), "xy");
    EXPECT_EQ(form->log.join(','), "txtName_KeyDown 88,txtName_KeyPress 120,txtName_Change Annax,"
                                   "txtName_KeyDown 89,txtName_KeyPress 121,txtName_Change Annaxy");
    expectSeen("txtName.selection=6,0; w.txtName.text=Annaxy");
    edit().setCursorPosition(2);
    QTest::keyClicks(&edit(), "a#b");
    expectSeen("txtName_KeyPress 35; txtName.text=Anabnaxy; w.txtName.cursorPosition=4");
    edit().setSelection(1, 2);
    expectSeen("txtName.selection=1,2");
    QTest::keyClicks(&edit(), "o");
    QTest::keyClick(&edit(), Qt::Key_Backspace);
    expectSeen("txtName_KeyPress 8; txtName.text=Abnaxy; w.txtName.cursorPosition=1");
    form->swallowed = "\b";
    QTest::keyClick(&edit(), Qt::Key_Backspace);
    QTest::keyClick(&edit(), Qt::Key_Delete);
    expectSeen("txtName_KeyDown 46; txtName.text=Anaxy; w.txtName.text=Anaxy; w.txtName.cursorPosition=1");
    QApplication::clipboard()->setText("ZZ");
    edit().setSelection(1, 2);
    QTest::keyClick(&edit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->log.filter("Change"), QStringList{"txtName_Change AZZxy"}); // one change
    form->txtName.maxLength = 6;
    QTest::keyClicks(&edit(), "ABC");
    expectSeen("w.txtName.cursorPosition=4; txtName.text=AZZAxy; w.txtName.maxLength=6");
    form->txtName.locked = true;
    QTest::keyClicks(&edit(), "D");
    expectSeen("txtName.text=AZZAxy; w.txtName.readOnly=true");
}

// The runtime owns the focus (its active control, tab order and default button) and the closing.
TEST_F(QtWindow, modalWindowRunsUntilTheFormUnloadsWithTheRuntimesFocusAndClosing) {
    form->cmdOk.isDefault = true;
    form->txtName.setTabIndex(1);
    form->cmdCancel.setTabIndex(2);
    QPointer<QWidget> shown;
    runModal([&](qtview::FormWindow& window) {
        shown = &window;
        EXPECT_TRUE(window.isVisible() && window.isModal());
        form->cmdOk.setFocus();
        EXPECT_EQ(window.focusWidget(), &widget("CMDOK"));
        QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(&widget("txtName"), &focusIn);
        EXPECT_EQ(form->activeControl(), &form->txtName);
        QTest::keyClick(&widget("txtName"), Qt::Key_Return);
        QTest::keyClick(&widget("txtName"), Qt::Key_Tab);
        EXPECT_EQ(window.focusWidget(), &widget("cmdCancel"));
        QTest::keyClick(&widget("cmdCancel"), Qt::Key_Tab); // past the last: the first again
        EXPECT_EQ(window.focusWidget(), &widget("CMDOK"));
        form->txtName.setText("Changed");
        form->refuseClose = true;
        window.close();
        EXPECT_TRUE(window.isVisible());
        form->refuseClose = false;
        window.close();
    });
    EXPECT_TRUE(shown.isNull());
    EXPECT_EQ(backend.windowOf(*form), nullptr);
    EXPECT_EQ(form->log.filter(QRegularExpression("^(Form|txtName_GotFocus|cmdOk_Click|cmdCancel_Got)")),
              (QStringList{"txtName_GotFocus", "cmdOk_Click", "cmdCancel_GotFocus", "Form_QueryUnload 0",
                           "Form_QueryUnload 0"}));
    form->cmdCancel.Click = [this] { form->unload(); };
    runModal([&](qtview::FormWindow&) {
        EXPECT_EQ(widget<QLineEdit>("txtName").text(), "Anna"); // as designed, again
        QTest::mouseClick(&widget("cmdCancel"), Qt::LeftButton);
    });
}

TEST_F(QtWindow, hourglassShowsTheWaitCursorUntilTheOutermostEnds) {
    {
        HourglassPointer outer;
        { HourglassPointer inner; }
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// What the box shows (its buttons, the default one, its title: the application's name when the request has
// none) and the answer for the button pressed (Escape: the box's cancel button).
TEST_F(QtWindow, messageBoxShowsTheRequestAndAnswersTheButtonPressed) {
    const struct {
        MsgButtons buttons;
        int defaultButton;
        const char *title, *application, *press, *shown;
        MsgResult answer;
    } table[] = {
        {MsgButtons::OK, 1, "", "Shop", "Ok", "Ok Ok Shop", MsgResult::OK},
        {MsgButtons::OKCancel, 2, "", "", "Escape", "Ok|Cancel Cancel Host", MsgResult::Cancel},
        {MsgButtons::YesNo, 2, "Receipts", "Shop", "Yes", "Yes|No No Receipts", MsgResult::Yes},
        {MsgButtons::YesNoCancel, 3, "Receipts", "", "No", "Yes|No|Cancel Cancel Receipts", MsgResult::No},
        {MsgButtons::YesNoCancel, 4, "Receipts", "", "Escape", "Yes|No|Cancel Yes Receipts",
         MsgResult::Cancel}};
    const QMetaEnum buttons = QMetaEnum::fromType<QMessageBox::StandardButtons>();
    const QString application = qApp->applicationName();
    qApp->setApplicationName("Host");
    for (const auto& row : table) {
        Runtime::setApplicationName(row.application);
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QStringList names;
            for (int button : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
                if (box->standardButtons() & button) names << buttons.valueToKey(button);
            shown = names.join('|') + ' ' + buttons.valueToKey(box->standardButton(box->defaultButton())) +
                    ' ' + box->windowTitle();
            if (row.press == QLatin1String("Escape"))
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(QMessageBox::StandardButton(buttons.keyToValue(row.press)))->click();
        });
        EXPECT_EQ(Runtime::msgBox("Post?", row.buttons, MsgIcon::Question, row.title, row.defaultButton),
                  row.answer)
            << row.shown << " pressing " << row.press;
        EXPECT_EQ(shown, row.shown);
    }
    Runtime::setApplicationName({});
    qApp->setApplicationName(application);
}

} // namespace
