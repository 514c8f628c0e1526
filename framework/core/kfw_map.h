// CMap: a hash map with chained buckets whose iteration order depends only on
// the hash table size and the order of insertion.
#pragma once

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
public:
    typedef KEY BASE_KEY;
    typedef ARG_KEY BASE_ARG_KEY;
    typedef VALUE BASE_VALUE;
    typedef ARG_VALUE BASE_ARG_VALUE;

    class CPair
    {
    public:
        const KEY key;
        VALUE value;

    protected:
        explicit CPair(ARG_KEY keyval) : key(keyval), value() {}
    };

private:
    class CAssoc : public CPair
    {
    public:
        explicit CAssoc(ARG_KEY keyval) : CPair(keyval) {}
        CAssoc* pNext = NULL;
        UINT nHashValue = 0;
    };

public:
    explicit CMap(INT_PTR nBlockSize = 10) : m_pool(nBlockSize) {}
    ~CMap() { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
    const CPair* PLookup(ARG_KEY key) const { return GetAssocAt(key); }
    CPair* PLookup(ARG_KEY key) { return GetAssocAt(key); }
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    // Buckets in index order, each from its newest entry to its oldest.
    POSITION GetStartPosition() const { return m_nCount == 0 ? NULL : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;
    const CPair* PGetFirstAssoc() const { return NextAssoc(NULL); }
    CPair* PGetFirstAssoc() { return NextAssoc(NULL); }
    const CPair* PGetNextAssoc(const CPair* pAssoc) const;
    CPair* PGetNextAssoc(const CPair* pAssoc);

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // A map that already holds entries keeps them, spread over the new table.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

    void Serialize(CArchive& ar);
    void AssertValid() const;

private:
    CAssoc* GetAssocAt(ARG_KEY key) const;
    CAssoc* NextAssoc(const CAssoc* pAssoc) const;
    void AllocTable(UINT hashSize);

    CAssoc** m_pHashTable = NULL;
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
    CNodePool<CAssoc> m_pool;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::AllocTable(UINT hashSize)
{
    CAssoc** pTable = new (std::nothrow) CAssoc*[hashSize]();
    if (pTable == NULL)
        AfxThrowMemoryException();
    delete[] m_pHashTable;
    m_pHashTable = pTable;
    m_nHashTableSize = hashSize;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT hashSize, BOOL bAllocNow)
{
    if (hashSize == 0)
        AfxThrowInvalidArgException();
    if (m_nCount == 0)
    {
        delete[] m_pHashTable;
        m_pHashTable = NULL;
        m_nHashTableSize = hashSize;
        if (bAllocNow)
            AllocTable(hashSize);
        return;
    }
    // Collect the chains oldest first, so that each bucket again lists its newest entry first.
    CAssoc* pAll = NULL;
    for (UINT nBucket = m_nHashTableSize; nBucket-- > 0;)
    {
        for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != NULL;)
        {
            CAssoc* pNext = pAssoc->pNext;
            pAssoc->pNext = pAll;
            pAll = pAssoc;
            pAssoc = pNext;
        }
    }
    AllocTable(hashSize);
    while (pAll != NULL)
    {
        CAssoc* pNext = pAll->pNext;
        UINT nBucket = pAll->nHashValue % hashSize;
        pAll->pNext = m_pHashTable[nBucket];
        m_pHashTable[nBucket] = pAll;
        pAll = pNext;
    }
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(
    ARG_KEY key) const
{
    if (m_pHashTable == NULL)
        return NULL;
    UINT nHashValue = HashKey<ARG_KEY>(key);
    for (CAssoc* pAssoc = m_pHashTable[nHashValue % m_nHashTableSize]; pAssoc != NULL; pAssoc = pAssoc->pNext)
    {
        if (pAssoc->nHashValue == nHashValue && CompareElements(&pAssoc->key, &key))
            return pAssoc;
    }
    return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    CAssoc* pAssoc = GetAssocAt(key);
    if (pAssoc == NULL)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    if (CAssoc* pAssoc = GetAssocAt(key))
        return pAssoc->value;
    if (m_pHashTable == NULL)
        AllocTable(m_nHashTableSize);
    CAssoc* pAssoc = m_pool.New(key);
    pAssoc->nHashValue = HashKey<ARG_KEY>(key);
    UINT nBucket = pAssoc->nHashValue % m_nHashTableSize;
    pAssoc->pNext = m_pHashTable[nBucket];
    m_pHashTable[nBucket] = pAssoc;
    ++m_nCount;
    return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (m_pHashTable == NULL)
        return FALSE;
    UINT nHashValue = HashKey<ARG_KEY>(key);
    for (CAssoc** ppLink = &m_pHashTable[nHashValue % m_nHashTableSize]; *ppLink != NULL; ppLink = &(*ppLink)->pNext)
    {
        CAssoc* pAssoc = *ppLink;
        if (pAssoc->nHashValue == nHashValue && CompareElements(&pAssoc->key, &key))
        {
            *ppLink = pAssoc->pNext;
            m_pool.Delete(pAssoc);
            if (--m_nCount == 0)
                m_pool.FreeAll();
            return TRUE;
        }
    }
    return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    for (UINT nBucket = 0; m_pHashTable != NULL && nBucket < m_nHashTableSize; ++nBucket)
    {
        for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != NULL;)
        {
            CAssoc* pNext = pAssoc->pNext;
            m_pool.Delete(pAssoc);
            pAssoc = pNext;
        }
    }
    m_pool.FreeAll();
    delete[] m_pHashTable;
    m_pHashTable = NULL;
    m_nCount = 0;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NextAssoc(
    const CAssoc* pAssoc) const
{
    if (pAssoc != NULL && pAssoc->pNext != NULL)
        return pAssoc->pNext;
    if (m_pHashTable == NULL)
        return NULL;
    UINT nBucket = pAssoc == NULL ? 0 : pAssoc->nHashValue % m_nHashTableSize + 1;
    for (; nBucket < m_nHashTableSize; ++nBucket)
    {
        if (m_pHashTable[nBucket] != NULL)
            return m_pHashTable[nBucket];
    }
    return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
{
    if (rNextPosition == NULL)
        AfxThrowInvalidArgException();
    const CAssoc* pAssoc =
        rNextPosition == BEFORE_START_POSITION ? NextAssoc(NULL) : reinterpret_cast<const CAssoc*>(rNextPosition);
    if (pAssoc == NULL)
        AfxThrowInvalidArgException();
    rKey = pAssoc->key;
    rValue = pAssoc->value;
    rNextPosition = reinterpret_cast<POSITION>(NextAssoc(pAssoc));
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
const typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CPair* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::PGetNextAssoc(
    const CPair* pAssoc) const
{
    return NextAssoc(static_cast<const CAssoc*>(pAssoc));
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CPair* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::PGetNextAssoc(
    const CPair* pAssoc)
{
    return NextAssoc(static_cast<const CAssoc*>(pAssoc));
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD_PTR)m_nCount);
        for (CAssoc* pAssoc = NextAssoc(NULL); pAssoc != NULL; pAssoc = NextAssoc(pAssoc))
        {
            SerializeElements<KEY>(ar, const_cast<KEY*>(&pAssoc->key), 1);
            SerializeElements<VALUE>(ar, &pAssoc->value, 1);
        }
        return;
    }
    for (DWORD_PTR nNewCount = ar.ReadCount(); nNewCount > 0; --nNewCount)
    {
        KEY newKey = KEY();
        VALUE newValue = VALUE();
        SerializeElements<KEY>(ar, &newKey, 1);
        SerializeElements<VALUE>(ar, &newValue, 1);
        SetAt(newKey, newValue);
    }
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::AssertValid() const
{
    ASSERT(m_nHashTableSize > 0);
    ASSERT(m_nCount == 0 || m_pHashTable != NULL);
}
