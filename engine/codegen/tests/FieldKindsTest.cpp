// FieldKindsTest.cpp: designs with and without each kind of field build warning-free and exchange intact.
#include "DemoPair.h"
#include "ProjectFolder.h"
#include "SampleDesigns.h"
#include "model/Vocabulary.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace codegen
{
namespace testing
{
namespace
{

enum Kind
{
    kIntegers = 1 << 0,
    kBits = 1 << 1,
    kTexts = 1 << 2,         // fixed and zero-ended
    kRelatedTexts = 1 << 3,  // with their length field
    kTextArrays = 1 << 4,    // with and without a count field
    kTlvs = 1 << 5,
    kAllKinds = (1 << 6) - 1
};

void AddKinds(unsigned kinds, FieldRecordArray& fields)
{
    if (kinds & kIntegers)
    {
        fields.Add(IntegerField("id", "unsigned int"));
        fields.Add(IntegerField("stamp", "signed int64"));
    }
    if (kinds & kBits)
    {
        fields.Add(BitField("mode", 3));
        fields.Add(BitField("level", 13));
    }
    if (kinds & kTexts)
    {
        fields.Add(TextField("code", "6"));
        fields.Add(VariantTextField("note", "9", VARIANT_ZERO_TERMINATED, ""));
    }
    if (kinds & kRelatedTexts)
    {
        fields.Add(IntegerField("size", "unsigned char"));
        fields.Add(VariantTextField("body", "12", VARIANT_RELATED_FIELD, "size"));
        fields.Add(VariantTextField("tail", "12", VARIANT_RELATED_FIELD_AND_ZERO, "size"));
    }
    if (kinds & kTextArrays)
    {
        fields.Add(IntegerField("count", "signed short int"));
        fields.Add(TextArrayField("tags", "5", "4", "count"));
        fields.Add(TextArrayField("codes", "3", "2", ""));
    }
    if (kinds & kTlvs)
    {
        fields.Add(TlvField("limit", "0x1", "unsigned short int", "2"));
        fields.Add(TlvField("owner", "0x2", "char []", "7"));
    }
}

// Over TCP a header with a packet type and a body length and a second, empty
// packet; over UDP no header and one packet.
ProjectRecord KindsDesign(unsigned kinds, bool udp)
{
    ProjectRecord design;
    char name[16];
    std::snprintf(name, sizeof name, "kinds%02X", kinds);
    CopyFixedText(design.name, name);
    design.targetPlatform = PLATFORM_UNIX;
    design.basedProtocol = udp ? PROTOCOL_UDP : PROTOCOL_TCP;
    design.libraryType = udp ? LIBRARY_STATIC : LIBRARY_DLL;
    design.tlvSupport = (kinds & kTlvs) != 0;
    CopyFixedText(design.tlvTagType, "unsigned char");
    CopyFixedText(design.tlvLengthType, "unsigned short int");
    PacketRecord data = Packet("data", "0x1");
    AddKinds(kinds, data.fields);
    design.packets.Add(data);
    if (udp)
        return design;
    design.headerFields.Add(IntegerField("type", "unsigned char", FIELD_PACKET_TYPE));
    design.headerFields.Add(IntegerField("length", "unsigned short int", FIELD_BODY_LENGTH));
    PacketRecord empty = Packet("empty", "0x2");
    empty.hasBody = 0;
    design.packets.Add(empty);
    return design;
}

std::vector<unsigned> KindSets()
{
    std::vector<unsigned> sets{kAllKinds};
    for (unsigned kind = 1; kind < kAllKinds; kind <<= 1)
    {
        sets.push_back(kind);
        sets.push_back(kAllKinds & ~kind);
    }
    return sets;
}

class FieldKinds : public ::testing::TestWithParam<unsigned>
{
};

TEST_P(FieldKinds, BuildWithoutWarningsAndExchangeEveryPacketIntact)
{
    const bool udp = GetParam() % 2 != 0;
    ProjectRecord design = KindsDesign(GetParam(), udp);
    ProjectFolder project(design);
    std::string output;
    ASSERT_EQ(0, RunCommand("make -C '" + project.Path() + "' CFLAGS='-O2 -Werror'", &output)) << output;
    DemoRun run = RunDemoPair(project.Path(), std::string("./") + design.name + "_demo");
    EXPECT_TRUE(AllIntact(run, 3 * static_cast<int>(design.packets.GetSize()))) << run.serverOutput << run.clientOutput;
}

INSTANTIATE_TEST_SUITE_P(Sets, FieldKinds, ::testing::ValuesIn(KindSets()));

// No header and one packet without fields: the empty datagram. Strict ISO C
// stands in for the compilers that refuse what it forbids.
TEST(NoFields, AnEmptyDatagramProtocolBuildsAsStrictIsoCAndExchangesIntact)
{
    ProjectRecord design = KindsDesign(0, true);
    ProjectFolder project(design);
    std::string output;
    ASSERT_EQ(0, RunCommand("make -C '" + project.Path() + "' CFLAGS='-O2 -Werror -pedantic-errors'", &output))
        << output;
    DemoRun run = RunDemoPair(project.Path(), std::string("./") + design.name + "_demo");
    EXPECT_TRUE(AllIntact(run, 3)) << run.serverOutput << run.clientOutput;
}

}  // namespace
}  // namespace testing
}  // namespace codegen
