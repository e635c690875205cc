// The register window's Designer file: names, classes, texts and layout.
#include "platform/qt/uiloader.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

class FrmMasterUi : public ::testing::Test {
protected:
    void SetUp() override {
        qtview::UiLoader::loadInto(root, QStringLiteral(":/forms/FrmMaster.ui"));
        root.show();
    }
    template <class W> W& child(const char* name) {
        W* found = root.findChild<W*>(QLatin1String(name));
        if (!found) throw std::logic_error(std::string("missing ") + name);
        return *found;
    }
    QWidget root;
};

TEST_F(FrmMasterUi, windowIsTheReceiptsWindowOfNineHundredBySixHundred) {
    EXPECT_EQ(root.objectName(), QStringLiteral("FrmMaster"));
    EXPECT_EQ(root.windowTitle(), QStringLiteral("Receipts"));
    EXPECT_EQ(root.size(), QSize(900, 600));
}

TEST_F(FrmMasterUi, browseFrameHoldsTheColumnListAndTheOrderOptions) {
    auto& frame = child<QGroupBox>("fraBrowse");
    EXPECT_EQ(frame.title(), QStringLiteral("Browse"));
    EXPECT_TRUE(frame.isAncestorOf(&child<QComboBox>("cboColNames")));
    EXPECT_EQ(child<QRadioButton>("optAscend").text(), QStringLiteral("Ascending"));
    EXPECT_EQ(child<QRadioButton>("optDescend").text(), QStringLiteral("Descending"));
    EXPECT_TRUE(frame.isAncestorOf(&child<QRadioButton>("optAscend")));
    EXPECT_TRUE(frame.isAncestorOf(&child<QRadioButton>("optDescend")));
}

TEST_F(FrmMasterUi, searchRowHasItsLabelComboAndTextBox) {
    auto& label = child<QLabel>("lblsearch");
    EXPECT_EQ(label.text(), QStringLiteral("&Search On:"));
    EXPECT_EQ(label.buddy(), &child<QComboBox>("cboSearch"));
    auto& search = child<QLineEdit>("txtsearch");
    EXPECT_GT(search.x(), child<QComboBox>("cboSearch").x());
    EXPECT_EQ(search.y() / 10, child<QComboBox>("cboSearch").y() / 10);
}

TEST_F(FrmMasterUi, buttonsSitInARowInsideThePictureBelowTheGrid) {
    auto& picture = child<QFrame>("Picture1");
    const char* names[] = {"cmdnew", "CmdEdit", "CmdDelete", "cmdUpdate", "cmdPrint", "CmdClose"};
    const QStringList captions{QStringLiteral("&New"),    QStringLiteral("&Edit"),
                               QStringLiteral("&Delete"), QStringLiteral("&Post Ledgers"),
                               QStringLiteral("&Print"),  QStringLiteral("&Close")};
    int previousX = -1;
    for (int i = 0; i < 6; ++i) {
        auto& button = child<QPushButton>(names[i]);
        EXPECT_EQ(button.text(), captions[i]);
        EXPECT_EQ(button.parentWidget(), &picture);
        EXPECT_GT(button.x(), previousX);
        previousX = button.x();
    }
    EXPECT_GT(picture.y(), child<QTableView>("flexMaster").geometry().bottom());
}

TEST_F(FrmMasterUi, gridFillsMostOfTheWindowBelowTheBrowseRow) {
    auto& grid = child<QTableView>("flexMaster");
    EXPECT_GT(grid.height(), root.height() / 2);
    EXPECT_GT(grid.width(), root.width() * 9 / 10);
    EXPECT_GT(grid.y(), child<QGroupBox>("fraBrowse").geometry().bottom());
}

} // namespace
