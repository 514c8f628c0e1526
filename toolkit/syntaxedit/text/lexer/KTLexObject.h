// Interlocked reference counting for lexer objects that threads share.
// Defines: CKTLexObject, CKTLexPtr.
#pragma once

#include <atomic>
#include <utility>

// A new object starts with one reference, which its first holder adopts.
class CKTLexObject
{
public:
    CKTLexObject() = default;
    CKTLexObject(const CKTLexObject&) = delete;
    CKTLexObject& operator=(const CKTLexObject&) = delete;

    void AddRef() const { m_nRef.fetch_add(1, std::memory_order_relaxed); }
    void Release() const
    {
        if (m_nRef.fetch_sub(1, std::memory_order_acq_rel) == 1)
            delete this;
    }

protected:
    virtual ~CKTLexObject() = default;

private:
    mutable std::atomic<long> m_nRef{1};
};

// Holder of one counted reference.
template <class T>
class CKTLexPtr
{
public:
    CKTLexPtr() = default;
    CKTLexPtr(T* p) : m_p(p)
    {
        if (m_p)
            m_p->AddRef();
    }
    CKTLexPtr(const CKTLexPtr& o) : CKTLexPtr(o.m_p) {}
    CKTLexPtr(CKTLexPtr&& o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
    ~CKTLexPtr()
    {
        if (m_p)
            m_p->Release();
    }

    CKTLexPtr& operator=(CKTLexPtr o) noexcept
    {
        std::swap(m_p, o.m_p);
        return *this;
    }

    // Takes over the reference a fresh object starts with.
    static CKTLexPtr Adopt(T* p)
    {
        CKTLexPtr r;
        r.m_p = p;
        return r;
    }

    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    T& operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    void reset() { CKTLexPtr().swap(*this); }
    void swap(CKTLexPtr& o) noexcept { std::swap(m_p, o.m_p); }
    bool operator==(const CKTLexPtr& o) const { return m_p == o.m_p; }
    bool operator!=(const CKTLexPtr& o) const { return m_p != o.m_p; }

private:
    T* m_p = nullptr;
};

template <class T, class... Args>
CKTLexPtr<T> KTMakeLex(Args&&... args)
{
    return CKTLexPtr<T>::Adopt(new T(std::forward<Args>(args)...));
}
