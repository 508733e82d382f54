#pragma once

namespace midi
{
class MidiCommunicationProcessObserver
{
public:
    virtual ~MidiCommunicationProcessObserver() = default;

    /** The progress or a text changed; called on the message thread. */
    virtual void processChanged() = 0;
};
} // namespace midi
