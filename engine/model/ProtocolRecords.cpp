// ProtocolRecords.cpp: construction and copying of the protocol records.
#include "ProtocolRecords.h"

FieldRecord::FieldRecord() { CopyFixedText(tlvTag, "0x00000000"); }

PacketRecord::PacketRecord(const PacketRecord& other) { *this = other; }

PacketRecord& PacketRecord::operator=(const PacketRecord& other)
{
    if (this == &other)
        return *this;
    name = other.name;
    packetType = other.packetType;
    hasBody = other.hasBody;
    fields.Copy(other.fields);
    return *this;
}

ProjectRecord::ProjectRecord(const ProjectRecord& other) { *this = other; }

ProjectRecord& ProjectRecord::operator=(const ProjectRecord& other)
{
    if (this == &other)
        return *this;
    name = other.name;
    targetPlatform = other.targetPlatform;
    basedProtocol = other.basedProtocol;
    libraryType = other.libraryType;
    tlvSupport = other.tlvSupport;
    tlvTagType = other.tlvTagType;
    tlvLengthType = other.tlvLengthType;
    headerFields.Copy(other.headerFields);
    packets.Copy(other.packets);
    folder = other.folder;
    return *this;
}

template <>
void AFXAPI SerializeElements<FieldRecord>(CArchive&, FieldRecord*, INT_PTR)
{
    AfxThrowNotSupportedException();
}

template <>
void AFXAPI SerializeElements<PacketRecord>(CArchive&, PacketRecord*, INT_PTR)
{
    AfxThrowNotSupportedException();
}

template <>
void AFXAPI SerializeElements<ProjectRecord>(CArchive&, ProjectRecord*, INT_PTR)
{
    AfxThrowNotSupportedException();
}
