// FuzzDesigns.cpp: protocol designs read or built from a fuzzer's bytes.
#include "FuzzDesigns.h"

#include "model/FixedText.h"
#include "project/ProjectFile.h"
#include "xml/XmlLog.h"

namespace
{

void IgnoreLine(const char*) {}

const char* const kNames[] = {"a", "b", "len", "cnt", "kind", "", "int", "2x", "a_b", "Z9"};
const char* const kNumbers[] = {"",    "0",   "1",     "2",     "4",         "8",          "12", "31", "32",
                                "255", "300", "65535", "65536", "999999999", "1000000000", "x",  "-1"};
const char* const kDataTypes[] = {"unsigned int",
                                  "signed int",
                                  "signed char",
                                  "unsigned char",
                                  "signed short int",
                                  "unsigned short int",
                                  "signed int64",
                                  "unsigned int64",
                                  "char []",
                                  "char *",
                                  "long",
                                  ""};
const char* const kCodes[] = {"0x1", "0x01", "0xA", "0xB", "0xFFFFFFFF", "0x100", "0x", "1", "0x1G", "0x123456789"};

// Small values mostly, now and then one far out of range.
std::int32_t SmallNumber(ByteSource& in)
{
    const unsigned byte = in.Next();
    return byte >= 250 ? static_cast<std::int32_t>(byte * 0x1010101u) : static_cast<std::int32_t>(byte % 6);
}

FieldRecord MakeField(ByteSource& in)
{
    FieldRecord field;
    CopyFixedText(field.name, in.Pick(kNames));
    CopyFixedText(field.maxLength, in.Pick(kNumbers));
    CopyFixedText(field.maxCount, in.Pick(kNumbers));
    field.unit = SmallNumber(in) % 4;
    CopyFixedText(field.dataType, in.Pick(kDataTypes));
    CopyFixedText(field.tlvTag, in.Pick(kCodes));
    field.type = SmallNumber(in);
    CopyFixedText(field.relatedCountField, in.Pick(kNames));
    field.attribute = SmallNumber(in) % 3;
    field.variantWay = SmallNumber(in) % 4;
    CopyFixedText(field.relatedLengthField, in.Pick(kNames));
    return field;
}

void AddFields(ByteSource& in, FieldRecordArray* fields)
{
    for (unsigned count = in.Next() % 7; count > 0; --count)
        fields->Add(MakeField(in));
}

}  // namespace

ProjectRecord MakeDesign(ByteSource& in)
{
    ProjectRecord project;
    CopyFixedText(project.name, in.Next() % 8 == 0 ? "" : "P");
    project.targetPlatform = SmallNumber(in) % 3;
    project.basedProtocol = SmallNumber(in) % 3;
    project.libraryType = SmallNumber(in) % 3;
    project.tlvSupport = static_cast<std::int32_t>(in.Next() % 2);
    CopyFixedText(project.tlvTagType, in.Pick(kDataTypes));
    CopyFixedText(project.tlvLengthType, in.Pick(kDataTypes));
    AddFields(in, &project.headerFields);
    for (unsigned count = in.Next() % 4; count > 0; --count)
    {
        PacketRecord packet;
        CopyFixedText(packet.name, in.Pick(kNames));
        CopyFixedText(packet.packetType, in.Pick(kCodes));
        packet.hasBody = static_cast<std::int32_t>(in.Next() % 2);
        AddFields(in, &packet.fields);
        project.packets.Add(packet);
    }
    project.folder = "f/";
    return project;
}

void CheckDesignsOf(const std::uint8_t* data, std::size_t size, void (*check)(const ProjectRecord& project))
{
    static const bool quiet = (SetXmlLogSink(IgnoreLine), true);
    (void)quiet;

    ProjectRecord read;
    CString detail;
    if (ParseProjectText(reinterpret_cast<const char*>(data), size, "f/", &read, &detail))
        check(read);

    ByteSource in(data, size);
    check(MakeDesign(in));
}
