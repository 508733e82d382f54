#pragma once

#include "midi/emulator/BuiltInSynthesizer.h"
#include "midi/service/MidiService.h"
#include "tolmvesk/EmulatorCommandOptions.h"
#include "tolmvesk/MidiPortChoice.h"

#include <memory>
#include <ostream>

namespace tolmvesk
{
/** Sets the device manager up for the ports a MIDI command was told to use,
    and finds the synthesizer behind them.

    With --virtual-synth it also runs the built-in emulated synthesizer for as
    long as the connection lives.
*/
class MidiConnection final
{
public:
    MidiConnection (MidiPortChoice choice, EmulatorCommandOptions emulatorOptions);
    ~MidiConnection();

    /** Makes the service and hands it to the device manager; on failure
        returns what went wrong. */
    juce::String prepare();

    /** Runs the device scan when the ports were not named, waiting for its end.
        Returns false when the synthesizer is not known to be there. */
    bool findSynthesizer();

    std::shared_ptr<midi::MidiService> getService() const { return service; }

    /** "IN -> OUT" for the ports in use, for messages. */
    juce::String describeSelectedPorts() const;

private:
    juce::String startVirtualSynthesizer();

    const MidiPortChoice choice;
    const EmulatorCommandOptions emulatorOptions;
    std::shared_ptr<midi::MidiService> service;
    std::unique_ptr<xTV200_midi::BuiltInSynthesizer> builtInSynthesizer;
};
} // namespace tolmvesk
