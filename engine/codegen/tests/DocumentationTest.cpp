// DocumentationTest.cpp: the README names every stored text, every validation message and the runtime's socket API.
#include "model/Vocabulary.h"
#include "validation/ValidationMessages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace
{

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_TRUE(file.good()) << path;
    return text.str();
}

class Readme : public ::testing::Test
{
protected:
    void ExpectQuoted(const char* (*name)(int))
    {
        for (int value = 0; name(value) != nullptr; ++value)
            EXPECT_NE(std::string::npos, readme.find(std::string("\"") + name(value) + "\"")) << name(value);
    }

    std::string readme = ReadFile(KESTOVA_SOURCE_DIR "/README.md");
};

TEST_F(Readme, ListsEveryVocabularyText)
{
    for (auto name : {DataTypeName, UnitName, FieldTypeName, AttributeName, VariantWayName, TargetPlatformName,
                      BasedProtocolName, LibraryTypeName})
        ExpectQuoted(name);
}

TEST_F(Readme, TableOfMessagesIsTheValidatorsOwn)
{
    std::size_t rows = 0;
    for (std::size_t at = readme.find("| message |\n|---|\n"); (at = readme.find("\n| ", at + 1)) != std::string::npos;
         ++rows)
    {
        std::string row = readme.substr(at + 3, readme.find(" |\n", at) - at - 3);
        if (row.find('|') != std::string::npos)
            break;
        bool known = false;
        for (int problem = 0; problem < VP_PROBLEM_COUNT; ++problem)
            known = known || row == ValidationMessageText(static_cast<ValidationProblem>(problem));
        EXPECT_TRUE(known) << row;
    }
    EXPECT_EQ(static_cast<std::size_t>(VP_PROBLEM_COUNT), rows);
}

// Callers take their sockets from the runtime: each of its socket functions is documented.
TEST_F(Readme, NamesEverySocketFunctionOfTheRuntimeAndTheDllMacros)
{
    std::string header = ReadFile(KESTOVA_SOURCE_DIR "/program/lib/dravolint.h");
    std::size_t from = header.find("---- Sockets"), to = header.find("---- Writing");
    ASSERT_LT(from, to);
    std::string sockets = header.substr(from, to - from);
    std::regex function("(dravolint_[a-z_]+)\\(");
    int found = 0;
    for (std::sregex_iterator it(sockets.begin(), sockets.end(), function), end; it != end; ++it, ++found)
        EXPECT_NE(std::string::npos, readme.find("`" + (*it)[1].str())) << (*it)[1];
    EXPECT_GE(found, 10);
    for (const char* name : {"`dravolint_status_text(", "`P_DLL`", "`P_BUILD`", "`DRAVOLINT_DLL`"})
        EXPECT_NE(std::string::npos, readme.find(name)) << name;
}

}  // namespace
