// One region of text that a lex class recognised.
// Defines: CKTSyntaxEditLexTextBlock.
#pragma once

#include <cstddef>

#include "KTLexCounted.h"
#include "KTSmartPtr.h"
#include "KTSyntaxEditLexBlockPool.h"
#include "KTSyntaxEditLexClass.h"
#include "KTSyntaxEditLexCursor.h"

// Where a tag ends or begins, seen from a block's start or end: rows apart, and columns apart within
// one row or the column itself on another. Tags are short, so both fit a short; an edit outside the tag
// leaves it true wherever the block moves.
struct KT_EDIT_LEXREACH
{
    short nRows = 0;
    short nCol = 0;
};

class CKTSyntaxEditLexTextBlock : public CKTLexCounted
{
public:
    CKTSyntaxEditLexClass::Ptr m_ptrClass;
    CKTLexBlockPtr m_ptrParent;
    KT_EDIT_LEXPOS m_posStart;
    KT_EDIT_LEXPOS m_posEnd;      // the last character; not valid while the block is open
    KT_EDIT_LEXREACH m_startTag;  // to the position past the start tag
    KT_EDIT_LEXREACH m_endTag;    // back to where the end tag begins, which may follow the end

    // Blocks live in the pool of the schema that made them.
    static void* operator new(std::size_t size, CKTSyntaxEditLexBlockPool& pool) { return pool.Allocate(size); }
    static void operator delete(void* block, CKTSyntaxEditLexBlockPool&) { CKTSyntaxEditLexBlockPool::Free(block); }
    static void operator delete(void* block) { CKTSyntaxEditLexBlockPool::Free(block); }

    bool IsOpen() const { return !m_posEnd.IsValid(); }
    // Lets go of the class and the parent: a block that the chain no longer holds may still be held
    // elsewhere, and must not keep what it pointed at alive.
    void Close();
    bool IsUnlinked() const { return !m_ptrClass && !m_ptrParent; }
    bool IsSameClass(const CKTSyntaxEditLexTextBlock& other) const;
    // Inclusive at both ends; both ends must be known.
    bool Contains(const CKTSyntaxEditLexTextBlock& other) const;
    KT_EDIT_LEXPOS GetStartTagEnd() const;
    void SetStartTagEnd(KT_EDIT_LEXPOS past);
    // The end must be known.
    KT_EDIT_LEXPOS GetEndTagStart() const;
    void SetEndTagStart(KT_EDIT_LEXPOS from);

private:
    ~CKTSyntaxEditLexTextBlock() override = default;
};

static_assert(alignof(CKTSyntaxEditLexTextBlock) <= sizeof(void*), "a pool slot aligns blocks as pointers");
