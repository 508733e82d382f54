#pragma once

#include "base/ListenerHolder.h"
#include "midi/MidiDeviceScannerListener.h"
#include "midi/service/MidiService.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <memory>
#include <vector>

namespace midi
{
/** Finds the ports that lead to the synthesizer.

    A scan opens every port of the service for a moment, sends the device
    search message F0 42 50 00 nn F7 on every output (nn is the output's index,
    which the synthesizer echoes back) and takes the first reply of a
    synthesizer of the expected family: the input it arrived on and the output
    it names. Ports that cannot be opened, for example because another program
    holds them, are left out.

    The whole scan runs on the scanner's own thread; listeners hear of its end
    on the message thread.
*/
class MidiDeviceScanner final : public ListenerHolder<MidiDeviceScannerListener>,
                                private juce::Thread,
                                private juce::AsyncUpdater
{
public:
    static constexpr int defaultTimeoutMilliseconds = 1500;
    static constexpr int defaultSettleMilliseconds = 100;

    MidiDeviceScanner();
    ~MidiDeviceScanner() override;

    /** memberId -1 accepts any member of the family. */
    void setExpectedIds (int familyId, int memberId) noexcept;
    void setTimeout (int milliseconds) noexcept { timeoutMilliseconds = milliseconds; }

    /** The pause given to freshly opened ports before they are used, and to
        ports before they are closed again. */
    void setSettleTime (int milliseconds) noexcept { settleMilliseconds = milliseconds; }

    /** Starts a scan of service's ports, abandoning a scan still running. */
    void startScan (std::shared_ptr<MidiService> service);

    bool isFound() const noexcept { return found; }
    int getFoundInputIndex() const noexcept { return foundInputIndex; }
    int getFoundOutputIndex() const noexcept { return foundOutputIndex; }

    /** True when message is a search reply of the expected family (and member,
        unless any is accepted). Used for each message that arrives. */
    static bool isAcceptableReply (const juce::uint8* message, int size, int familyId, int memberId) noexcept;

    /** The output index a search reply echoes. */
    static int getEchoedOutputIndex (const juce::uint8* message) noexcept;

    static juce::MemoryBlock createSearchMessage (int outputIndex);

private:
    class ProbeInput;

    void run() override;
    void handleAsyncUpdate() override;

    void openProbePorts (MidiService& service);
    void closeProbePorts();
    void sendSearchMessages();
    void handleProbeMessage (int inputIndex, const juce::uint8* message, int size);

    std::shared_ptr<MidiService> scannedService;
    std::vector<std::unique_ptr<ProbeInput>> probeInputs;
    std::vector<std::pair<int, std::unique_ptr<MidiOutputConnection>>> probeOutputs;

    std::atomic<int> expectedFamilyId{-1};
    std::atomic<int> expectedMemberId{-1};
    std::atomic<int> timeoutMilliseconds{defaultTimeoutMilliseconds};
    std::atomic<int> settleMilliseconds{defaultSettleMilliseconds};

    std::atomic<bool> found{false};
    std::atomic<int> foundInputIndex{-1};
    std::atomic<int> foundOutputIndex{-1};
    juce::WaitableEvent replyAccepted;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiDeviceScanner)
};
} // namespace midi
