// Loading, editing and undoing a 100,000-line C file.
#include "TextTestHelpers.h"

#include <benchmark/benchmark.h>
#include <psapi.h>

namespace
{
const int kRows = 100000;

const std::string& SourceFile()
{
    static const std::string text = [] {
        std::string s;
        for (int i = 0; i < kRows; ++i)
            s += "\tresult = dravolint_pack_bits(buffer, offset + " + std::to_string(i) + ", value, 8); /* field */\r\n";
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
    kttest::BufferHolder buffer;
};

SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
    return counters.PrivateUsage;
}

void BM_Load(benchmark::State& state)
{
    kttest::TempFile file("bench.c");
    file.Write(SourceFile());
    SIZE_T before = PrivateBytes();
    SIZE_T grown = 0;
    for (auto _ : state)
    {
        kttest::BufferHolder buffer;
        CFile source(file.Path().c_str(), CFile::modeRead | CFile::shareDenyNone);
        buffer->Load(&source);
        grown = PrivateBytes() - before;
        benchmark::DoNotOptimize(buffer->GetRowCount());
    }
    state.counters["rows"] = kRows;
    state.counters["file_MB"] = double(SourceFile().size()) / (1024 * 1024);
    state.counters["buffer_MB"] = double(grown) / (1024 * 1024);
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

// One typed character per row in the middle of a loaded file, recorded for undo.
void BM_InsertThenUndo(benchmark::State& state)
{
    LoadedFile loaded("bench_edit.c");
    kttest::BufferHolder& buffer = loaded.buffer;
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
    kttest::BufferHolder& buffer = loaded.buffer;
    for (auto _ : state)
    {
        buffer->InsertText("int a;\r\nint b;\r\n", 10, 1, TRUE);
        KT_EDIT_TEXTPOS from, to;
        buffer->GetUndoRedoManager()->DoUndo(from, to, NULL);
    }
}
BENCHMARK(BM_InsertRowsNearTop)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
