// Layout.cpp: resolves a validated design into the wire layouts the generators write from.
#include "Layout.h"

#include "model/WireSize.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace codegen
{

namespace
{

// Decimal text the validator has already accepted.
std::uint64_t Decimal(const char* text) { return std::strtoull(text, nullptr, 10); }

TextEnd TextEndOf(const FieldRecord& record)
{
    if (record.attribute != ATTRIBUTE_VARIANT_LENGTH)
        return TextEnd::Fixed;
    if (record.variantWay == VARIANT_RELATED_FIELD)
        return TextEnd::Related;
    if (record.variantWay == VARIANT_RELATED_FIELD_AND_ZERO)
        return TextEnd::RelatedZero;
    return TextEnd::Zero;
}

// Resolves one list: the header's fields or one packet's.
class ListBuilder
{
public:
    ListBuilder(const ProtocolLayout& protocol, ListLayout& list) : protocol_(protocol), list_(list) {}

    void Build(const FieldRecordArray& records)
    {
        for (INT_PTR i = 0; i < records.GetSize(); ++i)
            list_.fields.push_back(Resolve(records[i]));
        MarkBitRuns();
        Sum();
    }

private:
    FieldLayout Resolve(const FieldRecord& record)
    {
        FieldLayout field;
        field.name = record.name;
        field.role = record.type;
        ParseDataType(record.dataType, &field.dataType);
        switch (record.unit)
        {
        case UNIT_BIT:
            ResolveBits(record, field);
            break;
        case UNIT_TLV:
            ResolveTlv(record, field);
            break;
        default:
            ResolveBytes(record, field);
            break;
        }
        return field;
    }

    static void ResolveBits(const FieldRecord& record, FieldLayout& field)
    {
        field.kind = FieldKind::Bits;
        field.bits = static_cast<unsigned>(Decimal(record.maxLength));
    }

    static void ResolveInteger(FieldLayout& field)
    {
        field.bytes = static_cast<unsigned>(DataTypeByteWidth(field.dataType));
        field.isSigned = IsSignedDataType(field.dataType);
    }

    void ResolveBytes(const FieldRecord& record, FieldLayout& field) const
    {
        if (IsIntegerDataType(field.dataType))
        {
            ResolveInteger(field);
            field.minBytes = field.maxBytes = field.bytes;
            return;
        }
        field.kind = field.dataType == DATA_CHAR_POINTER ? FieldKind::TextArray : FieldKind::Text;
        field.maxLength = Decimal(record.maxLength);
        field.end = TextEndOf(record);
        if (field.end == TextEnd::Related || field.end == TextEnd::RelatedZero)
            field.lengthField = IndexOf(record.relatedLengthField);
        if (field.kind == FieldKind::Text)
            return SetSize(TextWireSize(record, field.maxLength), field);
        field.maxCount = Decimal(record.maxCount);
        field.countField = IndexOf(record.relatedCountField);
        SetSize(TextRunWireSize(record, field.maxLength, field.maxCount), field);
    }

    static void SetSize(const WireSize& size, FieldLayout& field)
    {
        field.minBytes = size.minBytes;
        field.maxBytes = size.maxBytes;
    }

    void ResolveTlv(const FieldRecord& record, FieldLayout& field)
    {
        std::uint32_t tag = 0;
        ParseHexCode(record.tlvTag, &tag);
        field.kind = FieldKind::Tlv;
        field.tag = tag;
        if (IsIntegerDataType(field.dataType))
        {
            ResolveInteger(field);
            field.maxLength = field.bytes;
        }
        else
        {
            field.maxLength = Decimal(record.maxLength);
        }
        SetSize(TlvWireSize(protocol_.tlvTagType, protocol_.tlvLengthType, field.maxLength), field);
        list_.hasTlv = true;
    }

    // The earlier field of that name, or -1 when none is named.
    int IndexOf(const char* name) const
    {
        for (std::size_t i = 0; i < list_.fields.size(); ++i)
        {
            if (list_.fields[i].name == name)
                return static_cast<int>(i);
        }
        return -1;
    }

    // A run of bit fields ends before any other field and at the list's end;
    // its bytes are counted on its last field.
    void MarkBitRuns()
    {
        unsigned runBits = 0;
        for (std::size_t i = 0; i < list_.fields.size(); ++i)
        {
            FieldLayout& field = list_.fields[i];
            if (field.kind != FieldKind::Bits)
                continue;
            runBits += field.bits;
            const bool last = i + 1 == list_.fields.size() || list_.fields[i + 1].kind != FieldKind::Bits;
            if (!last)
                continue;
            field.lastBitOfRun = true;
            field.minBytes = field.maxBytes = runBits / 8;
            runBits = 0;
        }
    }

    void Sum()
    {
        for (std::size_t i = 0; i < list_.fields.size(); ++i)
        {
            FieldLayout& field = list_.fields[i];
            list_.minBytes += field.minBytes;
            list_.maxBytes += field.maxBytes;
            if (field.lengthField >= 0)
                list_.fields[field.lengthField].lengthOf.push_back(static_cast<int>(i));
            if (field.countField >= 0)
                list_.fields[field.countField].countOf.push_back(static_cast<int>(i));
        }
    }

    const ProtocolLayout& protocol_;
    ListLayout& list_;
};

void ResolveTlvTypes(const ProjectRecord& project, ProtocolLayout& layout)
{
    if (!project.tlvSupport)
        return;
    ParseDataType(project.tlvTagType, &layout.tlvTagType);
    ParseDataType(project.tlvLengthType, &layout.tlvLengthType);
}

void FindRoles(ProtocolLayout& layout)
{
    int* roles[] = {nullptr, &layout.headerLengthField, &layout.bodyLengthField, &layout.totalLengthField,
                    &layout.typeField};
    for (std::size_t i = 0; i < layout.header.fields.size(); ++i)
    {
        const int role = layout.header.fields[i].role;
        if (role != FIELD_NORMAL_DATA)
            *roles[role] = static_cast<int>(i);
    }
}

// The fields make the body, whatever the packet's has-body flag says: a
// design's fields are never left out of its code.
void ResolvePackets(const ProjectRecord& project, ProtocolLayout& layout)
{
    std::uint64_t largestBody = 0;
    for (INT_PTR i = 0; i < project.packets.GetSize(); ++i)
    {
        const PacketRecord& record = project.packets[i];
        PacketLayout packet;
        packet.name = record.name;
        ParseHexCode(record.packetType, &packet.type);
        ListBuilder(layout, packet.body).Build(record.fields);
        largestBody = std::max(largestBody, packet.body.maxBytes);
        layout.packets.push_back(std::move(packet));
    }
    layout.maxPacketBytes = layout.header.maxBytes + largestBody;
}

}  // namespace

std::uint64_t FieldLayout::MaxValue() const
{
    if (kind == FieldKind::Bits)
        return (std::uint64_t(1) << bits) - 1;
    return DataTypeMaxValue(dataType);
}

ProtocolLayout BuildLayout(const ProjectRecord& project)
{
    ProtocolLayout layout;
    layout.name = project.name;
    layout.udp = project.basedProtocol == PROTOCOL_UDP;
    layout.staticLibrary = project.libraryType == LIBRARY_STATIC;
    ResolveTlvTypes(project, layout);
    ListBuilder(layout, layout.header).Build(project.headerFields);
    FindRoles(layout);
    ResolvePackets(project, layout);
    return layout;
}

const char* CTypeOfDataType(int dataType)
{
    switch (dataType)
    {
    case DATA_UNSIGNED_INT:
        return "uint32_t";
    case DATA_SIGNED_INT:
        return "int32_t";
    case DATA_SIGNED_CHAR:
        return "int8_t";
    case DATA_UNSIGNED_CHAR:
        return "uint8_t";
    case DATA_SIGNED_SHORT:
        return "int16_t";
    case DATA_UNSIGNED_SHORT:
        return "uint16_t";
    case DATA_SIGNED_INT64:
        return "int64_t";
    case DATA_UNSIGNED_INT64:
        return "uint64_t";
    default:
        return "char";
    }
}

const char* CTypeOf(const FieldLayout& field) { return CTypeOfDataType(field.dataType); }

}  // namespace codegen
