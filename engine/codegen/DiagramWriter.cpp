// DiagramWriter.cpp: writes <name>.diagram, a plain-text table of the header's and every packet's layout.
#include "Writers.h"

namespace codegen
{

namespace
{

typedef unsigned long long ull;

// Where the next field starts: a byte and bit offset, and whether an
// earlier field of variable size makes it a minimum.
struct Offset
{
    ull byte = 0;
    unsigned bit = 0;
    bool variable = false;

    std::string Text() const
    {
        std::string text = bit != 0 ? Format("%llu.%u", byte, bit) : Format("%llu", byte);
        return variable ? text + "+" : text;
    }
};

std::string Range(ull low, ull high) { return low == high ? Format("%llu", low) : Format("%llu-%llu", low, high); }

std::string TypeText(const FieldLayout& field)
{
    static const char* const kEnds[] = {"fixed", "ends at 0", "sized", "sized, then 0"};
    switch (field.kind)
    {
    case FieldKind::Integer:
        return DataTypeName(field.dataType);
    case FieldKind::Bits:
        return "bit field";
    case FieldKind::Text:
        return std::string("char [] ") + kEnds[static_cast<int>(field.end)];
    case FieldKind::TextArray:
        return Format("char *, %llu of char [] ", static_cast<ull>(field.maxCount)) +
               kEnds[static_cast<int>(field.end)];
    case FieldKind::Tlv:
        return Format("TLV 0x%08X, ", field.tag) + DataTypeName(field.dataType);
    }
    return std::string();
}

std::string Relation(const ListLayout& list, const FieldLayout& field)
{
    std::string text;
    auto add = [&text](const std::string& part) { text += (text.empty() ? "" : "; ") + part; };
    if (field.lengthField >= 0)
        add("length from " + list.fields[field.lengthField].name);
    if (field.countField >= 0)
        add("count from " + list.fields[field.countField].name);
    for (int index : field.lengthOf)
        add("gives the length of " + list.fields[index].name);
    for (int index : field.countOf)
        add("gives the count of " + list.fields[index].name);
    return text;
}

void WriteRow(CodeText& out, const std::string& offset, const std::string& bits, const std::string& bytes,
              const std::string& name, const std::string& type, const std::string& role, const std::string& relation)
{
    std::string row = Format("%-9s %-11s %-11s %-26s %-44s %-13s %s", offset.c_str(), bits.c_str(), bytes.c_str(),
                             name.c_str(), type.c_str(), role.c_str(), relation.c_str());
    row.erase(row.find_last_not_of(' ') + 1);
    out.Line(row);
}

void WriteField(const ListLayout& list, const FieldLayout& field, Offset& at, CodeText& out)
{
    std::string role = FieldTypeName(field.role);
    if (field.kind == FieldKind::Bits)
    {
        std::string bytes = field.lastBitOfRun ? Format("%llu (run)", static_cast<ull>(field.maxBytes)) : "-";
        WriteRow(out, at.Text(), Format("%u", field.bits), bytes, field.name, TypeText(field), role,
                 Relation(list, field));
        at.byte += (at.bit + field.bits) / 8;
        at.bit = (at.bit + field.bits) % 8;
        if (field.lastBitOfRun && at.bit != 0)
        {
            ++at.byte;
            at.bit = 0;
        }
        return;
    }
    WriteRow(out, at.Text(), Range(field.minBytes * 8, field.maxBytes * 8), Range(field.minBytes, field.maxBytes),
             field.name, TypeText(field), role, Relation(list, field));
    at.byte += field.minBytes;
    at.variable = at.variable || field.minBytes != field.maxBytes;
}

void WriteList(const ListLayout& list, Offset at, CodeText& out)
{
    WriteRow(out, "offset", "bits", "bytes", "name", "type", "role", "length or count");
    for (const FieldLayout& field : list.fields)
        if (field.kind != FieldKind::Tlv)
            WriteField(list, field, at, out);
    if (!list.hasTlv)
        return;
    out.Line("TLV fields, in any order, up to the end of the packet:");
    at.variable = true;
    for (const FieldLayout& field : list.fields)
        if (field.kind == FieldKind::Tlv)
            WriteRow(out, at.Text(), Range(0, field.maxBytes * 8), Range(0, field.maxBytes), field.name,
                     TypeText(field), FieldTypeName(field.role), "");
}

}  // namespace

void WriteDiagram(const ProtocolLayout& layout, CodeText& out)
{
    out.Linef("Layout of the %s protocol over %s. Offsets and sizes in bytes unless marked bits;", layout.name.c_str(),
              layout.udp ? "UDP" : "TCP");
    out.Line("\"a.b\" is byte a, bit b (bit 0 is the most significant); \"n+\" follows a field of variable size.");
    out.Line("Integers are big-endian; a run of bit fields is padded with 0 bits to whole bytes.");
    if (layout.tlvTagType >= 0)
        out.Linef("A TLV field is its tag (%s), its length in bytes (%s) and its value.",
                  DataTypeName(layout.tlvTagType), DataTypeName(layout.tlvLengthType));
    out.Line();
    out.Linef("Header: %llu bytes", static_cast<ull>(layout.header.maxBytes));
    WriteList(layout.header, Offset(), out);
    for (const PacketLayout& packet : layout.packets)
    {
        ull low = layout.header.minBytes + packet.body.minBytes;
        ull high = layout.header.maxBytes + packet.body.maxBytes;
        out.Line();
        out.Linef("Packet %s, type 0x%08X: %s bytes with the header", packet.name.c_str(), packet.type,
                  Range(low, high).c_str());
        Offset at;
        at.byte = layout.header.maxBytes;
        WriteList(packet.body, at, out);
    }
}

}  // namespace codegen
