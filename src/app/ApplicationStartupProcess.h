#pragma once

#include "midi/MidiDeviceManagerListener.h"

#include <juce_events/juce_events.h>

#include <functional>

namespace xTV200_application
{
/** The start-up step that waits for the device scan: once the scan has ended
    (or at once, with manual ports), it receives the library from the
    synthesizer, unless a file was opened from the command line or the
    AutoReceive preference is off, then starts the Twitter background work.
    It runs once; later scans change nothing.

    What the step does is handed in, so that the window and the Twitter layer
    decide how: the receive is the Receive Library Data command.
*/
class ApplicationStartupProcess final : private midi::MidiDeviceManagerListener, private juce::AsyncUpdater
{
public:
    struct Steps
    {
        std::function<void()> receiveLibrary;
        std::function<void()> startTwitter;
        /** Run by start() when the preset window was open at the last quit. */
        std::function<void()> reopenPresetWindow;
    };

    explicit ApplicationStartupProcess (Steps steps);
    ~ApplicationStartupProcess() override;

    /** The command line named a file: the library is not received. */
    void setFileOpenedFromCommandLine() noexcept { fileOpenedFromCommandLine = true; }

    /** Reopens the preset window when ShowPresetWindow is on; then starts the
        scan when MidiPortAutoScan is on; otherwise the deferred step runs on
        the next pass of the message loop. */
    void start();

    bool isFinished() const noexcept { return finished; }

private:
    void scanFinished() override;
    void handleAsyncUpdate() override;

    const Steps steps;
    bool fileOpenedFromCommandLine = false;
    bool finished = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ApplicationStartupProcess)
};
} // namespace xTV200_application
