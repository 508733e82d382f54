#include "midi/MidiDeviceManager.h"

#include "app/PreferencesData.h"
#include "midi/service/SystemMidiService.h"

namespace midi
{
using Lock = std::lock_guard<std::recursive_mutex>;

MidiDeviceManager::MidiDeviceManager()
{
    scanner.addObserver (this);
    xTV200_preferences::PreferencesDataUpdater::setMidiPortTarget (this);
}

MidiDeviceManager::~MidiDeviceManager()
{
    xTV200_preferences::PreferencesDataUpdater::setMidiPortTarget (nullptr);
    scanner.removeObserver (this);
    closePorts();
}

void MidiDeviceManager::setService (std::shared_ptr<MidiService> newService)
{
    jassert (newService != nullptr);
    const Lock lock (stateMutex);
    closePorts();
    service = std::move (newService);
    port.setService (service);
    scanDone = false;
}

std::shared_ptr<MidiService> MidiDeviceManager::getService()
{
    const Lock lock (stateMutex);

    // The system's MIDI is only opened when nobody chose another service first.
    if (service == nullptr)
        setService (createSystemMidiService());

    return service;
}

void MidiDeviceManager::applyPortPreferences()
{
    applyMidiPortSettings (xTV200_preferences::PreferencesDataUpdater::readMidiPortSettings (
        *xTV200_preferences::PreferencesData::getInstance()));
}

void MidiDeviceManager::applyMidiPortSettings (
    const xTV200_preferences::PreferencesDataUpdater::MidiPortSettings& settings)
{
    const Lock lock (stateMutex);
    automatic = settings.autoScan;
    manualInputName = settings.autoScan ? juce::String() : settings.inPortName;
    manualOutputName = settings.autoScan ? juce::String() : settings.outPortName;
}

void MidiDeviceManager::startScan()
{
    const Lock lock (stateMutex);
    scanDone = false;
    scanner.setExpectedIds (targetFamilyId, targetMemberId);
    scanner.startScan (getService());
}

bool MidiDeviceManager::openPorts()
{
    const Lock lock (stateMutex);

    if (open)
        return true;

    if (! openSelectedPorts())
        return false;

    open = true;
    return true;
}

bool MidiDeviceManager::openSelectedPorts()
{
    getService();

    if (automatic)
    {
        if (! scanDone)
        {
            startScan();
            return false;
        }

        if (getFoundInputIndex() < 0 || getFoundOutputIndex() < 0 || ! port.openInput (getFoundInputIndex()))
            return false;

        port.openOutput (getFoundOutputIndex());
    }
    else
    {
        if (! port.openInputByName (manualInputName))
            return false;

        port.openOutputByName (manualOutputName);
    }

    if (port.isOutputOpen())
        return true;

    port.closeInput();
    return false;
}

void MidiDeviceManager::closePorts()
{
    const Lock lock (stateMutex);

    if (! open)
        return;

    port.removeAllListeners();
    port.closeInput();
    port.closeOutput();
    open = false;
}

bool MidiDeviceManager::isOpen() const
{
    const Lock lock (stateMutex);
    return open;
}

bool MidiDeviceManager::isAutomatic() const
{
    const Lock lock (stateMutex);
    return automatic;
}

bool MidiDeviceManager::isScanDone() const
{
    const Lock lock (stateMutex);
    return scanDone;
}

bool MidiDeviceManager::shouldWarnAboutDriver() const
{
    const Lock lock (stateMutex);

    if (service == nullptr)
        return false;

    const auto inputIndex = findSelectedInputIndex();
    const auto outputIndex = findSelectedOutputIndex();

    if (inputIndex < 0 || outputIndex < 0)
        return false;

    return ! (service->isSynthesizerPort (true, inputIndex) &&
              service->isSynthesizerPort (false, outputIndex));
}

int MidiDeviceManager::findSelectedInputIndex() const
{
    if (automatic)
        return scanDone ? getFoundInputIndex() : -1;

    return service->getInputPortNames().indexOf (manualInputName, false);
}

int MidiDeviceManager::findSelectedOutputIndex() const
{
    if (automatic)
        return scanDone ? getFoundOutputIndex() : -1;

    return service->getOutputPortNames().indexOf (manualOutputName, false);
}

void MidiDeviceManager::setScanTimings (int timeoutMilliseconds, int settleMilliseconds)
{
    scanner.setTimeout (timeoutMilliseconds);
    scanner.setSettleTime (settleMilliseconds);
}

void MidiDeviceManager::scanFinished()
{
    {
        const Lock lock (stateMutex);
        scanDone = true;
    }

    callObservers ([] (MidiDeviceManagerListener& listener) { listener.scanFinished(); });
}
} // namespace midi
