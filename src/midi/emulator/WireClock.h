#pragma once

#include <juce_core/juce_core.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace xTV200_midi
{
/** The time source an emulated synthesizer paces its MIDI wire with.

    The steady clock below is the real one; tests put in a clock that only
    pretends to wait, so paced exchanges can be checked without taking time.
*/
class WireClock
{
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~WireClock() = default;

    virtual TimePoint now() = 0;

    /** Blocks until the time has come. Returns false when the wait was cut
        short by cancelWaits(), and at once while waits stay cancelled.
    */
    virtual bool waitUntil (TimePoint time) = 0;

    /** Ends every wait at once and makes later waits fail, until resumeWaits(). */
    virtual void cancelWaits() = 0;
    virtual void resumeWaits() = 0;
};

/** The steady system clock; waits block on a condition variable. */
class SteadyWireClock final : public WireClock
{
public:
    SteadyWireClock() = default;

    TimePoint now() override { return std::chrono::steady_clock::now(); }
    bool waitUntil (TimePoint time) override;
    void cancelWaits() override;
    void resumeWaits() override;

private:
    std::mutex lock;
    std::condition_variable cancelled;
    bool waitsCancelled = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SteadyWireClock)
};
} // namespace xTV200_midi
