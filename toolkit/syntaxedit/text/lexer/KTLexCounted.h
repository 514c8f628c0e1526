// The count of lexer objects that threads share.
// Defines: CKTLexCounted.
#pragma once

#include <atomic>

// The portable counterpart of CCmdTarget's count, so that CKTSmartPtr holds
// lexer objects natively too. Made with one reference, which its first
// holder adopts; the count is atomic because workers and painting share blocks.
class CKTLexCounted
{
public:
    CKTLexCounted() = default;
    CKTLexCounted(const CKTLexCounted&) = delete;
    CKTLexCounted& operator=(const CKTLexCounted&) = delete;

    long InternalAddRef() const { return m_nRef.fetch_add(1, std::memory_order_relaxed) + 1; }
    long InternalRelease() const
    {
        long left = m_nRef.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    virtual ~CKTLexCounted() = default;

private:
    mutable std::atomic<long> m_nRef{1};
};
