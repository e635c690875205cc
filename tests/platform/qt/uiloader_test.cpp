// Building widgets from Designer files.
#include "platform/core/runtimeerror.h"
#include "platform/qt/uiloader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <gtest/gtest.h>

using qtview::UiLoader;

namespace {

class LoadedSample : public ::testing::Test {
protected:
    void SetUp() override { UiLoader::loadInto(root, QStringLiteral(":/forms/LoaderSample.ui")); }
    template <class W> W* child(const char* name) { return root.findChild<W*>(QLatin1String(name)); }
    QWidget root;
};

TEST_F(LoadedSample, rootTakesTheTopWidgetsNameSizeAndTitle) {
    EXPECT_EQ(root.objectName(), QStringLiteral("LoaderSample"));
    EXPECT_EQ(root.size(), QSize(420, 300));
    EXPECT_EQ(root.windowTitle(), QStringLiteral("Sample"));
}

TEST_F(LoadedSample, propertiesOfEveryKindApply) {
    auto* code = child<QLineEdit>("txtCode");
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code->maxLength(), 8);
    EXPECT_EQ(code->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(code->isEnabled());
    EXPECT_EQ(code->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(code->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    EXPECT_EQ(code->sizePolicy().horizontalStretch(), 2);
    auto* label = child<QLabel>("lblCode");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("&Code:"));
    EXPECT_EQ(label->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(label->buddy(), code);
    auto* frame = child<QFrame>("fraGrid");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->frameShape(), QFrame::Box);
    EXPECT_EQ(frame->minimumHeight(), 40);
}

TEST_F(LoadedSample, boxLayoutKeepsStretchSpacingAndOnlyTheGivenMargins) {
    auto* outer = qobject_cast<QVBoxLayout*>(root.layout());
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(outer->count(), 3);
    EXPECT_EQ(outer->spacing(), 4);
    EXPECT_EQ(outer->stretch(0), 0);
    EXPECT_EQ(outer->stretch(1), 1);
    const QMargins margins = outer->contentsMargins();
    EXPECT_EQ(margins.left(), 11);
    EXPECT_EQ(margins.bottom(), 3);
    EXPECT_EQ(margins.top(), root.style()->pixelMetric(QStyle::PM_LayoutTopMargin, nullptr, &root));
}

TEST_F(LoadedSample, nestedLayoutHoldsWidgetsAndSpacerInOrder) {
    auto* inner = root.findChild<QHBoxLayout*>(QStringLiteral("inner"));
    ASSERT_NE(inner, nullptr);
    ASSERT_EQ(inner->count(), 3);
    EXPECT_EQ(inner->itemAt(0)->widget(), child<QLabel>("lblCode"));
    EXPECT_EQ(inner->itemAt(1)->widget(), child<QLineEdit>("txtCode"));
    QSpacerItem* gap = inner->itemAt(2)->spacerItem();
    ASSERT_NE(gap, nullptr);
    EXPECT_EQ(gap->sizeHint(), QSize(25, 10));
    EXPECT_EQ(gap->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    EXPECT_EQ(child<QLineEdit>("txtCode")->parentWidget(), &root);
}

TEST_F(LoadedSample, tabPagesGetTheirTitlesAndPlacedChildren) {
    auto* tabs = child<QTabWidget>("tabs");
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("First"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Second"));
    EXPECT_EQ(tabs->widget(1)->objectName(), QStringLiteral("secondPage"));
    auto* placed = child<QPushButton>("cmdPlaced");
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->parentWidget(), tabs->widget(0));
    EXPECT_EQ(placed->geometry(), QRect(5, 6, 70, 24));
    EXPECT_EQ(placed->font().pointSize(), 13);
    EXPECT_TRUE(placed->font().bold());
}

TEST_F(LoadedSample, gridLayoutPlacesSpansAndStretches) {
    auto* cells = root.findChild<QGridLayout*>(QStringLiteral("cells"));
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->horizontalSpacing(), 7);
    EXPECT_EQ(cells->columnStretch(0), 1);
    EXPECT_EQ(cells->columnStretch(1), 3);
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    cells->getItemPosition(cells->indexOf(child<QComboBox>("cboWide")), &row, &column, &rowSpan, &columnSpan);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(column, 0);
    EXPECT_EQ(columnSpan, 2);
    EXPECT_EQ(child<QCheckBox>("chkA")->parentWidget(), child<QFrame>("fraGrid"));
}

TEST(UiLoader, missingFileFailsWithFileNotFound) {
    QWidget root;
    try {
        UiLoader::loadInto(root, QStringLiteral(":/forms/NoSuchWindow.ui"));
        FAIL() << "no error";
    } catch (const rt::RuntimeError& error) {
        EXPECT_EQ(error.number(), rt::err::FileNotFound);
        EXPECT_TRUE(error.description().contains(QStringLiteral("NoSuchWindow.ui")));
    }
}

TEST(UiLoader, unknownWidgetClassFailsNamingTheClass) {
    QWidget root;
    try {
        UiLoader::loadInto(root, QStringLiteral(":/forms/Broken.ui"));
        FAIL() << "no error";
    } catch (const rt::RuntimeError& error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral("QCalendarWidget")));
    }
}

} // namespace
