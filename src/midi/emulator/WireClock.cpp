#include "midi/emulator/WireClock.h"

namespace xTV200_midi
{
bool SteadyWireClock::waitUntil (TimePoint time)
{
    std::unique_lock<std::mutex> guard (lock);
    return ! cancelled.wait_until (guard, time, [this] { return waitsCancelled; });
}

void SteadyWireClock::cancelWaits()
{
    {
        const std::lock_guard<std::mutex> guard (lock);
        waitsCancelled = true;
    }

    cancelled.notify_all();
}

void SteadyWireClock::resumeWaits()
{
    const std::lock_guard<std::mutex> guard (lock);
    waitsCancelled = false;
}
} // namespace xTV200_midi
