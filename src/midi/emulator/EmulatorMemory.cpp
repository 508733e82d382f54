#include "midi/emulator/EmulatorMemory.h"

#include "data/PresetData.h"
#include "file/FileResultCodes.h"
#include "file/PresetFileReader.h"
#include "midi/GlobalDataFavorites.h"
#include "midi/SysExGenerator.h"

#include "TolmVESKResources.h"

namespace xTV200_midi
{
namespace
{
constexpr auto numPrograms = static_cast<size_t> (SysExGenerator::numPrograms);
constexpr auto numProgramBytes = static_cast<size_t> (SysExGenerator::numProgramBytes);
constexpr auto numGlobalBytes = static_cast<size_t> (SysExGenerator::numGlobalBytes);

juce::MemoryBlock bytesOf (const xTV200_data::ProgramData& program)
{
    return {program.getBytes(), numProgramBytes};
}
} // namespace

EmulatorMemory::EmulatorMemory()
    : programs (getFactoryPrograms())
    , globalData (createDefaultGlobalData())
    , currentProgram (programs.front())
{
}

juce::MemoryBlock EmulatorMemory::getProgram (int number) const
{
    if (! isValidProgramNumber (number))
        return {};

    const std::lock_guard<std::mutex> guard (lock);
    return programs[static_cast<size_t> (number)];
}

bool EmulatorMemory::setProgram (int number, const juce::MemoryBlock& bytes)
{
    if (! isValidProgramNumber (number) || bytes.getSize() != numProgramBytes)
        return false;

    const std::lock_guard<std::mutex> guard (lock);
    programs[static_cast<size_t> (number)] = bytes;
    return true;
}

juce::MemoryBlock EmulatorMemory::getGlobalData() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return globalData;
}

bool EmulatorMemory::setGlobalData (const juce::MemoryBlock& bytes)
{
    if (bytes.getSize() != numGlobalBytes)
        return false;

    const std::lock_guard<std::mutex> guard (lock);
    globalData = bytes;
    return true;
}

juce::MemoryBlock EmulatorMemory::getCurrentProgram() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return currentProgram;
}

bool EmulatorMemory::setCurrentProgram (const juce::MemoryBlock& bytes)
{
    if (bytes.getSize() != numProgramBytes)
        return false;

    const std::lock_guard<std::mutex> guard (lock);
    currentProgram = bytes;
    return true;
}

bool EmulatorMemory::isValidProgramNumber (int number) noexcept
{
    return juce::isPositiveAndBelow (number, SysExGenerator::numPrograms);
}

const std::vector<juce::MemoryBlock>& EmulatorMemory::getFactoryPrograms()
{
    static const auto factoryPrograms = readFactoryPrograms();
    return factoryPrograms;
}

std::vector<juce::MemoryBlock> EmulatorMemory::readFactoryPrograms()
{
    xTV200_data::PresetData preset;

    // The reader takes files only; the bundle goes through a temporary file
    // with a unique name, deleted again when this returns.
    const juce::TemporaryFile temporary (".tvpreset");
    const auto written = temporary.getFile().replaceWithData (
        TolmVESKResources::Factory_tvpreset, static_cast<size_t> (TolmVESKResources::Factory_tvpresetSize));

    std::vector<juce::MemoryBlock> result;

    if (! written ||
        xTV200_file::PresetFileReader (preset).read (temporary.getFile()) != file::ReadResult::noError)
        preset.initialize();

    for (size_t number = 0; number < numPrograms; ++number)
        result.push_back (bytesOf (preset.getProgram (static_cast<int> (number))));

    return result;
}

juce::MemoryBlock EmulatorMemory::createDefaultGlobalData()
{
    juce::MemoryBlock block (numGlobalBytes, true);
    auto* bytes = static_cast<juce::uint8*> (block.getData());

    // A fixed mix of small and large values, so that a copy that loses the top
    // bit of a byte or shifts bytes shows up.
    for (size_t index = 0; index < static_cast<size_t> (GlobalDataFavorites::firstByte); ++index)
        bytes[index] = static_cast<juce::uint8> ((index * 37 + 5) & 0xFF);

    for (size_t slot = 0; slot < static_cast<size_t> (GlobalDataFavorites::numValues); ++slot)
        bytes[static_cast<size_t> (GlobalDataFavorites::firstByte) + 2 * slot] =
            static_cast<juce::uint8> (slot);

    return block;
}
} // namespace xTV200_midi
