// GeneratorTest.cpp: the generated texts: line ends, indentation, names, determinism, diagram, Makefile and speed.
#include "Examples.h"
#include "Generator.h"
#include "SampleDesigns.h"
#include "TestFolder.h"
#include "model/Vocabulary.h"
#include "project/AtomicFile.h"
#include "validation/DesignValidator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <regex>
#include <sstream>

namespace codegen
{
namespace
{

std::vector<std::string> Lines(const std::string& text, const char* end)
{
    std::vector<std::string> lines;
    std::size_t start = 0, found;
    while ((found = text.find(end, start)) != std::string::npos)
    {
        lines.push_back(text.substr(start, found - start));
        start = found + std::strlen(end);
    }
    EXPECT_EQ(start, text.size()) << "the text ends with a line end";
    return lines;
}

class GeneratedSources : public ::testing::TestWithParam<std::string>
{
protected:
    void SetUp() override
    {
        design = testing::LoadExample(GetParam());
        std::string error;
        ASSERT_TRUE(GenerateCode(design, code, error)) << error;
    }

    ProjectRecord design;
    GeneratedCode code;
};

TEST_P(GeneratedSources, UseCrLfAndTabIndentation)
{
    for (const std::string* text : {&code.header, &code.source, &code.demo})
    {
        for (const std::string& line : Lines(*text, "\r\n"))
        {
            EXPECT_EQ(std::string::npos, line.find_first_of("\r\n")) << line;
            if (!line.empty() && line[0] == ' ')
            {
                EXPECT_EQ(0u, line.rfind(" *", 0)) << "only comment continuations start with a blank: " << line;
            }
        }
    }
}

TEST_P(GeneratedSources, EveryGlobalNameCarriesTheProjectPrefix)
{
    std::regex function("^(?:static )?[a-z_0-9]+ \\*?([A-Za-z_0-9]+)\\(");
    std::regex macro("^#define ([A-Za-z_0-9]+)");
    std::string prefix = std::string(design.name) + "_";
    for (const std::string* text : {&code.header, &code.source, &code.demo})
    {
        for (const std::string& line : Lines(*text, "\r\n"))
        {
            std::smatch match;
            if (!std::regex_search(line, match, function) && !std::regex_search(line, match, macro))
                continue;
            std::string name = match[1];
            // Besides main, only the runtime's DLL macros, which the header sets from the project's.
            if (name != "main" && name.rfind("DRAVOLINT_", 0) != 0)
            {
                EXPECT_EQ(0u, name.rfind(prefix, 0)) << name;
            }
        }
    }
    EXPECT_NE(std::string::npos, code.header.find("typedef struct " + prefix + "packet_t {"));
}

TEST_P(GeneratedSources, AreTheSameEveryTime)
{
    GeneratedCode again;
    std::string error;
    ASSERT_TRUE(GenerateCode(design, again, error));
    EXPECT_EQ(code.header, again.header);
    EXPECT_EQ(code.source, again.source);
    EXPECT_EQ(code.demo, again.demo);
}

INSTANTIATE_TEST_SUITE_P(Examples, GeneratedSources, ::testing::ValuesIn(testing::ExampleNames()));

TEST(Generator, ARefusedDesignGivesTheValidatorsLineAndLeavesEveryTextEmpty)
{
    ProjectRecord design;
    CopyFixedText(design.name, "broken");
    GeneratedCode code;
    code.header = "old";
    std::string makefile = "old", diagram = "old", error;
    EXPECT_FALSE(GenerateCode(design, code, error));
    EXPECT_EQ("Error: project broken: the project has no packet, please redesign your protocol!", error);
    EXPECT_TRUE(code.header.empty() && code.source.empty() && code.demo.empty());
    EXPECT_FALSE(GenerateMakefile(design, makefile, error));
    EXPECT_TRUE(makefile.empty());
    EXPECT_FALSE(GenerateDiagram(design, diagram, error));
    EXPECT_TRUE(diagram.empty());
}

// The limit on a project's name is as tight as its files allow: each still
// fits one file name while it is written beside its place.
TEST(Generator, FilesOfTheLongestProjectNameThatValidatesCanBeWritten)
{
    ProjectRecord design = RichProject();
    const std::string name(kMaxProjectNameLength, 'n');
    ASSERT_TRUE(CopyFixedText(design.name, name.c_str()));
    GeneratedCode code;
    std::string error;
    ASSERT_TRUE(GenerateCode(design, code, error)) << error;

    const CTestFolder folder("long-name");
    std::size_t longest = 0;
    for (const std::string& file :
         {HeaderFileName(name), SourceFileName(name), DemoFileName(name), DiagramFileName(name), name + ".kvs"})
    {
        CString failure;
        EXPECT_TRUE(ReplaceFileContents(folder.Path(file).c_str(), "x", 1, &failure)) << failure;
        longest = std::max(longest, file.size() + std::strlen(".tmp"));
    }
    EXPECT_EQ(kMaxFileNameLength, longest);
}

TEST(Generator, MakefileNamesTheProjectAndItsLibraryKindWithUnixLineEnds)
{
    std::string chat, sensor, error;
    ASSERT_TRUE(GenerateMakefile(testing::LoadExample("chat"), chat, error));
    ASSERT_TRUE(GenerateMakefile(testing::LoadExample("sensor"), sensor, error));
    EXPECT_EQ(std::string::npos, chat.find('\r'));
    EXPECT_NE(std::string::npos, chat.find("\nNAME = chat\nLIBRARY = shared\n\ninclude Make.rules\n"));
    EXPECT_NE(std::string::npos, sensor.find("\nNAME = sensor\nLIBRARY = static\n"));
}

TEST(Generator, DiagramTabulatesOffsetsWidthsRolesAndRelations)
{
    std::string diagram, error;
    ASSERT_TRUE(GenerateDiagram(testing::LoadExample("chat"), diagram, error)) << error;
    std::vector<std::string> lines = Lines(diagram, "\r\n");
    auto has = [&lines](const std::string& text)
    {
        for (const std::string& line : lines)
            if (line == text)
                return true;
        return false;
    };
    EXPECT_TRUE(has("Header: 6 bytes"));
    EXPECT_TRUE(has("1         1           -           urgent                     bit field                            "
                    "        normal data"));
    EXPECT_TRUE(has("1.1       7           1 (run)     channel                    bit field                            "
                    "        normal data"));
    EXPECT_TRUE(has("2         16          2           kind                       unsigned short int                   "
                    "        packet type"));
    EXPECT_TRUE(has("Packet message, type 0x00000002: 14-309 bytes with the header"));
    EXPECT_TRUE(has("6         8           1           length                     unsigned char                        "
                    "        normal data   gives the length of body"));
    EXPECT_TRUE(has("7         0-1600      0-200       body                       char [] sized                        "
                    "        normal data   length from length"));
    EXPECT_TRUE(has("12+       0-360       0-45        tags                       char *, 5 of char [] sized, then 0   "
                    "        normal data   length from each; count from count"));
}

TEST(Generator, AThousandPacketsOfThirtyFieldsTakeWellUnderASecond)
{
    ProjectRecord design = LargeProject(1000, 30);
    auto start = std::chrono::steady_clock::now();
    GeneratedCode code;
    std::string diagram, error;
    ASSERT_TRUE(GenerateCode(design, code, error)) << error;
    ASSERT_TRUE(GenerateDiagram(design, diagram, error)) << error;
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("seconds", std::to_string(seconds));
    std::printf("generated %zu bytes of C for 1000 x 30 fields in %.3f s\n",
                code.header.size() + code.source.size() + code.demo.size(), seconds);
}

}  // namespace
}  // namespace codegen
