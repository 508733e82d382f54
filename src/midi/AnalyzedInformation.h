#pragma once

#include <juce_core/juce_core.h>

namespace xTV200_midi
{
/** What one received SysEx message turned out to be. */
class AnalyzedInformation
{
public:
    /** The message types; the numbers are fixed, transactions list the ones they accept. */
    enum Type : int
    {
        broken = 0,
        none = 1,
        identityReply = 3,
        currentProgramRequest = 4,
        currentProgramDump = 5,
        programRequest = 6,
        programDump = 7,
        globalRequest = 8,
        globalDump = 9,
        dataFormatError = 11,
        dataLoadCompleted = 12,
        dataLoadError = 13,
        writeCompleted = 14,
        writeError = 15
    };

    /** A message that is not recognised: type none, value 0, no data. */
    AnalyzedInformation() = default;

    AnalyzedInformation (int typeOfMessage, int valueOfMessage, juce::MemoryBlock dataOfMessage)
        : type (typeOfMessage)
        , value (valueOfMessage)
        , data (std::move (dataOfMessage))
    {
    }

    AnalyzedInformation (const AnalyzedInformation&) = default;
    AnalyzedInformation& operator= (const AnalyzedInformation&) = default;
    AnalyzedInformation (AnalyzedInformation&&) noexcept = default;
    AnalyzedInformation& operator= (AnalyzedInformation&&) noexcept = default;
    virtual ~AnalyzedInformation() = default;

    int getType() const noexcept { return type; }

    /** The program number of a program request or program dump; 0 otherwise. */
    int getValue() const noexcept { return value; }

    /** The decoded bytes of a dump (320 or 224), the whole message of an
        identity reply, and empty for every other type.
    */
    const juce::MemoryBlock& getData() const noexcept { return data; }

private:
    int type = none;
    int value = 0;
    juce::MemoryBlock data;
};
} // namespace xTV200_midi
