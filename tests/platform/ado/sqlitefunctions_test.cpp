// Tests of the CI collation registered on SQLite connections.
#include "platform/ado/sqlite/sqlitefunctions.h"

#include "adotestsupport.h"

namespace {

int compared(const QString& left, const QString& right) {
    QByteArray a = left.toUtf8(), b = right.toUtf8();
    int result = ado::sqlite::compareIgnoringCase(int(a.size()), a.constData(), int(b.size()), b.constData());
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

} // namespace

TEST(TextCollation, ignoresLetterCaseAndTrailingBlanks) {
    EXPECT_EQ(compared("RC-12 ", "rc-12"), 0);
    EXPECT_EQ(compared("abc", "ABC   "), 0);
    EXPECT_EQ(compared("", "   "), 0);
}

TEST(TextCollation, leadingAndInnerBlanksCount) {
    EXPECT_NE(compared(" a", "a"), 0);
    EXPECT_NE(compared("a b", "ab"), 0);
}

TEST(TextCollation, ordersAsLowerCaseText) {
    EXPECT_EQ(compared("a", "B"), -1);
    EXPECT_EQ(compared("B", "a"), 1);
    EXPECT_EQ(compared("ab", "ABC"), -1);
    EXPECT_EQ(compared("Z", "_"), 1); // z sorts after _, as lower case
}

TEST(TextCollation, foldsLettersBeyondAscii) {
    EXPECT_EQ(compared("Émile", "éMILE"), 0);
    EXPECT_EQ(compared("rc-Ä", "RC-ä "), 0);
    EXPECT_EQ(compared("rc-a", "RC-ä"), -1);
}
