#include "data/LibraryData.h"
#include "file/LibraryFileReader.h"
#include "file/LibraryFileWriter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using xTV200_data::LibraryData;

namespace
{
/** A library whose every program differs, so that nothing compresses away. */
LibraryData makeDistinctiveLibrary()
{
    LibraryData library;

    for (int i = 0; i < LibraryData::numPrograms; ++i)
    {
        auto& program = library.getProgram (i);
        for (int byte = 16; byte < xTV200_data::ProgramData::numBytes; byte += 7)
            program.setByte (byte, static_cast<juce::uint8> ((i * 31 + byte * 17) & 0x7F));

        program.getInformation().programmer = "Programmer " + juce::String (i % 17);
        program.getInformation().comment = "Comment for program " + juce::String (i + 1);
    }

    return library;
}

/** Where the library file is written. scripts/run-benchmarks.sh names it, so
    that the peer reader can read the very same file afterwards.
*/
juce::File benchmarkFile()
{
    if (const char* path = std::getenv ("TOLMVESK_BENCH_LIBRARY"))
        return juce::File (path);

    return juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("tolmvesk-bench.tvlib");
}

void saveLibraryFile (benchmark::State& state)
{
    const auto library = makeDistinctiveLibrary();
    const auto file = benchmarkFile();

    for (auto _ : state)
    {
        xTV200_file::LibraryFileWriter writer (library);
        if (writer.write (file) != 0)
            state.SkipWithError ("the library file could not be written");
    }
}

void openLibraryFile (benchmark::State& state)
{
    const auto file = benchmarkFile();
    if (xTV200_file::LibraryFileWriter (makeDistinctiveLibrary()).write (file) != 0)
        state.SkipWithError ("the library file could not be written");

    for (auto _ : state)
    {
        LibraryData library;
        xTV200_file::LibraryFileReader reader (library);
        if (reader.read (file) != 0)
            state.SkipWithError ("the library file could not be read");
        benchmark::DoNotOptimize (library);
    }
}
} // namespace

BENCHMARK (saveLibraryFile)->Unit (benchmark::kMillisecond);
BENCHMARK (openLibraryFile)->Unit (benchmark::kMillisecond);
