#include "midi/emulator/WirePacer.h"

#include <algorithm>

namespace xTV200_midi
{
WirePacer::Duration WirePacer::getWireTime (int numBytes) noexcept
{
    return byteTime * std::max (0, numBytes);
}

WireClock::TimePoint WirePacer::beginTransfer (int numBytes)
{
    const auto start = std::max (clock.now(), freeAt);
    freeAt = start + getWireTime (numBytes);
    return start;
}
} // namespace xTV200_midi
