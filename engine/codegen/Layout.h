// Layout.h: the wire layout of a validated design, resolved once for every generator.
//
// Structs: FieldLayout, ListLayout, PacketLayout, ProtocolLayout.
#pragma once

#include "model/ProtocolRecords.h"
#include "model/Vocabulary.h"

#include <cstdint>
#include <string>
#include <vector>

namespace codegen
{

enum class FieldKind
{
    Integer,    // big-endian integer of 1, 2, 4 or 8 bytes
    Bits,       // bit field, packed with its neighbours most significant bit first
    Text,       // "char []"
    TextArray,  // "char *": a counted run of texts
    Tlv         // tag, length, value; found by tag
};

enum class TextEnd
{
    Fixed,       // exactly the maximum, padded with 0
    Zero,        // ends at a 0 byte
    Related,     // length from the related field
    RelatedZero  // length from the related field, then a 0 byte
};

struct FieldLayout
{
    std::string name;
    FieldKind kind = FieldKind::Integer;
    int dataType = 0;    // DataType; for a TLV text DATA_CHAR_ARRAY
    int role = 0;        // FieldType
    unsigned bits = 0;   // bit fields: width
    unsigned bytes = 0;  // integers and TLV integers: width
    bool isSigned = false;
    std::uint64_t maxLength = 0;  // texts: bytes without the terminator
    std::uint64_t maxCount = 0;   // text arrays
    TextEnd end = TextEnd::Fixed;
    int lengthField = -1;        // index in the same list
    int countField = -1;         // index in the same list; -1: always maxCount
    std::uint32_t tag = 0;       // TLV tag, cut to the tag type's width
    bool lastBitOfRun = false;   // bit fields: the byte is completed after it
    std::vector<int> lengthOf;   // fields whose length this one gives
    std::vector<int> countOf;    // fields whose count this one gives
    std::uint64_t minBytes = 0;  // on the wire, bit fields counted per run
    std::uint64_t maxBytes = 0;

    bool IsText() const { return kind == FieldKind::Text || kind == FieldKind::TextArray; }
    bool IsTlvText() const { return kind == FieldKind::Tlv && dataType == DATA_CHAR_ARRAY; }
    std::uint64_t MaxValue() const;  // integers and bit fields
};

struct ListLayout
{
    std::vector<FieldLayout> fields;
    bool hasTlv = false;
    std::uint64_t minBytes = 0;
    std::uint64_t maxBytes = 0;

    bool IsFixed() const { return minBytes == maxBytes && !hasTlv; }
};

struct PacketLayout
{
    std::string name;
    std::uint32_t type = 0;
    ListLayout body;
};

struct ProtocolLayout
{
    std::string name;
    bool udp = false;
    bool staticLibrary = false;
    int tlvTagType = -1;  // DataType, -1 without TLV fields
    int tlvLengthType = -1;
    ListLayout header;
    std::vector<PacketLayout> packets;
    int typeField = -1;  // header roles: indexes, -1 when absent
    int headerLengthField = -1;
    int bodyLengthField = -1;
    int totalLengthField = -1;
    std::uint64_t maxPacketBytes = 0;

    bool HasLengthRole() const { return bodyLengthField >= 0 || totalLengthField >= 0; }
};

// Resolves a design that ValidateDesign accepted; the validator is what
// refuses designs, so nothing here checks them again.
ProtocolLayout BuildLayout(const ProjectRecord& project);

// The C type of an integer data type, of a bit field's width, or of a TLV tag
// or length type.
const char* CTypeOf(const FieldLayout& field);
const char* CTypeOfDataType(int dataType);

}  // namespace codegen
