// Reading scheme texts into class descriptions, and value escaping.
#include <gtest/gtest.h>

#include "KTSyntaxEditSchemaReader.h"

namespace
{

CKTSyntaxEditLexClassInfoArray Read(const std::string& text)
{
    CKTSyntaxEditLexClassInfoArray infos;
    CKTSyntaxEditSchemaReader().ParseSource(text, infos);
    return infos;
}

const KT_EDIT_SCHEMAFILEINFO& Property(const CKTSyntaxEditLexClassInfoArray& infos, size_t cls, size_t prop)
{
    return infos.arClasses.at(cls).arProperties.at(prop);
}

TEST(SchemaReader, ReadsBlocksWithNamesValuesAndLines)
{
    auto infos = Read("// header\r\nlexClass:\r\n\tname = cString\r\n\tparent = cSource\r\n"
                      "\tstart:Tag = '\"', '<'\r\n\ttxt:colorFG = 0xA31515\r\n//:lexClass\r\n");
    ASSERT_EQ(infos.arClasses.size(), 1u);
    const KT_EDIT_LEXCLASSINFO& cls = infos.arClasses[0];
    EXPECT_EQ(cls.strName, "cString");
    EXPECT_EQ(cls.nStartLine, 2);
    EXPECT_EQ(cls.nEndLine, 6);
    ASSERT_EQ(cls.arProperties.size(), 3u);
    EXPECT_EQ(cls.arProperties[1].arNameParts, (std::vector<std::string>{"start", "Tag"}));
    EXPECT_EQ(cls.arProperties[1].arValues, (std::vector<std::string>{"'\"'", "'<'"}));
    EXPECT_EQ(cls.arProperties[1].nLine, 5);
    EXPECT_EQ(cls.arProperties[2].nSpan, 8);
}

TEST(SchemaReader, OpensBlocksOnlyWithTheExactOpener)
{
    EXPECT_TRUE(Read("LexClass:\r\nname = a\r\n").arClasses.empty());
    EXPECT_TRUE(Read("lexClass :\r\nname = a\r\n").arClasses.empty());
    auto infos = Read("lexClass:\r\nlexClass:\r\nNAME = b\r\nlexClass:\r\nx = 1\r\n");
    ASSERT_EQ(infos.arClasses.size(), 1u);  // the first is empty, the last has no name
    EXPECT_EQ(infos.arClasses[0].strName, "b");
}

TEST(SchemaReader, SplitsValuesAtBlanksAndCommasButNotInsideQuotes)
{
    auto infos = Read("lexClass:\nname = a\nend:separators = ' ', ',', x y,z\n");
    EXPECT_EQ(Property(infos, 0, 0).arValues, (std::vector<std::string>{"' '", "','", "x", "y", "z"}));
}

TEST(SchemaReader, SlashOutsideQuotesStartsAComment)
{
    auto infos = Read("lexClass:\nname = a\nstart:tag = ab/cd, '/'\n");
    EXPECT_EQ(Property(infos, 0, 0).arValues, (std::vector<std::string>{"ab"}));
}

TEST(SchemaReader, LineEndAfterClosingQuoteEndsTheLineInLineFeedFiles)
{
    for (const char* end : {"\n", "\r\n"})
    {
        std::string text = std::string("lexClass:") + end + "name = a" + end + "start:tag = '/*'" + end +
                           "end:tag = '*/'" + end + "txt:colorFG = 1" + end;
        auto infos = Read(text);
        ASSERT_EQ(infos.arClasses[0].arProperties.size(), 3u) << "line end " << (end[0] == '\n' ? "LF" : "CRLF");
        EXPECT_EQ(Property(infos, 0, 1).arValues, (std::vector<std::string>{"'*/'"}));
        EXPECT_EQ(Property(infos, 0, 2).nLine, 5);
        EXPECT_EQ(Property(infos, 0, 2).arValues, (std::vector<std::string>{"1"}));
        EXPECT_EQ(Property(infos, 0, 0).nSpan, 4);
    }
}

TEST(SchemaReader, BackslashesInsideQuotes)
{
    auto infos = Read("lexClass:\nname = a\nskip:tag = '\\''\nskip:tag = '\\\\'\nend:tag = '\\\\', 'x'\n");
    EXPECT_EQ(Property(infos, 0, 0).arValues, (std::vector<std::string>{"'''"}));
    EXPECT_EQ(Property(infos, 0, 1).arValues, (std::vector<std::string>{"'\\'"}));
    // A quote after a backslash does not close: reading goes on to the next quote.
    EXPECT_EQ(Property(infos, 0, 2).arValues.at(0), "'\\', '");
}

TEST(SchemaReader, KeepsTheLastValueOfATextWithoutFinalLineEnd)
{
    auto infos = Read("lexClass:\nname = last\nRecurrenceDepth = 12");
    ASSERT_EQ(infos.arClasses.size(), 1u);
    EXPECT_EQ(Property(infos, 0, 0).arValues, (std::vector<std::string>{"12"}));
}

// The end mark is skipped as a comment, unless it is the last token of the text.
TEST(SchemaReader, AnEndMarkAtTheEndOfTheTextEndsTheBlock)
{
    const char text[] = "lexClass:\r\n\tname = a\r\n\tx = 1\r\n\r\n//:lexClass";
    EXPECT_EQ(Read(text).arClasses.at(0).nEndLine, 5);
    EXPECT_EQ(Read(std::string(text) + "\r\n").arClasses.at(0).nEndLine, 3);
}

// A name line without a value leaves the block to be named by its next value.
TEST(SchemaReader, ANameLineWithoutValueNamesTheBlockByTheNextValue)
{
    auto infos = Read("lexClass:\nname =\nx = one two\nlexClass:\nName =\n");
    ASSERT_EQ(infos.arClasses.size(), 2u);
    EXPECT_EQ(infos.arClasses[0].strName, "one");
    EXPECT_EQ(Property(infos, 0, 0).arValues, (std::vector<std::string>{"two"}));
    EXPECT_EQ(infos.arClasses[1].strName, "name");
}

TEST(SchemaReader, WordsWithoutEqualsJoinTheNextName)
{
    auto infos = Read("lexClass:\nname = a\ntxt\n:colorFG = 5\n");
    EXPECT_EQ(Property(infos, 0, 0).arNameParts, (std::vector<std::string>{"txt", "colorFG"}));
}

TEST(SchemaReader, GapAndSpanMeasureTheTextAsWritten)
{
    std::string text = "lexClass:\r\nname = a\r\nend:tag = '*/', @eol // done\r\nx = 7\r\n";
    auto infos = Read(text);
    const KT_EDIT_SCHEMAFILEINFO& end = Property(infos, 0, 0);
    size_t first = text.find("'*/'");
    EXPECT_EQ(end.nSpan, int(text.find(" // done") - first));
    const KT_EDIT_SCHEMAFILEINFO& x = Property(infos, 0, 1);
    EXPECT_EQ(x.nGap, int(text.find("7") - text.find(" // done")));
}

TEST(SchemaValue, EscapingRoundTrips)
{
    EXPECT_EQ(UnescapeSchemaValue("  '\\t\\\\\\n'  ", true), "'\t\\\n'");
    EXPECT_EQ(EscapeSchemaValue("'\t\\\n''", true), "'\\t\\\\\\n\\''");
    for (const char* value : {"'\\r\\n'", "'a\\'b'", "'\\\\'", "plain"})
        EXPECT_EQ(EscapeSchemaValue(UnescapeSchemaValue(value, true), true), value);
}

}  // namespace
