// Reading scenario files: lines, texts and their escapes, blocks, includes and the shape of each command.
#include "scenario/scenarioparser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using scenario::ScenarioParseError;
using scenario::ScenarioParser;

namespace {

// The parse error (line 0 when the text parses).
ScenarioParseError errorOf(const QString& text, const QString& folder = QString()) {
    try {
        ScenarioParser::parse(text, folder);
    } catch (const ScenarioParseError& error) {
        EXPECT_FALSE(error.reason.isEmpty());
        return error;
    }
    return {};
}

} // namespace

TEST(ScenarioParser, readsLinesTextsAndBlocks) {
    const auto c =
        ScenarioParser::parse("# set up\n\n  database empty\n   # note\nfile \"a.txt\"\r\n>c:\\x41\r\n"
                              "   >  two blanks \n>\nexpect file \"a.txt\"\n>c:\\\\x41\n>\\x0C\n"
                              "type W.C \"a  \\\"b\\\" \\\\ \\t\\x41\\xe9\\r\\n\"\ntype W.C none\n"
                              "select W.C \"none\"\nexpect W.C text \"\"\n")
            .commands;
    ASSERT_EQ(c.size(), 7u);
    EXPECT_EQ(QString("%1 %2 %3 %4").arg(c[0].name).arg(c[0].line).arg(c[6].name).arg(c[6].line),
              "database 3 expect 15");
    // A file's lines are taken as they are; an expected file's lines read escapes.
    EXPECT_EQ(c[1].block, QStringList({"c:\\x41", "  two blanks ", ""}));
    EXPECT_EQ(c[2].block, QStringList({"c:\\x41", QString(QChar(12))}));
    EXPECT_TRUE(c[3].args[1].quoted &&
                c[3].args[1].text == QString("a  \"b\" \\ \tA") + QChar(0xe9) + "\r\n");
    EXPECT_TRUE(!c[4].args[1].quoted && c[4].args[1].isWord(u"NONE") && !c[5].args[1].isWord(u"none"));
    EXPECT_TRUE(c[6].args[2].quoted && c[6].args[2].text.isEmpty());
}

TEST(ScenarioParser, aWrongLineIsReportedWithItsNumber) {
    // Each text goes wrong on its last line.
    const QString texts =
        "> stray|show\n> not a file|expect file \"a\"\n>\\q|show\nprint \"open|print \"bad \\q\"|"
        "print \"\\x4\"|print \"\\x4g\"|print \"\\x+1\"|print \"end\\\"|\n\nprint ab\"c|print \"a\"b|"
        "\"show\"|show\nshow now|jump W.C|click|click W.C W.D|cell W.C 1|hover W.C 1|click W|click W.a.b|"
        "cell W.C one 2|date W.C 2024-02-30|date W.C 10/03/2024|select W.C #x|key W.C SPACE|key W.C code|"
        "answer \"Saved\" Maybe|database memory|database file|session shop|session branch 2|"
        "session date 2024-13-01|expect window W shown|expect errors some|expect W.C cell(1,) \"x\"|"
        "expect W.C cell(1;2) \"x\"|expect W.C \"text\" \"x\"|close W.C|include";
    for (const QString& text : texts.split(u'|'))
        EXPECT_EQ(errorOf(text).line, text.count(u'\n') + 1) << text.toStdString();
}

TEST(ScenarioParser, acceptsEveryFormOfEachCommand) {
    // The forms the tests above do not read.
    const QString texts =
        "database demo|database file \"shop.db\"|session company 1 shop 2 financial 4 date 2024-02-29|"
        "session caption \"S\"|select W.C #0|select W.C none|paste W.C \"12\"|key W.C ENTER|key W.C TAB|"
        "key W.C ESC|key W.C DELETE|key W.C F10|key W.C CTRL+D|key W.C ctrl+enter|key W.C BACKSPACE|"
        "key W.C code 46|key W.C char 39|focus W.C|date W.C 2024-03-10|item W.C 1|cell W.C 1 2|drag W.C 1 3|"
        "hover W.C|hover W.C 1 2|close W|dump W|expect window W closed|expect W.C cellColor(2,-1) \"x\"";
    for (const QString& text : texts.split(u'|')) {
        const ScenarioParseError error = errorOf(text);
        EXPECT_EQ(error.line, 0) << text.toStdString() << ": " << error.reason.toStdString();
    }
}

TEST(ScenarioParser, includeTakesTheFilesCommandsInPlaceAtTheIncludesLine) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("shared");
    for (const auto& [name, text] :
         {std::pair{"shared/shop.scn", "# shop\ndatabase empty\n\nsql \"x\"\ninclude \"more.scn\"\n"},
          {"shared/more.scn", "show\n"},
          {"shared/broken.scn", "show\nshow now\n"},
          {"self.scn", "print \"again\"\ninclude \"self.scn\"\n"},
          {"main.scn", "print \"a\"\n\ninclude \"shared/shop.scn\"\nprint \"b\"\n"}}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
    }
    // A shared file's own includes are read from its folder.
    QStringList commands;
    for (const auto& command : ScenarioParser::parseFile(dir.filePath("main.scn")).commands)
        commands << QString("%1@%2").arg(command.name).arg(command.line);
    EXPECT_EQ(commands, QStringList({"print@1", "database@3", "sql@3", "show@3", "print@4"}));
    // A missing file, an error inside the file and endless nesting fail at the include's line.
    EXPECT_EQ(errorOf("show\ninclude \"missing.scn\"", dir.path()).line, 2);
    EXPECT_EQ(errorOf("show\ninclude \"shared/broken.scn\"", dir.path()).line, 2);
    const ScenarioParseError nested = errorOf("show\n\ninclude \"self.scn\"", dir.path());
    EXPECT_EQ(nested.line, 3);
    EXPECT_TRUE(nested.reason.contains("includes nest too deep")) << nested.reason.toStdString();
}
