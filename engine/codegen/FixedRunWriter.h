// FixedRunWriter.h: the straight-line code of a run of fixed-size fields, checked once for room and range.
//
// Structs: FixedRun. Classes: FixedRunWriter.
#pragma once

#include "CodeText.h"
#include "Layout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace codegen
{

// Consecutive fields of a list (TLV fields aside, which go last) whose sizes
// never vary: integers, fixed texts and whole bit runs of up to 64 bits; a
// lone integer is left to the per-field path.
struct FixedRun
{
    std::vector<int> fields;  // indexes in the list, in order
    std::uint64_t bytes = 0;
};

std::vector<FixedRun> FindFixedRuns(const ListLayout& list);

// Writes the fast half of "if (condition) { fast } else { per field }" for one
// run; "w", "r" and "p" are the writer, the reader and the struct.
class FixedRunWriter
{
public:
    FixedRunWriter(const ListLayout& list, const FixedRun& run) : list_(list), run_(run) {}

    std::string PutCondition() const;
    void WritePut(CodeText& out) const;
    std::string GetCondition() const;
    void WriteGet(CodeText& out) const;

private:
    struct BitRun
    {
        std::size_t first;  // position in run_.fields
        std::size_t count;
        unsigned bits;
        std::uint64_t offset;  // bytes into the run
    };

    std::vector<BitRun> BitRuns() const;
    void DeclareBitValues(bool reading, CodeText& out) const;
    using BitsWriter = void (FixedRunWriter::*)(const BitRun&, CodeText&) const;
    using ValueWriter = void (FixedRunWriter::*)(const FieldLayout&, std::uint64_t, CodeText&) const;
    void WriteParts(BitsWriter writeBits, ValueWriter writeValue, CodeText& out) const;
    void PutBits(const BitRun& bits, CodeText& out) const;
    void GetBits(const BitRun& bits, CodeText& out) const;
    void PutValue(const FieldLayout& field, std::uint64_t offset, CodeText& out) const;
    void GetValue(const FieldLayout& field, std::uint64_t offset, CodeText& out) const;
    const FieldLayout& Field(std::size_t at) const { return list_.fields[run_.fields[at]]; }

    const ListLayout& list_;
    const FixedRun& run_;
};

}  // namespace codegen
