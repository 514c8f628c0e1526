// One region of text that a lex class recognised.
// Defines: CKTSyntaxEditLexTextBlock.
#pragma once

#include "KTSyntaxEditLexClass.h"
#include "KTLexCounted.h"
#include "KTSmartPtr.h"
#include "KTSyntaxEditLexCursor.h"

class CKTSyntaxEditLexTextBlock : public CKTLexCounted
{
public:
    CKTSyntaxEditLexClass::Ptr m_ptrClass;
    CKTLexBlockPtr m_ptrParent;
    KT_EDIT_LEXPOS m_posStart;
    KT_EDIT_LEXPOS m_posEnd;  // the last character; not valid while the block is open
    int m_nStartTagLen = 0;
    int m_nEndTagLen = 0;

    bool IsOpen() const { return !m_posEnd.IsValid(); }
    bool IsSameClass(const CKTSyntaxEditLexTextBlock& other) const;
    // Inclusive at both ends; both ends must be known.
    bool Contains(const CKTSyntaxEditLexTextBlock& other) const;

private:
    ~CKTSyntaxEditLexTextBlock() override = default;
};
