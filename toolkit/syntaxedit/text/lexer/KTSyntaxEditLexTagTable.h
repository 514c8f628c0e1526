// Character tables of tag texts: a tree of per-character maps that finds
// the longest (or the first ending) tag at a text with one look-up per character.
// Defines: CKTSyntaxEditLexTagTable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "KTLexStrings.h"
#include "KTSyntaxEditLexValue.h"

class CKTSyntaxEditLexTagTable
{
public:
    CKTSyntaxEditLexTagTable() { Clear(); }

    // Fills the plain table from quoted texts and plain special tokens, the
    // negated table from negated special tokens.
    void Build(const CKTLexValues& values, bool lowered);
    void Clear();
    bool IsEmpty() const { return m_nPlainRoot < 0 && m_nNegatedRoot < 0; }
    // Bytes of the longest tag the table holds: a match reads no further.
    int GetLongest() const { return m_nLongest; }
    // Tags of more bytes are left out: they never match.
    static const int kLongestTag = 1024;
    // TRUE when a tag begins at text; length receives its character count.
    // firstOnly stops at the first tag that ends, else the longest wins.
    bool Match(const char* text, bool firstOnly, int& length) const;
    // Cheap test of the first character alone.
    bool MayStartWith(char c) const;

private:
    struct Edge
    {
        unsigned char ch;
        bool bEnds;  // a tag ends with this character
        int nNext;   // map of the following characters, -1 when none
    };
    using Map = std::vector<Edge>;

    int NewMap();
    int FindEdge(int map, unsigned char ch) const;
    void Insert(int root, const std::string& tag);
    int Walk(const char* text, bool firstOnly) const;
    void IndexRoot();
    // A trail byte is never folded: it is half of another character.
    unsigned char Key(char c, bool trail = false) const
    {
        return static_cast<unsigned char>(m_bLowered && !trail ? ktlex::ToLower(c) : c);
    }

    std::vector<Map> m_maps;
    int m_nPlainRoot;
    int m_nNegatedRoot;
    bool m_bLowered;
    int m_nLongest;
    bool m_bNegatedAll[256];  // characters that a negated token excludes
    bool m_bFirst[256];       // characters that begin a plain tag
    int m_nRootEdge[256];     // the plain root's edge of each character, -1 when none
};
