#include "midi/service/ByteStreamInputConnection.h"

#include <array>
#include <cerrno>
#include <poll.h>
#include <system_error>
#include <unistd.h>

namespace midi
{
std::unique_ptr<ByteStreamInputConnection> ByteStreamInputConnection::start (ByteStreamDescriptor descriptor,
                                                                             MidiInputHandler& handler,
                                                                             juce::String& errorMessage)
{
    std::unique_ptr<ByteStreamInputConnection> connection (
        new ByteStreamInputConnection (std::move (descriptor), handler));

    if (! connection->stopEvent.isValid())
    {
        errorMessage = "Cannot open MIDI input: " + connection->stopEvent.getCreationError();
        return nullptr;
    }

    try
    {
        connection->thread = std::thread ([raw = connection.get()] { raw->run(); });
    }
    catch (const std::system_error& e)
    {
        errorMessage = juce::String ("Cannot start the MIDI input thread: ") + e.what();
        return nullptr;
    }

    return connection;
}

ByteStreamInputConnection::ByteStreamInputConnection (ByteStreamDescriptor descriptor, MidiInputHandler& h)
    : input (std::move (descriptor))
    , handler (h)
{
}

ByteStreamInputConnection::~ByteStreamInputConnection()
{
    if (thread.joinable())
    {
        stopEvent.signal();
        thread.join();
    }
}

void ByteStreamInputConnection::run()
{
    bool streamOpen = true;

    for (;;)
    {
        // Once the stream has ended, only the stop event is watched: a negative
        // descriptor is ignored by poll().
        std::array<pollfd, 2> watched{
            {{stopEvent.getDescriptor(), POLLIN, 0}, {streamOpen ? input.get() : -1, POLLIN, 0}}};

        if (::poll (watched.data(), watched.size(), -1) < 0)
        {
            if (errno == EINTR)
                continue;

            return;
        }

        if (watched[0].revents != 0)
            return;

        if (watched[1].revents != 0)
            streamOpen = readAvailableBytes();
    }
}

bool ByteStreamInputConnection::readAvailableBytes()
{
    std::array<juce::uint8, 4096> buffer;
    const auto numRead = ::read (input.get(), buffer.data(), buffer.size());

    if (numRead > 0)
    {
        handler.handleIncomingMidiBytes (buffer.data(), static_cast<int> (numRead));
        return true;
    }

    if (numRead < 0 && (errno == EINTR || errno == EAGAIN))
        return true;

    return false;
}
} // namespace midi
