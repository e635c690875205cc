// Escapes of scenario texts, read and written.
#include "host/textescapes.h"
#include "qstringprinter.h"

#include <gtest/gtest.h>

using host::TextEscapes;

TEST(TextEscapes, unescapeReadsEveryEscapeKind) {
    EXPECT_EQ(TextEscapes::unescape(QStringLiteral(R"(a\"b\\c\td\re\nf)")),
              QStringLiteral("a\"b\\c\td\re\nf"));
    EXPECT_EQ(TextEscapes::unescape(QStringLiteral(R"(\x0C\x41\xe9)")),
              QString(QChar(12)) + u'A' + QChar(0xE9));
}

TEST(TextEscapes, unescapeRejectsUnknownAndIncompleteEscapes) {
    EXPECT_FALSE(TextEscapes::unescape(QStringLiteral(R"(\q)")));
    EXPECT_FALSE(TextEscapes::unescape(QStringLiteral(R"(end\)")));
    EXPECT_FALSE(TextEscapes::unescape(QStringLiteral(R"(\x4)")));
    EXPECT_FALSE(TextEscapes::unescape(QStringLiteral(R"(\x4g)")));
    EXPECT_FALSE(TextEscapes::unescape(QStringLiteral(R"(\x+1)")));
}

TEST(TextEscapes, escapeWritesControlCharactersSoTheLineStaysOne) {
    EXPECT_EQ(TextEscapes::escape(QStringLiteral("a\"b\\c\r\n\t") + QChar(12)),
              QStringLiteral(R"(a\"b\\c\r\n\t\x0c)"));
    EXPECT_EQ(TextEscapes::escape(QStringLiteral("say \"hi\""), false), QStringLiteral("say \"hi\""));
}

TEST(TextEscapes, quotedTextReadsBackToTheSameText) {
    const QString text = QStringLiteral("Yes \"No\" \\ ") + QChar(7) + QStringLiteral("\tend");
    const QString quoted = TextEscapes::quoted(text);
    ASSERT_TRUE(quoted.startsWith(u'"') && quoted.endsWith(u'"'));
    EXPECT_EQ(TextEscapes::unescape(quoted.mid(1, quoted.size() - 2)), text);
}
