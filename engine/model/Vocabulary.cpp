// Vocabulary.cpp: the one table of the protocol's texts and data types.
#include "Vocabulary.h"

#include <cstddef>
#include <cstring>

namespace
{

template <std::size_t N>
const char* NameOf(const char* const (&names)[N], int value)
{
    if (value < 0 || value >= static_cast<int>(N))
        return nullptr;
    return names[value];
}

template <std::size_t N>
bool ParseName(const char* const (&names)[N], const char* text, int* value)
{
    if (text == nullptr)
        return false;
    for (std::size_t i = 0; i < N; ++i)
    {
        if (std::strcmp(names[i], text) == 0)
        {
            *value = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

const char* const kUnits[] = {"byte", "bit", "TLV"};
const char* const kFieldTypes[] = {"normal data", "header length", "body length", "total length", "packet type"};
const char* const kAttributes[] = {"fix length", "variant length"};
const char* const kVariantWays[] = {"separated by binary 0", "select a related field",
                                    "select a related field,additional binary 0 at end"};
const char* const kTargetPlatforms[] = {"Windows", "Unix(Linux)"};
const char* const kBasedProtocols[] = {"TCP", "UDP"};
const char* const kLibraryTypes[] = {"dll library", "static library"};

struct DataTypeInfo
{
    const char* name;
    int byteWidth;  // 0 for the character types
    bool isSigned;
};

const DataTypeInfo kDataTypes[DATA_TYPE_COUNT] = {
    {"unsigned int", 4, false},  {"signed int", 4, true},       {"signed char", 1, true},
    {"unsigned char", 1, false}, {"signed short int", 2, true}, {"unsigned short int", 2, false},
    {"signed int64", 8, true},   {"unsigned int64", 8, false},  {"char []", 0, false},
    {"char *", 0, false},
};

const DataTypeInfo* DataTypeOf(int type)
{
    if (type < 0 || type >= DATA_TYPE_COUNT)
        return nullptr;
    return &kDataTypes[type];
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

const char* UnitName(int unit) { return NameOf(kUnits, unit); }
bool ParseUnit(const char* text, int* unit) { return ParseName(kUnits, text, unit); }

const char* FieldTypeName(int type) { return NameOf(kFieldTypes, type); }
bool ParseFieldType(const char* text, int* type) { return ParseName(kFieldTypes, text, type); }

const char* AttributeName(int attribute) { return NameOf(kAttributes, attribute); }
bool ParseAttribute(const char* text, int* attribute) { return ParseName(kAttributes, text, attribute); }

const char* VariantWayName(int way) { return NameOf(kVariantWays, way); }
bool ParseVariantWay(const char* text, int* way) { return ParseName(kVariantWays, text, way); }

const char* TargetPlatformName(int platform) { return NameOf(kTargetPlatforms, platform); }
bool ParseTargetPlatform(const char* text, int* platform) { return ParseName(kTargetPlatforms, text, platform); }

const char* BasedProtocolName(int protocol) { return NameOf(kBasedProtocols, protocol); }
bool ParseBasedProtocol(const char* text, int* protocol) { return ParseName(kBasedProtocols, text, protocol); }

const char* LibraryTypeName(int library) { return NameOf(kLibraryTypes, library); }
bool ParseLibraryType(const char* text, int* library) { return ParseName(kLibraryTypes, text, library); }

const char* DataTypeName(int type)
{
    const DataTypeInfo* info = DataTypeOf(type);
    return info ? info->name : nullptr;
}

bool ParseDataType(const char* text, int* type)
{
    if (text == nullptr)
        return false;
    for (int i = 0; i < DATA_TYPE_COUNT; ++i)
    {
        if (std::strcmp(kDataTypes[i].name, text) == 0)
        {
            *type = i;
            return true;
        }
    }
    return false;
}

bool IsIntegerDataType(int type) { return DataTypeByteWidth(type) > 0; }

bool IsSignedDataType(int type)
{
    const DataTypeInfo* info = DataTypeOf(type);
    return info != nullptr && info->isSigned;
}

int DataTypeByteWidth(int type)
{
    const DataTypeInfo* info = DataTypeOf(type);
    return info ? info->byteWidth : 0;
}

std::uint64_t DataTypeMaxValue(int type)
{
    const int width = DataTypeByteWidth(type);
    if (width == 0)
        return 0;
    const int valueBits = width * 8 - (IsSignedDataType(type) ? 1 : 0);
    return valueBits >= 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << valueBits) - 1;
}

int DataTypeForBitWidth(int bits)
{
    if (bits >= 1 && bits <= 8)
        return DATA_UNSIGNED_CHAR;
    if (bits >= 9 && bits <= 16)
        return DATA_UNSIGNED_SHORT;
    if (bits >= 17 && bits <= 31)
        return DATA_UNSIGNED_INT;
    return -1;
}

bool ParseHexCode(const char* text, std::uint32_t* value)
{
    if (text == nullptr || text[0] != '0' || text[1] != 'x')
        return false;
    const char* digits = text + 2;
    std::uint32_t result = 0;
    int count = 0;
    for (; digits[count] != '\0'; ++count)
    {
        const int digit = HexDigitValue(digits[count]);
        if (digit < 0 || count == 8)
            return false;
        result = (result << 4) | static_cast<std::uint32_t>(digit);
    }
    if (count == 0)
        return false;
    *value = result;
    return true;
}

bool SameHexCode(const char* a, const char* b)
{
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    return ParseHexCode(a, &first) && ParseHexCode(b, &second) && first == second;
}

bool SameNameIgnoringCase(const char* a, const char* b)
{
    for (; *a != '\0' && *b != '\0'; ++a, ++b)
    {
        if (AsciiLower(*a) != AsciiLower(*b))
            return false;
    }
    return *a == *b;
}
