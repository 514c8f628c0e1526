// The element helpers of the collection templates: HashKey, CompareElements, SerializeElements.
#pragma once

#include <type_traits>

// Integers and pointers: the value shifted right by four bits.
template <class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key)
{
    return (UINT)(((DWORD_PTR)key) >> 4);
}

template <>
inline UINT AFXAPI HashKey<LPCSTR>(LPCSTR key)
{
    UINT nHash = 0;
    while (*key)
        nHash = (nHash << 5) + nHash + (UINT)*key++;
    return nHash;
}

template <>
inline UINT AFXAPI HashKey<LPSTR>(LPSTR key)
{
    return HashKey<LPCSTR>(key);
}

template <>
inline UINT AFXAPI HashKey<const CString&>(const CString& key)
{
    return HashKey<LPCSTR>(key);
}

template <>
inline UINT AFXAPI HashKey<CString>(CString key)
{
    return HashKey<LPCSTR>(key);
}

template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

namespace kfw_detail
{

// Object pointers go through the archive's object references.
template <class TYPE>
void SerializeObjectPointers(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; ++i)
    {
        if (ar.IsStoring())
        {
            ar << pElements[i];
            continue;
        }
        CObject* pOb = ar.ReadObject(NULL);
        pElements[i] = dynamic_cast<TYPE>(pOb);
        if (pOb != NULL && pElements[i] == NULL)
            AfxThrowArchiveException(CArchiveException::badClass, ar.m_strFileName);
    }
}

template <class TYPE>
void SerializeBytes(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    UINT nBytes = (UINT)(nCount * (INT_PTR)sizeof(TYPE));
    if (ar.IsStoring())
        ar.Write(pElements, nBytes);
    else
        ar.EnsureRead(pElements, nBytes);
}

template <class TYPE>
void SerializeEach(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; ++i)
    {
        if (ar.IsStoring())
            ar << pElements[i];
        else
            ar >> pElements[i];
    }
}

}  // namespace kfw_detail

// Plain values are stored byte for byte; strings, truth values and objects
// through the archive's own operators, so that object references keep their
// class tags and a damaged byte cannot make an invalid bool.
template <class TYPE>
void AFXAPI SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    if constexpr (std::is_pointer_v<TYPE> && std::is_base_of_v<CObject, std::remove_pointer_t<TYPE>>)
        kfw_detail::SerializeObjectPointers(ar, pElements, nCount);
    else if constexpr (std::is_trivially_copyable_v<TYPE> && !std::is_same_v<TYPE, bool>)
        kfw_detail::SerializeBytes(ar, pElements, nCount);
    else
        kfw_detail::SerializeEach(ar, pElements, nCount);
}
