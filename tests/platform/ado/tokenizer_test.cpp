// Tests of the dialect's tokenizer and token list.
#include "platform/ado/tsql/token.h"
#include "platform/ado/tsql/tokenlist.h"

#include "adotestsupport.h"

using tsql::TokenKind;

namespace {

std::vector<TokenKind> kindsOf(const QString& sql) {
    std::vector<TokenKind> kinds;
    for (const auto& token : tsql::tokenize(sql))
        if (token.isSignificant()) kinds.push_back(token.kind);
    return kinds;
}

QString joined(const QString& sql) {
    QString text;
    for (const auto& token : tsql::tokenize(sql))
        text += token.text;
    return text;
}

} // namespace

TEST(Tokenizer, tokensGiveTheStatementBackExactly) {
    QString sql = "select isnull(a,'x''y') -- note\n/* block */ from [my table] where n >= 1.5e3";
    EXPECT_EQ(joined(sql), sql);
}

TEST(Tokenizer, stringLiteralKeepsDoubledApostrophesAndOperatorsInside) {
    auto tokens = tsql::tokenize("'it''s + ( -- x'");
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].kind, TokenKind::String);
    EXPECT_EQ(tokens[0].value(), "it's + ( -- x");
}

TEST(Tokenizer, nationalLiteralIsOneStringToken) {
    auto tokens = tsql::tokenize("N'abc'");
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].kind, TokenKind::String);
    EXPECT_EQ(tokens[0].value(), "abc");
}

TEST(Tokenizer, commentsRunToLineEndOrCloseMark) {
    EXPECT_EQ(kindsOf("a -- b 'c\n d"), (std::vector{TokenKind::Word, TokenKind::Word}));
    auto tokens = tsql::tokenize("/* x ' y */z");
    EXPECT_EQ(tokens[0].kind, TokenKind::Comment);
    EXPECT_EQ(tokens[0].text, "/* x ' y */");
}

TEST(Tokenizer, quotedNamesInBracketsQuotesAndBackticks) {
    auto tokens = tsql::tokenize("[a]]b] \"c\"\"d\" `e`");
    EXPECT_EQ(tokens[0].kind, TokenKind::QuotedName);
    EXPECT_EQ(tokens[0].value(), "a]b");
    EXPECT_EQ(tokens[2].value(), "c\"d");
    EXPECT_EQ(tokens[4].value(), "e");
}

TEST(Tokenizer, numbersWithFractionExponentAndHex) {
    for (const char* number : {"12", "1.5", ".5", "1e5", "2.5E-3", "0x1F"}) {
        auto tokens = tsql::tokenize(number);
        ASSERT_EQ(tokens.size(), 1u) << number;
        EXPECT_EQ(tokens[0].kind, TokenKind::Number) << number;
    }
}

TEST(Tokenizer, twoCharacterOperatorsAreOneSymbol) {
    for (const char* op : {"<=", ">=", "<>", "!=", "||"}) {
        auto tokens = tsql::tokenize(QString("a%1b").arg(op));
        ASSERT_EQ(tokens.size(), 3u) << op;
        EXPECT_EQ(tokens[1].text, op);
    }
}

TEST(Tokenizer, unterminatedLiteralRunsToTheEnd) {
    auto tokens = tsql::tokenize("select 'abc");
    EXPECT_EQ(tokens.back().kind, TokenKind::String);
    EXPECT_EQ(tokens.back().text, "'abc");
}

TEST(Tokenizer, wordsTakeServerNameCharacters) {
    auto tokens = tsql::tokenize("@p1 #temp drNo$");
    EXPECT_EQ(tokens[0].text, "@p1");
    EXPECT_EQ(tokens[2].text, "#temp");
    EXPECT_EQ(tokens[4].text, "drNo$");
}

TEST(TokenList, matchesNestedParenthesesAndListItems) {
    tsql::TokenList list("f(a, g(b, c), d)");
    EXPECT_EQ(list.matching(1), list.size() - 1);
    EXPECT_EQ(list.matching(list.size() - 1), 1);
    EXPECT_TRUE(list.isCall(0));
    EXPECT_EQ(list.endOfListItem(2), 3);  // after a
    EXPECT_EQ(list.endOfListItem(4), 10); // g(b, c) ends at the comma before d
    EXPECT_EQ(list.endOfListItem(11), list.size() - 1);
}

TEST(TokenList, outsideTheStatementIsAnEmptySymbol) {
    tsql::TokenList list("a");
    EXPECT_TRUE(list[-1].text.isEmpty());
    EXPECT_TRUE(list[5].text.isEmpty());
    EXPECT_EQ(list.matching(7), -1);
}

TEST(TokenList, editingKeepsBlanksAndCommentsAround) {
    tsql::TokenList list("a /*c*/ +  b ");
    list.setText(1, "||");
    EXPECT_EQ(list.toString(), "a /*c*/ ||  b ");
    list.remove(2);
    EXPECT_EQ(list.toString(), "a /*c*/ || ");
}

TEST(Quoting, literalDoublesApostrophes) {
    EXPECT_EQ(ado::quoted("O'Brien"), "'O''Brien'");
    EXPECT_EQ(ado::quoted(""), "''");
    EXPECT_EQ(tsql::stringLiteral("''"), "''''''");
}
