#pragma once

#include <juce_core/juce_core.h>

#include <mutex>
#include <vector>

namespace xTV200_midi
{
/** What an emulated synthesizer remembers: 300 programs of 320 bytes, the
    224-byte global data and the current (edit buffer) program.

    It starts with the factory programs, a fixed global block whose favourites
    (bytes 128-223, 48 little-endian words) are 0 to 47, and program 0 as the
    current program. Every member may be called from any thread.
*/
class EmulatorMemory final
{
public:
    EmulatorMemory();

    /** The bytes of program number (0-299); empty for a number out of range. */
    juce::MemoryBlock getProgram (int number) const;

    /** Stores 320 bytes as program number. Returns false, storing nothing,
        for a number out of range or a block of another size.
    */
    bool setProgram (int number, const juce::MemoryBlock& bytes);

    juce::MemoryBlock getGlobalData() const;

    /** Stores 224 bytes; returns false, storing nothing, for another size. */
    bool setGlobalData (const juce::MemoryBlock& bytes);

    juce::MemoryBlock getCurrentProgram() const;

    /** Stores 320 bytes; returns false, storing nothing, for another size. */
    bool setCurrentProgram (const juce::MemoryBlock& bytes);

    static bool isValidProgramNumber (int number) noexcept;

    /** The factory programs, read once from the embedded preset bundle; initial
        programs if it cannot be read.
    */
    static const std::vector<juce::MemoryBlock>& getFactoryPrograms();

    static juce::MemoryBlock createDefaultGlobalData();

private:
    static std::vector<juce::MemoryBlock> readFactoryPrograms();

    mutable std::mutex lock;
    std::vector<juce::MemoryBlock> programs;
    juce::MemoryBlock globalData;
    juce::MemoryBlock currentProgram;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EmulatorMemory)
};
} // namespace xTV200_midi
