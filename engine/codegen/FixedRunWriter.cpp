// FixedRunWriter.cpp: the straight-line code of a run of fixed-size fields.
#include "FixedRunWriter.h"

#include <algorithm>

namespace codegen
{

namespace
{

typedef unsigned long long ull;

// The largest bit run read into one 64-bit value.
const unsigned kMaxBitRun = 64;

// The fields from index on that make one bit run, and its width.
std::size_t BitRunEnd(const ListLayout& list, std::size_t index, unsigned* bits)
{
    *bits = 0;
    while (true)
    {
        *bits += list.fields[index].bits;
        if (list.fields[index].lastBitOfRun)
            return index + 1;
        ++index;
    }
}

// 8, 16 or 32: the width of the C type that holds a bit field.
unsigned TypeBits(const FieldLayout& field) { return field.bits <= 8 ? 8 : field.bits <= 16 ? 16 : 32; }

const char* ValueName(unsigned bits) { return bits <= 32 ? "v32" : "v64"; }

const char* ValueType(unsigned bits) { return bits <= 32 ? "uint32_t" : "uint64_t"; }

// Sizes with a straight load and store of their own.
bool IsWholeWord(unsigned bytes) { return bytes == 1 || bytes == 2 || bytes == 4 || bytes == 8; }

}  // namespace

std::vector<FixedRun> FindFixedRuns(const ListLayout& list)
{
    std::vector<FixedRun> runs(1);
    auto close = [&runs]()
    {
        if (!runs.back().fields.empty())
            runs.emplace_back();
    };
    for (std::size_t i = 0; i < list.fields.size();)
    {
        const FieldLayout& field = list.fields[i];
        std::size_t next = i + 1;
        bool fixed = field.kind == FieldKind::Integer || (field.kind == FieldKind::Text && field.end == TextEnd::Fixed);
        if (field.kind == FieldKind::Bits)
        {
            unsigned bits = 0;
            next = BitRunEnd(list, i, &bits);
            fixed = bits <= kMaxBitRun;
        }
        if (field.kind == FieldKind::Tlv)
        {
            i = next;
            continue;
        }
        if (!fixed)
            close();
        for (std::size_t f = i; f < next && fixed; ++f)
        {
            runs.back().fields.push_back(static_cast<int>(f));
            runs.back().bytes += list.fields[f].maxBytes;
        }
        i = next;
    }
    close();
    runs.pop_back();
    // A lone integer gains nothing worth a second copy of its code.
    runs.erase(std::remove_if(runs.begin(), runs.end(),
                              [&list](const FixedRun& run) {
                                  return run.fields.size() == 1 &&
                                         list.fields[run.fields[0]].kind == FieldKind::Integer;
                              }),
               runs.end());
    return runs;
}

std::vector<FixedRunWriter::BitRun> FixedRunWriter::BitRuns() const
{
    std::vector<BitRun> runs;
    std::uint64_t offset = 0;
    for (std::size_t at = 0; at < run_.fields.size(); ++at)
    {
        const FieldLayout& field = Field(at);
        if (field.kind != FieldKind::Bits)
        {
            offset += field.maxBytes;
            continue;
        }
        if (runs.empty() || Field(runs.back().first + runs.back().count - 1).lastBitOfRun)
            runs.push_back({at, 0, 0, offset});
        ++runs.back().count;
        runs.back().bits += field.bits;
        offset += field.maxBytes;
    }
    return runs;
}

std::string FixedRunWriter::PutCondition() const
{
    std::string ranges;
    for (int index : run_.fields)
    {
        const FieldLayout& field = list_.fields[index];
        if (field.kind != FieldKind::Bits || field.bits == TypeBits(field))
            continue;
        ranges += Format("%s((uint32_t)p->%s >> %u)", ranges.empty() ? "" : " | ", field.name.c_str(), field.bits);
    }
    std::string room = Format("w->capacity - w->position >= %lluu", static_cast<ull>(run_.bytes));
    if (ranges.empty())
        return "DRAVOLINT_FAST_PATH && " + room;
    return "DRAVOLINT_FAST_PATH && " + room + " && (" + ranges + ") == 0";
}

std::string FixedRunWriter::GetCondition() const
{
    return Format("DRAVOLINT_FAST_PATH && r->end - r->position >= %lluu", static_cast<ull>(run_.bytes));
}

// A bit run goes through a value of its width when it spans other sizes than
// a whole word, or when several fields are read from a word.
void FixedRunWriter::DeclareBitValues(bool reading, CodeText& out) const
{
    bool narrow = false, wide = false;
    for (const BitRun& bits : BitRuns())
    {
        const unsigned bytes = bits.bits / 8;
        if (IsWholeWord(bytes) && !(reading && bytes > 1 && bits.count > 1))
            continue;
        narrow = narrow || bits.bits <= 32;
        wide = wide || bits.bits > 32;
    }
    if (narrow)
        out.Line("uint32_t v32;");
    if (wide)
        out.Line("uint64_t v64;");
}

// Each bit run is written once, at its first field; every other field at its offset.
void FixedRunWriter::WriteParts(BitsWriter writeBits, ValueWriter writeValue, CodeText& out) const
{
    std::vector<BitRun> bitRuns = BitRuns();
    std::size_t nextBits = 0;
    std::uint64_t offset = 0;
    for (std::size_t at = 0; at < run_.fields.size(); ++at)
    {
        const FieldLayout& field = Field(at);
        if (field.kind != FieldKind::Bits)
            (this->*writeValue)(field, offset, out);
        else if (nextBits < bitRuns.size() && bitRuns[nextBits].first == at)
            (this->*writeBits)(bitRuns[nextBits++], out);
        offset += field.maxBytes;
    }
}

void FixedRunWriter::WritePut(CodeText& out) const
{
    out.Line("unsigned char *o = w->data + w->position;");
    DeclareBitValues(false, out);
    WriteParts(&FixedRunWriter::PutBits, &FixedRunWriter::PutValue, out);
    out.Linef("w->position += %lluu;", static_cast<ull>(run_.bytes));
}

void FixedRunWriter::PutValue(const FieldLayout& field, std::uint64_t offset, CodeText& out) const
{
    const char* m = field.name.c_str();
    ull at = offset;
    if (field.kind == FieldKind::Text)
    {
        out.Linef("dravolint_store_text(o + %llu, p->%s, %lluu);", at, m, static_cast<ull>(field.maxLength));
        return;
    }
    if (field.bytes == 1)
    {
        out.Linef("o[%llu] = (unsigned char)p->%s;", at, m);
        return;
    }
    unsigned bits = field.bytes * 8;
    out.Linef("dravolint_store_u%u(o + %llu, (uint%u_t)p->%s);", bits, at, bits, m);
}

void FixedRunWriter::PutBits(const BitRun& bits, CodeText& out) const
{
    const char* type = ValueType(bits.bits);
    std::string value;
    unsigned shift = bits.bits;
    for (std::size_t at = bits.first; at < bits.first + bits.count; ++at)
    {
        const FieldLayout& field = Field(at);
        shift -= field.bits;
        value += Format("%s(%s)p->%s", value.empty() ? "" : " | ", type, field.name.c_str());
        if (shift > 0)
            value += Format(" << %u", shift);
    }
    const unsigned bytes = bits.bits / 8;
    const ull at = bits.offset;
    if (bytes == 1)
    {
        out.Linef("o[%llu] = (unsigned char)(%s);", at, value.c_str());
    }
    else if (IsWholeWord(bytes))
    {
        out.Linef("dravolint_store_u%u(o + %llu, (uint%u_t)(%s));", bits.bits, at, bits.bits, value.c_str());
    }
    else
    {
        out.Linef("%s = %s;", ValueName(bits.bits), value.c_str());
        for (unsigned b = 0; b + 1 < bytes; ++b)
            out.Linef("o[%llu] = (unsigned char)(%s >> %u);", at + b, ValueName(bits.bits), 8 * (bytes - 1 - b));
        out.Linef("o[%llu] = (unsigned char)%s;", at + bytes - 1, ValueName(bits.bits));
    }
}

void FixedRunWriter::WriteGet(CodeText& out) const
{
    out.Line("const unsigned char *in = r->data + r->position;");
    DeclareBitValues(true, out);
    WriteParts(&FixedRunWriter::GetBits, &FixedRunWriter::GetValue, out);
    out.Linef("r->position += %lluu;", static_cast<ull>(run_.bytes));
}

void FixedRunWriter::GetValue(const FieldLayout& field, std::uint64_t offset, CodeText& out) const
{
    const char* m = field.name.c_str();
    ull at = offset;
    if (field.kind == FieldKind::Text)
    {
        ull max = field.maxLength;
        out.Linef("memcpy(p->%s, in + %llu, %lluu);", m, at, max);
        out.Linef("p->%s[%llu] = '\\0';", m, max);
        return;
    }
    unsigned bits = field.bytes * 8;
    std::string raw = field.bytes == 1 ? Format("in[%llu]", at) : Format("dravolint_load_u%u(in + %llu)", bits, at);
    if (field.isSigned)
        out.Linef("p->%s = dravolint_s%u(%s);", m, bits, raw.c_str());
    else
        out.Linef("p->%s = %s;", m, raw.c_str());
}

void FixedRunWriter::GetBits(const BitRun& bits, CodeText& out) const
{
    const unsigned bytes = bits.bits / 8;
    const ull at = bits.offset;
    std::string value = ValueName(bits.bits);
    if (bytes == 1)
    {
        value = Format("in[%llu]", at);
    }
    else if (IsWholeWord(bytes))
    {
        value = Format("dravolint_load_u%u(in + %llu)", bits.bits, at);
        if (bits.count > 1)
        {
            out.Linef("%s = %s;", ValueName(bits.bits), value.c_str());
            value = ValueName(bits.bits);
        }
    }
    else
    {
        std::string load;
        for (unsigned b = 0; b < bytes; ++b)
        {
            load += Format("%s(%s)in[%llu]", b == 0 ? "" : " | ", ValueType(bits.bits), at + b);
            if (b + 1 < bytes)
                load += Format(" << %u", 8 * (bytes - 1 - b));
        }
        out.Linef("%s = %s;", value.c_str(), load.c_str());
    }
    unsigned shift = bits.bits;
    for (std::size_t f = bits.first; f < bits.first + bits.count; ++f)
    {
        const FieldLayout& field = Field(f);
        shift -= field.bits;
        const ull mask = (1ull << field.bits) - 1;
        const std::string shifted = shift > 0 ? Format("(%s >> %u)", value.c_str(), shift) : value;
        out.Linef("p->%s = (%s)(%s & 0x%llXu);", field.name.c_str(), CTypeOf(field), shifted.c_str(), mask);
    }
}

}  // namespace codegen
