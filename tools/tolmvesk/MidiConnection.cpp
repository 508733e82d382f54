#include "tolmvesk/MidiConnection.h"

#include "app/StartupSingletons.h"
#include "base/MessageLoopRunner.h"
#include "midi/MidiDeviceManager.h"
#include "midi/service/ByteStreamMidiService.h"
#include "midi/service/SystemMidiService.h"
#include "tolmvesk/EmulatorMemoryLoader.h"

namespace tolmvesk
{
namespace
{
/** Counts the scans that have ended. */
class ScanWatcher final : public midi::MidiDeviceManagerListener
{
public:
    void scanFinished() override { finished = true; }
    bool finished = false;
};
} // namespace

MidiConnection::MidiConnection (MidiPortChoice portChoice, EmulatorCommandOptions optionsForEmulator)
    : choice (std::move (portChoice))
    , emulatorOptions (std::move (optionsForEmulator))
{
}

MidiConnection::~MidiConnection() = default;

juce::String MidiConnection::prepare()
{
    using Kind = MidiPortChoice::Kind;

    switch (choice.kind)
    {
    case Kind::byteStream:
        service = std::make_shared<midi::ByteStreamMidiService> (choice.inputPath, choice.outputPath);
        break;
    case Kind::virtualSynth:
        if (const auto error = startVirtualSynthesizer(); error.isNotEmpty())
            return error;
        break;
    case Kind::automatic:
    case Kind::manual:
        service = midi::createSystemMidiService();
        break;
    }

    if (const auto reason = service->getUnavailableReason(); reason.isNotEmpty())
        return reason;

    auto* devices = midi::MidiDeviceManager::getInstance();
    devices->setService (service);
    devices->setTargetFamilyId (xTV200_application::StartupSingletons::synthesizerFamilyId);
    devices->applyMidiPortSettings ({choice.kind != Kind::manual, choice.inputName, choice.outputName});
    return {};
}

juce::String MidiConnection::startVirtualSynthesizer()
{
    builtInSynthesizer = std::make_unique<xTV200_midi::BuiltInSynthesizer> (emulatorOptions.emulator);
    service = builtInSynthesizer->getService();

    if (const auto error = loadEmulatorPrograms (emulatorOptions.programsFile,
                                                 builtInSynthesizer->getEmulator().getMemory());
        error.isNotEmpty())
        return error;

    juce::String error;
    return builtInSynthesizer->start (error) ? juce::String() : error;
}

bool MidiConnection::findSynthesizer()
{
    auto* devices = midi::MidiDeviceManager::getInstance();

    if (! devices->isAutomatic())
        return true;

    ScanWatcher watcher;
    devices->addObserver (&watcher);
    devices->startScan();
    MessageLoopRunner::runUntil ([&watcher] { return watcher.finished; });
    devices->removeObserver (&watcher);
    return devices->isFound();
}

juce::String MidiConnection::describeSelectedPorts() const
{
    auto* devices = midi::MidiDeviceManager::getInstance();

    if (! devices->isAutomatic())
        return choice.inputName + " -> " + choice.outputName;

    const auto inputs = service->getInputPortNames();
    const auto outputs = service->getOutputPortNames();
    return inputs[devices->getFoundInputIndex()] + " -> " + outputs[devices->getFoundOutputIndex()];
}
} // namespace tolmvesk
