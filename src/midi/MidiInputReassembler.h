#pragma once

#include <juce_core/juce_core.h>

#include <array>
#include <functional>
#include <vector>

namespace midi
{
/** Turns the byte blocks a MIDI input port delivers into complete messages.

    Blocks may split a message anywhere: a SysEx message is assembled across as
    many blocks as it takes, and a short message cut off at the end of one block
    is completed by the data bytes that start the next. Complete messages are
    handed to the callback in the order they are completed:

    - A SysEx message runs from 0xF0 to 0xF7 inclusive and is delivered once,
      whole, with isSysEx set.
    - Real-time bytes (0xF8-0xFF, timing clock among them) may arrive between
      any two bytes; each is delivered at once as a one-byte message and does
      not disturb the message it interrupts.
    - Any other status byte ends an unfinished message: the unfinished bytes are
      dropped and the status byte starts the next message.
    - Data bytes that belong to no message are skipped. There is no running
      status: data bytes after a complete channel message are skipped too.
    - A SysEx message that would grow beyond the size limit is dropped, and its
      remaining bytes are skipped up to the next status byte.

    The object keeps no lock: feed it from one thread at a time (the port's input
    thread), and don't call processBlock() from inside the callback.
*/
class MidiInputReassembler final
{
public:
    /** Receives one complete message; the bytes are only valid during the call. */
    using MessageCallback = std::function<void (const juce::uint8* bytes, int numBytes, bool isSysEx)>;

    /** The default size limit of one SysEx message, F0 and F7 included. */
    static constexpr int defaultMaxSysExSize = 1 << 20;

    /** Creates a reassembler that hands complete messages to messageCallback.
        maxSysExSize bounds one SysEx message including F0 and F7; values below 2
        are taken as 2.
    */
    explicit MidiInputReassembler (MessageCallback messageCallback, int maxSysExSize = defaultMaxSysExSize);

    /** Parses numBytes bytes from data, continuing whatever message the previous
        block left unfinished. A null pointer or a size of 0 or less does nothing.
    */
    void processBlock (const void* data, int numBytes);

    /** Forgets any unfinished message, as when a port is opened again. */
    void reset() noexcept;

    /** True while a SysEx message has begun and not yet ended. */
    bool isSysExInProgress() const noexcept { return state == State::sysEx; }

    /** The length of the message that the status byte starts, status included:
        2 for program change, channel pressure, 0xF1 and 0xF3; 1 for tune request
        and the real-time bytes; 3 for the rest. Returns 0 for a data byte.
    */
    static int getMessageLength (juce::uint8 statusByte) noexcept;

private:
    enum class State
    {
        idle,
        sysEx,
        discardingSysEx,
        shortMessage
    };

    void handleByte (juce::uint8 byte);
    void handleStatusByte (juce::uint8 statusByte);
    void handleDataByte (juce::uint8 dataByte);
    void appendToSysEx (juce::uint8 dataByte);
    void finishSysEx();
    void deliver (const juce::uint8* bytes, int numBytes, bool isSysEx);

    MessageCallback callback;
    size_t maxSysExSize;
    State state = State::idle;
    std::vector<juce::uint8> sysExBytes;
    std::array<juce::uint8, 3> shortBytes{};
    int shortLength = 0;
    int shortFill = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiInputReassembler)
};
} // namespace midi
