// CArray: a growable array of values, constructed in place.
#pragma once

#include <new>
#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    CArray() = default;
    // Takes the other's elements and leaves it empty, so that records holding
    // an array move in constant time when their own array grows.
    CArray(CArray&& other) noexcept;
    ~CArray();

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    // nGrowBy -1 keeps the current step; 0 lets the array choose it from its size.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_pData[Checked(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_pData[Checked(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_pData[Checked(nIndex)] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_pData[Checked(nIndex)]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_pData[Checked(nIndex)]; }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement);
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

    void Serialize(CArchive& ar);
    void AssertValid() const;

private:
    INT_PTR Checked(INT_PTR nIndex) const;
    void Reallocate(INT_PTR nNewMax);
    void Destroy(INT_PTR nFrom, INT_PTR nTo);
    INT_PTR GrowStep() const;

    TYPE* m_pData = NULL;
    INT_PTR m_nSize = 0;
    INT_PTR m_nMaxSize = 0;
    INT_PTR m_nGrowBy = 0;
};

template <class TYPE, class ARG_TYPE>
CArray<TYPE, ARG_TYPE>::CArray(CArray&& other) noexcept
    : CObject(), m_pData(other.m_pData), m_nSize(other.m_nSize), m_nMaxSize(other.m_nMaxSize),
      m_nGrowBy(other.m_nGrowBy)
{
    other.m_pData = NULL;
    other.m_nSize = 0;
    other.m_nMaxSize = 0;
}

template <class TYPE, class ARG_TYPE>
CArray<TYPE, ARG_TYPE>::~CArray()
{
    Destroy(0, m_nSize);
    ::operator delete(m_pData);
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Checked(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nSize)
        AfxThrowInvalidArgException();
    return nIndex;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Destroy(INT_PTR nFrom, INT_PTR nTo)
{
    for (INT_PTR i = nFrom; i < nTo; ++i)
        m_pData[i].~TYPE();
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::GrowStep() const
{
    if (m_nGrowBy > 0)
        return m_nGrowBy;
    INT_PTR nStep = m_nSize / 8;
    return nStep < 4 ? 4 : (nStep > 1024 ? 1024 : nStep);
}

// Moves the elements into a block of room for nNewMax elements.
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reallocate(INT_PTR nNewMax)
{
    if (nNewMax < 0 || (size_t)nNewMax > ((size_t)-1) / sizeof(TYPE))
        AfxThrowInvalidArgException();
    TYPE* pNewData = NULL;
    if (nNewMax > 0)
    {
        pNewData = static_cast<TYPE*>(::operator new((size_t)nNewMax * sizeof(TYPE), std::nothrow));
        if (pNewData == NULL)
            AfxThrowMemoryException();
    }
    for (INT_PTR i = 0; i < m_nSize; ++i)
    {
        ::new (static_cast<void*>(pNewData + i)) TYPE(std::move(m_pData[i]));
        m_pData[i].~TYPE();
    }
    ::operator delete(m_pData);
    m_pData = pNewData;
    m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nNewSize < 0)
        AfxThrowInvalidArgException();
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;
    if (nNewSize == 0)
    {
        Destroy(0, m_nSize);
        m_nSize = 0;
        Reallocate(0);
        return;
    }
    if (nNewSize > m_nMaxSize)
    {
        INT_PTR nStep = GrowStep();
        Reallocate(nNewSize < m_nMaxSize + nStep ? m_nMaxSize + nStep : nNewSize);
    }
    for (INT_PTR i = m_nSize; i < nNewSize; ++i)
        ::new (static_cast<void*>(m_pData + i)) TYPE();
    Destroy(nNewSize, m_nSize);
    m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize != m_nMaxSize)
        Reallocate(m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    if (nIndex < 0)
        AfxThrowInvalidArgException();
    // The argument may refer into this array, which growing moves.
    TYPE value(newElement);
    if (nIndex >= m_nSize)
        SetSize(nIndex + 1, -1);
    m_pData[nIndex] = std::move(value);
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    INT_PTR nOldSize = m_nSize;
    INT_PTR nCount = src.m_nSize;
    SetSize(m_nSize + nCount, -1);
    for (INT_PTR i = 0; i < nCount; ++i)
        m_pData[nOldSize + i] = src.m_pData[i];  // src may be this array
    return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize, -1);
    for (INT_PTR i = 0; i < m_nSize; ++i)
        m_pData[i] = src.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0)
        AfxThrowInvalidArgException();
    TYPE value(newElement);
    INT_PTR nOldSize = m_nSize;
    if (nIndex >= nOldSize)
    {
        SetSize(nIndex + nCount, -1);
    }
    else
    {
        SetSize(nOldSize + nCount, -1);
        for (INT_PTR i = nOldSize - 1; i >= nIndex; --i)
            m_pData[i + nCount] = std::move(m_pData[i]);
    }
    for (INT_PTR i = 0; i < nCount; ++i)
        m_pData[nIndex + i] = value;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
{
    if (pNewArray == NULL || nStartIndex < 0)
        AfxThrowInvalidArgException();
    if (pNewArray->GetSize() == 0)
        return;
    CArray copy;  // pNewArray may be this array
    copy.Copy(*pNewArray);
    InsertAt(nStartIndex, copy.GetAt(0), copy.GetSize());
    for (INT_PTR i = 1; i < copy.GetSize(); ++i)
        SetAt(nStartIndex + i, copy.GetAt(i));
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount < 0 || nIndex + nCount > m_nSize)
        AfxThrowInvalidArgException();
    for (INT_PTR i = nIndex + nCount; i < m_nSize; ++i)
        m_pData[i - nCount] = std::move(m_pData[i]);
    Destroy(m_nSize - nCount, m_nSize);
    m_nSize -= nCount;
}

// Loads in steps, so that a count from a damaged archive runs into the end
// of the data before it can claim a huge block of memory.
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD_PTR)m_nSize);
        SerializeElements<TYPE>(ar, m_pData, m_nSize);
        return;
    }
    const DWORD_PTR nCount = ar.ReadCount();
    const INT_PTR nStep = 4096;
    SetSize(0, -1);
    while ((DWORD_PTR)m_nSize < nCount)
    {
        INT_PTR nFirst = m_nSize;
        INT_PTR nLeft = (INT_PTR)(nCount - (DWORD_PTR)nFirst);
        SetSize(nFirst + (nLeft < nStep ? nLeft : nStep), -1);
        SerializeElements<TYPE>(ar, m_pData + nFirst, m_nSize - nFirst);
    }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::AssertValid() const
{
    ASSERT(m_nSize >= 0 && m_nSize <= m_nMaxSize);
    ASSERT(m_pData != NULL || m_nMaxSize == 0);
}
