// Memory for the text blocks of one schema.
#include "KTSyntaxEditLexBlockPool.h"

#include <algorithm>
#include <new>

namespace
{

// Chunks grow from a few slots, for the copies of an on-screen parse, to
// many, for the parse of a whole file.
const std::size_t kFirstChunkSlots = 32;
const std::size_t kLastChunkSlots = 1024;

// A slot begins with its pool; while free, with its link instead.
const std::size_t kHeader = sizeof(void*);

}  // namespace

CKTSyntaxEditLexBlockPool::CKTSyntaxEditLexBlockPool(std::size_t blockSize)
    : m_nSlotSize(kHeader + (blockSize + kHeader - 1) / kHeader * kHeader)
{
}

void* CKTSyntaxEditLexBlockPool::Allocate(std::size_t size)
{
    if (size > m_nSlotSize - kHeader)
        throw std::bad_alloc();
    Slot* slot = TakeFreeSlot();
    if (!slot)
        slot = CarveSlot();
    *reinterpret_cast<CKTSyntaxEditLexBlockPool**>(slot) = this;
    InternalAddRef();  // the block keeps its pool
    return reinterpret_cast<unsigned char*>(slot) + kHeader;
}

CKTSyntaxEditLexBlockPool::Slot* CKTSyntaxEditLexBlockPool::TakeFreeSlot()
{
    if (!m_pFree)
        m_pFree = m_pReturned.exchange(nullptr, std::memory_order_acquire);
    Slot* slot = m_pFree;
    if (slot)
        m_pFree = slot->pNext;
    return slot;
}

CKTSyntaxEditLexBlockPool::Slot* CKTSyntaxEditLexBlockPool::CarveSlot()
{
    if (m_chunks.empty() || m_nCarved == m_nChunkSlots)
    {
        m_nChunkSlots = m_chunks.empty() ? kFirstChunkSlots : std::min(m_nChunkSlots * 2, kLastChunkSlots);
        m_chunks.emplace_back(new unsigned char[m_nSlotSize * m_nChunkSlots]);
        m_nCarved = 0;
    }
    return reinterpret_cast<Slot*>(m_chunks.back().get() + m_nSlotSize * m_nCarved++);
}

void CKTSyntaxEditLexBlockPool::Give(Slot* slot)
{
    slot->pNext = m_pReturned.load(std::memory_order_relaxed);
    while (!m_pReturned.compare_exchange_weak(slot->pNext, slot, std::memory_order_release, std::memory_order_relaxed))
    {
    }
}

void CKTSyntaxEditLexBlockPool::Free(void* block)
{
    if (!block)
        return;
    auto* slot = reinterpret_cast<Slot*>(static_cast<unsigned char*>(block) - kHeader);
    CKTSyntaxEditLexBlockPool* pool = *reinterpret_cast<CKTSyntaxEditLexBlockPool**>(slot);
    pool->Give(slot);
    pool->InternalRelease();  // the last block of a schema that is gone takes the pool with it
}
