// EngineBenchmark.cpp: reading, validating and writing a design of 1,000 packets of 30 fields.
#include "project/ProjectFile.h"
#include "SampleDesigns.h"
#include "validation/DesignValidator.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

const int kPackets = 1000;
const int kFields = 30;

const ProjectRecord& Design()
{
    static const ProjectRecord design = LargeProject(kPackets, kFields);
    return design;
}

std::string FilePath()
{
    return "kengine-benchmark.kvs";
}

void BM_WriteProjectFile(benchmark::State& state)
{
    CString error;
    for (auto _ : state) {
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
    for (auto _ : state) {
        ProjectRecord project;
        if (!ReadProjectFile(FilePath().c_str(), &project, &message))
            state.SkipWithError(message);
        benchmark::DoNotOptimize(project.packets.GetSize());
    }
    std::remove(FilePath().c_str());
}
BENCHMARK(BM_ReadProjectFile)->Unit(benchmark::kMillisecond);

void BM_ValidateDesign(benchmark::State& state)
{
    CString line;
    for (auto _ : state) {
        if (!ValidateDesign(Design(), &line))
            state.SkipWithError(line);
    }
}
BENCHMARK(BM_ValidateDesign)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
