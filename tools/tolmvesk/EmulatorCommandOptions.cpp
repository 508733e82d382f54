#include "tolmvesk/EmulatorCommandOptions.h"

namespace tolmvesk
{
EmulatorCommandOptions EmulatorCommandOptions::take (OptionReader& options)
{
    EmulatorCommandOptions result;
    auto& emulator = result.emulator;
    const auto numTakenBefore = options.getNumTaken();

    if (const auto channel = options.takeNumber ("--channel", 1, 16))
        emulator.channel = *channel - 1;

    emulator.writeProtected = options.takeFlag ("--write-protect");
    emulator.pacedAtWireRate = options.takeFlag ("--paced");
    result.programsFile = options.takeValue ("--load").value_or (juce::String());

    if (const auto count = options.takeNumber ("--fail-silent-after", 0, 1000000))
        emulator.stopAnsweringAfterMessages = *count;

    if (const auto number = options.takeNumber ("--fail-broken-dump", 1, 300))
        emulator.brokenDumpProgram = *number - 1;

    emulator.identityOfOtherMaker = options.takeFlag ("--fail-other-maker");
    emulator.timingClockInReplies = options.takeFlag ("--fail-clock-in-sysex");

    if (const auto blockSize = options.takeNumber ("--fail-split-sysex", 1, 1000000))
        emulator.replyBlockSize = *blockSize;

    if (const auto write = options.takeNumber ("--fail-nak-write", 1, 1000000))
        emulator.nakOnProgramWrite = *write - 1;

    result.anyGiven = options.getNumTaken() > numTakenBefore;
    return result;
}
} // namespace tolmvesk
