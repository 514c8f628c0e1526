// ProjectReader.cpp: fills a project record from the tag tree of a ".kvs" file.
#include "ProjectFile.h"

#include "ProjectFormat.h"
#include "model/FixedText.h"
#include "model/Vocabulary.h"
#include "xml/XmlConfig.h"
#include "xml/XmlLog.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace ProjectFormat;

namespace {

typedef bool (*ParseNameFunction)(const char* text, int* value);

bool IsBlank(const CString& text)
{
    for (int i = 0; i < text.GetLength(); ++i) {
        const char c = text[i];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return false;
    }
    return true;
}

// Decimal text with an optional minus sign and nothing else, within 32 bits.
bool ParseInt32(const char* text, std::int32_t* value)
{
    const char* digits = text[0] == '-' ? text + 1 : text;
    if (digits[0] == '\0' || std::strlen(digits) > 10)
        return false;
    long long result = 0;
    for (const char* p = digits; *p != '\0'; ++p) {
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

// Reads the attributes of one element. Each call takes one attribute; the
// first problem is kept in the detail and every later call fails at once.
class ElementReader
{
public:
    ElementReader(const CXmlTag& tag, const CString& where, CString* detail)
        : m_tag(tag), m_where(where), m_detail(detail), m_used(0), m_ok(true)
    {
    }

    template <std::size_t N>
    bool Text(const char* name, char (&dest)[N])
    {
        const char* value = Take(name);
        if (value != nullptr && !CopyFixedText(dest, value))
            Refuse(name, "is longer than %d characters", static_cast<int>(N - 1));
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

    // Closes the element: no attribute or text may be left unread.
    bool Finish()
    {
        if (m_ok && m_used != m_tag.GetAttributeCount())
            Fail("has an unknown attribute");
        if (m_ok && !IsBlank(m_tag.GetText()))
            Fail("holds text");
        return m_ok;
    }

    bool Fail(const char* what)
    {
        if (m_ok)
            *m_detail = m_where + " " + what;
        m_ok = false;
        return false;
    }

private:
    const char* Take(const char* name)
    {
        if (!m_ok)
            return nullptr;
        const char* value = m_tag.FindAttribute(name);
        if (value == nullptr) {
            Refuse(name, "is missing", 0);
            return nullptr;
        }
        ++m_used;
        return value;
    }

    template <class Argument>
    void Refuse(const char* name, const char* what, Argument argument)
    {
        CString reason;
        reason.Format(what, argument);
        Fail(CString("attribute \"") + name + "\" " + reason);
    }

    const CXmlTag& m_tag;
    CString m_where;
    CString* m_detail;
    int m_used;
    bool m_ok;
};

bool RequireDataType(ElementReader& reader, const char* dataType, bool allowEmpty)
{
    int type = 0;
    if (ParseDataType(dataType, &type) || (allowEmpty && dataType[0] == '\0'))
        return true;
    return reader.Fail(CString("has the unknown data type \"") + dataType + "\"");
}

bool ReadField(const CXmlTag& tag, const CString& where, FieldRecord* field, CString* detail)
{
    ElementReader reader(tag, where, detail);
    return reader.Text(kName, field->name)
        && reader.Text(kMaxLength, field->maxLength)
        && reader.Text(kMaxCount, field->maxCount)
        && reader.Name(kUnit, ParseUnit, &field->unit)
        && reader.Text(kDataType, field->dataType)
        && reader.Text(kTag, field->tlvTag)
        && reader.Name(kType, ParseFieldType, &field->type)
        && reader.Text(kReinterpretName, field->reinterpretName)
        && reader.Text(kRelatedCount, field->relatedCountField)
        && reader.Name(kAttribute, ParseAttribute, &field->attribute)
        && reader.Name(kVariant, ParseVariantWay, &field->variantWay)
        && reader.Text(kRelatedLength, field->relatedLengthField)
        && reader.Finish()
        && RequireDataType(reader, field->dataType, false);
}

// Reads every child of parent as one record of the given element, in order;
// the place of each is "<where><kind> <number>".
template <class Record, class ReadOne>
bool ReadChildren(const CXmlTag& parent, const CString& where, const char* element,
                  CArray<Record, const Record&>* records, CString* detail, ReadOne readOne)
{
    // Sized once and filled in place: growing an array of records copies them.
    records->SetSize(parent.GetChildCount());
    for (int i = 0; i < parent.GetChildCount(); ++i) {
        const CXmlTag& child = parent.GetChild(i);
        CString place;
        place.Format("%s%s %d", static_cast<const char*>(where), element, i + 1);
        if (child.GetName() != element) {
            *detail = place + " is an unknown element <" + child.GetName() + ">";
            return false;
        }
        if (!readOne(child, place, &(*records)[i], detail))
            return false;
    }
    return true;
}

bool ReadFields(const CXmlTag& parent, const CString& where, FieldRecordArray* fields, CString* detail)
{
    return ReadChildren(parent, where + ", ", kFieldElement, fields, detail, ReadField);
}

bool ReadPacket(const CXmlTag& tag, const CString& where, PacketRecord* packet, CString* detail)
{
    ElementReader reader(tag, where, detail);
    return reader.Text(kName, packet->name)
        && reader.Text(kType, packet->packetType)
        && reader.Number(kHasBody, &packet->hasBody)
        && reader.Finish()
        && ReadFields(tag, where, &packet->fields, detail);
}

bool ReadBody(const CXmlTag& body, PacketRecordArray* packets, CString* detail)
{
    ElementReader reader(body, "body", detail);
    return reader.Finish() && ReadChildren(body, "", kPacketElement, packets, detail, ReadPacket);
}

bool ReadSettings(const CXmlTag& tag, ProjectRecord* project, CString* detail)
{
    ElementReader reader(tag, "project", detail);
    if (!(reader.Text(kName, project->name)
          && reader.Name(kPlatform, ParseTargetPlatform, &project->targetPlatform)
          && reader.Name(kProtocol, ParseBasedProtocol, &project->basedProtocol)
          && reader.Name(kLibrary, ParseLibraryType, &project->libraryType)
          && reader.Number(kTlv, &project->tlvSupport)
          && reader.Text(kTlvTagType, project->tlvTagType)
          && reader.Text(kTlvLengthType, project->tlvLengthType)
          && reader.Finish()
          && RequireDataType(reader, project->tlvTagType, true)
          && RequireDataType(reader, project->tlvLengthType, true)))
        return false;
    if (project->name[0] == '\0')
        return reader.Fail("has an empty name");
    return true;
}

// The project element must hold exactly one "head" and one "body".
bool ReadProject(const CXmlTag& tag, ProjectRecord* project, CString* detail)
{
    if (!ReadSettings(tag, project, detail))
        return false;
    const CXmlTag* head = tag.FindChild(kHeadElement);
    const CXmlTag* body = tag.FindChild(kBodyElement);
    if (head == nullptr || body == nullptr || tag.GetChildCount() != 2) {
        *detail = "project must hold one <head> and one <body>";
        return false;
    }
    ElementReader headReader(*head, "head", detail);
    return headReader.Finish()
        && ReadFields(*head, "head", &project->headerFields, detail)
        && ReadBody(*body, &project->packets, detail);
}

bool ReadDocument(const CXmlTag& root, ProjectRecord* project, CString* detail)
{
    if (root.GetName() != kRootElement || root.GetAttributeCount() != 0 || !IsBlank(root.GetText())) {
        *detail = "the root is not a plain <solution>";
        return false;
    }
    if (root.GetChildCount() != 1 || root.GetChild(0).GetName() != kProjectElement) {
        *detail = "<solution> must hold exactly one <project>";
        return false;
    }
    return ReadProject(root.GetChild(0), project, detail);
}

// Reads the document straight into project, which a large design would
// otherwise have to be copied into; a failure leaves project empty.
bool FillProject(const CXmlTag& root, const char* folder, ProjectRecord* project, CString* detail)
{
    *project = ProjectRecord();
    if (!ReadDocument(root, project, detail)) {
        *project = ProjectRecord();
        return false;
    }
    project->folder = folder;
    return true;
}

} // namespace

bool ParseProjectText(const char* text, std::size_t length, const char* folder,
                      ProjectRecord* project, CString* detail)
{
    CXmlConfig config;
    if (config.ParseText(text, length) != XCFG_OK) {
        *detail = config.GetErrorText();
        *project = ProjectRecord();
        return false;
    }
    return FillProject(*config.GetRoot(), folder, project, detail);
}

// The XML reader logs its own failures; a refusal of the document's content
// is logged here.
bool ReadProjectFile(const char* path, ProjectRecord* project, CString* message)
{
    CXmlConfig config;
    CString detail;
    if (config.ParseFile(path) == XCFG_OK && FillProject(*config.GetRoot(), ProjectFolderOf(path), project, &detail))
        return true;
    *project = ProjectRecord();
    if (!detail.IsEmpty())
        XmlLog(CString("invalid project file ") + path + ": " + detail);
    *message = kInvalidProjectFileMessage;
    return false;
}

bool LoadProjectFile(const char* path, const ProjectRecordArray& loaded,
                     ProjectRecord* project, CString* message)
{
    if (!ReadProjectFile(path, project, message))
        return false;
    if (!ContainsProjectNamed(loaded, project->name))
        return true;
    *message = CString("the ") + project->name + " protocol already exist in the current projects!";
    *project = ProjectRecord();
    return false;
}
