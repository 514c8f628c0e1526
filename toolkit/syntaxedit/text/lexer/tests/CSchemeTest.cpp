// The shipped C and diagram schemes on real generated files: row colours
// written down by hand, and re-parses after edits that must equal a fresh parse.
#include <gtest/gtest.h>

#include <random>

#include "KTLexStrings.h"
#include "TestText.h"

namespace
{

class CSchemeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_schema = LoadTestSchema("schemes/c.scheme");
        m_text.SetText(ReadTestFile(std::string(KT_TEST_DATA_DIR) + "/chat_api.c"));
        Parse(*m_schema, nullptr, nullptr);
    }

    int Parse(CKTSyntaxEditLexTextSchema& schema, const KT_EDIT_LEXPOS* start, const KT_EDIT_LEXPOS* end)
    {
        CKTSyntaxEditLexCursor cursor(m_text);
        return schema.RunParseUpdate(true, cursor, start, end, false);
    }

    void Insert(KT_EDIT_LEXPOS at, const std::string& what)
    {
        KT_EDIT_LEXPOS end = m_text.Insert(at, what);
        m_schema->UpdateTextBlocks(at, end, CKTSyntaxEditLexTextSchema::ktInsert);
        Parse(*m_schema, &at, &end);
    }

    void Delete(KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end)
    {
        m_text.Delete(start, end);
        m_schema->UpdateTextBlocks(start, end, CKTSyntaxEditLexTextSchema::ktDelete);
        Parse(*m_schema, &start, &end);
    }

    // The incremental result must be what a parse from scratch gives.
    void ExpectSameAsFreshParse(const std::string& step)
    {
        auto fresh = m_schema->Clone();
        Parse(*fresh, nullptr, nullptr);
        ASSERT_EQ(m_schema->GetBlocks(), fresh->GetBlocks()) << step;
        for (int row = 1; row <= m_text.GetRowCount(); ++row)
            ASSERT_EQ(DescribeRow(*m_schema, m_text, row), DescribeRow(*fresh, m_text, row)) << step << ", row " << row;
    }

    // A screen parsed from the top of any row from the first on shows what the whole parse shows.
    void ExpectScreensAsParsed(const std::string& step, int firstRow = 1)
    {
        CKTSyntaxEditLexCursor cursor(m_text);
        for (int first = firstRow; first <= m_text.GetRowCount(); ++first)
        {
            CKTLexBlockChain screen;
            ASSERT_TRUE(m_schema->RunOnScreen(cursor, first, m_text.GetRowCount(), screen)) << step;
            for (int row = first; row <= m_text.GetRowCount(); ++row)
                ASSERT_EQ(DescribeRow(*m_schema, m_text, row, &screen), DescribeRow(*m_schema, m_text, row))
                    << step << ", screen from row " << first << ", row " << row;
        }
    }

    // Types at the end of the text key by key ("\n" a line end), comparing after each key the
    // re-parse with a fresh parse and the screens from the row on with the parse.
    void TypeAtTheEnd(const std::string& keys, int firstScreenRow)
    {
        const int last = m_text.GetRowCount();
        std::string row;
        m_text.GetRowText(last, row);
        KT_EDIT_LEXPOS at{last, int(row.size())};
        for (char c : keys)
        {
            Insert(at, std::string(1, c));
            at = c == '\n' ? KT_EDIT_LEXPOS{at.nRow + 1, 0} : KT_EDIT_LEXPOS{at.nRow, at.nCol + 1};
            ExpectSameAsFreshParse(std::string("typed ") + c);
            ExpectScreensAsParsed(std::string("typed ") + c, firstScreenRow);
        }
    }

    CKTSyntaxEditLexTextSchema::Ptr m_schema;
    CTestText m_text;
};

TEST_F(CSchemeTest, ColoursRowsOfAGeneratedSource)
{
    EXPECT_EQ(DescribeRow(*m_schema, m_text, 1), "0-104:008000");
    EXPECT_EQ(DescribeRow(*m_schema, m_text, 2), "0-21:808080");
    EXPECT_EQ(DescribeRow(*m_schema, m_text, 12),
              "0-6:0000FF 6-7:- 7-10:0000FF 10-47:- 47-52:0000FF 52-53:- 53-57:0000FF 57-76:-");
    EXPECT_EQ(DescribeRow(*m_schema, m_text, 22), "0-13:- 13-17:A31515 17-18:-");
    EXPECT_EQ(DescribeRow(*m_schema, m_text, 70), "0-15:- 15-26:A31515 26-35:-");
    EXPECT_EQ(DescribeRow(*m_schema, m_text, 77),
              "0-2:- 2-6:0000FF 6-7:- 7-9:0000FF 9-16:- 16-18:09885A 18-26:- 26-29:09885A 29-30:-");
    EXPECT_EQ(DescribeRow(*m_schema, m_text, 88), "0-43:- 43-44:09885A 44-47:-");
}

// Rows that start with a keyword, a comment or a string, broken ones among them.
TEST_F(CSchemeTest, AScreenParsedFromAnyRowShowsWhatTheWholeParseShows)
{
    ExpectScreensAsParsed("generated source");
    for (unsigned seed = 1; seed <= 5; ++seed)
    {
        m_text.SetText(GenerateCText(60, seed));
        Parse(*m_schema, nullptr, nullptr);
        ExpectScreensAsParsed("C text of seed " + std::to_string(seed));
    }
}

TEST_F(CSchemeTest, ColoursLineCommentsToTheirLineEnd)
{
    m_text.SetText("int a; // note \"x\" 12\r\nlong b;");
    Parse(*m_schema, nullptr, nullptr);
    EXPECT_EQ(DescribeRow(*m_schema, m_text, 1), "0-3:0000FF 3-7:- 7-21:008000");
    EXPECT_EQ(DescribeRow(*m_schema, m_text, 2), "0-4:0000FF 4-7:-");
}

// Typed into a new text: the keyword is coloured at once, not when the next character comes.
TEST_F(CSchemeTest, AKeywordAtTheEndOfATextWithoutALineEndIsColoured)
{
    m_text.SetText("");
    Parse(*m_schema, nullptr, nullptr);
    KT_EDIT_LEXPOS at{1, 0};
    for (char c : std::string("int"))
    {
        Insert(at, std::string(1, c));
        ++at.nCol;
    }
    EXPECT_EQ(DescribeRow(*m_schema, m_text, 1), "0-3:0000FF");
    ExpectSameAsFreshParse("typed int");
}

// Typed key by key at the end of a text that has no final line end, as a
// user fills a file: every run takes its colour once typed, on screen too.
TEST_F(CSchemeTest, TextTypedAtTheEndOfATextIsColouredAsTyped)
{
    m_text.SetText("");
    Parse(*m_schema, nullptr, nullptr);
    TypeAtTheEnd("int x = a*b;\nif (e) c = d;\n/*T*/ return (s);", 1);
    EXPECT_EQ(DescribeRow(*m_schema, m_text, 1), "0-3:0000FF 3-12:-");
    EXPECT_EQ(DescribeRow(*m_schema, m_text, 2), "0-2:0000FF 2-13:-");
    EXPECT_EQ(DescribeRow(*m_schema, m_text, 3), "0-5:008000 5-6:- 6-12:0000FF 12-17:-");

    const int rows = m_text.GetRowCount();
    TypeAtTheEnd("\nint y = a*b; /* c */", rows);
    EXPECT_EQ(DescribeRow(*m_schema, m_text, rows + 1), "0-3:0000FF 3-13:- 13-20:008000");
}

TEST_F(CSchemeTest, ARowTypedAfterAGeneratedSourceIsColouredAsTyped)
{
    const int rows = m_text.GetRowCount();
    TypeAtTheEnd("\nint y = a*b; /* c */", rows - 2);
    EXPECT_EQ(DescribeRow(*m_schema, m_text, rows + 1), "0-3:0000FF 3-13:- 13-20:008000");
}

TEST_F(CSchemeTest, EmptyRowHasOneDefaultPiece) { EXPECT_EQ(DescribeRow(*m_schema, m_text, 3), "0-0:-"); }

TEST_F(CSchemeTest, ReparseAfterTypingInsideAComment)
{
    KT_EDIT_LEXPOS at{11, 10};
    for (char c : std::string("still a comment */ int x = 5; /*"))
    {
        Insert(at, std::string(1, c));
        ExpectSameAsFreshParse(std::string("typed ") + c);
        ++at.nCol;
    }
}

TEST_F(CSchemeTest, ReparseAfterDeletingACommentEndAndUndo)
{
    std::string row;
    m_text.GetRowText(11, row);
    int close = int(row.find("*/"));
    Delete({11, close}, {11, close + 2});
    ExpectSameAsFreshParse("deleted */");
    Insert({11, close}, "*/");
    ExpectSameAsFreshParse("undo");
}

TEST_F(CSchemeTest, ReparseAfterTypingAKeywordAndLines)
{
    Insert({12, 0}, "unsigned ");
    ExpectSameAsFreshParse("keyword");
    Insert({30, 0}, "\r\n\r\n");
    ExpectSameAsFreshParse("line ends");
    Delete({30, 0}, {32, 0});
    ExpectSameAsFreshParse("undo line ends");
    Delete({12, 0}, {12, 9});
    ExpectSameAsFreshParse("undo keyword");
}

TEST_F(CSchemeTest, ReparseAfterRandomEdits)
{
    std::mt19937 random(8);
    const char* const pieces[] = {"/*", "*/", "\"", "'", "\n", "x", "#", "// ", "12", "int ", "\\"};
    for (int step = 0; step < 150; ++step)
    {
        int rowIndex = 1 + int(random() % unsigned(m_text.GetRowCount()));
        std::string row;
        m_text.GetRowText(rowIndex, row);
        int col = int(random() % (row.size() + 1));
        if (random() % 3 == 0 && rowIndex < m_text.GetRowCount())
        {
            std::string next;
            m_text.GetRowText(rowIndex + 1, next);
            KT_EDIT_LEXPOS end = random() % 2 ? KT_EDIT_LEXPOS{rowIndex + 1, int(random() % (next.size() + 1))}
                                              : KT_EDIT_LEXPOS{rowIndex, col + int(random() % (row.size() - col + 1))};
            Delete({rowIndex, col}, end);
        }
        else
        {
            Insert({rowIndex, col}, pieces[random() % (sizeof(pieces) / sizeof(pieces[0]))]);
        }
        ExpectSameAsFreshParse("step " + std::to_string(step));
        if (HasFatalFailure())
            return;
    }
    ExpectScreensAsParsed("after the edits");
}

// Blocks and colours as recorded before the parser was made faster: any
// change to where blocks begin and end, or to a row's colours, shows here.
struct KT_RECORDED_PARSE
{
    const char* scheme;
    const char* fileType;
    std::string text;
    const char* recorded;
};

class RecordedParse : public ::testing::TestWithParam<KT_RECORDED_PARSE>
{
};

TEST_P(RecordedParse, ParsesAsRecorded)
{
    const KT_RECORDED_PARSE& param = GetParam();
    auto schema = LoadTestSchema(param.scheme);
    CTestText text(param.text, param.fileType);
    CKTSyntaxEditLexCursor cursor(text);
    schema->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    std::vector<std::string> actual = ktlex::Split(DescribeParse(*schema, text), '\n');
    std::vector<std::string> expected =
        ktlex::Split(ReadTestFile(std::string(KT_TEST_DATA_DIR) + "/" + param.recorded), '\n');
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i)
        ASSERT_EQ(actual[i], expected[i]) << "line " << i + 1 << " of " << param.recorded;
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, RecordedParse,
    ::testing::Values(KT_RECORDED_PARSE{"schemes/c.scheme", ".c",
                                        ReadTestFile(std::string(KT_TEST_DATA_DIR) + "/chat_api.c"),
                                        "chat_api.c.parse"},
                      KT_RECORDED_PARSE{"schemes/c.scheme", ".c", GenerateCText(600, 7), "generated-c.parse"},
                      KT_RECORDED_PARSE{"schemes/diagram.scheme", ".diagram",
                                        ReadTestFile(std::string(KT_TEST_DATA_DIR) + "/chat.diagram"),
                                        "chat.diagram.parse"}));

TEST(DiagramScheme, ColoursAGeneratedDiagram)
{
    auto schema = LoadTestSchema("schemes/diagram.scheme");
    EXPECT_TRUE(schema->IsFileSupported(".diagram"));
    CTestText text(ReadTestFile(std::string(KT_TEST_DATA_DIR) + "/chat.diagram"), ".diagram");
    CKTSyntaxEditLexCursor cursor(text);
    schema->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    EXPECT_EQ(DescribeRow(*schema, text, 5), "0-15:000080");
    EXPECT_EQ(DescribeRow(*schema, text, 10),
              "0-1:09885A 1-10:- 10-12:09885A 12-22:- 22-23:09885A 23-61:- 61-69:0000FF 69-70:- "
              "70-75:0000FF 75-76:- 76-79:0000FF 79-106:- 106-117:800080");
}

}  // namespace
