#pragma once

#include "midi/emulator/WireClock.h"

#include <array>
#include <functional>
#include <memory>

namespace xTV200_midi
{
/** How an emulated synthesizer behaves, including the faults it can be told to
    show. A count or number of -1 turns its fault off.
*/
struct SynthesizerEmulatorOptions
{
    /** The global MIDI channel, 0-15; maker messages on other channels are ignored. */
    int channel = 0;

    /** Program and global dumps are refused with a data load error and stored nowhere. */
    bool writeProtected = false;

    /** Reported in the device search and identity replies, low byte first;
        each of the two bytes carries its lower seven bits.
    */
    int memberId = 0x0001;

    /** The four version bytes of the device search and identity replies. */
    std::array<juce::uint8, 4> version{0x01, 0x00, 0x02, 0x00};

    /** Both directions behave as a DIN cable: received bytes count as arriving
        no faster than the wire carries them and replies leave no faster.
    */
    bool pacedAtWireRate = false;

    /** The clock pacing uses; the steady system clock when empty. stop()
        cancels its waits, so give each emulator a clock of its own.
    */
    std::shared_ptr<WireClock> clock;

    /** Called on the input port's thread each time a received SysEx message
        has been dealt with, after any reply to it has been sent; lets a test
        tell that a message went unanswered without waiting for a timeout.
        It must not stop the emulator.
    */
    std::function<void()> onMessageHandled;

    // Faults ------------------------------------------------------------------

    /** Answers only the first this many SysEx messages it receives, then stays silent. */
    int stopAnsweringAfterMessages = -1;

    /** The dump of this program is sent one byte short (its last data byte left out). */
    int brokenDumpProgram = -1;

    /** The identity reply names another maker in byte 5. */
    bool identityOfOtherMaker = false;

    /** Timing-clock bytes (F8) are mixed into every SysEx reply. */
    bool timingClockInReplies = false;

    /** Replies are handed over in blocks of at most this many bytes (0: whole). */
    int replyBlockSize = 0;

    /** The program dump received at this position, counting from 0, is answered
        with a data load error and not stored.
    */
    int nakOnProgramWrite = -1;
};
} // namespace xTV200_midi
