// XmlConfigTest.cpp: the configuration reader's tag tree, its error codes and texts, and its log lines.
#include "xml/XmlConfig.h"
#include "xml/XmlLog.h"
#include "xml/XmlStream.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <new>
#include <string>
#include <vector>

namespace
{

std::vector<std::string> g_lines;

void CollectLine(const char* line) { g_lines.push_back(line); }

class XmlConfigTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_lines.clear();
        SetXmlLogSink(CollectLine);
    }
    void TearDown() override { SetXmlLogSink(nullptr); }

    int Parse(const std::string& text) { return m_config.ParseText(text.data(), text.size()); }

    CXmlConfig m_config;
};

TEST_F(XmlConfigTest, BuildsTheTreeOfElementsAttributesAndText)
{
    ASSERT_EQ(XCFG_OK, Parse("<?xml version=\"1.0\"?>\n"
                             "<a x=\"1\" y=\"two &amp; &lt;three&gt;\">hello <b/> world<c z=\"\"/></a>"));
    const CXmlTag* root = m_config.GetRoot();
    ASSERT_NE(nullptr, root);
    EXPECT_EQ(CString("a"), root->GetName());
    ASSERT_EQ(2, root->GetAttributeCount());
    EXPECT_EQ(CString("x"), root->GetAttributeName(0));
    EXPECT_STREQ("two & <three>", root->FindAttribute("y"));
    EXPECT_EQ(nullptr, root->FindAttribute("z"));
    EXPECT_EQ(CString("hello  world"), root->GetText());
    ASSERT_EQ(2, root->GetChildCount());
    EXPECT_EQ(CString("b"), root->GetChild(0).GetName());
    ASSERT_NE(nullptr, root->FindChild("c"));
    EXPECT_STREQ("", root->FindChild("c")->FindAttribute("z"));
    EXPECT_EQ(nullptr, root->FindChild("d"));
    EXPECT_TRUE(g_lines.empty());
}

TEST_F(XmlConfigTest, LatinOneTextComesBackAsSingleBytes)
{
    ASSERT_EQ(XCFG_OK, Parse("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a v=\"\xE9\xFF&#10;\"/>"));
    EXPECT_STREQ("\xE9\xFF\n", m_config.GetRoot()->FindAttribute("v"));
    ASSERT_EQ(XCFG_OK, Parse("<a v=\"\xC3\xA9\"/>"));
    EXPECT_STREQ("\xE9", m_config.GetRoot()->FindAttribute("v"));
}

TEST_F(XmlConfigTest, ParseErrorsGiveTheParsersTextWithLineAndColumn)
{
    EXPECT_EQ(XCFG_ERROR_PARSE, Parse("<a>\n  <b></a>"));
    EXPECT_EQ(nullptr, m_config.GetRoot());
    EXPECT_EQ(CString("mismatched tag at line 2, column 8"), m_config.GetErrorText());
    ASSERT_EQ(1u, g_lines.size());
    EXPECT_NE(std::string::npos, g_lines[0].find("mismatched tag at line 2, column 8"));

    EXPECT_EQ(XCFG_ERROR_PARSE, Parse(""));
    EXPECT_EQ(XCFG_ERROR_PARSE, Parse("<a>"));
    EXPECT_EQ(XCFG_ERROR_PARSE, Parse("<a x=\"1\" x=\"2\"/>"));
}

TEST_F(XmlConfigTest, RefusesWhatCouldHarmTheProgram)
{
    EXPECT_EQ(XCFG_ERROR_PARSE, Parse("<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>"));
    EXPECT_NE(-1, m_config.GetErrorText().Find("document type"));

    std::string deep;
    for (int i = 0; i <= CXmlConfig::kMaxDepth; ++i)
        deep += "<a>";
    EXPECT_EQ(XCFG_ERROR_DEPTH, Parse(deep));
    EXPECT_EQ(nullptr, m_config.GetRoot());

    EXPECT_EQ(XCFG_ERROR_CHARACTER, Parse("<a v=\"\xE2\x82\xAC\"/>"));
    EXPECT_EQ(XCFG_ERROR_CHARACTER, Parse("<a>\xE2\x82\xAC</a>"));
    EXPECT_EQ(XCFG_ERROR_CHARACTER, Parse("<\xC4\x80/>"));
}

TEST_F(XmlConfigTest, ReadsFilesAndReportsOnesThatCannotBeOpened)
{
    const CTestFolder folder("xmlconfig");
    const std::string path = folder.Path("test.xml");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, file);
    std::string big = "<list>";
    for (int i = 0; i < 20000; ++i)
        big += "<item n=\"" + std::to_string(i) + "\"/>";
    big += "</list>";
    std::fwrite(big.data(), 1, big.size(), file);
    std::fclose(file);

    ASSERT_EQ(XCFG_OK, m_config.ParseFile(path.c_str()));
    ASSERT_EQ(20000, m_config.GetRoot()->GetChildCount());
    EXPECT_STREQ("19999", m_config.GetRoot()->GetChild(19999).FindAttribute("n"));
    std::remove(path.c_str());

    EXPECT_EQ(XCFG_ERROR_OPEN, m_config.ParseFile(path.c_str()));
    EXPECT_EQ(nullptr, m_config.GetRoot());
    EXPECT_EQ(CString("cannot open ") + path.c_str(), m_config.GetErrorText());
}

// The parser is C and cannot pass an exception on (under mingw the program
// ends): both kinds of out-of-memory stop the parse with their own code.
class ThrowingHandler : public CXmlStream::Handler
{
public:
    explicit ThrowingHandler(void (*thrower)()) : m_thrower(thrower) {}
    void OnStart(CXmlStream&, const char*, const char**) override { m_thrower(); }
    void OnEnd(CXmlStream&) override {}
    void OnText(CXmlStream&, const char*, int) override {}

private:
    void (*m_thrower)();
};

TEST(XmlStream, MemoryRunningOutInAHandlerStopsTheParseWithTheMemoryCode)
{
    for (void (*thrower)() : {+[]() { throw std::bad_alloc(); }, +[]() { AfxThrowMemoryException(); }})
    {
        ThrowingHandler handler(thrower);
        CXmlStream stream(handler);
        EXPECT_EQ(XCFG_ERROR_MEMORY, stream.ParseText("<a><b/></a>", 11));
        EXPECT_EQ(0, stream.GetErrorText().Find("out of memory")) << stream.GetErrorText();
    }
}

TEST(XmlLog, LinesCarryTheTagAndTheTime)
{
    const CString line = FormatXmlLogLine("hello");
    const std::string text(line);
    ASSERT_EQ(0u, text.find("[TWM.XCFG] "));
    // "YYYY-MM-DD hh:mm:ss.mmm " between the tag and the message.
    ASSERT_EQ(11u + 24u + 5u, text.size());
    EXPECT_EQ('-', text[15]);
    EXPECT_EQ(':', text[24]);
    EXPECT_EQ('.', text[30]);
    EXPECT_EQ("hello", text.substr(35));
}

TEST(XmlLog, TheSinkReceivesEachLineUntilReset)
{
    g_lines.clear();
    SetXmlLogSink(CollectLine);
    XmlLog("one");
    SetXmlLogSink(nullptr);
    XmlLog("two");
    ASSERT_EQ(1u, g_lines.size());
    EXPECT_NE(std::string::npos, g_lines[0].find("one"));
}

}  // namespace
