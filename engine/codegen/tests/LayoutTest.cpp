// LayoutTest.cpp: wire sizes resolved from designs, the designs the generators refuse, and the shipped examples.
#include "DesignBuilders.h"
#include "Examples.h"
#include "Layout.h"
#include "ProjectFolder.h"
#include "project/ProjectFile.h"
#include "validation/DesignValidator.h"

#include <gtest/gtest.h>

namespace codegen {
namespace {

using namespace builders;

Design TcpDesign(std::vector<DesignField> header, std::vector<DesignPacket> packets)
{
    Design design;
    design.name = "proto";
    design.header = std::move(header);
    design.packets = std::move(packets);
    return design;
}

std::vector<DesignField> TypedHeader()
{
    return {Integer("kind", "unsigned char", FIELD_PACKET_TYPE),
            Integer("size", "unsigned short int", FIELD_BODY_LENGTH)};
}

std::string Refusal(const Design& design)
{
    ProtocolLayout layout;
    std::string error;
    EXPECT_FALSE(BuildLayout(design, layout, error));
    return error;
}

TEST(Layout, SizesOfTheChatExample)
{
    ProtocolLayout layout;
    std::string error;
    ASSERT_TRUE(BuildLayout(testing::LoadExample("chat"), layout, error)) << error;
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

TEST(Layout, BitRunsArePaddedToWholeBytesOnTheirLastField)
{
    Design design = TcpDesign(TypedHeader(), {Packet("p", "0x1", {Bits("a", 3), Bits("b", 10), Integer("c", "unsigned char"),
                                                                Bits("d", 1)})});
    ProtocolLayout layout;
    std::string error;
    ASSERT_TRUE(BuildLayout(design, layout, error)) << error;
    const ListLayout& body = layout.packets[0].body;
    EXPECT_FALSE(body.fields[0].lastBitOfRun);
    EXPECT_TRUE(body.fields[1].lastBitOfRun);
    EXPECT_EQ(2u, body.fields[1].maxBytes);
    EXPECT_TRUE(body.fields[3].lastBitOfRun);
    EXPECT_EQ(4u, body.maxBytes);
}

TEST(Layout, RefusesWhatCannotBeFramedOrDispatched)
{
    DesignPacket variable = Packet("p", "0x1", {Text("t", 8, ATTRIBUTE_VARIANT_LENGTH, VARIANT_ZERO_TERMINATED)});
    EXPECT_EQ("Error: packet p has no fixed size, so a TCP header needs a \"body length\" or \"total length\" field, "
              "please redesign your protocol!",
              Refusal(TcpDesign({Integer("kind", "unsigned char", FIELD_PACKET_TYPE)}, {variable})));
    Design udp = TcpDesign({Integer("kind", "unsigned char", FIELD_PACKET_TYPE)}, {variable});
    udp.basedProtocol = PROTOCOL_UDP;
    ProtocolLayout layout;
    std::string error;
    EXPECT_TRUE(BuildLayout(udp, layout, error)) << "a datagram frames itself: " << error;
    EXPECT_EQ("Error: several packets need a \"packet type\" field in the header, please redesign your protocol!",
              Refusal(TcpDesign({}, {Packet("a", "0x1", {}), Packet("b", "0x2", {})})));
    EXPECT_EQ("Error: packet big: its packet type does not fit the \"packet type\" field, please redesign your protocol!",
              Refusal(TcpDesign(TypedHeader(), {Packet("big", "0x100", {})})));
    EXPECT_EQ("Error: the project has no packet, please redesign your protocol!", Refusal(TcpDesign(TypedHeader(), {})));
}

TEST(Layout, RefusesHeadersOfVariableSizeAndRolesOutsideTheHeader)
{
    std::vector<DesignField> header = TypedHeader();
    header.push_back(Text("name", 8, ATTRIBUTE_VARIANT_LENGTH, VARIANT_ZERO_TERMINATED));
    EXPECT_EQ("Error: field name of the header: header fields must have a fixed size, please redesign your protocol!",
              Refusal(TcpDesign(header, {Packet("p", "0x1", {})})));
    header = TypedHeader();
    header.push_back(Integer("again", "unsigned int", FIELD_BODY_LENGTH));
    EXPECT_NE(std::string::npos, Refusal(TcpDesign(header, {Packet("p", "0x1", {})})).find("its role is given twice"));
    EXPECT_NE(std::string::npos,
              Refusal(TcpDesign(TypedHeader(), {Packet("p", "0x1", {Integer("len", "unsigned int", FIELD_TOTAL_LENGTH)})}))
                  .find("roles belong to header fields"));
}

TEST(Layout, RefusesUnsafeRelationsAndNames)
{
    auto packetWith = [](std::vector<DesignField> fields) { return TcpDesign(TypedHeader(), {Packet("p", "0x1", fields)}); };
    EXPECT_NE(std::string::npos,
              Refusal(packetWith({Text("t", 8, ATTRIBUTE_VARIANT_LENGTH, VARIANT_RELATED_FIELD, "n"),
                                  Integer("n", "unsigned char")}))
                  .find("its length field n is not an earlier field"));
    EXPECT_NE(std::string::npos,
              Refusal(packetWith({Text("s", 4), Text("t", 8, ATTRIBUTE_VARIANT_LENGTH, VARIANT_RELATED_FIELD, "s")}))
                  .find("its length field s is not an integer"));
    EXPECT_NE(std::string::npos, Refusal(packetWith({Integer("int", "unsigned char")})).find("is not a C identifier"));
    EXPECT_NE(std::string::npos, Refusal(packetWith({Integer("header", "unsigned char")})).find("clashes"));
    EXPECT_NE(std::string::npos, Refusal(packetWith({Bits("wide", 32)})).find("1 to 31 bits"));
    Design tlvWithoutSupport = packetWith({Tlv("opt", "unsigned int", "0x1")});
    EXPECT_NE(std::string::npos, Refusal(tlvWithoutSupport).find("TLV support"));
    Design udp = packetWith({TextArray("many", 1000, 100, "")});
    udp.basedProtocol = PROTOCOL_UDP;
    EXPECT_NE(std::string::npos, Refusal(udp).find("more than the 65507 a packet may take"));
}

TEST(Layout, TlvTagsMustFitTheirTypeAndDifferFromEachOther)
{
    Design design = TcpDesign(TypedHeader(), {Packet("p", "0x1", {Tlv("a", "unsigned int", "0x1"),
                                                                Tlv("b", "char []", "0x01", 4)})});
    design.tlvSupport = true;
    design.tlvTagType = "unsigned char";
    design.tlvLengthType = "unsigned char";
    EXPECT_NE(std::string::npos, Refusal(design).find("the tag is used twice"));
    design.packets[0].fields[1].tlvTag = "0x100";
    EXPECT_NE(std::string::npos, Refusal(design).find("the tag does not fit the TLV tag type"));
    design.packets[0].fields[1].tlvTag = "0x2";
    design.packets[0].fields[1].maxLength = "256";
    EXPECT_NE(std::string::npos, Refusal(design).find("must fit the TLV length type"));
}

} // namespace
} // namespace codegen

namespace codegen {
namespace {

TEST(Examples, ShippedDesignsPassTheDesignValidation)
{
    for (const std::string& name : testing::ExampleNames()) {
        std::string path = testing::ProgramFolder() + "example/" + name + ".kvs";
        ProjectRecord project;
        CString message, error;
        ASSERT_TRUE(ReadProjectFile(path.c_str(), &project, &message)) << path;
        EXPECT_TRUE(ValidateDesign(project, &error)) << name << ": " << error;
    }
}

} // namespace
} // namespace codegen
