// Loading, editing and undoing a 100,000-line C file.
#include "KTSyntaxEditBufferIterator.h"
#include "TextTestHelpers.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <malloc.h>
#include <new>
#include <thread>

// Heap bytes in use by this process's C++ allocations, to weigh a loaded buffer.
static std::atomic<long long> g_nHeapBytes(0);

void* operator new(size_t nSize)
{
    void* p = malloc(nSize ? nSize : 1);
    if (!p)
        throw std::bad_alloc();
    g_nHeapBytes += _msize(p);
    return p;
}

// Our operator new takes its memory from malloc, so free is its match.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept
{
    if (!p)
        return;
    g_nHeapBytes -= _msize(p);
    free(p);
}
#pragma GCC diagnostic pop

void operator delete(void* p, size_t) noexcept { operator delete(p); }

namespace
{
const int kRows = 100000;

const std::string& SourceFile()
{
    static const std::string text = []
    {
        std::string s;
        for (int i = 0; i < kRows; ++i)
            s +=
                "\tresult = dravolint_pack_bits(buffer, offset + " + std::to_string(i) + ", value, 8); /* field */\r\n";
        return s;
    }();
    return text;
}

// The test file on disk, loaded into a fresh buffer.
struct LoadedFile
{
    explicit LoadedFile(const char* name) : file(name)
    {
        file.Write(SourceFile());
        CFile source(file.Path().c_str(), CFile::modeRead | CFile::shareDenyNone);
        buffer->Load(&source);
    }

    kttest::TempFile file;
    kttest::BufferPtr buffer = kttest::NewBuffer();
};

void BM_Load(benchmark::State& state)
{
    kttest::TempFile file("bench.c");
    file.Write(SourceFile());
    long long nBefore = g_nHeapBytes;
    long long nGrown = 0;
    for (auto _ : state)
    {
        kttest::BufferPtr buffer = kttest::NewBuffer();
        CFile source(file.Path().c_str(), CFile::modeRead | CFile::shareDenyNone);
        buffer->Load(&source);
        nGrown = g_nHeapBytes - nBefore;
        benchmark::DoNotOptimize(buffer->GetRowCount());
    }
    state.counters["rows"] = kRows;
    state.counters["file_MB"] = double(SourceFile().size()) / (1024 * 1024);
    state.counters["buffer_MB"] = double(nGrown) / (1024 * 1024);
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

// Generated code replacing a loaded file's whole text as one undoable edit:
// what the rows and their history weigh together, per row.
void BM_ReplaceWholeText(benchmark::State& state)
{
    kttest::TempFile file("bench_replace.c");
    file.Write(SourceFile());
    long long nGrown = 0;
    for (auto _ : state)
    {
        long long nBefore = g_nHeapBytes;
        kttest::BufferPtr buffer = kttest::NewBuffer();
        CFile source(file.Path().c_str(), CFile::modeRead | CFile::shareDenyNone);
        buffer->Load(&source);
        KT_EDIT_TEXTPOS lcOldEnd, lcNewEnd;
        buffer->ReplaceAllText(SourceFile().c_str(), lcOldEnd, lcNewEnd);
        nGrown = g_nHeapBytes - nBefore;
    }
    state.counters["buffer_MB"] = double(nGrown) / (1024 * 1024);
    state.counters["bytes_per_row"] = double(nGrown) / kRows;
}
BENCHMARK(BM_ReplaceWholeText)->Unit(benchmark::kMillisecond);

// A generated text split into rows aside, as Generate Code does before an open editor takes it.
void BM_SplitNewText(benchmark::State& state)
{
    for (auto _ : state)
    {
        CKTSyntaxEditNewText text(SourceFile().data(), int(SourceFile().size()));
        text.ReadAll();
        benchmark::DoNotOptimize(text.TakeRows()->GetRowCount());
    }
    state.counters["file_MB"] = double(SourceFile().size()) / (1024 * 1024);
}
BENCHMARK(BM_SplitNewText)->Unit(benchmark::kMillisecond);

// One typed character per row in the middle of a loaded file, recorded for undo.
void BM_InsertThenUndo(benchmark::State& state)
{
    LoadedFile loaded("bench_edit.c");
    kttest::BufferPtr& buffer = loaded.buffer;
    const int edits = int(state.range(0));
    for (auto _ : state)
    {
        for (int i = 0; i < edits; ++i)
            buffer->InsertText("x", 50000 + i, 10, TRUE);
        KT_EDIT_TEXTPOS from, to;
        while (buffer->GetUndoRedoManager()->CanUndo())
            buffer->GetUndoRedoManager()->DoUndo(from, to, NULL);
    }
    state.SetItemsProcessed(state.iterations() * edits);
}
BENCHMARK(BM_InsertThenUndo)->Arg(1000)->Unit(benchmark::kMillisecond);

// Inserting a row-splitting paste near the top: every row below moves.
void BM_InsertRowsNearTop(benchmark::State& state)
{
    LoadedFile loaded("bench_rows.c");
    kttest::BufferPtr& buffer = loaded.buffer;
    for (auto _ : state)
    {
        buffer->InsertText("int a;\r\nint b;\r\n", 10, 1, TRUE);
        KT_EDIT_TEXTPOS from, to;
        buffer->GetUndoRedoManager()->DoUndo(from, to, NULL);
    }
}
BENCHMARK(BM_InsertRowsNearTop)->Unit(benchmark::kMicrosecond);
// Streaming the whole text as the parser's worker does.
void BM_IterateAll(benchmark::State& state)
{
    LoadedFile loaded("bench_iter.c");
    CKTSyntaxEditBufferIterator it(loaded.buffer, 64);
    long long nChars = 0;
    for (auto _ : state)
    {
        it.SeekBegin();
        while (!it.IsEOF())
        {
            it.SeekNext(1, 512);
            ++nChars;
        }
    }
    state.SetBytesProcessed(nChars);
}
BENCHMARK(BM_IterateAll)->Unit(benchmark::kMillisecond);

// Typing while a worker streams the text: the longest single edit tells how
// long the user-interface thread can wait for the row lock.
void BM_InsertWhileWorkerReads(benchmark::State& state)
{
    LoadedFile loaded("bench_shared.c");
    std::atomic<bool> stop(false);
    std::thread worker(
        [&]
        {
            CKTSyntaxEditBufferIterator it(loaded.buffer, 64);
            while (!stop)
            {
                it.SeekBegin();
                while (!it.IsEOF() && !stop)
                    it.SeekNext(1, 512);
            }
        });
    double dMaxMicros = 0;
    long long nSlow = 0;
    int row = 1;
    for (auto _ : state)
    {
        auto start = std::chrono::steady_clock::now();
        loaded.buffer->InsertText("x", row, 1, FALSE);
        auto micros = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        dMaxMicros = std::max(dMaxMicros, micros);
        nSlow += micros > 1000;
        row = row % kRows + 1;
    }
    stop = true;
    worker.join();
    state.counters["max_edit_us"] = dMaxMicros;
    state.counters["edits_over_1ms"] = double(nSlow);
}
BENCHMARK(BM_InsertWhileWorkerReads)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
