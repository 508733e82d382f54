#include "midi/MidiCommunicationManager.h"

#include "data/CurrentProgramData.h"
#include "midi/MidiDeviceManager.h"
#include "midi/ReceiveLibraryProcess.h"
#include "midi/ReceiveSelectedProgramProcess.h"
#include "midi/WriteLibraryProcess.h"
#include "midi/WriteSelectedProgramProcess.h"

namespace xTV200_midi
{
/** Marks the manager busy for its lifetime, so that no background
    transmission starts while a communication is set up or runs. */
class MidiCommunicationManager::BusyScope
{
public:
    explicit BusyScope (bool& flagToSet)
        : flag (flagToSet)
    {
        flag = true;
    }
    ~BusyScope() { flag = false; }

private:
    bool& flag;
};

MidiCommunicationManager::MidiCommunicationManager()
    : transmitter (*midi::MidiDeviceManager::getInstance())
{
    xTV200_data::CurrentProgramData::getInstance()->setTransmitter (this);
}

MidiCommunicationManager::~MidiCommunicationManager()
{
    if (auto* currentProgram = xTV200_data::CurrentProgramData::getInstanceWithoutCreating())
        currentProgram->setTransmitter (nullptr);
}

void MidiCommunicationManager::setRunner (midi::MidiCommunicationRunner* newRunner) noexcept
{
    runner = newRunner;
}

void MidiCommunicationManager::setTimeouts (TransactionTimeouts newTimeouts)
{
    timeouts = newTimeouts;
    transmitter.setTimeouts (newTimeouts);
}

int MidiCommunicationManager::receiveLibrary (xTV200_data::LibraryData& target)
{
    auto& devices = *midi::MidiDeviceManager::getInstance();
    ReceiveLibraryProcess process (devices.getPort(), devices.getTargetFamilyId(), timeouts, target);
    return runWhileBusy (process);
}

int MidiCommunicationManager::writeLibrary (const xTV200_data::LibraryData& source)
{
    auto& devices = *midi::MidiDeviceManager::getInstance();
    WriteLibraryProcess process (devices.getPort(), devices.getTargetFamilyId(), timeouts, source);
    return runWhileBusy (process);
}

int MidiCommunicationManager::receiveSelectedPrograms (std::vector<int> programNumbers,
                                                       xTV200_data::LibraryData& target)
{
    auto& devices = *midi::MidiDeviceManager::getInstance();
    ReceiveSelectedProgramProcess process (devices.getPort(), devices.getTargetFamilyId(), timeouts,
                                           std::move (programNumbers), target);
    return runWhileBusy (process);
}

int MidiCommunicationManager::writeSelectedPrograms (std::vector<int> programNumbers,
                                                     const xTV200_data::LibraryData& source)
{
    auto& devices = *midi::MidiDeviceManager::getInstance();
    WriteSelectedProgramProcess process (devices.getPort(), devices.getTargetFamilyId(), timeouts,
                                         std::move (programNumbers), source);
    return runWhileBusy (process);
}

int MidiCommunicationManager::runWhileBusy (midi::MidiCommunicationProcess& process)
{
    const BusyScope scope (busy);
    return runProcess (process);
}

int MidiCommunicationManager::runProcess (midi::MidiCommunicationProcess& process)
{
    transmitter.clearPending();
    transmitter.stopAndWait();
    return getRunner().runCommunication (process, process.getTitle());
}

void MidiCommunicationManager::transmitCurrentProgram (const xTV200_data::ProgramData& program)
{
    if (! busy)
        transmitter.transmit (program);
}

midi::MidiCommunicationRunner& MidiCommunicationManager::getRunner() noexcept
{
    return runner != nullptr ? *runner : defaultRunner;
}
} // namespace xTV200_midi
