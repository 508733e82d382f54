#pragma once

#include <juce_core/juce_core.h>

namespace xTV200_midi
{
/** Builds the SysEx messages the librarian sends to the synthesizer.

    Every message but the universal identity request carries the header
    F0 42 3g 00 F1 F2, where g is the synthesizer's global MIDI channel and
    F1 F2 the two family bytes taken from the target family id.
*/
class SysExGenerator
{
public:
    static constexpr int manufacturerId = 0x42;
    static constexpr int numProgramBytes = 320;
    static constexpr int numGlobalBytes = 224;
    static constexpr int numPrograms = 300;

    static constexpr int functionGlobalDataDumpRequest = 0x0E;
    static constexpr int functionCurrentProgramDumpRequest = 0x10;
    static constexpr int functionProgramDataDumpRequest = 0x1C;
    static constexpr int functionWriteCompleted = 0x21;
    static constexpr int functionWriteError = 0x22;
    static constexpr int functionDataLoadCompleted = 0x23;
    static constexpr int functionDataLoadError = 0x24;
    static constexpr int functionDataFormatError = 0x26;
    static constexpr int functionCurrentProgramDataDump = 0x40;
    static constexpr int functionProgramDataDump = 0x4C;
    static constexpr int functionGlobalDataDump = 0x51;

    /** The full lengths, F0 to F7, of the three dumps. */
    static constexpr int currentProgramDataDumpLength = 374;
    static constexpr int programDataDumpLength = 376;
    static constexpr int globalDataDumpLength = 264;

    /** channel is masked to 0-15; the family and member bytes are the ids' low 7-bit groups. */
    SysExGenerator (int channel, int targetFamilyId, int targetMemberId = -1) noexcept;
    virtual ~SysExGenerator() = default;

    void setChannel (int newChannel) noexcept { channel = newChannel & 0x0F; }
    int getChannel() const noexcept { return channel; }
    int getFamilyByte1() const noexcept { return familyByte1; }
    int getFamilyByte2() const noexcept { return familyByte2; }
    int getMemberByte() const noexcept { return memberByte; }

    /** F0 7E 7F 06 01 F7: the universal device inquiry to all channels. */
    static juce::MemoryBlock createIdentityRequest();

    juce::MemoryBlock createGlobalDataDumpRequest() const;

    /** The program number (0-299) is sent as its low and high 7-bit groups. */
    juce::MemoryBlock createProgramDataDumpRequest (int programNumber) const;

    /** These return an empty block when the data is not exactly 320 (programs)
        or 224 (global data) bytes long, so a wrong block never reaches the
        synthesizer as a dump of the wrong length.
    */
    juce::MemoryBlock createCurrentProgramDataDump (const juce::MemoryBlock& programBytes) const;
    juce::MemoryBlock createProgramDataDump (int programNumber, const juce::MemoryBlock& programBytes) const;
    juce::MemoryBlock createGlobalDataDump (const juce::MemoryBlock& globalBytes) const;

private:
    juce::MemoryBlock createHeader (int function) const;
    static void appendByte (juce::MemoryBlock& message, int byte);
    static void appendProgramNumber (juce::MemoryBlock& message, int programNumber);
    static void appendPackedAndEnd (juce::MemoryBlock& message, const juce::MemoryBlock& data);

    int channel;
    int familyByte1;
    int familyByte2;
    int memberByte;
};
} // namespace xTV200_midi
