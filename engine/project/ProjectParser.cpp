// ProjectParser.cpp: the ".kvs" document, element by element, into a project record.
#include "ProjectParser.h"

#include "ProjectFormat.h"
#include "ProjectPaths.h"
#include "model/Vocabulary.h"
#include "xml/CodePage.h"

#include <cstdint>
#include <cstring>

using namespace ProjectFormat;

// Where an element stands; named only when something there is refused.
struct ElementPlace
{
    const char* name;  // "project", "head" or "body"; nullptr for a packet or a field
    int packet;        // from 1; 0 in the header
    int field;         // from 1; 0 for a packet

    CString Text() const;
};

CString ElementPlace::Text() const
{
    CString text;
    if (name != nullptr)
        text = name;
    else if (field == 0)
        text.Format("packet %d", packet);
    else if (packet == 0)
        text.Format("head, field %d", field);
    else
        text.Format("packet %d, field %d", packet, field);
    return text;
}

namespace
{

typedef bool (*ParseNameFunction)(const char* text, int* value);

// Decimal text with an optional minus sign and nothing else, within 32 bits.
bool ParseInt32(const char* text, std::int32_t* value)
{
    const char* digits = text[0] == '-' ? text + 1 : text;
    if (digits[0] == '\0' || std::strlen(digits) > 10)
        return false;
    long long result = 0;
    for (const char* p = digits; *p != '\0'; ++p)
    {
        if (*p < '0' || *p > '9')
            return false;
        result = result * 10 + (*p - '0');
    }
    if (text[0] == '-')
        result = -result;
    if (result < INT32_MIN || result > INT32_MAX)
        return false;
    *value = static_cast<std::int32_t>(result);
    return true;
}

// The length of text when it is plain ASCII (which needs no conversion); otherwise where the first other byte stands.
std::size_t AsciiLength(const char* text)
{
    std::size_t length = 0;
    while (text[length] != '\0' && static_cast<unsigned char>(text[length]) < 0x80)
        ++length;
    return length;
}

// Attribute names are short: a call to the library's comparison costs more than the comparison.
bool SameName(const char* left, const char* right)
{
    while (*left != '\0' && *left == *right)
        ++left, ++right;
    return *left == *right;
}

bool IsBlank(const char* text, int length)
{
    for (int i = 0; i < length; ++i)
    {
        const char c = text[i];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return false;
    }
    return true;
}

// Reads the attributes of one element, as expat lists them. Each call takes
// one attribute; the first problem is kept and every later call fails at once.
class ElementReader
{
public:
    ElementReader(const char** attributes, const ElementPlace& where, CString* detail)
        : m_attributes(attributes), m_where(where), m_detail(detail)
    {
        while (m_attributes[2 * m_count] != nullptr)
            ++m_count;
    }

    template <std::size_t Capacity, std::size_t Inline>
    bool Text(const char* name, FixedText<Capacity, Inline>& dest)
    {
        const char* value = Take(name);
        if (value == nullptr)
            return m_ok;
        // Most texts are ASCII, taken as they stand without a copy between.
        const std::size_t ascii = AsciiLength(value);
        if (value[ascii] == '\0' && ascii <= Capacity)
        {
            dest.Assign(value, ascii);
            return m_ok;
        }
        char text[Capacity];
        std::size_t length = 0;
        bool tooLong = false;
        if (Utf8ToBoundedText(value, text, Capacity, &length, &tooLong))
            dest.Assign(text, length);
        else if (tooLong)
            Refuse(name, "is longer than %d characters", static_cast<int>(Capacity));
        else
            Refuse(name, "holds a character outside the 8-bit code page%s", "");
        return m_ok;
    }

    bool Name(const char* name, ParseNameFunction parse, std::int32_t* dest)
    {
        const char* value = Take(name);
        int parsed = 0;
        if (value != nullptr && !parse(value, &parsed))
            Refuse(name, "has the unknown value \"%s\"", value);
        if (m_ok)
            *dest = parsed;
        return m_ok;
    }

    bool Number(const char* name, std::int32_t* dest)
    {
        const char* value = Take(name);
        if (value != nullptr && !ParseInt32(value, dest))
            Refuse(name, "is not a 32-bit number: \"%s\"", value);
        return m_ok;
    }

    // No attribute may be left unread.
    bool Finish()
    {
        if (m_ok && m_used != m_count)
            Fail("has an unknown attribute");
        return m_ok;
    }

    bool Fail(const char* what)
    {
        if (m_ok)
            *m_detail = m_where.Text() + " " + what;
        m_ok = false;
        return false;
    }

private:
    // Searched from where the last one was found: written files keep one order.
    const char* Take(const char* name)
    {
        if (!m_ok)
            return nullptr;
        for (int tried = 0, at = m_next; tried < m_count; ++tried, at = After(at))
        {
            if (SameName(m_attributes[2 * at], name))
            {
                m_next = After(at);
                ++m_used;
                return m_attributes[2 * at + 1];
            }
        }
        Refuse(name, "is missing%s", "");
        return nullptr;
    }

    // The attribute after at, the first after the last (a division per lookup costs more).
    int After(int at) const { return at + 1 < m_count ? at + 1 : 0; }

    template <class Argument>
    void Refuse(const char* name, const char* what, Argument argument)
    {
        CString reason;
        reason.Format(what, argument);
        Fail(CString("attribute \"") + name + "\" " + reason);
    }

    const char** m_attributes;
    ElementPlace m_where;
    CString* m_detail;
    int m_count = 0;
    int m_next = 0;
    int m_used = 0;
    bool m_ok = true;
};

bool RequireDataType(ElementReader& reader, const char* dataType, bool allowEmpty)
{
    int type = 0;
    if (ParseDataType(dataType, &type) || (allowEmpty && dataType[0] == '\0'))
        return true;
    return reader.Fail(CString("has the unknown data type \"") + dataType + "\"");
}

bool ReadSettings(ProjectRecord* project, const char* folder, const char** attributes, CString* detail)
{
    ElementReader reader(attributes, {"project", 0, 0}, detail);
    if (!(reader.Text(kName, project->name) && reader.Name(kPlatform, ParseTargetPlatform, &project->targetPlatform) &&
          reader.Name(kProtocol, ParseBasedProtocol, &project->basedProtocol) &&
          reader.Name(kLibrary, ParseLibraryType, &project->libraryType) && reader.Number(kTlv, &project->tlvSupport) &&
          reader.Text(kTlvTagType, project->tlvTagType) && reader.Text(kTlvLengthType, project->tlvLengthType) &&
          reader.Finish() && RequireDataType(reader, project->tlvTagType, true) &&
          RequireDataType(reader, project->tlvLengthType, true)))
        return false;
    if (project->name[0] == '\0')
        return reader.Fail("has an empty name");
    // A folder too long for any name is no fault of this one.
    const CString folderRefusal = folder != nullptr ? FolderLengthRefusal(folder) : CString();
    if (!folderRefusal.IsEmpty())
        return reader.Fail(folderRefusal);
    // Every file the designer makes is named after the project: a name that climbs out of the folder or
    // names a device would write where the user never chose.
    const CString refusal =
        folder != nullptr ? ProjectNameRefusal(folder, project->name) : FileNameRefusal(project->name);
    return refusal.IsEmpty() || reader.Fail("attribute \"name\" is refused: " + refusal);
}

bool ReadPlain(const char** attributes, const char* where, CString* detail)
{
    return ElementReader(attributes, {where, 0, 0}, detail).Finish();
}

// Grows the array by one default record, doubling its room when full so that
// records are rarely moved (a packet moves its fields with it, not copies).
template <class Record>
Record& Append(CArray<Record, const Record&>& records, INT_PTR guess)
{
    const INT_PTR size = records.GetSize();
    records.SetSize(size + 1, size < guess ? guess : size);
    return records[size];
}

}  // namespace

// Where the innermost open element stands.
ElementPlace ProjectParser::Place() const
{
    const int packets = static_cast<int>(m_project->packets.GetSize());
    switch (m_open[m_depth])
    {
    case kHead:
        return {"head", 0, 0};
    case kBody:
        return {"body", 0, 0};
    case kPacket:
        return {nullptr, packets, 0};
    case kField:
        if (m_open[m_depth - 1] == kHead)
            return {nullptr, 0, static_cast<int>(m_project->headerFields.GetSize())};
        return {nullptr, packets, static_cast<int>(m_project->packets[packets - 1].fields.GetSize())};
    default:
        return {"project", 0, 0};
    }
}

bool ProjectParser::Refuse(const CString& detail)
{
    if (m_detail.IsEmpty())
        m_detail = detail;
    return false;
}

bool ProjectParser::ReadField(FieldRecordArray& list, const ElementPlace& where, const char** attributes)
{
    FieldRecord& field = Append(list, m_fieldGuess);
    ElementReader reader(attributes, where, &m_detail);
    return reader.Text(kName, field.name) && reader.Text(kMaxLength, field.maxLength) &&
           reader.Text(kMaxCount, field.maxCount) && reader.Name(kUnit, ParseUnit, &field.unit) &&
           reader.Text(kDataType, field.dataType) && reader.Text(kTag, field.tlvTag) &&
           reader.Name(kType, ParseFieldType, &field.type) && reader.Text(kReinterpretName, field.reinterpretName) &&
           reader.Text(kRelatedCount, field.relatedCountField) &&
           reader.Name(kAttribute, ParseAttribute, &field.attribute) &&
           reader.Name(kVariant, ParseVariantWay, &field.variantWay) &&
           reader.Text(kRelatedLength, field.relatedLengthField) && reader.Finish() &&
           RequireDataType(reader, field.dataType, false);
}

bool ProjectParser::ReadPacket(const char** attributes)
{
    PacketRecordArray& packets = m_project->packets;
    if (packets.GetSize() > 0)
        m_fieldGuess = packets[packets.GetSize() - 1].fields.GetSize();
    PacketRecord& packet = Append(packets, kFirstPackets);
    ElementReader reader(attributes, {nullptr, static_cast<int>(packets.GetSize()), 0}, &m_detail);
    return reader.Text(kName, packet.name) && reader.Text(kType, packet.packetType) &&
           reader.Number(kHasBody, &packet.hasBody) && reader.Finish();
}

// Whether the element may stand in parent; reads its attributes when it may.
bool ProjectParser::EnterChildOf(Element parent, const char* name, const char** attributes)
{
    const int packets = static_cast<int>(m_project->packets.GetSize());
    switch (parent)
    {
    case kDocument:
        if (std::strcmp(name, kRootElement) != 0 || attributes[0] != nullptr)
            return Refuse("the root is not a plain <solution>");
        m_open[m_depth + 1] = kSolution;
        return true;
    case kSolution:
        if (std::strcmp(name, kProjectElement) != 0 || ++m_projects > 1)
            return Refuse("<solution> must hold exactly one <project>");
        m_open[m_depth + 1] = kProject;
        return ReadSettings(m_project, m_folder, attributes, &m_detail);
    case kProject:
    {
        const bool head = std::strcmp(name, kHeadElement) == 0;
        bool& seen = head ? m_head : m_body;
        if ((!head && std::strcmp(name, kBodyElement) != 0) || seen)
            return Refuse("project must hold one <head> and one <body>");
        seen = true;
        m_open[m_depth + 1] = head ? kHead : kBody;
        return ReadPlain(attributes, head ? "head" : "body", &m_detail);
    }
    case kHead:
        return EnterField(name, {nullptr, 0, static_cast<int>(m_project->headerFields.GetSize()) + 1},
                          m_project->headerFields, attributes);
    case kBody:
        if (std::strcmp(name, kPacketElement) != 0)
            return RefuseElement({nullptr, packets + 1, 0}, name);
        m_open[m_depth + 1] = kPacket;
        return ReadPacket(attributes);
    case kPacket:
    {
        FieldRecordArray& fields = m_project->packets[packets - 1].fields;
        return EnterField(name, {nullptr, packets, static_cast<int>(fields.GetSize()) + 1}, fields, attributes);
    }
    case kField:
        return Refuse(Place().Text() + " holds an element <" + name + ">");
    }
    return false;
}

bool ProjectParser::EnterField(const char* name, const ElementPlace& place, FieldRecordArray& list,
                               const char** attributes)
{
    if (std::strcmp(name, kFieldElement) != 0)
        return RefuseElement(place, name);
    m_open[m_depth + 1] = kField;
    return ReadField(list, place, attributes);
}

bool ProjectParser::RefuseElement(const ElementPlace& place, const char* name)
{
    return Refuse(place.Text() + " is an unknown element <" + name + ">");
}

// After a refusal the rest is only parsed, so that a document that is not
// well-formed is reported as such wherever its first refusal lies.
void ProjectParser::OnStart(CXmlStream& stream, const char* name, const char** attributes)
{
    if (IsRefused())
        return;
    if (EnterChildOf(m_open[m_depth], name, attributes))
        ++m_depth;
    else
        Locate(stream);
}

void ProjectParser::OnEnd(CXmlStream& stream)
{
    if (IsRefused())
        return;
    const Element closing = m_open[m_depth--];
    if (closing == kProject && !(m_head && m_body))
        Refuse("project must hold one <head> and one <body>");
    else if (closing == kSolution && m_projects != 1)
        Refuse("<solution> must hold exactly one <project>");
    Locate(stream);
}

void ProjectParser::OnText(CXmlStream& stream, const char* text, int length)
{
    if (IsRefused() || m_depth == 0 || IsBlank(text, length))
        return;
    Refuse(m_open[m_depth] == kSolution ? CString("the root is not a plain <solution>")
                                        : Place().Text() + " holds text");
    Locate(stream);
}

// The user finds the refusal in the file by its line and column.
void ProjectParser::Locate(const CXmlStream& stream)
{
    if (IsRefused())
        m_detail = stream.Located(m_detail);
}
