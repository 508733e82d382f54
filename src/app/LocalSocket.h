#pragma once

#include <juce_core/juce_core.h>

#include <chrono>

namespace application
{
/** A Unix domain stream socket in the file system, closed with the object.

    Reads and writes wait at most until a deadline and, when given one, stop
    as soon as a stop descriptor (see midi::WakeUpEvent) becomes readable, so
    that a peer that stalls can hold up a thread only for a bounded time.
    Paths longer than the socket address allows are reached through their
    folder's descriptor.
*/
class LocalSocket final
{
public:
    using Clock = std::chrono::steady_clock;

    LocalSocket() = default;
    ~LocalSocket();

    LocalSocket (LocalSocket&& other) noexcept;
    LocalSocket& operator= (LocalSocket&& other) noexcept;

    bool isValid() const noexcept { return descriptor >= 0; }
    int getDescriptor() const noexcept { return descriptor; }

    /** Listens at the path, replacing whatever file is there: only the holder
        of the lock that guards the path may call this.

        The socket is bound under a name beside the path, made accessible to
        this user only and renamed into place once it listens, so that nobody
        else can connect in between and a client never finds the path
        without a listener behind it. Returns an invalid socket and sets
        error on failure.
    */
    static LocalSocket listenAt (const juce::File& path, juce::String& error);

    /** Connects to a socket that listens at the path; an invalid socket when
        nobody listens there or the deadline passes first. */
    static LocalSocket connectTo (const juce::File& path, Clock::time_point deadline);

    /** Removes the socket file at the path. juce::File takes a socket file for
        a folder (it tests the mode's folder bit, which a socket's mode shares),
        so its deleteFile() cannot remove one. */
    static void remove (const juce::File& path);

    /** A connection waiting on this listening socket; invalid when there is
        none, with errno telling why. */
    LocalSocket acceptConnection() const;

    /** True when the process at the other end runs as this process's user. */
    bool isPeerThisUser() const;

    /** These return false on an error, at the end of the stream, when the
        deadline passes or when the stop descriptor becomes readable. */
    bool readExactly (void* destination, size_t size, Clock::time_point deadline, int stopDescriptor = -1);
    bool writeAll (const void* source, size_t size, Clock::time_point deadline, int stopDescriptor = -1);

private:
    explicit LocalSocket (int fd) noexcept
        : descriptor (fd)
    {
    }

    bool waitFor (short events, Clock::time_point deadline, int stopDescriptor) const;

    int descriptor = -1;

    JUCE_DECLARE_NON_COPYABLE (LocalSocket)
};
} // namespace application
