// ProtocolRecords.cpp: construction and copying of the protocol records.
#include "ProtocolRecords.h"

#include "FixedText.h"

#include <cstring>

FieldRecord::FieldRecord()
{
    std::memset(this, 0, sizeof(*this));
    CopyFixedText(tlvTag, "0x00000000");
}

PacketRecord::PacketRecord() : hasBody(0)
{
    name[0] = '\0';
    packetType[0] = '\0';
}

PacketRecord::PacketRecord(const PacketRecord& other) { *this = other; }

PacketRecord& PacketRecord::operator=(const PacketRecord& other)
{
    if (this == &other)
        return *this;
    std::memcpy(name, other.name, sizeof(name));
    std::memcpy(packetType, other.packetType, sizeof(packetType));
    hasBody = other.hasBody;
    fields.Copy(other.fields);
    return *this;
}

ProjectRecord::ProjectRecord() : targetPlatform(0), basedProtocol(0), libraryType(0), tlvSupport(0)
{
    name[0] = '\0';
    tlvTagType[0] = '\0';
    tlvLengthType[0] = '\0';
}

ProjectRecord::ProjectRecord(const ProjectRecord& other) { *this = other; }

ProjectRecord& ProjectRecord::operator=(const ProjectRecord& other)
{
    if (this == &other)
        return *this;
    std::memcpy(name, other.name, sizeof(name));
    targetPlatform = other.targetPlatform;
    basedProtocol = other.basedProtocol;
    libraryType = other.libraryType;
    tlvSupport = other.tlvSupport;
    std::memcpy(tlvTagType, other.tlvTagType, sizeof(tlvTagType));
    std::memcpy(tlvLengthType, other.tlvLengthType, sizeof(tlvLengthType));
    headerFields.Copy(other.headerFields);
    packets.Copy(other.packets);
    folder = other.folder;
    return *this;
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
