#pragma once

#include "app/InstanceHandOver.h"
#include "app/InstanceHandOverListener.h"
#include "app/InstanceLock.h"

#include <juce_events/juce_events.h>

#include <chrono>
#include <memory>

namespace application
{
/** The instance hand-over of a Linux desktop: an flock() on a lock file and a
    Unix domain socket beside it, both in one folder of the user's.

    The running instance holds the lock and listens on the socket; a later
    start fails to take the lock, connects and sends its command line. A
    socket file left by an instance that crashed is replaced: holding the lock
    proves nobody listens on it. When the running instance's object is
    destroyed it stops listening, removes the socket file and releases the
    lock; a crash releases the lock as well.

    Command lines are taken in on a thread of the object's own and delivered to
    the receiver through the message loop, so they arrive while the message
    thread is busy, and in the order they were sent.
*/
class LocalSocketInstanceHandOver final : public InstanceHandOver, private juce::AsyncUpdater
{
public:
    struct Timeouts
    {
        /** How long a later start waits for the running instance to take its
            command line before it gives up. */
        std::chrono::milliseconds send;

        /** How long the running instance gives one connection to deliver its
            message. */
        std::chrono::milliseconds connection;
    };

    static constexpr Timeouts defaultTimeouts{std::chrono::seconds (2), std::chrono::seconds (2)};

    /** Keeps the lock and the socket in the folder, which is created when
        missing. */
    explicit LocalSocketInstanceHandOver (const juce::File& folder, Timeouts timeouts = defaultTimeouts);

    /** Stops listening, removes the socket file and releases the lock. */
    ~LocalSocketInstanceHandOver() override;

    bool becomePrimary (Receiver& receiver) override;
    bool sendToPrimary (const juce::String& commandLine) override;

    /** True while this object holds the lock. */
    bool isPrimary() const noexcept { return lock.isHeld(); }

    juce::File getLockFile() const;
    juce::File getSocketFile() const;

    /** The user's runtime folder ($XDG_RUNTIME_DIR), which is private to the
        user and emptied at log-out; the preferences folder when there is no
        such folder. */
    static juce::File getDefaultFolder();

private:
    void startListening();
    void handleAsyncUpdate() override;

    const juce::File folder;
    const Timeouts timeouts;
    Receiver* receiver = nullptr;
    InstanceLock lock;
    bool ownsSocketFile = false;
    std::unique_ptr<InstanceHandOverListener> listener;

    juce::CriticalSection pendingSection;
    juce::StringArray pendingCommandLines;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LocalSocketInstanceHandOver)
};
} // namespace application
