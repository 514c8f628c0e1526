// DesignFromProject.cpp: the generators' view of a project record.
#include "DesignFromProject.h"

namespace codegen {

namespace {

DesignField FieldFromRecord(const FieldRecord& record)
{
    DesignField field;
    field.name = record.name;
    field.maxLength = record.maxLength;
    field.maxCount = record.maxCount;
    field.unit = record.unit;
    field.dataType = record.dataType;
    field.tlvTag = record.tlvTag;
    field.type = record.type;
    field.relatedCount = record.relatedCountField;
    field.attribute = record.attribute;
    field.variantWay = record.variantWay;
    field.relatedLength = record.relatedLengthField;
    return field;
}

std::vector<DesignField> FieldsFromRecords(const FieldRecordArray& records)
{
    std::vector<DesignField> fields;
    for (INT_PTR i = 0; i < records.GetSize(); ++i)
        fields.push_back(FieldFromRecord(records[i]));
    return fields;
}

} // namespace

Design DesignFromProject(const ProjectRecord& project)
{
    Design design;
    design.name = project.name;
    design.targetPlatform = project.targetPlatform;
    design.basedProtocol = project.basedProtocol;
    design.libraryType = project.libraryType;
    design.tlvSupport = project.tlvSupport != 0;
    design.tlvTagType = project.tlvTagType;
    design.tlvLengthType = project.tlvLengthType;
    design.header = FieldsFromRecords(project.headerFields);
    for (INT_PTR i = 0; i < project.packets.GetSize(); ++i) {
        const PacketRecord& record = project.packets[i];
        DesignPacket packet;
        packet.name = record.name;
        packet.packetType = record.packetType;
        packet.hasBody = record.hasBody != 0;
        packet.fields = FieldsFromRecords(record.fields);
        design.packets.push_back(std::move(packet));
    }
    return design;
}

} // namespace codegen
