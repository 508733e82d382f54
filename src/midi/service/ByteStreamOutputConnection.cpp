#include "midi/service/ByteStreamOutputConnection.h"

#include "midi/service/ByteStreamSigPipeBlocker.h"

#include <cerrno>
#include <unistd.h>

namespace midi
{
ByteStreamOutputConnection::ByteStreamOutputConnection (ByteStreamDescriptor descriptor) noexcept
    : output (std::move (descriptor))
{
}

bool ByteStreamOutputConnection::send (const juce::uint8* bytes, int numBytes)
{
    if (numBytes < 0 || (numBytes > 0 && bytes == nullptr))
        return false;

    ByteStreamSigPipeBlocker sigPipeBlocker;
    auto remaining = static_cast<size_t> (numBytes);

    while (remaining > 0)
    {
        const auto numWritten = ::write (output.get(), bytes, remaining);

        if (numWritten < 0)
        {
            if (errno == EINTR)
                continue;

            if (errno == EPIPE)
                sigPipeBlocker.noteBrokenPipe();

            return false;
        }

        bytes += numWritten;
        remaining -= static_cast<size_t> (numWritten);
    }

    return true;
}
} // namespace midi
