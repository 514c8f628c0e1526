// INI entries, themes with parents, and themes applied to a schema.
#include <gtest/gtest.h>

#include "KTSyntaxEditConfigurationManager.h"
#include "KTSyntaxEditIniReader.h"
#include "KTSyntaxEditThemeSet.h"
#include "TestFolder.h"
#include "TestText.h"

namespace
{

TEST(IniReader, SplitsKeyValueAndComment)
{
    KT_EDIT_INI_ENTRY entry = CKTSyntaxEditIniReader::ParseEntry("  C = schemes\\c.scheme ; the C sources  ");
    EXPECT_EQ(entry.strKey, "C");
    EXPECT_EQ(entry.strValue, "schemes\\c.scheme");
    EXPECT_EQ(entry.strComment, "the C sources");
    entry = CKTSyntaxEditIniReader::ParseEntry("a = b = c");
    EXPECT_EQ(entry.strValue, "b");
    entry = CKTSyntaxEditIniReader::ParseEntry(" lonely ");
    EXPECT_EQ(entry.strKey, "lonely");
    EXPECT_EQ(entry.strValue, "");
}

TEST(IniReader, ReadsSectionsWithoutRegardToCase)
{
    CTestFolder folder("ini");
    WriteTestFile(folder.Path("a.ini"), "; note\r\n[One]\r\nx=1\r\n[TWO]\r\ny = 2\r\nz\r\n");
    EXPECT_EQ(CKTSyntaxEditIniReader::GetSectionNames(folder.Path("a.ini")), (std::vector<std::string>{"One", "TWO"}));
    auto entries = CKTSyntaxEditIniReader::ReadSection("two", folder.Path("a.ini"));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(CKTSyntaxEditIniReader::FindByKey(entries, "Y")->strValue, "2");
    EXPECT_EQ(CKTSyntaxEditIniReader::FindByValue(entries, "2")->strKey, "y");
}

// A later section of a name already seen, and a later line of a key, are not seen.
TEST(IniReader, TheFirstOfTwoEqualSectionsAndKeysWins)
{
    CTestFolder folder("ini");
    WriteTestFile(folder.Path("a.ini"), "orphan=0\r\n[a]\r\nx=1\r\nX=2\r\n[b]\r\ny=2\r\n[A]\r\nx=3\r\nz=4\r\n");
    EXPECT_EQ(CKTSyntaxEditIniReader::GetSectionNames(folder.Path("a.ini")), (std::vector<std::string>{"a", "b", "A"}));
    auto entries = CKTSyntaxEditIniReader::ReadSection("A", folder.Path("a.ini"));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].strValue, "1");
    EXPECT_EQ(entries[1].strValue, "2");
    CKTSyntaxEditTheme theme;
    theme.Load(folder.Path("a.ini"));
    ASSERT_NE(theme.GetSection("A"), nullptr);
    EXPECT_EQ(theme.GetSection("a")->GetValue("X"), "1");
    EXPECT_EQ(theme.GetSection("a")->GetValue("z"), "");
}

class ThemeTest : public ::testing::Test
{
protected:
    void Theme(const std::string& name, const std::string& text)
    {
        WriteTestFile(m_folder.Path(name + ".ini"), text);
        m_themes.LoadTheme(name, m_folder.Path(name + ".ini"));
    }

    CTestFolder m_folder{"themes"};
    CKTSyntaxEditThemeSet m_themes;
};

TEST_F(ThemeTest, ClassSectionsInheritFromTheParentTheme)
{
    Theme("Base", "[main]\r\nDisplayName = base\r\n[cKeyword]\r\ntxt:colorFG = 112233\r\ntxt:Bold = 1\r\n");
    Theme("Dark", "[Main]\r\nParentSchema = Base\r\n[CKEYWORD]\r\ntxt:colorFG = 445566\r\n");
    auto lookup = m_themes.MakeLookup("Dark");
    ASSERT_TRUE(lookup);
    const auto* keyword = lookup("cKeyword");
    ASSERT_NE(keyword, nullptr);
    EXPECT_EQ(keyword->at("txt:colorfg"), "445566");
    EXPECT_EQ(keyword->at("txt:bold"), "1");
    EXPECT_EQ(lookup("main"), nullptr);
    EXPECT_FALSE(m_themes.MakeLookup("Missing"));
}

TEST_F(ThemeTest, CircularParentsEnd)
{
    Theme("A", "[main]\r\nparentschema = B\r\n[x]\r\nk = a\r\n");
    Theme("B", "[main]\r\nparentschema = A\r\n[y]\r\nk = b\r\n");
    auto lookup = m_themes.MakeLookup("A");
    EXPECT_EQ(lookup("x")->at("k"), "a");
    EXPECT_EQ(lookup("y")->at("k"), "b");
}

TEST_F(ThemeTest, AThemeOverridesColoursUntilItIsTakenAway)
{
    Theme("Dark", "[cKeyword]\r\ntxt:colorFG = FF0000\r\n");
    auto schema = LoadTestSchema("schemes/c.scheme");
    schema->ApplyTheme(m_themes.MakeLookup("Dark"));
    CTestText text("int x;");
    CKTSyntaxEditLexCursor cursor(text);
    schema->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    EXPECT_EQ(DescribeRow(*schema, text, 1), "0-3:FF0000 3-6:-");
    schema->ApplyTheme(KTLexThemeLookup());
    EXPECT_EQ(DescribeRow(*schema, text, 1), "0-3:0000FF 3-6:-");
}

TEST(ConfigurationEntries, TheFirstOfTwoEqualNamesWins)
{
    CTestFolder folder("dupes");
    WriteTestFile(folder.Path("one.ini"), "[cKeyword]\r\ntxt:colorFG = 010101\r\n");
    WriteTestFile(folder.Path("two.ini"), "[cKeyword]\r\ntxt:colorFG = 020202\r\n");
    WriteTestFile(folder.Path("c.scheme"), ReadTestFile(ConfigPath("schemes/c.scheme")));
    WriteTestFile(folder.Path("SyntaxEdit.ini"),
                  "[themes]\r\nDefault = one.ini\r\nDefault = two.ini\r\n[schemes]\r\nC = c.scheme\r\n");
    auto config = KTMakeCounted<CKTSyntaxEditConfigurationManager>();
    config->SetConfigFile(folder.Path("SyntaxEdit.ini"));
    EXPECT_EQ(config->GetThemeNames(), (std::vector<std::string>{"Default"}));
    auto schema = config->GetSchemaForFileType(".c");
    ASSERT_TRUE(schema);
    CTestText text("int x;");
    CKTSyntaxEditLexCursor cursor(text);
    schema->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    EXPECT_EQ(DescribeRow(*schema, text, 1), "0-3:010101 3-6:-");
    config->Close();
}

}  // namespace
