#pragma once

#include "base/Singleton.h"
#include "data/CurrentProgramTransmitter.h"
#include "data/LibraryData.h"
#include "midi/AsyncCurrentProgramTransmitter.h"
#include "midi/BlockingCommunicationRunner.h"
#include "midi/MidiCommunicationRunner.h"
#include "midi/TransactionTimeouts.h"

#include <juce_events/juce_events.h>

#include <vector>

namespace xTV200_midi
{
/** Starts the exchanges with the synthesizer: the four that run in front of
    the user (through the communication runner, normally the communication
    dialog) and the silent transmission of the current program.

    It is the current program's transmitter: while it lives, every program the
    current program changes to is sent in the background, except while a
    communication in front of the user is being set up or runs.
*/
class MidiCommunicationManager final : public Singleton<MidiCommunicationManager>,
                                       public xTV200_data::CurrentProgramTransmitter,
                                       private juce::DeletedAtShutdown
{
public:
    MidiCommunicationManager();
    ~MidiCommunicationManager() override;

    /** Where communications run; nullptr returns to a runner without a window. */
    void setRunner (midi::MidiCommunicationRunner* runner) noexcept;

    void setTimeouts (TransactionTimeouts newTimeouts);
    const TransactionTimeouts& getTimeouts() const noexcept { return timeouts; }

    /** Each returns 0 when the process succeeded and non-zero otherwise.
        Program numbers are 0-299. */
    int receiveLibrary (xTV200_data::LibraryData& target);
    int writeLibrary (const xTV200_data::LibraryData& source);
    int receiveSelectedPrograms (std::vector<int> programNumbers, xTV200_data::LibraryData& target);
    int writeSelectedPrograms (std::vector<int> programNumbers, const xTV200_data::LibraryData& source);

    /** Stops the background transmitter and runs process in front of the user. */
    int runProcess (midi::MidiCommunicationProcess& process);

    /** Sends program to the synthesizer's current program in the background. */
    void transmitCurrentProgram (const xTV200_data::ProgramData& program);
    void transmit (const xTV200_data::ProgramData& program) override { transmitCurrentProgram (program); }

    bool isBusy() const noexcept { return busy; }
    AsyncCurrentProgramTransmitter& getTransmitter() noexcept { return transmitter; }

private:
    class BusyScope;

    midi::MidiCommunicationRunner& getRunner() noexcept;
    int runWhileBusy (midi::MidiCommunicationProcess& process);

    AsyncCurrentProgramTransmitter transmitter;
    midi::BlockingCommunicationRunner defaultRunner;
    midi::MidiCommunicationRunner* runner = nullptr;
    TransactionTimeouts timeouts;
    bool busy = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiCommunicationManager)
};
} // namespace xTV200_midi
