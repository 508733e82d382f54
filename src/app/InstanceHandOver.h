#pragma once

#include <juce_core/juce_core.h>

namespace application
{
/** Keeps the application to one running instance per user and passes the
    command line of any later start to the instance that runs.

    The application calls becomePrimary() first thing. When it returns false
    another instance runs: the application calls sendToPrimary() with its own
    command line and exits with result 0, whatever sendToPrimary() returned,
    before any of its own start-up. A false result there means the running
    instance did not take the command line in time (it is hung or stopped);
    starting anyway would leave two instances writing the same preferences
    file, and a hung instance is something the user can see and end.
*/
class InstanceHandOver
{
public:
    /** Receives the command lines of later starts. */
    class Receiver
    {
    public:
        virtual ~Receiver() = default;

        /** Called on the message thread with the command line exactly as the
            later start sent it, without the application-name prefix. */
        virtual void anotherInstanceStarted (const juce::String& commandLine) = 0;
    };

    virtual ~InstanceHandOver() = default;

    /** Makes this object the running instance unless another one already is.

        Returns false only when another instance holds the place. Otherwise,
        from now until this object is destroyed, the command lines of later
        starts arrive at the receiver, which must outlive this object. When no
        lock can be made at all (a folder that cannot be written, say) it
        returns true too, so that the application still starts, then without
        the guarantee of running once.
    */
    virtual bool becomePrimary (Receiver& receiver) = 0;

    /** Hands the command line to the running instance; returns true once that
        instance has taken it, false when there is none, when it refused the
        message or when it did not answer in a bounded time. */
    virtual bool sendToPrimary (const juce::String& commandLine) = 0;
};
} // namespace application
