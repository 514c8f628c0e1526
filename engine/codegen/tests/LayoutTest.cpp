// LayoutTest.cpp: wire sizes, bit runs, relations and roles resolved from designs, and the shipped examples.
#include "Examples.h"
#include "Layout.h"
#include "ProjectFolder.h"
#include "SampleDesigns.h"
#include "project/ProjectFile.h"
#include "validation/DesignValidator.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace codegen
{
namespace
{

// A TCP design of one packet "p" under a header of packet type and body length.
ProjectRecord OnePacket(std::initializer_list<FieldRecord> fields)
{
    ProjectRecord project;
    CopyFixedText(project.name, "proto");
    project.headerFields.Add(IntegerField("kind", "unsigned char", FIELD_PACKET_TYPE));
    project.headerFields.Add(IntegerField("size", "unsigned short int", FIELD_BODY_LENGTH));
    PacketRecord packet = Packet("p", "0x1");
    for (const FieldRecord& field : fields)
        packet.fields.Add(field);
    project.packets.Add(packet);
    return project;
}

// The layout of a design the validator accepts.
ProtocolLayout Resolve(const ProjectRecord& project)
{
    CString error;
    EXPECT_TRUE(ValidateDesign(project, &error)) << static_cast<const char*>(error);
    return BuildLayout(project);
}

// Every text ending and a "char *" run with and without its count field.
std::vector<FieldRecord> TextKinds()
{
    FieldRecord counted = TextArrayField("run", "1", "1", "n");
    counted.attribute = ATTRIBUTE_VARIANT_LENGTH;
    return {TextField("run", "1"),
            VariantTextField("run", "1", VARIANT_ZERO_TERMINATED, ""),
            VariantTextField("run", "1", VARIANT_RELATED_FIELD, "n"),
            VariantTextField("run", "1", VARIANT_RELATED_FIELD_AND_ZERO, "n"),
            counted,
            TextArrayField("run", "1", "1", "")};
}

// The validator's size limit falls exactly where the layout reaches it, for
// every text kind: a UDP packet of 65,507 bytes stands, one byte more does not.
TEST(Layout, ValidatorAndLayoutAgreeOnTheSizeOfEveryText)
{
    for (FieldRecord text : TextKinds())
    {
        ProjectRecord project = OnePacket({IntegerField("n", "unsigned short int"), text});
        project.basedProtocol = PROTOCOL_UDP;
        const std::uint64_t probe = BuildLayout(project).maxPacketBytes;
        FieldRecord& run = project.packets[0].fields[1];
        CopyFixedText(run.maxLength, std::to_string(65507ull - probe + 1).c_str());
        CopyFixedText(run.relatedLengthField, "");
        if (run.attribute == ATTRIBUTE_VARIANT_LENGTH && run.variantWay != VARIANT_ZERO_TERMINATED)
            CopyFixedText(run.relatedLengthField, "n");
        CString error;
        EXPECT_TRUE(ValidateDesign(project, &error)) << text.maxCount << " " << static_cast<const char*>(error);
        EXPECT_EQ(65507u, BuildLayout(project).maxPacketBytes);
        CopyFixedText(run.maxLength, std::to_string(65507ull - probe + 2).c_str());
        EXPECT_FALSE(ValidateDesign(project, &error));
        EXPECT_NE(-1, error.Find("can take 65508 bytes")) << static_cast<const char*>(error);
    }
}

TEST(Layout, SizesOfTheChatExample)
{
    ProtocolLayout layout = Resolve(testing::LoadExample("chat"));
    EXPECT_EQ(6u, layout.header.maxBytes);
    EXPECT_EQ(3, layout.typeField);
    EXPECT_EQ(4, layout.bodyLengthField);
    const ListLayout& hello = layout.packets[0].body;
    EXPECT_TRUE(hello.IsFixed());
    EXPECT_EQ(36u, hello.maxBytes);
    const ListLayout& message = layout.packets[1].body;
    EXPECT_EQ(8u, message.minBytes) << "every text empty, every count 0";
    // 1 + 200 + 11 + 1 + 13 + 1 + 1 + 5 * 9 + 2 + 4 * 7
    EXPECT_EQ(303u, message.maxBytes);
    EXPECT_EQ(309u, layout.maxPacketBytes);
    EXPECT_EQ(std::vector<int>{1}, message.fields[0].lengthOf);
    EXPECT_EQ(std::vector<int>{7}, message.fields[5].countOf);
    EXPECT_EQ(5, message.fields[7].countField);
    EXPECT_EQ(6, message.fields[7].lengthField);
}

TEST(Layout, BitRunsTakeTheirBytesOnTheirLastField)
{
    ProtocolLayout layout =
        Resolve(OnePacket({BitField("a", 3), BitField("b", 13), IntegerField("c", "unsigned char"), BitField("d", 8)}));
    const ListLayout& body = layout.packets[0].body;
    EXPECT_FALSE(body.fields[0].lastBitOfRun);
    EXPECT_EQ(0u, body.fields[0].maxBytes);
    EXPECT_TRUE(body.fields[1].lastBitOfRun);
    EXPECT_EQ(2u, body.fields[1].maxBytes);
    EXPECT_TRUE(body.fields[3].lastBitOfRun);
    EXPECT_EQ(4u, body.maxBytes);
    EXPECT_EQ(8191u, body.fields[1].MaxValue());
}

TEST(Layout, RolesOfTheRichDesign)
{
    ProtocolLayout layout = Resolve(RichProject());
    EXPECT_EQ(2, layout.typeField);
    EXPECT_EQ(3, layout.headerLengthField);
    EXPECT_EQ(4, layout.bodyLengthField);
    EXPECT_EQ(5, layout.totalLengthField);
    EXPECT_FALSE(layout.udp);
    EXPECT_TRUE(layout.staticLibrary);
    EXPECT_EQ(2u + 2 + 1 + 4 + 8 + 4, layout.header.maxBytes);
}

TEST(Layout, TlvFieldsTakeTagLengthAndValueAndMayAllBeAbsent)
{
    ProtocolLayout layout = Resolve(RichProject());
    const ListLayout& options = layout.packets[2].body;
    EXPECT_TRUE(options.hasTlv);
    EXPECT_FALSE(options.IsFixed());
    EXPECT_EQ(0u, options.minBytes);
    // "unsigned short int" tags and lengths: 4 + 4, 4 + 40, 4 + 1.
    EXPECT_EQ(57u, options.maxBytes);
    EXPECT_EQ(0xAB01u, options.fields[2].tag);
    EXPECT_TRUE(options.fields[1].IsTlvText());
}

TEST(Layout, CountedTextsWithoutAnyPresentTakeNoBytes)
{
    ProtocolLayout layout = Resolve(RichProject());
    const FieldLayout& names = layout.packets[1].body.fields[4];
    EXPECT_EQ(FieldKind::TextArray, names.kind);
    EXPECT_EQ(TextEnd::Related, names.end);
    EXPECT_EQ(0u, names.minBytes);
    EXPECT_EQ(100u * 20u, names.maxBytes);
    EXPECT_EQ(0, names.countField);
    EXPECT_EQ(3, names.lengthField);
}

// A packet whose has-body flag is off still keeps the fields it was given.
TEST(Layout, FieldsMakeTheBodyWhateverTheHasBodyFlagSays)
{
    ProjectRecord project = OnePacket({IntegerField("c", "unsigned int")});
    project.packets[0].hasBody = 0;
    ProtocolLayout layout = Resolve(project);
    ASSERT_EQ(1u, layout.packets[0].body.fields.size());
    EXPECT_EQ(4u, layout.packets[0].body.maxBytes);
}

TEST(Examples, ShippedDesignsPassTheDesignValidation)
{
    for (const std::string& name : testing::ExampleNames())
    {
        std::string path = testing::ProgramFolder() + "example/" + name + ".kvs";
        ProjectRecord project;
        CString message, error;
        ASSERT_TRUE(ReadProjectFile(path.c_str(), &project, &message)) << path;
        EXPECT_TRUE(ValidateDesign(project, &error)) << name << ": " << error;
    }
}

}  // namespace
}  // namespace codegen
