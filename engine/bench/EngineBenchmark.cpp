// EngineBenchmark.cpp: reading, validating and writing a design of 1,000 packets of 30 fields; validation by size;
// the sum that proves a run's files.
#include "project/DiskState.h"
#include "project/ProjectFile.h"
#include "SampleDesigns.h"
#include "validation/DesignValidator.h"

#include <benchmark/benchmark.h>
#include <expat.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace
{

const int kPackets = 1000;
const int kFields = 30;

const ProjectRecord& Design()
{
    static const ProjectRecord design = LargeProject(kPackets, kFields);
    return design;
}

std::string FilePath() { return "kengine-benchmark.kvs"; }

void BM_WriteProjectFile(benchmark::State& state)
{
    CString error;
    for (auto _ : state)
    {
        if (!WriteProjectFile(Design(), FilePath().c_str(), &error))
            state.SkipWithError(error);
    }
}
BENCHMARK(BM_WriteProjectFile)->Unit(benchmark::kMillisecond);

void BM_ReadProjectFile(benchmark::State& state)
{
    CString message;
    if (!WriteProjectFile(Design(), FilePath().c_str(), &message))
        state.SkipWithError(message);
    std::unique_ptr<ProjectRecord> project;
    for (auto _ : state)
    {
        // Freeing the last project read is not part of reading.
        state.PauseTiming();
        project.reset(new ProjectRecord);
        state.ResumeTiming();
        if (!ReadProjectFile(FilePath().c_str(), project.get(), &message))
            state.SkipWithError(message);
        benchmark::DoNotOptimize(project->packets.GetSize());
    }
    std::remove(FilePath().c_str());
}
BENCHMARK(BM_ReadProjectFile)->Unit(benchmark::kMillisecond);

// The sum by which a run's record proves its files, over one block as the writer gives them.
void BM_ContentSum(benchmark::State& state)
{
    const std::string block(kPieceBlockSize, 'x');
    for (auto _ : state)
    {
        CContentSum sum;
        sum.Add(block.data(), block.size());
        benchmark::DoNotOptimize(sum.Proof().sum);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(block.size()));
}
BENCHMARK(BM_ContentSum)->Unit(benchmark::kMillisecond);

// The yardstick of the reader: expat alone on the same file, read as the
// reader reads it (straight into expat's buffer, in the same chunks), with no
// handler.
bool ParseBare(const char* path)
{
    const int kChunk = 64 * 1024;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"), std::fclose);
    std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> parser(XML_ParserCreate(nullptr), XML_ParserFree);
    if (!file || !parser)
        return false;
    for (;;)
    {
        void* buffer = XML_GetBuffer(parser.get(), kChunk);
        if (buffer == nullptr)
            return false;
        const std::size_t got = std::fread(buffer, 1, kChunk, file.get());
        const bool final = got < kChunk;
        if (XML_ParseBuffer(parser.get(), static_cast<int>(got), final) == XML_STATUS_ERROR)
            return false;
        if (final)
            return true;
    }
}

void BM_ParseProjectFileBare(benchmark::State& state)
{
    CString message;
    if (!WriteProjectFile(Design(), FilePath().c_str(), &message))
        state.SkipWithError(message);
    for (auto _ : state)
    {
        if (!ParseBare(FilePath().c_str()))
            state.SkipWithError("expat refused the file");
    }
    std::remove(FilePath().c_str());
}
BENCHMARK(BM_ParseProjectFileBare)->Unit(benchmark::kMillisecond);

void BM_ValidateDesign(benchmark::State& state)
{
    CString line;
    for (auto _ : state)
    {
        if (!ValidateDesign(Design(), &line))
            state.SkipWithError(line);
    }
}
BENCHMARK(BM_ValidateDesign)->Unit(benchmark::kMillisecond);

// Designs kept across runs of one size: building them is not validating.
const ProjectRecord& CachedDesign(int packets, int fieldsPerPacket)
{
    static std::map<std::pair<int, int>, std::unique_ptr<ProjectRecord>> designs;
    std::unique_ptr<ProjectRecord>& design = designs[{packets, fieldsPerPacket}];
    if (!design)
        design.reset(new ProjectRecord(LargeProject(packets, fieldsPerPacket)));
    return *design;
}

void Validate(benchmark::State& state, const ProjectRecord& design)
{
    CString line;
    for (auto _ : state)
    {
        if (!ValidateDesign(design, &line))
            state.SkipWithError(line);
    }
    state.SetComplexityN(state.range(0));
}

// Names and packet types are checked against every earlier one: the time
// must grow with the count, not its square.
void BM_ValidatePackets(benchmark::State& state) { Validate(state, CachedDesign(static_cast<int>(state.range(0)), 3)); }
BENCHMARK(BM_ValidatePackets)
    ->Arg(1000)
    ->Arg(8000)
    ->Arg(32000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_ValidateFieldsOfOnePacket(benchmark::State& state)
{
    Validate(state, CachedDesign(1, static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ValidateFieldsOfOnePacket)
    ->Arg(1000)
    ->Arg(8000)
    ->Arg(32000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
