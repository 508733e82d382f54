#pragma once

#include "app/PreferencesDataUpdater.h"
#include "base/ListenerHolder.h"
#include "base/Singleton.h"
#include "midi/CTRVMidi.h"
#include "midi/MidiDeviceManagerListener.h"
#include "midi/MidiDeviceScanner.h"

#include <juce_events/juce_events.h>

#include <mutex>

namespace midi
{
/** Owns the port object and decides which ports it opens: the pair an
    automatic scan found (the default), or the two ports named in the
    preferences (manual mode).

    The ports are open only during a communication. The communication lock is
    held by whoever communicates, from opening the ports until closing them,
    so that two communications never share the ports.
*/
class MidiDeviceManager final : public Singleton<MidiDeviceManager>,
                                public ListenerHolder<MidiDeviceManagerListener>,
                                public xTV200_preferences::PreferencesDataUpdater::MidiPortTarget,
                                private MidiDeviceScannerListener,
                                private juce::DeletedAtShutdown
{
public:
    /** Uses the computer's MIDI system unless setService() says otherwise
        before the first use of the ports. */
    MidiDeviceManager();
    ~MidiDeviceManager() override;

    /** Closes the ports and uses service from now on; the scan results are forgotten. */
    void setService (std::shared_ptr<MidiService> service);
    std::shared_ptr<MidiService> getService();

    void setTargetFamilyId (int id) noexcept { targetFamilyId = id; }
    void setTargetMemberId (int id) noexcept { targetMemberId = id; }
    int getTargetFamilyId() const noexcept { return targetFamilyId; }
    int getTargetMemberId() const noexcept { return targetMemberId; }

    /** Reads MidiPortAutoScan, MidiInPort and MidiOutPort from the preferences. */
    void applyPortPreferences();
    void applyMidiPortSettings (
        const xTV200_preferences::PreferencesDataUpdater::MidiPortSettings& settings) override;

    void startScan();

    /** Opens the input and output for a communication; true when both are open.
        In automatic mode before any scan has finished, starts one and fails. */
    bool openPorts();
    void closePorts();

    juce::CriticalSection& getCommunicationLock() noexcept { return communicationLock; }

    /** The port object; its service is set once the manager has one. */
    CTRVMidi& getPort() noexcept { return port; }

    bool isOpen() const;
    bool isAutomatic() const;
    bool isScanDone() const;
    bool isFound() const noexcept { return scanner.isFound(); }
    int getFoundInputIndex() const noexcept { return scanner.getFoundInputIndex(); }
    int getFoundOutputIndex() const noexcept { return scanner.getFoundOutputIndex(); }

    /** Whether the user should be warned before a long transfer: true when both
        ports are known and not both are the synthesizer's own. */
    bool shouldWarnAboutDriver() const;

    /** For tests: shorter scan waits than a real device needs. */
    void setScanTimings (int timeoutMilliseconds, int settleMilliseconds);

private:
    void scanFinished() override;
    int findSelectedInputIndex() const;
    int findSelectedOutputIndex() const;
    bool openSelectedPorts();

    mutable std::recursive_mutex stateMutex;
    std::shared_ptr<MidiService> service;
    MidiDeviceScanner scanner;
    CTRVMidi port;

    int targetFamilyId = -1;
    int targetMemberId = -1;
    bool open = false;
    bool automatic = true;
    bool scanDone = false;
    juce::String manualInputName;
    juce::String manualOutputName;

    juce::CriticalSection communicationLock;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiDeviceManager)
};
} // namespace midi
