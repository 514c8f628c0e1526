// Text blocks: class and containment tests.
#include "KTSyntaxEditLexTextBlock.h"

#include "KTLexStrings.h"

bool CKTSyntaxEditLexTextBlock::IsSameClass(const CKTSyntaxEditLexTextBlock& other) const
{
    return m_ptrClass && other.m_ptrClass && ktlex::EqualsNoCase(m_ptrClass->GetName(), other.m_ptrClass->GetName());
}

bool CKTSyntaxEditLexTextBlock::Contains(const CKTSyntaxEditLexTextBlock& other) const
{
    return m_posEnd.IsValid() && other.m_posEnd.IsValid() && m_posStart <= other.m_posStart &&
           m_posEnd >= other.m_posEnd;
}
