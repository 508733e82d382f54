#include "midi/DeviceInquiry.h"

#include "midi/MidiCommunicationResult.h"
#include "midi/MidiMessageAnalyzer.h"
#include "midi/SysExGenerator.h"

namespace xTV200_midi
{
int DeviceInquiry::execute (int timeoutMilliseconds)
{
    using Result = midi::MidiCommunicationResult;

    if (! send (SysExGenerator::createIdentityRequest()))
        return Result::timeout;

    const auto reply = waitForReply ({AnalyzedInformation::identityReply}, timeoutMilliseconds);

    if (reply.getType() != AnalyzedInformation::identityReply)
        return Result::timeout;

    if (! MidiMessageAnalyzer::isTargetDeviceIdentity (reply, getTargetFamilyId()))
        return Result::targetDevice;

    channel = MidiMessageAnalyzer::getIdentityChannel (reply);
    return Result::noError;
}
} // namespace xTV200_midi
