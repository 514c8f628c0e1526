// Vocabulary.h: the protocol's enumerated values and data types, mapped to and from their texts.
#pragma once

#include <cstdint>

enum FieldUnit
{
    UNIT_BYTE = 0,
    UNIT_BIT = 1,
    UNIT_TLV = 2
};

enum FieldType
{
    FIELD_NORMAL_DATA = 0,
    FIELD_HEADER_LENGTH = 1,
    FIELD_BODY_LENGTH = 2,
    FIELD_TOTAL_LENGTH = 3,
    FIELD_PACKET_TYPE = 4
};

enum FieldAttribute
{
    ATTRIBUTE_FIX_LENGTH = 0,
    ATTRIBUTE_VARIANT_LENGTH = 1
};

enum VariantWay
{
    VARIANT_ZERO_TERMINATED = 0,        // "separated by binary 0"
    VARIANT_RELATED_FIELD = 1,          // "select a related field"
    VARIANT_RELATED_FIELD_AND_ZERO = 2  // "select a related field,additional binary 0 at end"
};

enum TargetPlatform
{
    PLATFORM_WINDOWS = 0,
    PLATFORM_UNIX = 1
};

enum BasedProtocol
{
    PROTOCOL_TCP = 0,
    PROTOCOL_UDP = 1
};

enum LibraryType
{
    LIBRARY_DLL = 0,
    LIBRARY_STATIC = 1
};

// The ten data types, in the order the dialogs list them.
enum DataType
{
    DATA_UNSIGNED_INT = 0,
    DATA_SIGNED_INT,
    DATA_SIGNED_CHAR,
    DATA_UNSIGNED_CHAR,
    DATA_SIGNED_SHORT,
    DATA_UNSIGNED_SHORT,
    DATA_SIGNED_INT64,
    DATA_UNSIGNED_INT64,
    DATA_CHAR_ARRAY,    // "char []"
    DATA_CHAR_POINTER,  // "char *"
    DATA_TYPE_COUNT
};

// Each *Name returns the stored text of a value, or nullptr when the value is
// out of range. Each Parse* takes the exact text and returns false when it is
// unknown, leaving the output untouched.
const char* UnitName(int unit);
bool ParseUnit(const char* text, int* unit);

const char* FieldTypeName(int type);
bool ParseFieldType(const char* text, int* type);

const char* AttributeName(int attribute);
bool ParseAttribute(const char* text, int* attribute);

const char* VariantWayName(int way);
bool ParseVariantWay(const char* text, int* way);

const char* TargetPlatformName(int platform);  // "Windows", "Unix(Linux)"
bool ParseTargetPlatform(const char* text, int* platform);

const char* BasedProtocolName(int protocol);  // "TCP", "UDP"
bool ParseBasedProtocol(const char* text, int* protocol);

const char* LibraryTypeName(int library);  // "dll library", "static library"
bool ParseLibraryType(const char* text, int* library);

const char* DataTypeName(int type);
bool ParseDataType(const char* text, int* type);

// True for the eight integer types.
bool IsIntegerDataType(int type);
bool IsSignedDataType(int type);

// Bytes on the wire of an integer type; 0 for "char []", "char *" and unknown values.
int DataTypeByteWidth(int type);

// The largest value an integer type holds; 0 for the others.
std::uint64_t DataTypeMaxValue(int type);

// The data type that carries a bit field of the given width: 1-8 "unsigned
// char", 9-16 "unsigned short int", 17-31 "unsigned int"; -1 outside 1-31.
int DataTypeForBitWidth(int bits);

// Packet types and TLV tags: "0x" and one to eight hexadecimal digits (either
// case), read as an unsigned 32-bit value. Two codes are the same when their
// values are equal, whatever the case of the digits or the leading zeros; a
// malformed code is the same as nothing.
bool ParseHexCode(const char* text, std::uint32_t* value);
bool SameHexCode(const char* a, const char* b);

// Project and packet names are the same when they differ only in the case of
// their ASCII letters, as the New Project and Add Packet dialogs compare them.
bool SameNameIgnoringCase(const char* a, const char* b);
