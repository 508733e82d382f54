#include "midi/AsyncCurrentProgramTransmitter.h"

#include "midi/MidiDeviceManager.h"
#include "midi/TransmitCurrentProgramProcess.h"

namespace xTV200_midi
{
AsyncCurrentProgramTransmitter::AsyncCurrentProgramTransmitter (midi::MidiDeviceManager& manager)
    : juce::Thread ("AsyncCurrentProgramTransmitter")
    , deviceManager (manager)
{
}

AsyncCurrentProgramTransmitter::~AsyncCurrentProgramTransmitter()
{
    clearPending();
    stopAndWait();
}

void AsyncCurrentProgramTransmitter::transmit (const xTV200_data::ProgramData& program)
{
    bool needsThread = false;

    {
        const juce::ScopedLock sl (lock);
        programToSend = program;
        pending = true;
        needsThread = ! running;
        running = true;
    }

    // The running flag only drops under the lock when the thread has found
    // nothing more to send, so a thread still running here would pick this
    // program up. Otherwise the old thread is ending: join it and start anew.
    if (needsThread)
    {
        stopThread (-1);
        startThread();
    }
}

void AsyncCurrentProgramTransmitter::clearPending()
{
    const juce::ScopedLock sl (lock);
    pending = false;
}

void AsyncCurrentProgramTransmitter::stopAndWait()
{
    stopThread (-1);
}

bool AsyncCurrentProgramTransmitter::isTransmitting() const
{
    const juce::ScopedLock sl (lock);
    return running;
}

void AsyncCurrentProgramTransmitter::setTimeouts (TransactionTimeouts newTimeouts) noexcept
{
    const juce::ScopedLock sl (lock);
    timeouts = newTimeouts;
}

void AsyncCurrentProgramTransmitter::run()
{
    xTV200_data::ProgramData program;

    while (! threadShouldExit() && takePending (program))
        send (program);

    const juce::ScopedLock sl (lock);
    running = false;
}

bool AsyncCurrentProgramTransmitter::takePending (xTV200_data::ProgramData& program)
{
    const juce::ScopedLock sl (lock);

    if (! pending)
    {
        running = false;
        return false;
    }

    pending = false;
    program = programToSend;
    return true;
}

void AsyncCurrentProgramTransmitter::send (const xTV200_data::ProgramData& program)
{
    ++numTransmissions;

    // Nobody else uses the ports while the lock is held. A communication that
    // holds it now has the synthesizer's attention: this program is dropped.
    const juce::ScopedTryLock communication (deviceManager.getCommunicationLock());

    if (! communication.isLocked() || ! deviceManager.openPorts())
        return;

    TransactionTimeouts timeoutsNow;
    {
        const juce::ScopedLock sl (lock);
        timeoutsNow = timeouts;
    }

    TransmitCurrentProgramProcess process (deviceManager.getPort(), deviceManager.getTargetFamilyId(),
                                           timeoutsNow, program);
    process.setThread (this);
    process.run();
    process.setThread (nullptr);
    deviceManager.closePorts();
}
} // namespace xTV200_midi
