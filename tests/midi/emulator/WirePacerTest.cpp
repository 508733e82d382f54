#include "midi/emulator/WirePacer.h"

#include "midi/emulator/EmulatorTestBench.h"

#include <future>

using namespace std::chrono_literals;
using testing_support::Bytes;
using testing_support::EmulatorTestBench;
using xTV200_midi::SteadyWireClock;
using xTV200_midi::SynthesizerEmulatorOptions;
using xTV200_midi::WireClock;
using xTV200_midi::WirePacer;

namespace
{
/** A clock that never blocks: a wait moves its time on to the moment waited
    for and records that moment, counted from the clock's start.
*/
class RecordingClock final : public WireClock
{
public:
    TimePoint now() override
    {
        const std::lock_guard<std::mutex> guard (lock);
        return current;
    }

    bool waitUntil (TimePoint time) override
    {
        const std::lock_guard<std::mutex> guard (lock);
        waits.push_back (std::chrono::duration_cast<std::chrono::microseconds> (time - start));
        current = std::max (current, time);
        return true;
    }

    void advance (std::chrono::microseconds duration)
    {
        const std::lock_guard<std::mutex> guard (lock);
        current += duration;
    }

    void cancelWaits() override {}
    void resumeWaits() override {}

    std::vector<std::chrono::microseconds> getWaits()
    {
        const std::lock_guard<std::mutex> guard (lock);
        return waits;
    }

private:
    std::mutex lock;
    const TimePoint start = TimePoint{} + 1h;
    TimePoint current = start;
    std::vector<std::chrono::microseconds> waits;
};

const Bytes deviceSearch{0xF0, 0x42, 0x50, 0x00, 0x00, 0xF7};
} // namespace

TEST (WirePacer, BytesTakeThreeHundredTwentyMicrosecondsEachOneAfterAnother)
{
    EXPECT_EQ (WirePacer::getWireTime (0), 0us);
    EXPECT_EQ (WirePacer::getWireTime (376), 120320us);

    RecordingClock clock;
    WirePacer pacer (clock);
    const auto first = pacer.beginTransfer (10);
    const auto second = pacer.beginTransfer (5);
    EXPECT_EQ (second - first, 3200us);

    clock.advance (10ms);
    const auto third = pacer.beginTransfer (1);
    EXPECT_EQ (third, clock.now());
    EXPECT_EQ (pacer.getFreeTime() - third, 320us);
}

TEST (WirePacer, PacedEmulatorHandlesARequestWhenItsLastByteHasArrivedAndRepliesAtWireRate)
{
    struct Case
    {
        int replyBlockSize;
        std::vector<std::chrono::microseconds> expectedWaits;
    };

    // The 6-byte search has arrived after 1920 us; the 15-byte reply then
    // takes 4800 us, its blocks each leaving when their last byte has.
    const Case cases[] = {
        {0, {1920us, 6720us}},
        {5, {1920us, 3520us, 5120us, 6720us}},
    };

    for (const auto& c : cases)
    {
        auto clock = std::make_shared<RecordingClock>();
        SynthesizerEmulatorOptions options;
        options.pacedAtWireRate = true;
        options.clock = clock;
        options.replyBlockSize = c.replyBlockSize;
        EmulatorTestBench bench (options);

        EXPECT_EQ (bench.exchange (deviceSearch).size(), 15u);
        EXPECT_EQ (clock->getWaits(), c.expectedWaits) << c.replyBlockSize;
        EXPECT_EQ (bench.getCollector().getBlocks().size(), c.expectedWaits.size() - 1);
    }
}

TEST (WirePacer, UnpacedEmulatorNeverWaits)
{
    auto clock = std::make_shared<RecordingClock>();
    SynthesizerEmulatorOptions options;
    options.clock = clock;
    EmulatorTestBench bench (options);

    EXPECT_EQ (bench.exchange (deviceSearch).size(), 15u);
    EXPECT_TRUE (clock->getWaits().empty());
}

TEST (WirePacer, PacedEmulatorOnTheSteadyClockAnswersAndStops)
{
    SynthesizerEmulatorOptions options;
    options.pacedAtWireRate = true;
    EmulatorTestBench bench (options);

    EXPECT_EQ (bench.exchange (deviceSearch).size(), 15u);
    bench.getEmulator().stop();
    EXPECT_FALSE (bench.getEmulator().isRunning());
}

TEST (WirePacer, CancellingEndsAWaitOnTheSteadyClockAtOnce)
{
    SteadyWireClock clock;
    auto wait = std::async (std::launch::async, [&] { return clock.waitUntil (clock.now() + 1h); });

    clock.cancelWaits();
    ASSERT_EQ (wait.wait_for (10s), std::future_status::ready);
    EXPECT_FALSE (wait.get());
    EXPECT_FALSE (clock.waitUntil (clock.now() + 1h));

    clock.resumeWaits();
    EXPECT_TRUE (clock.waitUntil (clock.now()));
}
