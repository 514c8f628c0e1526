// Schemes whose text is a resource of the program: the same colours as the
// scheme read from its file, and no schema at all for a missing resource.
#include <gtest/gtest.h>

#include "KTSyntaxEditSchemeSet.h"
#include "LexerTestsRes.h"
#include "TestText.h"

namespace
{

KT_EDIT_INI_ENTRY Entry(const std::string& name, const std::string& file, int resource = -1)
{
    KT_EDIT_INI_ENTRY entry;
    entry.strKey = name;
    entry.strValue = file;
    entry.nSchemaFileID = resource;
    return entry;
}

const std::map<std::string, std::string>* NoTheme(const std::string&) { return nullptr; }

std::vector<KT_EDIT_LEXBLOCKINFO> Parse(CKTSyntaxEditLexTextSchema& schema, const CTestText& text)
{
    CKTSyntaxEditLexCursor cursor(text);
    schema.RunParseUpdate(true, cursor, nullptr, nullptr, false);
    return schema.GetBlocks();
}

}  // namespace

TEST(SchemeResource, ColoursAsTheSchemeFile)
{
    CKTSyntaxEditSchemeSet schemes;
    ASSERT_TRUE(schemes.LoadScheme(Entry("file", ConfigPath("schemes/c.scheme")), NoTheme));
    ASSERT_TRUE(schemes.LoadScheme(Entry("resource", std::string(), KT_IDR_TEST_C_SCHEME), NoTheme));
    CTestText text(ReadTestFile(std::string(KT_TEST_DATA_DIR) + "/chat_api.c"));
    auto fromFile = Parse(*schemes.GetSchema("file"), text);
    auto fromResource = Parse(*schemes.GetSchema("resource"), text);
    ASSERT_GT(fromFile.size(), 100u);
    EXPECT_EQ(fromResource, fromFile);
    for (int row = 1; row <= text.GetRowCount(); ++row)
        ASSERT_EQ(DescribeRow(*schemes.GetSchema("resource"), text, row),
                  DescribeRow(*schemes.GetSchema("file"), text, row))
            << "row " << row;
}

// Read right after another scheme, a missing resource must not inherit the
// descriptions read last.
TEST(SchemeResource, MissingResourceGivesNoSchema)
{
    CKTSyntaxEditSchemeSet schemes;
    ASSERT_TRUE(schemes.LoadScheme(Entry("c", ConfigPath("schemes/c.scheme")), NoTheme));
    EXPECT_FALSE(schemes.LoadScheme(Entry("gone", "", KT_IDR_TEST_MISSING_SCHEME), NoTheme));
    EXPECT_FALSE(schemes.GetSchema("gone"));
    EXPECT_EQ(schemes.GetSchemeNames(), std::vector<std::string>({"c", "gone"}));
    EXPECT_EQ(schemes.GetSchemaForFileType(".c"), schemes.GetSchema("c"));
}
