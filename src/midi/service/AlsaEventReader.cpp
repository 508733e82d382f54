#include "midi/service/AlsaEventReader.h"

#include "midi/service/AlsaSequencerClient.h"

#include <array>
#include <cerrno>
#include <system_error>

namespace midi
{
namespace
{
// Large enough for any message but SysEx, which bypasses the decoder.
constexpr size_t decoderBufferSize = 16;
} // namespace

AlsaEventReader::AlsaEventReader (snd_seq_t* h)
    : handle (h)
{
    const auto count = snd_seq_poll_descriptors_count (handle, POLLIN);

    if (count > 0)
    {
        sequencerDescriptors.resize (static_cast<size_t> (count));
        const auto filled = snd_seq_poll_descriptors (handle, sequencerDescriptors.data(),
                                                      static_cast<unsigned int> (count), POLLIN);
        sequencerDescriptors.resize (static_cast<size_t> (juce::jmax (0, filled)));
    }
}

AlsaEventReader::~AlsaEventReader()
{
    if (thread.joinable())
    {
        stopEvent.signal();
        thread.join();
    }

    for (auto& entry : registrations)
        snd_midi_event_free (entry.second.decoder);
}

bool AlsaEventReader::addPort (int port, MidiInputHandler& handler, juce::String& errorMessage)
{
    snd_midi_event_t* decoder = nullptr;

    if (const auto result = snd_midi_event_new (decoderBufferSize, &decoder); result < 0)
    {
        errorMessage = AlsaSequencerClient::describeError ("Cannot create an ALSA event decoder", result);
        return false;
    }

    // Every block the handler sees must carry its own status byte.
    snd_midi_event_no_status (decoder, 1);

    const std::lock_guard<std::mutex> guard (registrationLock);

    if (! startThreadLocked (errorMessage))
    {
        snd_midi_event_free (decoder);
        return false;
    }

    registrations[port] = {&handler, decoder};
    return true;
}

void AlsaEventReader::removePort (int port)
{
    const std::lock_guard<std::mutex> guard (registrationLock);

    if (const auto found = registrations.find (port); found != registrations.end())
    {
        snd_midi_event_free (found->second.decoder);
        registrations.erase (found);
    }
}

bool AlsaEventReader::startThreadLocked (juce::String& errorMessage)
{
    if (thread.joinable())
        return true;

    if (! stopEvent.isValid())
    {
        errorMessage = "Cannot open MIDI input: " + stopEvent.getCreationError();
        return false;
    }

    if (sequencerDescriptors.empty())
    {
        errorMessage = "Cannot open MIDI input: the ALSA sequencer has no descriptor to wait on";
        return false;
    }

    try
    {
        thread = std::thread ([this] { run(); });
    }
    catch (const std::system_error& e)
    {
        errorMessage = juce::String ("Cannot start the MIDI input thread: ") + e.what();
        return false;
    }

    return true;
}

void AlsaEventReader::run()
{
    auto watched = sequencerDescriptors;
    watched.push_back ({stopEvent.getDescriptor(), POLLIN, 0});

    for (;;)
    {
        for (auto& descriptor : watched)
            descriptor.revents = 0;

        if (::poll (watched.data(), watched.size(), -1) < 0)
        {
            if (errno == EINTR)
                continue;

            return;
        }

        if (watched.back().revents != 0)
            return;

        readPendingEvents();
    }
}

void AlsaEventReader::readPendingEvents()
{
    // The handle is blocking: read from the kernel once (poll() said there is
    // something), then only take what is already in the input buffer.
    do
    {
        snd_seq_event_t* event = nullptr;
        const auto result = snd_seq_event_input (handle, &event);

        if (result == -ENOSPC)
        {
            DBG ("ALSA sequencer input overflowed: events were lost");
            continue;
        }

        if (result < 0)
            return;

        if (event != nullptr)
            deliver (*event);
    } while (snd_seq_event_input_pending (handle, 0) > 0);
}

void AlsaEventReader::deliver (const snd_seq_event_t& event)
{
    const std::lock_guard<std::mutex> guard (registrationLock);
    const auto found = registrations.find (event.dest.port);

    if (found == registrations.end())
        return;

    auto& registration = found->second;

    if (event.type == SND_SEQ_EVENT_SYSEX)
    {
        if (event.data.ext.len > 0)
            registration.handler->handleIncomingMidiBytes (
                static_cast<const juce::uint8*> (event.data.ext.ptr), static_cast<int> (event.data.ext.len));
        return;
    }

    std::array<unsigned char, decoderBufferSize> bytes;
    const auto numBytes =
        snd_midi_event_decode (registration.decoder, bytes.data(), static_cast<long> (bytes.size()), &event);

    // Events that are not MIDI (such as subscription notices) decode to nothing.
    if (numBytes > 0)
        registration.handler->handleIncomingMidiBytes (bytes.data(), static_cast<int> (numBytes));
}
} // namespace midi
