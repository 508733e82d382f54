#include "midi/MidiMessageAnalyzer.h"

#include "midi/SevenBitPacking.h"
#include "midi/SysExGenerator.h"

namespace xTV200_midi
{
namespace
{
constexpr size_t identityReplyLength = 15;
constexpr size_t makerHeaderLength = 7; // F0 42 3g 00 F1 F2 function
constexpr size_t programRequestLength = 10;
} // namespace

AnalyzedInformation MidiMessageAnalyzer::analyze (const juce::MemoryBlock& message, int targetFamilyId) const
{
    return analyze (static_cast<const juce::uint8*> (message.getData()), message.getSize(), targetFamilyId);
}

AnalyzedInformation MidiMessageAnalyzer::analyze (const juce::uint8* message, size_t size,
                                                  int targetFamilyId) const
{
    if (message == nullptr || size < 2 || message[0] != 0xF0)
        return {};

    if (message[1] == 0x7E)
        return analyzeUniversal (message, size);

    if (message[1] != SysExGenerator::manufacturerId || size <= makerHeaderLength)
        return {};

    if ((message[2] & 0xF0) != 0x30 || ((message[4] << 8) | message[5]) != targetFamilyId)
        return {};

    return analyzeMaker (message, size);
}

AnalyzedInformation MidiMessageAnalyzer::analyzeUniversal (const juce::uint8* message, size_t size)
{
    if (size != identityReplyLength || message[3] != 0x06 || message[4] != 0x02 ||
        ! isComplete (message, size))
        return {};

    return {AnalyzedInformation::identityReply, 0, juce::MemoryBlock (message, size)};
}

AnalyzedInformation MidiMessageAnalyzer::analyzeMaker (const juce::uint8* message, size_t size)
{
    const auto function = message[6] & 0x7F;

    switch (function)
    {
    case SysExGenerator::functionCurrentProgramDataDump:
        return analyzeDump (message, size, AnalyzedInformation::currentProgramDump,
                            SysExGenerator::currentProgramDataDumpLength, makerHeaderLength,
                            SysExGenerator::numProgramBytes);
    case SysExGenerator::functionProgramDataDump:
        return analyzeDump (message, size, AnalyzedInformation::programDump,
                            SysExGenerator::programDataDumpLength, makerHeaderLength + 2,
                            SysExGenerator::numProgramBytes);
    case SysExGenerator::functionGlobalDataDump:
        return analyzeDump (message, size, AnalyzedInformation::globalDump,
                            SysExGenerator::globalDataDumpLength, makerHeaderLength,
                            SysExGenerator::numGlobalBytes);
    default:
        return analyzeShortReply (message, size, function);
    }
}

AnalyzedInformation MidiMessageAnalyzer::analyzeDump (const juce::uint8* message, size_t size, int type,
                                                      size_t fixedLength, size_t dataStart,
                                                      size_t numDataBytes)
{
    if (size < fixedLength || ! isComplete (message, size))
        return {AnalyzedInformation::broken, 0, {}};

    juce::MemoryBlock data;

    // The length check above leaves room for every packed byte before the F7.
    if (! midi::SevenBitPacking::unpack (message + dataStart, size - 1 - dataStart, numDataBytes, data))
        return {AnalyzedInformation::broken, 0, {}};

    const auto value = type == AnalyzedInformation::programDump ? readProgramNumber (message) : 0;
    return {type, value, std::move (data)};
}

AnalyzedInformation MidiMessageAnalyzer::analyzeShortReply (const juce::uint8* message, size_t size,
                                                            int function)
{
    if (! isComplete (message, size))
        return {};

    switch (function)
    {
    case SysExGenerator::functionProgramDataDumpRequest:
        if (size < programRequestLength)
            return {};
        return {AnalyzedInformation::programRequest, readProgramNumber (message), {}};
    case SysExGenerator::functionGlobalDataDumpRequest:
        return {AnalyzedInformation::globalRequest, 0, {}};
    case SysExGenerator::functionCurrentProgramDumpRequest:
        return {AnalyzedInformation::currentProgramRequest, 0, {}};
    case SysExGenerator::functionWriteCompleted:
        return {AnalyzedInformation::writeCompleted, 0, {}};
    case SysExGenerator::functionWriteError:
        return {AnalyzedInformation::writeError, 0, {}};
    case SysExGenerator::functionDataLoadCompleted:
        return {AnalyzedInformation::dataLoadCompleted, 0, {}};
    case SysExGenerator::functionDataLoadError:
        return {AnalyzedInformation::dataLoadError, 0, {}};
    case SysExGenerator::functionDataFormatError:
        return {AnalyzedInformation::dataFormatError, 0, {}};
    default:
        return {};
    }
}

bool MidiMessageAnalyzer::isComplete (const juce::uint8* message, size_t size)
{
    if (message[size - 1] != 0xF7)
        return false;

    for (size_t i = 1; i + 1 < size; ++i)
        if (message[i] >= 0x80)
            return false;

    return true;
}

int MidiMessageAnalyzer::readProgramNumber (const juce::uint8* message)
{
    return (message[7] & 0x7F) | ((message[8] & 0x7F) << 7);
}

bool MidiMessageAnalyzer::isTargetDeviceIdentity (const AnalyzedInformation& information, int targetFamilyId)
{
    const auto& data = information.getData();

    if (information.getType() != AnalyzedInformation::identityReply || data.getSize() != identityReplyLength)
        return false;

    const auto* bytes = static_cast<const juce::uint8*> (data.getData());
    return bytes[5] == SysExGenerator::manufacturerId && (bytes[6] | (bytes[7] << 8)) == targetFamilyId;
}

int MidiMessageAnalyzer::getIdentityChannel (const AnalyzedInformation& information)
{
    const auto& data = information.getData();

    if (information.getType() != AnalyzedInformation::identityReply || data.getSize() != identityReplyLength)
        return -1;

    return static_cast<const juce::uint8*> (data.getData())[2] & 0x0F;
}
} // namespace xTV200_midi
