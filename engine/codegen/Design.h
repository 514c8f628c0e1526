// Design.h: the protocol design as the code generators read it, free of the editors' fixed-size records.
//
// Structs: DesignField, DesignPacket, Design.
#pragma once

#include <string>
#include <vector>

namespace codegen {

// One field as the designer stores it; texts are kept as entered and
// interpreted by the layout (codegen/Layout.h).
struct DesignField
{
    std::string name;
    std::string maxLength;      // decimal: bytes, or bits for a bit field
    std::string maxCount;       // decimal, "char *" only
    int unit = 0;               // FieldUnit
    std::string dataType;       // one of the ten data-type names
    std::string tlvTag;         // "0x" and hex digits, TLV fields only
    int type = 0;               // FieldType: the field's role
    std::string relatedCount;   // name of the earlier field that gives the count
    int attribute = 0;          // FieldAttribute
    int variantWay = 0;         // VariantWay
    std::string relatedLength;  // name of the earlier field that gives the length
};

struct DesignPacket
{
    std::string name;
    std::string packetType;     // "0x" and hex digits
    bool hasBody = true;
    std::vector<DesignField> fields;
};

struct Design
{
    std::string name;           // prefix of every generated identifier and file
    int targetPlatform = 0;     // TargetPlatform
    int basedProtocol = 0;      // BasedProtocol
    int libraryType = 0;        // LibraryType
    bool tlvSupport = false;
    std::string tlvTagType;     // integer data-type names
    std::string tlvLengthType;
    std::vector<DesignField> header;
    std::vector<DesignPacket> packets;
};

} // namespace codegen
