// A window with one control of every kind, whose handlers log what they see.
#pragma once

#include "platform/forms/combobox.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/listview.h"
#include "platform/forms/othercontrols.h"
#include "platform/forms/textcontrols.h"

#include <QStringList>

namespace qttest {

class TestForm : public forms::Form {
public:
    static constexpr int LargeGrid = 100000;
    static constexpr int GridCols = 6;

    // The grid gets dataRows rows below its header; column 1 of data rows 1, 7 and the last is red.
    explicit TestForm(int dataRows = 20);

    forms::Label lblTitle;
    forms::TextBox txtName;
    forms::CommandButton cmdOk;
    forms::ComboBox cboKind;
    forms::Frame fraOptions;
    forms::OptionButton optFirst;
    forms::OptionButton optSecond;
    forms::Grid flexList;
    forms::ListView lstItems;
    forms::DatePicker dtpDate;
    forms::TabControl tabPages;
    forms::PictureBox picButtons;
    forms::CommandButton cmdCancel;
    forms::Menu mnuPopup;
    forms::Menu mnuOpen;
    forms::Menu mnuSeparator;
    forms::Menu mnuDelete;

    // What the handlers saw, in order ("txtName_KeyPress 97", "cmdOk_Click", ...).
    QStringList log;
    // Characters txtName_KeyPress swallows.
    QString swallowed = QStringLiteral("#");
    // Whether Form_QueryUnload keeps the window open.
    bool refuseClose = false;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    void fillGrid(int dataRows);
    void connectHandlers();
};

} // namespace qttest
