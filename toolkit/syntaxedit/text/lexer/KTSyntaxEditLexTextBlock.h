// One region of text that a lex class recognised.
// Defines: CKTSyntaxEditLexTextBlock.
#pragma once

#include <cstddef>

#include "KTLexCounted.h"
#include "KTSmartPtr.h"
#include "KTSyntaxEditLexBlockPool.h"
#include "KTSyntaxEditLexClass.h"
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

    // Blocks live in the pool of the schema that made them.
    static void* operator new(std::size_t size, CKTSyntaxEditLexBlockPool& pool) { return pool.Allocate(size); }
    static void operator delete(void* block, CKTSyntaxEditLexBlockPool&) { CKTSyntaxEditLexBlockPool::Free(block); }
    static void operator delete(void* block) { CKTSyntaxEditLexBlockPool::Free(block); }

    bool IsOpen() const { return !m_posEnd.IsValid(); }
    bool IsSameClass(const CKTSyntaxEditLexTextBlock& other) const;
    // Inclusive at both ends; both ends must be known.
    bool Contains(const CKTSyntaxEditLexTextBlock& other) const;

private:
    ~CKTSyntaxEditLexTextBlock() override = default;
};

static_assert(alignof(CKTSyntaxEditLexTextBlock) <= sizeof(void*), "a pool slot aligns blocks as pointers");
