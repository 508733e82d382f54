#pragma once

#include "midi/MidiCommunicationProcess.h"

namespace midi
{
/** Runs a communication in front of the user and returns when it has ended:
    the communication dialog in the application, a progress line in the
    command-line tool. */
class MidiCommunicationRunner
{
public:
    virtual ~MidiCommunicationRunner() = default;

    /** Returns 0 when the process succeeded, 1 otherwise. Message thread only. */
    virtual int runCommunication (MidiCommunicationProcess& process, const juce::String& title) = 0;
};
} // namespace midi
