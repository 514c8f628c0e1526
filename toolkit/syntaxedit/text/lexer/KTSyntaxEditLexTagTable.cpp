// Character tables of tag texts.
#include "KTSyntaxEditLexTagTable.h"

#include <algorithm>
#include <cstring>

#include "KTLexLeadBytes.h"
#include "KTLexStrings.h"

void CKTSyntaxEditLexTagTable::Clear()
{
    m_maps.clear();
    m_nPlainRoot = -1;
    m_nNegatedRoot = -1;
    m_bLowered = false;
    m_nLongest = 0;
    std::memset(m_bNegatedAll, 0, sizeof(m_bNegatedAll));
    std::memset(m_bFirst, 0, sizeof(m_bFirst));
    std::fill(std::begin(m_nRootEdge), std::end(m_nRootEdge), -1);
}

int CKTSyntaxEditLexTagTable::NewMap()
{
    m_maps.emplace_back();
    return int(m_maps.size()) - 1;
}

int CKTSyntaxEditLexTagTable::FindEdge(int map, unsigned char ch) const
{
    const Map& edges = m_maps[map];
    for (size_t i = 0; i < edges.size(); ++i)
        if (edges[i].ch == ch)
            return int(i);
    return -1;
}

void CKTSyntaxEditLexTagTable::Insert(int root, const std::string& tag)
{
    const CKTLexCharSet& leadBytes = CKTLexLeadBytes::Get();
    int map = root;
    bool afterLead = false;  // the byte read is the second half of a character
    for (size_t i = 0; i < tag.size(); ++i)
    {
        unsigned char ch = Key(tag[i], afterLead);
        afterLead = !afterLead && leadBytes.Contains(tag[i]);
        int edge = FindEdge(map, ch);
        if (edge < 0)
        {
            m_maps[map].push_back({ch, false, -1});
            edge = int(m_maps[map].size()) - 1;
        }
        if (i + 1 == tag.size())
        {
            m_maps[map][edge].bEnds = true;
            return;
        }
        if (m_maps[map][edge].nNext < 0)
        {
            int next = NewMap();  // may move the maps: index again below
            m_maps[map][edge].nNext = next;
        }
        map = m_maps[map][edge].nNext;
    }
}

void CKTSyntaxEditLexTagTable::Build(const CKTLexValues& values, bool lowered)
{
    Clear();
    m_bLowered = lowered;
    std::vector<std::string> plain;
    std::vector<std::string> negated;
    for (const CKTSyntaxEditLexValue& value : values)
    {
        if (value.GetType() == CKTSyntaxEditLexValue::ktStrings)
            plain.insert(plain.end(), value.GetStrings().begin(), value.GetStrings().end());
        else if (value.GetType() == CKTSyntaxEditLexValue::ktSpecial)
            value.GetSpecial().Expand(value.GetSpecial().IsNegated() ? negated : plain);
    }
    for (const std::string& tag : plain)
    {
        if (tag.empty() || int(tag.size()) > kLongestTag)
            continue;
        m_nLongest = std::max(m_nLongest, std::max(int(tag.size()), 2));
        if (m_nPlainRoot < 0)
            m_nPlainRoot = NewMap();
        Insert(m_nPlainRoot, tag);
        unsigned char first = static_cast<unsigned char>(tag[0]);
        m_bFirst[first] = true;
        if (lowered || ktlex::IsAsciiLetter(char(first)))
            m_bFirst[static_cast<unsigned char>(ktlex::ToUpper(char(first)))] =
                m_bFirst[static_cast<unsigned char>(ktlex::ToLower(char(first)))] = true;
    }
    for (const std::string& tag : negated)
    {
        m_nNegatedRoot = 0;
        m_nLongest = std::max(m_nLongest, 2);  // one character, maybe of two bytes
        m_bNegatedAll[static_cast<unsigned char>(tag[0])] = true;
    }
    if (m_nPlainRoot >= 0)
        IndexRoot();
}

int CKTSyntaxEditLexTagTable::Walk(const char* text, bool firstOnly) const
{
    const CKTLexCharSet& leadBytes = CKTLexLeadBytes::Get();
    bool afterLead = false;  // the byte read is the second half of a character
    int best = 0;
    int map = m_nPlainRoot;
    int edge = text[0] ? m_nRootEdge[static_cast<unsigned char>(text[0])] : -1;
    for (int i = 0; edge >= 0;)
    {
        const Edge& e = m_maps[map][edge];
        afterLead = !afterLead && leadBytes.Contains(text[i]);
        if (e.bEnds && !afterLead)
        {
            best = i + 1;
            if (firstOnly)
                break;
        }
        map = e.nNext;
        if (map < 0 || !text[++i])
            break;
        edge = FindEdge(map, Key(text[i], afterLead));
    }
    return best;
}

void CKTSyntaxEditLexTagTable::IndexRoot()
{
    for (int c = 0; c < 256; ++c)
        m_nRootEdge[c] = FindEdge(m_nPlainRoot, Key(char(c)));
}

bool CKTSyntaxEditLexTagTable::MayStartWith(char c) const
{
    unsigned char ch = static_cast<unsigned char>(c);
    if (m_bFirst[ch])
        return true;
    return m_nNegatedRoot >= 0 && c != 0 && !m_bNegatedAll[ch];
}

bool CKTSyntaxEditLexTagTable::Match(const char* text, bool firstOnly, int& length) const
{
    length = 0;
    if (m_nPlainRoot >= 0 && m_bFirst[static_cast<unsigned char>(*text)])
    {
        length = Walk(text, firstOnly);
        if (length > 0)
            return true;
    }
    // A negated class matches any one character outside every negated class.
    if (m_nNegatedRoot < 0 || *text == 0 || m_bNegatedAll[static_cast<unsigned char>(*text)])
        return false;
    length = KTLexCharLength(text);
    return true;
}
