// DesignValidatorTest.cpp: designs that pass, and one failing design per rule with its exact line.
#include "validation/DesignValidator.h"
#include "validation/ValidationMessages.h"
#include "SampleDesigns.h"
#include "model/Vocabulary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace
{

FieldRecord& Header(ProjectRecord& p, int i) { return p.headerFields[i]; }
FieldRecord& Body(ProjectRecord& p, int packet, int i) { return p.packets[packet].fields[i]; }

template <class Text>
void Set(Text& dest, const char* text)
{
    ASSERT_TRUE(CopyFixedText(dest, text)) << text;
}

std::string Validate(const ProjectRecord& project)
{
    CString line;
    if (ValidateDesign(project, &line))
        return "";
    return std::string(line);
}

TEST(DesignValidator, SoundDesignsPass)
{
    EXPECT_EQ("", Validate(RichProject()));
    EXPECT_EQ("", Validate(LargeProject(20, 30)));

    // One packet needs no packet-type field; over UDP a datagram frames a
    // packet whose size varies.
    ProjectRecord single = RichProject();
    single.headerFields.RemoveAll();
    single.packets.SetSize(1);
    single.basedProtocol = PROTOCOL_UDP;
    EXPECT_EQ("", Validate(single));

    // A header field and a packet field may share a name.
    ProjectRecord shared = RichProject();
    Set(Header(shared, 6).name, "user");
    EXPECT_EQ("", Validate(shared));
}

// Only the library's own macros are refused, not names that resemble them.
TEST(DesignValidator, NamesBesideTheLibraryMacrosPass)
{
    for (const char* name : {"PRIME", "PRIu128", "SCNxLEAST", "EVENT", "Errno", "DUMMYUNIONNAME10", "environs"})
    {
        ProjectRecord project = RichProject();
        Set(Body(project, 0, 4).name, name);
        EXPECT_EQ("", Validate(project)) << name;
    }
}

// A design of one packet holding text under a header of one role.
ProjectRecord OneText(const FieldRecord& text, const char* roleType, int role)
{
    ProjectRecord project = RichProject();
    project.tlvSupport = 0;
    project.headerFields.RemoveAll();
    project.headerFields.Add(IntegerField("size", roleType, role));
    project.packets.SetSize(1);
    project.packets[0].fields.RemoveAll();
    project.packets[0].fields.Add(text);
    return project;
}

TEST(DesignValidator, OnlyTextsEndedByAZeroByteTakeOneMore)
{
    EXPECT_EQ("", Validate(OneText(TextField("name", "255"), "unsigned char", FIELD_BODY_LENGTH)));
    EXPECT_EQ("", Validate(OneText(TextField("name", "254"), "unsigned char", FIELD_TOTAL_LENGTH)));
    EXPECT_EQ("Error: project Chat, packet Login: the \"body length\" field size cannot hold the largest body of "
              "256 bytes, please redesign your protocol!",
              Validate(OneText(VariantTextField("name", "255", VARIANT_ZERO_TERMINATED, ""), "unsigned char",
                               FIELD_BODY_LENGTH)));

    ProjectRecord datagram = OneText(TextField("name", "65507"), "unsigned char", FIELD_NORMAL_DATA);
    datagram.headerFields.RemoveAll();
    datagram.basedProtocol = PROTOCOL_UDP;
    EXPECT_EQ("", Validate(datagram));
    Set(Body(datagram, 0, 0).maxLength, "65508");
    EXPECT_EQ("Error: project Chat, packet Login: the packet can take 65508 bytes with the header, more than one UDP "
              "datagram of 65507, please redesign your protocol!",
              Validate(datagram));
}

// A "char *" field without a count field always carries its maximum count,
// so a fixed-length one leaves the packet's size fixed.
TEST(DesignValidator, TextRunsWithoutACountFieldHoldTheirMaximumCount)
{
    ProjectRecord project = OneText(TextArrayField("names", "8", "3", ""), "unsigned char", FIELD_PACKET_TYPE);
    EXPECT_EQ("", Validate(project)) << "framed by its fixed size over TCP";
    Body(project, 0, 0).attribute = ATTRIBUTE_VARIANT_LENGTH;
    EXPECT_EQ("Error: project Chat, packet Login: the packet's size varies, so over TCP the header needs a \"body "
              "length\" or \"total length\" field, please redesign your protocol!",
              Validate(project));
}

TEST(DesignValidator, PacketTypesAndTagsCompareAsHexadecimalValues)
{
    ProjectRecord project = RichProject();
    // Differ only after the first letter digit: distinct values, so the design stands.
    Set(project.packets[1].packetType, "0x0000000A");
    Set(project.packets[2].packetType, "0x0000000B");
    Set(Body(project, 2, 0).tlvTag, "0xA1");
    Set(Body(project, 2, 1).tlvTag, "0xB1");
    EXPECT_EQ("", Validate(project));
}

TEST(DesignValidator, EveryProblemHasAMessageInTheTable)
{
    for (int problem = 0; problem < VP_PROBLEM_COUNT; ++problem)
        EXPECT_STRNE("", ValidationMessageText(static_cast<ValidationProblem>(problem))) << problem;
    const ValidationPlace place = {"P", "K", "f"};
    EXPECT_EQ(CString("Error: project P, packet K, field f: the data type \"x\" is unknown, "
                      "please redesign your protocol!"),
              FormatValidationLine(place, VP_DATA_TYPE_UNKNOWN, {"x"}));
}

TEST(DesignValidator, AProjectNameIsAsLongAsItsFileNamesAllow)
{
    ProjectRecord project = RichProject();
    const std::string longest(240, 'n');
    Set(project.name, longest.c_str());
    EXPECT_EQ("", Validate(project));
    Set(project.name, (longest + "n").c_str());
    EXPECT_EQ("Error: project " + longest +
                  "n: the name has more than 240 characters, so the longest file name made from it would exceed the "
                  "limit of 255 characters, please redesign your protocol!",
              Validate(project));
}

struct Rule
{
    const char* name;
    std::function<void(ProjectRecord&)> spoil;
    const char* line;  // without "Error: " and ", please redesign your protocol!"
};

class DesignRule : public ::testing::TestWithParam<Rule>
{
};

TEST_P(DesignRule, GivesItsExactLine)
{
    ProjectRecord project = RichProject();
    GetParam().spoil(project);
    EXPECT_EQ(std::string("Error: ") + GetParam().line + ", please redesign your protocol!", Validate(project));
}

std::string RuleName(const ::testing::TestParamInfo<Rule>& info) { return info.param.name; }

const Rule kNames[] = {
    {"EmptyPacketName", [](ProjectRecord& p) { Set(p.packets[1].name, ""); },
     "project Chat, packet \"\": the name is empty"},
    {"EmptyProjectName", [](ProjectRecord& p) { Set(p.name, ""); }, "project \"\": the name is empty"},
    {"FieldNameNotIdentifier", [](ProjectRecord& p) { Set(Header(p, 6).name, "2nd"); },
     "project Chat, header field 2nd: the name must be a letter followed by letters or digits"},
    {"ProjectNameWithDash", [](ProjectRecord& p) { Set(p.name, "my-chat"); },
     "project my-chat: the name must be a letter followed by letters or digits"},
    {"FieldNameKeyword", [](ProjectRecord& p) { Set(Body(p, 0, 4).name, "int"); },
     "project Chat, packet Login, field int: the name is reserved in the generated C code"},
    {"FieldNameNewerCKeyword", [](ProjectRecord& p) { Set(Body(p, 0, 4).name, "typeof"); },
     "project Chat, packet Login, field typeof: the name is reserved in the generated C code"},
    {"HeaderFieldNameNewerCppKeyword", [](ProjectRecord& p) { Set(Header(p, 6).name, "requires"); },
     "project Chat, header field requires: the name is reserved in the generated C code"},
    {"FieldNameMacro", [](ProjectRecord& p) { Set(Body(p, 0, 4).name, "unix"); },
     "project Chat, packet Login, field unix: the name is reserved in the generated C code"},
    {"FieldNameFormatMacro", [](ProjectRecord& p) { Set(Body(p, 0, 4).name, "PRIu64"); },
     "project Chat, packet Login, field PRIu64: the name is reserved in the generated C code"},
    {"HeaderFieldNameErrorNumber", [](ProjectRecord& p) { Set(Header(p, 6).name, "EINTR"); },
     "project Chat, header field EINTR: the name is reserved in the generated C code"},
    {"PacketNameStructurePlaceholder", [](ProjectRecord& p) { Set(p.packets[3].name, "DUMMYUNIONNAME2"); },
     "project Chat, packet DUMMYUNIONNAME2: the name is reserved in the generated C code"},
    {"FieldNameWithUnderscore", [](ProjectRecord& p) { Set(Body(p, 0, 4).name, "has_user"); },
     "project Chat, packet Login, field has_user: the name must be a letter followed by letters or digits"},
    {"ProjectNameOfTheRuntime", [](ProjectRecord& p) { Set(p.name, "dravolint"); },
     "project dravolint: the name is reserved in the generated C code"},
    {"PacketNameOfTheHeader", [](ProjectRecord& p) { Set(p.packets[3].name, "header"); },
     "project Chat, packet header: the name is reserved in the generated C code"},
    {"PacketNameOfAHelper", [](ProjectRecord& p) { Set(p.packets[3].name, "sized"); },
     "project Chat, packet sized: the name is reserved in the generated C code"},
    {"PacketFieldNamedHeader", [](ProjectRecord& p) { Set(Body(p, 0, 4).name, "header"); },
     "project Chat, packet Login, field header: the name is reserved in the generated C code"},
    {"HeaderFieldTwice", [](ProjectRecord& p) { Set(Header(p, 6).name, "kind"); },
     "project Chat, header field kind: an earlier field of the header has the same name"},
    {"PacketFieldTwice", [](ProjectRecord& p) { Set(Body(p, 0, 4).name, "user"); },
     "project Chat, packet Login, field user: an earlier field of the packet has the same name"},
    {"PacketNameTwiceInAnotherCase", [](ProjectRecord& p) { Set(p.packets[1].name, "LOGIN"); },
     "project Chat, packet LOGIN: an earlier packet has the same name, regardless of case"},
};
INSTANTIATE_TEST_SUITE_P(Names, DesignRule, ::testing::ValuesIn(kNames), RuleName);

const Rule kSettings[] = {
    {"ProtocolOutOfRange", [](ProjectRecord& p) { p.basedProtocol = 2; },
     "project Chat: the target platform, based protocol or library type is out of range"},
    {"TlvTagTypeNotInteger", [](ProjectRecord& p) { Set(p.tlvTagType, "char []"); },
     "project Chat: the TLV tag data type \"char []\" is not an integer type"},
    {"TlvLengthTypeMissing", [](ProjectRecord& p) { Set(p.tlvLengthType, ""); },
     "project Chat: the TLV length data type \"\" is not an integer type"},
    {"UnitOutOfRange", [](ProjectRecord& p) { Header(p, 6).unit = 3; },
     "project Chat, header field sequence: the unit is out of range"},
    {"UnknownDataType", [](ProjectRecord& p) { Set(Header(p, 6).dataType, "long"); },
     "project Chat, header field sequence: the data type \"long\" is unknown"},
    {"FieldTypeOutOfRange", [](ProjectRecord& p) { Body(p, 0, 0).type = 5; },
     "project Chat, packet Login, field userLength: the field type is out of range"},
    {"VariantOutOfRange", [](ProjectRecord& p) { Body(p, 0, 4).variantWay = 3; },
     "project Chat, packet Login, field token: the attribute or the variant way is out of range"},
};
INSTANTIATE_TEST_SUITE_P(Settings, DesignRule, ::testing::ValuesIn(kSettings), RuleName);

const Rule kSizes[] = {
    {"IntegerWidth", [](ProjectRecord& p) { Set(Header(p, 6).maxLength, "8"); },
     "project Chat, header field sequence: the max length of a \"signed int\" field must be 4, not \"8\""},
    {"BitWidthTooLarge", [](ProjectRecord& p) { Set(Header(p, 1).maxLength, "32"); },
     "project Chat, header field flags: the max length of a bit field must be a width from 1 to 31, not \"32\""},
    {"BitWidthZero", [](ProjectRecord& p) { Set(Body(p, 1, 1).maxLength, "0"); },
     "project Chat, packet Roster, field online: the max length of a bit field must be a width from 1 to 31, not "
     "\"0\""},
    {"BitDataType", [](ProjectRecord& p) { Set(Header(p, 1).dataType, "unsigned char"); },
     "project Chat, header field flags: a bit field of 12 bits must have the data type \"unsigned short int\", not "
     "\"unsigned char\""},
    {"BitRunInHeader", [](ProjectRecord& p) { Set(Header(p, 1).maxLength, "11"); },
     "project Chat, header field flags: the run of bit fields that ends here takes 15 bits, not a whole number of "
     "bytes"},
    {"BitRunAtEndOfPacket", [](ProjectRecord& p) { p.packets[3].fields.Add(BitField("spare", 3)); },
     "project Chat, packet Ping, field spare: the run of bit fields that ends here takes 3 bits, not a whole number of "
     "bytes"},
    {"TextLengthZero", [](ProjectRecord& p) { Set(Body(p, 0, 4).maxLength, "0"); },
     "project Chat, packet Login, field token: the max length of a \"char []\" field must be a number from 1 to 65535, "
     "not \"0\""},
    {"TextLengthTooLarge", [](ProjectRecord& p) { Set(Body(p, 0, 4).maxLength, "65536"); },
     "project Chat, packet Login, field token: the max length of a \"char []\" field must be a number from 1 to 65535, "
     "not \"65536\""},
    {"TextLengthNotNumber", [](ProjectRecord& p) { Set(Body(p, 1, 4).maxLength, "20x"); },
     "project Chat, packet Roster, field names: the max length of a \"char *\" field must be a number from 1 to 65535, "
     "not \"20x\""},
    {"TextCountMissing", [](ProjectRecord& p) { Set(Body(p, 1, 4).maxCount, ""); },
     "project Chat, packet Roster, field names: the max count of a \"char *\" field must be a number from 1 to 65535, "
     "not \"\""},
    {"PacketTooLarge",
     [](ProjectRecord& p)
     {
         Set(Body(p, 1, 0).dataType, "unsigned int");
         Set(Body(p, 1, 0).maxLength, "4");
         Set(Body(p, 1, 4).maxCount, "65535");
         Set(Body(p, 1, 4).maxLength, "65535");
         Set(Body(p, 1, 3).dataType, "unsigned int");
         Set(Body(p, 1, 3).maxLength, "4");
     },
     "project Chat, packet Roster: the packet can take 4294836265 bytes with the header, more than the limit of "
     "16777216"},
    {"DatagramTooLarge",
     [](ProjectRecord& p)
     {
         p.basedProtocol = PROTOCOL_UDP;
         Set(Body(p, 1, 4).maxCount, "10000");
     },
     "project Chat, packet Roster: the packet can take 200035 bytes with the header, more than one UDP datagram of "
     "65507"},
};
INSTANTIATE_TEST_SUITE_P(Sizes, DesignRule, ::testing::ValuesIn(kSizes), RuleName);

const Rule kRelated[] = {
    {"LengthFieldMissing", [](ProjectRecord& p) { Set(Body(p, 0, 1).relatedLengthField, ""); },
     "project Chat, packet Login, field user: a variant length field whose variant way is \"select a related field\" "
     "needs a related length field"},
    {"LengthFieldUnknown", [](ProjectRecord& p) { Set(Body(p, 0, 2).relatedLengthField, "nobody"); },
     "project Chat, packet Login, field nick: the related length field \"nobody\" is not an earlier field of the same "
     "packet"},
    {"LengthFieldLater", [](ProjectRecord& p) { Set(Body(p, 0, 1).relatedLengthField, "token"); },
     "project Chat, packet Login, field user: the related length field \"token\" is not an earlier field of the same "
     "packet"},
    {"LengthFieldItself", [](ProjectRecord& p) { Set(Body(p, 0, 1).relatedLengthField, "user"); },
     "project Chat, packet Login, field user: the related length field \"user\" is not an earlier field of the same "
     "packet"},
    {"CountFieldInHeader", [](ProjectRecord& p) { Set(Body(p, 1, 4).relatedCountField, "sequence"); },
     "project Chat, packet Roster, field names: the related count field \"sequence\" is not an earlier field of the "
     "same packet"},
    {"LengthFieldIsText",
     [](ProjectRecord& p)
     {
         Body(p, 0, 4).attribute = ATTRIBUTE_VARIANT_LENGTH;
         Body(p, 0, 4).variantWay = VARIANT_RELATED_FIELD;
         Set(Body(p, 0, 4).relatedLengthField, "password");
     },
     "project Chat, packet Login, field token: the related length field \"password\" must be a byte or bit field of an "
     "integer type"},
    {"CountFieldIsTlv", [](ProjectRecord& p) { p.packets[2].fields.Add(TextArrayField("labels", "4", "2", "color")); },
     "project Chat, packet Options, field labels: the related count field \"color\" must be a byte or bit field of an "
     "integer type"},
    {"LengthFieldTooNarrow", [](ProjectRecord& p) { Set(Body(p, 0, 1).maxLength, "300"); },
     "project Chat, packet Login, field user: the related length field \"userLength\" cannot hold the max length 300"},
    {"CountFieldTooNarrow", [](ProjectRecord& p) { Set(Body(p, 1, 4).relatedCountField, "online"); },
     "project Chat, packet Roster, field names: the related count field \"online\" cannot hold the max count 100"},
};
INSTANTIATE_TEST_SUITE_P(Related, DesignRule, ::testing::ValuesIn(kRelated), RuleName);

const Rule kRoles[] = {
    {"RoleInPacket", [](ProjectRecord& p) { Body(p, 0, 0).type = FIELD_BODY_LENGTH; },
     "project Chat, packet Login, field userLength: a \"body length\" field belongs in the header, not in a packet"},
    {"RoleOnText",
     [](ProjectRecord& p)
     {
         FieldRecord text = TextField("label", "4");
         text.type = FIELD_HEADER_LENGTH;
         p.headerFields.Add(text);
     },
     "project Chat, header field label: a \"header length\" field must be a byte field of an integer data type"},
    {"RoleOnBits", [](ProjectRecord& p) { Header(p, 0).type = FIELD_PACKET_TYPE; },
     "project Chat, header field version: a \"packet type\" field must be a byte field of an integer data type"},
    {"RoleTwice", [](ProjectRecord& p) { Header(p, 6).type = FIELD_TOTAL_LENGTH; },
     "project Chat, header field sequence: the header already has a \"total length\" field, totalLength"},
    {"HeaderLengthTooNarrow", [](ProjectRecord& p) { p.headerFields.Add(TextField("comment", "300")); },
     "project Chat: the \"header length\" field headLength cannot hold the largest header of 321 bytes"},
    {"BodyLengthTooNarrow",
     [](ProjectRecord& p)
     {
         Set(Header(p, 4).dataType, "unsigned char");
         Set(Header(p, 4).maxLength, "1");
     },
     "project Chat, packet Roster: the \"body length\" field bodyLength cannot hold the largest body of 2014 bytes"},
    {"TotalLengthTooNarrow",
     [](ProjectRecord& p)
     {
         Set(Header(p, 5).dataType, "signed char");
         Set(Header(p, 5).maxLength, "1");
     },
     "project Chat, packet Login: the \"total length\" field totalLength cannot hold the largest packet of 137 bytes"},
    {"VariantTextInHeader", [](ProjectRecord& p) { p.headerFields.Add(VariantTextField("note", "10", 0, "")); },
     "project Chat, header field note: a header field must have a fixed size: an integer, a bit field or a fix length "
     "\"char []\""},
    {"TextArrayInHeader", [](ProjectRecord& p) { p.headerFields.Add(TextArrayField("notes", "10", "2", "sequence")); },
     "project Chat, header field notes: a header field must have a fixed size: an integer, a bit field or a fix length "
     "\"char []\""},
    {"TlvInHeader", [](ProjectRecord& p) { p.headerFields.Add(TlvField("option", "0x1", "unsigned int", "4")); },
     "project Chat, header field option: a header field must have a fixed size: an integer, a bit field or a fix "
     "length \"char []\""},
    {"NoPackets", [](ProjectRecord& p) { p.packets.RemoveAll(); }, "project Chat: the project has no packet"},
    {"TcpWithoutLengthField",
     [](ProjectRecord& p)
     {
         Header(p, 4).type = FIELD_NORMAL_DATA;
         Header(p, 5).type = FIELD_NORMAL_DATA;
     },
     "project Chat, packet Login: the packet's size varies, so over TCP the header needs a \"body length\" or \"total "
     "length\" field"},
    {"PacketTypeFieldMissing", [](ProjectRecord& p) { Header(p, 2).type = FIELD_NORMAL_DATA; },
     "project Chat: a project of 4 packets needs a header field of type \"packet type\""},
};
INSTANTIATE_TEST_SUITE_P(Roles, DesignRule, ::testing::ValuesIn(kRoles), RuleName);

const Rule kCodes[] = {
    {"PacketTypeMalformed", [](ProjectRecord& p) { Set(p.packets[0].packetType, "0x123456789"); },
     "project Chat, packet Login: the packet type \"0x123456789\" is not \"0x\" followed by one to eight hexadecimal "
     "digits"},
    {"PacketTypeDecimal", [](ProjectRecord& p) { Set(p.packets[0].packetType, "1"); },
     "project Chat, packet Login: the packet type \"1\" is not \"0x\" followed by one to eight hexadecimal digits"},
    {"PacketTypeTwice", [](ProjectRecord& p) { Set(p.packets[2].packetType, "0xa"); },
     "project Chat, packet Options: the packet type 0xa is the same as that of the earlier packet Roster"},
    {"PacketTypeTooWide", [](ProjectRecord& p) { Set(p.packets[3].packetType, "0x10000"); },
     "project Chat, packet Ping: the packet type 0x10000 does not fit the \"unsigned short int\" packet type field "
     "kind"},
    {"TlvWithoutSupport", [](ProjectRecord& p) { p.tlvSupport = 0; },
     "project Chat, packet Options, field color: a TLV field needs TLV support switched on for the project"},
    {"TlvWithRole", [](ProjectRecord& p) { Body(p, 2, 0).type = FIELD_PACKET_TYPE; },
     "project Chat, packet Options, field color: a TLV field must be of type \"normal data\""},
    {"TlvTextArray", [](ProjectRecord& p) { Set(Body(p, 2, 1).dataType, "char *"); },
     "project Chat, packet Options, field title: a TLV field cannot have the data type \"char *\""},
    {"TlvTagMalformed", [](ProjectRecord& p) { Set(Body(p, 2, 1).tlvTag, "0x"); },
     "project Chat, packet Options, field title: the TLV tag \"0x\" is not \"0x\" followed by one to eight hexadecimal "
     "digits"},
    {"TlvTagTwice", [](ProjectRecord& p) { Set(Body(p, 2, 2).tlvTag, "0x1"); },
     "project Chat, packet Options, field depth: the TLV tag 0x1 is the same as that of the earlier field color"},
    {"TlvTagTooWide", [](ProjectRecord& p) { Set(Body(p, 2, 2).tlvTag, "0x10000"); },
     "project Chat, packet Options, field depth: the TLV tag 0x10000 does not fit the TLV tag data type \"unsigned "
     "short int\""},
    {"TlvIntegerWidth", [](ProjectRecord& p) { Set(Body(p, 2, 2).maxLength, "2"); },
     "project Chat, packet Options, field depth: the max length of a \"signed char\" field must be 1, not \"2\""},
    {"TlvLengthTooNarrow",
     [](ProjectRecord& p)
     {
         Set(p.tlvLengthType, "unsigned char");
         Set(Body(p, 2, 1).maxLength, "300");
     },
     "project Chat, packet Options, field title: the TLV length data type \"unsigned char\" cannot hold the max length "
     "300"},
};
INSTANTIATE_TEST_SUITE_P(Codes, DesignRule, ::testing::ValuesIn(kCodes), RuleName);

}  // namespace
