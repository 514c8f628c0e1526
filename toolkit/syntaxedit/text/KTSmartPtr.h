// Holder of one counted reference to a reference-counted command target.
// Classes: CKTSmartPtr.
#pragma once

#include <afx.h>

template <class T>
class CKTSmartPtr
{
public:
    CKTSmartPtr() = default;
    // bAddRef FALSE adopts a reference the caller already holds (a fresh object).
    explicit CKTSmartPtr(T* p, BOOL bAddRef = TRUE) : m_p(p) { if (m_p && bAddRef) m_p->InternalAddRef(); }
    CKTSmartPtr(const CKTSmartPtr& o) : CKTSmartPtr(o.m_p) {}
    CKTSmartPtr(CKTSmartPtr&& o) noexcept : m_p(o.m_p) { o.m_p = NULL; }
    ~CKTSmartPtr() { Release(); }

    CKTSmartPtr& operator=(const CKTSmartPtr& o) { Assign(o.m_p); return *this; }
    CKTSmartPtr& operator=(CKTSmartPtr&& o) noexcept
    {
        if (this != &o) { Release(); m_p = o.m_p; o.m_p = NULL; }
        return *this;
    }

    void Assign(T* p)
    {
        if (p) p->InternalAddRef();
        Release();
        m_p = p;
    }
    void Release()
    {
        T* p = m_p;
        m_p = NULL;
        if (p) p->InternalRelease();
    }
    // Hands the reference to the caller.
    T* Detach() { T* p = m_p; m_p = NULL; return p; }

    T* GetInterface() const { return m_p; }
    T* operator->() const { return m_p; }
    operator T*() const { return m_p; }
    BOOL IsNull() const { return m_p == NULL; }

private:
    T* m_p = NULL;
};
