// WireSize.h: the bytes a text or TLV field takes on the wire, for the validator and the code layout alike.
//
// Structs: WireSize.
#pragma once

#include "model/ProtocolRecords.h"

#include <cstdint>

struct WireSize
{
    std::uint64_t minBytes = 0;
    std::uint64_t maxBytes = 0;

    bool IsFixed() const { return minBytes == maxBytes; }
};

// One "char []" text of up to maxLength bytes, ended as its attribute and
// variant way say: only the 0-byte endings add a byte.
WireSize TextWireSize(const FieldRecord& field, std::uint64_t maxLength);

// A "char *" run: up to maxCount texts with a count field, which may send
// none, or always exactly maxCount without one.
WireSize TextRunWireSize(const FieldRecord& field, std::uint64_t maxLength, std::uint64_t maxCount);

// A TLV field: tag, length and a value of up to valueBytes, or nothing when absent.
WireSize TlvWireSize(int tagType, int lengthType, std::uint64_t valueBytes);
