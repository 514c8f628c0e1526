// WireSize.cpp: the bytes a text or TLV field takes on the wire.
#include "WireSize.h"

#include "model/Vocabulary.h"

namespace
{

bool EndsWithZero(const FieldRecord& field)
{
    return field.attribute == ATTRIBUTE_VARIANT_LENGTH && field.variantWay != VARIANT_RELATED_FIELD;
}

}  // namespace

WireSize TextWireSize(const FieldRecord& field, std::uint64_t maxLength)
{
    WireSize size;
    const std::uint64_t zero = EndsWithZero(field) ? 1 : 0;
    size.maxBytes = maxLength + zero;
    size.minBytes = field.attribute == ATTRIBUTE_FIX_LENGTH ? maxLength : zero;
    return size;
}

WireSize TextRunWireSize(const FieldRecord& field, std::uint64_t maxLength, std::uint64_t maxCount)
{
    const WireSize one = TextWireSize(field, maxLength);
    WireSize size;
    size.maxBytes = one.maxBytes * maxCount;
    size.minBytes = field.relatedCountField[0] != '\0' ? 0 : one.minBytes * maxCount;
    return size;
}

WireSize TlvWireSize(int tagType, int lengthType, std::uint64_t valueBytes)
{
    WireSize size;
    size.maxBytes = static_cast<std::uint64_t>(DataTypeByteWidth(tagType) + DataTypeByteWidth(lengthType)) + valueBytes;
    return size;
}
