#include "midi/DeviceCommunicationProcess.h"

#include "app/LocalizedText.h"
#include "midi/DeviceInquiry.h"
#include "midi/MidiCommunicationResult.h"

namespace xTV200_midi
{
using Result = midi::MidiCommunicationResult;

DeviceCommunicationProcess::DeviceCommunicationProcess (CTRVMidi& portToUse, int familyId,
                                                        TransactionTimeouts timeoutsToUse)
    : port (portToUse)
    , targetFamilyId (familyId)
    , timeouts (timeoutsToUse)
{
}

int DeviceCommunicationProcess::begin (const juce::String& statusKey)
{
    setProgress (0.0f);
    setStatusMessage (getLocalizedText (statusKey));
    setDetailMessage ({});

    DeviceInquiry inquiry (port, targetFamilyId);
    const auto code = inquiry.execute (timeouts.identityMilliseconds);

    if (code == Result::noError)
        channel = inquiry.getChannel();

    return finish (code);
}

int DeviceCommunicationProcess::finish (int resultCode)
{
    if (resultCode != Result::noError)
    {
        setStatusMessage (Result::getStatusText (resultCode));
        setDetailMessage (Result::getDetailText (resultCode));
    }

    return resultCode;
}

int DeviceCommunicationProcess::cancel()
{
    setStatusMessage (Result::getStatusText (Result::canceled));
    return Result::canceled;
}
} // namespace xTV200_midi
