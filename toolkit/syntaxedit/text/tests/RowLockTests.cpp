// The rows under a reading worker: every mutation waits for the reader, readers never see torn rows.
#include <gtest/gtest.h>

#include "KTSyntaxEditBufferIterator.h"
#include "TextTestHelpers.h"

#include <atomic>
#include <functional>
#include <thread>

using kttest::BufferPtr;
using kttest::NewBuffer;
using kttest::SetRows;

namespace
{
struct Mutation
{
    const char* name;
    std::function<void(CKTSyntaxEditBufferManager&)> run;
};

void Undo(CKTSyntaxEditBufferManager& buffer)
{
    KT_EDIT_TEXTPOS from, to;
    buffer.GetUndoRedoManager()->DoUndo(from, to, NULL);
}

void Redo(CKTSyntaxEditBufferManager& buffer)
{
    KT_EDIT_TEXTPOS from, to;
    buffer.GetUndoRedoManager()->DoRedo(from, to, NULL);
}

TEST(RowLock, EveryMutationWaitsForAReaderToLetGo)
{
    const Mutation mutations[] = {
        {"insert", [](CKTSyntaxEditBufferManager& b) { b.InsertText("x\ny", 1, 2, TRUE); }},
        {"delete", [](CKTSyntaxEditBufferManager& b) { b.DeleteText(1, 1, 2, 1, TRUE, FALSE); }},
        {"block", [](CKTSyntaxEditBufferManager& b) { b.InsertTextBlock("1\n2", 1, 1, TRUE); }},
        {"case", [](CKTSyntaxEditBufferManager& b) { b.ChangeCase(1, 1, 3, TRUE, TRUE); }},
        {"undo", Undo},
        {"redo", Redo},
        {"load", [](CKTSyntaxEditBufferManager& b) { kttest::LoadBytes(b, "new\r\ntext"); }},
        {"close", [](CKTSyntaxEditBufferManager& b) { b.Close(); }},
    };
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"abc", "def", "ghi"});
    for (const Mutation& mutation : mutations)
    {
        std::atomic<bool> holding(false), letGo(false);
        std::thread reader(
            [&]
            {
                CKTSyntaxEditRowReadLock lock(buffer->GetRowLock());
                holding = true;
                Sleep(150);
                letGo = true;  // still inside the lock: a mutation that did not wait sees false
            });
        while (!holding)
            Sleep(1);
        mutation.run(*buffer);
        EXPECT_TRUE(letGo) << mutation.name;
        reader.join();
    }
}

// Rows are always "0123456789"; the worker checks every byte it streams.
TEST(RowLock, IteratorOnAWorkerSeesWholeRowsWhileTheOwnerEdits)
{
    BufferPtr buffer = NewBuffer();
    std::vector<std::string> rows(200, "0123456789");
    SetRows(*buffer, rows);
    std::atomic<bool> stop(false);
    std::atomic<int> bad(0), passes(0);
    std::thread worker(
        [&]
        {
            CKTSyntaxEditBufferIterator it(buffer);
            while (!stop)
            {
                it.SeekBegin();
                for (int n = 0; !it.IsEOF() && n < 100000; ++n)
                {
                    char c = *it.GetText(1);
                    if (!((c >= '0' && c <= '9') || c == '\r' || c == '\n'))
                        ++bad;
                    it.SeekNext(1);
                }
                ++passes;
            }
        });
    DWORD dwStart = GetTickCount();
    for (int i = 0; GetTickCount() - dwStart < 1500 || passes < 3; ++i)
    {
        int row = 1 + i % 150;
        buffer->InsertText("0123456789\r\n0123456789\r\n", row, 1, TRUE);
        buffer->DeleteText(row, 1, row + 2, 1, TRUE, FALSE);
        if (i % 50 == 0)
            buffer->GetUndoRedoManager()->Clear();
    }
    stop = true;
    worker.join();
    EXPECT_EQ(bad.load(), 0);
    EXPECT_GE(passes.load(), 3);
    EXPECT_EQ(buffer->GetRowCount(), 200);
}
}  // namespace
