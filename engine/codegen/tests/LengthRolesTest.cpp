// LengthRolesTest.cpp: a header with all four roles, compiled at test time, against packets whose lengths disagree.
#include "ProjectFolder.h"
#include "SampleDesigns.h"

#include <gtest/gtest.h>

#include <fstream>

namespace codegen
{
namespace testing
{
namespace
{

// The rich design's header: version and flags bits (0-1), kind (2-3), header
// length (4), body length (5-8), total length (9-16, signed), sequence
// (17-20). Each check spoils an encoded Ping (a header alone) and returns
// its number when the decoder's status is not the one expected.
const char* const kCheckProgram = R"(#include "Chat_api.h"

#include <string.h>

static unsigned char ping[Chat_HEADER_SIZE + 1];
static size_t ping_length;

static int decodes_to(int number, int expected, size_t at, unsigned char value, size_t extra)
{
	unsigned char buf[sizeof ping];
	Chat_packet_t packet;
	memcpy(buf, ping, sizeof buf);
	buf[at] = value;
	return Chat_decode(buf, ping_length + extra, &packet) == expected ? 0 : number;
}

int main(void)
{
	Chat_Ping_t empty;
	int failed;
	memset(&empty, 0, sizeof empty);
	if (Chat_encode_Ping(&empty, ping, sizeof ping, &ping_length) != DRAVOLINT_OK || ping_length != 21)
		return 1;
	if ((failed = decodes_to(2, DRAVOLINT_OK, 0, ping[0], 0)) != 0
		|| (failed = decodes_to(3, DRAVOLINT_E_LENGTH, 8, 1, 0)) != 0
		|| (failed = decodes_to(4, DRAVOLINT_E_TRUNCATED, 16, 22, 0)) != 0
		|| (failed = decodes_to(5, DRAVOLINT_E_LENGTH, 16, 20, 0)) != 0
		|| (failed = decodes_to(6, DRAVOLINT_E_LENGTH, 4, 20, 0)) != 0
		|| (failed = decodes_to(7, DRAVOLINT_E_TRUNCATED, 9, 0x80, 0)) != 0
		|| (failed = decodes_to(8, DRAVOLINT_E_LENGTH, 0, ping[0], 1)) != 0)
		return failed;
	return 0;
}
)";

TEST(LengthRoles, BodyTotalAndHeaderLengthsMustAgreeWithEachOtherAndWithTheBytes)
{
    ProjectFolder project(RichProject());
    {
        std::ofstream check(project.File("check.c"), std::ios::binary);
        check << kCheckProgram;
    }
    std::string output;
    ASSERT_EQ(0, RunCommand("cd '" + project.Path() +
                                "' && cc -std=c99 -Wall -Wextra -Werror -o check check.c "
                                "Chat_api.c dravolint.c",
                            &output))
        << output;
    EXPECT_EQ(0, RunCommand("cd '" + project.Path() + "' && ./check", &output))
        << "the check of that number failed: 3 a body length the total length contradicts, 4 a total past the "
           "bytes, 5 a total below the header, 6 a wrong header length, 7 a negative total, 8 a byte after the "
           "packet";
}

}  // namespace
}  // namespace testing
}  // namespace codegen
