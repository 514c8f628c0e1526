// CList: a doubly linked list of values, walked with POSITION handles.
#pragma once

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject
{
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CList(INT_PTR nBlockSize = 10) : m_pool(nBlockSize) {}
    ~CList() { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return Node(Position(m_pNodeHead))->data; }
    const TYPE& GetHead() const { return Node(Position(m_pNodeHead))->data; }
    TYPE& GetTail() { return Node(Position(m_pNodeTail))->data; }
    const TYPE& GetTail() const { return Node(Position(m_pNodeTail))->data; }

    TYPE RemoveHead();
    TYPE RemoveTail();
    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(Position(m_pNodeHead), newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(Position(m_pNodeTail), newElement); }
    void AddHead(CList* pNewList);
    void AddTail(CList* pNewList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return Position(m_pNodeHead); }
    POSITION GetTailPosition() const { return Position(m_pNodeTail); }
    TYPE& GetNext(POSITION& rPosition) { return const_cast<TYPE&>(std::as_const(*this).GetNext(rPosition)); }
    const TYPE& GetNext(POSITION& rPosition) const;
    TYPE& GetPrev(POSITION& rPosition) { return const_cast<TYPE&>(std::as_const(*this).GetPrev(rPosition)); }
    const TYPE& GetPrev(POSITION& rPosition) const;
    TYPE& GetAt(POSITION position) { return Node(position)->data; }
    const TYPE& GetAt(POSITION position) const { return Node(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { Node(pos)->data = newElement; }
    void RemoveAt(POSITION position);

    // A NULL position inserts at the head (InsertBefore) or tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const;
    POSITION FindIndex(INT_PTR nIndex) const;

    void Serialize(CArchive& ar);
    void AssertValid() const;

private:
    static CNode* Node(POSITION position);
    static POSITION Position(CNode* pNode) { return reinterpret_cast<POSITION>(pNode); }
    CNode* NewNode(CNode* pPrev, CNode* pNext, ARG_TYPE value);

    CNode* m_pNodeHead = NULL;
    CNode* m_pNodeTail = NULL;
    INT_PTR m_nCount = 0;
    CNodePool<CNode> m_pool;
};

template <class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode* CList<TYPE, ARG_TYPE>::Node(POSITION position)
{
    if (position == NULL || position == BEFORE_START_POSITION)
        AfxThrowInvalidArgException();
    return reinterpret_cast<CNode*>(position);
}

template <class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode* CList<TYPE, ARG_TYPE>::NewNode(CNode* pPrev, CNode* pNext, ARG_TYPE value)
{
    CNode* pNode = m_pool.New(pNext, pPrev, TYPE(value));
    ++m_nCount;
    return pNode;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    CNode* pNode = Node(Position(m_pNodeHead));
    TYPE value = std::move(pNode->data);
    RemoveAt(Position(pNode));
    return value;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    CNode* pNode = Node(Position(m_pNodeTail));
    TYPE value = std::move(pNode->data);
    RemoveAt(Position(pNode));
    return value;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(CList* pNewList)
{
    if (pNewList == NULL)
        AfxThrowInvalidArgException();
    // Walking backwards keeps the new elements in their order.
    INT_PTR nCount = pNewList->GetCount();
    POSITION pos = pNewList->GetTailPosition();
    for (INT_PTR i = 0; i < nCount; ++i)
        AddHead(pNewList->GetPrev(pos));
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(CList* pNewList)
{
    if (pNewList == NULL)
        AfxThrowInvalidArgException();
    INT_PTR nCount = pNewList->GetCount();  // the list may be this one
    POSITION pos = pNewList->GetHeadPosition();
    for (INT_PTR i = 0; i < nCount; ++i)
        AddTail(pNewList->GetNext(pos));
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    CNode* pNode = m_pNodeHead;
    while (pNode != NULL)
    {
        CNode* pNext = pNode->pNext;
        m_pool.Delete(pNode);
        pNode = pNext;
    }
    m_pool.FreeAll();
    m_pNodeHead = m_pNodeTail = NULL;
    m_nCount = 0;
}

template <class TYPE, class ARG_TYPE>
const TYPE& CList<TYPE, ARG_TYPE>::GetNext(POSITION& rPosition) const
{
    CNode* pNode = Node(rPosition);
    rPosition = Position(pNode->pNext);
    return pNode->data;
}

template <class TYPE, class ARG_TYPE>
const TYPE& CList<TYPE, ARG_TYPE>::GetPrev(POSITION& rPosition) const
{
    CNode* pNode = Node(rPosition);
    rPosition = Position(pNode->pPrev);
    return pNode->data;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    CNode* pNode = Node(position);
    (pNode->pPrev ? pNode->pPrev->pNext : m_pNodeHead) = pNode->pNext;
    (pNode->pNext ? pNode->pNext->pPrev : m_pNodeTail) = pNode->pPrev;
    m_pool.Delete(pNode);
    if (--m_nCount == 0)
        m_pool.FreeAll();
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    if (position == NULL)
    {
        CNode* pNode = NewNode(NULL, m_pNodeHead, newElement);
        (m_pNodeHead ? m_pNodeHead->pPrev : m_pNodeTail) = pNode;
        m_pNodeHead = pNode;
        return Position(pNode);
    }
    CNode* pOld = Node(position);
    CNode* pNode = NewNode(pOld->pPrev, pOld, newElement);
    (pOld->pPrev ? pOld->pPrev->pNext : m_pNodeHead) = pNode;
    pOld->pPrev = pNode;
    return Position(pNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    if (position == NULL)
    {
        CNode* pNode = NewNode(m_pNodeTail, NULL, newElement);
        (m_pNodeTail ? m_pNodeTail->pNext : m_pNodeHead) = pNode;
        m_pNodeTail = pNode;
        return Position(pNode);
    }
    CNode* pOld = Node(position);
    CNode* pNode = NewNode(pOld, pOld->pNext, newElement);
    (pOld->pNext ? pOld->pNext->pPrev : m_pNodeTail) = pNode;
    pOld->pNext = pNode;
    return Position(pNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter == NULL ? m_pNodeHead : Node(startAfter)->pNext;
    for (; pNode != NULL; pNode = pNode->pNext)
    {
        if (CompareElements<TYPE>(&pNode->data, &searchValue))
            return Position(pNode);
    }
    return NULL;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex--)
        pNode = pNode->pNext;
    return Position(pNode);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD_PTR)m_nCount);
        for (CNode* pNode = m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
            SerializeElements<TYPE>(ar, &pNode->data, 1);
        return;
    }
    for (DWORD_PTR nNewCount = ar.ReadCount(); nNewCount > 0; --nNewCount)
    {
        TYPE newData = TYPE();
        SerializeElements<TYPE>(ar, &newData, 1);
        AddTail(newData);
    }
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AssertValid() const
{
    ASSERT((m_nCount == 0) == (m_pNodeHead == NULL));
    ASSERT((m_pNodeHead == NULL) == (m_pNodeTail == NULL));
}
