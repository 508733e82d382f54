#pragma once

#include "midi/service/MidiInputConnection.h"
#include "midi/service/MidiInputHandler.h"
#include "midi/service/MidiOutputConnection.h"

#include <juce_core/juce_core.h>

#include <memory>

namespace midi
{
/** The computer's MIDI ports as the librarian sees them.

    Ports are addressed by index into the lists of names; the lists are read
    afresh on every call, so an index is only meaningful together with the list
    it was taken from. Every implementation may be used from any thread.
*/
class MidiService
{
public:
    virtual ~MidiService() = default;

    /** A short name for messages, such as "ALSA sequencer". */
    virtual juce::String getServiceName() const = 0;

    /** Why the service has no ports at all, for example because the system's
        MIDI is missing; empty when it works. */
    virtual juce::String getUnavailableReason() const { return {}; }

    virtual juce::StringArray getInputPortNames() = 0;
    virtual juce::StringArray getOutputPortNames() = 0;

    /** Opens input port index and starts delivering its bytes to handler, which
        must outlive the connection. Returns nullptr and sets errorMessage when
        the port does not exist or cannot be opened (for example, because
        another program holds it).
    */
    virtual std::unique_ptr<MidiInputConnection> openInput (int index, MidiInputHandler& handler,
                                                            juce::String& errorMessage) = 0;

    virtual std::unique_ptr<MidiOutputConnection> openOutput (int index, juce::String& errorMessage) = 0;

    /** Whether the port is one of the synthesizer's own (its USB-MIDI ports or
        an emulated synthesizer's), as opposed to a generic interface or a
        software port. The librarian warns before long transfers through ports
        that are not. An index out of range is not.
    */
    virtual bool isSynthesizerPort (bool isInput, int index);

    /** The rule behind isSynthesizerPort() for services that only know names. */
    static bool isSynthesizerPortName (const juce::String& portName);
};
} // namespace midi
