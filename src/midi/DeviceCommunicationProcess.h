#pragma once

#include "midi/CTRVMidi.h"
#include "midi/MidiCommunicationProcess.h"
#include "midi/TransactionTimeouts.h"

namespace xTV200_midi
{
/** What every exchange with the synthesizer shares: the identity transaction
    first, then transactions on the channel it reports, and the status and
    detail texts of the code each step ends with.
*/
class DeviceCommunicationProcess : public midi::MidiCommunicationProcess
{
public:
    /** port must be open while run() runs and outlive the process. */
    DeviceCommunicationProcess (CTRVMidi& port, int targetFamilyId, TransactionTimeouts timeouts);

    bool canCancel() const override { return true; }

protected:
    CTRVMidi& getPort() const noexcept { return port; }
    int getTargetFamilyId() const noexcept { return targetFamilyId; }
    const TransactionTimeouts& getTimeouts() const noexcept { return timeouts; }
    int getChannel() const noexcept { return channel; }

    /** Progress 0, the status text of statusKey, no detail; then the identity
        transaction. Returns its code, having reported a failure already. */
    int begin (const juce::String& statusKey);

    /** Shows the texts of a failing code and returns it; returns 0 unchanged. */
    int finish (int resultCode);

    /** Shows "Canceled." and returns the cancellation code. */
    int cancel();

private:
    CTRVMidi& port;
    const int targetFamilyId;
    const TransactionTimeouts timeouts;
    int channel = 0;
};
} // namespace xTV200_midi
