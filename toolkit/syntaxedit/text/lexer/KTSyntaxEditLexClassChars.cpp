// The characters at which a lex class can act: the run step asks a class
// only where one of its tags could begin, and skips text where none could.
#include <algorithm>

#include "KTLexStrings.h"
#include "KTSyntaxEditLexClass.h"

namespace
{

// Where a forward match of the values could begin; case folds as the matcher does.
CKTLexCharSet FirstCharacters(const CKTLexValues& values, bool caseSensitive)
{
    CKTLexCharSet chars;
    for (int i = 0; i < 256; ++i)
    {
        char c = char(i);
        for (const CKTSyntaxEditLexValue& value : values)
        {
            bool begins = false;
            if (value.GetType() == CKTSyntaxEditLexValue::ktStrings)
                for (const std::string& tag : value.GetStrings())
                    begins = begins || (!tag.empty() &&
                                        (caseSensitive ? tag[0] == c : ktlex::ToLower(tag[0]) == ktlex::ToLower(c)));
            else if (value.GetType() == CKTSyntaxEditLexValue::ktSpecial)
                begins = value.GetSpecial().Matches(c);
            if (begins)
                chars.Add(c);
        }
    }
    return chars;
}

}  // namespace

CKTLexCharSet CKTSyntaxEditLexClass::StartCharacters() const
{
    CKTLexCharSet chars;
    if (!m_bGroupEmpty[ktGroupStart])
    {
        if (m_props[ktStartTag].TakesPart())
            return FirstCharacters(m_props[ktStartTag].values, m_bCaseSensitive);
        chars.AddAll();  // a start by class alone depends on the blocks, not the text
        return chars;
    }
    if (m_bGroupEmpty[ktGroupToken])
    {
        chars.AddAll();  // a file class opens anywhere
        return chars;
    }
    const CKTSyntaxEditLexTagTable& tokens = m_props[ktTokenTag].table;
    for (int i = 0; i < 256; ++i)
        if (m_props[ktTokenTag].TakesPart() && tokens.MayStartWith(char(i)))
            chars.Add(char(i));
    return chars;
}

CKTLexCharSet CKTSyntaxEditLexClass::EndCharacters() const
{
    CKTLexCharSet chars;
    if (m_bGroupEmpty[ktGroupEnd])
        return chars;
    if (m_props[ktEndTag].TakesPart())
        return FirstCharacters(m_props[ktEndTag].values, m_bCaseSensitive);
    if (m_props[ktEndSep].TakesPart())
        return FirstCharacters(m_props[ktEndSep].values, m_bCaseSensitive);
    if (m_props[ktEndClass].TakesPart())
        chars.AddAll();  // an end by class alone depends on the blocks, not the text
    return chars;
}

void CKTSyntaxEditLexClass::MeasureTags(CKTSyntaxEditLexProperty& property) const
{
    property.bSingleCharacters = true;
    property.nTagBytes = 0;
    for (const CKTSyntaxEditLexValue& value : property.values)
    {
        if (value.GetType() == CKTSyntaxEditLexValue::ktSpecial)
            property.nTagBytes = std::max(property.nTagBytes, 2);  // one character, maybe of two bytes
        if (value.GetType() != CKTSyntaxEditLexValue::ktStrings)
            continue;
        for (const std::string& tag : value.GetStrings())
        {
            property.bSingleCharacters = property.bSingleCharacters && tag.size() <= 1;
            if (int(tag.size()) <= CKTSyntaxEditLexProperty::kLongestTag)
                property.nTagBytes = std::max(property.nTagBytes, std::max(int(tag.size()), 2));
        }
    }
    property.singleCharacters = FirstCharacters(property.values, m_bCaseSensitive);
}

// Children are finished first, so their start characters are known.
void CKTSyntaxEditLexClass::BuildCharacterSets()
{
    for (CKTSyntaxEditLexProperty& property : m_props)
        MeasureTags(property);
    m_startChars = StartCharacters();
    // Where a run inside a block can skip, end or start a child.
    CKTLexCharSet step = EndCharacters();
    if (!m_bGroupEmpty[ktGroupSkip])
        step.Add(FirstCharacters(m_props[ktSkipTag].values, m_bCaseSensitive));
    for (const List* list : {&m_arChildren, &m_arChildren2})
        for (const Ptr& child : *list)
            step.Add(child->m_startChars);
    if (m_bSelf)
        step.Add(m_startChars);
    const CKTSyntaxEditLexTagTable& active = m_props[ktActiveTags].table;
    m_scanStops.Clear();
    for (int i = 0; i < 256; ++i)
        if (step.Contains(char(i)) && active.MayStartWith(char(i)))
            m_scanStops.Add(char(i));
}
