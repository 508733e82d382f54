#pragma once

namespace midi
{
class MidiCommunicationThreadListener
{
public:
    virtual ~MidiCommunicationThreadListener() = default;

    /** The process has ended; called on the message thread. */
    virtual void threadFinished() = 0;
};
} // namespace midi
