// ProtocolRecords.h: the records of one protocol design: fields, packets, projects.
//
// Classes: FieldRecord, PacketRecord, ProjectRecord, and the arrays that hold them.
#pragma once

#include <afx.h>
#include <afxtempl.h>
#include <cstdint>

// One field of the header or of a packet. Plain data: copied with memcpy
// semantics by the arrays that hold it.
struct FieldRecord
{
    char name[256];                // C identifier
    char maxLength[50];            // decimal text: bytes, or bits for a bit field
    char maxCount[30];             // decimal text, "char *" only
    std::int32_t unit;             // FieldUnit
    char dataType[50];             // one of the ten data-type names
    char tlvTag[256];              // "0x" and up to eight hex digits; "0x00000000" unless TLV
    std::int32_t type;             // FieldType
    char reinterpretName[256];     // left empty by the editors
    char relatedCountField[256];   // name of the field that carries the count
    std::int32_t attribute;        // FieldAttribute
    std::int32_t variantWay;       // VariantWay
    char relatedLengthField[256];  // name of the field that carries the length

    FieldRecord();
};

typedef CArray<FieldRecord, const FieldRecord&> FieldRecordArray;

// One packet: its name, its packet-type code and its fields in order.
struct PacketRecord
{
    char name[256];
    char packetType[256];  // "0x" and up to eight hex digits
    std::int32_t hasBody;  // nonzero when the packet carries a body
    FieldRecordArray fields;

    PacketRecord();
    PacketRecord(const PacketRecord& other);
    PacketRecord& operator=(const PacketRecord& other);
};

// Records are kept in project files, never in archives: the arrays' archive
// support refuses them with a not-supported exception.
template <>
void AFXAPI SerializeElements<PacketRecord>(CArchive& ar, PacketRecord* pElements, INT_PTR nCount);

typedef CArray<PacketRecord, const PacketRecord&> PacketRecordArray;

// One protocol project: its settings, header fields, packets and folder.
struct ProjectRecord
{
    char name[256];               // also the prefix of generated identifiers and files
    std::int32_t targetPlatform;  // TargetPlatform
    std::int32_t basedProtocol;   // BasedProtocol
    std::int32_t libraryType;     // LibraryType
    std::int32_t tlvSupport;      // nonzero when TLV fields are allowed
    char tlvTagType[50];          // data-type name of a TLV tag
    char tlvLengthType[50];       // data-type name of a TLV length
    FieldRecordArray headerFields;
    PacketRecordArray packets;
    CString folder;  // ends with a backslash

    ProjectRecord();
    ProjectRecord(const ProjectRecord& other);
    ProjectRecord& operator=(const ProjectRecord& other);
};

template <>
void AFXAPI SerializeElements<ProjectRecord>(CArchive& ar, ProjectRecord* pElements, INT_PTR nCount);

// The main frame's list of loaded projects.
typedef CArray<ProjectRecord, const ProjectRecord&> ProjectRecordArray;
