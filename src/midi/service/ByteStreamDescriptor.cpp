#include "midi/service/ByteStreamDescriptor.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace midi
{
namespace
{
bool isFifo (const char* path) noexcept
{
    struct stat info
    {
    };
    return ::stat (path, &info) == 0 && S_ISFIFO (info.st_mode);
}

int openFlags (const char* path, bool forWriting) noexcept
{
    const int common = O_CLOEXEC | O_NOCTTY;

    if (isFifo (path))
        return common | O_RDWR | (forWriting ? 0 : O_NONBLOCK);

    // Input is read only after poll() has reported it readable; non-blocking
    // keeps a spurious wake-up from hanging the reader in read().
    return forWriting ? common | O_WRONLY | O_CREAT | O_APPEND : common | O_RDONLY | O_NONBLOCK;
}
} // namespace

ByteStreamDescriptor::~ByteStreamDescriptor()
{
    if (descriptor >= 0)
        ::close (descriptor);
}

ByteStreamDescriptor::ByteStreamDescriptor (ByteStreamDescriptor&& other) noexcept
    : descriptor (std::exchange (other.descriptor, -1))
{
}

ByteStreamDescriptor& ByteStreamDescriptor::operator= (ByteStreamDescriptor&& other) noexcept
{
    if (this != &other)
    {
        if (descriptor >= 0)
            ::close (descriptor);

        descriptor = std::exchange (other.descriptor, -1);
    }

    return *this;
}

ByteStreamDescriptor ByteStreamDescriptor::openForReading (const juce::String& path,
                                                           juce::String& errorMessage)
{
    return open (path, false, errorMessage);
}

ByteStreamDescriptor ByteStreamDescriptor::openForWriting (const juce::String& path,
                                                           juce::String& errorMessage)
{
    return open (path, true, errorMessage);
}

ByteStreamDescriptor ByteStreamDescriptor::open (const juce::String& path, bool forWriting,
                                                 juce::String& errorMessage)
{
    const auto* cPath = path.toRawUTF8();
    int fd;

    do
        fd = ::open (cPath, openFlags (cPath, forWriting), 0644);
    while (fd < 0 && errno == EINTR);

    if (fd < 0)
    {
        const auto reason = juce::String (std::strerror (errno));
        errorMessage = juce::String ("Cannot open \"") + path + "\" for " +
                       (forWriting ? "MIDI output" : "MIDI input") + ": " + reason;
    }

    return ByteStreamDescriptor (fd);
}
} // namespace midi
