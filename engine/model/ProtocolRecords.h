// ProtocolRecords.h: the records of one protocol design: fields, packets, projects.
//
// Classes: FieldRecord, PacketRecord, ProjectRecord, and the arrays that hold them.
#pragma once

#include "FixedText.h"

#include <afx.h>
#include <afxtempl.h>
#include <cstdint>

// The capacities are those of the file format; the inline room is sized to
// the texts designs usually hold, so that most records need no other block.
typedef FixedText<255, 24> NameText;         // identifiers and names
typedef FixedText<255, 12> HexCodeText;      // "0x" and up to eight hex digits
typedef FixedText<49, 20> DataTypeText;      // the longest data-type name fits inline
typedef FixedText<49, 12> LengthText;        // decimal
typedef FixedText<29, 12> CountText;         // decimal
typedef FixedText<255, 12> ReinterpretText;  // left empty by the editors

// One field of the header or of a packet.
struct FieldRecord
{
    NameText name;                    // C identifier
    LengthText maxLength;             // decimal text: bytes, or bits for a bit field
    CountText maxCount;               // decimal text, "char *" only
    DataTypeText dataType;            // one of the ten data-type names
    HexCodeText tlvTag;               // "0x" and up to eight hex digits; "0x00000000" unless TLV
    ReinterpretText reinterpretName;  // left empty by the editors
    NameText relatedCountField;       // name of the field that carries the count
    NameText relatedLengthField;      // name of the field that carries the length
    std::int32_t unit = 0;            // FieldUnit
    std::int32_t type = 0;            // FieldType
    std::int32_t attribute = 0;       // FieldAttribute
    std::int32_t variantWay = 0;      // VariantWay

    FieldRecord();
};

template <>
void AFXAPI SerializeElements<FieldRecord>(CArchive& ar, FieldRecord* pElements, INT_PTR nCount);

typedef CArray<FieldRecord, const FieldRecord&> FieldRecordArray;

// One packet: its name, its packet-type code and its fields in order.
struct PacketRecord
{
    NameText name;
    HexCodeText packetType;    // "0x" and up to eight hex digits
    std::int32_t hasBody = 0;  // nonzero when the packet carries a body
    FieldRecordArray fields;

    PacketRecord() = default;
    PacketRecord(const PacketRecord& other);
    PacketRecord(PacketRecord&& other) noexcept = default;
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
    NameText name;                    // also the prefix of generated identifiers and files
    std::int32_t targetPlatform = 0;  // TargetPlatform
    std::int32_t basedProtocol = 0;   // BasedProtocol
    std::int32_t libraryType = 0;     // LibraryType
    std::int32_t tlvSupport = 0;      // nonzero when TLV fields are allowed
    DataTypeText tlvTagType;          // data-type name of a TLV tag
    DataTypeText tlvLengthType;       // data-type name of a TLV length
    FieldRecordArray headerFields;
    PacketRecordArray packets;
    CString folder;  // ends with a backslash

    ProjectRecord() = default;
    ProjectRecord(const ProjectRecord& other);
    ProjectRecord& operator=(const ProjectRecord& other);
};

template <>
void AFXAPI SerializeElements<ProjectRecord>(CArchive& ar, ProjectRecord* pElements, INT_PTR nCount);

// The main frame's list of loaded projects.
typedef CArray<ProjectRecord, const ProjectRecord&> ProjectRecordArray;
