// FuzzDesigns.h: protocol designs read or built from a fuzzer's bytes, for the validator and the generator.
//
// Classes: ByteSource.
#pragma once

#include "AllocationFault.h"
#include "model/ProtocolRecords.h"

#include <climits>
#include <cstddef>
#include <cstdint>

// Hands out the input's bytes one at a time, then zeros.
class ByteSource
{
public:
    ByteSource(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    unsigned Next() { return m_size == 0 ? 0u : (--m_size, *m_data++); }

    template <std::size_t N>
    const char* Pick(const char* const (&choices)[N])
    {
        return choices[Next() % N];
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

// A design of a few packets and fields whose every member comes from the
// bytes: names, numbers and codes from small lists of sound and unsound
// texts, enumerations now and then far out of range.
ProjectRecord MakeDesign(ByteSource& in);

// Hands check the design the bytes hold as a project file, when they hold
// one, and then the design MakeDesign builds from them. Log lines are dropped.
void CheckDesignsOf(const std::uint8_t* data, std::size_t size, void (*check)(const ProjectRecord& project));

// Runs attempt once to count its allocations, then again with one of them,
// chosen by the bytes, refused. True when the second run met the refusal.
template <class Attempt>
bool RunWithOneAllocationRefused(const std::uint8_t* data, std::size_t size, Attempt attempt)
{
    long made = 0;
    {
        AllocationFault none(LONG_MAX);
        attempt();
        made = AllocationFault::Made();
    }
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    AllocationFault fault(made == 0 ? 0 : static_cast<long>(hash % static_cast<std::uint32_t>(made)));
    attempt();
    return AllocationFault::Happened();
}
