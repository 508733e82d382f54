#pragma once

#include "midi/MidiCommunicationManager.h"
#include "tolmvesk/CommunicationReport.h"
#include "tolmvesk/MidiConnection.h"

#include <functional>
#include <optional>
#include <ostream>

namespace tolmvesk
{
/** What every command that talks to the synthesizer does around its own
    work: it takes the port options (and the emulator's, for
    --virtual-synth), connects, and runs communications with a progress line.
*/
class MidiCommandContext final
{
public:
    /** Takes the port and emulator options out of arguments. */
    explicit MidiCommandContext (juce::StringArray& arguments);

    /** The reader for the command's own options. */
    OptionReader& getOptions() noexcept { return options; }

    /** Call once the command has taken its own options: reports a wrong
        command line, prepares the ports and finds the synthesizer. Returns the
        exit status to end with, or nothing to go on. */
    std::optional<int> connect (std::ostream& err, const juce::String& usageProblem = {},
                                bool findSynthesizer = true);

    /** The port choice the options made. */
    const MidiPortChoice& getPortChoice() const noexcept { return portChoice; }

    /** Runs one communication through the manager, with the progress line on
        err; returns the exit status. */
    int communicate (const std::function<void (xTV200_midi::MidiCommunicationManager&)>& run,
                     std::ostream& err);

    MidiConnection& getConnection() noexcept { return *connection; }

private:
    OptionReader options;
    MidiPortChoice portChoice;
    EmulatorCommandOptions emulatorOptions;
    std::unique_ptr<MidiConnection> connection;
};
} // namespace tolmvesk
