// VocabularyTest.cpp: the texts of the vocabulary both ways, data-type widths, the hex-code rule and bounded copies.
#include "model/FixedText.h"
#include "model/ProtocolRecords.h"
#include "model/Vocabulary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{

typedef const char* (*NameFunction)(int);
typedef bool (*ParseFunction)(const char*, int*);

struct Table
{
    NameFunction name;
    ParseFunction parse;
    std::vector<std::string> texts;
};

TEST(Vocabulary, EveryTableMapsBothWaysAndRefusesOthers)
{
    const Table tables[] = {
        {UnitName, ParseUnit, {"byte", "bit", "TLV"}},
        {FieldTypeName, ParseFieldType, {"normal data", "header length", "body length", "total length", "packet type"}},
        {AttributeName, ParseAttribute, {"fix length", "variant length"}},
        {VariantWayName,
         ParseVariantWay,
         {"separated by binary 0", "select a related field", "select a related field,additional binary 0 at end"}},
        {TargetPlatformName, ParseTargetPlatform, {"Windows", "Unix(Linux)"}},
        {BasedProtocolName, ParseBasedProtocol, {"TCP", "UDP"}},
        {LibraryTypeName, ParseLibraryType, {"dll library", "static library"}},
        {DataTypeName,
         ParseDataType,
         {"unsigned int", "signed int", "signed char", "unsigned char", "signed short int", "unsigned short int",
          "signed int64", "unsigned int64", "char []", "char *"}},
    };
    for (const Table& table : tables)
    {
        const int count = static_cast<int>(table.texts.size());
        for (int value = 0; value < count; ++value)
        {
            ASSERT_STREQ(table.texts[value].c_str(), table.name(value));
            int parsed = -1;
            EXPECT_TRUE(table.parse(table.texts[value].c_str(), &parsed));
            EXPECT_EQ(value, parsed);
        }
        EXPECT_EQ(nullptr, table.name(-1));
        EXPECT_EQ(nullptr, table.name(count));
        int untouched = 77;
        EXPECT_FALSE(table.parse("BYTE ", &untouched));
        EXPECT_FALSE(table.parse("", &untouched));
        EXPECT_FALSE(table.parse(nullptr, &untouched));
        EXPECT_EQ(77, untouched);
    }
}

TEST(Vocabulary, DataTypeWidthsAndLimits)
{
    EXPECT_EQ(1, DataTypeByteWidth(DATA_SIGNED_CHAR));
    EXPECT_EQ(2, DataTypeByteWidth(DATA_UNSIGNED_SHORT));
    EXPECT_EQ(4, DataTypeByteWidth(DATA_SIGNED_INT));
    EXPECT_EQ(8, DataTypeByteWidth(DATA_UNSIGNED_INT64));
    EXPECT_EQ(0, DataTypeByteWidth(DATA_CHAR_ARRAY));
    EXPECT_EQ(0, DataTypeByteWidth(DATA_TYPE_COUNT));
    EXPECT_FALSE(IsIntegerDataType(DATA_CHAR_POINTER));
    EXPECT_TRUE(IsIntegerDataType(DATA_SIGNED_INT64));

    EXPECT_EQ(127u, DataTypeMaxValue(DATA_SIGNED_CHAR));
    EXPECT_EQ(255u, DataTypeMaxValue(DATA_UNSIGNED_CHAR));
    EXPECT_EQ(32767u, DataTypeMaxValue(DATA_SIGNED_SHORT));
    EXPECT_EQ(0xFFFFFFFFu, DataTypeMaxValue(DATA_UNSIGNED_INT));
    EXPECT_EQ(0x7FFFFFFFFFFFFFFFull, DataTypeMaxValue(DATA_SIGNED_INT64));
    EXPECT_EQ(~0ull, DataTypeMaxValue(DATA_UNSIGNED_INT64));
    EXPECT_EQ(0u, DataTypeMaxValue(DATA_CHAR_ARRAY));
}

TEST(Vocabulary, BitWidthsChooseTheDialogsDataTypes)
{
    EXPECT_EQ(-1, DataTypeForBitWidth(0));
    EXPECT_EQ(DATA_UNSIGNED_CHAR, DataTypeForBitWidth(1));
    EXPECT_EQ(DATA_UNSIGNED_CHAR, DataTypeForBitWidth(8));
    EXPECT_EQ(DATA_UNSIGNED_SHORT, DataTypeForBitWidth(9));
    EXPECT_EQ(DATA_UNSIGNED_SHORT, DataTypeForBitWidth(16));
    EXPECT_EQ(DATA_UNSIGNED_INT, DataTypeForBitWidth(17));
    EXPECT_EQ(DATA_UNSIGNED_INT, DataTypeForBitWidth(31));
    EXPECT_EQ(-1, DataTypeForBitWidth(32));
}

TEST(HexCode, ParsesOneToEightDigitsOfEitherCase)
{
    std::uint32_t value = 0;
    EXPECT_TRUE(ParseHexCode("0x0", &value));
    EXPECT_EQ(0u, value);
    EXPECT_TRUE(ParseHexCode("0xFFFFFFFF", &value));
    EXPECT_EQ(0xFFFFFFFFu, value);
    EXPECT_TRUE(ParseHexCode("0xaBc", &value));
    EXPECT_EQ(0xABCu, value);
    for (const char* bad : {"", "0x", "x1", "0X1", "1", "0x123456789", "0x12G", " 0x1", "0x1 ", "0x-1"})
        EXPECT_FALSE(ParseHexCode(bad, &value)) << bad;
}

TEST(HexCode, SameValuesAreTheSameCodeWhateverTheirSpelling)
{
    EXPECT_TRUE(SameHexCode("0x0000000a", "0xA"));
    EXPECT_TRUE(SameHexCode("0x00010000", "0x10000"));
    // Reading only leading decimal digits would make these equal.
    EXPECT_FALSE(SameHexCode("0x0000000A", "0x0000000B"));
    EXPECT_FALSE(SameHexCode("0xA0000000", "0xB0000000"));
    EXPECT_FALSE(SameHexCode("0x10", "0x1A"));
    EXPECT_FALSE(SameHexCode("0x", "0x"));
    EXPECT_FALSE(SameHexCode("junk", "junk"));
}

TEST(Names, CompareWithoutRegardToAsciiCase)
{
    EXPECT_TRUE(SameNameIgnoringCase("Chat", "cHAT"));
    EXPECT_TRUE(SameNameIgnoringCase("", ""));
    EXPECT_FALSE(SameNameIgnoringCase("Chat", "Chats"));
    EXPECT_FALSE(SameNameIgnoringCase("Chat", "Cha"));
    EXPECT_FALSE(SameNameIgnoringCase("a1", "a2"));
    EXPECT_FALSE(SameNameIgnoringCase("\xC9", "\xE9"));
}

TEST(FixedText, HoldsTextsUpToItsCapacityInlineOrNotAndRefusesTheRestUntouched)
{
    typedef FixedText<20, 10> Text;  // inline up to 9 characters
    Text text;
    EXPECT_STREQ("", text);
    EXPECT_EQ(20u, FixedTextCapacity(text));
    const std::string longest(20, 'x');
    for (const char* fits : {"abc", "123456789", "1234567890", longest.c_str(), ""})
    {
        EXPECT_TRUE(CopyFixedText(text, fits));
        EXPECT_STREQ(fits, text);
    }
    EXPECT_TRUE(CopyFixedText(text, "1234567890"));
    EXPECT_FALSE(CopyFixedText(text, (longest + "y").c_str()));
    EXPECT_FALSE(CopyFixedText(text, nullptr));
    EXPECT_STREQ("1234567890", text);

    // A text may be assigned from its own characters, on the heap or inline.
    EXPECT_TRUE(text.Assign(text.Text() + 2, 8));
    EXPECT_STREQ("34567890", text);
    EXPECT_TRUE(text.Assign(text.Text() + 1, 3));
    EXPECT_STREQ("456", text);
}

TEST(FixedText, CopiesAndMovesOwnTheirCharacters)
{
    typedef FixedText<40, 10> Text;
    for (const char* value : {"short", "long enough for the heap"})
    {
        Text original;
        ASSERT_TRUE(CopyFixedText(original, value));
        Text copy(original);
        Text assigned;
        assigned = original;
        CopyFixedText(original, "changed");
        EXPECT_STREQ(value, copy);
        EXPECT_STREQ(value, assigned);

        Text moved(std::move(copy));
        EXPECT_STREQ(value, moved);
        EXPECT_STREQ("", copy);
        assigned = std::move(moved);
        EXPECT_STREQ(value, assigned);
        const Text& alias = assigned;
        assigned = alias;
        EXPECT_STREQ(value, assigned);
    }
}

TEST(Records, KeepTheFileFormatsCapacitiesInASmallRecordAndCopyDeeply)
{
    FieldRecord field;
    EXPECT_LE(sizeof(FieldRecord), 200u);
    EXPECT_EQ(255u, FixedTextCapacity(field.name));
    EXPECT_EQ(49u, FixedTextCapacity(field.maxLength));
    EXPECT_EQ(29u, FixedTextCapacity(field.maxCount));
    EXPECT_EQ(49u, FixedTextCapacity(field.dataType));
    EXPECT_EQ(255u, FixedTextCapacity(field.tlvTag));
    EXPECT_EQ(255u, FixedTextCapacity(field.reinterpretName));
    EXPECT_EQ(255u, FixedTextCapacity(field.relatedCountField));
    EXPECT_EQ(255u, FixedTextCapacity(field.relatedLengthField));
    EXPECT_EQ(255u, FixedTextCapacity(PacketRecord().packetType));
    EXPECT_EQ(49u, FixedTextCapacity(ProjectRecord().tlvLengthType));
    EXPECT_STREQ("0x00000000", field.tlvTag);
    EXPECT_STREQ("", field.name);
    EXPECT_EQ(0, field.unit + field.type + field.attribute + field.variantWay);

    ProjectRecord project;
    CopyFixedText(project.name, "P");
    PacketRecord packet;
    CopyFixedText(packet.name, "K");
    CopyFixedText(field.name, std::string(255, 'f').c_str());
    packet.fields.Add(field);
    project.packets.Add(packet);
    project.folder = "dir\\";

    ProjectRecord copy(project);
    CopyFixedText(project.packets[0].fields[0].name, "changed");
    EXPECT_EQ(std::string(255, 'f'), copy.packets[0].fields[0].name);
    EXPECT_EQ(CString("dir\\"), copy.folder);

    ProjectRecord assigned;
    assigned = copy;
    const ProjectRecord& alias = assigned;
    assigned = alias;
    EXPECT_STREQ("K", assigned.packets[0].name);
    EXPECT_EQ(1, static_cast<int>(assigned.packets[0].fields.GetSize()));
}

}  // namespace
