// The contrast of two colours and the selection background a text colour reads on.
#include "platform/qtview/colors.h"

#include <gtest/gtest.h>

namespace {

using qtview::contrastRatio;

TEST(Colors, contrastRunsFromOneToTwentyOne) {
    EXPECT_DOUBLE_EQ(contrastRatio(Qt::gray, Qt::gray), 1);
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21, 0.001);
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::red), 4.0, 0.01);
}

// A background too close to its text moves toward black or white, the way the text stands out more,
// only as far as it needs and keeping its hue; one that reads already stays.
TEST(Colors, readableBackgroundKeepsOrMovesTheBackgroundUntilTheTextReads) {
    const QColor highlight(0x30, 0x8c, 0xc6), pale(0xcc, 0xe8, 0xff);
    const struct {
        QColor text, background;
        bool kept;
    } table[] = {{Qt::red, highlight, false}, {Qt::cyan, highlight, false}, {Qt::white, pale, false},
                 {Qt::black, pale, true},     {Qt::red, Qt::black, true},   {Qt::darkBlue, Qt::white, true}};
    for (const auto& row : table) {
        const QColor background = qtview::readableBackground(row.text, row.background);
        const std::string name = row.text.name().toStdString() + " on " + row.background.name().toStdString();
        EXPECT_GE(contrastRatio(row.text, background), 4.5) << name;
        EXPECT_EQ(background == row.background, row.kept) << name;
        if (row.kept) continue;
        EXPECT_LT(contrastRatio(row.text, background), 4.8) << name;
        EXPECT_NEAR(background.hsvHue(), row.background.hsvHue(), 8) << name;
    }
}

} // namespace
