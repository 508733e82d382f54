#pragma once

#include "midi/AnalyzedInformation.h"

namespace xTV200_midi
{
/** Classifies SysEx messages received from the synthesizer.

    The input is untrusted: any length and any byte values are classified
    without reading outside the message. A message is recognised only when it
    starts with F0, ends with F7 and holds nothing but data bytes in between.
    A dump that is shorter than its fixed length, lacks its F7 or carries a
    status byte in its body is classified as broken; any other message that
    breaks these rules is not recognised. A dump longer than its fixed length
    is accepted and its extra bytes are ignored.
*/
class MidiMessageAnalyzer
{
public:
    MidiMessageAnalyzer() = default;
    virtual ~MidiMessageAnalyzer() = default;

    /** Classifies one message. Maker messages must carry targetFamilyId in
        bytes 4 and 5, as (byte 4 << 8) | byte 5; any channel is accepted.
    */
    AnalyzedInformation analyze (const juce::uint8* message, size_t size, int targetFamilyId) const;
    AnalyzedInformation analyze (const juce::MemoryBlock& message, int targetFamilyId) const;

    /** True when information is an identity reply of the maker (byte 5 is 0x42)
        whose family id, byte 6 | (byte 7 << 8), is targetFamilyId.
    */
    static bool isTargetDeviceIdentity (const AnalyzedInformation& information, int targetFamilyId);

    /** The global MIDI channel (0-15) an identity reply reports; -1 for any
        other information.
    */
    static int getIdentityChannel (const AnalyzedInformation& information);

private:
    static AnalyzedInformation analyzeUniversal (const juce::uint8* message, size_t size);
    static AnalyzedInformation analyzeMaker (const juce::uint8* message, size_t size);
    static AnalyzedInformation analyzeDump (const juce::uint8* message, size_t size, int type,
                                            size_t fixedLength, size_t dataStart, size_t numDataBytes);
    static AnalyzedInformation analyzeShortReply (const juce::uint8* message, size_t size, int function);
    static bool isComplete (const juce::uint8* message, size_t size);
    static int readProgramNumber (const juce::uint8* message);
};
} // namespace xTV200_midi
