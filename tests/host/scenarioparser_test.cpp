// Reading scenario files: words, texts, escapes, blocks and the shape of each command.
#include "host/argumentvalues.h"
#include "host/scenarioparser.h"
#include "qstringprinter.h"

#include <gtest/gtest.h>

using host::ScenarioParseError;
using host::ScenarioParser;
using host::Script;

namespace {

// The line of the parse error, or 0 when the text parses.
int errorLine(const QString& text) {
    try {
        ScenarioParser::parse(text);
    } catch (const ScenarioParseError& error) {
        EXPECT_FALSE(error.reason.isEmpty());
        return error.line;
    }
    return 0;
}

} // namespace

TEST(ScenarioParser, skipsBlankAndCommentLinesButCountsThem) {
    const Script script =
        ScenarioParser::parse(QStringLiteral("# set up\n\n  database empty\n   # indented note\nshow\n"));
    ASSERT_EQ(script.commands.size(), 2u);
    EXPECT_EQ(script.commands[0].line, 3);
    EXPECT_EQ(script.commands[0].name, QStringLiteral("database"));
    EXPECT_EQ(script.commands[1].line, 5);
    EXPECT_EQ(script.lineCount, 5);
}

TEST(ScenarioParser, quotedTextKeepsBlanksAndReadsEscapes) {
    const Script script =
        ScenarioParser::parse(QStringLiteral(R"(type FrmMaster.txtsearch "a  \"b\" \\ \t\x41\r\n")"));
    const host::ScenarioArgument& text = script.commands[0].args[1];
    EXPECT_TRUE(text.quoted);
    EXPECT_EQ(text.text, QStringLiteral("a  \"b\" \\ \tA\r\n"));
}

TEST(ScenarioParser, bareWordStandsForTextButIsKnownAsBare) {
    const Script script = ScenarioParser::parse(QStringLiteral(
        "type FrmMaster.txtsearch ab\nselect FrmMaster.cboSearch none\nselect FrmMaster.cboSearch \"none\""));
    EXPECT_EQ(script.commands[0].args[1].text, QStringLiteral("ab"));
    EXPECT_FALSE(script.commands[0].args[1].quoted);
    EXPECT_TRUE(script.commands[1].args[1].isWord(u"none"));
    EXPECT_FALSE(script.commands[2].args[1].isWord(u"none"));
}

TEST(ScenarioParser, emptyQuotedTextIsAnArgument) {
    const Script script = ScenarioParser::parse(QStringLiteral("expect FrmMaster.txtsearch text \"\""));
    ASSERT_EQ(script.commands[0].args.size(), 3);
    EXPECT_TRUE(script.commands[0].args[2].text.isEmpty());
}

TEST(ScenarioParser, blockLinesKeepEverythingAfterTheMark) {
    const Script script = ScenarioParser::parse(QStringLiteral(
        "file \"shopsetting.txt\"\r\n>DefaultCounter :=1\r\n   >  two blanks \r\n>\r\nshow\r\n"));
    ASSERT_EQ(script.commands.size(), 2u);
    EXPECT_EQ(script.commands[0].block, QStringList({QStringLiteral("DefaultCounter :=1"),
                                                     QStringLiteral("  two blanks "), QString()}));
    EXPECT_TRUE(script.commands[1].block.isEmpty());
}

TEST(ScenarioParser, escapesCountInExpectedFileLinesOnly) {
    const Script script = ScenarioParser::parse(
        QStringLiteral("file \"a.txt\"\n>c:\\x41\nexpect file \"a.txt\"\n>c:\\\\x41\n>\\x0c"));
    EXPECT_EQ(script.commands[0].block, QStringList({QStringLiteral("c:\\x41")}));
    EXPECT_EQ(script.commands[1].block, QStringList({QStringLiteral("c:\\x41"), QString(QChar(12))}));
}

TEST(ScenarioParser, blockLineMustFollowACommandThatTakesOne) {
    EXPECT_EQ(errorLine(QStringLiteral("> stray")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("show\n> not a file")), 2);
    EXPECT_EQ(errorLine(QStringLiteral("expect file \"a\"\n>\\q")), 2);
}

TEST(ScenarioParser, malformedTextsFailOnTheirLine) {
    EXPECT_EQ(errorLine(QStringLiteral("show\nprint \"open")), 2);
    EXPECT_EQ(errorLine(QStringLiteral("print \"bad \\q escape\"")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("\n\nprint ab\"c")), 3);
    EXPECT_EQ(errorLine(QStringLiteral("print \"a\"b")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("\"show\"")), 1);
}

TEST(ScenarioParser, unknownCommandsAndWrongArgumentCountsFail) {
    EXPECT_EQ(errorLine(QStringLiteral("show\nshow now")), 2);
    EXPECT_EQ(errorLine(QStringLiteral("jump FrmMaster.cmdnew")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("click")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("click FrmMaster.cmdnew FrmMaster.CmdEdit")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("cell FrmMaster.flexMaster 1")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("hover FrmMaster.flexMaster 1")), 1);
}

TEST(ScenarioParser, argumentsMustHaveTheirCommandsShape) {
    EXPECT_EQ(errorLine(QStringLiteral("click FrmMaster")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("click FrmMaster.a.b")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("cell FrmMaster.flexMaster one 2")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("date frmReceiptShop.dtpChequeDate 2024-02-30")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("date frmReceiptShop.dtpChequeDate 10/03/2024")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("select FrmMaster.cboSearch #x")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("key FrmMaster.flexMaster SPACE")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("key FrmMaster.flexMaster code")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("answer \"Saved\" Maybe")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("database memory")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("database file")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("session shop")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("session branch 2")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("session date 2024-13-01")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("expect window FrmMaster shown")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("expect errors some")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("expect FrmMaster.flexMaster cell(1,) \"x\"")), 1);
    EXPECT_EQ(errorLine(QStringLiteral("close FrmMaster.CmdClose")), 1);
}

TEST(ScenarioParser, acceptsEveryCommandOfTheLanguage) {
    const QString text = QStringLiteral(
        "database empty\ndatabase demo\ndatabase file \"shop.db\"\n"
        "session company 1 shop 2 user 3 financial 4 date 2024-03-10 caption \"Shop Receipts\"\nsession\n"
        "file \"shopsetting.txt\"\n>DefaultCounter :=1\nsql \"select 1\"\nshow\nclick FrmMaster.cmdnew\n"
        "select W.C \"Cash\"\nselect W.C #0\nselect W.C none\ntype W.C \"12.5\"\nclear W.C\npaste W.C text\n"
        "key W.C ENTER\nkey W.C CTRL+D\nkey W.C ctrl+enter\nkey W.C code 46\nkey W.C char 39\nfocus W.C\n"
        "date W.C 2024-03-10\nitem W.C 1\ndblclick W.C 2\ncell W.C 1 2\ndrag W.C 1 3\nrightclick W.C 1\n"
        "menu mnuPopupCancel\nmenu none\nhover W.C\nhover W.C 1 2\nclose W\nanswer \"Saved\" OK\n"
        "answer \"Print?\" no\ndump W\ndump W.C\nexpect W.C cell(1,2) \"x\"\nexpect W.C enabled false\n"
        "expect window W open\nexpect window W closed\nexpect sql \"select 1\" \"1\"\nexpect errors 0\n"
        "expect file \"Receipts.txt\"\n>line\nprint \"done\"\n");
    const Script script = ScenarioParser::parse(text);
    EXPECT_EQ(script.commands.size(), 44u);
}

TEST(ArgumentValues, keysNameTheirCodesAndCharacters) {
    auto key = [](const QString& line) {
        const Script script = ScenarioParser::parse(QStringLiteral("key W.C ") + line);
        return *host::ArgumentValues::key(script.commands[0].args, 1);
    };
    EXPECT_EQ(key(QStringLiteral("DELETE")).keyCode, 46);
    EXPECT_FALSE(key(QStringLiteral("DELETE")).character);
    EXPECT_EQ(key(QStringLiteral("CTRL+D")).character, 4);
    EXPECT_EQ(key(QStringLiteral("F10")).keyCode, 121);
    EXPECT_EQ(key(QStringLiteral("code 13")).keyCode, 13);
    EXPECT_FALSE(key(QStringLiteral("code 13")).typed);
    EXPECT_TRUE(key(QStringLiteral("char 39")).typed);
    EXPECT_EQ(key(QStringLiteral("char 39")).character, 39);
}

TEST(ArgumentValues, propertiesCarryTheirNumbers) {
    const auto property = host::ArgumentValues::property({QStringLiteral("cellColor(2,-1)"), false});
    ASSERT_TRUE(property);
    EXPECT_EQ(property->name, QStringLiteral("cellcolor"));
    EXPECT_EQ(property->args, QList<int>({2, -1}));
    EXPECT_FALSE(host::ArgumentValues::property({QStringLiteral("cell(1 2)"), false}));
    EXPECT_FALSE(host::ArgumentValues::property({QStringLiteral("text"), true}));
}
