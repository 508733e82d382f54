#include "app/LocalSocketInstanceHandOver.h"

#include "app/ApplicationInfo.h"
#include "app/InstanceHandOverMessage.h"
#include "app/PreferencesData.h"

namespace application
{
LocalSocketInstanceHandOver::LocalSocketInstanceHandOver (const juce::File& f, Timeouts t)
    : folder (f)
    , timeouts (t)
{
}

LocalSocketInstanceHandOver::~LocalSocketInstanceHandOver()
{
    // The listener's thread queues command lines: stop it before anything it uses goes.
    listener.reset();
    cancelPendingUpdate();

    // Still under the lock, so that no new instance has put its own socket there.
    if (ownsSocketFile)
        LocalSocket::remove (getSocketFile());
}

bool LocalSocketInstanceHandOver::becomePrimary (Receiver& newReceiver)
{
    JUCE_ASSERT_MESSAGE_THREAD

    if (isPrimary())
        return true;

    folder.createDirectory();
    const auto result = lock.tryToAcquire (getLockFile());

    if (result == InstanceLock::Result::heldElsewhere)
        return false;

    receiver = &newReceiver;

    if (result == InstanceLock::Result::acquired)
    {
        startListening();
    }
    else
    {
        DBG ("No instance lock at " + getLockFile().getFullPathName() + ": starting without one");
    }

    return true;
}

void LocalSocketInstanceHandOver::startListening()
{
    juce::String error;
    auto socket = LocalSocket::listenAt (getSocketFile(), error);

    if (socket.isValid())
    {
        ownsSocketFile = true;
        listener = InstanceHandOverListener::start (
            std::move (socket), timeouts.connection,
            [this] (const juce::String& commandLine)
            {
                const juce::ScopedLock pending (pendingSection);
                pendingCommandLines.add (commandLine);
                triggerAsyncUpdate();
            },
            error);
    }

    // Running once is still guaranteed; only the command lines of later starts get lost.
    if (listener == nullptr)
    {
        DBG ("Command lines of later starts cannot be taken: " + error);
    }
}

bool LocalSocketInstanceHandOver::sendToPrimary (const juce::String& commandLine)
{
    if (isPrimary())
        return false;

    const auto frame = InstanceHandOverMessage::encode (commandLine);
    if (frame.isEmpty())
        return false;

    const auto deadline = LocalSocket::Clock::now() + timeouts.send;
    auto connection = LocalSocket::connectTo (getSocketFile(), deadline);
    auto reply = InstanceHandOverMessage::refused;

    return connection.isValid() && connection.isPeerThisUser() &&
           connection.writeAll (frame.getData(), frame.getSize(), deadline) &&
           connection.readExactly (&reply, sizeof (reply), deadline) &&
           reply == InstanceHandOverMessage::accepted;
}

void LocalSocketInstanceHandOver::handleAsyncUpdate()
{
    juce::StringArray delivered;
    {
        const juce::ScopedLock pending (pendingSection);
        delivered.swapWith (pendingCommandLines);
    }

    for (const auto& commandLine : delivered)
        receiver->anotherInstanceStarted (commandLine);
}

juce::File LocalSocketInstanceHandOver::getLockFile() const
{
    return folder.getChildFile (juce::String (xTV200_application::ApplicationInfo::name) + ".lock");
}

juce::File LocalSocketInstanceHandOver::getSocketFile() const
{
    return folder.getChildFile (juce::String (xTV200_application::ApplicationInfo::name) + ".socket");
}

juce::File LocalSocketInstanceHandOver::getDefaultFolder()
{
    const auto runtimeFolder = juce::SystemStats::getEnvironmentVariable ("XDG_RUNTIME_DIR", {});

    if (juce::File::isAbsolutePath (runtimeFolder) && juce::File (runtimeFolder).isDirectory())
        return juce::File (runtimeFolder);

    return xTV200_preferences::PreferencesData::getPreferencesFolder();
}
} // namespace application
