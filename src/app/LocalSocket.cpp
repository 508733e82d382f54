#include "app/LocalSocket.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace application
{
namespace
{
int remainingMilliseconds (LocalSocket::Clock::time_point deadline)
{
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds> (deadline - LocalSocket::Clock::now()).count();
    return static_cast<int> (juce::jlimit<decltype (left)> (0, std::numeric_limits<int>::max(), left));
}

juce::String describeError (const juce::String& what)
{
    return what + ": " + juce::String (std::strerror (errno));
}

bool fitsIntoAddress (const juce::String& path)
{
    return path.getNumBytesAsUTF8() < sizeof (sockaddr_un::sun_path);
}

/** Calls bind() or connect() through call with the path's address. A path too
    long for the address is reached as /proc/self/fd/<folder>/<name>. */
template <typename Call>
int callWithAddress (const juce::File& path, Call&& call)
{
    auto callWith = [&call] (const juce::String& text)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy (address.sun_path, text.toRawUTF8(), text.getNumBytesAsUTF8());
        return call (reinterpret_cast<const sockaddr*> (&address), static_cast<socklen_t> (sizeof (address)));
    };

    if (fitsIntoAddress (path.getFullPathName()))
        return callWith (path.getFullPathName());

    const int folder =
        ::open (path.getParentDirectory().getFullPathName().toRawUTF8(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return -1;

    const auto viaFolder = "/proc/self/fd/" + juce::String (folder) + "/" + path.getFileName();
    int result = -1;
    errno = ENAMETOOLONG;

    if (fitsIntoAddress (viaFolder))
        result = callWith (viaFolder);

    const int error = errno;
    ::close (folder);
    errno = error;
    return result;
}

bool setNonBlocking (int fd)
{
    const int flags = ::fcntl (fd, F_GETFL);
    return flags >= 0 && ::fcntl (fd, F_SETFL, flags | O_NONBLOCK) == 0;
}
} // namespace

LocalSocket::~LocalSocket()
{
    if (descriptor >= 0)
        ::close (descriptor);
}

LocalSocket::LocalSocket (LocalSocket&& other) noexcept
    : descriptor (std::exchange (other.descriptor, -1))
{
}

LocalSocket& LocalSocket::operator= (LocalSocket&& other) noexcept
{
    if (this != &other)
    {
        if (descriptor >= 0)
            ::close (descriptor);

        descriptor = std::exchange (other.descriptor, -1);
    }

    return *this;
}

LocalSocket LocalSocket::listenAt (const juce::File& path, juce::String& error)
{
    LocalSocket socket (::socket (AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (! socket.isValid())
    {
        error = describeError ("cannot create a socket");
        return {};
    }

    const auto binding = path.getSiblingFile (path.getFileName() + ".new");
    const auto* bindingPath = binding.getFullPathName().toRawUTF8();

    // Left behind by a start that ended while it set up its socket.
    ::unlink (bindingPath);

    const int fd = socket.descriptor;
    if (callWithAddress (binding,
                         [fd] (const sockaddr* a, socklen_t size) { return ::bind (fd, a, size); }) != 0)
    {
        error = describeError ("cannot bind " + binding.getFullPathName());
        return {};
    }

    // Until listen() nobody can connect, so the narrowed permissions hold for
    // every connection there will be.
    if (::chmod (bindingPath, S_IRUSR | S_IWUSR) != 0 || ::listen (fd, SOMAXCONN) != 0 ||
        ::rename (bindingPath, path.getFullPathName().toRawUTF8()) != 0)
    {
        error = describeError ("cannot listen at " + path.getFullPathName());
        ::unlink (bindingPath);
        return {};
    }

    return socket;
}

LocalSocket LocalSocket::connectTo (const juce::File& path, Clock::time_point deadline)
{
    const int milliseconds = remainingMilliseconds (deadline);
    if (milliseconds <= 0)
        return {};

    LocalSocket socket (::socket (AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (! socket.isValid())
        return {};

    // connect() waits while the listener's backlog is full; the send timeout
    // bounds that wait (a zero timeout would mean none).
    const timeval limit{milliseconds / 1000, (milliseconds % 1000) * 1000};
    const int fd = socket.descriptor;

    if (::setsockopt (fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof (limit)) != 0 ||
        callWithAddress (path,
                         [fd] (const sockaddr* a, socklen_t size) { return ::connect (fd, a, size); }) != 0 ||
        ! setNonBlocking (fd))
        return {};

    return socket;
}

void LocalSocket::remove (const juce::File& path)
{
    ::unlink (path.getFullPathName().toRawUTF8());
}

LocalSocket LocalSocket::acceptConnection() const
{
    return LocalSocket (::accept4 (descriptor, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
}

bool LocalSocket::isPeerThisUser() const
{
    ucred peer{};
    socklen_t size = sizeof (peer);

    return ::getsockopt (descriptor, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
}

bool LocalSocket::readExactly (void* destination, size_t size, Clock::time_point deadline, int stopDescriptor)
{
    auto* bytes = static_cast<char*> (destination);

    for (size_t done = 0; done < size;)
    {
        const auto received = ::recv (descriptor, bytes + done, size - done, 0);

        if (received > 0)
            done += static_cast<size_t> (received);
        else if (received == 0)
            return false;
        else if (errno != EINTR && (errno != EAGAIN || ! waitFor (POLLIN, deadline, stopDescriptor)))
            return false;
    }

    return true;
}

bool LocalSocket::writeAll (const void* source, size_t size, Clock::time_point deadline, int stopDescriptor)
{
    const auto* bytes = static_cast<const char*> (source);

    for (size_t done = 0; done < size;)
    {
        const auto sent = ::send (descriptor, bytes + done, size - done, MSG_NOSIGNAL);

        if (sent >= 0)
            done += static_cast<size_t> (sent);
        else if (errno != EINTR && (errno != EAGAIN || ! waitFor (POLLOUT, deadline, stopDescriptor)))
            return false;
    }

    return true;
}

bool LocalSocket::waitFor (short events, Clock::time_point deadline, int stopDescriptor) const
{
    for (;;)
    {
        // poll() ignores a negative descriptor, so no stop descriptor means none watched.
        std::array<pollfd, 2> watched{{{descriptor, events, 0}, {stopDescriptor, POLLIN, 0}}};
        const int result = ::poll (watched.data(), watched.size(), remainingMilliseconds (deadline));

        if (result < 0 && errno == EINTR)
            continue;

        // An error or hang-up on the socket counts as ready: the next call reports it.
        return result > 0 && watched[1].revents == 0;
    }
}
} // namespace application
