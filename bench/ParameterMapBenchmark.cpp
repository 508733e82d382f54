#include "data/ParameterListing.h"
#include "data/ParameterMap.h"
#include "data/ProgramData.h"

#include <benchmark/benchmark.h>

using namespace xTV200_data;

namespace
{
DataBlock initialProgramBytes()
{
    return {ProgramData::getInitialBytes().data(), ProgramData::numBytes};
}

// The category is a plain record: one table lookup and a copy. An oscillator
// control is a dynamic record: the oscillator type is read first.
void getParameterInfoOf (benchmark::State& state)
{
    const auto bytes = initialProgramBytes();
    const ParameterId id (static_cast<int> (state.range (0)), static_cast<int> (state.range (1)));
    ParameterInfo info;

    for (auto _ : state)
    {
        auto found = getParameterInfo (id, bytes, info);
        benchmark::DoNotOptimize (found);
        benchmark::DoNotOptimize (info);
    }
}
BENCHMARK (getParameterInfoOf)->Args ({0, 12})->Args ({2, 16});

void readTheTempo (benchmark::State& state)
{
    const auto bytes = initialProgramBytes();
    ParameterInfo tempo;
    getParameterInfo ({8, 1}, bytes, tempo);

    for (auto _ : state)
        benchmark::DoNotOptimize (readParameterValue ({8, 1}, tempo, bytes));
}
BENCHMARK (readTheTempo);

// What the program list does for each row: lookup, read and text.
void categoryText (benchmark::State& state)
{
    const auto bytes = initialProgramBytes();

    for (auto _ : state)
    {
        ParameterInfo info;
        getParameterInfo ({0, 12}, bytes, info);
        benchmark::DoNotOptimize (getParameterValueText (info, readParameterValue ({0, 12}, info, bytes)));
    }
}
BENCHMARK (categoryText);

void oscillatorTypeText (benchmark::State& state)
{
    const auto bytes = initialProgramBytes();
    ParameterInfo info;
    getParameterInfo ({2, 12}, bytes, info);

    for (auto _ : state)
        benchmark::DoNotOptimize (getParameterValueText (info, 73));
}
BENCHMARK (oscillatorTypeText);

void listEveryParameterOfAProgram (benchmark::State& state)
{
    const auto bytes = initialProgramBytes();

    for (auto _ : state)
        benchmark::DoNotOptimize (listProgramParameters (bytes));
}
BENCHMARK (listEveryParameterOfAProgram);

} // namespace
