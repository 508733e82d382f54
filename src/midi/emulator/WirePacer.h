#pragma once

#include "midi/emulator/WireClock.h"

namespace xTV200_midi
{
/** One direction of a DIN MIDI wire: 31,250 baud, ten bits a byte, so a byte
    takes 320 microseconds and bytes follow each other, never overlap.
*/
class WirePacer final
{
public:
    using Duration = std::chrono::microseconds;

    static constexpr Duration byteTime{320};

    explicit WirePacer (WireClock& clockToUse) noexcept
        : clock (clockToUse)
    {
    }

    /** How long numBytes take on the wire; 0 for none. */
    static Duration getWireTime (int numBytes) noexcept;

    /** Puts numBytes on the wire: they start now, or when the bytes before them
        have passed, whichever is later. Returns when they start.
    */
    WireClock::TimePoint beginTransfer (int numBytes);

    /** When the wire is free again after everything put on it so far. */
    WireClock::TimePoint getFreeTime() const noexcept { return freeAt; }

private:
    WireClock& clock;
    WireClock::TimePoint freeAt{};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WirePacer)
};
} // namespace xTV200_midi
