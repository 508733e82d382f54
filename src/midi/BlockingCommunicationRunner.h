#pragma once

#include "midi/MidiCommunicationRunner.h"
#include "midi/MidiCommunicationSession.h"

#include <functional>

namespace midi
{
class MidiDeviceManager;

/** Runs a communication without a window: it runs the message loop until the
    session has ended, reporting each change to an optional callback. */
class BlockingCommunicationRunner final : public MidiCommunicationRunner
{
public:
    using ChangeCallback = std::function<void (const MidiCommunicationSession&)>;

    explicit BlockingCommunicationRunner (ChangeCallback onChange = {});

    int runCommunication (MidiCommunicationProcess& process, const juce::String& title) override;

    /** The result code of the last run; -1 when the ports could not be opened. */
    int getLastResultCode() const noexcept { return lastResultCode; }

    /** The texts the last run ended with. */
    juce::String getLastStatusMessage() const { return lastStatusMessage; }
    juce::String getLastDetailMessage() const { return lastDetailMessage; }

private:
    ChangeCallback changeCallback;
    int lastResultCode = -1;
    juce::String lastStatusMessage;
    juce::String lastDetailMessage;
};
} // namespace midi
