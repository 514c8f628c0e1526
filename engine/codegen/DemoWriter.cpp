// DemoWriter.cpp: writes <name>_api_demo.c: a server and a client that exchange every packet with sample values.
#include "Writers.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace codegen
{

namespace
{

typedef unsigned long long ull;

const int kSamples = 3;  // typical values, every maximum, every minimum

std::string IntegerLimit(const FieldLayout& field, bool maximum)
{
    if (!field.isSigned)
        return maximum ? Format("UINT%u_MAX", field.bytes * 8) : "0";
    return Format(maximum ? "INT%u_MAX" : "INT%u_MIN", field.bytes * 8);
}

// Writes the sample assignments of one list.
class SampleWriter
{
public:
    SampleWriter(const ListLayout& list, std::string project) : list_(list), n_(std::move(project)) {}

    // A value that fits the field and every text or count it gives.
    ull RelatedValue(const FieldLayout& field, int sample) const
    {
        ull limit = field.MaxValue();
        for (int index : field.lengthOf)
            limit = std::min<ull>(limit, list_.fields[index].maxLength);
        for (int index : field.countOf)
            limit = std::min<ull>(limit, list_.fields[index].maxCount);
        if (sample == 1)
            return limit;
        return sample == 0 ? std::min<ull>(limit, 3) : 0;
    }

    bool NeedsIndex() const
    {
        for (const FieldLayout& field : list_.fields)
            if (field.kind == FieldKind::TextArray)
                return true;
        return false;
    }

    // The statements of one sample; empty when the list has nothing to set.
    std::vector<std::string> Statements(int sample) const
    {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < list_.fields.size(); ++i)
            AddField(list_.fields[i], static_cast<unsigned>(i), sample, lines);
        return lines;
    }

private:
    std::string Fill(const std::string& text, ull length, const std::string& seed) const
    {
        return Format("%s_demo_fill(%s, %lluu, %s);", n_.c_str(), text.c_str(), length, seed.c_str());
    }

    ull TextLength(const FieldLayout& field, int sample) const
    {
        if (field.lengthField >= 0 && field.kind != FieldKind::Tlv)
            return RelatedValue(list_.fields[field.lengthField], sample);
        if (sample == 1)
            return field.maxLength;
        return sample == 0 ? std::min<ull>(field.maxLength, 5) : 0;
    }

    std::string IntegerValue(const FieldLayout& field, unsigned index, int sample) const
    {
        if (!field.lengthOf.empty() || !field.countOf.empty())
            return Format(field.isSigned ? "%llu" : "%lluu", RelatedValue(field, sample));
        if (sample == 0)
            return Format("%llu", std::min<ull>(index + 1, field.MaxValue()));
        if (field.kind == FieldKind::Bits)
            return sample == 1 ? Format("%lluu", static_cast<ull>(field.MaxValue())) : "0";
        return IntegerLimit(field, sample == 1);
    }

    void AddField(const FieldLayout& field, unsigned index, int sample, std::vector<std::string>& lines) const
    {
        std::string member = "p->" + field.name;
        std::string seed = Format("%uu", index + static_cast<unsigned>(sample));
        if (field.role != FIELD_NORMAL_DATA)
            return;
        switch (field.kind)
        {
        case FieldKind::Integer:
        case FieldKind::Bits:
            lines.push_back(member + " = " + IntegerValue(field, index, sample) + ";");
            break;
        case FieldKind::Text:
            lines.push_back(Fill(member, TextLength(field, sample), seed));
            break;
        case FieldKind::TextArray:
        {
            ull count = field.countField >= 0 ? RelatedValue(list_.fields[field.countField], sample)
                                              : static_cast<ull>(field.maxCount);
            if (count == 0)
                break;
            lines.push_back(Format("for (i = 0; i < %lluu; ++i)", count));
            lines.push_back("\t" + Fill(member + "[i]", TextLength(field, sample), seed + " + (unsigned)i"));
            break;
        }
        case FieldKind::Tlv:
            if (sample == 2)
                break;
            lines.push_back("p->has_" + field.name + " = 1;");
            if (field.IsTlvText())
                lines.push_back(Fill(member, TextLength(field, sample), seed));
            else
                lines.push_back(member + " = " + IntegerValue(field, index, sample) + ";");
            break;
        }
    }

    const ListLayout& list_;
    std::string n_;
};

void WriteSampleFunction(const ListLayout& list, const std::string& project, const std::string& name,
                         const std::string& type, const std::string& before, CodeText& out)
{
    SampleWriter writer(list, project);
    std::vector<std::string> samples[kSamples];
    bool any = false;
    for (int s = 0; s < kSamples; ++s)
    {
        samples[s] = writer.Statements(s);
        any = any || !samples[s].empty();
    }
    out.Line("static void " + name + "(" + type + " *p, int sample)");
    out.Open("");
    if (any && writer.NeedsIndex())
        out.Line("size_t i;");
    if (!before.empty())
        out.Line(before);
    if (!any)
    {
        out.Line("(void)p;");
        out.Line("(void)sample;");
        out.Close();
        out.Line();
        return;
    }
    static const char* const kCases[kSamples] = {"case 0: /* typical values */", "case 1: /* every maximum */",
                                                 "default: /* every minimum */"};
    out.Line("switch (sample) {");
    for (int s = 0; s < kSamples; ++s)
    {
        out.Line(kCases[s]);
        out.Indent();
        for (const std::string& line : samples[s])
            out.Line(line);
        out.Line("break;");
        out.Outdent();
    }
    out.Line("}");
    out.Close();
    out.Line();
}

// The samples fill every text, and only texts, with the fill helper.
bool HasTexts(const ProtocolLayout& layout)
{
    auto text = [](const FieldLayout& field) { return field.IsText() || field.IsTlvText(); };
    if (std::any_of(layout.header.fields.begin(), layout.header.fields.end(), text))
        return true;
    return std::any_of(layout.packets.begin(), layout.packets.end(),
                       [&](const PacketLayout& packet)
                       { return std::any_of(packet.body.fields.begin(), packet.body.fields.end(), text); });
}

void WriteFill(const ProtocolLayout& layout, CodeText& out)
{
    out.Line("/* Letters, so that every text kind can carry them. */");
    out.Linef("static void %s_demo_fill(char *text, size_t length, unsigned seed)", layout.name.c_str());
    out.Open("");
    out.Line("size_t i;");
    out.Line("for (i = 0; i < length; ++i)");
    out.Line("\ttext[i] = (char)('a' + (seed + i) % 26);");
    out.Line("text[length] = '\\0';");
    out.Close();
    out.Line();
}

void WriteSamples(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    if (HasTexts(layout))
        WriteFill(layout, out);
    // Packet names only ever follow "_sample_", so they cannot meet the demo's own names.
    WriteSampleFunction(layout.header, layout.name, layout.name + "_sample_header", HeaderStruct(layout), "", out);
    for (const PacketLayout& packet : layout.packets)
        WriteSampleFunction(packet.body, layout.name, layout.name + "_sample_" + packet.name,
                            PacketStruct(layout, packet), layout.name + "_sample_header(&p->header, sample);", out);
    out.Linef("/* Sample index: packet index / %s_DEMO_SAMPLES, sample index %% %s_DEMO_SAMPLES. */", n, n);
    out.Linef("static void %s_demo_sample(%s *packet, int index)", n, UnionStruct(layout).c_str());
    out.Open("");
    out.Linef("int sample = index %% %s_DEMO_SAMPLES;", n);
    out.Line("memset(packet, 0, sizeof *packet);");
    out.Linef("switch (index / %s_DEMO_SAMPLES) {", n);
    for (std::size_t i = 0; i < layout.packets.size(); ++i)
    {
        const PacketLayout& packet = layout.packets[i];
        out.Linef("case %u:", static_cast<unsigned>(i));
        out.Indent();
        out.Line("packet->type = " + TypeConstant(layout, packet) + ";");
        out.Linef("%s_sample_%s(&packet->as.%s, sample);", n, packet.name.c_str(), packet.name.c_str());
        out.Line("break;");
        out.Outdent();
    }
    out.Line("default:");
    out.Line("\tbreak;");
    out.Line("}");
    out.Close();
    out.Line();
}

// A switch over the packet's type calling <verb>_<packet> with the given arguments.
void WriteByType(const ProtocolLayout& layout, const char* verb, const char* arguments, CodeText& out)
{
    out.Line("switch (packet->type) {");
    for (const PacketLayout& packet : layout.packets)
    {
        out.Line("case " + TypeConstant(layout, packet) + ":");
        out.Linef("\treturn %s_%s_%s(%s&packet->as.%s%s);", layout.name.c_str(), verb, packet.name.c_str(),
                  verb[0] == 's' ? "sock, " : "", packet.name.c_str(), arguments);
    }
    out.Line("default:");
    out.Line("\treturn DRAVOLINT_E_TYPE;");
    out.Line("}");
}

void WriteExchange(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    std::string type = UnionStruct(layout);
    out.Linef("static int %s_demo_encode(%s *packet, unsigned char *buf, size_t capacity, size_t *length)", n,
              type.c_str());
    out.Open("");
    WriteByType(layout, "encode", ", buf, capacity, length", out);
    out.Close();
    out.Line();
    out.Linef("static int %s_demo_send(dravolint_socket *sock, %s *packet)", n, type.c_str());
    out.Open("");
    WriteByType(layout, "send", "", out);
    out.Close();
    out.Line();
    out.Line("/* Two packets are the same when they encode to the same bytes. */");
    out.Linef("static int %s_demo_same(%s *a, %s *b)", n, type.c_str(), type.c_str());
    out.Open("");
    out.Line("size_t left = 0, right = 0;");
    out.Linef("if (%s_demo_encode(a, %s_demo_left, sizeof %s_demo_left, &left) != DRAVOLINT_OK)", n, n, n);
    out.Line("\treturn 0;");
    out.Linef("if (%s_demo_encode(b, %s_demo_right, sizeof %s_demo_right, &right) != DRAVOLINT_OK)", n, n, n);
    out.Line("\treturn 0;");
    out.Linef("return a->type == b->type && left == right && memcmp(%s_demo_left, %s_demo_right, left) == 0;", n, n);
    out.Close();
    out.Line();
}

void WriteServer(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    out.Line("/* Receives, prints and checks every sample packet, and echoes each back. */");
    out.Linef("static int %s_demo_server(const char *address, unsigned short port)", n);
    out.Open("");
    out.Line(layout.udp ? "dravolint_socket listener;" : "dravolint_socket listener, peer;");
    out.Line("dravolint_socket *channel = &listener;");
    out.Line("int index, intact = 0;");
    out.Linef("int status = dravolint_listen(&listener, %s_PROTOCOL, address, port);", n);
    out.Open("if (status != DRAVOLINT_OK)");
    out.Line(
        "fprintf(stderr, \"server: cannot listen on port %u: %s\\n\", (unsigned)port, dravolint_status_text(status));");
    out.Line("return 1;");
    out.Close();
    out.Line("dravolint_local_port(&listener, &port);");
    out.Line("printf(\"listening on port %u\\n\", (unsigned)port);");
    out.Line("fflush(stdout);");
    out.Linef("dravolint_set_timeout(&listener, %s_DEMO_WAIT_MS);", n);
    if (!layout.udp)
    {
        out.Line("status = dravolint_accept(&listener, &peer);");
        out.Open("if (status != DRAVOLINT_OK)");
        out.Line("fprintf(stderr, \"server: no client: %s\\n\", dravolint_status_text(status));");
        out.Line("dravolint_close(&listener);");
        out.Line("return 1;");
        out.Close();
        out.Line("channel = &peer;");
    }
    out.Linef("for (index = 0; index < %s_DEMO_COUNT; ++index) {", n);
    out.Indent();
    out.Linef("status = %s_recv(channel, &%s_demo_received);", n, n);
    out.Open("if (status != DRAVOLINT_OK)");
    out.Line("printf(\"packet %d: %s\\n\", index, dravolint_status_text(status));");
    out.Line("break;");
    out.Close();
    out.Linef("%s_print(stdout, &%s_demo_received);", n, n);
    out.Linef("%s_demo_sample(&%s_demo_expected, index);", n, n);
    out.Linef("if (%s_demo_same(&%s_demo_expected, &%s_demo_received)) {", n, n, n);
    out.Line("\t++intact;");
    out.Line("\tprintf(\"packet %d intact\\n\", index);");
    out.Line("} else {");
    out.Line("\tprintf(\"packet %d differs from the sample\\n\", index);");
    out.Line("}");
    out.Linef("status = %s_demo_send(channel, &%s_demo_received);", n, n);
    out.Line("if (status != DRAVOLINT_OK)");
    out.Line("\tbreak;");
    out.Outdent();
    out.Line("}");
    if (!layout.udp)
        out.Line("dravolint_close(&peer);");
    out.Line("dravolint_close(&listener);");
    out.Linef("printf(\"server: %%d of %%d packets intact\\n\", intact, %s_DEMO_COUNT);", n);
    out.Linef("return intact == %s_DEMO_COUNT ? 0 : 1;", n);
    out.Close();
    out.Line();
}

void WriteClient(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    out.Line("/* Sends every sample packet and checks the echo of each. */");
    out.Linef("static int %s_demo_client(const char *host, unsigned short port)", n);
    out.Open("");
    out.Line("dravolint_socket sock;");
    out.Line("int index, intact = 0;");
    out.Linef("int status = dravolint_connect(&sock, %s_PROTOCOL, host, port);", n);
    out.Open("if (status != DRAVOLINT_OK)");
    out.Line("fprintf(stderr, \"client: cannot reach %s port %u: %s\\n\", host, (unsigned)port, "
             "dravolint_status_text(status));");
    out.Line("return 1;");
    out.Close();
    out.Linef("for (index = 0; index < %s_DEMO_COUNT; ++index) {", n);
    out.Indent();
    out.Linef("%s_demo_sample(&%s_demo_expected, index);", n, n);
    out.Linef("status = %s_demo_send(&sock, &%s_demo_expected);", n, n);
    out.Line("if (status == DRAVOLINT_OK)");
    out.Linef("\tstatus = %s_recv(&sock, &%s_demo_received);", n, n);
    out.Open("if (status != DRAVOLINT_OK)");
    out.Line("printf(\"packet %d: %s\\n\", index, dravolint_status_text(status));");
    out.Line("break;");
    out.Close();
    out.Linef("if (%s_demo_same(&%s_demo_expected, &%s_demo_received))", n, n, n);
    out.Line("\t++intact;");
    out.Line("else");
    out.Line("\tprintf(\"packet %d came back changed\\n\", index);");
    out.Outdent();
    out.Line("}");
    out.Line("dravolint_close(&sock);");
    out.Linef("printf(\"client: %%d of %%d packets intact\\n\", intact, %s_DEMO_COUNT);", n);
    out.Linef("return intact == %s_DEMO_COUNT ? 0 : 1;", n);
    out.Close();
    out.Line();
}

void WriteMain(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    out.Linef("static int %s_demo_port(const char *text, unsigned short *port)", n);
    out.Open("");
    out.Line("char *end;");
    out.Line("long value = strtol(text, &end, 10);");
    out.Line("if (end == text || *end != '\\0' || value < 0 || value > 65535)");
    out.Line("\treturn 0;");
    out.Line("*port = (unsigned short)value;");
    out.Line("return 1;");
    out.Close();
    out.Line();
    out.Line("int main(int argc, char **argv)");
    out.Open("");
    out.Line("unsigned short port = 0;");
    out.Line("int server, result;");
    out.Linef("server = argc >= 3 && argc <= 4 && strcmp(argv[1], \"server\") == 0 && %s_demo_port(argv[2], &port);",
              n);
    out.Linef("if (!server && !(argc == 4 && strcmp(argv[1], \"client\") == 0 && %s_demo_port(argv[3], &port))) {", n);
    out.Linef("\tfprintf(stderr, \"usage: %s_demo server PORT [ADDRESS]\\n       %s_demo client HOST PORT\\n\");", n,
              n);
    out.Line("\treturn 2;");
    out.Line("}");
    out.Open("if (dravolint_startup() != DRAVOLINT_OK)");
    out.Line("fprintf(stderr, \"the sockets cannot be started\\n\");");
    out.Line("return 1;");
    out.Close();
    out.Line("if (server)");
    out.Linef("\tresult = %s_demo_server(argc == 4 ? argv[3] : NULL, port);", n);
    out.Line("else");
    out.Linef("\tresult = %s_demo_client(argv[2], port);", n);
    out.Line("dravolint_cleanup();");
    out.Line("return result;");
    out.Close();
}

}  // namespace

void WriteDemo(const ProtocolLayout& layout, CodeText& out)
{
    const char* n = layout.name.c_str();
    out.Linef("/* %s_api_demo.c: demonstration of the %s protocol. Generated by Kestova.", n, n);
    out.Line(" *");
    out.Linef(" *   %s_demo server PORT [ADDRESS]   receives, prints and checks every sample packet", n);
    out.Linef(" *   %s_demo client HOST PORT        sends them and checks each echo", n);
    out.Line(" *");
    out.Line(" * Each exits 0 only when every packet arrived intact. Port 0 lets the server pick");
    out.Line(" * a free port, which it prints. */");
    out.Linef("#include \"%s_api.h\"", n);
    out.Line();
    out.Line("#include <stdlib.h>");
    out.Line("#include <string.h>");
    out.Line();
    out.Linef("#define %s_DEMO_SAMPLES %d", n, kSamples);
    out.Linef("#define %s_DEMO_COUNT (%s_DEMO_SAMPLES * %u)", n, n, static_cast<unsigned>(layout.packets.size()));
    out.Linef("#define %s_DEMO_WAIT_MS 30000 /* for the first client or datagram */", n);
    out.Line();
    out.Linef("static %s %s_demo_expected, %s_demo_received;", UnionStruct(layout).c_str(), n, n);
    // One byte to spare: a protocol whose packets are all empty would otherwise declare zero-size arrays.
    out.Linef("static unsigned char %s_demo_left[%s_MAX_PACKET_SIZE + 1], %s_demo_right[%s_MAX_PACKET_SIZE + 1];", n, n,
              n, n);
    out.Line();
    WriteSamples(layout, out);
    WriteExchange(layout, out);
    WriteServer(layout, out);
    WriteClient(layout, out);
    WriteMain(layout, out);
}

}  // namespace codegen
