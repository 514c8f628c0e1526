// A set of byte values, for the one-look-up test of a text's first character.
// Defines: CKTLexCharSet.
#pragma once

#include <algorithm>
#include <iterator>

class CKTLexCharSet
{
public:
    bool Contains(char c) const { return m_bIn[static_cast<unsigned char>(c)]; }
    void Add(char c) { m_bIn[static_cast<unsigned char>(c)] = true; }
    void AddAll() { std::fill(std::begin(m_bIn), std::end(m_bIn), true); }
    void Add(const CKTLexCharSet& other)
    {
        for (int i = 0; i < 256; ++i)
            m_bIn[i] = m_bIn[i] || other.m_bIn[i];
    }
    void Clear() { std::fill(std::begin(m_bIn), std::end(m_bIn), false); }
    bool IsEmpty() const
    {
        return std::none_of(std::begin(m_bIn), std::end(m_bIn), [](bool in) { return in; });
    }

private:
    bool m_bIn[256] = {};
};
