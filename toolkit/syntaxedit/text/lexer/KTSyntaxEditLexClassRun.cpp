// The run step of a lex class: whether a block starts, skips, ends or hands
// the position to its children, and the tag matchers it uses.
#include <cstring>

#include "KTSyntaxEditLexClass.h"
#include "KTLexLeadBytes.h"
#include "KTLexStrings.h"
#include "KTSyntaxEditLexTextBlock.h"
#include "KTSyntaxEditLexTextSchema.h"

namespace
{

// Case folds only single-byte characters: a trail byte that looks like a
// letter is part of another character.
bool SameText(const std::string& tag, const char* text, bool caseSensitive)
{
    if (caseSensitive)
        return std::strncmp(tag.c_str(), text, tag.size()) == 0;
    const CKTLexCharSet& leadBytes = CKTLexLeadBytes::Get();
    bool trail = false;
    for (size_t i = 0; i < tag.size(); ++i)
    {
        char a = tag[i];
        char b = text[i];
        if (b == 0 || (trail ? a != b : ktlex::ToLower(a) != ktlex::ToLower(b)))
            return false;
        trail = !trail && leadBytes.Contains(a);
    }
    return true;
}

// Moves past a tag that closes a block: the block ends on the tag's last
// character (an empty token's on its own position) and its end tag begins
// at "from". Returns the position past the tag.
KT_EDIT_LEXPOS CloseAfterTag(CKTSyntaxEditLexCursor& cursor, KT_EDIT_LEXPOS from, int length, bool stepBack,
                             CKTSyntaxEditLexTextBlock& block)
{
    cursor.SeekNext(length);
    const KT_EDIT_LEXPOS past = cursor.GetPosition();
    block.m_posEnd = stepBack ? cursor.StepBack(past) : past;
    block.SetEndTagStart(from);
    return past;
}

}  // namespace

bool CKTSyntaxEditLexClass::MatchValue(CKTSyntaxEditLexCursor& cursor, const CKTSyntaxEditLexValue& value, int& length,
                                       bool backward) const
{
    const char* text = cursor.GetText();
    int available = cursor.GetAvailableBefore();
    if (value.GetType() == CKTSyntaxEditLexValue::ktStrings)
    {
        for (const std::string& tag : value.GetStrings())
        {
            if (tag.empty() || int(tag.size()) > CKTSyntaxEditLexProperty::kLongestTag)
                continue;
            int size = int(tag.size());
            // Backward, the text must begin a character: a trail byte ending the
            // text before the position is no tag of its own.
            bool equal = backward ? size <= available && cursor.IsCharStart(-size) &&
                                        SameText(tag, text - size, m_bCaseSensitive)
                                  : SameText(tag, text, m_bCaseSensitive);
            if (equal)
            {
                length = int(tag.size());
                return true;
            }
        }
        return false;
    }
    if (value.GetType() != CKTSyntaxEditLexValue::ktSpecial)
        return false;
    const CKTSyntaxEditLexSpecialTokens& special = value.GetSpecial();
    length = backward ? 1 : cursor.GetCharLength();
    // Separators may have walked the whole look-back: nothing is known before it.
    if (backward && available == 0)
        return false;
    return special.Matches(backward ? text[-cursor.GetCharLengthBefore()] : text[0]);
}

bool CKTSyntaxEditLexClass::MatchTags(CKTSyntaxEditLexCursor& cursor, Prop prop, int& length, bool backward) const
{
    const CKTSyntaxEditLexProperty& property = m_props[prop];
    if (!backward)
        cursor.GetText(property.nTagBytes);
    if (property.bSingleCharacters)
        return MatchSingleCharacter(cursor, property, length, backward);
    for (const CKTSyntaxEditLexValue& value : property.values)
        if (MatchValue(cursor, value, length, backward))
            return true;
    return false;
}

// One look-up answers for tags of one character each, as the tags one by one would.
bool CKTSyntaxEditLexClass::MatchSingleCharacter(CKTSyntaxEditLexCursor& cursor,
                                                 const CKTSyntaxEditLexProperty& property, int& length, bool backward)
{
    length = backward ? 1 : cursor.GetCharLength();
    if (backward && cursor.GetAvailableBefore() == 0)
        return false;
    const char* text = cursor.GetText();
    return property.singleCharacters.Contains(backward ? text[-cursor.GetCharLengthBefore()] : text[0]);
}

bool CKTSyntaxEditLexClass::MatchClass(CKTSyntaxEditLexTextSchema& schema, Prop prop, KT_EDIT_LEXPOS notBefore,
                                       const CKTSyntaxEditLexTextBlock* parent, CKTLexBlockPtr& found) const
{
    found.Release();
    const CKTLexBlockPtr& newest = schema.GetNewestBlock();
    if (!newest || !newest->m_ptrClass)
        return false;
    if (parent && newest->m_ptrParent.GetInterface() != parent)
        return false;
    if (notBefore.IsValid() && newest->m_posStart < notBefore)
        return false;
    for (const CKTSyntaxEditLexValue& value : m_props[prop].values)
    {
        if (!value.IsString())
            continue;
        for (const std::string& name : value.GetStrings())
        {
            if (ktlex::EqualsNoCase(name, newest->m_ptrClass->GetName()))
            {
                found = newest;
                return true;
            }
        }
    }
    return false;
}

bool CKTSyntaxEditLexClass::MatchPrevious(CKTSyntaxEditLexCursor& cursor, CKTSyntaxEditLexTextSchema& schema) const
{
    CKTLexBlockPtr found;
    if (m_props[ktPrevClass].TakesPart() && !MatchClass(schema, ktPrevClass, KT_EDIT_LEXPOS(), nullptr, found))
        return false;
    if (!m_props[ktPrevTag].TakesPart())
        return true;
    int offset = 0;
    int length = 0;
    if (m_props[ktPrevTagSep].TakesPart())
    {
        int available = cursor.GetAvailableBefore();
        while (-offset < available)
        {
            cursor.SetLookAhead(offset);
            if (!MatchTags(cursor, ktPrevTagSep, length, true))
                break;
            offset -= cursor.GetCharLengthBefore();
        }
    }
    cursor.SetLookAhead(offset);
    bool matched = MatchTags(cursor, ktPrevTag, length, true);
    cursor.ClearLookAhead();
    return matched;
}

int CKTSyntaxEditLexClass::MatchStart(CKTSyntaxEditLexCursor& cursor, CKTSyntaxEditLexTextSchema& schema,
                                      CKTLexBlockPtr& block)
{
    CKTLexBlockPtr found;
    if (m_props[ktStartClass].TakesPart() && !MatchClass(schema, ktStartClass, KT_EDIT_LEXPOS(), nullptr, found))
        return 0;
    int length = 0;
    bool byTag = m_props[ktStartTag].TakesPart();
    if (byTag && !MatchTags(cursor, ktStartTag, length, false))
        return 0;
    int result = ktStarted;
    if (found && found->m_ptrClass && m_pParent &&
        !ktlex::EqualsNoCase(m_pParent->GetName(), found->m_ptrClass->GetName()))
        result |= ktOtherStart;
    block = schema.NewBlock();
    block->m_ptrClass = this;
    if (byTag || !found)
    {
        block->m_posStart = cursor.GetPosition();
        cursor.SeekNext(length);
        block->SetStartTagEnd(cursor.GetPosition());
        return result | (length ? int(ktConsumed) : 0);
    }
    auto lock = schema.LockData();
    block->m_posStart = found->m_posStart;
    block->m_startTag = found->m_startTag;
    return result;
}

int CKTSyntaxEditLexClass::MatchSkip(CKTSyntaxEditLexCursor& cursor) const
{
    if (!m_props[ktSkipTag].TakesPart())
        return 0;
    bool moved = false;
    int length = 0;
    while (!cursor.IsEnd() && MatchTags(cursor, ktSkipTag, length, false))
    {
        cursor.SeekNext(length);
        moved = true;
    }
    return moved ? int(ktConsumed) : 0;
}

int CKTSyntaxEditLexClass::MatchEnd(CKTSyntaxEditLexCursor& cursor, CKTSyntaxEditLexTextSchema& schema,
                                    CKTSyntaxEditLexTextBlock& block) const
{
    CKTLexBlockPtr found;
    if (m_props[ktEndClass].TakesPart() &&
        !MatchClass(schema, ktEndClass, block.m_posStart, m_bEndClassParentThis ? &block : nullptr, found))
        return 0;
    int length = 0;
    bool byTag = m_props[ktEndTag].TakesPart();
    if (byTag && !MatchTags(cursor, ktEndTag, length, false))
        return 0;
    bool bySeparator = m_props[ktEndSep].TakesPart();
    if (bySeparator)
    {
        int separator = 0;
        cursor.SetLookAhead(length);
        bool matched = MatchTags(cursor, ktEndSep, separator, false);
        cursor.ClearLookAhead();
        if (!matched)
            return 0;
    }
    if (!byTag && !bySeparator && !found)
        return 0;
    auto lock = schema.LockData();
    if (byTag || bySeparator)
    {
        CloseAfterTag(cursor, cursor.GetPosition(), length, true, block);
    }
    else
    {
        block.m_posEnd = found->m_posEnd;
        block.m_endTag = found->m_endTag;
    }
    return ktEnded | ktConsumed;
}

bool CKTSyntaxEditLexClass::MatchTokenSeparators(CKTSyntaxEditLexCursor& cursor, int tokenLength) const
{
    int length = 0;
    if (m_props[ktTokenStartSep].TakesPart() && !MatchTags(cursor, ktTokenStartSep, length, true))
        return false;
    if (!m_props[ktTokenEndSep].TakesPart())
        return true;
    cursor.SetLookAhead(tokenLength);
    bool matched = MatchTags(cursor, ktTokenEndSep, length, false);
    cursor.ClearLookAhead();
    return matched;
}

int CKTSyntaxEditLexClass::MatchToken(CKTSyntaxEditLexCursor& cursor, CKTSyntaxEditLexTextSchema& schema,
                                      CKTLexBlockPtr& block)
{
    int length = 0;
    const CKTSyntaxEditLexTagTable& tokens = m_props[ktTokenTag].table;
    if (!m_props[ktTokenTag].TakesPart() || !tokens.Match(cursor.GetText(tokens.GetLongest()), false, length))
        return 0;
    if (!MatchTokenSeparators(cursor, length))
        return 0;
    block = schema.NewBlock();
    block->m_ptrClass = this;
    block->m_posStart = cursor.GetPosition();
    block->SetStartTagEnd(CloseAfterTag(cursor, block->m_posStart, length, length != 0, *block));
    return ktStarted | ktEnded | ktConsumed;
}

int CKTSyntaxEditLexClass::Run(CKTSyntaxEditLexCursor& cursor, CKTSyntaxEditLexTextSchema& schema,
                               CKTLexBlockPtr& block)
{
    if (block)
    {
        int result = m_bGroupEmpty[ktGroupSkip] ? 0 : MatchSkip(cursor);
        bool hasEnd = !m_bGroupEmpty[ktGroupEnd];
        int end = hasEnd ? MatchEnd(cursor, schema, *block) : 0;
        result |= end;
        if ((result & ktStop) || (end & ktEnded))
            return result;
        if (m_arChildren.empty() && m_arChildren2.empty() && !m_bSelf)
            return result;
        int children = schema.RunClassChildren(cursor, *this, block.GetInterface());
        result |= children & ~(ktStarted | ktEnded);
        if (result & (ktStop | ktRangeDone | ktBroken))
            return result;
        return hasEnd ? result | MatchEnd(cursor, schema, *block) : result;
    }
    bool ok = m_bGroupEmpty[ktGroupPrevious] || MatchPrevious(cursor, schema);
    if (!m_bGroupEmpty[ktGroupStart])
        return ok ? MatchStart(cursor, schema, block) : 0;
    if (!ok)
        return 0;
    if (m_bGroupEmpty[ktGroupToken])
    {
        // A file class opens only for its own file types, when the text has one.
        if (m_nParentKind == ktParentFile && !cursor.GetFileType().empty() && !MatchesFileType(cursor.GetFileType()))
            return 0;
        block = schema.NewBlock();
        block->m_ptrClass = this;
        block->m_posStart = cursor.GetPosition();
        return ktStarted | ktConsumed;
    }
    return MatchToken(cursor, schema, block);
}
