// ApiHeaderWriter.cpp: writes <name>_api.h: packet structs, type constants and the API's prototypes.
#include "Writers.h"

namespace codegen
{

namespace
{

std::string TextNote(const FieldLayout& field)
{
    unsigned long long max = field.maxLength;
    switch (field.end)
    {
    case TextEnd::Fixed:
        return Format("text of exactly %llu bytes, padded with 0", max);
    case TextEnd::Zero:
        return Format("text of up to %llu bytes, sent with a 0 byte after it", max);
    case TextEnd::Related:
        return Format("up to %llu bytes", max);
    case TextEnd::RelatedZero:
        return Format("up to %llu bytes, sent with a 0 byte after them", max);
    }
    return std::string();
}

// What one member holds, for the comment beside it.
std::string MemberNote(const ListLayout& list, const FieldLayout& field)
{
    std::string note;
    switch (field.kind)
    {
    case FieldKind::Integer:
        note = DataTypeName(field.dataType);
        break;
    case FieldKind::Bits:
        note = Format(field.bits == 1 ? "%u bit" : "%u bits", field.bits);
        break;
    case FieldKind::Tlv:
        note = Format("TLV tag 0x%08X, %s", field.tag, DataTypeName(field.dataType));
        break;
    case FieldKind::Text:
        note = TextNote(field);
        break;
    case FieldKind::TextArray:
        note = Format("up to %llu texts, each ", static_cast<unsigned long long>(field.maxCount)) + TextNote(field);
        break;
    }
    if (field.lengthField >= 0)
        note += ", length in " + list.fields[field.lengthField].name;
    if (field.countField >= 0)
        note += ", count in " + list.fields[field.countField].name;
    if (field.role != FIELD_NORMAL_DATA)
        note += std::string(", ") + FieldTypeName(field.role) + ": filled by the encoders";
    return note;
}

void WriteMember(const ListLayout& list, const FieldLayout& field, CodeText& out)
{
    std::string note = MemberNote(list, field);
    unsigned long long text = field.maxLength + 1;
    if (field.kind == FieldKind::Tlv)
        out.Linef("uint8_t has_%s; /* nonzero when %s is present */", field.name.c_str(), field.name.c_str());
    if (field.kind == FieldKind::TextArray)
        out.Linef("char %s[%llu][%llu]; /* %s */", field.name.c_str(), static_cast<unsigned long long>(field.maxCount),
                  text, note.c_str());
    else if (field.IsText() || field.IsTlvText())
        out.Linef("char %s[%llu]; /* %s */", field.name.c_str(), text, note.c_str());
    else
        out.Linef("%s %s; /* %s */", CTypeOf(field), field.name.c_str(), note.c_str());
}

void WriteStructs(const ProtocolLayout& layout, CodeText& out)
{
    out.Line("/* The header, first in every packet. */");
    out.Open("typedef struct " + HeaderStruct(layout));
    for (const FieldLayout& field : layout.header.fields)
        WriteMember(layout.header, field, out);
    if (layout.header.fields.empty())
        out.Line("uint8_t empty; /* the protocol has no header; never sent */");
    out.Close("} " + HeaderStruct(layout) + ";");
    for (const PacketLayout& packet : layout.packets)
    {
        out.Line();
        out.Linef("/* Packet %s, type 0x%08X. */", packet.name.c_str(), packet.type);
        out.Open("typedef struct " + PacketStruct(layout, packet));
        out.Line(HeaderStruct(layout) + " header;");
        for (const FieldLayout& field : packet.body.fields)
            WriteMember(packet.body, field, out);
        out.Close("} " + PacketStruct(layout, packet) + ";");
    }
    out.Line();
    out.Line("/* Any packet; type is one of the packet-type constants and names the member in use. */");
    out.Open("typedef struct " + UnionStruct(layout));
    out.Line("uint32_t type;");
    out.Open("union");
    for (const PacketLayout& packet : layout.packets)
        out.Line(PacketStruct(layout, packet) + " " + packet.name + ";");
    out.Close("} as;");
    out.Close("} " + UnionStruct(layout) + ";");
}

void WriteConstants(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    out.Linef("#define %s_HEADER_SIZE %lluu /* bytes of the header */", n,
              static_cast<unsigned long long>(layout.header.maxBytes));
    out.Linef("#define %s_MAX_PACKET_SIZE %lluu /* bytes of the largest packet */", n,
              static_cast<unsigned long long>(layout.maxPacketBytes));
    out.Linef("#define %s_PROTOCOL %s", n, layout.udp ? "DRAVOLINT_UDP" : "DRAVOLINT_TCP");
    out.Line();
    out.Line("/* Packet-type constants. */");
    for (const PacketLayout& packet : layout.packets)
        out.Linef("#define %s 0x%08Xu", TypeConstant(layout, packet).c_str(), packet.type);
}

void WriteExportMacro(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    out.Line("/* Windows DLL: define " + layout.name + "_DLL when using it, and also " + layout.name +
             "_BUILD when building it. */");
    out.Linef("#if defined(_WIN32) && defined(%s_DLL)", n);
    out.Linef("#ifdef %s_BUILD", n);
    out.Linef("#define %s_API __declspec(dllexport)", n);
    out.Line("#else");
    out.Linef("#define %s_API __declspec(dllimport)", n);
    out.Line("#endif");
    out.Line("#else");
    out.Linef("#define %s_API", n);
    out.Line("#endif");
}

// The protocol's DLL carries the runtime, whose socket functions its callers need too.
void WriteRuntimeDllMacros(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    out.Line("/* The runtime's functions live in the same DLL as the protocol's. */");
    out.Linef("#if defined(%s_DLL) && !defined(DRAVOLINT_DLL)", n);
    out.Line("#define DRAVOLINT_DLL");
    out.Line("#endif");
    out.Linef("#if defined(%s_BUILD) && !defined(DRAVOLINT_BUILD)", n);
    out.Line("#define DRAVOLINT_BUILD");
    out.Line("#endif");
}

void WritePrototypes(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    out.Line("/* Every function returns DRAVOLINT_OK (0) or a negative DRAVOLINT_E_ status (dravolint.h). */");
    out.Line();
    for (const PacketLayout& packet : layout.packets)
    {
        const char* q = packet.name.c_str();
        std::string type = PacketStruct(layout, packet);
        out.Linef("/* Encodes packet %s into buf (capacity bytes); fills the header's packet type and", q);
        out.Line(" * length roles in *packet first. *length receives the bytes written. */");
        out.Linef("%s_API int %s_encode_%s(%s *packet, unsigned char *buf, size_t capacity, size_t *length);", n, n, q,
                  type.c_str());
        out.Linef("/* Encodes packet %s and sends it: all bytes over TCP, one datagram over UDP. */", q);
        out.Linef("%s_API int %s_send_%s(dravolint_socket *sock, %s *packet);", n, n, q, type.c_str());
        out.Line();
    }
    out.Line("/* Decodes exactly one packet from the length bytes at buf into *packet. */");
    out.Linef("%s_API int %s_decode(const unsigned char *buf, size_t length, %s *packet);", n, n,
              UnionStruct(layout).c_str());
    out.Line("/* Receives one packet: over TCP reads the header, then exactly the bytes its length");
    out.Line(" * roles announce; over UDP takes one datagram. After a failure over TCP the stream's");
    out.Line(" * position is lost: close the connection. */");
    out.Linef("%s_API int %s_recv(dravolint_socket *sock, %s *packet);", n, n, UnionStruct(layout).c_str());
    out.Line("/* Prints the packet's name and every field with its value, one per line. */");
    out.Linef("%s_API int %s_print(FILE *out, const %s *packet);", n, n, UnionStruct(layout).c_str());
}

}  // namespace

void WriteApiHeader(const ProtocolLayout& layout, CodeText& out)
{
    std::string guard = layout.name + "_API_H";
    out.Linef("/* %s_api.h: encode, send, receive, decode and print the packets of the %s protocol.",
              layout.name.c_str(), layout.name.c_str());
    out.Line(" *");
    out.Line(" * Generated by Kestova. Wire format: the header, then the packet's fields in order;");
    out.Line(" * integers big-endian; a run of bit fields packed most significant bit first into");
    out.Line(" * whole bytes; texts as their comments say; TLV fields last, as tag, length and value,");
    out.Line(" * in any order. Decoders check every length and count against the bytes received,");
    out.Line(" * the maxima below and the header's length roles. */");
    out.Line("#ifndef " + guard);
    out.Line("#define " + guard);
    out.Line();
    out.Line("#include <stddef.h>");
    out.Line("#include <stdint.h>");
    out.Line("#include <stdio.h>");
    out.Line();
    WriteRuntimeDllMacros(layout, out);
    out.Line("#include \"dravolint.h\"");
    out.Line();
    out.Line("#ifdef __cplusplus");
    out.Line("extern \"C\" {");
    out.Line("#endif");
    out.Line();
    WriteExportMacro(layout, out);
    out.Line();
    WriteConstants(layout, out);
    out.Line();
    WriteStructs(layout, out);
    out.Line();
    WritePrototypes(layout, out);
    out.Line();
    out.Line("#ifdef __cplusplus");
    out.Line("}");
    out.Line("#endif");
    out.Line();
    out.Line("#endif");
}

}  // namespace codegen
