// Parse times of the C scheme on a generated source of 50,000 lines: a full
// parse, the re-parse after a one-character edit, the colours of a screen;
// and the heap that the parse results take per 1,000 lines.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "HeapCounter.h"
#include "TestText.h"

namespace
{

const int kRows = 50000;

// Whole copies of a real generated source, cut at 50,000 lines.
CTestText& GeneratedText()
{
    static CTestText text(std::string(), ".c");
    if (text.GetRowCount() < kRows)
    {
        std::string one = ReadTestFile(std::string(KT_TEST_DATA_DIR) + "/chat_api.c");
        std::string all;
        for (int rows = 0; rows < kRows; rows += int(std::count(one.begin(), one.end(), '\n')))
            all += one;
        text.SetText(all);
    }
    return text;
}

void FullParse(benchmark::State& state)
{
    auto schema = LoadTestSchema("schemes/c.scheme");
    CTestText& text = GeneratedText();
    // Everything the parse results hold, the memory kept for the blocks of later parses included.
    KT_HEAP_USE unparsed = KTGetHeapUse();
    for (auto _ : state)
    {
        CKTSyntaxEditLexCursor cursor(text);
        schema->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    }
    KT_HEAP_USE parsed = KTGetHeapUse();
    double thousands = text.GetRowCount() / 1000.0;
    state.counters["bytes_per_1000_lines"] = double(parsed.nBytes - unparsed.nBytes) / thousands;
    state.counters["allocs_per_1000_lines"] = double(parsed.nAllocations - unparsed.nAllocations) / thousands;
    state.counters["rows"] = text.GetRowCount();
    state.counters["blocks"] = double(schema->GetBlocks().size());
}

// One character typed in the middle of the text and taken away again:
// two re-parses per iteration.
void OneCharacterEdit(benchmark::State& state)
{
    auto schema = LoadTestSchema("schemes/c.scheme");
    CTestText& text = GeneratedText();
    CKTSyntaxEditLexCursor first(text);
    schema->RunParseUpdate(true, first, nullptr, nullptr, false);
    KT_EDIT_LEXPOS at{kRows / 2, 1};
    for (auto _ : state)
    {
        KT_EDIT_LEXPOS end = text.Insert(at, "x");
        schema->UpdateTextBlocks(at, end, CKTSyntaxEditLexTextSchema::ktInsert);
        CKTSyntaxEditLexCursor inserted(text);
        schema->RunParseUpdate(true, inserted, &at, &end, false);
        text.Delete(at, end);
        schema->UpdateTextBlocks(at, end, CKTSyntaxEditLexTextSchema::ktDelete);
        CKTSyntaxEditLexCursor deleted(text);
        schema->RunParseUpdate(true, deleted, &at, &end, false);
    }
}

// The colours of a 100-row screen in the middle of the parsed text, as
// painting asks for them after an edit.
void ScreenColours(benchmark::State& state)
{
    auto schema = LoadTestSchema("schemes/c.scheme");
    CTestText& text = GeneratedText();
    CKTSyntaxEditLexCursor cursor(text);
    schema->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    std::vector<KT_EDIT_LEXPIECE> pieces;
    std::string row;
    for (auto _ : state)
    {
        for (int r = kRows / 2; r < kRows / 2 + 100; ++r)
        {
            text.GetRowText(r, row);
            schema->GetRowColors(r, int(row.size()), KT_EDIT_LEXSTYLE(), pieces);
            benchmark::DoNotOptimize(pieces.data());
        }
    }
}

}  // namespace

BENCHMARK(FullParse)->Unit(benchmark::kMillisecond);
BENCHMARK(OneCharacterEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(ScreenColours)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
