#pragma once

#include "midi/emulator/EmulatorMemory.h"
#include "midi/emulator/EmulatorReplyBuilder.h"
#include "midi/emulator/SynthesizerEmulatorOptions.h"
#include "midi/emulator/WirePacer.h"
#include "midi/MidiInputReassembler.h"
#include "midi/MidiMessageAnalyzer.h"
#include "midi/service/MidiService.h"

#include <atomic>
#include <mutex>

namespace xTV200_midi
{
/** An emulated synthesizer that answers the librarian on a pair of ports of
    any MidiService.

    It answers the device search and the universal identity request, sends
    program, current program and global dumps on request and stores the dumps
    it receives, replying as the device does:

    - Maker messages count only on its own channel (byte 2 is 0x30 | channel)
      and with its family id; others are ignored. The device search and the
      identity request sent to all channels are answered whatever the channel.
    - A request for a program number out of range is answered with a data load
      error, so the librarian fails at once instead of waiting for a timeout.
    - A program or global dump is answered with data load completed once
      stored; with a data load error, storing nothing, while write-protected or
      for a program number out of range. A dump that is too short gets a data
      format error.
    - A current program dump goes into the edit buffer, not into memory, so it
      is accepted even while write-protected.
    - Anything else, including replies and non-SysEx bytes, is ignored.

    Every message is answered on the input port's thread before the next is
    read. With pacing on, a received block counts as arriving when it is handed
    over, or when the bytes before it have passed the wire if that is later.
*/
class SynthesizerEmulator final : private midi::MidiInputHandler
{
public:
    static constexpr int familyId = EmulatorReplyBuilder::familyId;

    SynthesizerEmulator (midi::MidiService& service, int inputIndex, int outputIndex,
                         SynthesizerEmulatorOptions options = {});
    ~SynthesizerEmulator() override;

    /** Opens the ports and starts answering. Returns false, with the service's
        reason in error, when a port cannot be opened; true if already running.
    */
    bool start (juce::String& error);

    /** Closes the ports, cutting short a paced reply; once this has returned
        nothing more is received or sent.
    */
    void stop();

    bool isRunning() const;

    /** The programs, global data and current program; may be read and set from
        any thread, also while running.
    */
    EmulatorMemory& getMemory() noexcept { return memory; }

    const SynthesizerEmulatorOptions& getOptions() const noexcept { return options; }

    juce::int64 getNumBytesReceived() const noexcept { return numBytesReceived.load(); }
    juce::int64 getNumBytesSent() const noexcept { return numBytesSent.load(); }
    int getNumMessagesReceived() const noexcept { return numMessagesReceived.load(); }

    /** Program dumps stored in memory. */
    int getNumProgramWrites() const noexcept { return numProgramWrites.load(); }

    /** Current program dumps taken into the edit buffer. */
    int getNumCurrentProgramsReceived() const noexcept { return numCurrentProgramsReceived.load(); }

private:
    void handleIncomingMidiBytes (const juce::uint8* bytes, int numBytes) override;
    void receivePaced (const juce::uint8* bytes, int numBytes);
    void handleMessage (const juce::uint8* message, int size, bool isSysEx);
    void handleSysEx (const juce::uint8* message, size_t size);
    void handleMakerMessage (const juce::uint8* message, size_t size);
    void answerProgramRequest (int number);
    void storeProgram (const AnalyzedInformation& information);
    void storeGlobalData (const AnalyzedInformation& information);
    void storeCurrentProgram (const AnalyzedInformation& information);

    bool isDeviceSearch (const juce::uint8* message, size_t size) const noexcept;
    bool isIdentityRequest (const juce::uint8* message, size_t size) const noexcept;

    void reply (juce::MemoryBlock message);
    void sendShortReply (int function) { reply (replies.createShortReply (function)); }
    int getBlockSize (size_t messageSize) const noexcept;
    static juce::MemoryBlock withTimingClocks (const juce::MemoryBlock& message);

    midi::MidiService& midiService;
    const int inputPortIndex;
    const int outputPortIndex;
    const SynthesizerEmulatorOptions options;
    const int channel;
    const std::shared_ptr<WireClock> clock;
    const EmulatorReplyBuilder replies;
    const MidiMessageAnalyzer analyzer;
    EmulatorMemory memory;

    mutable std::mutex lifecycleLock;
    std::unique_ptr<midi::MidiOutputConnection> output;
    std::unique_ptr<midi::MidiInputConnection> input;

    // Used on the input port's thread only.
    midi::MidiInputReassembler reassembler;
    WirePacer receivingWire;
    WirePacer sendingWire;
    WireClock::TimePoint messageArrival{};
    int numProgramDumpsReceived = 0;

    std::atomic<juce::int64> numBytesReceived{0};
    std::atomic<juce::int64> numBytesSent{0};
    std::atomic<int> numMessagesReceived{0};
    std::atomic<int> numProgramWrites{0};
    std::atomic<int> numCurrentProgramsReceived{0};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SynthesizerEmulator)
};
} // namespace xTV200_midi
