// Double-byte text: a lead byte and its trail byte are one character to the
// lexer, so a trail byte that equals a quote, a backslash or a slash neither
// starts nor ends anything; colours match the same text with two ASCII
// letters in place of each double-byte character.
#include <gtest/gtest.h>

#include <cstdlib>

#include "KTLexLeadBytes.h"
#include "TestText.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{

// Rows whose double-byte characters end in '"', '\\' or '/', each paired
// with its ASCII counterpart.
const char* const kRows[][2] = {
    {"\x82\" int x;", "ab int x;"},
    {"f(\x82\"int, \x82\"1);", "f(abint, ab1);"},
    {"s = \"\x95\\\"; int y;", "s = \"ab\"; int y;"},
    {"c = '\x95\\'; long z;", "c = 'ab'; long z;"},
    {"a = \x81/* int */;", "a = ab* int */;"},
    {"// \x95\\", "// ab"},
    {"int b; \x82\"", "int b; ab"},
};

std::string Join(int column)
{
    std::string text;
    for (const auto& row : kRows)
        text += std::string(row[column]) + "\r\n";
    return text + "return 0;";
}

// Every row's colours of the C scheme.
std::vector<std::string> Colours(const std::string& body)
{
    auto schema = LoadTestSchema("schemes/c.scheme");
    CTestText text(body);
    CKTSyntaxEditLexCursor cursor(text);
    schema->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    std::vector<std::string> rows;
    for (int row = 1; row <= text.GetRowCount(); ++row)
        rows.push_back(DescribeRow(*schema, text, row));
    return rows;
}

CKTLexCharSet ShiftJisLeadBytes()
{
    CKTLexCharSet leadBytes;
    for (int c = 0x81; c <= 0xFC; ++c)
        if (c <= 0x9F || c >= 0xE0)
            leadBytes.Add(char(c));
    return leadBytes;
}

class DoubleByteText : public ::testing::Test
{
protected:
    void SetUp() override { CKTLexLeadBytes::Set(ShiftJisLeadBytes()); }
    void TearDown() override { CKTLexLeadBytes::Set(m_saved); }

private:
    CKTLexCharSet m_saved = CKTLexLeadBytes::Get();
};

CKTSyntaxEditLexTextSchema::Ptr Schema(const std::string& classes)
{
    CKTSyntaxEditLexClassInfoArray infos;
    CKTSyntaxEditSchemaReader().ParseSource("lexClass:\nname = file\nparent:file = <*.t>\n" + classes, infos);
    auto schema = KTMakeCounted<CKTSyntaxEditLexTextSchema>("test");
    schema->LoadClasses(infos);
    return schema;
}

// Blocks below the file class as "class start-end" in byte columns of row 1.
std::vector<std::string> Blocks(const std::string& classes, const std::string& row)
{
    auto schema = Schema(classes);
    CTestText text(row, ".t");
    CKTSyntaxEditLexCursor cursor(text);
    schema->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    std::vector<std::string> out;
    for (const auto& b : schema->GetBlocks())
        if (b.nDepth > 0)
            out.push_back(b.strClass + " " + std::to_string(b.posStart.nCol) + "-" + std::to_string(b.posEnd.nCol));
    return out;
}

}  // namespace

TEST_F(DoubleByteText, ColoursAsTheSameTextInAscii) { EXPECT_EQ(Colours(Join(0)), Colours(Join(1))); }

// Without the table the trail bytes act as characters: the proof that the
// rows above test something.
TEST(SingleByteText, TrailBytesActWithoutALeadByteTable) { EXPECT_NE(Colours(Join(0)), Colours(Join(1))); }

TEST_F(DoubleByteText, CharacterTablesTakeTheWholeCharacter)
{
    // Any non-letter is a token: the double-byte character is one token of two bytes (the line ends
    // streamed after the text are tokens of one byte each).
    EXPECT_EQ(Blocks("lexClass:\nname = other\nparent = file\ntoken:tag = @alpha:not\n", "\x82\"a"),
              std::vector<std::string>({"other 0-1", "other 3-3", "other 4-4", "other 5-5", "other 6-6"}));
    // Case folding leaves trail bytes alone: 0x82 'a' is another character than 0x82 'A'.
    std::string folded = "lexClass:\nname = kw\nparent = file\ntoken:tag = '\x82"
                         "A'\n";
    EXPECT_EQ(Blocks(folded, "\x82"
                             "A \x82"
                             "a"),
              std::vector<std::string>({"kw 0-1"}));
    // Looking back, a double-byte character is judged by its lead byte, not by a trail byte that reads as a letter.
    std::string after =
        "lexClass:\nname = n\nparent = file\nprevious:tag = @alpha:not\nstart:tag = 'x'\nend:tag = 'y'\n";
    EXPECT_EQ(Blocks(after, "\x82"
                            "Axy"),
              std::vector<std::string>({"n 2-3"}));
}

#ifdef _WIN32
// Its own CTest entry runs it under a Japanese locale and asks for code page
// 932; elsewhere it is skipped.
TEST(ActiveCodePage932, KeywordAfterATrailQuoteColoursAsInAscii)
{
    if (GetACP() != 932)
    {
        ASSERT_EQ(std::getenv("KESTOVA_EXPECT_CP932"), nullptr) << "the locale did not give code page 932";
        GTEST_SKIP() << "needs code page 932";
    }
    ASSERT_TRUE(CKTLexLeadBytes::Get().Contains('\x82'));
    EXPECT_EQ(Colours(Join(0)), Colours(Join(1)));
}
#endif
