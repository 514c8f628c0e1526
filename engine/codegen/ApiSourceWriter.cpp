// ApiSourceWriter.cpp: writes <name>_api.c: encoders, decoders, transport and printing of every packet.
#include "FixedRunWriter.h"
#include "Writers.h"

#include <utility>
#include <vector>

namespace codegen
{

namespace
{

typedef unsigned long long ull;

// The text helpers a protocol needs; only those are written, so the
// generated file has no unused static function.
struct Helpers
{
    bool fixed = false;
    bool zero = false;
    bool putSized = false;  // TLV texts read with the sized helper but write their own
    bool getSized = false;
    bool clamp = false;
    bool text = false;

    void Note(const FieldLayout& field)
    {
        if (field.IsTlvText())
        {
            getSized = text = true;
            return;
        }
        if (!field.IsText())
            return;
        text = true;
        fixed = fixed || field.end == TextEnd::Fixed;
        zero = zero || field.end == TextEnd::Zero;
        bool related = field.end == TextEnd::Related || field.end == TextEnd::RelatedZero;
        putSized = putSized || related;
        getSized = getSized || related;
        clamp = clamp || related || field.countField >= 0;
    }
};

Helpers HelpersOf(const ProtocolLayout& layout)
{
    Helpers helpers;
    for (const FieldLayout& field : layout.header.fields)
        helpers.Note(field);
    for (const PacketLayout& packet : layout.packets)
        for (const FieldLayout& field : packet.body.fields)
            helpers.Note(field);
    return helpers;
}

std::string PutCall(unsigned bytes) { return Format("dravolint_put_u%u", bytes * 8); }
std::string GetCall(unsigned bytes, bool isSigned)
{
    return Format("dravolint_get_%c%u", isSigned ? 's' : 'u', bytes * 8);
}
std::string UnsignedType(unsigned bytes) { return Format("uint%u_t", bytes * 8); }

std::string Member(const FieldLayout& field) { return "p->" + field.name; }

// The condition under which a related value exceeds max, or "" when its
// type cannot hold such a value (a written test would be always false).
std::string OutOfRange(const FieldLayout& related, ull max)
{
    std::string test;
    if (related.isSigned)
        test = Member(related) + " < 0";
    if (related.MaxValue() > max)
        test += (test.empty() ? "" : " || ") + Format("(uint64_t)%s > %lluu", Member(related).c_str(), max);
    return test;
}

// One step that returns from the generated function when it fails.
void Try(CodeText& out, const std::string& project, const std::string& call, bool indented = false)
{
    out.Line((indented ? "\t" : "") + project + "_TRY(" + call + ");");
}

bool IsRelated(TextEnd end) { return end == TextEnd::Related || end == TextEnd::RelatedZero; }
bool EndsWithZero(TextEnd end) { return end == TextEnd::Zero || end == TextEnd::RelatedZero; }

class ListWriter
{
public:
    ListWriter(const ProtocolLayout& layout, const ListLayout& list, std::string suffix, std::string type,
               std::string label)
        : layout_(layout), list_(list), suffix_(std::move(suffix)), type_(std::move(type)), label_(std::move(label)),
          n_(layout.name)
    {
    }

    void WritePut(CodeText& out) const
    {
        out.Linef("static int %s_put_%s(dravolint_writer *w, const %s *p)", n_.c_str(), suffix_.c_str(), type_.c_str());
        out.Open("");
        DeclareIndex(out);
        VoidIfEmpty(out, "w");
        WriteFields(true, out);
        for (const FieldLayout& field : list_.fields)
            if (field.kind == FieldKind::Tlv)
                PutTlv(field, out);
        out.Line("return DRAVOLINT_OK;");
        out.Close();
    }

    void WriteGet(CodeText& out) const
    {
        if (list_.hasTlv)
            WriteGetTlv(out);
        out.Linef("static int %s_get_%s(dravolint_reader *r, %s *p)", n_.c_str(), suffix_.c_str(), type_.c_str());
        out.Open("");
        DeclareIndex(out);
        if (HasBits())
            out.Line("uint32_t bits;");
        VoidIfEmpty(out, "r");
        WriteFields(false, out);
        if (list_.hasTlv)
            Try(out, n_, Format("%s_get_tlv_%s(r, p)", n_.c_str(), suffix_.c_str()));
        out.Line("return DRAVOLINT_OK;");
        out.Close();
    }

    void WritePrint(CodeText& out) const
    {
        out.Linef("static void %s_print_%s(FILE *out, const %s *p)", n_.c_str(), suffix_.c_str(), type_.c_str());
        out.Open("");
        DeclareIndex(out);
        VoidIfEmpty(out, "out");
        for (const FieldLayout& field : list_.fields)
            PrintField(field, out);
        out.Close();
    }

private:
    // Each run of fixed-size fields is checked once and moved in straight
    // lines, falling back to the per-field path that reports what failed; the
    // other fields take the per-field path. TLV fields follow on their own.
    void WriteFields(bool put, CodeText& out) const
    {
        std::vector<FixedRun> runs = FindFixedRuns(list_);
        std::size_t next = 0;
        for (std::size_t i = 0; i < list_.fields.size(); ++i)
        {
            if (list_.fields[i].kind == FieldKind::Tlv)
                continue;
            if (next < runs.size() && runs[next].fields.front() == static_cast<int>(i))
            {
                WriteRun(runs[next], put, out);
                i = static_cast<std::size_t>(runs[next++].fields.back());
                continue;
            }
            WriteField(list_.fields[i], put, out);
        }
    }

    void WriteRun(const FixedRun& run, bool put, CodeText& out) const
    {
        FixedRunWriter writer(list_, run);
        out.Open("if (" + (put ? writer.PutCondition() : writer.GetCondition()) + ")");
        if (put)
            writer.WritePut(out);
        else
            writer.WriteGet(out);
        out.Close("} else {");
        out.Indent();
        for (int index : run.fields)
            WriteField(list_.fields[index], put, out);
        out.Close();
    }

    void WriteField(const FieldLayout& field, bool put, CodeText& out) const
    {
        if (put)
            PutField(field, out);
        else
            GetField(field, out);
    }

    bool HasBits() const
    {
        for (const FieldLayout& field : list_.fields)
            if (field.kind == FieldKind::Bits)
                return true;
        return false;
    }

    void DeclareIndex(CodeText& out) const
    {
        for (const FieldLayout& field : list_.fields)
            if (field.kind == FieldKind::TextArray)
            {
                out.Line("size_t i;");
                return;
            }
    }

    void VoidIfEmpty(CodeText& out, const char* other) const
    {
        if (!list_.fields.empty())
            return;
        out.Linef("(void)%s;", other);
        out.Line("(void)p;");
    }

    std::string Count(const FieldLayout& field) const
    {
        if (field.countField < 0)
            return Format("%lluu", static_cast<ull>(field.maxCount));
        return "(size_t)" + Member(list_.fields[field.countField]);
    }

    // DRAVOLINT_E_RANGE when the related field at index exceeds max.
    void CheckRelated(int index, ull max, CodeText& out) const
    {
        if (index < 0)
            return;
        std::string test = OutOfRange(list_.fields[index], max);
        if (test.empty())
            return;
        out.Linef("if (%s)", test.c_str());
        out.Line("\treturn DRAVOLINT_E_RANGE;");
    }

    // The helper call for one text, element or whole.
    std::string TextCall(const FieldLayout& field, const char* verb, const std::string& text) const
    {
        const char* stream = verb[0] == 'p' ? "w" : "r";
        ull max = field.maxLength;
        if (field.end == TextEnd::Fixed)
            return Format("%s_%s_fixed(%s, %s, %lluu)", n_.c_str(), verb, stream, text.c_str(), max);
        if (field.end == TextEnd::Zero)
            return Format("%s_%s_zero_ended(%s, %s, %lluu)", n_.c_str(), verb, stream, text.c_str(), max);
        return Format("%s_%s_sized(%s, %s, (uint64_t)%s, %lluu, %d)", n_.c_str(), verb, stream, text.c_str(),
                      Member(list_.fields[field.lengthField]).c_str(), max, EndsWithZero(field.end) ? 1 : 0);
    }

    void TextField(const FieldLayout& field, const char* verb, CodeText& out) const
    {
        if (field.kind == FieldKind::Text)
        {
            Try(out, n_, TextCall(field, verb, Member(field)));
            return;
        }
        CheckRelated(field.countField, field.maxCount, out);
        // Checked here too, as no text of an empty run would check it.
        CheckRelated(field.lengthField, field.maxLength, out);
        out.Open("for (i = 0; i < " + Count(field) + "; ++i)");
        Try(out, n_, TextCall(field, verb, Member(field) + "[i]"));
        out.Close();
    }

    void PutField(const FieldLayout& field, CodeText& out) const
    {
        const char* m = field.name.c_str();
        if (field.kind == FieldKind::Integer)
        {
            std::string value =
                field.isSigned ? "(" + UnsignedType(field.bytes) + ")p->" + field.name : "p->" + field.name;
            Try(out, n_, Format("%s(w, %s)", PutCall(field.bytes).c_str(), value.c_str()));
        }
        else if (field.kind == FieldKind::Bits)
        {
            Try(out, n_, Format("dravolint_put_bits(w, p->%s, %u)", m, field.bits));
            if (field.lastBitOfRun)
                Try(out, n_, "dravolint_put_align(w)");
        }
        else
        {
            TextField(field, "put", out);
        }
    }

    void GetField(const FieldLayout& field, CodeText& out) const
    {
        const char* m = field.name.c_str();
        if (field.kind == FieldKind::Integer)
        {
            Try(out, n_, Format("%s(r, &p->%s)", GetCall(field.bytes, field.isSigned).c_str(), m));
        }
        else if (field.kind == FieldKind::Bits)
        {
            Try(out, n_, Format("dravolint_get_bits(r, &bits, %u)", field.bits));
            out.Linef("p->%s = (%s)bits;", m, CTypeOf(field));
            if (field.lastBitOfRun)
                Try(out, n_, "dravolint_get_align(r)");
        }
        else
        {
            TextField(field, "get", out);
        }
    }

    unsigned TagBytes() const { return static_cast<unsigned>(DataTypeByteWidth(layout_.tlvTagType)); }
    unsigned LengthBytes() const { return static_cast<unsigned>(DataTypeByteWidth(layout_.tlvLengthType)); }

    void PutTlv(const FieldLayout& field, CodeText& out) const
    {
        const char* m = field.name.c_str();
        out.Open(Format("if (p->has_%s)", m));
        std::string length = Format("%uu", field.bytes);
        if (field.IsTlvText())
        {
            out.Linef("size_t n = dravolint_strnlen(p->%s, %lluu);", m, static_cast<ull>(field.maxLength));
            length = "n";
        }
        Try(out, n_,
            Format("%s(w, (%s)0x%Xu)", PutCall(TagBytes()).c_str(), UnsignedType(TagBytes()).c_str(), field.tag));
        Try(out, n_,
            Format("%s(w, (%s)%s)", PutCall(LengthBytes()).c_str(), UnsignedType(LengthBytes()).c_str(),
                   length.c_str()));
        if (field.IsTlvText())
            Try(out, n_, Format("dravolint_put_bytes(w, p->%s, n)", m));
        else if (field.isSigned)
            Try(out, n_,
                Format("%s(w, (%s)p->%s)", PutCall(field.bytes).c_str(), UnsignedType(field.bytes).c_str(), m));
        else
            Try(out, n_, Format("%s(w, p->%s)", PutCall(field.bytes).c_str(), m));
        out.Close();
    }

    void WriteGetTlv(CodeText& out) const
    {
        out.Line("/* TLV fields run to the end of the packet; unknown tags are skipped. */");
        out.Linef("static int %s_get_tlv_%s(dravolint_reader *r, %s *p)", n_.c_str(), suffix_.c_str(), type_.c_str());
        out.Open("");
        out.Open("while (dravolint_remaining(r) > 0)");
        out.Linef("%s tag;", UnsignedType(TagBytes()).c_str());
        out.Linef("%s length;", UnsignedType(LengthBytes()).c_str());
        Try(out, n_, Format("%s(r, &tag)", GetCall(TagBytes(), false).c_str()));
        Try(out, n_, Format("%s(r, &length)", GetCall(LengthBytes(), false).c_str()));
        out.Line("if ((uint64_t)length > (uint64_t)dravolint_remaining(r))");
        out.Line("\treturn DRAVOLINT_E_TRUNCATED;");
        out.Line("switch (tag) {");
        for (const FieldLayout& field : list_.fields)
            if (field.kind == FieldKind::Tlv)
                GetTlvCase(field, out);
        out.Line("default:");
        Try(out, n_, "dravolint_skip(r, (size_t)length)", true);
        out.Line("\tbreak;");
        out.Line("}");
        out.Close();
        out.Line("return DRAVOLINT_OK;");
        out.Close();
        out.Line();
    }

    void GetTlvCase(const FieldLayout& field, CodeText& out) const
    {
        const char* m = field.name.c_str();
        out.Linef("case 0x%Xu:", field.tag);
        out.Indent();
        if (field.IsTlvText())
        {
            out.Linef("if (p->has_%s)", m);
            out.Line("\treturn DRAVOLINT_E_FORMAT;");
            Try(out, n_,
                Format("%s_get_sized(r, p->%s, (uint64_t)length, %lluu, 0)", n_.c_str(), m,
                       static_cast<ull>(field.maxLength)));
        }
        else
        {
            out.Linef("if (p->has_%s || (uint64_t)length != %uu)", m, field.bytes);
            out.Line("\treturn DRAVOLINT_E_FORMAT;");
            Try(out, n_, Format("%s(r, &p->%s)", GetCall(field.bytes, field.isSigned).c_str(), m));
        }
        out.Linef("p->has_%s = 1;", m);
        out.Line("break;");
        out.Outdent();
    }

    std::string TextLength(const FieldLayout& field, const std::string& text) const
    {
        ull max = field.maxLength;
        if (IsRelated(field.end) && !field.IsTlvText())
            return Format("%s_clamp((uint64_t)%s, %lluu)", n_.c_str(), Member(list_.fields[field.lengthField]).c_str(),
                          max);
        return Format("dravolint_strnlen(%s, %lluu)", text.c_str(), max);
    }

    void PrintValue(const FieldLayout& field, CodeText& out) const
    {
        std::string label = label_ + field.name;
        if (field.IsText() || field.IsTlvText())
        {
            out.Linef("%s_print_text(out, \"%s\", -1, p->%s, %s);", n_.c_str(), label.c_str(), field.name.c_str(),
                      TextLength(field, Member(field)).c_str());
        }
        else if (field.isSigned)
        {
            out.Line("fprintf(out, \"\\t" + label + " = %\" PRId64 \"\\n\", (int64_t)p->" + field.name + ");");
        }
        else
        {
            out.Line("fprintf(out, \"\\t" + label + " = %\" PRIu64 \"\\n\", (uint64_t)p->" + field.name + ");");
        }
    }

    void PrintField(const FieldLayout& field, CodeText& out) const
    {
        if (field.kind == FieldKind::TextArray)
        {
            std::string count = field.countField < 0 ? Count(field)
                                                     : Format("%s_clamp((uint64_t)%s, %lluu)", n_.c_str(),
                                                              Member(list_.fields[field.countField]).c_str(),
                                                              static_cast<ull>(field.maxCount));
            out.Line("for (i = 0; i < " + count + "; ++i)");
            out.Linef("\t%s_print_text(out, \"%s%s\", (long)i, p->%s[i], %s);", n_.c_str(), label_.c_str(),
                      field.name.c_str(), field.name.c_str(), TextLength(field, Member(field) + "[i]").c_str());
            return;
        }
        if (field.kind != FieldKind::Tlv)
        {
            PrintValue(field, out);
            return;
        }
        out.Open("if (p->has_" + field.name + ")");
        PrintValue(field, out);
        out.Close("} else {");
        out.Indent();
        out.Line("fputs(\"\\t" + label_ + field.name + " = (absent)\\n\", out);");
        out.Close();
    }

    const ProtocolLayout& layout_;
    const ListLayout& list_;
    std::string suffix_;  // "header" or the packet's name
    std::string type_;    // the struct's name
    std::string label_;   // printed before each field's name
    std::string n_;       // the project's name
};

void WriteTextHelpers(const ProtocolLayout& layout, const Helpers& helpers, CodeText& out)
{
    const char* n = layout.name.c_str();
    if (helpers.fixed)
    {
        out.Line("/* A fixed text: its bytes up to the first 0, padded with 0 to exactly max bytes. */");
        out.Linef("static int %s_put_fixed(dravolint_writer *w, const char *text, size_t max)", n);
        out.Open("");
        out.Line("size_t length = dravolint_strnlen(text, max);");
        Try(out, layout.name, "dravolint_put_bytes(w, text, length)");
        out.Line("return dravolint_put_zeros(w, max - length);");
        out.Close();
        out.Line();
        out.Linef("static int %s_get_fixed(dravolint_reader *r, char *text, size_t max)", n);
        out.Open("");
        Try(out, layout.name, "dravolint_get_bytes(r, text, max)");
        out.Line("text[max] = '\\0';");
        out.Line("return DRAVOLINT_OK;");
        out.Close();
        out.Line();
    }
    if (helpers.zero)
    {
        out.Line("/* A text that ends at a 0 byte. */");
        out.Linef("static int %s_put_zero_ended(dravolint_writer *w, const char *text, size_t max)", n);
        out.Open("");
        Try(out, layout.name, "dravolint_put_bytes(w, text, dravolint_strnlen(text, max))");
        out.Line("return dravolint_put_u8(w, 0);");
        out.Close();
        out.Line();
        out.Linef("static int %s_get_zero_ended(dravolint_reader *r, char *text, size_t max)", n);
        out.Open("");
        out.Line("return dravolint_get_terminated(r, text, max + 1, NULL);");
        out.Close();
        out.Line();
    }
    if (helpers.putSized || helpers.getSized)
        out.Line("/* A text whose length another field gives, with a 0 byte after it when zero is set. */");
    if (helpers.putSized)
    {
        out.Linef(
            "static int %s_put_sized(dravolint_writer *w, const char *text, uint64_t length, size_t max, int zero)", n);
        out.Open("");
        out.Line("if (length > max)");
        out.Line("\treturn DRAVOLINT_E_RANGE;");
        Try(out, layout.name, "dravolint_put_bytes(w, text, (size_t)length)");
        out.Line("return zero ? dravolint_put_u8(w, 0) : DRAVOLINT_OK;");
        out.Close();
        out.Line();
    }
    if (helpers.getSized)
    {
        out.Linef("static int %s_get_sized(dravolint_reader *r, char *text, uint64_t length, size_t max, int zero)", n);
        out.Open("");
        out.Line("uint8_t end = 0;");
        out.Line("if (length > max)");
        out.Line("\treturn DRAVOLINT_E_RANGE;");
        Try(out, layout.name, "dravolint_get_bytes(r, text, (size_t)length)");
        out.Line("text[length] = '\\0';");
        out.Line("if (zero)");
        Try(out, layout.name, "dravolint_get_u8(r, &end)", true);
        out.Line("return end == 0 ? DRAVOLINT_OK : DRAVOLINT_E_FORMAT;");
        out.Close();
        out.Line();
    }
}

void WritePrintHelpers(const ProtocolLayout& layout, const Helpers& helpers, CodeText& out)
{
    const char* n = layout.name.c_str();
    if (helpers.clamp)
    {
        out.Line("/* A count or length for printing, never beyond its array. */");
        out.Linef("static size_t %s_clamp(uint64_t value, size_t max)", n);
        out.Open("");
        out.Line("return value < max ? (size_t)value : max;");
        out.Close();
        out.Line();
    }
    if (!helpers.text)
        return;
    out.Line("/* A text in double quotes; bytes outside printable ASCII as \\xNN. */");
    out.Linef("static void %s_print_text(FILE *out, const char *label, long index, const char *text, size_t length)",
              n);
    out.Open("");
    out.Line("size_t i;");
    out.Line("if (index < 0)");
    out.Line("\tfprintf(out, \"\\t%s = \\\"\", label);");
    out.Line("else");
    out.Line("\tfprintf(out, \"\\t%s[%ld] = \\\"\", label, index);");
    out.Open("for (i = 0; i < length; ++i)");
    out.Line("unsigned char c = (unsigned char)text[i];");
    out.Line("if (c == '\"' || c == '\\\\')");
    out.Line("\tfprintf(out, \"\\\\%c\", c);");
    out.Line("else if (c >= 32 && c < 127)");
    out.Line("\tfputc(c, out);");
    out.Line("else");
    out.Line("\tfprintf(out, \"\\\\x%02x\", c);");
    out.Close();
    out.Line("fputs(\"\\\"\\n\", out);");
    out.Close();
    out.Line();
}

std::string HeaderMember(const ProtocolLayout& layout, int index) { return layout.header.fields[index].name; }

// Writes the type and length roles before the header is encoded.
void WriteFillRoles(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    bool anyRole = layout.typeField >= 0 || layout.headerLengthField >= 0 || layout.HasLengthRole();
    out.Linef("static int %s_fill_roles(%s *h, uint32_t type, size_t body)", n, HeaderStruct(layout).c_str());
    out.Open("");
    if (!anyRole)
        out.Line("(void)h;");
    if (layout.typeField < 0)
        out.Line("(void)type;");
    if (!layout.HasLengthRole())
        out.Line("(void)body;");
    if (layout.typeField >= 0)
        out.Linef("h->%s = (%s)type;", HeaderMember(layout, layout.typeField).c_str(),
                  CTypeOf(layout.header.fields[layout.typeField]));
    if (layout.headerLengthField >= 0)
        out.Linef("h->%s = (%s)%s_HEADER_SIZE;", HeaderMember(layout, layout.headerLengthField).c_str(),
                  CTypeOf(layout.header.fields[layout.headerLengthField]), n);
    std::pair<int, std::string> lengths[] = {{layout.bodyLengthField, "body"},
                                             {layout.totalLengthField, Format("(%s_HEADER_SIZE + body)", n)}};
    for (const auto& length : lengths)
    {
        if (length.first < 0)
            continue;
        const FieldLayout& field = layout.header.fields[length.first];
        if (field.MaxValue() < layout.maxPacketBytes)
        {
            out.Linef("if ((uint64_t)%s > %lluu)", length.second.c_str(), static_cast<ull>(field.MaxValue()));
            out.Line("\treturn DRAVOLINT_E_RANGE;");
        }
        out.Linef("h->%s = (%s)%s;", field.name.c_str(), CTypeOf(field), length.second.c_str());
    }
    out.Line("return DRAVOLINT_OK;");
    out.Close();
    out.Line();
}

// Where the packet ends, from its length roles, checked against the bytes present.
void WritePacketEnd(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    out.Linef("static int %s_packet_end(const %s *h, size_t length, size_t *end)", n, HeaderStruct(layout).c_str());
    out.Open("");
    if (layout.headerLengthField < 0 && !layout.HasLengthRole())
        out.Line("(void)h;");
    out.Line("*end = length;");
    if (layout.headerLengthField >= 0)
    {
        out.Linef("if ((uint64_t)h->%s != %s_HEADER_SIZE)", HeaderMember(layout, layout.headerLengthField).c_str(), n);
        out.Line("\treturn DRAVOLINT_E_LENGTH;");
    }
    if (layout.totalLengthField >= 0)
    {
        std::string total = "(uint64_t)h->" + HeaderMember(layout, layout.totalLengthField);
        out.Linef("if (%s < %s_HEADER_SIZE)", total.c_str(), n);
        out.Line("\treturn DRAVOLINT_E_LENGTH;");
        out.Linef("if (%s > length)", total.c_str());
        out.Line("\treturn DRAVOLINT_E_TRUNCATED;");
        out.Linef("*end = (size_t)h->%s;", HeaderMember(layout, layout.totalLengthField).c_str());
    }
    if (layout.bodyLengthField >= 0)
    {
        std::string body = "(uint64_t)h->" + HeaderMember(layout, layout.bodyLengthField);
        if (layout.totalLengthField >= 0)
        {
            out.Linef("if (%s != *end - %s_HEADER_SIZE)", body.c_str(), n);
            out.Line("\treturn DRAVOLINT_E_LENGTH;");
        }
        else
        {
            out.Linef("if (%s > length - %s_HEADER_SIZE)", body.c_str(), n);
            out.Line("\treturn DRAVOLINT_E_TRUNCATED;");
            out.Linef("*end = %s_HEADER_SIZE + (size_t)h->%s;", n,
                      HeaderMember(layout, layout.bodyLengthField).c_str());
        }
    }
    out.Line("return DRAVOLINT_OK;");
    out.Close();
    out.Line();
}

void WriteEncoders(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    for (const PacketLayout& packet : layout.packets)
    {
        const char* q = packet.name.c_str();
        std::string type = PacketStruct(layout, packet);
        out.Linef("int %s_encode_%s(%s *packet, unsigned char *buf, size_t capacity, size_t *length)", n, q,
                  type.c_str());
        out.Open("");
        out.Line("dravolint_writer w;");
        out.Line("size_t body;");
        out.Line("if (packet == NULL || buf == NULL || length == NULL)");
        out.Line("\treturn DRAVOLINT_E_ARGUMENT;");
        out.Line("*length = 0;");
        // Without a header the test would compare an unsigned value with 0.
        if (layout.header.maxBytes > 0)
        {
            out.Linef("if (capacity < %s_HEADER_SIZE)", n);
            out.Line("\treturn DRAVOLINT_E_SPACE;");
        }
        out.Line("/* The body first: the header's length roles depend on it. */");
        out.Linef("dravolint_writer_init(&w, buf + %s_HEADER_SIZE, capacity - %s_HEADER_SIZE);", n, n);
        Try(out, layout.name, Format("%s_put_%s(&w, packet)", n, q));
        out.Line("body = w.position;");
        Try(out, layout.name,
            Format("%s_fill_roles(&packet->header, %s, body)", n, TypeConstant(layout, packet).c_str()));
        out.Linef("dravolint_writer_init(&w, buf, %s_HEADER_SIZE);", n);
        Try(out, layout.name, Format("%s_put_header(&w, &packet->header)", n));
        out.Linef("*length = %s_HEADER_SIZE + body;", n);
        out.Line("return DRAVOLINT_OK;");
        out.Close();
        out.Line();
        out.Linef("int %s_send_%s(dravolint_socket *sock, %s *packet)", n, q, type.c_str());
        out.Open("");
        out.Line("unsigned char *buf;");
        out.Line("size_t length = 0;");
        out.Line("int status;");
        out.Line("if (sock == NULL || packet == NULL)");
        out.Line("\treturn DRAVOLINT_E_ARGUMENT;");
        out.Linef("buf = (unsigned char *)malloc(%s_MAX_PACKET_SIZE);", n);
        out.Line("if (buf == NULL)");
        out.Line("\treturn DRAVOLINT_E_MEMORY;");
        out.Linef("status = %s_encode_%s(packet, buf, %s_MAX_PACKET_SIZE, &length);", n, q, n);
        out.Line("if (status == DRAVOLINT_OK)");
        out.Line("\tstatus = dravolint_send_all(sock, buf, length);");
        out.Line("free(buf);");
        out.Line("return status;");
        out.Close();
        out.Line();
    }
}

// The switch over the header's packet type, or the only packet when the header has none.
void WriteDispatch(const ProtocolLayout& layout, CodeText& out, const std::string& subject,
                   void (*body)(const ProtocolLayout&, const PacketLayout&, CodeText&))
{
    if (layout.typeField < 0)
    {
        body(layout, layout.packets.front(), out);
        return;
    }
    out.Line("switch (" + subject + ") {");
    for (const PacketLayout& packet : layout.packets)
    {
        out.Line("case " + TypeConstant(layout, packet) + ":");
        out.Indent();
        body(layout, packet, out);
        out.Line("break;");
        out.Outdent();
    }
    out.Line("default:");
    out.Line("\treturn DRAVOLINT_E_TYPE;");
    out.Line("}");
}

void DecodeCase(const ProtocolLayout& layout, const PacketLayout& packet, CodeText& out)
{
    out.Line("packet->type = " + TypeConstant(layout, packet) + ";");
    out.Line("packet->as." + packet.name + ".header = header;");
    Try(out, layout.name,
        Format("%s_get_%s(&r, &packet->as.%s)", layout.name.c_str(), packet.name.c_str(), packet.name.c_str()));
}

void WriteDecode(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    out.Linef("int %s_decode(const unsigned char *buf, size_t length, %s *packet)", n, UnionStruct(layout).c_str());
    out.Open("");
    out.Line("dravolint_reader r;");
    out.Line(HeaderStruct(layout) + " header;");
    out.Line("size_t end;");
    out.Line("if (buf == NULL || packet == NULL)");
    out.Line("\treturn DRAVOLINT_E_ARGUMENT;");
    out.Line("memset(packet, 0, sizeof *packet);");
    out.Line("memset(&header, 0, sizeof header);");
    out.Line("dravolint_reader_init(&r, buf, length);");
    Try(out, layout.name, Format("%s_get_header(&r, &header)", n));
    Try(out, layout.name, Format("%s_packet_end(&header, length, &end)", n));
    out.Line("r.end = end;");
    std::string subject = layout.typeField >= 0 ? "header." + HeaderMember(layout, layout.typeField) : "";
    WriteDispatch(layout, out, subject, DecodeCase);
    out.Line("return dravolint_remaining(&r) == 0 && end == length ? DRAVOLINT_OK : DRAVOLINT_E_LENGTH;");
    out.Close();
    out.Line();
}

void FixedFrameCase(const ProtocolLayout& layout, const PacketLayout& packet, CodeText& out)
{
    out.Linef("*frame = %s_HEADER_SIZE + %lluu;", layout.name.c_str(), static_cast<ull>(packet.body.maxBytes));
}

// TCP: the whole packet's size from its header, before the body is read.
void WriteFrameLength(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    out.Linef("static int %s_frame_length(const unsigned char *head, size_t *frame)", n);
    out.Open("");
    out.Line("dravolint_reader r;");
    out.Line(HeaderStruct(layout) + " header;");
    out.Linef("dravolint_reader_init(&r, head, %s_HEADER_SIZE);", n);
    Try(out, layout.name, Format("%s_get_header(&r, &header)", n));
    if (layout.totalLengthField >= 0)
    {
        std::string total = "(uint64_t)header." + HeaderMember(layout, layout.totalLengthField);
        out.Linef("if (%s < %s_HEADER_SIZE || %s > %s_MAX_PACKET_SIZE)", total.c_str(), n, total.c_str(), n);
        out.Line("\treturn DRAVOLINT_E_LENGTH;");
        out.Linef("*frame = (size_t)header.%s;", HeaderMember(layout, layout.totalLengthField).c_str());
    }
    else if (layout.bodyLengthField >= 0)
    {
        std::string body = "(uint64_t)header." + HeaderMember(layout, layout.bodyLengthField);
        out.Linef("if (%s > %s_MAX_PACKET_SIZE - %s_HEADER_SIZE)", body.c_str(), n, n);
        out.Line("\treturn DRAVOLINT_E_LENGTH;");
        out.Linef("*frame = %s_HEADER_SIZE + (size_t)header.%s;", n,
                  HeaderMember(layout, layout.bodyLengthField).c_str());
    }
    else
    {
        std::string subject = layout.typeField >= 0 ? "header." + HeaderMember(layout, layout.typeField) : "";
        WriteDispatch(layout, out, subject, FixedFrameCase);
    }
    out.Line("return DRAVOLINT_OK;");
    out.Close();
    out.Line();
}

void WriteRecv(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    if (!layout.udp)
        WriteFrameLength(layout, out);
    out.Linef("int %s_recv(dravolint_socket *sock, %s *packet)", n, UnionStruct(layout).c_str());
    out.Open("");
    out.Line("unsigned char *buf;");
    out.Line("size_t length = 0;");
    out.Line("int status;");
    out.Line("if (sock == NULL || packet == NULL)");
    out.Line("\treturn DRAVOLINT_E_ARGUMENT;");
    if (layout.udp)
        out.Line("/* One byte more than the largest packet tells an oversized datagram apart. */");
    out.Linef("buf = (unsigned char *)malloc(%s_MAX_PACKET_SIZE%s);", n, layout.udp ? " + 1" : "");
    out.Line("if (buf == NULL)");
    out.Line("\treturn DRAVOLINT_E_MEMORY;");
    if (layout.udp)
    {
        out.Linef("status = dravolint_recv_datagram(sock, buf, %s_MAX_PACKET_SIZE + 1, &length);", n);
    }
    else
    {
        out.Linef("status = dravolint_recv_exact(sock, buf, %s_HEADER_SIZE);", n);
        out.Line("if (status == DRAVOLINT_OK)");
        out.Linef("\tstatus = %s_frame_length(buf, &length);", n);
        out.Line("if (status == DRAVOLINT_OK)");
        out.Linef("\tstatus = dravolint_recv_exact(sock, buf + %s_HEADER_SIZE, length - %s_HEADER_SIZE);", n, n);
    }
    out.Line("if (status == DRAVOLINT_OK)");
    out.Linef("\tstatus = %s_decode(buf, length, packet);", n);
    out.Line("free(buf);");
    out.Line("return status;");
    out.Close();
    out.Line();
}

void WritePrint(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    out.Linef("int %s_print(FILE *out, const %s *packet)", n, UnionStruct(layout).c_str());
    out.Open("");
    out.Line("if (out == NULL || packet == NULL)");
    out.Line("\treturn DRAVOLINT_E_ARGUMENT;");
    out.Line("switch (packet->type) {");
    for (const PacketLayout& packet : layout.packets)
    {
        const char* q = packet.name.c_str();
        out.Line("case " + TypeConstant(layout, packet) + ":");
        out.Indent();
        out.Linef("fputs(\"packet %s (type 0x%08X)\\n\", out);", q, packet.type);
        out.Linef("%s_print_header(out, &packet->as.%s.header);", n, q);
        out.Linef("%s_print_%s(out, &packet->as.%s);", n, q, q);
        out.Line("return DRAVOLINT_OK;");
        out.Outdent();
    }
    out.Line("default:");
    out.Line("\treturn DRAVOLINT_E_TYPE;");
    out.Line("}");
    out.Close();
}

}  // namespace

void WriteApiSource(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    out.Linef("/* %s_api.c: encoders, decoders, transport and printing of the %s protocol. Generated by Kestova. */", n,
              n);
    out.Linef("#include \"%s_api.h\"", n);
    out.Line();
    out.Line("#include <inttypes.h>");
    out.Line("#include <stdlib.h>");
    out.Line("#include <string.h>");
    out.Line();
    out.Line("/* Returns from the calling function on the first failed step. */");
    out.Linef(
        "#define %s_TRY(call) do { int status_ = (call); if (status_ != DRAVOLINT_OK) return status_; } while (0)", n);
    out.Line();
    Helpers helpers = HelpersOf(layout);
    WriteTextHelpers(layout, helpers, out);
    WritePrintHelpers(layout, helpers, out);
    std::vector<ListWriter> lists;
    lists.emplace_back(layout, layout.header, "header", HeaderStruct(layout), "header.");
    for (const PacketLayout& packet : layout.packets)
        lists.emplace_back(layout, packet.body, packet.name, PacketStruct(layout, packet), "");
    for (const ListWriter& list : lists)
    {
        list.WritePut(out);
        out.Line();
        list.WriteGet(out);
        out.Line();
        list.WritePrint(out);
        out.Line();
    }
    WriteFillRoles(layout, out);
    WritePacketEnd(layout, out);
    WriteEncoders(layout, out);
    WriteDecode(layout, out);
    WriteRecv(layout, out);
    WritePrint(layout, out);
}

}  // namespace codegen
