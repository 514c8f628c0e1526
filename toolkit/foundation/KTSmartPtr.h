// KTSmartPtr.h: the one holder of a counted reference in the toolkit.
//
// Classes: CKTSmartPtr.
//
// T counts through InternalAddRef/InternalRelease and deletes itself at zero:
// CCmdTarget's count on Windows, or any portable class with the same two
// members. Header-only and portable, so native builds use it too.
#pragma once

#include <type_traits>
#include <utility>

template <class T>
class CKTSmartPtr
{
public:
    CKTSmartPtr() = default;
    // Takes a reference of its own: the caller keeps the one it holds.
    CKTSmartPtr(T* p) : m_p(p)
    {
        if (m_p)
            m_p->InternalAddRef();
    }
    CKTSmartPtr(const CKTSmartPtr& o) : CKTSmartPtr(o.m_p) {}
    CKTSmartPtr(CKTSmartPtr&& o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
    // A holder of a derived class hands its reference to a holder of the base.
    template <class U, class = std::enable_if_t<std::is_convertible<U*, T*>::value>>
    CKTSmartPtr(CKTSmartPtr<U>&& o) noexcept : m_p(o.Detach())
    {
    }
    ~CKTSmartPtr() { Release(); }

    // Takes over the reference a fresh object is made with.
    static CKTSmartPtr Adopt(T* p)
    {
        CKTSmartPtr r;
        r.m_p = p;
        return r;
    }

    CKTSmartPtr& operator=(CKTSmartPtr o) noexcept
    {
        std::swap(m_p, o.m_p);
        return *this;
    }

    void Release()
    {
        if (T* p = std::exchange(m_p, nullptr))
            p->InternalRelease();
    }
    // Hands the reference to the caller, who must release it.
    T* Detach() { return std::exchange(m_p, nullptr); }

    T* GetInterface() const { return m_p; }
    T* operator->() const { return m_p; }
    T& operator*() const { return *m_p; }
    operator T*() const { return m_p; }
    bool IsNull() const { return m_p == nullptr; }

private:
    T* m_p = nullptr;
};

// Makes a fresh counted object whose one reference the holder adopts.
template <class T, class... Args>
CKTSmartPtr<T> KTMakeCounted(Args&&... args)
{
    return CKTSmartPtr<T>::Adopt(new T(std::forward<Args>(args)...));
}
