#include "app/InstanceHandOverListener.h"

#include "app/InstanceHandOverMessage.h"

#include <array>
#include <cerrno>
#include <poll.h>
#include <system_error>

namespace application
{
std::unique_ptr<InstanceHandOverListener> InstanceHandOverListener::start (LocalSocket socket,
                                                                           std::chrono::milliseconds timeout,
                                                                           CommandLineCallback callback,
                                                                           juce::String& error)
{
    std::unique_ptr<InstanceHandOverListener> listener (
        new InstanceHandOverListener (std::move (socket), timeout, std::move (callback)));

    if (! listener->stopEvent.isValid())
    {
        error = listener->stopEvent.getCreationError();
        return nullptr;
    }

    try
    {
        listener->thread = std::thread ([raw = listener.get()] { raw->run(); });
    }
    catch (const std::system_error& e)
    {
        error = juce::String ("cannot start the hand-over thread: ") + e.what();
        return nullptr;
    }

    return listener;
}

InstanceHandOverListener::InstanceHandOverListener (LocalSocket socket, std::chrono::milliseconds timeout,
                                                    CommandLineCallback callback)
    : listeningSocket (std::move (socket))
    , connectionTimeout (timeout)
    , onCommandLine (std::move (callback))
{
}

InstanceHandOverListener::~InstanceHandOverListener()
{
    if (thread.joinable())
    {
        stopEvent.signal();
        thread.join();
    }
}

void InstanceHandOverListener::run()
{
    for (;;)
    {
        std::array<pollfd, 2> watched{
            {{stopEvent.getDescriptor(), POLLIN, 0}, {listeningSocket.getDescriptor(), POLLIN, 0}}};

        if (::poll (watched.data(), watched.size(), -1) < 0)
        {
            if (errno == EINTR)
                continue;

            return;
        }

        if (watched[0].revents != 0)
            return;

        if (auto connection = listeningSocket.acceptConnection(); connection.isValid())
            serve (connection);
        else if (errno != EAGAIN && errno != EINTR && errno != ECONNABORTED)
            return; // out of descriptors or worse: stop rather than spin on a socket that stays readable
    }
}

void InstanceHandOverListener::serve (LocalSocket& connection)
{
    if (! connection.isPeerThisUser())
        return;

    const auto deadline = LocalSocket::Clock::now() + connectionTimeout;
    const int stop = stopEvent.getDescriptor();
    juce::uint8 header[InstanceHandOverMessage::headerSize];

    if (! connection.readExactly (header, sizeof (header), deadline, stop))
        return;

    const auto length = InstanceHandOverMessage::readLength (header);
    std::optional<juce::String> commandLine;

    if (length <= InstanceHandOverMessage::maximumTextSize)
    {
        juce::MemoryBlock text (length);

        if (! connection.readExactly (text.getData(), text.getSize(), deadline, stop))
            return;

        commandLine = InstanceHandOverMessage::decodeText (text.getData(), text.getSize());
    }

    if (commandLine.has_value())
        onCommandLine (*commandLine);

    const auto reply =
        commandLine.has_value() ? InstanceHandOverMessage::accepted : InstanceHandOverMessage::refused;
    connection.writeAll (&reply, sizeof (reply), deadline, stop);
}
} // namespace application
