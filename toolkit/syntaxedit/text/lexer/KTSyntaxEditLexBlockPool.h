// Memory for the text blocks of one schema.
// Defines: CKTSyntaxEditLexBlockPool.
#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <vector>

#include "KTLexCounted.h"

// Blocks are made by the schema's runs, one run at a time, and released on
// any thread (events and painting hold them), so slots come back through a
// lock-free list that the making side takes whole. A slot begins with its
// pool, and the pool lives while its schema or any of its blocks does.
class CKTSyntaxEditLexBlockPool : public CKTLexCounted
{
public:
    // Blocks may need no stricter alignment than a pointer's.
    explicit CKTSyntaxEditLexBlockPool(std::size_t blockSize);

    // By the schema's runs only.
    void* Allocate(std::size_t size);
    // On any thread: the block's slot goes back to the pool it came from.
    static void Free(void* block);

private:
    struct Slot
    {
        Slot* pNext;
    };

    ~CKTSyntaxEditLexBlockPool() override = default;

    Slot* TakeFreeSlot();
    Slot* CarveSlot();
    void Give(Slot* slot);

    std::size_t m_nSlotSize;  // the pool pointer, then the block
    std::vector<std::unique_ptr<unsigned char[]>> m_chunks;
    std::size_t m_nChunkSlots = 0;
    std::size_t m_nCarved = 0;  // slots handed out of the newest chunk
    Slot* m_pFree = nullptr;    // the making side's own free slots
    std::atomic<Slot*> m_pReturned{nullptr};
};
