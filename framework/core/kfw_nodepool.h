// CNodePool: the node store of CList and CMap, allocating nodes in blocks of
// the collection's block size and reusing freed ones.
#pragma once

#include <new>
#include <utility>

template <class NODE>
class CNodePool
{
public:
    explicit CNodePool(INT_PTR nBlockSize) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}
    ~CNodePool() { FreeAll(); }
    CNodePool(const CNodePool&) = delete;
    CNodePool& operator=(const CNodePool&) = delete;

    template <class... ARGS>
    NODE* New(ARGS&&... args)
    {
        if (m_pFree == NULL)
            Grow();
        Slot* pSlot = m_pFree;
        m_pFree = pSlot->pNext;
        try
        {
            return ::new (static_cast<void*>(pSlot->storage)) NODE{std::forward<ARGS>(args)...};
        }
        catch (...)
        {
            Release(pSlot);
            throw;
        }
    }

    void Delete(NODE* pNode)
    {
        pNode->~NODE();
        Release(reinterpret_cast<Slot*>(pNode));
    }

    // Frees every block; only when no node is in use any more.
    void FreeAll()
    {
        while (m_pBlocks != NULL)
        {
            Block* pNext = m_pBlocks->pNext;
            ::operator delete(m_pBlocks);
            m_pBlocks = pNext;
        }
        m_pFree = NULL;
    }

private:
    union Slot
    {
        Slot* pNext;
        alignas(NODE) unsigned char storage[sizeof(NODE)];
    };
    struct alignas(Slot) Block
    {
        Block* pNext;
    };
    static_assert(alignof(Slot) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__, "node alignment beyond operator new");

    void Release(Slot* pSlot)
    {
        pSlot->pNext = m_pFree;
        m_pFree = pSlot;
    }

    void Grow()
    {
        if ((size_t)m_nBlockSize > (((size_t)-1) - sizeof(Block)) / sizeof(Slot))
            AfxThrowInvalidArgException();
        void* pMemory = ::operator new(sizeof(Block) + (size_t)m_nBlockSize * sizeof(Slot), std::nothrow);
        if (pMemory == NULL)
            AfxThrowMemoryException();
        Block* pBlock = static_cast<Block*>(pMemory);
        pBlock->pNext = m_pBlocks;
        m_pBlocks = pBlock;
        Slot* pSlots = reinterpret_cast<Slot*>(pBlock + 1);
        for (INT_PTR i = m_nBlockSize; i-- > 0;)  // handed out in address order
            Release(&pSlots[i]);
    }

    INT_PTR m_nBlockSize;
    Block* m_pBlocks = NULL;
    Slot* m_pFree = NULL;
};
