// Text blocks: class and containment tests, and where their tags lie.
#include "KTSyntaxEditLexTextBlock.h"

#include "KTLexStrings.h"

#include <algorithm>
#include <climits>

void CKTSyntaxEditLexTextBlock::Close()
{
    m_ptrClass.Release();
    m_ptrParent.Release();
}

bool CKTSyntaxEditLexTextBlock::IsSameClass(const CKTSyntaxEditLexTextBlock& other) const
{
    return m_ptrClass && other.m_ptrClass && ktlex::EqualsNoCase(m_ptrClass->GetName(), other.m_ptrClass->GetName());
}

bool CKTSyntaxEditLexTextBlock::Contains(const CKTSyntaxEditLexTextBlock& other) const
{
    return m_posEnd.IsValid() && other.m_posEnd.IsValid() && m_posStart <= other.m_posStart &&
           m_posEnd >= other.m_posEnd;
}

KT_EDIT_LEXPOS CKTSyntaxEditLexTextBlock::GetStartTagEnd() const
{
    return {m_posStart.nRow + m_startTag.nRows, m_startTag.nRows ? m_startTag.nCol : m_posStart.nCol + m_startTag.nCol};
}

// A tag is at most a few hundred characters: no row or column count of it leaves a short.
void CKTSyntaxEditLexTextBlock::SetStartTagEnd(KT_EDIT_LEXPOS past)
{
    m_startTag.nRows = short(past.nRow - m_posStart.nRow);
    m_startTag.nCol = short(m_startTag.nRows ? past.nCol : past.nCol - m_posStart.nCol);
}

KT_EDIT_LEXPOS CKTSyntaxEditLexTextBlock::GetEndTagStart() const
{
    return {m_posEnd.nRow - m_endTag.nRows, m_endTag.nRows ? m_endTag.nCol : m_posEnd.nCol - m_endTag.nCol};
}

// Only the column where a tag begins on an earlier row is not bounded by the tag: one too far right for
// a short is taken as further left, so that an edit there is seen to touch the tag and only
// re-parses more.
void CKTSyntaxEditLexTextBlock::SetEndTagStart(KT_EDIT_LEXPOS from)
{
    m_endTag.nRows = short(m_posEnd.nRow - from.nRow);
    m_endTag.nCol = short(m_endTag.nRows ? std::min(from.nCol, int(SHRT_MAX)) : m_posEnd.nCol - from.nCol);
}
