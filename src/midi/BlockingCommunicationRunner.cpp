#include "midi/BlockingCommunicationRunner.h"

#include "base/MessageLoopRunner.h"
#include "midi/MidiDeviceManager.h"

namespace midi
{
namespace
{
class SessionWatcher final : public MidiCommunicationSession::Listener
{
public:
    SessionWatcher (const MidiCommunicationSession& watchedSession,
                    const BlockingCommunicationRunner::ChangeCallback& callback)
        : session (watchedSession)
        , changeCallback (callback)
    {
    }

    void sessionChanged() override { report(); }

    void sessionFinished() override { report(); }

private:
    void report()
    {
        if (changeCallback)
            changeCallback (session);
    }

    const MidiCommunicationSession& session;
    const BlockingCommunicationRunner::ChangeCallback& changeCallback;
};
} // namespace

BlockingCommunicationRunner::BlockingCommunicationRunner (ChangeCallback onChange)
    : changeCallback (std::move (onChange))
{
}

int BlockingCommunicationRunner::runCommunication (MidiCommunicationProcess& process, const juce::String&)
{
    MidiCommunicationSession session (process, *MidiDeviceManager::getInstance());
    SessionWatcher watcher (session, changeCallback);
    session.setListener (&watcher);
    session.start();

    MessageLoopRunner::runUntil ([&session] { return session.isFinished(); });

    lastResultCode = session.getResultCode();
    lastStatusMessage = session.getStatusMessage();
    lastDetailMessage = session.getDetailMessage();
    return session.hasSucceeded() ? 0 : 1;
}
} // namespace midi
