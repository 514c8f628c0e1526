// SampleDesigns.cpp: builds the sample designs from small field makers.
#include "SampleDesigns.h"

#include "model/Vocabulary.h"

#include <cstdio>
#include <string>

namespace
{

FieldRecord Field(const char* name, int unit, const char* dataType, const char* maxLength)
{
    FieldRecord field;
    CopyFixedText(field.name, name);
    field.unit = unit;
    CopyFixedText(field.dataType, dataType);
    CopyFixedText(field.maxLength, maxLength);
    return field;
}

}  // namespace

FieldRecord IntegerField(const char* name, const char* dataType, int type)
{
    int parsed = 0;
    ParseDataType(dataType, &parsed);
    FieldRecord field = Field(name, UNIT_BYTE, dataType, std::to_string(DataTypeByteWidth(parsed)).c_str());
    field.type = type;
    return field;
}

FieldRecord BitField(const char* name, int bits)
{
    return Field(name, UNIT_BIT, DataTypeName(DataTypeForBitWidth(bits)), std::to_string(bits).c_str());
}

FieldRecord TextField(const char* name, const char* maxLength) { return Field(name, UNIT_BYTE, "char []", maxLength); }

FieldRecord VariantTextField(const char* name, const char* maxLength, int way, const char* lengthField)
{
    FieldRecord field = TextField(name, maxLength);
    field.attribute = ATTRIBUTE_VARIANT_LENGTH;
    field.variantWay = way;
    CopyFixedText(field.relatedLengthField, lengthField);
    return field;
}

FieldRecord TextArrayField(const char* name, const char* maxLength, const char* maxCount, const char* countField)
{
    FieldRecord field = Field(name, UNIT_BYTE, "char *", maxLength);
    CopyFixedText(field.maxCount, maxCount);
    CopyFixedText(field.relatedCountField, countField);
    return field;
}

FieldRecord TlvField(const char* name, const char* tag, const char* dataType, const char* maxLength)
{
    FieldRecord field = Field(name, UNIT_TLV, dataType, maxLength);
    CopyFixedText(field.tlvTag, tag);
    return field;
}

PacketRecord Packet(const char* name, const char* type)
{
    PacketRecord packet;
    CopyFixedText(packet.name, name);
    CopyFixedText(packet.packetType, type);
    packet.hasBody = 1;
    return packet;
}

ProjectRecord RichProject()
{
    ProjectRecord project;
    CopyFixedText(project.name, "Chat");
    project.targetPlatform = PLATFORM_UNIX;
    project.basedProtocol = PROTOCOL_TCP;
    project.libraryType = LIBRARY_STATIC;
    project.tlvSupport = 1;
    CopyFixedText(project.tlvTagType, "unsigned short int");
    CopyFixedText(project.tlvLengthType, "unsigned short int");
    project.folder = "projects/";

    FieldRecordArray& head = project.headerFields;
    head.Add(BitField("version", 4));
    head.Add(BitField("flags", 12));
    head.Add(IntegerField("kind", "unsigned short int", FIELD_PACKET_TYPE));
    head.Add(IntegerField("headLength", "unsigned char", FIELD_HEADER_LENGTH));
    head.Add(IntegerField("bodyLength", "unsigned int", FIELD_BODY_LENGTH));
    head.Add(IntegerField("totalLength", "signed int64", FIELD_TOTAL_LENGTH));
    head.Add(IntegerField("sequence", "signed int"));

    PacketRecord login = Packet("Login", "0x00000001");
    login.fields.Add(IntegerField("userLength", "unsigned char"));
    login.fields.Add(VariantTextField("user", "32", VARIANT_RELATED_FIELD, "userLength"));
    login.fields.Add(VariantTextField("nick", "16", VARIANT_RELATED_FIELD_AND_ZERO, "userLength"));
    FieldRecord password = VariantTextField("password", "64", VARIANT_ZERO_TERMINATED, "");
    login.fields.Add(password);
    login.fields.Add(TextField("token", "8"));
    project.packets.Add(login);

    PacketRecord roster = Packet("Roster", "0x0000000A");
    roster.fields.Add(IntegerField("count", "unsigned short int"));
    roster.fields.Add(BitField("online", 1));
    roster.fields.Add(BitField("away", 7));
    roster.fields.Add(IntegerField("nameLength", "signed char"));
    FieldRecord names = TextArrayField("names", "20", "100", "count");
    names.attribute = ATTRIBUTE_VARIANT_LENGTH;
    names.variantWay = VARIANT_RELATED_FIELD;
    CopyFixedText(names.relatedLengthField, "nameLength");
    roster.fields.Add(names);
    roster.fields.Add(IntegerField("large", "unsigned int64"));
    roster.fields.Add(IntegerField("shortValue", "signed short int"));
    project.packets.Add(roster);

    PacketRecord options = Packet("Options", "0x0000000B");
    options.fields.Add(TlvField("color", "0x0001", "unsigned int", "4"));
    options.fields.Add(TlvField("title", "0x00AB", "char []", "40"));
    options.fields.Add(TlvField("depth", "0xab01", "signed char", "1"));
    project.packets.Add(options);

    PacketRecord ping = Packet("Ping", "0xFFFF");
    ping.hasBody = 0;
    project.packets.Add(ping);
    return project;
}

ProjectRecord LargeProject(int packets, int fieldsPerPacket)
{
    ProjectRecord project;
    CopyFixedText(project.name, "Large");
    CopyFixedText(project.tlvTagType, "unsigned int");
    CopyFixedText(project.tlvLengthType, "unsigned int");
    project.folder = "./";
    project.headerFields.Add(IntegerField("kind", "unsigned int", FIELD_PACKET_TYPE));
    project.headerFields.Add(IntegerField("bodyLength", "unsigned int", FIELD_BODY_LENGTH));
    project.headerFields.Add(BitField("major", 4));
    project.headerFields.Add(BitField("minor", 4));
    for (int p = 0; p < packets; ++p)
    {
        char name[32], type[16];
        std::snprintf(name, sizeof(name), "Packet%d", p);
        std::snprintf(type, sizeof(type), "0x%08X", p + 1);
        PacketRecord packet = Packet(name, type);
        for (int f = 0; f < fieldsPerPacket; ++f)
        {
            char field[32];
            std::snprintf(field, sizeof(field), "field%d", f);
            if (f % 3 == 2)
                packet.fields.Add(VariantTextField(field, "64", VARIANT_RELATED_FIELD, "field0"));
            else
                packet.fields.Add(IntegerField(field, f % 3 == 0 ? "unsigned short int" : "signed int"));
        }
        project.packets.Add(packet);
    }
    return project;
}
