// DesignValidator.cpp: the rules a design must meet for its generated C to compile and round-trip.
#include "DesignValidator.h"

#include "Identifiers.h"
#include "ValidationMessages.h"
#include "model/Vocabulary.h"
#include "model/WireSize.h"

#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace
{

const char* const kHeaderList = "header";
const char* const kPacketList = "packet";

std::string Decimal(std::uint64_t value) { return std::to_string(value); }

// Digits only, at most nine of them.
bool ParseCount(const char* text, std::uint64_t* value)
{
    const std::size_t length = std::strlen(text);
    if (length == 0 || length > 9)
        return false;
    std::uint64_t result = 0;
    for (const char* p = text; *p != '\0'; ++p)
    {
        if (*p < '0' || *p > '9')
            return false;
        result = result * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    *value = result;
    return true;
}

// Names that differ only in the case of ASCII letters differ only in bit 5
// of those letters, so hashing every byte with that bit set folds the case.
struct CaselessHash
{
    std::size_t operator()(const char* name) const
    {
        std::size_t hash = 2166136261u;
        for (const char* p = name; *p != '\0'; ++p)
            hash = (hash ^ static_cast<unsigned char>(*p | 0x20)) * 16777619u;
        return hash;
    }
};

struct CaselessEqual
{
    bool operator()(const char* a, const char* b) const { return SameNameIgnoringCase(a, b); }
};

// Each earlier name or code once, with the index of its list entry, so that
// a look back costs the same however long the list.
typedef std::unordered_map<std::string_view, int> NameIndex;
typedef std::unordered_map<const char*, int, CaselessHash, CaselessEqual> CaselessNameIndex;
typedef std::unordered_map<std::uint32_t, int> CodeIndex;

// What later checks need to know of a field that passed its own checks.
struct FieldFacts
{
    std::uint64_t maxBytes = 0;  // on the wire; bit fields count in their run
    std::uint64_t maxValue = 0;  // integers: the largest value they hold
    bool canRelate = false;      // a normal-data integer, usable as a count or length
    bool fixedSize = true;       // always takes maxBytes on the wire
};

// One list being checked: the header's fields or one packet's.
struct ListScope
{
    ListScope(const FieldRecordArray& list, const char* packetName) : fields(&list), packet(packetName) {}

    const FieldRecordArray* fields;
    const char* packet;  // nullptr for the header
    std::vector<FieldFacts> facts;
    NameIndex names;
    CodeIndex tags;          // of the TLV fields
    std::uint64_t bits = 0;  // of the bit run still open
    std::uint64_t maxBytes = 0;
    bool fixedSize = true;

    const char* Kind() const { return packet ? kPacketList : kHeaderList; }
};

class Validator
{
public:
    Validator(const ProjectRecord& project, CString* line) : m_project(project), m_line(line)
    {
        for (int& role : m_roles)
            role = -1;
    }

    bool Run()
    {
        if (!CheckProject())
            return false;
        ListScope header(m_project.headerFields, nullptr);
        if (!CheckList(header) || !CheckHeaderSize(header))
            return false;
        const INT_PTR packets = m_project.packets.GetSize();
        if (packets == 0)
            return Report(ProjectPlace(), VP_NO_PACKETS);
        if (packets > 1 && m_roles[FIELD_PACKET_TYPE] < 0)
            return Report(ProjectPlace(), VP_PACKET_TYPE_FIELD_MISSING, {Decimal(packets).c_str()});
        for (INT_PTR i = 0; i < packets; ++i)
        {
            if (!CheckPacket(static_cast<int>(i)))
                return false;
        }
        return true;
    }

private:
    bool Report(const ValidationPlace& place, ValidationProblem problem,
                std::initializer_list<const char*> arguments = {})
    {
        *m_line = FormatValidationLine(place, problem, arguments);
        return false;
    }

    ValidationPlace ProjectPlace() const { return {m_project.name, nullptr, nullptr}; }

    bool CheckName(const ValidationPlace& place, const char* name, NameKind kind)
    {
        if (name[0] == '\0')
            return Report(place, VP_NAME_EMPTY);
        if (!IsDesignName(name))
            return Report(place, VP_NAME_NOT_IDENTIFIER);
        if (IsReservedName(name, kind))
            return Report(place, VP_NAME_RESERVED);
        return true;
    }

    bool CheckProject()
    {
        const ValidationPlace place = ProjectPlace();
        if (!CheckName(place, m_project.name, NAME_PROJECT))
            return false;
        if (std::strlen(m_project.name) > kMaxProjectNameLength)
            return Report(place, VP_NAME_TOO_LONG,
                          {Decimal(kMaxProjectNameLength).c_str(), Decimal(kMaxFileNameLength).c_str()});
        if (!TargetPlatformName(m_project.targetPlatform) || !BasedProtocolName(m_project.basedProtocol) ||
            !LibraryTypeName(m_project.libraryType))
            return Report(place, VP_SETTING_OUT_OF_RANGE);
        if (!m_project.tlvSupport)
            return true;
        if (!ParseIntegerType(m_project.tlvTagType, &m_tagType))
            return Report(place, VP_TLV_TAG_TYPE, {m_project.tlvTagType});
        if (!ParseIntegerType(m_project.tlvLengthType, &m_lengthType))
            return Report(place, VP_TLV_LENGTH_TYPE, {m_project.tlvLengthType});
        return true;
    }

    static bool ParseIntegerType(const char* text, int* type)
    {
        return ParseDataType(text, type) && IsIntegerDataType(*type);
    }

    // Fields in order; a bit run is closed before the field after it is checked.
    bool CheckList(ListScope& list)
    {
        const INT_PTR count = list.fields->GetSize();
        for (INT_PTR i = 0; i < count; ++i)
        {
            const FieldRecord& field = (*list.fields)[i];
            if (field.unit != UNIT_BIT && !CloseBitRun(list, static_cast<int>(i) - 1))
                return false;
            FieldFacts facts;
            if (!CheckField(list, static_cast<int>(i), &facts))
                return false;
            list.facts.push_back(facts);
            list.maxBytes += facts.maxBytes;
            list.fixedSize = list.fixedSize && facts.fixedSize;
        }
        return CloseBitRun(list, static_cast<int>(count) - 1);
    }

    bool CloseBitRun(ListScope& list, int last)
    {
        if (list.bits % 8 != 0)
            return Report(FieldPlace(list, last), VP_BIT_RUN, {Decimal(list.bits).c_str()});
        list.maxBytes += list.bits / 8;
        list.bits = 0;
        return true;
    }

    ValidationPlace FieldPlace(const ListScope& list, int index) const
    {
        return {m_project.name, list.packet, (*list.fields)[index].name};
    }

    bool CheckField(ListScope& list, int index, FieldFacts* facts)
    {
        const FieldRecord& field = (*list.fields)[index];
        const ValidationPlace place = FieldPlace(list, index);
        int dataType = 0;
        if (!CheckFieldCodes(list, index, place, &dataType))
            return false;
        // A receiver reads the header first, so it cannot vary.
        if (list.packet == nullptr && !CanBeInHeader(field, dataType))
            return Report(place, VP_HEADER_NOT_FIXED);
        if (field.unit == UNIT_TLV)
            return CheckTlvField(list, index, place, dataType, facts);
        if (!CheckRole(list, index, place, dataType))
            return false;
        if (field.unit == UNIT_BIT)
            return CheckBitField(list, index, place, facts);
        return CheckByteField(list, index, place, dataType, facts);
    }

    // The name, and every enumerated member within its range.
    bool CheckFieldCodes(ListScope& list, int index, const ValidationPlace& place, int* dataType)
    {
        const FieldRecord& field = (*list.fields)[index];
        const NameKind kind = list.packet ? NAME_PACKET_FIELD : NAME_HEADER_FIELD;
        if (!CheckName(place, field.name, kind) || !CheckUniqueName(list, index, place))
            return false;
        if (!UnitName(field.unit))
            return Report(place, VP_UNIT_OUT_OF_RANGE);
        if (!ParseDataType(field.dataType, dataType))
            return Report(place, VP_DATA_TYPE_UNKNOWN, {field.dataType});
        if (!FieldTypeName(field.type))
            return Report(place, VP_FIELD_TYPE_OUT_OF_RANGE);
        if (!AttributeName(field.attribute) || !VariantWayName(field.variantWay))
            return Report(place, VP_VARIANT_OUT_OF_RANGE);
        return true;
    }

    static bool CanBeInHeader(const FieldRecord& field, int dataType)
    {
        if (field.unit == UNIT_BIT)
            return true;
        if (field.unit != UNIT_BYTE || dataType == DATA_CHAR_POINTER)
            return false;
        return IsIntegerDataType(dataType) || field.attribute == ATTRIBUTE_FIX_LENGTH;
    }

    bool CheckUniqueName(ListScope& list, int index, const ValidationPlace& place)
    {
        if (!list.names.emplace((*list.fields)[index].name, index).second)
            return Report(place, VP_FIELD_NAME_DUPLICATE, {list.Kind()});
        return true;
    }

    bool CheckRole(const ListScope& list, int index, const ValidationPlace& place, int dataType)
    {
        const FieldRecord& field = (*list.fields)[index];
        if (field.type == FIELD_NORMAL_DATA)
            return true;
        const char* role = FieldTypeName(field.type);
        if (list.packet != nullptr)
            return Report(place, VP_ROLE_IN_PACKET, {role});
        if (field.unit != UNIT_BYTE || !IsIntegerDataType(dataType))
            return Report(place, VP_ROLE_NOT_INTEGER, {role});
        const int earlier = m_roles[field.type];
        if (earlier >= 0)
            return Report(place, VP_ROLE_DUPLICATE, {role, (*list.fields)[earlier].name});
        m_roles[field.type] = index;
        return true;
    }

    bool CheckIntegerLength(const ValidationPlace& place, const FieldRecord& field, int dataType)
    {
        const std::string width = Decimal(DataTypeByteWidth(dataType));
        if (width != field.maxLength)
            return Report(place, VP_INTEGER_LENGTH, {field.dataType, width.c_str(), field.maxLength});
        return true;
    }

    bool CheckTextLength(const ValidationPlace& place, const FieldRecord& field, std::uint64_t* length)
    {
        if (!ParseCount(field.maxLength, length) || *length == 0 || *length > kMaxTextLength)
            return Report(place, VP_TEXT_LENGTH, {field.dataType, Decimal(kMaxTextLength).c_str(), field.maxLength});
        return true;
    }

    bool CheckBitField(ListScope& list, int index, const ValidationPlace& place, FieldFacts* facts)
    {
        const FieldRecord& field = (*list.fields)[index];
        std::uint64_t bits = 0;
        if (!ParseCount(field.maxLength, &bits) || bits < 1 || bits > 31)
            return Report(place, VP_BIT_WIDTH, {field.maxLength});
        const char* expected = DataTypeName(DataTypeForBitWidth(static_cast<int>(bits)));
        if (std::strcmp(expected, field.dataType) != 0)
            return Report(place, VP_BIT_DATA_TYPE, {Decimal(bits).c_str(), expected, field.dataType});
        list.bits += bits;
        facts->maxValue = (std::uint64_t(1) << bits) - 1;
        facts->canRelate = field.type == FIELD_NORMAL_DATA;
        return true;
    }

    bool CheckByteField(const ListScope& list, int index, const ValidationPlace& place, int dataType, FieldFacts* facts)
    {
        const FieldRecord& field = (*list.fields)[index];
        if (IsIntegerDataType(dataType))
        {
            if (!CheckIntegerLength(place, field, dataType))
                return false;
            facts->maxBytes = static_cast<std::uint64_t>(DataTypeByteWidth(dataType));
            facts->maxValue = DataTypeMaxValue(dataType);
            facts->canRelate = field.type == FIELD_NORMAL_DATA;
            return true;
        }
        std::uint64_t length = 0;
        if (!CheckTextLength(place, field, &length) || !CheckLengthField(list, index, place, length))
            return false;
        if (dataType == DATA_CHAR_ARRAY)
            return SetSize(TextWireSize(field, length), facts);
        std::uint64_t count = 0;
        if (!ParseCount(field.maxCount, &count) || count == 0 || count > kMaxTextCount)
            return Report(place, VP_TEXT_COUNT, {Decimal(kMaxTextCount).c_str(), field.maxCount});
        SetSize(TextRunWireSize(field, length, count), facts);
        // Without a count field the run always holds its maximum count.
        if (field.relatedCountField[0] == '\0')
            return true;
        return CheckRelated(list, index, place, field.relatedCountField, "count", count);
    }

    static bool SetSize(const WireSize& size, FieldFacts* facts)
    {
        facts->maxBytes = size.maxBytes;
        facts->fixedSize = size.IsFixed();
        return true;
    }

    bool CheckLengthField(const ListScope& list, int index, const ValidationPlace& place, std::uint64_t length)
    {
        const FieldRecord& field = (*list.fields)[index];
        if (field.attribute != ATTRIBUTE_VARIANT_LENGTH || field.variantWay == VARIANT_ZERO_TERMINATED)
            return true;
        if (field.relatedLengthField[0] == '\0')
            return Report(place, VP_LENGTH_FIELD_MISSING, {VariantWayName(field.variantWay)});
        return CheckRelated(list, index, place, field.relatedLengthField, "length", length);
    }

    // The related field must come earlier in the same list, be a normal-data
    // integer and hold the largest value it will carry.
    bool CheckRelated(const ListScope& list, int index, const ValidationPlace& place, const char* name,
                      const char* what, std::uint64_t largest)
    {
        const NameIndex::const_iterator found = list.names.find(name);
        if (found == list.names.end() || found->second >= index)
            return Report(place, VP_RELATED_NOT_FOUND, {what, name, list.Kind()});
        const FieldFacts& related = list.facts[static_cast<std::size_t>(found->second)];
        if (!related.canRelate)
            return Report(place, VP_RELATED_NOT_INTEGER, {what, name});
        if (related.maxValue < largest)
            return Report(place, VP_RELATED_TOO_NARROW, {what, name, what, Decimal(largest).c_str()});
        return true;
    }

    bool CheckTlvField(ListScope& list, int index, const ValidationPlace& place, int dataType, FieldFacts* facts)
    {
        const FieldRecord& field = (*list.fields)[index];
        std::uint32_t tag = 0;
        if (!m_project.tlvSupport)
            return Report(place, VP_TLV_NOT_SUPPORTED);
        if (field.type != FIELD_NORMAL_DATA)
            return Report(place, VP_TLV_NOT_NORMAL);
        if (dataType == DATA_CHAR_POINTER)
            return Report(place, VP_TLV_DATA_TYPE);
        if (!ParseHexCode(field.tlvTag, &tag))
            return Report(place, VP_TLV_TAG_MALFORMED, {field.tlvTag});
        if (tag > DataTypeMaxValue(m_tagType))
            return Report(place, VP_TLV_TAG_TOO_WIDE, {field.tlvTag, m_project.tlvTagType});
        const auto tagEntry = list.tags.emplace(tag, index);
        if (!tagEntry.second)
            return Report(place, VP_TLV_TAG_DUPLICATE, {field.tlvTag, (*list.fields)[tagEntry.first->second].name});
        std::uint64_t length = static_cast<std::uint64_t>(DataTypeByteWidth(dataType));
        if (IsIntegerDataType(dataType) ? !CheckIntegerLength(place, field, dataType)
                                        : !CheckTextLength(place, field, &length))
            return false;
        if (length > DataTypeMaxValue(m_lengthType))
            return Report(place, VP_TLV_LENGTH_TOO_NARROW, {m_project.tlvLengthType, Decimal(length).c_str()});
        return SetSize(TlvWireSize(m_tagType, m_lengthType, length), facts);
    }

    // A role field must hold the largest size it reports.
    bool CheckRoleCapacity(const ValidationPlace& place, int role, const char* what, std::uint64_t bytes)
    {
        const int index = m_roles[role];
        if (index < 0 || m_header[static_cast<std::size_t>(index)].maxValue >= bytes)
            return true;
        const char* name = m_project.headerFields[index].name;
        return Report(place, VP_ROLE_TOO_NARROW, {FieldTypeName(role), name, what, Decimal(bytes).c_str()});
    }

    bool CheckHeaderSize(const ListScope& header)
    {
        m_header = header.facts;
        m_headerBytes = header.maxBytes;
        return CheckRoleCapacity(ProjectPlace(), FIELD_HEADER_LENGTH, "header", header.maxBytes);
    }

    bool CheckPacket(int index)
    {
        const PacketRecord& packet = m_project.packets[index];
        const ValidationPlace place = {m_project.name, packet.name, nullptr};
        if (!CheckName(place, packet.name, NAME_PACKET))
            return false;
        if (!m_packetNames.emplace(packet.name, index).second)
            return Report(place, VP_PACKET_NAME_DUPLICATE);
        if (!CheckPacketType(index, place))
            return false;
        ListScope body(packet.fields, packet.name);
        if (!CheckList(body))
            return false;
        const bool hasLengthField = m_roles[FIELD_BODY_LENGTH] >= 0 || m_roles[FIELD_TOTAL_LENGTH] >= 0;
        if (m_project.basedProtocol == PROTOCOL_TCP && !body.fixedSize && !hasLengthField)
            return Report(place, VP_TCP_NEEDS_LENGTH);
        const std::uint64_t total = m_headerBytes + body.maxBytes;
        if (!CheckRoleCapacity(place, FIELD_BODY_LENGTH, "body", body.maxBytes) ||
            !CheckRoleCapacity(place, FIELD_TOTAL_LENGTH, "packet", total))
            return false;
        if (total > kMaxPacketBytes)
            return Report(place, VP_PACKET_TOO_LARGE, {Decimal(total).c_str(), Decimal(kMaxPacketBytes).c_str()});
        if (m_project.basedProtocol == PROTOCOL_UDP && total > kMaxDatagramBytes)
            return Report(place, VP_DATAGRAM_TOO_LARGE, {Decimal(total).c_str(), Decimal(kMaxDatagramBytes).c_str()});
        return true;
    }

    bool CheckPacketType(int index, const ValidationPlace& place)
    {
        const PacketRecord& packet = m_project.packets[index];
        std::uint32_t type = 0;
        if (!ParseHexCode(packet.packetType, &type))
            return Report(place, VP_PACKET_TYPE_MALFORMED, {packet.packetType});
        const auto typeEntry = m_packetTypes.emplace(type, index);
        if (!typeEntry.second)
            return Report(place, VP_PACKET_TYPE_DUPLICATE,
                          {packet.packetType, m_project.packets[typeEntry.first->second].name});
        const int typeField = m_roles[FIELD_PACKET_TYPE];
        if (typeField < 0 || type <= m_header[static_cast<std::size_t>(typeField)].maxValue)
            return true;
        const FieldRecord& field = m_project.headerFields[typeField];
        return Report(place, VP_PACKET_TYPE_TOO_WIDE, {packet.packetType, field.dataType, field.name});
    }

    const ProjectRecord& m_project;
    CString* m_line;
    int m_roles[FIELD_PACKET_TYPE + 1];  // header index of each role's field, or -1
    int m_tagType = DATA_UNSIGNED_INT;
    int m_lengthType = DATA_UNSIGNED_INT;
    std::vector<FieldFacts> m_header;
    std::uint64_t m_headerBytes = 0;
    CaselessNameIndex m_packetNames;
    CodeIndex m_packetTypes;
};

}  // namespace

bool ValidateDesign(const ProjectRecord& project, CString* errorLine)
{
    Validator validator(project, errorLine);
    return validator.Run();
}
