// Layout.cpp: resolves a design into wire layouts and refuses what cannot be generated safely.
#include "Layout.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <set>

namespace codegen {

namespace {

// Limits that keep every generated buffer and loop bound reasonable.
const std::uint64_t kMaxTextLength = 1u << 20;
const std::uint64_t kMaxCount = 65535;
const std::uint64_t kMaxPacketBytes = 16u << 20;
const std::uint64_t kMaxDatagramBytes = 65507;

const char* const kKeywords[] = {
    "auto", "break", "case", "char", "const", "continue", "default", "do", "double",
    "else", "enum", "extern", "float", "for", "goto", "if", "inline", "int", "long",
    "register", "restrict", "return", "short", "signed", "sizeof", "static", "struct",
    "switch", "typedef", "union", "unsigned", "void", "volatile", "while", "_Bool",
    "_Complex", "_Imaginary"};

// A problem found while resolving; the first one is reported.
struct Problem
{
    std::string text;
};

bool IsIdentifier(const std::string& name)
{
    if (name.empty() || !(std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_'))
        return false;
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return std::find(std::begin(kKeywords), std::end(kKeywords), name) == std::end(kKeywords);
}

// Decimal text to a number; false for anything but digits or above limit.
bool ParseDecimal(const std::string& text, std::uint64_t limit, std::uint64_t& value)
{
    if (text.empty() || text.size() > 19)
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    value = std::strtoull(text.c_str(), nullptr, 10);
    return value <= limit;
}

std::uint64_t MaxOfBytes(unsigned bytes, bool isSigned)
{
    unsigned bits = bytes * 8 - (isSigned ? 1 : 0);
    return bits >= 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << bits) - 1;
}

// Resolves one list (the header or one packet's body).
class ListBuilder
{
public:
    ListBuilder(const ProtocolLayout& protocol, std::string where)
        : protocol_(protocol), where_(std::move(where)) {}

    void Build(const std::vector<DesignField>& fields, ListLayout& list)
    {
        for (const DesignField& field : fields)
            list.fields.push_back(Resolve(field, list));
        MarkBitRuns(list);
        Sum(list);
    }

private:
    [[noreturn]] void Fail(const DesignField& field, const std::string& problem) const
    {
        throw Problem{"field " + field.name + " of " + where_ + ": " + problem};
    }

    FieldLayout Resolve(const DesignField& design, ListLayout& list)
    {
        if (!IsIdentifier(design.name))
            Fail(design, "the name is not a C identifier");
        for (const FieldLayout& other : list.fields)
            if (other.name == design.name)
                Fail(design, "the name is used twice");
        FieldLayout field;
        field.name = design.name;
        field.role = design.type;
        if (design.type < FIELD_NORMAL_DATA || design.type > FIELD_PACKET_TYPE)
            Fail(design, "unknown field type");
        switch (design.unit) {
        case UNIT_BIT: ResolveBits(design, field); break;
        case UNIT_BYTE: ResolveBytes(design, field, list); break;
        case UNIT_TLV: ResolveTlv(design, field, list); break;
        default: Fail(design, "unknown unit");
        }
        if (field.role != FIELD_NORMAL_DATA && field.kind != FieldKind::Integer
            && field.kind != FieldKind::Bits)
            Fail(design, "a field with a role must be an integer or a bit field");
        return field;
    }

    void ResolveBits(const DesignField& design, FieldLayout& field)
    {
        std::uint64_t width = 0;
        if (!ParseDecimal(design.maxLength, 31, width) || width == 0)
            Fail(design, "a bit field is 1 to 31 bits wide");
        field.kind = FieldKind::Bits;
        field.bits = static_cast<unsigned>(width);
        field.dataType = DataTypeForBitWidth(static_cast<int>(width));
    }

    void ResolveBytes(const DesignField& design, FieldLayout& field, const ListLayout& list)
    {
        if (!ParseDataType(design.dataType.c_str(), &field.dataType))
            Fail(design, "unknown data type");
        if (IsIntegerDataType(field.dataType)) {
            field.kind = FieldKind::Integer;
            field.bytes = static_cast<unsigned>(DataTypeByteWidth(field.dataType));
            field.isSigned = IsSignedDataType(field.dataType);
            field.minBytes = field.maxBytes = field.bytes;
            return;
        }
        ResolveText(design, field, list);
    }

    void ResolveText(const DesignField& design, FieldLayout& field, const ListLayout& list)
    {
        if (!ParseDecimal(design.maxLength, kMaxTextLength, field.maxLength) || field.maxLength == 0)
            Fail(design, "the max length must be 1 to 1048576");
        field.kind = field.dataType == DATA_CHAR_POINTER ? FieldKind::TextArray : FieldKind::Text;
        field.end = TextEndOf(design);
        if (field.end == TextEnd::Related || field.end == TextEnd::RelatedZero)
            field.lengthField = Related(design, design.relatedLength, list, "length");
        std::uint64_t endByte = (field.end == TextEnd::Zero || field.end == TextEnd::RelatedZero) ? 1 : 0;
        std::uint64_t minOne = field.end == TextEnd::Fixed ? field.maxLength : endByte;
        std::uint64_t maxOne = field.maxLength + endByte;
        if (field.kind == FieldKind::Text) {
            field.minBytes = minOne;
            field.maxBytes = maxOne;
            return;
        }
        if (!ParseDecimal(design.maxCount, kMaxCount, field.maxCount) || field.maxCount == 0)
            Fail(design, "the max count must be 1 to 65535");
        if (!design.relatedCount.empty())
            field.countField = Related(design, design.relatedCount, list, "count");
        field.minBytes = field.countField >= 0 ? 0 : field.maxCount * minOne;
        field.maxBytes = field.maxCount * maxOne;
    }

    static TextEnd TextEndOf(const DesignField& design)
    {
        if (design.attribute != ATTRIBUTE_VARIANT_LENGTH)
            return TextEnd::Fixed;
        if (design.variantWay == VARIANT_RELATED_FIELD)
            return TextEnd::Related;
        if (design.variantWay == VARIANT_RELATED_FIELD_AND_ZERO)
            return TextEnd::RelatedZero;
        return TextEnd::Zero;
    }

    // The earlier integer or bit field that gives a length or a count.
    int Related(const DesignField& design, const std::string& name, const ListLayout& list,
                const char* what)
    {
        if (name.empty())
            Fail(design, std::string("no field is chosen as its ") + what);
        for (std::size_t i = 0; i < list.fields.size(); ++i) {
            const FieldLayout& other = list.fields[i];
            if (other.name != name)
                continue;
            if (other.kind != FieldKind::Integer && other.kind != FieldKind::Bits)
                Fail(design, std::string("its ") + what + " field " + name + " is not an integer");
            if (other.role != FIELD_NORMAL_DATA)
                Fail(design, std::string("its ") + what + " field " + name + " already has a role");
            return static_cast<int>(i);
        }
        Fail(design, std::string("its ") + what + " field " + name + " is not an earlier field");
    }

    void ResolveTlv(const DesignField& design, FieldLayout& field, ListLayout& list)
    {
        if (protocol_.tlvTagType < 0)
            Fail(design, "TLV fields need the project's TLV support with tag and length types");
        if (!ParseDataType(design.dataType.c_str(), &field.dataType)
            || field.dataType == DATA_CHAR_POINTER)
            Fail(design, "a TLV field holds an integer or \"char []\"");
        std::uint32_t tag = 0;
        if (!ParseHexCode(design.tlvTag.c_str(), &tag))
            Fail(design, "invalid tag value");
        if (tag > DataTypeMaxValue(protocol_.tlvTagType))
            Fail(design, "the tag does not fit the TLV tag type");
        for (const FieldLayout& other : list.fields)
            if (other.kind == FieldKind::Tlv && other.tag == tag)
                Fail(design, "the tag is used twice");
        field.kind = FieldKind::Tlv;
        field.tag = tag;
        std::uint64_t lengthLimit = DataTypeMaxValue(protocol_.tlvLengthType);
        if (IsIntegerDataType(field.dataType)) {
            field.bytes = static_cast<unsigned>(DataTypeByteWidth(field.dataType));
            field.isSigned = IsSignedDataType(field.dataType);
            field.maxLength = field.bytes;
        } else if (!ParseDecimal(design.maxLength, std::min(kMaxTextLength, lengthLimit), field.maxLength)
                   || field.maxLength == 0) {
            Fail(design, "the max length must fit the TLV length type");
        }
        field.maxBytes = static_cast<std::uint64_t>(DataTypeByteWidth(protocol_.tlvTagType))
            + DataTypeByteWidth(protocol_.tlvLengthType) + field.maxLength;
        list.hasTlv = true;
    }

    // A run of bit fields ends before any other field and at the list's end;
    // its bytes are counted on its last field.
    static void MarkBitRuns(ListLayout& list)
    {
        unsigned runBits = 0;
        for (std::size_t i = 0; i < list.fields.size(); ++i) {
            FieldLayout& field = list.fields[i];
            if (field.kind != FieldKind::Bits)
                continue;
            runBits += field.bits;
            bool last = i + 1 == list.fields.size() || list.fields[i + 1].kind != FieldKind::Bits;
            if (!last)
                continue;
            field.lastBitOfRun = true;
            field.minBytes = field.maxBytes = (runBits + 7) / 8;
            runBits = 0;
        }
    }

    static void Sum(ListLayout& list)
    {
        for (std::size_t i = 0; i < list.fields.size(); ++i) {
            FieldLayout& field = list.fields[i];
            list.minBytes += field.minBytes;
            list.maxBytes += field.maxBytes;
            if (field.lengthField >= 0)
                list.fields[field.lengthField].lengthOf.push_back(static_cast<int>(i));
            if (field.countField >= 0)
                list.fields[field.countField].countOf.push_back(static_cast<int>(i));
        }
    }

    const ProtocolLayout& protocol_;
    std::string where_;
};

void ResolveTlvTypes(const Design& design, ProtocolLayout& layout)
{
    if (!design.tlvSupport)
        return;
    int tag = -1, length = -1;
    if (!ParseDataType(design.tlvTagType.c_str(), &tag) || !IsIntegerDataType(tag)
        || !ParseDataType(design.tlvLengthType.c_str(), &length) || !IsIntegerDataType(length))
        throw Problem{"the TLV tag and length types must be integer types"};
    layout.tlvTagType = tag;
    layout.tlvLengthType = length;
}

// The header is fixed-size, so a receiver can always read it first.
void CheckHeader(ProtocolLayout& layout)
{
    int* roles[] = {nullptr, &layout.headerLengthField, &layout.bodyLengthField,
                    &layout.totalLengthField, &layout.typeField};
    for (std::size_t i = 0; i < layout.header.fields.size(); ++i) {
        const FieldLayout& field = layout.header.fields[i];
        bool fixedSize = field.kind == FieldKind::Integer || field.kind == FieldKind::Bits
            || (field.kind == FieldKind::Text && field.end == TextEnd::Fixed);
        if (!fixedSize)
            throw Problem{"field " + field.name + " of the header: header fields must have a fixed size"};
        if (field.role == FIELD_NORMAL_DATA)
            continue;
        if (*roles[field.role] >= 0)
            throw Problem{"field " + field.name + " of the header: its role is given twice"};
        *roles[field.role] = static_cast<int>(i);
    }
}

void CheckPacketNames(const ProtocolLayout& layout, const PacketLayout& packet)
{
    if (!IsIdentifier(packet.name))
        throw Problem{"packet " + packet.name + ": the name is not a C identifier"};
    for (const PacketLayout& other : layout.packets) {
        if (other.name == packet.name)
            throw Problem{"packet " + packet.name + ": the name is used twice"};
        if (other.type == packet.type)
            throw Problem{"packet " + packet.name + ": its packet type is used by packet " + other.name};
    }
    std::set<std::string> members{"header"};
    for (const FieldLayout& field : packet.body.fields) {
        if (field.role != FIELD_NORMAL_DATA)
            throw Problem{"field " + field.name + " of packet " + packet.name + ": roles belong to header fields"};
        bool fresh = members.insert(field.name).second;
        if (field.kind == FieldKind::Tlv)
            fresh = members.insert("has_" + field.name).second && fresh;
        if (!fresh)
            throw Problem{"field " + field.name + " of packet " + packet.name + ": the name clashes with another member"};
    }
}

void ResolvePackets(const Design& design, ProtocolLayout& layout)
{
    if (design.packets.empty())
        throw Problem{"the project has no packet"};
    for (const DesignPacket& source : design.packets) {
        PacketLayout packet;
        packet.name = source.name;
        if (!ParseHexCode(source.packetType.c_str(), &packet.type))
            throw Problem{"packet " + source.name + ": invalid packet type"};
        if (source.hasBody)
            ListBuilder(layout, "packet " + source.name).Build(source.fields, packet.body);
        CheckPacketNames(layout, packet);
        layout.packets.push_back(std::move(packet));
    }
}

void CheckFraming(ProtocolLayout& layout)
{
    std::uint64_t largestBody = 0;
    for (const PacketLayout& packet : layout.packets) {
        largestBody = std::max(largestBody, packet.body.maxBytes);
        if (!layout.udp && !layout.HasLengthRole() && !packet.body.IsFixed())
            throw Problem{"packet " + packet.name + " has no fixed size, so a TCP header needs a \"body length\" or \"total length\" field"};
        if (layout.typeField >= 0 && packet.type > layout.header.fields[layout.typeField].MaxValue())
            throw Problem{"packet " + packet.name + ": its packet type does not fit the \"packet type\" field"};
    }
    if (layout.headerLengthField >= 0
        && layout.header.fields[layout.headerLengthField].MaxValue() < layout.header.maxBytes)
        throw Problem{"the \"header length\" field cannot hold the header's size"};
    if (layout.typeField < 0 && layout.packets.size() > 1)
        throw Problem{"several packets need a \"packet type\" field in the header"};
    layout.maxPacketBytes = layout.header.maxBytes + largestBody;
    std::uint64_t limit = layout.udp ? kMaxDatagramBytes : kMaxPacketBytes;
    if (layout.maxPacketBytes > limit)
        throw Problem{"the largest packet takes " + std::to_string(layout.maxPacketBytes)
                      + " bytes, more than the " + std::to_string(limit) + " a packet may take"};
}

} // namespace

std::uint64_t FieldLayout::MaxValue() const
{
    if (kind == FieldKind::Bits)
        return (std::uint64_t(1) << bits) - 1;
    return MaxOfBytes(bytes, isSigned);
}

bool BuildLayout(const Design& design, ProtocolLayout& layout, std::string& error)
{
    layout = ProtocolLayout();
    try {
        if (!IsIdentifier(design.name))
            throw Problem{"the project name " + design.name + " is not a C identifier"};
        layout.name = design.name;
        layout.udp = design.basedProtocol == PROTOCOL_UDP;
        layout.staticLibrary = design.libraryType == LIBRARY_STATIC;
        ResolveTlvTypes(design, layout);
        ListBuilder(layout, "the header").Build(design.header, layout.header);
        CheckHeader(layout);
        ResolvePackets(design, layout);
        CheckFraming(layout);
    } catch (const Problem& problem) {
        error = "Error: " + problem.text + ", please redesign your protocol!";
        return false;
    }
    return true;
}

const char* CTypeOfDataType(int dataType)
{
    switch (dataType) {
    case DATA_UNSIGNED_INT: return "uint32_t";
    case DATA_SIGNED_INT: return "int32_t";
    case DATA_SIGNED_CHAR: return "int8_t";
    case DATA_UNSIGNED_CHAR: return "uint8_t";
    case DATA_SIGNED_SHORT: return "int16_t";
    case DATA_UNSIGNED_SHORT: return "uint16_t";
    case DATA_SIGNED_INT64: return "int64_t";
    case DATA_UNSIGNED_INT64: return "uint64_t";
    default: return "char";
    }
}

const char* CTypeOf(const FieldLayout& field)
{
    return CTypeOfDataType(field.dataType);
}

} // namespace codegen
