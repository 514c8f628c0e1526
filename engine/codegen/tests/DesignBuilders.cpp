// DesignBuilders.cpp: designs in the designer's terms, field by field, for the tests.
#include "DesignBuilders.h"

#include "model/Vocabulary.h"

namespace codegen {
namespace builders {

DesignField Integer(const std::string& name, const char* dataType, int role)
{
    DesignField field;
    field.name = name;
    field.dataType = dataType;
    field.type = role;
    int type = 0;
    if (ParseDataType(dataType, &type))
        field.maxLength = std::to_string(DataTypeByteWidth(type));
    return field;
}

DesignField Bits(const std::string& name, int width)
{
    DesignField field;
    field.name = name;
    field.unit = UNIT_BIT;
    field.maxLength = std::to_string(width);
    const char* type = DataTypeName(DataTypeForBitWidth(width));
    field.dataType = type != nullptr ? type : "unsigned int";
    return field;
}

DesignField Text(const std::string& name, int maxLength, int attribute, int variant,
                 const std::string& relatedLength)
{
    DesignField field;
    field.name = name;
    field.dataType = "char []";
    field.maxLength = std::to_string(maxLength);
    field.attribute = attribute;
    field.variantWay = variant;
    field.relatedLength = relatedLength;
    return field;
}

DesignField TextArray(const std::string& name, int maxLength, int maxCount, const std::string& relatedCount,
                      int attribute, int variant, const std::string& relatedLength)
{
    DesignField field = Text(name, maxLength, attribute, variant, relatedLength);
    field.dataType = "char *";
    field.maxCount = std::to_string(maxCount);
    field.relatedCount = relatedCount;
    return field;
}

DesignField Tlv(const std::string& name, const char* dataType, const char* tag, int maxLength)
{
    DesignField field;
    field.name = name;
    field.unit = UNIT_TLV;
    field.dataType = dataType;
    field.tlvTag = tag;
    field.maxLength = std::to_string(maxLength);
    int type = 0;
    if (ParseDataType(dataType, &type) && IsIntegerDataType(type))
        field.maxLength = std::to_string(DataTypeByteWidth(type));
    return field;
}

DesignPacket Packet(const std::string& name, const char* type, std::vector<DesignField> fields)
{
    DesignPacket packet;
    packet.name = name;
    packet.packetType = type;
    packet.hasBody = !fields.empty();
    packet.fields = std::move(fields);
    return packet;
}

} // namespace builders
} // namespace codegen
