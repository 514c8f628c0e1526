// ProjectWriter.cpp: turns a project record into ".kvs" XML and saves it safely.
#include "ProjectFile.h"

#include "AtomicFile.h"
#include "ProjectFormat.h"
#include "ProjectPaths.h"
#include "model/Vocabulary.h"

#include <string>

using namespace ProjectFormat;

namespace
{

typedef const char* (*NameFunction)(int value);

// The reader refuses every other control character; these three are written as references.
bool CanHoldCharacter(char c) { return static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r'; }

// Builds the document; the first value that cannot be written is kept as the
// error and every later call does nothing.
class XmlWriter
{
public:
    // Without a sink the whole text gathers in Text(); with one it is handed
    // on at the end of an element once kSpillSize bytes have gathered.
    explicit XmlWriter(CString* error, const PieceWriter* sink = nullptr) : m_error(error), m_ok(true), m_sink(sink) {}

    void Open(int depth, const char* element)
    {
        Indent(depth);
        m_out += '<';
        m_out += element;
    }
    void EndOpen() { m_out += ">\r\n"; }
    void EndEmpty()
    {
        m_out += "/>\r\n";
        Spill(kSpillSize);
    }
    void Close(int depth, const char* element)
    {
        Indent(depth);
        m_out += "</";
        m_out += element;
        m_out += ">\r\n";
        Spill(kSpillSize);
    }
    // Hands what gathered to the sink once it holds at least least bytes.
    void Spill(std::size_t least)
    {
        if (m_sink == nullptr || m_out.size() < least)
            return;
        (*m_sink)(m_out.data(), m_out.size());
        m_out.clear();
    }

    void Attribute(const char* name, const char* value)
    {
        if (!m_ok)
            return;
        m_out += ' ';
        m_out += name;
        m_out += "=\"";
        for (const char* p = value; *p != '\0'; ++p)
            Escape(name, *p);
        m_out += '"';
    }

    void NameAttribute(const char* name, NameFunction toName, int value)
    {
        const char* text = toName(value);
        if (text == nullptr)
            return Fail(CString("attribute \"") + name + "\" has an unknown value");
        Attribute(name, text);
    }

    void NumberAttribute(const char* name, long value)
    {
        CString text;
        text.Format("%ld", value);
        Attribute(name, text);
    }

    void DataTypeAttribute(const char* name, const char* value, bool allowEmpty)
    {
        int type = 0;
        if (!ParseDataType(value, &type) && !(allowEmpty && value[0] == '\0'))
            return Fail(CString("attribute \"") + name + "\" has the unknown data type \"" + value + "\"");
        Attribute(name, value);
    }

    void Fail(const CString& what)
    {
        if (m_ok)
            *m_error = what;
        m_ok = false;
    }

    bool IsOk() const { return m_ok; }
    const std::string& Text() const { return m_out; }
    std::string& Out() { return m_out; }

private:
    void Indent(int depth) { m_out.append(static_cast<std::size_t>(depth), '\t'); }

    // Line ends and tabs are written as references so that the reader's
    // attribute normalisation gives them back unchanged.
    void Escape(const char* name, char c)
    {
        switch (c)
        {
        case '&':
            m_out += "&amp;";
            return;
        case '<':
            m_out += "&lt;";
            return;
        case '>':
            m_out += "&gt;";
            return;
        case '"':
            m_out += "&quot;";
            return;
        case '\t':
            m_out += "&#9;";
            return;
        case '\n':
            m_out += "&#10;";
            return;
        case '\r':
            m_out += "&#13;";
            return;
        default:
            break;
        }
        if (!CanHoldCharacter(c))
            return Fail(CString("attribute \"") + name + "\" holds a control character");
        m_out += c;
    }

    static const std::size_t kSpillSize = 64 * 1024;

    std::string m_out;
    CString* m_error;
    bool m_ok;
    const PieceWriter* m_sink;  // where the text goes; none keeps it all in m_out
};

void WriteField(XmlWriter& xml, int depth, const FieldRecord& field)
{
    xml.Open(depth, kFieldElement);
    xml.Attribute(kName, field.name);
    xml.Attribute(kMaxLength, field.maxLength);
    xml.Attribute(kMaxCount, field.maxCount);
    xml.NameAttribute(kUnit, UnitName, field.unit);
    xml.DataTypeAttribute(kDataType, field.dataType, false);
    xml.Attribute(kTag, field.tlvTag);
    xml.NameAttribute(kType, FieldTypeName, field.type);
    xml.Attribute(kReinterpretName, field.reinterpretName);
    xml.Attribute(kRelatedCount, field.relatedCountField);
    xml.NameAttribute(kAttribute, AttributeName, field.attribute);
    xml.NameAttribute(kVariant, VariantWayName, field.variantWay);
    xml.Attribute(kRelatedLength, field.relatedLengthField);
    xml.EndEmpty();
}

void WriteFields(XmlWriter& xml, int depth, const FieldRecordArray& fields)
{
    for (INT_PTR i = 0; i < fields.GetSize() && xml.IsOk(); ++i)
        WriteField(xml, depth, fields[i]);
}

void WritePacket(XmlWriter& xml, int depth, const PacketRecord& packet)
{
    xml.Open(depth, kPacketElement);
    xml.Attribute(kName, packet.name);
    xml.Attribute(kType, packet.packetType);
    xml.NumberAttribute(kHasBody, packet.hasBody);
    xml.EndOpen();
    WriteFields(xml, depth + 1, packet.fields);
    xml.Close(depth, kPacketElement);
}

void WriteProject(XmlWriter& xml, const ProjectRecord& project)
{
    xml.Open(1, kProjectElement);
    xml.Attribute(kName, project.name);
    xml.NameAttribute(kPlatform, TargetPlatformName, project.targetPlatform);
    xml.NameAttribute(kProtocol, BasedProtocolName, project.basedProtocol);
    xml.NameAttribute(kLibrary, LibraryTypeName, project.libraryType);
    xml.NumberAttribute(kTlv, project.tlvSupport);
    xml.DataTypeAttribute(kTlvTagType, project.tlvTagType, true);
    xml.DataTypeAttribute(kTlvLengthType, project.tlvLengthType, true);
    xml.EndOpen();
    xml.Open(2, kHeadElement);
    xml.EndOpen();
    WriteFields(xml, 3, project.headerFields);
    xml.Close(2, kHeadElement);
    xml.Open(2, kBodyElement);
    xml.EndOpen();
    for (INT_PTR i = 0; i < project.packets.GetSize() && xml.IsOk(); ++i)
        WritePacket(xml, 3, project.packets[i]);
    xml.Close(2, kBodyElement);
    xml.Close(1, kProjectElement);
}

bool BuildDocument(const ProjectRecord& project, XmlWriter& xml)
{
    if (project.name[0] == '\0')
    {
        xml.Fail("the project has no name");
        return false;
    }
    const CString refusal = FileNameRefusal(project.name);
    if (!refusal.IsEmpty())
    {
        xml.Fail("the project's name is refused: " + refusal);
        return false;
    }
    // ISO-8859-1 maps every byte to one character, so any 8-bit text of the
    // model comes back byte for byte whatever the code page.
    xml.Out() += "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n";
    xml.Open(0, kRootElement);
    xml.EndOpen();
    WriteProject(xml, project);
    xml.Close(0, kRootElement);
    return xml.IsOk();
}

}  // namespace

bool ProjectFileCanHold(const char* text)
{
    for (; *text != '\0'; ++text)
        if (!CanHoldCharacter(*text))
            return false;
    return true;
}

bool FormatProjectText(const ProjectRecord& project, CString* text, CString* error)
{
    XmlWriter xml(error);
    if (!BuildDocument(project, xml))
        return false;
    *text = CString(xml.Text().c_str(), static_cast<int>(xml.Text().size()));
    return true;
}

bool FormatProjectInPieces(const ProjectRecord& project, const PieceWriter& write, CString* error)
{
    XmlWriter xml(error, &write);
    if (!BuildDocument(project, xml))
        return false;
    xml.Spill(1);
    return true;
}

namespace
{

bool WriteProject(const ProjectRecord& project, const char* path, bool onlyNew, CString* error, CString* told,
                  RunNames* toldNames = nullptr)
{
    const auto format = [&](const PieceWriter& write, CString* why)
    {
        if (FormatProjectInPieces(project, write, why))
            return true;
        *why = CString("cannot save ") + path + ": " + *why;
        return false;
    };
    return ReplaceFilesTogether({{path, format, onlyNew}}, error, told, nullptr, toldNames);
}

}  // namespace

bool WriteProjectFile(const ProjectRecord& project, const char* path, CString* error, CString* told,
                      RunNames* toldNames)
{
    return WriteProject(project, path, false, error, told, toldNames);
}

bool WriteNewProjectFile(const ProjectRecord& project, const char* path, CString* error, CString* told)
{
    return WriteProject(project, path, true, error, told);
}
