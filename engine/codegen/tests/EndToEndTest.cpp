// EndToEndTest.cpp: each example and the rich sample design are generated, built with their Makefile (and with the cross compiler) and their demo pair run over loopback.
#include "DemoPair.h"
#include "Examples.h"
#include "ProjectFolder.h"
#include "SampleDesigns.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace codegen
{
namespace testing
{
namespace
{

// The design a test parameter names: a shipped example, or "rich", the
// sample design that holds all four roles in one header, TLV fields beside
// bit fields, and signed count and length fields.
ProjectRecord LoadDesign(const std::string& name) { return name == "rich" ? RichProject() : LoadExample(name); }

// Lines the server must print for the samples of each design (typical,
// maximum and minimum values).
std::vector<std::string> ExpectedLines(const std::string& example)
{
    if (example == "chat")
        return {"packet hello (type 0x00000001)",
                "\tclock = -9223372036854775808",
                "\tserial = 18446744073709551615",
                "\tnicks = 4",
                "\tnick[3] = \"",
                "packet bye (type 0x00000003)",
                "\theader.channel = 127",
                "\ttopic = \"\"",
                "\tsignature = \"fghijklmnopq\""};
    if (example == "sensor")
        return {"packet reading (type 0x00000010)",
                "\ttemp = -32768",
                "\tphase = 2147483647",
                "\toffset = -2147483648",
                "\theader.hlen = 8",
                "\tcodes[9] = \"",
                "\tzones[1] = \""};
    if (example == "vault")
        return {"packet store (type 0x00000100)", "\towner = (absent)", "\tstamp = 18446744073709551615",
                "\tbias = 127", "\tcode = -2147483648"};
    if (example == "beacon")
        return {"packet pong (type 0x00000002)", "\tstamp = 18446744073709551615", "\tfrom = \"\""};
    if (example == "rich")
        return {"packet Options (type 0x0000000B)",
                "\theader.headLength = 21",
                "\theader.bodyLength = 2014",
                "\theader.totalLength = 2035",
                "\tcount = 100",
                "\tuser = \"cdefghijklmnopqr\"",
                "\tdepth = 127",
                "\ttitle = (absent)"};
    ADD_FAILURE() << "no expected lines for " << example;
    return {};
}

int SampleCount(const ProjectRecord& design) { return 3 * static_cast<int>(design.packets.GetSize()); }

void ExpectIntactExchange(const ProjectRecord& design, const std::string& example, const DemoRun& run)
{
    EXPECT_TRUE(AllIntact(run, SampleCount(design))) << run.serverOutput << run.clientOutput;
    for (const std::string& expected : ExpectedLines(example))
        EXPECT_NE(std::string::npos, run.serverOutput.find(expected)) << expected;
}

bool HaveTool(const char* tool) { return RunCommand(std::string("command -v ") + tool + " >/dev/null") == 0; }

class EndToEnd : public ::testing::TestWithParam<std::string>
{
};

TEST_P(EndToEnd, GeneratedMakefileBuildsWarningFreeAndTheDemoPairExchangesEveryPacketIntact)
{
    ProjectRecord design = LoadDesign(GetParam());
    ProjectFolder project(design);
    std::string output;
    ASSERT_EQ(0, RunCommand("make -C '" + project.Path() + "' CFLAGS='-O2 -Werror'", &output)) << output;
    const char* library = design.libraryType == 0 ? "lib%s.so" : "lib%s.a";
    char name[64];
    std::snprintf(name, sizeof name, library, design.name.Text());
    EXPECT_EQ(0, RunCommand("test -f '" + project.File(name) + "'")) << name;
    ExpectIntactExchange(design, GetParam(), RunDemoPair(project.Path(), std::string("./") + design.name + "_demo"));
}

TEST_P(EndToEnd, CrossCompiledDemoPairExchangesEveryPacketIntactUnderWine)
{
    if (!HaveTool("i686-w64-mingw32-gcc") || !HaveTool("wine"))
        GTEST_SKIP() << "no mingw compiler or no Wine";
    ProjectRecord design = LoadDesign(GetParam());
    ProjectFolder project(design);
    std::string name(design.name), exe = name + "_demo.exe", output;
    std::string compile = "cd '" + project.Path() + "' && i686-w64-mingw32-gcc -std=c99 -Wall -Wextra -Werror -O2 -o " +
                          exe + " " + name + "_api_demo.c " + name + "_api.c dravolint.c -lws2_32";
    ASSERT_EQ(0, RunCommand(compile, &output)) << output;
    ExpectIntactExchange(design, GetParam(), RunDemoPair(project.Path(), "env WINEDEBUG=-all wine ./" + exe));
}

INSTANTIATE_TEST_SUITE_P(Examples, EndToEnd, ::testing::ValuesIn(ExampleNames()));
INSTANTIATE_TEST_SUITE_P(Samples, EndToEnd, ::testing::Values("rich"));

}  // namespace
}  // namespace testing
}  // namespace codegen
