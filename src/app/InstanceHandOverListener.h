#pragma once

#include "app/LocalSocket.h"
#include "midi/service/WakeUpEvent.h"

#include <functional>
#include <memory>
#include <thread>

namespace application
{
/** The running instance's side of the hand-over: a thread that takes the
    connections of later starts one after another, reads one message from
    each (see InstanceHandOverMessage) and answers it.

    Connections from other users are dropped unread. A connection gets
    connectionTimeout from its acceptance to its answer; one that stalls is
    dropped then, so that it holds up the starts queued behind it only for
    that long.
*/
class InstanceHandOverListener final
{
public:
    /** Called on the listener's thread with each accepted command line. */
    using CommandLineCallback = std::function<void (const juce::String& commandLine)>;

    /** Serves the listening socket until the object is destroyed; nullptr with
        error set when the thread cannot be started. */
    static std::unique_ptr<InstanceHandOverListener> start (LocalSocket listeningSocket,
                                                            std::chrono::milliseconds connectionTimeout,
                                                            CommandLineCallback onCommandLine,
                                                            juce::String& error);

    /** Stops the thread; the callback is not called after this returns. */
    ~InstanceHandOverListener();

private:
    InstanceHandOverListener (LocalSocket, std::chrono::milliseconds, CommandLineCallback);

    void run();
    void serve (LocalSocket& connection);

    LocalSocket listeningSocket;
    const std::chrono::milliseconds connectionTimeout;
    const CommandLineCallback onCommandLine;
    midi::WakeUpEvent stopEvent;
    std::thread thread;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (InstanceHandOverListener)
};
} // namespace application
