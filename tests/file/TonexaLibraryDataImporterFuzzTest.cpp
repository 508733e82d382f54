#include "file/FileResultCodes.h"
#include "file/TonexaLibraryDataImporter.h"
#include "TonexaTestFileWriter.h"

#include <gtest/gtest.h>

namespace
{
using Writer = test::TonexaTestFileWriter;

/** Where the chunk headers of Writer::validFile() start. */
std::vector<int> headerStarts()
{
    std::vector<int> starts{0, Writer::programSetStart, Writer::globalDataStart, Writer::unknownChunkStart};

    for (int index = 0; index < Writer::numPrograms; ++index)
        starts.push_back (Writer::programStart (index));

    return starts;
}

juce::int32 interestingInt32 (juce::Random& random)
{
    static const juce::int32 values[]{0,          1,   -1,         -32,
                                      223,        224, 319,        320,
                                      536,        568, 0x7fffffff, std::numeric_limits<juce::int32>::min(),
                                      0x7fffffe0, 300, 299,        3};
    return random.nextBool() ? values[random.nextInt (static_cast<int> (std::size (values)))]
                             : random.nextInt();
}

/** Mostly damages headers, where the walk's decisions are made; now and then
    a byte anywhere, an insertion that shifts every later chunk, or a cut. */
void mutate (juce::MemoryBlock& bytes, juce::Random& random, const std::vector<int>& starts)
{
    const auto numMutations = 1 + random.nextInt (3);

    for (int mutation = 0; mutation < numMutations && ! bytes.isEmpty(); ++mutation)
    {
        const auto size = static_cast<int> (bytes.getSize());
        const auto header = starts[(size_t)random.nextInt (static_cast<int> (starts.size()))];

        switch (random.nextInt (6))
        {
        case 0:
        case 1:
        {
            const auto offset = header + random.nextInt (32);
            if (offset < size)
                bytes[offset] = static_cast<char> (random.nextInt (256));
            break;
        }
        case 2:
        {
            const auto offset = header + (random.nextBool() ? 11 : 21);
            if (offset + 4 <= size)
                bytes = Writer::withInt32 (bytes, (size_t)offset, interestingInt32 (random));
            break;
        }
        case 3:
            bytes[random.nextInt (size)] = static_cast<char> (random.nextInt (256));
            break;
        case 4:
        {
            juce::MemoryBlock inserted ((size_t)(1 + random.nextInt (40)));
            random.fillBitsRandomly (inserted.getData(), inserted.getSize());
            bytes.insert (inserted.getData(), inserted.getSize(), (size_t)random.nextInt (size));
            break;
        }
        default:
            bytes.setSize ((size_t)random.nextInt (size));
            break;
        }
    }
}

TEST (TonexaLibraryDataImporterFuzzTest, MutatedFilesGiveACodeAndFailuresLeaveTheTargetAlone)
{
    const auto valid = Writer::validFile();
    const auto starts = headerStarts();
    juce::Random random (0x70ae);

    xTV200_data::LibraryData target;
    target.getFavorites().setValue (1, 1, 4242);
    target.getProgram (0).getInformation().comment = "Before";
    const xTV200_data::LibraryData before (target);

    int numAccepted = 0;
    int numRefused = 0;

    for (int iteration = 0; iteration < 3000; ++iteration)
    {
        auto bytes = valid;
        mutate (bytes, random, starts);

        const auto code =
            xTV200_file::TonexaLibraryDataImporter (target).readBytes (bytes.getData(), bytes.getSize());

        ASSERT_TRUE (code == file::ReadResult::noError || code == file::ReadResult::invalidType ||
                     code == file::ReadResult::invalidProgramNumber)
            << "iteration " << iteration << " gave " << code;

        if (code == file::ReadResult::noError)
        {
            ++numAccepted;
            target = before;
        }
        else
        {
            ++numRefused;
            ASSERT_TRUE (target == before) << "iteration " << iteration;
        }
    }

    // Both paths must have been walked for the loop to mean anything.
    EXPECT_GT (numAccepted, 100);
    EXPECT_GT (numRefused, 100);
}
} // namespace
